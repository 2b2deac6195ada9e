#pragma once

#include "settings/Tuning.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace cli {

enum class Command { Status, Tune, List, Apply, Band, ApplyOnPlug, Station };

// What station does: list, save, rename or remove.
enum class StationVerb { List, Save, Rename, Remove };

// What the command line asks for.
struct Invocation {
    enum class Action { Run, Help, Version };

    Action action = Action::Run;
    Command command = Command::Status;
    bool simulate = false;
    // tune and station save: FREQ as typed (empty when none is) and as read, and --stereo (true)
    // or --mono (false) if given.
    QString frequencyText;
    settings::Frequency frequency;
    std::optional<bool> stereo;
    // tune --station NAME.
    std::optional<QString> station;
    // band and apply-on-plug: the value to save; none to show the saved one.
    std::optional<SInt32> style;
    std::optional<bool> applyOnPlug;
    // station: what to do, and the names it is given.
    StationVerb stationVerb = StationVerb::List;
    QStringList names;
    // apply only: the node to send to (every transmitter when none), and --on-plug.
    std::optional<QString> node;
    bool onPlug = false;
};

// A command line that cannot be run, with what is wrong in one line.
struct UsageError {
    QString message;
};

// Reads the words after band, apply-on-plug or station (inWords) into ioInvocation; why they
// cannot be run, or nothing.
std::optional<UsageError> readSettingsWords(const QStringList& inWords, Invocation& ioInvocation);

// Reads the arguments that follow the program's name. Options may stand anywhere before "--";
// --help and --version win over a command, an unknown option over everything. A negative
// number is an argument, not an option.
std::variant<Invocation, UsageError> parseArguments(const QStringList& inArguments);

// The text of --help; inSettingsPath is the settings file the program uses.
QString helpText(const QString& inSettingsPath);

} // namespace cli
