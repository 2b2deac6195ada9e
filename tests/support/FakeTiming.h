#pragma once

#include "host/Timing.h"

#include <QObject>
#include <QPointer>

#include <algorithm>
#include <functional>
#include <map>
#include <utility>

// A clock and delayed-message queue that the test moves on by hand. Messages are due after the
// same whole-millisecond intervals as the real timers.
class FakeTiming : public host::Timing {
public:
    host::Date now() const override { return mNow; }

    void performAfterDelay(QObject* inContext, std::function<void()> inMessage,
                           double inDelaySeconds) override {
        mQueue.emplace(std::pair{mNow + host::timerInterval(inDelaySeconds), mSequence++},
                       std::pair{QPointer<QObject>(inContext), std::move(inMessage)});
    }

    // Seconds since the fake clock's start.
    double elapsed() const { return std::chrono::duration<double>(mNow - host::Date{}).count(); }

    // Runs the messages due up to inSeconds after the start, each with the clock at its due
    // time, in due order (messages scheduled meanwhile included); leaves the clock at inSeconds.
    void runUntil(double inSeconds) {
        const host::Date until = host::Date{} + std::chrono::duration_cast<host::Date::duration>(
                                                    std::chrono::duration<double>(inSeconds));
        while (!mQueue.empty() && mQueue.begin()->first.first <= until) {
            auto next = mQueue.extract(mQueue.begin());
            mNow = std::max(mNow, next.key().first);
            if (next.mapped().first) {
                next.mapped().second();
            }
        }
        mNow = std::max(mNow, until);
    }

private:
    host::Date mNow{};
    unsigned mSequence = 0;
    // By due time, then by order of scheduling.
    std::map<std::pair<host::Date, unsigned>, std::pair<QPointer<QObject>, std::function<void()>>>
        mQueue;
};
