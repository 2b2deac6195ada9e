// The X back end of DisplayServer.
#include "support/DisplayServer.h"

#include <QTest>
#include <QWidget>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstdio>

#include <unistd.h>

const char* const DisplayServer::sMissing = "Xvfb could not be started (Debian package xvfb)";

DisplayServer::DisplayServer() {
    int fds[2];
    if (::pipe(fds) != 0) {
        return;
    }
    spawn({"Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-screen", "0", "1024x768x24"},
          [&] { ::dup2(fds[1], 3); });
    ::close(fds[1]);
    // Xvfb writes its display number once it accepts connections, maybe in pieces: read to the
    // end of the line, as it dies when the pipe closes before.
    std::FILE* written = ::fdopen(fds[0], "r");
    char number[16] = {};
    if (mPid > 0 && std::fgets(number, sizeof number, written) != nullptr) {
        const QString name = ":" + QString(number).trimmed();
        if ((mX = XOpenDisplay(qPrintable(name))) != nullptr) {
            mSession = {{"DISPLAY", name}, {"QT_QPA_PLATFORM", "xcb"}};
        }
    }
    std::fclose(written);
}

void DisplayServer::disconnect() {
    if (mX != nullptr) {
        XCloseDisplay(mX);
    }
}

void DisplayServer::setKeyRepeat(unsigned inDelayMs, unsigned inRatePerSecond) {
    if (inRatePerSecond == 0) {
        XAutoRepeatOff(mX);
    } else {
        XAutoRepeatOn(mX);
        XkbSetAutoRepeatRate(mX, XkbUseCoreKbd, inDelayMs, 1000 / inRatePerSecond);
    }
    XSync(mX, False);
}

unsigned DisplayServer::keycode(const char* inKey) {
    return XKeysymToKeycode(mX, XStringToKeysym(inKey));
}

void DisplayServer::key(const char* inKey, bool inDown) {
    XTestFakeKeyEvent(mX, keycode(inKey), inDown ? True : False, CurrentTime);
    XSync(mX, False);
}

DisplayServer::Clock::time_point
DisplayServer::hold(const char* inKey, std::chrono::milliseconds inFor, const Wait& inWait) {
    const auto pressed = Clock::now();
    key(inKey, true);
    inWait(pressed + inFor);
    key(inKey, false);
    return pressed;
}

void DisplayServer::type(std::initializer_list<const char*> inKeys, const char* inModifier) {
    if (inModifier != nullptr) {
        key(inModifier, true);
    }
    for (const char* each : inKeys) { // a person's taps: released a moment before the next
        hold(each, std::chrono::milliseconds(20));
        waitHandlingEvents(Clock::now() + std::chrono::milliseconds(20));
    }
    if (inModifier != nullptr) {
        key(inModifier, false);
    }
}

void DisplayServer::movePointer(int inX, int inY) {
    XTestFakeMotionEvent(mX, -1, inX, inY, CurrentTime);
    XSync(mX, False);
}

void DisplayServer::button(bool inDown, unsigned inButton) {
    XTestFakeButtonEvent(mX, inButton, inDown ? True : False, CurrentTime);
    XSync(mX, False);
}

void DisplayServer::wheel(int inNotches) {
    for (int i = 0; i < std::abs(inNotches); ++i) { // X's buttons 4 and 5 are the wheel's
        button(true, inNotches > 0 ? 4 : 5);
        button(false, inNotches > 0 ? 4 : 5);
    }
}

unsigned long DisplayServer::findWindow(const QString& inTitle) {
    return run("timeout", {"10", "xdotool", "search", "--sync", "--onlyvisible", "--name",
                           "^" + inTitle + "$"})
        .split('\n')
        .constFirst()
        .toULong();
}

bool DisplayServer::showsWindow(const QString& inTitle) {
    const unsigned long window = findWindow(inTitle);
    XSetInputFocus(mX, window, RevertToParent, CurrentTime);
    XSync(mX, False);
    return window != 0;
}

bool DisplayServer::activate(QWidget& inWindow) {
    XSetInputFocus(mX, inWindow.winId(), RevertToParent, CurrentTime);
    XSync(mX, False);
    return QTest::qWaitForWindowActive(&inWindow);
}

void DisplayServer::close(const QString& inTitle) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = findWindow(inTitle);
    event.xclient.message_type = XInternAtom(mX, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(mX, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(mX, event.xclient.window, False, NoEventMask, &event);
    XSync(mX, False);
}
