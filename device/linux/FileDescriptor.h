#pragma once

#include <unistd.h>

namespace device {

// An open file descriptor, closed with its owner.
class FileDescriptor {
public:
    explicit FileDescriptor(int inFd) : mFd(inFd) {}
    ~FileDescriptor() {
        if (mFd >= 0) {
            ::close(mFd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return mFd; }

private:
    int mFd;
};

} // namespace device
