#pragma once

#include "support/DisplayServer.h"
#include "support/ProgramRun.h"

#include <QRegularExpression>
#include <QStringList>

#include <chrono>

// What a report line of the simulated transmitter sets ("88.1 MHz stereo"); empty for another line.
inline QString reportIn(const QString& inLine) {
    static const QRegularExpression sReport(R"(^report: .*  ([0-9.]+ MHz \w+))");
    return sReport.match(inLine).captured(1);
}

// A program that shows the pane on its simulated transmitter, and how.
struct Shows {
    const char* program = TAVRO_HOST_PROGRAM;
    QStringList arguments{"--simulate"};
    QString title = "USB_Tavro FM Transmitter";
    QStringList environment{}; // "NAME=value"
};

// usb-tavro-prefs --simulate (or another program that shows the pane) as a person starts it on a
// desktop: with a settings folder of its own, or the one given, its window shown and focused, the
// reports it prints read back.
class PanelRun : public ProgramRun {
public:
    using Clock = DisplayServer::Clock;

    explicit PanelRun(const QString& inConfig = {},
                      DisplayServer& inServer = DisplayServer::current(),
                      std::vector<int> inClosed = {}, const Shows& inShows = {})
        : ProgramRun(inShows.program) {
        inServer.exportTo(&env);
        env.remove("QT_QPA_PLATFORM"); // the program finds it, as on a desktop
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("XDG_CONFIG_HOME", inConfig.isEmpty() ? config.path() : inConfig);
        for (const QString& variable : inShows.environment) {
            env.insert(variable.section('=', 0, 0), variable.section('=', 1));
        }
        closed = std::move(inClosed);
        start(inShows.arguments);
        shown = inServer.showsWindow(inShows.title);
    }

    // Reads what it prints until inUntil, each report stamped with the moment its line arrived.
    void readUntil(Clock::time_point inUntil) {
        process.setReadChannel(QProcess::StandardOutput);
        do {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(inUntil - Clock::now());
            const bool read = process.waitForReadyRead(std::max(0, static_cast<int>(left.count())));
            const auto arrived = Clock::now();
            while (process.canReadLine()) {
                if (QString text = reportIn(QString::fromUtf8(process.readLine()));
                    !text.isEmpty()) {
                    arrivals.push_back(arrived);
                    mReported << text;
                }
            }
            if (!read && process.state() != QProcess::Running) {
                return;
            }
        } while (Clock::now() < inUntil);
    }
    // The reports so far; with inLast, once the last one is that, or ten seconds have passed.
    const QStringList& reports(const QString& inLast = {}) {
        const auto giveUp = Clock::now() + std::chrono::seconds(10);
        do {
            readUntil(Clock::now() + std::chrono::milliseconds(10));
        } while (!inLast.isEmpty() && !mReported.endsWith(inLast) && Clock::now() < giveUp);
        return mReported;
    }
    bool sends(const QString& inLast) { return reports(inLast).endsWith(inLast); }

    std::vector<Clock::time_point> arrivals; // of each report
    bool shown = false;

private:
    QStringList mReported;
};
