#pragma once

#include "device/Failure.h"
#include "host/Types.h"

#include <chrono>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace device {

// A transmitter plugged in, as its backend sees it.
struct Transmitter {
    std::string name;           // the backend's own name for it while it is plugged in
    std::string node;           // its device file; empty where it has none
    UInt16 hardwareVersion = 0; // as the link reads it: 0xFFFF missing, 0xFFFE no 16-bit number
    Failure access{};           // why it may not be opened, as transmitters() found it
};

// What a backend offers, in the project's own terms: the transmitters plugged in, their comings
// and goings, and one report sent to one of them. The device services that the link calls are
// built over it; the command-line tool uses it as it is. Everything happens on one thread.
class Backend {
public:
    enum class Change {
        Arrived,
        Removed,
        Resumed, // it can take a report again, after one the kernel held
    };
    using Watcher = std::function<void(Change, const Transmitter&)>;

    virtual ~Backend() = default;

    // The transmitters plugged in now, in the order they arrived, each with its access checked.
    std::vector<Transmitter> transmitters();
    // From now on inWatcher hears of every change: first of each transmitter present, as an
    // arrival. One watcher at a time; null for none.
    void watch(Watcher inWatcher);

    // Why inTransmitter may not be opened for writing now, or nothing.
    virtual Failure access(const Transmitter& inTransmitter) = 0;
    // Opens inTransmitter, writes inReport as its output report 0 within inLimit and closes it:
    // what failed first, or nothing.
    virtual Failure send(const Transmitter& inTransmitter, std::span<const UInt8> inReport,
                         std::chrono::milliseconds inLimit) = 0;

protected:
    // A name that is present already is ignored.
    void arrived(Transmitter inTransmitter);
    void removed(std::string_view inName);
    // Every transmitter present can take a report again.
    void resumed();

private:
    std::vector<Transmitter> mPresent;
    Watcher mWatcher;
};

} // namespace device
