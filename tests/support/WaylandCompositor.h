#pragma once

#include <QStringList>
#include <QTemporaryDir>

#include <chrono>

struct wl_display;
struct wl_proxy;

// A headless Wayland compositor of the test's own: sway in a folder of its own, with its own
// socket and a floating window at the top left of a 1024x768 output. Keys come through wtype's
// virtual keyboard, the pointer through a virtual pointer of this object's own connection.
class WaylandCompositor {
public:
    WaylandCompositor();
    ~WaylandCompositor();
    WaylandCompositor(const WaylandCompositor&) = delete;
    WaylandCompositor& operator=(const WaylandCompositor&) = delete;

    // The one a test program runs its windows on (see window_gtest_main.cpp).
    static WaylandCompositor& current() { return *sCurrent; }
    static inline WaylandCompositor* sCurrent = nullptr;
    static constexpr const char* sMissing =
        "sway could not be started (Debian packages sway, wtype)";

    // Points this process's clients to it (WAYLAND_DISPLAY, XDG_RUNTIME_DIR, QT_QPA_PLATFORM);
    // false when sway could not be started.
    bool exportTo() const;

    // Waits up to ten seconds for a window with this title; the compositor focuses it.
    bool waitForWindow(const QString& inTitle);
    // As a desktop's keyboard settings set it: the first repeat after inDelay, then inRate a
    // second. Each keyboard the compositor gets afterwards has it.
    void setKeyRepeat(unsigned inDelayMs, unsigned inRatePerSecond);
    // wtype's options ("-M", "ctrl", "-k", "p"), typed on a new virtual keyboard while this
    // process goes on handling its events.
    void type(const QStringList& inKeys);
    void hold(const QString& inKey, std::chrono::milliseconds inFor);

    void movePointer(int inX, int inY);
    void button(bool inDown); // the left one
    // Notches of the wheel, away from the user for a positive count.
    void wheel(int inNotches);

private:
    QByteArray run(const QString& inProgram, const QStringList& inArguments);
    bool connectPointer();
    void frame(); // ends a pointer event, waiting until the compositor has taken it
    QString clientRuntimeDir() const { return mDir.filePath("client"); }

    QTemporaryDir mDir;
    QString mSocket;
    int mPid = -1;
    wl_display* mDisplay = nullptr;
    wl_proxy* mPointer = nullptr;
};
