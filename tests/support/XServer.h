#pragma once

#include <chrono>
#include <string>

typedef struct _XDisplay Display;

// A real X server of the test's own: Xvfb on a display it picks itself, with the server's own
// key repeat on, driven through XTest as a person's keyboard and mouse would drive it.
class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // The one a test program runs its window on (see window_gtest_main.cpp).
    static XServer& current() { return *sCurrent; }
    static inline XServer* sCurrent = nullptr;
    static constexpr const char* sMissing = "Xvfb could not be started (Debian package xvfb)";

    // Points this process's clients to it (DISPLAY, QT_QPA_PLATFORM); false when Xvfb could not be
    // started.
    bool exportTo() const;

    // Empty when Xvfb could not be started.
    const std::string& name() const { return mName; }

    // As "xset r rate inDelay inRate": the first repeat after inDelay, then inRate a second; no
    // repeat at all for a rate of 0.
    void setKeyRepeat(unsigned inDelayMs, unsigned inRatePerSecond);
    // The X keycode of a key, as Qt's native scan code gives it.
    unsigned keycode(const char* inKey);

    // Keys by their X names ("Up", "Tab", "Control_L"), pressed, held and released.
    void key(const char* inKey, bool inDown);
    void press(const char* inKey) { key(inKey, true); }
    void release(const char* inKey) { key(inKey, false); }
    void hold(const char* inKey, std::chrono::milliseconds inFor);

    void movePointer(int inX, int inY);
    void button(bool inDown, unsigned inButton = 1); // 1 left, 2 middle, 3 right

    // The top-level window with this title, waiting for it to be mapped; 0 if none comes.
    unsigned long findWindow(const std::string& inTitle,
                             std::chrono::milliseconds inWait = std::chrono::seconds(10));
    void focus(unsigned long inWindow);
    // Asks the window to close, as a window manager's close button does.
    void close(unsigned long inWindow);

private:
    void flush();

    int mPid = -1;
    std::string mName;
    Display* mDisplay = nullptr;
};
