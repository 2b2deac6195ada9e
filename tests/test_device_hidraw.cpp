// The pieces of the Linux HID write: errno statuses, and a write that never holds its caller
// longer than its limit.
#include "device/IOReturn.h"
#include "device/linux/BoundedWrite.h"
#include "device/linux/ErrnoStatus.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

using device::FileDescriptor;
using device::writeWithin;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct ErrnoCase {
    int error;
    IOReturn status;
};

void PrintTo(const ErrnoCase& inCase, std::ostream* outStream) {
    *outStream << std::strerror(inCase.error);
}

class ErrnoStatus : public ::testing::TestWithParam<ErrnoCase> {};

TEST_P(ErrnoStatus, MapsToTheMatchingIOReturn) {
    EXPECT_EQ(device::ioReturnFromErrno(GetParam().error), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Errors, ErrnoStatus,
                         ::testing::Values(ErrnoCase{ENODEV, kIOReturnNoDevice},
                                           ErrnoCase{ENXIO, kIOReturnNoDevice},
                                           ErrnoCase{ENOENT, kIOReturnNoDevice},
                                           ErrnoCase{EACCES, kIOReturnNotPrivileged},
                                           ErrnoCase{EPERM, kIOReturnNotPrivileged},
                                           ErrnoCase{EBUSY, kIOReturnExclusiveAccess},
                                           ErrnoCase{ETIMEDOUT, kIOReturnTimeout},
                                           ErrnoCase{EIO, kIOReturnError},
                                           ErrnoCase{EINVAL, kIOReturnError}));

// A pipe whose write end is handed to writeWithin; the test keeps the read end.
class Pipe : public ::testing::Test {
protected:
    void SetUp() override {
        int ends[2];
        ASSERT_EQ(::pipe2(ends, O_CLOEXEC | O_NONBLOCK), 0);
        reader = ends[0];
        writer = std::make_shared<const FileDescriptor>(ends[1]);
    }
    void TearDown() override {
        if (reader >= 0) {
            ::close(reader);
        }
    }

    void fill() {
        const char block[4096] = {};
        while (::write(writer->get(), block, sizeof block) > 0) {
        }
    }
    // Whether the write end gets closed within inWait, seen as end-of-file on the read end.
    bool writerClosedWithin(std::chrono::milliseconds inWait) {
        const auto deadline = Clock::now() + inWait;
        char chunk[4096];
        while (Clock::now() < deadline) {
            const ssize_t n = ::read(reader, chunk, sizeof chunk);
            if (n == 0) {
                return true;
            }
            pollfd readable{reader, POLLIN, 0};
            ::poll(&readable, 1, 10);
        }
        return false;
    }

    int reader = -1;
    std::shared_ptr<const FileDescriptor> writer;
};

TEST_F(Pipe, BytesThatFitAreWrittenAtOnce) {
    EXPECT_EQ(writeWithin(writer, {0x00, 0xC0, 0x4B}, 1000ms), kIOReturnSuccess);
    UInt8 bytes[8];
    ASSERT_EQ(::read(reader, bytes, sizeof bytes), 3);
    EXPECT_EQ(bytes[1], 0xC0);
}

// A non-blocking descriptor that stays full is waited for with poll until the limit.
TEST_F(Pipe, FullNonBlockingDescriptorTimesOutAtTheLimit) {
    fill();
    const auto start = Clock::now();
    EXPECT_EQ(writeWithin(writer, {0x00, 0xC0}, 300ms), kIOReturnTimeout);
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, 300ms);
    EXPECT_LT(waited, 500ms);

    writer.reset();
    EXPECT_TRUE(writerClosedWithin(500ms));
}

// Like a hidraw node, which ignores O_NONBLOCK: the kernel holds write() itself.
TEST_F(Pipe, WriteTheKernelHoldsReturnsAtTheLimitAndClosesWhenItEnds) {
    fill();
    ASSERT_EQ(::fcntl(writer->get(), F_SETFL, 0), 0);
    const auto start = Clock::now();
    EXPECT_EQ(writeWithin(writer, {0x00, 0xC0}, 300ms), kIOReturnTimeout);
    EXPECT_LT(Clock::now() - start, 500ms);

    // The caller lets go at once; the descriptor stays open until the held write is done.
    const int fd = writer->get();
    writer.reset();
    EXPECT_NE(::fcntl(fd, F_GETFD), -1);
    EXPECT_TRUE(writerClosedWithin(2000ms)); // reading makes room for the write, which ends
}

TEST_F(Pipe, BrokenPipeIsAnErrorAndNoSignal) {
    ::close(reader);
    reader = -1;
    EXPECT_EQ(writeWithin(writer, {0x00}, 1000ms), kIOReturnError);
}

} // namespace
