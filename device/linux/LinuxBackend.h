#pragma once

#include "device/Backend.h"
#include "device/linux/ReportWriter.h"

#include <QObject>

#include <memory>

class QSocketNotifier;
struct udev;
struct udev_monitor;

namespace device {

// Drops a libudev reference.
struct UdevUnref {
    void operator()(udev* inObject) const;
    void operator()(udev_monitor* inObject) const;
};
template <class T> using UdevPtr = std::unique_ptr<T, UdevUnref>;

// Opens inNode for writing, writes inReport after its report ID 0 through inWriter within
// inLimit, and closes it: what failed first, with the node, or nothing.
Failure writeToNode(ReportWriter& inWriter, const std::string& inNode,
                    std::span<const UInt8> inReport, std::chrono::milliseconds inLimit);

// The transmitters of a Linux desktop: hidraw nodes of USB devices with the transmitter's vendor
// and product, found with libudev and followed through a udev monitor whose socket the calling
// thread's Qt event loop watches; the hardware version is the USB device's bcdDevice. One may be
// opened when its node opens for writing. Once the kernel lets go of a write that outlived its
// limit, every transmitter can take a report again.
class LinuxBackend final : public Backend {
public:
    // Finds the transmitters present now and follows them from here on. Without a udev monitor
    // (no udev in a container, say) present ones are found but arrivals and removals are not.
    LinuxBackend();
    ~LinuxBackend() override;

    bool isMonitoring() const { return mNotifier != nullptr; }

    Failure access(const Transmitter& inTransmitter) override;
    Failure send(const Transmitter& inTransmitter, std::span<const UInt8> inReport,
                 std::chrono::milliseconds inLimit) override;

private:
    void watchUevents();
    void scan();
    void receive();

    QObject mMainThread;  // where the writer's news are handled; outlives the writer
    ReportWriter mWriter; // shared by the transmitters
    UdevPtr<udev> mUdev;
    UdevPtr<udev_monitor> mMonitor;
    std::unique_ptr<QSocketNotifier> mNotifier;
};

} // namespace device
