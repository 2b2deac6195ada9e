#include "device/linux/LinuxBackend.h"

#include "device/TransmitterIDs.h"

#include <QSocketNotifier>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <libudev.h>

namespace device {

namespace {

using Cause = Failure::Cause;

// sysfs writes the USB descriptor fields as bare hexadecimal, "0f5a".
std::optional<long> hexNumber(const char* inText) {
    if (inText == nullptr) {
        return std::nullopt;
    }
    const std::size_t length = std::strlen(inText);
    long value = 0;
    const auto [end, error] = std::from_chars(inText, inText + length, value, 16);
    if (length == 0 || length > 8 || error != std::errc() || end != inText + length) {
        return std::nullopt;
    }
    return value;
}

// The transmitter behind a hidraw node, or nothing for a node without a device file, not on USB
// or of another device.
std::optional<Transmitter> transmitterAt(udev_device* inNode) {
    const char* node = udev_device_get_devnode(inNode);
    // The parent belongs to inNode and goes with it.
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(inNode, "usb", "usb_device");
    if (node == nullptr || usb == nullptr ||
        hexNumber(udev_device_get_sysattr_value(usb, "idVendor")) != sTransmitterVendorID ||
        hexNumber(udev_device_get_sysattr_value(usb, "idProduct")) != sTransmitterProductID) {
        return std::nullopt;
    }
    UInt16 hardwareVersion = 0xFFFF; // as the link reads a missing one
    if (const char* bcdDevice = udev_device_get_sysattr_value(usb, "bcdDevice")) {
        // No signed 16-bit number, or no number at all: 0xFFFE, as the link reads it.
        const std::optional<long> version = hexNumber(bcdDevice);
        hardwareVersion = version && *version <= 0x7FFF ? static_cast<UInt16>(*version) : 0xFFFE;
    }
    return Transmitter{udev_device_get_syspath(inNode), node, hardwareVersion};
}

// Non-blocking, so that a node the device no longer serves cannot hold the open.
int openNode(const std::string& inNode) {
    return ::open(inNode.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
}

Failure withNode(Failure inFailure, const std::string& inNode) {
    if (inFailure.failed()) {
        inFailure.node = inNode;
    }
    return inFailure;
}

Failure writeReport(ReportWriter& inWriter, const std::string& inNode,
                    std::span<const UInt8> inReport, std::chrono::milliseconds inLimit) {
    // The open would wait in the kernel behind the held write, for seconds.
    if (inWriter.stalled()) {
        return {.status = kIOReturnBusy, .cause = Cause::HeldEarlier};
    }
    // hidraw takes the report ID as the first byte, 0 for a device without numbered reports.
    std::array<UInt8, ReportWriter::sMaxBytes> bytes{};
    if (inReport.size() >= bytes.size()) {
        return {.status = kIOReturnBadArgument};
    }
    std::copy(inReport.begin(), inReport.end(), bytes.begin() + 1);
    FileDescriptor file(openNode(inNode));
    if (file.get() < 0) {
        return systemFailure(Cause::OpenFailed, errno);
    }
    Failure written = inWriter.write(file, std::span(bytes.data(), inReport.size() + 1), inLimit);
    // A write that outlived its limit has taken the descriptor: nothing is left to close.
    if (!file.reset() && !written.failed()) {
        return systemFailure(Cause::CloseFailed, errno);
    }
    return written;
}

} // namespace

void UdevUnref::operator()(udev* inObject) const {
    udev_unref(inObject);
}

void UdevUnref::operator()(udev_monitor* inObject) const {
    udev_monitor_unref(inObject);
}

Failure writeToNode(ReportWriter& inWriter, const std::string& inNode,
                    std::span<const UInt8> inReport, std::chrono::milliseconds inLimit) {
    return withNode(writeReport(inWriter, inNode, inReport, inLimit), inNode);
}

LinuxBackend::LinuxBackend() : mUdev(udev_new()) {
    mWriter.setOnRelease([this] {
        QMetaObject::invokeMethod(
            &mMainThread, [this] { resumed(); }, Qt::QueuedConnection);
    });
    if (!mUdev) {
        return;
    }
    // Watching starts before the scan, so that no node slips between the two; one seen twice is
    // taken once.
    watchUevents();
    scan();
}

LinuxBackend::~LinuxBackend() = default;

Failure LinuxBackend::access(const Transmitter& inTransmitter) {
    // While an earlier write is held in the kernel the open would wait behind it; the reports
    // will tell.
    if (mWriter.stalled()) {
        return {};
    }
    const FileDescriptor probe(openNode(inTransmitter.node));
    return withNode(probe.get() < 0 ? systemFailure(Cause::OpenFailed, errno) : Failure{},
                    inTransmitter.node);
}

Failure LinuxBackend::send(const Transmitter& inTransmitter, std::span<const UInt8> inReport,
                           std::chrono::milliseconds inLimit) {
    return writeToNode(mWriter, inTransmitter.node, inReport, inLimit);
}

void LinuxBackend::watchUevents() {
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

void LinuxBackend::scan() {
    udev_enumerate* enumerate = udev_enumerate_new(mUdev.get());
    if (enumerate != nullptr && udev_enumerate_add_match_subsystem(enumerate, "hidraw") >= 0 &&
        udev_enumerate_scan_devices(enumerate) >= 0) {
        udev_list_entry* item = nullptr;
        udev_list_entry_foreach(item, udev_enumerate_get_list_entry(enumerate)) {
            udev_device* node =
                udev_device_new_from_syspath(mUdev.get(), udev_list_entry_get_name(item));
            if (auto transmitter = node != nullptr ? transmitterAt(node) : std::nullopt) {
                arrived(std::move(*transmitter));
            }
            udev_device_unref(node);
        }
    }
    udev_enumerate_unref(enumerate);
}

void LinuxBackend::receive() {
    while (udev_device* event = udev_monitor_receive_device(mMonitor.get())) {
        const char* action = udev_device_get_action(event);
        if (action != nullptr && std::strcmp(action, "add") == 0) {
            if (auto transmitter = transmitterAt(event)) {
                arrived(std::move(*transmitter));
            }
        } else if (action != nullptr && std::strcmp(action, "remove") == 0) {
            removed(udev_device_get_syspath(event));
        }
        udev_device_unref(event);
    }
}

} // namespace device
