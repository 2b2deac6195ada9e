#pragma once

#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class QProcess;
class QWidget;
struct _XDisplay;
struct wl_display;
struct wl_proxy;

// A window system of the test's own, started with the object and ended with it, driven with real
// input as a person's keyboard and mouse drive it. Two back ends, one linked into each test
// program: Xvfb with the server's own key repeat on, driven through XTest (XServer.cpp); headless
// sway, keys typed by wtype's virtual keyboard, the pointer a virtual one of this object's own
// (WaylandCompositor.cpp). Keys go by their X names ("Up", "Control_L").
class DisplayServer {
public:
    using Clock = std::chrono::steady_clock;
    using Wait = std::function<void(Clock::time_point inUntil)>;

    DisplayServer();
    ~DisplayServer();
    DisplayServer(const DisplayServer&) = delete;
    DisplayServer& operator=(const DisplayServer&) = delete;

    // The one a test program runs its windows on (see window_gtest_main.cpp).
    static DisplayServer& current() { return *sCurrent; }
    static inline DisplayServer* sCurrent = nullptr;
    static const char* const sMissing; // what to install when it cannot be started

    // Points a program's environment (without one, this process's) to it, with Qt's platform for
    // it; false when it could not be started.
    bool exportTo(QProcessEnvironment* ioEnv = nullptr) const;

    // As a desktop's keyboard settings set it: the first repeat after inDelay, then inRate a
    // second; no repeat at all for a rate of 0.
    void setKeyRepeat(unsigned inDelayMs, unsigned inRatePerSecond);
    // Waits up to ten seconds for a window of another program with this title, and focuses it.
    bool showsWindow(const QString& inTitle);
    // Gives a window of this process the input, as a window manager or a pointer entering would.
    bool activate(QWidget& inWindow);

    // Holds inKey down for inFor while inWait passes the time; returns a time no later than the
    // press.
    Clock::time_point hold(const char* inKey, std::chrono::milliseconds inFor,
                           const Wait& inWait = waitHandlingEvents);
    // Taps inKeys one after another, with inModifier held down around them.
    void type(std::initializer_list<const char*> inKeys, const char* inModifier = nullptr);
    static void waitHandlingEvents(Clock::time_point inUntil);

    void movePointer(int inX, int inY);
    void button(bool inDown, unsigned inButton = 1); // 1 left, 2 middle, 3 right
    // Notches of the wheel, away from the user for a positive count.
    void wheel(int inNotches);

    // X alone: the keycode of a key, as Qt's native scan code gives it; a close as a window
    // manager's close button asks for it.
    unsigned keycode(const char* inKey);
    void close(const QString& inTitle);

private:
    void spawn(std::initializer_list<const char*> inArguments,
               const std::function<void()>& inChild);
    void disconnect();
    // Runs a helper program on it (xdotool, swaymsg, wtype) to its end, handling events, after
    // inWhileRunning has had it; what it printed.
    QByteArray run(const QString& inProgram, const QStringList& inArguments,
                   const std::function<void(QProcess&)>& inWhileRunning = {});
    // X alone.
    void key(const char* inKey, bool inDown);
    unsigned long findWindow(const QString& inTitle);
    // Wayland alone.
    void frame();
    Clock::time_point typeWithNewKeyboard(const QStringList& inKeys, const Wait& inWait = {},
                                          std::chrono::milliseconds inFor = {});

    int mPid = -1;
    // The environment that reaches it; an empty value is a variable unset. Empty when it could not
    // be started.
    std::vector<std::pair<QString, QString>> mSession;
    _XDisplay* mX = nullptr;
    QTemporaryDir mDir;
    wl_display* mWayland = nullptr;
    wl_proxy* mPointer = nullptr;
};
