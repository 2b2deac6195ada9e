#include "device/linux/Udev.h"

#include <libudev.h>

namespace device {

void UdevUnref::operator()(udev* inObject) const {
    udev_unref(inObject);
}

void UdevUnref::operator()(udev_device* inObject) const {
    udev_device_unref(inObject);
}

void UdevUnref::operator()(udev_enumerate* inObject) const {
    udev_enumerate_unref(inObject);
}

void UdevUnref::operator()(udev_monitor* inObject) const {
    udev_monitor_unref(inObject);
}

} // namespace device
