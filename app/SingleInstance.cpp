#include "app/SingleInstance.h"

#include "app/SessionBusProbe.h"
#include "host/SystemLog.h"
#include "settings/Settings.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QFile>
#include <QWidget>

namespace {

// The desktop entry's id, as the desktop's D-Bus activation names an application.
constexpr char sObjectPath[] = "/io/github/usbtavro/USB_Tavro";
constexpr uint sDoNotQueue = 4;   // RequestName: fail at once when the name is taken
constexpr uint sPrimaryOwner = 1; // RequestName's reply when it is ours now
// An address of a transport libdbus does not have: the toolkit fails to connect at once.
constexpr char sNoBus[] = "disabled:";

const char* const sUnchecked = "another panel of this session is not looked for";

bool timedOut(const QDBusError& inError) {
    return inError.type() == QDBusError::NoReply || inError.type() == QDBusError::Timeout;
}

QString answerTime() {
    return QString("within %1 s").arg(SingleInstance::sAnswerWithin / 1000.0);
}

QDBusMessage askBus(const QDBusConnection& inBus, const QString& inMethod,
                    const QVariantList& inArguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", inMethod);
    call.setArguments(inArguments);
    return inBus.call(call, QDBus::Block, SingleInstance::sAnswerWithin);
}

// The name's owner as a person can find it: its process and program, and its bus name.
QString ownerText(const QDBusConnection& inBus, const QString& inOwner) {
    const QDBusMessage pid = askBus(inBus, "GetConnectionUnixProcessID", {inOwner});
    if (pid.type() != QDBusMessage::ReplyMessage || pid.arguments().isEmpty()) {
        return "bus name " + inOwner;
    }
    const QString process = pid.arguments().constFirst().toString();
    QFile comm("/proc/" + process + "/comm");
    const QString program =
        comm.open(QIODevice::ReadOnly) ? QString::fromUtf8(comm.readAll().trimmed()) : QString();
    return QString("process %1%2, bus name %3")
        .arg(process, program.isEmpty() ? QString() : " (" + program + ")", inOwner);
}

// Asks the name's owner, by its own bus name, to come forward; says in one line who it is when
// it does not.
bool askToComeForward(const QDBusConnection& inBus, const QString& inName) {
    const QDBusMessage owner = askBus(inBus, "GetNameOwner", {inName});
    const QString ownerName =
        owner.type() == QDBusMessage::ReplyMessage && !owner.arguments().isEmpty()
            ? owner.arguments().constFirst().toString()
            : inName;
    QDBusMessage activate = QDBusMessage::createMethodCall(
        ownerName, sObjectPath, "org.freedesktop.Application", "Activate");
    activate << QVariantMap();
    const QDBusMessage reply = inBus.call(activate, QDBus::Block, SingleInstance::sAnswerWithin);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        return true;
    }
    const QDBusError error(reply);
    host::systemLog("%s is held on the session bus by %s, which %s: not starting a second panel",
                    qUtf8Printable(inName), qUtf8Printable(ownerText(inBus, ownerName)),
                    qUtf8Printable(timedOut(error) ? "did not come forward " + answerTime()
                                                   : "would not come forward (" + error.name() +
                                                         ": " + error.message() + ")"));
    return false;
}

} // namespace

bool SingleInstance::hideSilentSessionBus() {
    const SessionBusProbe probe = probeSessionBus(std::chrono::milliseconds(sAnswerWithin));
    if (probe.state != SessionBusProbe::State::Silent) {
        return false;
    }
    host::systemLog("The session bus %s did not answer %s: starting without it, and %s",
                    qUtf8Printable(probe.address), qUtf8Printable(answerTime()), sUnchecked);
    qputenv("DBUS_SESSION_BUS_ADDRESS", sNoBus);
    return true;
}

SingleInstance::Start SingleInstance::claim() {
    if (mBusHidden) {
        return Start::Run;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        host::systemLog("No session bus (%s): %s", qUtf8Printable(bus.lastError().message()),
                        sUnchecked);
        return Start::Run;
    }
    const QString name = settings::sBundleIdentifier;
    const QDBusMessage requested = askBus(bus, "RequestName", {name, sDoNotQueue});
    if (requested.type() != QDBusMessage::ReplyMessage || requested.arguments().isEmpty()) {
        const QDBusError error(requested);
        host::systemLog(
            "The session bus did not give %s (%s): %s", qUtf8Printable(name),
            qUtf8Printable(timedOut(error) ? "no answer " + answerTime() : error.message()),
            sUnchecked);
        return Start::Run;
    }
    if (requested.arguments().constFirst().toUInt() == sPrimaryOwner) {
        bus.registerObject(sObjectPath, this, QDBusConnection::ExportScriptableSlots);
        return Start::Run;
    }

    return askToComeForward(bus, name) ? Start::CameForward : Start::Held;
}

void SingleInstance::Activate(const QVariantMap&) {
    if (mWindow == nullptr) {
        return;
    }
    mWindow->show();
    mWindow->raise();
    mWindow->activateWindow();
}
