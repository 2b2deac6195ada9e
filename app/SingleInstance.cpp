#include "app/SingleInstance.h"

#include "settings/Settings.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QWidget>

namespace {

// The desktop entry's id, as the desktop's D-Bus activation names an application.
constexpr char sObjectPath[] = "/io/github/usbtavro/USB_Tavro";

} // namespace

SingleInstance::SingleInstance() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    const QString name = settings::sBundleIdentifier;
    if (bus.registerService(name)) {
        bus.registerObject(sObjectPath, this, QDBusConnection::ExportScriptableSlots);
        return;
    }
    mAnother = true;
    QDBusMessage activate = QDBusMessage::createMethodCall(
        name, sObjectPath, "org.freedesktop.Application", "Activate");
    activate << QVariantMap();
    bus.call(activate, QDBus::Block, 5000);
}

void SingleInstance::Activate(const QVariantMap&) {
    if (mWindow == nullptr) {
        return;
    }
    mWindow->show();
    mWindow->raise();
    mWindow->activateWindow();
}
