#pragma once

#include <QString>

namespace host {

// Text from outside the program (a device node's name, a path, an argument) as it may be shown
// on a terminal or in the log: each control character as \xNN, so that none can move the
// cursor, recolour the screen or start a line of its own.
QString printable(const QString& inText);

// Text a person typed, as a message quotes it back: printable, and cut after inMost characters
// with an ellipsis, so that no entry can stretch a line or a dialog.
QString quoted(const QString& inText, qsizetype inMost = 64);

// A clause of the program's words ("no station named Far"), as a sentence of its own in the
// person's language: its first letter a capital (unless inCapital is false: it quotes what a
// person typed), the full stop the language's.
QString sentence(const QString& inClause, bool inCapital = true);

} // namespace host
