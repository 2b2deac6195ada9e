#include "device/linux/ReportWriter.h"

#include "device/IOReturn.h"

#include <array>
#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>

#include <poll.h>
#include <pthread.h>
#include <unistd.h>

namespace device {

namespace {

using Clock = std::chrono::steady_clock;

const Failure sHeldPastLimit{.status = kIOReturnTimeout, .cause = Failure::Cause::HeldPastLimit};

using Cause = Failure::Cause;

// Writes everything, waiting for writability while the descriptor says it would block.
Failure writeAll(int inFd, const UInt8* inBytes, std::size_t inSize, Clock::time_point inDeadline) {
    std::size_t done = 0;
    while (done < inSize) {
        const ssize_t written = ::write(inFd, inBytes + done, inSize - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            continue;
        }
        if (written == 0) {
            return {.status = kIOReturnError};
        }
        if (errno == EINTR) {
            continue;
        }
        // A hidraw node whose device has gone since it was opened answers ENODEV.
        if (errno == ENODEV) {
            return {.status = kIOReturnNoDevice, .cause = Cause::Unplugged, .error = ENODEV};
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            return systemFailure(Cause::WriteFailed, errno);
        }
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(inDeadline - Clock::now()).count();
        if (left <= 0) {
            return sHeldPastLimit;
        }
        pollfd writable{inFd, POLLOUT, 0};
        if (::poll(&writable, 1, static_cast<int>(left)) == 0) {
            return sHeldPastLimit;
        }
    }
    return {};
}

} // namespace

Failure systemFailure(Failure::Cause inCause, int inErrno) {
    IOReturn status = kIOReturnError;
    switch (inErrno) {
    case ENODEV:
    case ENXIO:
    case ENOENT:
        status = kIOReturnNoDevice;
        break;
    case EACCES:
    case EPERM:
        status = kIOReturnNotPrivileged;
        break;
    case EBUSY:
        status = kIOReturnExclusiveAccess;
        break;
    case ETIMEDOUT:
        status = kIOReturnTimeout;
        break;
    }
    return {.status = status, .cause = inCause, .error = inErrno};
}

struct ReportWriter::Worker {
    enum class State { Idle, Queued, Writing, Finished };

    explicit Worker(std::shared_ptr<Held> inHeld) : held(std::move(inHeld)) {}

    std::mutex mutex;
    std::condition_variable wake;     // a report is queued, or the writer is going
    std::condition_variable finished; // the report is written, or failed
    State state = State::Idle;
    int fd = -1;
    std::array<UInt8, sMaxBytes> bytes{};
    std::size_t size = 0;
    Clock::time_point deadline;
    Failure status;
    bool abandoned = false;     // the caller gave up waiting and left the descriptor here
    bool retired = false;       // no more reports come: end after the current one
    std::shared_ptr<Held> held; // the writer's count of abandoned writes

    void run() {
        // A write to something that is no longer a device must not take the program down.
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);

        std::unique_lock lock(mutex);
        while (true) {
            wake.wait(lock, [this] { return state == State::Queued || retired; });
            if (state != State::Queued) {
                return;
            }
            state = State::Writing;
            lock.unlock();
            Failure result = writeAll(fd, bytes.data(), size, deadline);
            lock.lock();
            if (abandoned) {
                ::close(fd);
                if (held->count.fetch_sub(1, std::memory_order_release) == 1) {
                    const std::lock_guard released(held->mutex);
                    if (held->onRelease) {
                        held->onRelease();
                    }
                }
                abandoned = false;
                state = State::Idle;
                if (retired) {
                    return;
                }
                continue;
            }
            status = std::move(result);
            state = State::Finished;
            finished.notify_one();
        }
    }
};

ReportWriter::ReportWriter() = default;

ReportWriter::~ReportWriter() {
    setOnRelease(nullptr);
    if (mWorker == nullptr) {
        return;
    }
    {
        const std::lock_guard lock(mWorker->mutex);
        mWorker->retired = true;
    }
    mWorker->wake.notify_one();
}

void ReportWriter::setOnRelease(std::function<void()> inCall) {
    const std::lock_guard lock(mHeld->mutex);
    mHeld->onRelease = std::move(inCall);
}

void ReportWriter::startWorker() {
    auto fresh = std::make_shared<Worker>(mHeld);
    // Detached: a thread held in the kernel must not hold up whoever destroys the writer; it
    // owns its share of the state and ends by itself. Started before anything changes, so that
    // a thread that cannot be made leaves the writer to try again at the next report.
    std::thread([worker = fresh] { worker->run(); }).detach();
    if (mWorker != nullptr) {
        const std::lock_guard lock(mWorker->mutex);
        mWorker->retired = true; // ends once the kernel lets go of its write
    }
    mWorker = std::move(fresh);
}

Failure ReportWriter::write(FileDescriptor& inFile, std::span<const UInt8> inBytes,
                            std::chrono::milliseconds inLimit) {
    if (inBytes.size() > sMaxBytes || inFile.get() < 0) {
        return {.status = kIOReturnBadArgument};
    }
    const Clock::time_point deadline = Clock::now() + inLimit;
    try {
        bool fresh = mWorker == nullptr;
        if (!fresh) {
            // Not idle: still held in the kernel by a write given up on. (Only replaced workers
            // are retired, so the current one is never.)
            const std::lock_guard lock(mWorker->mutex);
            fresh = mWorker->state != Worker::State::Idle;
        }
        if (fresh) {
            startWorker();
        }
    } catch (const std::system_error& inError) {
        return {.status = kIOReturnNoResources,
                .cause = Cause::WriteFailed,
                .error = inError.code().value()};
    }

    Worker& worker = *mWorker;
    {
        const std::lock_guard lock(worker.mutex);
        worker.fd = inFile.get();
        std::memcpy(worker.bytes.data(), inBytes.data(), inBytes.size());
        worker.size = inBytes.size();
        worker.deadline = deadline;
        worker.state = Worker::State::Queued;
    }
    worker.wake.notify_one();
    // Sleeping, not spinning, while the write runs: on two cores a spinning caller takes the
    // time the kernel needs to deliver the report.
    std::unique_lock lock(worker.mutex);
    if (!worker.finished.wait_until(
            lock, deadline, [&worker] { return worker.state == Worker::State::Finished; })) {
        // Still queued (the thread never got to it) or held in the kernel.
        if (worker.state == Worker::State::Queued) {
            worker.state = Worker::State::Idle;
        } else {
            worker.abandoned = true;
            mHeld->count.fetch_add(1, std::memory_order_relaxed);
            inFile.release();
        }
        return sHeldPastLimit;
    }
    worker.state = Worker::State::Idle;
    return worker.status;
}

} // namespace device
