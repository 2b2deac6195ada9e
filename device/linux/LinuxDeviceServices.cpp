#include "device/linux/LinuxDeviceServices.h"

#include "device/linux/HidrawEntry.h"
#include "device/linux/HidrawInterface.h"

#include <QSocketNotifier>

#include <cstring>

#include <libudev.h>

namespace device {

LinuxDeviceServices::LinuxDeviceServices() : mUdev(udev_new()) {
    mWriter.setOnRelease([this] {
        QMetaObject::invokeMethod(
            &mMainThread, [this] { messageAll(kIOMessageServiceIsResumed); }, Qt::QueuedConnection);
    });
    if (!mUdev) {
        return;
    }
    // Watching starts before the scan, so that no node slips between the two; one seen twice is
    // published once.
    watch();
    scan();
}

LinuxDeviceServices::~LinuxDeviceServices() = default;

void LinuxDeviceServices::watch() {
    // "udev" rather than "kernel": its events come after the rules have set the node's access.
    UdevPtr<udev_monitor> monitor(udev_monitor_new_from_netlink(mUdev.get(), "udev"));
    if (!monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor.get()) < 0) {
        return;
    }
    mMonitor = std::move(monitor);
    mNotifier = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(mMonitor.get()),
                                                  QSocketNotifier::Read);
    QObject::connect(mNotifier.get(), &QSocketNotifier::activated, mNotifier.get(),
                     [this] { receive(); });
}

void LinuxDeviceServices::scan() {
    UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(mUdev.get()));
    if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), "hidraw") < 0 ||
        udev_enumerate_scan_devices(enumerate.get()) < 0) {
        return;
    }
    udev_list_entry* item = nullptr;
    udev_list_entry_foreach(item, udev_enumerate_get_list_entry(enumerate.get())) {
        UdevPtr<udev_device> node(
            udev_device_new_from_syspath(mUdev.get(), udev_list_entry_get_name(item)));
        if (!node) {
            continue;
        }
        if (auto entry = hidrawEntry(node.get())) {
            publish(std::move(*entry));
        }
    }
}

void LinuxDeviceServices::receive() {
    while (UdevPtr<udev_device> event{udev_monitor_receive_device(mMonitor.get())}) {
        const char* action = udev_device_get_action(event.get());
        if (action == nullptr) {
            continue;
        }
        if (std::strcmp(action, "add") == 0) {
            if (auto entry = hidrawEntry(event.get())) {
                publish(std::move(*entry));
            }
        } else if (std::strcmp(action, "remove") == 0) {
            terminate(udev_device_get_syspath(event.get()));
        }
    }
}

Failure LinuxDeviceServices::makeInterfaceFactory(const RegistryEntry& inEntry,
                                                  HIDInterfaceFactory* outFactory) {
    const std::string* node = deviceNode(inEntry.properties);
    if (node == nullptr) {
        return {.status = kIOReturnNoDevice};
    }
    // A transmitter that cannot be written to would look connected while every report failed;
    // without a udev rule giving the user access this says so now, as EACCES. While an earlier
    // write is held in the kernel the open would wait behind it, so the reports will tell.
    if (!mWriter.stalled()) {
        int fd = -1;
        Failure access = HidrawInterface::openNode(*node, &fd);
        if (access.failed()) {
            return access;
        }
        FileDescriptor probe(fd);
    }
    *outFactory = [this, tally = tally(), node = *node](IOHIDDeviceInterface** outInterface) {
        *outInterface = new HidrawInterface(tally, node, mWriter);
        return kIOReturnSuccess;
    };
    return {};
}

} // namespace device
