#pragma once

#include "host/Timing.h"

#include <QObject>
#include <QPointer>

#include <algorithm>
#include <functional>
#include <vector>

// A clock and delayed-message queue that the test moves on by hand. Messages are due after the
// same whole-millisecond intervals as the real timers.
class FakeTiming : public host::Timing {
public:
    host::Date now() const override { return mNow; }

    void performAfterDelay(QObject* inContext, std::function<void()> inMessage,
                           double inDelaySeconds) override {
        mQueue.push_back({mNow + host::timerInterval(inDelaySeconds), mSequence++,
                          QPointer<QObject>(inContext), std::move(inMessage)});
    }

    // Seconds since the fake clock's start.
    double elapsed() const { return std::chrono::duration<double>(mNow - host::Date{}).count(); }

    // Runs the messages due up to inSeconds after the start, each with the clock at its due
    // time, in due order (messages scheduled meanwhile included); leaves the clock at inSeconds.
    void runUntil(double inSeconds) {
        const host::Date until = at(inSeconds);
        while (true) {
            auto next = std::min_element(mQueue.begin(), mQueue.end(), [](auto& a, auto& b) {
                return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
            });
            if (next == mQueue.end() || next->due > until) {
                break;
            }
            Pending message = std::move(*next);
            mQueue.erase(next);
            mNow = std::max(mNow, message.due);
            if (message.context) {
                message.message();
            }
        }
        mNow = std::max(mNow, until);
    }

private:
    static host::Date at(double inSeconds) {
        return host::Date{} + std::chrono::duration_cast<host::Date::duration>(
                                  std::chrono::duration<double>(inSeconds));
    }

    struct Pending {
        host::Date due;
        unsigned sequence;
        QPointer<QObject> context;
        std::function<void()> message;
    };
    host::Date mNow{};
    unsigned mSequence = 0;
    std::vector<Pending> mQueue;
};
