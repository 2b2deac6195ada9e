#include "support/XServer.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <csignal>
#include <cstring>
#include <thread>

#include <poll.h>
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
        ::execlp("Xvfb", "Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-screen", "0",
                 "1024x768x24", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    // Xvfb writes its display number once it accepts connections.
    char number[16] = {};
    pollfd ready{fds[0], POLLIN, 0};
    if (mPid > 0 && ::poll(&ready, 1, 10000) > 0 && ::read(fds[0], number, sizeof number - 1) > 0) {
        mName = ":" + std::string(number, std::strcspn(number, "\n"));
        mDisplay = XOpenDisplay(mName.c_str());
    }
    ::close(fds[0]);
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

void XServer::flush() {
    XSync(mDisplay, False);
}

void XServer::setKeyRepeat(unsigned inDelayMs, unsigned inRatePerSecond) {
    XAutoRepeatOn(mDisplay);
    XkbSetAutoRepeatRate(mDisplay, XkbUseCoreKbd, inDelayMs, 1000 / inRatePerSecond);
    flush();
}

void XServer::press(const char* inKey) {
    XTestFakeKeyEvent(mDisplay, XKeysymToKeycode(mDisplay, XStringToKeysym(inKey)), True,
                      CurrentTime);
    flush();
}

void XServer::release(const char* inKey) {
    XTestFakeKeyEvent(mDisplay, XKeysymToKeycode(mDisplay, XStringToKeysym(inKey)), False,
                      CurrentTime);
    flush();
}

void XServer::hold(const char* inKey, std::chrono::milliseconds inFor) {
    press(inKey);
    std::this_thread::sleep_for(inFor);
    release(inKey);
}

void XServer::chord(std::initializer_list<const char*> inKeys) {
    for (const char* key : inKeys) {
        press(key);
    }
    for (auto key = std::rbegin(inKeys); key != std::rend(inKeys); ++key) {
        release(*key);
    }
}

void XServer::movePointer(int inX, int inY) {
    XTestFakeMotionEvent(mDisplay, -1, inX, inY, CurrentTime);
    flush();
}

void XServer::button(bool inDown) {
    XTestFakeButtonEvent(mDisplay, 1, inDown ? True : False, CurrentTime);
    flush();
}

unsigned long XServer::findWindow(const std::string& inTitle, std::chrono::milliseconds inWait) {
    const auto deadline = std::chrono::steady_clock::now() + inWait;
    do {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        XQueryTree(mDisplay, DefaultRootWindow(mDisplay), &root, &parent, &children, &count);
        Window found = 0;
        for (unsigned i = 0; i < count && found == 0; ++i) {
            char* name = nullptr;
            XWindowAttributes attributes{};
            if (XFetchName(mDisplay, children[i], &name) != 0 && name != nullptr) {
                if (inTitle == name && XGetWindowAttributes(mDisplay, children[i], &attributes) &&
                    attributes.map_state == IsViewable) {
                    found = children[i];
                }
                XFree(name);
            }
        }
        XFree(children);
        if (found != 0) {
            return found;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < deadline);
    return 0;
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

std::pair<int, int> XServer::size(unsigned long inWindow) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(mDisplay, inWindow, &attributes);
    return {attributes.width, attributes.height};
}
