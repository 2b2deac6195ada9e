#include "cli/Arguments.h"

namespace cli {

namespace {

std::optional<Command> commandNamed(const QString& inName) {
    if (inName == "status") {
        return Command::Status;
    }
    if (inName == "tune") {
        return Command::Tune;
    }
    if (inName == "list") {
        return Command::List;
    }
    return std::nullopt;
}

// Only tune takes an argument.
qsizetype argumentCount(Command inCommand) {
    return inCommand == Command::Tune ? 1 : 0;
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
        if (optionsEnded || !argument.startsWith('-') || argument == "-") {
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
        } else {
            return UsageError{"unknown option " + argument};
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
    const std::optional<Command> command = commandNamed(positional.constFirst());
    if (!command) {
        return UsageError{"unknown command " + positional.constFirst()};
    }
    invocation.command = *command;
    const qsizetype expected = argumentCount(*command);
    if (positional.size() - 1 < expected) {
        return UsageError{positional.constFirst() + " needs a frequency"};
    }
    if (positional.size() - 1 > expected) {
        return UsageError{"unexpected argument " + positional[expected + 1]};
    }
    if ((mono || stereo) && *command != Command::Tune) {
        return UsageError{QString("%1 applies to tune only").arg(mono ? "--mono" : "--stereo")};
    }
    if (mono && stereo) {
        return UsageError{"--mono and --stereo exclude each other"};
    }

    if (*command == Command::Tune) {
        invocation.frequencyText = positional[1];
        const std::optional<Frequency> frequency = parseFrequency(invocation.frequencyText);
        if (!frequency) {
            QString message = invocation.frequencyText + " is not a frequency";
            if (invocation.frequencyText.contains(',')) {
                message += " (write decimals with a point: 88.1)";
            }
            return UsageError{message};
        }
        invocation.frequency = *frequency;
        if (mono || stereo) {
            invocation.stereo = stereo;
        }
    }
    return invocation;
}

QString helpText(const QString& inSettingsPath) {
    return QString(
               R"(Usage: usb-tavro [--simulate] status
       usb-tavro [--simulate] tune FREQ [--mono | --stereo]
       usb-tavro [--simulate] list

Tunes a USB FM transmitter (USB 0f5a:0b17) from the command line, with the
settings file of the settings panel usb-tavro-prefs.

Commands:
  status      Show whether a transmitter is connected and its hardware version,
              and the saved frequency, band and stereo choice. Exits with 1 when
              no transmitter is connected.
  tune FREQ   Send FREQ to the transmitter and save it as the panel's setting,
              so that the panel opens on it. FREQ is in MHz (88.1) or kHz
              (88100): a number from 1000 up is in kHz; or give the unit (88.1MHz,
              88100kHz). It must lie in the band of the settings file and on the
              100 kHz grid. The stereo choice stays as saved (stereo if none is)
              unless --mono or --stereo is given. When no transmitter can be
              tuned, the frequency and stereo choice are saved all the same (the
              panel sends them when it next connects one) and the exit status is 1.
  list        List the transmitters plugged in, one a line: device node and
              hardware version. status and tune use the first one that can be
              written to, as the panel does.

Options:
  --mono       Tune for mono.
  --stereo     Tune for stereo.
  --simulate   Use a simulated transmitter, plugged in, instead of a real one; it
               prints every report it receives. The settings file is the real one.
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.

Bands, chosen by the "Style" key of the settings file: 0 is 88.1 to 107.9 MHz
(also for a missing or unknown style), 1 is 76.1 to 89.9 MHz.
Settings file: %1

Exit status: 0 done; 1 no transmitter, a device error, or the settings file
could not be written; 2 bad usage, or a frequency outside the band or off the
100 kHz grid.
)")
        .arg(inSettingsPath);
}

} // namespace cli
