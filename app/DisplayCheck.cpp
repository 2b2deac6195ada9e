#include "app/DisplayCheck.h"

#include <QCoreApplication>

#include <QFileInfo>
#include <QRegularExpression>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(usb_tavro_prefs)
};

// A local X display (":0", ":1.0") listens on a socket whose file can be checked; remote ones
// are left for the toolkit to try.
bool localX11SocketMissing(const QString& inDisplay) {
    static const QRegularExpression sLocal(R"(^(unix)?:(\d+)(\.\d+)?$)");
    const QRegularExpressionMatch match = sLocal.match(inDisplay);
    return match.hasMatch() && !QFileInfo::exists("/tmp/.X11-unix/X" + match.captured(2));
}

bool waylandSocketMissing(const QString& inDisplay) {
    const QString path = inDisplay.startsWith('/')
                             ? inDisplay
                             : qEnvironmentVariable("XDG_RUNTIME_DIR") + "/" + inDisplay;
    return !QFileInfo::exists(path);
}

} // namespace

QString displayProblem() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return {}; // the user chose the platform
    }
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString x11 = qEnvironmentVariable("DISPLAY");
    if (!wayland.isEmpty() && !waylandSocketMissing(wayland)) {
        return {};
    }
    if (!x11.isEmpty()) {
        return localX11SocketMissing(x11) ? Words::tr("the X display %1 is not running").arg(x11)
                                          : QString();
    }
    if (!wayland.isEmpty()) {
        return Words::tr("the Wayland display %1 is not running").arg(wayland);
    }
    return Words::tr("no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");
}
