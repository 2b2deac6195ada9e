// The Wayland back end of DisplayServer.
#include "support/DisplayServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QWidget>

#include <wayland-client.h>

#include <linux/input-event-codes.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The compositor's virtual-pointer interfaces, as its protocol defines their requests.
const wl_interface* sNoTypes[5] = {};
const wl_message sPointerRequests[] = {
    {"motion", "uff", sNoTypes},   {"motion_absolute", "uuuuu", sNoTypes},
    {"button", "uuu", sNoTypes},   {"axis", "uuf", sNoTypes},
    {"frame", "", sNoTypes},       {"axis_source", "u", sNoTypes},
    {"axis_stop", "uu", sNoTypes}, {"axis_discrete", "uufi", sNoTypes},
};
const wl_interface sPointerInterface = {"zwlr_virtual_pointer_v1", 1, 8,
                                        sPointerRequests,          0, nullptr};
const wl_interface* sCreateTypes[] = {&wl_seat_interface, &sPointerInterface};
const wl_message sManagerRequests[] = {{"create_virtual_pointer", "?on", sCreateTypes}};
const wl_interface sManagerInterface = {
    "zwlr_virtual_pointer_manager_v1", 1, 1, sManagerRequests, 0, nullptr};
constexpr uint32_t sMotionAbsolute = 1, sButton = 2, sFrame = 4, sAxisSource = 5, sAxisDiscrete = 7;

struct Globals {
    wl_proxy* seat = nullptr;
    wl_proxy* manager = nullptr;
    bool output = false;
};
const wl_registry_listener sRegistryListener = {
    [](void* inData, wl_registry* inRegistry, uint32_t inName, const char* inInterface, uint32_t) {
        auto* globals = static_cast<Globals*>(inData);
        const auto bind = [&](const wl_interface* inAs) {
            return static_cast<wl_proxy*>(wl_registry_bind(inRegistry, inName, inAs, 1));
        };
        if (std::strcmp(inInterface, "wl_seat") == 0 && globals->seat == nullptr) {
            globals->seat = bind(&wl_seat_interface);
        } else if (std::strcmp(inInterface, sManagerInterface.name) == 0) {
            globals->manager = bind(&sManagerInterface);
        }
        globals->output |= std::strcmp(inInterface, "wl_output") == 0;
    },
    [](void*, wl_registry*, uint32_t) {
    }};

uint32_t now() {
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

// A virtual pointer of the compositor's on inDisplay, once it has its output; none if it has no
// such pointers.
wl_proxy* connectPointer(wl_display* inDisplay) {
    Globals globals;
    wl_registry* registry = wl_display_get_registry(inDisplay);
    wl_registry_add_listener(registry, &sRegistryListener, &globals);
    // The output comes once the compositor has started its backend.
    for (int tries = 0; tries < 500 && !(globals.output && globals.manager != nullptr); ++tries) {
        if (wl_display_roundtrip(inDisplay) < 0) {
            break;
        }
        QThread::msleep(10);
    }
    wl_proxy* pointer = nullptr;
    if (globals.manager != nullptr && globals.seat != nullptr && globals.output) {
        pointer = wl_proxy_marshal_flags(globals.manager, 0, &sPointerInterface, 1, 0, globals.seat,
                                         nullptr);
        wl_display_roundtrip(inDisplay);
    }
    // The pointer lives on in the compositor without them, and goes with the connection.
    for (wl_proxy* proxy : {globals.manager, globals.seat}) {
        if (proxy != nullptr) {
            wl_proxy_destroy(proxy);
        }
    }
    wl_registry_destroy(registry);
    return pointer;
}

} // namespace

const char* const DisplayServer::sMissing =
    "sway could not be started (Debian packages sway, wtype)";

