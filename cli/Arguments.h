#pragma once

#include "settings/Tuning.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace cli {

enum class Command { Status, Tune, List, Apply };

// What the command line asks for.
struct Invocation {
    enum class Action { Run, Help, Version };

    Action action = Action::Run;
    Command command = Command::Status;
    bool simulate = false;
    // tune only: FREQ as typed and as read, and --stereo (true) or --mono (false) if given.
    QString frequencyText;
    settings::Frequency frequency;
    std::optional<bool> stereo;
    // apply only: the node to send to (every transmitter when none), and --on-plug.
    std::optional<QString> node;
    bool onPlug = false;
};

// A command line that cannot be run, with what is wrong in one line.
struct UsageError {
    QString message;
};

// Reads the arguments that follow the program's name. Options may stand anywhere before "--";
// --help and --version win over a command, an unknown option over everything. A negative
// number is an argument, not an option.
std::variant<Invocation, UsageError> parseArguments(const QStringList& inArguments);

// The text of --help; inSettingsPath is the settings file the program uses.
QString helpText(const QString& inSettingsPath);

} // namespace cli
