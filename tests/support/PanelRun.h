#pragma once

#include "support/ProgramRun.h"

#include <QRegularExpression>
#include <QStringList>

#include <chrono>
#include <ostream>
#include <thread>

// The frequencies (in MHz, as printed) of the simulated transmitter's reports.
inline QStringList frequencies(const QByteArray& inOutput) {
    static const QRegularExpression sReport(R"(^report: .*  ([0-9.]+ MHz \w+))",
                                            QRegularExpression::MultilineOption);
    QStringList found;
    for (auto match = sReport.globalMatch(QString::fromUtf8(inOutput)); match.hasNext();) {
        found << match.next().captured(1);
    }
    return found;
}

// A keyboard's repeat as a desktop sets it: the first repeat after delayMs, then rate a second.
struct RepeatRate {
    const char* name;
    unsigned delayMs;
    unsigned rate;
};
inline void PrintTo(const RepeatRate& inRepeat, std::ostream* outStream) {
    *outStream << inRepeat.name;
}

// usb-tavro-prefs --simulate (or another program that shows the pane on its simulated
// transmitter) as a person starts it from a desktop: with a settings folder of its own, or the one
// given, and the reports it prints read back.
class PanelRun : public ProgramRun {
public:
    explicit PanelRun(const QString& inConfig, const char* inProgram = TAVRO_HOST_PROGRAM)
        : ProgramRun(inProgram) {
        env.remove("QT_QPA_PLATFORM");
        if (!inConfig.isEmpty()) {
            env.insert("XDG_CONFIG_HOME", inConfig);
        }
    }
    // The reports printed so far, after the program has had inSettle to print them.
    QStringList reports(std::chrono::milliseconds inSettle = std::chrono::milliseconds(300)) {
        std::this_thread::sleep_for(inSettle);
        process.waitForReadyRead(0);
        mOutput += process.readAllStandardOutput();
        return frequencies(mOutput);
    }

private:
    QByteArray mOutput;
};
