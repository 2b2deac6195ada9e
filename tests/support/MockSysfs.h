#pragma once

#include "host/Types.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

typedef struct _UMockdevTestbed UMockdevTestbed;
typedef struct _UMockdevIoctlBase UMockdevIoctlBase;

// A umockdev test bed holding USB HID devices: a mock sysfs and /dev that libudev in this
// process reads, with real add and remove uevents, and for each hidraw node a pseudo-terminal
// whose other end shows what was written to the node. The process must run under umockdev's
// preload library (umockdev-wrapper).
class MockSysfs {
public:
    struct Device {
        unsigned index; // the N of hidrawN
        std::string idVendor = "0f5a";
        std::string idProduct = "0b17";
        std::optional<std::string> bcdDevice = "0102";
        std::string name = {}; // of its node in /dev, when not hidrawN
    };

    MockSysfs();
    ~MockSysfs();
    MockSysfs(const MockSysfs&) = delete;
    MockSysfs& operator=(const MockSysfs&) = delete;

    static bool isActive();

    // How many of the nodes (terminals, here) this process holds open.
    static std::size_t openNodes();

    // The USB device, its interface, its HID device and the hidraw node, each with its uevent.
    // A node with a device file can be made once per test bed: umockdev keeps its terminal.
    void add(const Device& inDevice);
    // The removal of the whole USB device, with the hidraw node's uevent.
    void remove(unsigned inIndex);

    static std::string node(unsigned inIndex) { return "/dev/hidraw" + std::to_string(inIndex); }
    // From now on every write to the node fails with inErrno, as the kernel fails it (ENODEV for
    // a transmitter pulled out after the node was opened); it still opens. Once a node.
    void failWrites(unsigned inIndex, int inErrno);
    // The mode of the file behind the node.
    static void setMode(unsigned inIndex, unsigned inMode);

    // Everything written to the node since the last call.
    std::vector<UInt8> written(unsigned inIndex);
    // The other end of the node's terminal, where what is written to the node can be read (the
    // latency benchmark waits on it); -1 when the node has none.
    int writtenFd(unsigned inIndex) const;

private:
    UMockdevTestbed* mTestbed;
    unsigned mAdded = 0; // umockdev keeps a bus link of each USB device name it ever had
    std::map<unsigned, std::pair<std::string, std::string>> mPaths; // the USB device's, the node's
    std::vector<UMockdevIoctlBase*> mFailingWrites;
};
