#pragma once

#include "device/ServiceRegistry.h"
#include "device/linux/ReportWriter.h"
#include "device/linux/Udev.h"

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace device {

// The device services of a Linux desktop: hidraw nodes of USB HID devices, found with libudev
// and followed through a udev monitor whose socket the calling thread's Qt event loop watches.
// An "add" is an arrival; the "remove" of a node terminates its service. The HID interface
// writes to the node; creating the plug-in checks that the node can be opened for writing. Once
// the kernel lets go of a write that outlived its limit, every node is told it is resumed.
class LinuxDeviceServices final : public ServiceRegistry {
public:
    // Finds the nodes present now and follows them from here on. Without a udev monitor (no
    // udev in a container, say) present nodes are found but arrivals and removals are not seen.
    LinuxDeviceServices();
    ~LinuxDeviceServices() override;

    bool isMonitoring() const { return mNotifier != nullptr; }

private:
    Failure makeInterfaceFactory(const RegistryEntry& inEntry,
                                 HIDInterfaceFactory* outFactory) override;
    void watch();
    void scan();
    void receive();

    QObject mMainThread;  // where the writer's news are handled; outlives the writer
    ReportWriter mWriter; // shared by the transmitters' interfaces
    UdevPtr<udev> mUdev;
    UdevPtr<udev_monitor> mMonitor;
    std::unique_ptr<QSocketNotifier> mNotifier;
};

} // namespace device
