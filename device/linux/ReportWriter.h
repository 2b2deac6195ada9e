#pragma once

#include "device/Failure.h"
#include "device/linux/FileDescriptor.h"
#include "host/Types.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <span>

namespace device {

// A system call of inCause that failed with inErrno, under the IOReturn code its errno stands for.
Failure systemFailure(Failure::Cause inCause, int inErrno);

// Writes reports on a thread of its own and waits at most a limit for each. A hidraw node
// ignores O_NONBLOCK and the kernel may hold write() for its own USB timeout of several seconds;
// the caller must get its answer within the limit all the same.
//
// The thread lives as long as the writer, so a report costs two thread hand-overs and no
// allocation. When a write outlives its limit, the writer takes its descriptor over and closes it
// once the kernel lets go; the next report gets a fresh thread meanwhile.
//
// While such a write is held, the kernel also holds the lock that every hidraw open and close
// takes, so callers ask stalled() before opening a node rather than wait behind it.
class ReportWriter {
public:
    static constexpr std::size_t sMaxBytes = 65; // report ID and a full-speed packet

    ReportWriter();
    ~ReportWriter();
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    // Writes inBytes (sMaxBytes at most) to inFile: nothing failed, or what did. kIOReturnTimeout
    // when inFile has not taken them all within inLimit; inFile is then empty, its descriptor kept
    // by the writer.
    Failure write(FileDescriptor& inFile, std::span<const UInt8> inBytes,
                  std::chrono::milliseconds inLimit);

    // Whether a write that outlived its limit is still held in the kernel.
    bool stalled() const { return mHeld->count.load(std::memory_order_acquire) > 0; }
    // inCall runs, on a writer thread, each time the kernel has let go of the last write held;
    // never after the writer is gone.
    void setOnRelease(std::function<void()> inCall);

private:
    struct Worker;
    // Writes given up on and not yet let go by the kernel, counted down by their threads.
    struct Held {
        std::atomic<int> count{0};
        std::mutex mutex; // guards onRelease
        std::function<void()> onRelease;
    };
    void startWorker();

    std::shared_ptr<Worker> mWorker; // shared with its thread, which may outlive the writer
    std::shared_ptr<Held> mHeld = std::make_shared<Held>();
};

} // namespace device
