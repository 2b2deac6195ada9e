#include "cli/Arguments.h"

#include "cli/Output.h"

#include <algorithm>
#include <utility>

namespace cli {

namespace {

struct CommandForm {
    const char* name;
    Command command;
    qsizetype minArguments;
    qsizetype maxArguments;
};

constexpr CommandForm sCommands[] = {
    {"status", Command::Status, 0, 0},   {"tune", Command::Tune, 1, 1},
    {"list", Command::List, 0, 0},       {"apply", Command::Apply, 0, 1},
    {"band", Command::Band, 0, 1},       {"apply-on-plug", Command::ApplyOnPlug, 0, 1},
    {"station", Command::Station, 0, 3},
};

// "-88.1" is a frequency typed wrong, to be refused as one, not an unknown option.
bool isOption(const QString& inArgument) {
    return inArgument.size() > 1 && inArgument[0] == QLatin1Char('-') && !inArgument[1].isDigit() &&
           inArgument[1] != QLatin1Char('.');
}

} // namespace

std::variant<Invocation, UsageError> parseArguments(const QStringList& inArguments) {
    Invocation invocation;
    bool help = false;
    bool version = false;
    bool mono = false;
    bool stereo = false;
    QStringList positional;
    bool optionsEnded = false;
    bool stationNext = false; // the argument is the name after --station
    const std::pair<const char*, bool*> flags[] = {
        {"--", &optionsEnded},      {"-h", &help},           {"--help", &help},
        {"-v", &version},           {"--version", &version}, {"--simulate", &invocation.simulate},
        {"--mono", &mono},          {"--stereo", &stereo},   {"--on-plug", &invocation.onPlug},
        {"--station", &stationNext}};
    for (const QString& argument : inArguments) {
        const auto flag = std::find_if(std::begin(flags), std::end(flags), [&](const auto& inFlag) {
            return argument == inFlag.first;
        });
        if (stationNext) {
            invocation.station = argument;
            stationNext = false;
        } else if (argument.startsWith("--station=")) {
            invocation.station = argument.mid(QString("--station=").size());
        } else if (optionsEnded || !isOption(argument)) {
            positional << argument;
        } else if (flag == std::end(flags)) {
            return UsageError{Words::tr("unknown option %1").arg(shown(argument))};
        } else {
            *flag->second = true;
        }
    }
    if (help) {
        invocation.action = Invocation::Action::Help;
        return invocation;
    }
    if (version) {
        invocation.action = Invocation::Action::Version;
        return invocation;
    }

    if (stationNext) {
        return UsageError{Words::tr("--station needs a station's name")};
    }
    if (positional.isEmpty()) {
        return UsageError{Words::tr("no command given")};
    }
    const CommandForm* form = nullptr;
    for (const CommandForm& candidate : sCommands) {
        if (positional.constFirst() == QLatin1String(candidate.name)) {
            form = &candidate;
        }
    }
    if (form == nullptr) {
        return UsageError{Words::tr("unknown command %1").arg(shown(positional.constFirst()))};
    }
    invocation.command = form->command;
    const qsizetype given = positional.size() - 1;
    if (given < form->minArguments && !(form->command == Command::Tune && invocation.station)) {
        return UsageError{Words::tr("%1 needs a frequency").arg(form->name)};
    }
    if (given > form->maxArguments) {
        return UsageError{
            Words::tr("unexpected argument %1").arg(shown(positional[form->maxArguments + 1]))};
    }
    const bool takesStereo = form->command == Command::Tune ||
                             (form->command == Command::Station && positional.value(1) == "save");
    if ((mono || stereo) && !takesStereo) {
        return UsageError{Words::tr("%1 applies to tune and station save only")
                              .arg(mono ? "--mono" : "--stereo")};
    }
    if (mono && stereo) {
        return UsageError{Words::tr("--mono and --stereo exclude each other")};
    }
    if (invocation.onPlug && form->command != Command::Apply) {
        return UsageError{Words::tr("--on-plug applies to apply only")};
    }
    if (invocation.station && form->command != Command::Tune) {
        return UsageError{Words::tr("--station applies to tune only")};
    }
    if (mono || stereo) {
        invocation.stereo = stereo;
    }

    if (form->command == Command::Tune && invocation.station) {
        if (given > 0) {
            return UsageError{Words::tr("tune takes a frequency or --station, not both")};
        }
    } else if (form->command == Command::Tune) {
        invocation.frequencyText = positional[1];
        const std::optional<settings::Frequency> frequency =
            settings::parseFrequency(invocation.frequencyText);
        if (!frequency) {
            return UsageError{settings::notAFrequency(invocation.frequencyText)};
        }
        invocation.frequency = *frequency;
    }
    if (form->command == Command::Apply && given == 1) {
        invocation.node = positional[1];
    }
    if (form->command == Command::Band || form->command == Command::ApplyOnPlug ||
        form->command == Command::Station) {
        if (auto problem = readSettingsWords(positional.mid(1), invocation)) {
            return *problem;
        }
    }
    return invocation;
}

QString helpText(const QString& inSettingsPath) {
    return Words::tr(
               R"(Usage: usb-tavro [--simulate] status
       usb-tavro [--simulate] tune FREQ [--mono | --stereo]
       usb-tavro [--simulate] tune --station NAME [--mono | --stereo]
       usb-tavro [--simulate] list
       usb-tavro [--simulate] apply [NODE] [--on-plug]
       usb-tavro band [0 | world | 1 | japan]
       usb-tavro apply-on-plug [on | off]
       usb-tavro station [list]
       usb-tavro station save NAME [FREQ] [--mono | --stereo]
       usb-tavro station rename NAME NEW
       usb-tavro station remove NAME

Tunes a USB FM transmitter (USB 0f5a:0b17) from the command line, with the
settings file of the settings panel usb-tavro-prefs.

Commands:
  status          Show whether a transmitter is connected and its hardware
                  version, and the saved frequency, band, stereo choice and
                  ApplyOnPlug. Exits with 1 when no transmitter is connected.
  tune FREQ       Send FREQ to the transmitter and save it as the panel's
                  setting, so that the panel opens on it. FREQ is in MHz (88.1)
                  or kHz (88100): a number from 1000 up is in kHz; or give the
                  unit (88.1MHz, 88100kHz). It must lie in the band of the
                  settings file and on the 100 kHz grid. The stereo choice stays
                  as saved (stereo if none is) unless --mono or --stereo is
                  given. When no transmitter can be tuned, the frequency and
                  stereo choice are saved all the same (the panel sends them when
                  it next connects one) and the exit status is 1. With
                  --station NAME, tunes to the saved station NAME, with its
                  stereo choice unless --mono or --stereo is given, switching
                  the band when the station is in the other one.
  list            List the transmitters plugged in, one a line: device node and
                  hardware version. status and tune use the first one that can
                  be written to, as the panel does.
  apply [NODE]    Send what the panel sends a transmitter when it connects it:
                  the saved frequency moved into the band (the nearer end when
                  it lies outside) and onto the 100 kHz step below it, and the
                  stereo choice; to the transmitter at the device node NODE
                  (/dev/hidraw0), or to every transmitter plugged in. Says what
                  it sent. Saves nothing. Waits up to a second for a node that
                  may not be written to yet.
  band [BAND]     Show the band, or save BAND as it: 0 or world is 88.1 to
                  107.9 MHz, 1 or japan is 76.1 to 89.9 MHz. A saved
                  frequency outside it is moved to its nearer end, saved, and
                  sent to a transmitter plugged in.
  apply-on-plug [on | off]
                  Show whether a transmitter plugged in while the panel is
                  closed gets the saved settings (on, the default; apply
                  --on-plug sends it), or save on or off.
  station [list]  List the saved stations: name, frequency and stereo choice.
  station save NAME [FREQ]
                  Save FREQ (the saved frequency when none is given) and the
                  stereo choice (the saved one unless --mono or --stereo is
                  given) as the station NAME, in place of one of that name. Up
                  to 32 stations; a name has 1 to 64 characters, no control
                  or invisible characters, no space at either end, and is more
                  than a frequency.
  station rename NAME NEW
                  Give the station NAME the name NEW.
  station remove NAME
                  Remove the station NAME.

Options:
  --mono          Tune, or save the station, for mono.
  --stereo        Tune, or save the station, for stereo.
  --station NAME  For tune: the station to tune to.
  --on-plug       For apply at a plug-in (the systemd user unit passes it):
                  send nothing when ApplyOnPlug is false in the settings file.
  --simulate      Use a simulated transmitter, plugged in, instead of a real
                  one; it prints every report it receives. The settings file is
                  the real one.
  -h, --help      Show this help and exit.
  -v, --version   Show the version and exit.

Every command that saves keeps every other setting of the file. Bands, kept
as the "Style" key of the settings file: 0 is 88.1 to 107.9 MHz (also for a
missing or unknown style), 1 is 76.1 to 89.9 MHz.
Settings file: %1

Exit status: 0 done; 1 no transmitter, a device error, the settings file could
not be written, or the output could not be written; 2 bad usage, a frequency
outside the band or off the 100 kHz grid, or a station that is not saved, a bad
name, a name taken, or a 33rd station.
)")
        .arg(inSettingsPath);
}

} // namespace cli
