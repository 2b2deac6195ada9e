#pragma once

#include "dial/xr_tunerCtl.h"

#include <QObject>

#include <vector>

// A dial that counts its redraw requests.
class ProbeDial : public xr_tunerCtl {
public:
    using xr_tunerCtl::xr_tunerCtl;
    void setNeedsDisplay(bool inFlag) override {
        ++redraws;
        xr_tunerCtl::setNeedsDisplay(inFlag);
    }
    int redraws = 0;
};

// A target that records each action it receives and the dial's frequency at that moment.
class WheelTarget : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE void handleFreqWheel(QObject* inSender) {
        senders.push_back(inSender);
        const auto* dial = qobject_cast<const xr_tunerCtl*>(inSender);
        frequencies.push_back(dial != nullptr ? dial->frequency() : -1);
    }
    std::size_t calls() const { return senders.size(); }

    std::vector<QObject*> senders;
    std::vector<SInt32> frequencies;
};

// A target without the dial's action.
class DeafTarget : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE void somethingElse(QObject*) { ++calls; }
    int calls = 0;
};