DisplayServer::DisplayServer() {
    // The compositor's user passes through this folder to its config and its own runtime
    // folder; the clients' runtime folder is this process's user's.
    const QString own = mDir.filePath("compositor"), clients = mDir.filePath("client");
    // sway will not run as root: under root it runs as nobody.
    const passwd* nobody = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
    const uid_t uid = nobody != nullptr ? nobody->pw_uid : ::getuid();
    const gid_t gid = nobody != nullptr ? nobody->pw_gid : ::getgid();
    const QByteArray ownPath = QFile::encodeName(own);
    if (!mDir.isValid() || ::chmod(QFile::encodeName(mDir.path()), 0711) != 0 ||
        !QDir().mkpath(own) || !QDir().mkpath(clients) ||
        ::chmod(QFile::encodeName(clients), 0700) != 0 || ::chmod(ownPath, 0700) != 0 ||
        ::chown(ownPath, uid, gid) != 0) {
        std::fprintf(stderr, "no folder for the compositor: %s\n", std::strerror(errno));
        return;
    }
    QFile config(mDir.filePath("config"));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write("xwayland disable\n"
                     "output * resolution 1024x768 position 0 0\n"
                     "default_border none\n"
                     "default_floating_border none\n"
                     "for_window [title=\".*\"] floating enable, move position 0 0\n") < 0) {
        return;
    }
    config.close();
    config.setPermissions(config.permissions() | QFile::ReadOther);
    const QByteArray configPath = QFile::encodeName(config.fileName());

    spawn({"sway", "-c", configPath.constData()}, [&] {
        if (nobody != nullptr &&
            (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)) {
            ::_exit(126);
        }
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
        for (const auto& [name, value] : {std::pair{"WLR_BACKENDS", QByteArray("headless")},
                                          {"WLR_LIBINPUT_NO_DEVICES", "1"},
                                          {"WLR_RENDERER", "pixman"},
                                          {"XDG_RUNTIME_DIR", ownPath},
                                          {"SWAYSOCK", ownPath + "/ipc"},
                                          {"HOME", ownPath}}) {
            ::setenv(name, value.constData(), 1);
        }
    });
    // Connected once its socket listens; the round trips after wait for its loop to run.
    QString socket;
    for (int tries = 0; mPid > 0 && mWayland == nullptr && tries < 1000; ++tries) {
        if (int status = 0; ::waitpid(mPid, &status, WNOHANG) != 0) {
            std::fprintf(stderr, "sway ended at its start, status %d\n", status);
            mPid = -1;
            return;
        }
        if (const QStringList sockets = QDir(own).entryList({"wayland-*"}, QDir::System);
            !sockets.isEmpty()) {
            socket = QDir(own).filePath(sockets.constFirst());
            mWayland = wl_display_connect(QFile::encodeName(socket).constData());
        }
        QThread::msleep(10);
    }
    if (mWayland == nullptr || (mPointer = connectPointer(mWayland)) == nullptr) {
        std::fprintf(stderr, "sway %s\n",
                     mWayland == nullptr ? "made no socket" : "has no virtual pointer");
        return;
    }
    mSession = {{"WAYLAND_DISPLAY", socket},
                {"XDG_SESSION_TYPE", "wayland"},
                {"DISPLAY", ""},
                {"XDG_RUNTIME_DIR", clients},
                {"QT_QPA_PLATFORM", "wayland"}};
}

void DisplayServer::disconnect() {
    if (mWayland != nullptr) {
        wl_display_disconnect(mWayland);
    }
}

void DisplayServer::frame() {
    wl_proxy_marshal_flags(mPointer, sFrame, nullptr, 1, 0);
    wl_display_roundtrip(mWayland); // the compositor has taken what was sent
}

QByteArray DisplayServer::run(const QString& inProgram, const QStringList& inArguments,
                              const Wait& inWait, Clock::time_point inUntil) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SWAYSOCK", mDir.filePath("compositor/ipc"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(inProgram, inArguments);
    if (inWait) {
        inWait(inUntil);
    }
    while (!process.waitForFinished(1) && process.state() != QProcess::NotRunning) {
        QCoreApplication::processEvents();
    }
    return process.readAllStandardOutput();
}

