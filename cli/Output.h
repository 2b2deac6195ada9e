#pragma once

#include "host/Types.h"
#include "settings/Settings.h"
#include "settings/Tuning.h"

#include <QCoreApplication>
#include <QString>

#include <ostream>
#include <utility>
#include <vector>

namespace cli {

// The tool's words, in the person's language.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(usb_tavro)
};

// Text as UTF-8, flushed; a write to standard output that fails is remembered for lostOutput.
void writeText(std::ostream& inStream, const QString& inText);
// One line, UTF-8, with its control characters escaped as shown escapes them.
void writeLine(std::ostream& inStream, const QString& inLine);
// One line on the error stream, after the program's name.
void writeProblem(std::ostream& inStream, const QString& inProblem);
// Flushes standard output; why something written to it was lost, or nothing when all of it went.
QString lostOutput();
// Standard output was closed when the program started (and is /dev/null now): the first write
// to it is lost output.
void outputWasClosed();

// An argument as it may be echoed to a terminal: control characters escaped ("\x1b"), a long one
// cut (see host::quoted), and an empty one as "".
QString shown(const QString& inArgument);

// Rows of two texts, one a line: the first texts padded to the widest of them as a terminal
// shows it (a wide character, CJK or most emoji, takes two columns, a combining mark none), then
// inGap spaces and the second.
void writeRows(std::ostream& inStream, const std::vector<std::pair<QString, QString>>& inRows,
               int inGap);

// Four hexadecimal digits, as the settings panel shows the hardware version.
QString hardwareVersionText(UInt16 inVersion);

// What status shows.
struct StatusReport {
    QString transmitter; // its state in a few words
    settings::Stored stored;
    QString settingsPath;
    QString settingsNote; // what the next save does with a file it would lose some of
};

// "yes", or "yes (default)" when the file does not say.
QString applyOnPlugText(std::optional<bool> inSaved);

void writeStatus(std::ostream& inStream, const StatusReport& inReport);

// "88.1 to 107.9 MHz (style 0, the default)": the band of inStyle, and where it comes from.
QString bandDescription(SInt32 inStyle, bool inSaved);

} // namespace cli
