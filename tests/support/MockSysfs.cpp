#include "support/MockSysfs.h"

#include <umockdev.h>

#include <QByteArray>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string own(gchar* inText) {
    std::string text = inText != nullptr ? inText : "";
    g_free(inText);
    return text;
}

gboolean failWrite(UMockdevIoctlBase*, UMockdevIoctlClient* inClient, gpointer inErrno) {
    umockdev_ioctl_client_complete(inClient, -1, GPOINTER_TO_INT(inErrno));
    return TRUE;
}

} // namespace

MockSysfs::MockSysfs() : mTestbed(umockdev_testbed_new()) {
}

MockSysfs::~MockSysfs() {
    g_object_unref(mTestbed);
    for (UMockdevIoctlBase* handler : mFailingWrites) {
        g_object_unref(handler);
    }
}

bool MockSysfs::isActive() {
    return umockdev_in_mock_environment();
}

void MockSysfs::add(const Device& inDevice) {
    const std::string n = std::to_string(inDevice.index);
    const std::string usbName = "1-" + std::to_string(++mAdded);
    std::vector<const gchar*> attributes{"idVendor", inDevice.idVendor.c_str(), "idProduct",
                                         inDevice.idProduct.c_str()};
    if (inDevice.bcdDevice) {
        attributes.push_back("bcdDevice");
        attributes.push_back(inDevice.bcdDevice->c_str());
    }
    attributes.push_back(nullptr);
    const gchar* usbProperties[] = {"DEVTYPE", "usb_device", nullptr};
    const std::string usb = own(umockdev_testbed_add_devicev(
        mTestbed, "usb", usbName.c_str(), nullptr, const_cast<gchar**>(attributes.data()),
        const_cast<gchar**>(usbProperties)));
    const std::string interface =
        own(umockdev_testbed_add_device(mTestbed, "usb", (usbName + ":1.0").c_str(), usb.c_str(),
                                        nullptr, "DEVTYPE", "usb_interface", nullptr));
    char hidName[64];
    std::snprintf(hidName, sizeof hidName, "0003:%s:%s.%04X", inDevice.idVendor.c_str(),
                  inDevice.idProduct.c_str(), mAdded);
    const std::string hid = own(
        umockdev_testbed_add_device(mTestbed, "hid", hidName, interface.c_str(), nullptr, nullptr));

    // The node comes from a description, which is how umockdev makes a device file for it.
    const std::string nodePath = hid + "/hidraw/hidraw" + n;
    const std::string name = inDevice.name.empty() ? "hidraw" + n : inDevice.name;
    const std::string description = "P: " + nodePath.substr(std::string("/sys").size()) +
                                    "\nN: " + name + "\nE: SUBSYSTEM=hidraw\nE: DEVNAME=/dev/" +
                                    name + "\nA: dev=247:" + n + "\n";
    GError* error = nullptr;
    if (!umockdev_testbed_add_from_string(mTestbed, description.c_str(), &error)) {
        throw std::runtime_error(error->message); // a broken test bed: the test ends here
    }
    mPaths[inDevice.index] = {usb, nodePath};
}

void MockSysfs::remove(unsigned inIndex) {
    const auto [usb, node] = mPaths.extract(inIndex).mapped();
    umockdev_testbed_uevent(mTestbed, node.c_str(), "remove");
    // Removing the USB device takes its children's sysfs folders but not their device files.
    umockdev_testbed_remove_device(mTestbed, node.c_str());
    umockdev_testbed_remove_device(mTestbed, usb.c_str());
}

std::size_t MockSysfs::openNodes() {
    std::size_t count = 0;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        count += std::filesystem::read_symlink(fd.path(), error).string().starts_with("/dev/pts/");
    }
    return count;
}

void MockSysfs::failWrites(unsigned inIndex, int inErrno) {
    // The testbed's own thread answers the node's writes, for this process and its children.
    UMockdevIoctlBase* handler = umockdev_ioctl_base_new();
    g_signal_connect(handler, "handle-write", G_CALLBACK(failWrite), GINT_TO_POINTER(inErrno));
    GError* error = nullptr;
    if (!umockdev_testbed_attach_ioctl(mTestbed, node(inIndex).c_str(), handler, &error)) {
        throw std::runtime_error(error->message);
    }
    mFailingWrites.push_back(handler);
}

void MockSysfs::setMode(unsigned inIndex, unsigned inMode) {
    const std::string file = qgetenv("UMOCKDEV_DIR").toStdString() + node(inIndex);
    if (::chmod(file.c_str(), inMode) != 0) {
        throw std::runtime_error("chmod " + file);
    }
}

int MockSysfs::writtenFd(unsigned inIndex) const {
    return umockdev_testbed_get_dev_fd(mTestbed, node(inIndex).c_str());
}

std::vector<UInt8> MockSysfs::written(unsigned inIndex) {
    std::vector<UInt8> bytes;
    const int master = writtenFd(inIndex);
    pollfd readable{master, POLLIN, 0};
    UInt8 chunk[256];
    ssize_t n = 0;
    while (master >= 0 && ::poll(&readable, 1, 0) > 0 && (readable.revents & POLLIN) != 0 &&
           (n = ::read(master, chunk, sizeof chunk)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
}
