#pragma once

namespace host {

// Writes one printf-style line to the system log (the journal on systemd machines) and echoes
// it to standard error, where it is seen when the program runs from a terminal. Control
// characters in it are escaped (see printable).
void systemLog(const char* inFormat, ...) __attribute__((format(printf, 1, 2)));

} // namespace host
