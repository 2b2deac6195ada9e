#include "support/XServer.h"

#include <QProcess>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

XServer::XServer() {
    int fds[2];
    if (::pipe(fds) != 0) {
        return;
    }
    mPid = ::fork();
    if (mPid == 0) {
        ::dup2(fds[1], 3);
        ::dup2(::open("/dev/null", O_WRONLY), 2); // it tells of each display number taken
        ::execlp("Xvfb", "Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-screen", "0",
                 "1024x768x24", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    // Xvfb writes its display number once it accepts connections, maybe in pieces: read to the
    // end of the line, as it dies when the pipe closes before.
    std::FILE* written = ::fdopen(fds[0], "r");
    char number[16] = {};
    if (mPid > 0 && std::fgets(number, sizeof number, written) != nullptr) {
        mName = ":" + std::string(number, std::strcspn(number, "\n"));
        mDisplay = XOpenDisplay(mName.c_str());
    }
    std::fclose(written);
    if (mDisplay == nullptr) {
        mName.clear();
    }
}

XServer::~XServer() {
    if (mDisplay != nullptr) {
        XCloseDisplay(mDisplay);
    }
    if (mPid > 0) {
        ::kill(mPid, SIGTERM);
        ::waitpid(mPid, nullptr, 0);
    }
}

bool XServer::exportTo() const {
    if (mName.empty()) {
        return false;
    }
    qputenv("DISPLAY", mName.c_str());
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

void XServer::flush() {
    XSync(mDisplay, False);
}

void XServer::setKeyRepeat(unsigned inDelayMs, unsigned inRatePerSecond) {
    if (inRatePerSecond == 0) {
        XAutoRepeatOff(mDisplay);
    } else {
        XAutoRepeatOn(mDisplay);
        XkbSetAutoRepeatRate(mDisplay, XkbUseCoreKbd, inDelayMs, 1000 / inRatePerSecond);
    }
    flush();
}

unsigned XServer::keycode(const char* inKey) {
    return XKeysymToKeycode(mDisplay, XStringToKeysym(inKey));
}

void XServer::key(const char* inKey, bool inDown) {
    XTestFakeKeyEvent(mDisplay, keycode(inKey), inDown ? True : False, CurrentTime);
    flush();
}

void XServer::hold(const char* inKey, std::chrono::milliseconds inFor) {
    press(inKey);
    std::this_thread::sleep_for(inFor);
    release(inKey);
}

void XServer::movePointer(int inX, int inY) {
    XTestFakeMotionEvent(mDisplay, -1, inX, inY, CurrentTime);
    flush();
}

void XServer::button(bool inDown, unsigned inButton) {
    XTestFakeButtonEvent(mDisplay, inButton, inDown ? True : False, CurrentTime);
    flush();
}

unsigned long XServer::findWindow(const std::string& inTitle, std::chrono::milliseconds inWait) {
    QProcess search;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", QString::fromStdString(mName));
    search.setProcessEnvironment(env);
    search.start("xdotool", {"search", "--sync", "--onlyvisible", "--name",
                             QString::fromStdString("^" + inTitle + "$")});
    if (!search.waitForFinished(static_cast<int>(inWait.count()))) {
        search.kill();
        search.waitForFinished();
    }
    return search.readAllStandardOutput().split('\n').constFirst().toULong();
}

void XServer::focus(unsigned long inWindow) {
    XSetInputFocus(mDisplay, inWindow, RevertToParent, CurrentTime);
    flush();
}

void XServer::close(unsigned long inWindow) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = inWindow;
    event.xclient.message_type = XInternAtom(mDisplay, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(mDisplay, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(mDisplay, inWindow, False, NoEventMask, &event);
    flush();
}
