#pragma once

#include "app/HostWindow.h"
#include "device/DeviceServices.h"
#include "device/sim/ReportDescription.h"
#include "device/sim/SimulatedTransmitter.h"
#include "dial/xr_tunerLayout.h"
#include "host/PreferencePane.h"
#include "host/Snapshot.h"
#include "host/View.h"
#include "hosting/PaneLoader.h"
#include "settings/Settings.h"
#include "support/DisplayServer.h"
#include "support/PanelRun.h"
#include "support/ScopedEnv.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

// The real pane from the real bundle in the host program's window, on the simulated transmitter
// (plugged in), with a settings folder of its own.
struct PaneWindow {
    PaneWindow() {
        simulator.plug();
        pane = loader.load(TAVRO_BUNDLE_PATH, services);
        if (pane == nullptr) {
            ADD_FAILURE() << loader.errorString().toStdString();
            return;
        }
        pane->mainViewDidLoad();
        window = std::make_unique<HostWindow>(*pane, &simulator);
        dial = window->findChild<host::View*>("mTunerCtl");
    }
    // The frequencies of the reports sent so far, as the program prints them.
    QStringList reports() const {
        QStringList printed;
        for (const auto& report : simulator.reports()) {
            printed << reportIn(QString::fromStdString(
                "report: " + device::describeTuningReport(report.data(), 6)));
        }
        return printed;
    }
    // The dial's point at inDegrees clockwise from north, inRadius out, in the window.
    QPoint aroundDial(double inDegrees, double inRadius) const {
        const double radians = inDegrees * M_PI / 180.0;
        const host::Point at{sCenterPt.x + static_cast<Float32>(inRadius * std::sin(radians)),
                             sCenterPt.y + static_cast<Float32>(inRadius * std::cos(radians))};
        return dial->mapTo(window.get(), host::View::toQtPoint(dial, at).toPoint());
    }
    template <class T> T* find(const char* inName) const { return window->findChild<T*>(inName); }

    QTemporaryDir config;
    ScopedEnv xdg{"XDG_CONFIG_HOME", config.path().toLocal8Bit()};
    device::SimulatedTransmitter simulator;
    device::DeviceServices services{simulator};
    PaneLoader loader;
    std::unique_ptr<host::PreferencePane> pane; // goes before the loader, after the window
    std::unique_ptr<HostWindow> window;
    host::View* dial = nullptr; // the module has its own copy of the dial class
};

// The pane in a window of this process, given the input of the display server: its widgets tell
// where to click.
class PaneOn : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(pane.window, nullptr);
        pane.window->present();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.window.get()));
        ASSERT_TRUE(input.activate(*pane.window));
        size = pane.window->size();
    }
    // To a point of the window.
    void moveTo(QPoint inAt) {
        const QPoint at = pane.window->mapToGlobal(inAt);
        input.movePointer(at.x(), at.y());
        QTest::qWait(20);
    }
    // Turns the pointer from north to inDegrees, pressed inside the dial's circle (with the left
    // button, or the one given).
    void drag(double inDegrees, unsigned inButton = 1) {
        moveTo(pane.aroundDial(0, 40));
        input.button(true, inButton);
        for (double angle = 10; angle < inDegrees; angle += 10) {
            moveTo(pane.aroundDial(angle, 40));
        }
        moveTo(pane.aroundDial(inDegrees, 200)); // farther out, for a finer angle
        input.button(false, inButton);
        QTest::qWait(50);
    }
    bool lastReportBecomes(const char* inReport) const {
        return QTest::qWaitFor([&] { return pane.reports().constLast() == inReport; });
    }
    // Whether the window system shows the dial as it would draw itself now, after a moment.
    bool screenShowsTheDial() const {
        return QTest::qWaitFor([&] {
            const QPoint at = pane.dial->mapTo(pane.window.get(), QPoint(0, 0));
            return pane.dial->screen()
                       ->grabWindow(pane.window->winId(), at.x(), at.y(), pane.dial->width(),
                                    pane.dial->height())
                       .toImage()
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                   host::snapshot(*pane.dial, 1.0, host::Backdrop::Window);
        });
    }
    QString settingsPath() const { return pane.config.filePath(TAVRO_BUNDLE_IDENTIFIER ".plist"); }
    settings::Stored file() const { return settings::read(settingsPath()).stored; }

    DisplayServer& input = DisplayServer::current();
    PaneWindow pane;
    QSize size;
};
