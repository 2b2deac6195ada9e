#pragma once

#include <cerrno>
#include <string>

// Writes the kernel refuses, each on a transmitter of its own (/dev/hidrawN for its index), and
// the words the panel's status line and usb-tavro say of them alike: the panel as a sentence of
// its own, the tool after its name.
struct WriteFailure {
    unsigned index;
    int error;
    std::string words;
};

inline const WriteFailure sWriteFailures[] = {
    {0, EIO, "the transmitter at /dev/hidraw0 did not take the setting (Input/output error)"},
    {1, ENOSPC,
     "the transmitter at /dev/hidraw1 did not take the setting (No space left on device)"},
    // What a node that was open answers once its transmitter has been pulled out.
    {2, ENODEV, "the transmitter at /dev/hidraw2 was unplugged during the write: plug it in again"},
};
