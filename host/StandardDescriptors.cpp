#include "host/StandardDescriptors.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace host {

unsigned openClosedStandardDescriptors() {
    unsigned opened = 0;
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        // The lowest free number, which is this one: the ones below are open by now.
        if (::open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY) == descriptor) {
            opened |= 1u << descriptor;
        }
    }
    return opened;
}

} // namespace host