bool DisplayServer::showsWindow(const QString& inTitle) {
    const QByteArray named = "\"name\": \"" + inTitle.toUtf8() + "\"";
    for (int tries = 0; tries < 200; ++tries) {
        if (run("swaymsg", {"-t", "get_tree"}).contains(named)) {
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

bool DisplayServer::activate(QWidget& inWindow) {
    // Shown, a window is not yet the compositor's: it takes input once the pointer, left where
    // the window comes, enters it.
    const QPoint middle = inWindow.mapToGlobal(inWindow.rect().center());
    movePointer(middle.x(), middle.y());
    return QTest::qWaitFor([&] { return inWindow.underMouse(); });
}

void DisplayServer::setKeyRepeat(unsigned inDelayMs, unsigned inRatePerSecond) {
    run("swaymsg", {QString("input type:keyboard repeat_delay %1; "
                            "input type:keyboard repeat_rate %2")
                        .arg(inDelayMs)
                        .arg(inRatePerSecond)});
}

// The compositor takes a new keyboard's first press for a key held before the window had the
// focus: a Shift goes first. Qt activates the window a round trip after the keyboard comes, and
// a window's shortcuts wait for that: a pause goes after it, as a person's would.
const QStringList sNewKeyboard = {"-k", "Shift_L", "-s", "100"};

DisplayServer::Clock::time_point
DisplayServer::hold(const char* inKey, std::chrono::milliseconds inFor, const Wait& inWait) {
    // The keyboard stays a moment after the release, as a real one does: its going takes the
    // focus from the window, which would end a repeat the release failed to end.
    const auto pressed = Clock::now() + std::chrono::milliseconds(100); // the new keyboard's pause
    run("wtype",
        sNewKeyboard + QStringList{"-P", inKey, "-s", QString::number(inFor.count()), "-p", inKey,
                                   "-s", "250"},
        inWait, pressed + inFor + std::chrono::milliseconds(250));
    // A keyboard coming within a round trip of the last one's going leaves the window inactive
    // in Qt: the next comes a moment later.
    QTest::qWait(100);
    return pressed;
}

void DisplayServer::type(std::initializer_list<const char*> inKeys, const char* inModifier) {
    // wtype's name for a modifier: "ctrl" for "Control_L", "alt" for "Alt_L".
    const QString modifier =
        QString(inModifier).section('_', 0, 0).toLower().replace("ontrol", "trl");
    QStringList arguments = sNewKeyboard;
    for (const char* each : inKeys) {
        arguments << "-k" << each;
    }
    if (inModifier != nullptr) {
        arguments = sNewKeyboard + QStringList{"-M", modifier} + arguments.mid(4) +
                    QStringList{"-m", modifier};
    }
    run("wtype", arguments);
    QTest::qWait(100);
}

void DisplayServer::movePointer(int inX, int inY) {
    wl_proxy_marshal_flags(mPointer, sMotionAbsolute, nullptr, 1, 0, now(),
                           static_cast<uint32_t>(inX), static_cast<uint32_t>(inY), 1024u, 768u);
    frame();
}

void DisplayServer::button(bool inDown, unsigned inButton) {
    static constexpr uint32_t sCodes[] = {BTN_LEFT, BTN_MIDDLE, BTN_RIGHT};
    wl_proxy_marshal_flags(mPointer, sButton, nullptr, 1, 0, now(), sCodes[inButton - 1],
                           inDown ? WL_POINTER_BUTTON_STATE_PRESSED
                                  : WL_POINTER_BUTTON_STATE_RELEASED);
    frame();
}

void DisplayServer::wheel(int inNotches) {
    // Wayland counts toward the user; a notch is 15 units, as libinput gives a wheel's.
    const int toward = inNotches > 0 ? -1 : 1;
    for (int i = 0; i < std::abs(inNotches); ++i) {
        wl_proxy_marshal_flags(mPointer, sAxisSource, nullptr, 1, 0, WL_POINTER_AXIS_SOURCE_WHEEL);
        wl_proxy_marshal_flags(mPointer, sAxisDiscrete, nullptr, 1, 0, now(),
                               WL_POINTER_AXIS_VERTICAL_SCROLL, wl_fixed_from_int(15 * toward),
                               toward);
        frame();
    }
}
