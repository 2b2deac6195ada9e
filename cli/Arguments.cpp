#include "cli/Arguments.h"

#include "cli/Output.h"

namespace cli {

namespace {

struct CommandForm {
    const char* name;
    Command command;
    qsizetype minArguments;
    qsizetype maxArguments;
};

constexpr CommandForm sCommands[] = {
    {"status", Command::Status, 0, 0},
    {"tune", Command::Tune, 1, 1},
    {"list", Command::List, 0, 0},
    {"apply", Command::Apply, 0, 1},
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
    for (const QString& argument : inArguments) {
        if (optionsEnded || !isOption(argument)) {
            positional << argument;
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-h" || argument == "--help") {
            help = true;
        } else if (argument == "-v" || argument == "--version") {
            version = true;
        } else if (argument == "--simulate") {
            invocation.simulate = true;
        } else if (argument == "--mono") {
            mono = true;
        } else if (argument == "--stereo") {
            stereo = true;
        } else if (argument == "--on-plug") {
            invocation.onPlug = true;
        } else {
            return UsageError{"unknown option " + shown(argument)};
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

    if (positional.isEmpty()) {
        return UsageError{"no command given"};
    }
    const CommandForm* form = nullptr;
    for (const CommandForm& candidate : sCommands) {
        if (positional.constFirst() == QLatin1String(candidate.name)) {
            form = &candidate;
        }
    }
    if (form == nullptr) {
        return UsageError{"unknown command " + shown(positional.constFirst())};
    }
    invocation.command = form->command;
    const qsizetype given = positional.size() - 1;
    if (given < form->minArguments) {
        return UsageError{QString("%1 needs a frequency").arg(form->name)};
    }
    if (given > form->maxArguments) {
        return UsageError{"unexpected argument " + shown(positional[form->maxArguments + 1])};
    }
    if ((mono || stereo) && form->command != Command::Tune) {
        return UsageError{QString("%1 applies to tune only").arg(mono ? "--mono" : "--stereo")};
    }
    if (mono && stereo) {
        return UsageError{"--mono and --stereo exclude each other"};
    }
    if (invocation.onPlug && form->command != Command::Apply) {
        return UsageError{"--on-plug applies to apply only"};
    }

    if (form->command == Command::Tune) {
        invocation.frequencyText = positional[1];
        const std::optional<settings::Frequency> frequency =
            settings::parseFrequency(invocation.frequencyText);
        if (!frequency) {
            return UsageError{settings::notAFrequency(invocation.frequencyText)};
        }
        invocation.frequency = *frequency;
        if (mono || stereo) {
            invocation.stereo = stereo;
        }
    }
    if (form->command == Command::Apply && given == 1) {
        invocation.node = positional[1];
    }
    return invocation;
}

QString helpText(const QString& inSettingsPath) {
    return QString(
               R"(Usage: usb-tavro [--simulate] status
       usb-tavro [--simulate] tune FREQ [--mono | --stereo]
       usb-tavro [--simulate] list
       usb-tavro [--simulate] apply [NODE] [--on-plug]

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
                  it next connects one) and the exit status is 1.
  list            List the transmitters plugged in, one a line: device node and
                  hardware version. status and tune use the first one that can
                  be written to, as the panel does.
  apply [NODE]    Send the saved frequency and stereo choice, as the panel does,
                  to the transmitter at the device node NODE (/dev/hidraw0), or
                  to every transmitter plugged in. Saves nothing. Waits up to a
                  second for a node that may not be written to yet.

Options:
  --mono          Tune for mono.
  --stereo        Tune for stereo.
  --on-plug       For apply at a plug-in (the systemd user unit passes it):
                  send nothing when ApplyOnPlug is false in the settings file.
  --simulate      Use a simulated transmitter, plugged in, instead of a real
                  one; it prints every report it receives. The settings file is
                  the real one.
  -h, --help      Show this help and exit.
  -v, --version   Show the version and exit.

Bands, chosen by the "Style" key of the settings file: 0 is 88.1 to 107.9 MHz
(also for a missing or unknown style), 1 is 76.1 to 89.9 MHz.
Settings file: %1

Exit status: 0 done; 1 no transmitter, a device error, the settings file could
not be written, or the output could not be written; 2 bad usage, or a frequency
outside the band or off the 100 kHz grid.
)")
        .arg(inSettingsPath);
}

} // namespace cli
