#pragma once

#include "host/Date.h"

#include <chrono>
#include <functional>

class QObject;

namespace host {

// The clock and the delayed messages of the main thread's event loop.
class Timing {
public:
    virtual ~Timing() = default;

    // The current date on the monotonic clock.
    virtual Date now() const = 0;

    // Runs inMessage once on this thread's event loop, never before inDelaySeconds have passed
    // as now() measures them. Nothing runs if inContext is destroyed first.
    virtual void performAfterDelay(QObject* inContext, std::function<void()> inMessage,
                                   double inDelaySeconds) = 0;

    // Seconds from now to inDate: negative for a date in the past.
    double timeIntervalSinceNow(Date inDate) const {
        return std::chrono::duration<double>(inDate - now()).count();
    }
};

// The timer interval for a delay: rounded up to whole milliseconds, so that a message never
// arrives before its delay. Truncating or rounding to nearest would make it early.
std::chrono::milliseconds timerInterval(double inDelaySeconds);

// The real clock and precise timers of the running event loop.
Timing& systemTiming();

} // namespace host
