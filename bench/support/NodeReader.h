#pragma once

#include <cstddef>
#include <cstdint>

#include <poll.h>
#include <unistd.h>

// Waits until inCount bytes written to a mock device node can be read at its other end, and
// reads them. False when they do not come within a second.
inline bool readWritten(int inFd, std::size_t inCount) {
    std::uint8_t chunk[64];
    std::size_t got = 0;
    while (got < inCount) {
        pollfd readable{inFd, POLLIN, 0};
        if (::poll(&readable, 1, 1000) <= 0) {
            return false;
        }
        const ssize_t n = ::read(inFd, chunk, sizeof chunk);
        if (n <= 0) {
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    return true;
}
