#pragma once

#include <memory>

struct udev;
struct udev_device;
struct udev_enumerate;
struct udev_monitor;

namespace device {

// Drops a libudev reference.
struct UdevUnref {
    void operator()(udev* inObject) const;
    void operator()(udev_device* inObject) const;
    void operator()(udev_enumerate* inObject) const;
    void operator()(udev_monitor* inObject) const;
};

template <class T> using UdevPtr = std::unique_ptr<T, UdevUnref>;

} // namespace device
