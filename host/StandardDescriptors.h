#pragma once

namespace host {

// Opens /dev/null on each of standard input, output and error that is closed (as `2>&-` leaves
// it), so that no connection, file or device the program opens later takes its number and is
// sent what the program prints. Call first thing in main. Returns the ones it opened, as the
// bits 1 << descriptor.
unsigned openClosedStandardDescriptors();

} // namespace host
