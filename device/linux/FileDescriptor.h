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
    FileDescriptor(FileDescriptor&& inOther) noexcept : mFd(inOther.release()) {}
    FileDescriptor& operator=(FileDescriptor&& inOther) noexcept {
        if (this != &inOther) {
            reset();
            mFd = inOther.release();
        }
        return *this;
    }

    int get() const { return mFd; }
    // Closes the descriptor now; false when close reported an error.
    bool reset() {
        const int fd = release();
        return fd < 0 || ::close(fd) == 0;
    }
    // Gives the descriptor up without closing it.
    int release() {
        const int fd = mFd;
        mFd = -1;
        return fd;
    }

private:
    int mFd;
};

} // namespace device
