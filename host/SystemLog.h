#pragma once

#include <QString>

namespace host {

// Writes one printf-style line to the system log (the journal on systemd machines) and echoes
// it to standard error, where it is seen when the program runs from a terminal. Control
// characters in it are escaped (see printable).
void systemLog(const char* inFormat, ...) __attribute__((format(printf, 1, 2)));

// The system's words for an error number (errno): in the person's language, for what is shown to
// them; and in the C locale's, for the log, whose lines read the same in every locale.
QString systemMessage(int inError);
QString loggedSystemMessage(int inError);

} // namespace host
