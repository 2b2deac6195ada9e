// The pieces of the Linux HID write: errno statuses, and a write that never holds its caller
// longer than its limit.
#include "device/IOReturn.h"
#include "device/linux/ErrnoStatus.h"
#include "device/linux/ReportWriter.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using device::FileDescriptor;
using device::ReportWriter;
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

// A pipe whose write end is handed to the writer; the test keeps the read end.
class Pipe : public ::testing::Test {
protected:
    void SetUp() override {
        int ends[2];
        ASSERT_EQ(::pipe2(ends, O_CLOEXEC | O_NONBLOCK), 0);
        reader = ends[0];
        writer = FileDescriptor(ends[1]);
    }
    void TearDown() override {
        if (reader >= 0) {
            ::close(reader);
        }
    }

    void fill() {
        const char block[4096] = {};
        while (::write(writer.get(), block, sizeof block) > 0) {
        }
    }
    IOReturn write(std::initializer_list<UInt8> inBytes, std::chrono::milliseconds inLimit) {
        const std::vector<UInt8> bytes(inBytes);
        return reports.write(writer, bytes, inLimit);
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

    ReportWriter reports;
    int reader = -1;
    FileDescriptor writer{-1};
};

TEST_F(Pipe, BytesThatFitAreWrittenAtOnceAndAgain) {
    for (UInt8 second : {UInt8{0xC0}, UInt8{0xC1}}) {
        EXPECT_EQ(write({0x00, second, 0x4B}, 1000ms), kIOReturnSuccess);
        UInt8 bytes[8];
        ASSERT_EQ(::read(reader, bytes, sizeof bytes), 3);
        EXPECT_EQ(bytes[1], second);
    }
    EXPECT_GE(writer.get(), 0); // still the caller's
}

// A non-blocking descriptor that stays full is waited for with poll until the limit.
TEST_F(Pipe, FullNonBlockingDescriptorTimesOutAtTheLimit) {
    fill();
    const auto start = Clock::now();
    EXPECT_EQ(write({0x00, 0xC0}, 300ms), kIOReturnTimeout);
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, 300ms);
    EXPECT_LT(waited, 500ms);

    writer.reset();
    EXPECT_TRUE(writerClosedWithin(500ms));
}

// Like a hidraw node, which ignores O_NONBLOCK: the kernel holds write() itself. The caller gets
// its answer at the limit, the writer keeps the descriptor until the held write is done, and the
// next report does not wait behind it.
TEST_F(Pipe, WriteTheKernelHoldsReturnsAtTheLimitAndClosesWhenItEnds) {
    fill();
    ASSERT_EQ(::fcntl(writer.get(), F_SETFL, 0), 0);
    const int fd = writer.get();
    const auto start = Clock::now();
    EXPECT_EQ(write({0x00, 0xC0}, 300ms), kIOReturnTimeout);
    EXPECT_LT(Clock::now() - start, 500ms);
    EXPECT_EQ(writer.get(), -1);
    EXPECT_NE(::fcntl(fd, F_GETFD), -1);
    EXPECT_TRUE(reports.stalled());

    int other[2];
    ASSERT_EQ(::pipe2(other, O_CLOEXEC), 0);
    FileDescriptor next(other[1]);
    const std::vector<UInt8> bytes{0x00, 0xC1};
    EXPECT_EQ(reports.write(next, bytes, 300ms), kIOReturnSuccess);
    ::close(other[0]);

    EXPECT_TRUE(writerClosedWithin(2000ms)); // reading makes room for the write, which ends
    EXPECT_TRUE(QTest::qWaitFor([this] { return !reports.stalled(); }, 2000));
}

TEST_F(Pipe, BrokenPipeIsAnErrorAndNoSignal) {
    ::close(reader);
    reader = -1;
    EXPECT_EQ(write({0x00}, 1000ms), kIOReturnError);
}

// No thread can be made while the process limit is zero, as for a user that has used up its
// processes; a report then fails with kIOReturnNoResources, and the next report after the limit is
// lifted is written. Run in a child, as an unprivileged user, since root is never limited.
TEST(ReportWriterThreads, ThreadThatCannotBeMadeIsTriedAgainAtTheNextReport) {
    constexpr int sSkipped = 77;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0)) {
            ::_exit(sSkipped);
        }
        rlimit limit{};
        ::getrlimit(RLIMIT_NPROC, &limit);
        const rlimit none{0, limit.rlim_max};
        int ends[2];
        if (::setrlimit(RLIMIT_NPROC, &none) != 0 || ::pipe2(ends, O_CLOEXEC) != 0) {
            ::_exit(sSkipped);
        }
        FileDescriptor file(ends[1]);
        const std::vector<UInt8> bytes{0x00, 0xC0};
        ReportWriter reports;
        if (reports.write(file, bytes, 1000ms) != kIOReturnNoResources) {
            ::_exit(1);
        }
        ::setrlimit(RLIMIT_NPROC, &limit);
        if (reports.write(file, bytes, 1000ms) != kIOReturnSuccess) {
            ::_exit(2);
        }
        UInt8 read[4];
        ::_exit(::read(ends[0], read, sizeof read) == 2 ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == sSkipped) {
        GTEST_SKIP() << "cannot become an unprivileged user here";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the failed start was not reported, 2: the next "
                                         "report was not written, 3: its bytes are missing";
}

TEST_F(Pipe, OversizedReportIsRefusedUntouched) {
    const std::vector<UInt8> tooMany(ReportWriter::sMaxBytes + 1, 0);
    EXPECT_EQ(reports.write(writer, tooMany, 1000ms), kIOReturnBadArgument);
    UInt8 byte;
    EXPECT_EQ(::read(reader, &byte, 1), -1);
}

} // namespace
