#include "host/Timing.h"

#include <QObject>
#include <QTimer>

namespace host {

namespace {

class SystemTiming final : public Timing {
public:
    Date now() const override { return std::chrono::steady_clock::now(); }

    void performAfterDelay(QObject* inContext, std::function<void()> inMessage,
                           double inDelaySeconds) override {
        // Coarse timers may fire up to 5% early; precise ones never fire before the interval.
        QTimer::singleShot(timerInterval(inDelaySeconds), Qt::PreciseTimer, inContext,
                           std::move(inMessage));
    }
};

} // namespace

std::chrono::milliseconds timerInterval(double inDelaySeconds) {
    if (!(inDelaySeconds > 0.0)) {
        return std::chrono::milliseconds(0);
    }
    return std::chrono::ceil<std::chrono::milliseconds>(
        std::chrono::duration<double>(inDelaySeconds));
}

Timing& systemTiming() {
    // Stateless: the clock and the event loop's timers hold all the state.
    static SystemTiming timing;
    return timing;
}

} // namespace host
