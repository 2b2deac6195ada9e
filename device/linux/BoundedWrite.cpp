#include "device/linux/BoundedWrite.h"

#include "device/IOReturn.h"
#include "device/linux/ErrnoStatus.h"

#include <cerrno>
#include <csignal>
#include <future>
#include <system_error>
#include <thread>

#include <poll.h>
#include <pthread.h>
#include <unistd.h>

namespace device {

namespace {

using Clock = std::chrono::steady_clock;

// Writes everything, waiting for writability while the descriptor says it would block.
IOReturn writeAll(int inFd, const std::vector<UInt8>& inBytes, Clock::time_point inDeadline) {
    std::size_t done = 0;
    while (done < inBytes.size()) {
        const ssize_t written = ::write(inFd, inBytes.data() + done, inBytes.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            continue;
        }
        if (written == 0) {
            return kIOReturnError;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            return ioReturnFromErrno(errno);
        }
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(inDeadline - Clock::now()).count();
        if (left <= 0) {
            return kIOReturnTimeout;
        }
        pollfd writable{inFd, POLLOUT, 0};
        if (::poll(&writable, 1, static_cast<int>(left)) == 0) {
            return kIOReturnTimeout;
        }
    }
    return kIOReturnSuccess;
}

} // namespace

IOReturn writeWithin(std::shared_ptr<const FileDescriptor> inFile, std::vector<UInt8> inBytes,
                     std::chrono::milliseconds inLimit) {
    const Clock::time_point deadline = Clock::now() + inLimit;
    auto outcome = std::make_shared<std::promise<IOReturn>>();
    std::future<IOReturn> result = outcome->get_future();
    try {
        std::thread([file = std::move(inFile), bytes = std::move(inBytes), deadline,
                     outcome]() mutable {
            // A write to something that is no device must not take the whole program down.
            sigset_t pipe;
            sigemptyset(&pipe);
            sigaddset(&pipe, SIGPIPE);
            pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
            const IOReturn status = writeAll(file->get(), bytes, deadline);
            // Let go first, so that a caller that has its answer closes the descriptor itself.
            file.reset();
            outcome->set_value(status);
        }).detach();
    } catch (const std::system_error&) {
        return kIOReturnNoResources;
    }
    if (result.wait_until(deadline) != std::future_status::ready) {
        return kIOReturnTimeout;
    }
    return result.get();
}

} // namespace device
