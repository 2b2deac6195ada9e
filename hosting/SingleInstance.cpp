#include "hosting/SingleInstance.h"

#include "host/SystemLog.h"
#include "hosting/SessionBusProbe.h"
#include "settings/Settings.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QFile>
#include <QWidget>

#include <algorithm>

namespace {

// The desktop entry's id, as the desktop's D-Bus activation names an application.
constexpr char sObjectPath[] = "/io/github/usbtavro/USB_Tavro";
constexpr uint sDoNotQueue = 4;   // RequestName: fail at once when the name is taken
constexpr uint sPrimaryOwner = 1; // RequestName's reply when it is ours now
// An address of a transport libdbus does not have: the toolkit fails to connect at once.
constexpr char sNoBus[] = "disabled:";

const char* const sUnchecked = "another panel is looked for by its lock alone";
// The keys of the activation's platform data, as the desktop's applications send them.
constexpr char sActivationToken[] = "activation-token";
constexpr char sStartupId[] = "desktop-startup-id";

bool timedOut(const QDBusError& inError) {
    return inError.type() == QDBusError::NoReply || inError.type() == QDBusError::Timeout;
}

QString answerTime() {
    return QString("within %1 s").arg(SingleInstance::sAnswerWithin / 1000.0);
}

// What is left of the start's time on the bus, as a call's timeout (which must not be 0: that
// would be libdbus's own 25 s).
int timeLeft(const QDeadlineTimer& inDeadline) {
    return std::max(1, static_cast<int>(inDeadline.remainingTime()));
}

QDBusMessage askBus(const QDBusConnection& inBus, const QString& inMethod,
                    const QVariantList& inArguments, const QDeadlineTimer& inDeadline) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", inMethod);
    call.setArguments(inArguments);
    return inBus.call(call, QDBus::Block, timeLeft(inDeadline));
}

// The name's owner as a person can find it: its process and program, and its bus name.
QString ownerText(const QDBusConnection& inBus, const QString& inOwner,
                  const QDeadlineTimer& inDeadline) {
    const QDBusMessage pid = askBus(inBus, "GetConnectionUnixProcessID", {inOwner}, inDeadline);
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

// Asks the name's owner, by its own bus name, to come forward; says in one line who it is, and
// whether it did.
bool askToComeForward(const QDBusConnection& inBus, const QString& inName,
                      const QVariantMap& inPlatformData, const QDeadlineTimer& inDeadline,
                      QString& outLine) {
    const QDBusMessage owner = askBus(inBus, "GetNameOwner", {inName}, inDeadline);
    const QString ownerName =
        owner.type() == QDBusMessage::ReplyMessage && !owner.arguments().isEmpty()
            ? owner.arguments().constFirst().toString()
            : inName;
    // Asked of the bus before the owner, which may take all the time there is.
    const QString who = ownerText(inBus, ownerName, inDeadline);
    QDBusMessage activate = QDBusMessage::createMethodCall(
        ownerName, sObjectPath, "org.freedesktop.Application", "Activate");
    activate << inPlatformData;
    const QDBusMessage reply = inBus.call(activate, QDBus::Block, timeLeft(inDeadline));
    if (reply.type() == QDBusMessage::ReplyMessage) {
        outLine =
            QString("A panel is open in this session already (%1): brought it forward").arg(who);
        return true;
    }
    const QDBusError error(reply);
    outLine = QString("%1 is held on the session bus by %2, which %3: not starting a second panel")
                  .arg(inName, who,
                       timedOut(error) ? "did not come forward " + answerTime()
                                       : "would not come forward (" + error.name() + ": " +
                                             error.message() + ")");
    return false;
}

} // namespace

QString SingleInstance::hideSilentSessionBus(const QDeadlineTimer& inDeadline) {
    const SessionBusProbe probe =
        probeSessionBus(std::chrono::milliseconds(inDeadline.remainingTime()));
    if (probe.state != SessionBusProbe::State::Silent) {
        return {};
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", sNoBus);
    return QString("The session bus %1 did not answer %2: starting without it, and %3")
        .arg(probe.address, answerTime(), sUnchecked);
}

QVariantMap SingleInstance::platformData() {
    QVariantMap data;
    for (const auto& [variable, key] : {std::pair{"XDG_ACTIVATION_TOKEN", sActivationToken},
                                        {"DESKTOP_STARTUP_ID", sStartupId}}) {
        if (const QString token = qEnvironmentVariable(variable); !token.isEmpty()) {
            data.insert(key, token);
        }
    }
    return data;
}

SingleInstance::Start SingleInstance::claim() {
    const Start onBus = claimOnBus();
    return onBus == Start::Run ? takeLock() : onBus;
}

// What kept the bus from telling is said once this panel is known to run: a start that is kept
// out says only why.
SingleInstance::Start SingleInstance::takeLock() {
    mLock.emplace();
    if (mLock->state() != InstanceLock::State::Taken && !mBusNote.isEmpty()) {
        host::systemLog("%s", qUtf8Printable(mBusNote));
    }
    switch (mLock->state()) {
    case InstanceLock::State::Held:
        break;
    case InstanceLock::State::Taken:
        host::systemLog("Another panel is open (%s holds %s): not starting a second",
                        qUtf8Printable(mLock->holder() > 0
                                           ? QString("process %1").arg(mLock->holder())
                                           : QString("a process")),
                        qUtf8Printable(mLock->path()));
        return Start::Held;
    case InstanceLock::State::Failed:
        host::systemLog("No lock to keep a second panel out (%s)",
                        qUtf8Printable(mLock->problem()));
        break;
    }
    return Start::Run;
}

SingleInstance::Start SingleInstance::claimOnBus() {
    if (!mBusNote.isEmpty()) {
        return Start::Run; // hidden from the toolkit
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        mBusNote = QString("No session bus (%1): %2").arg(bus.lastError().message(), sUnchecked);
        return Start::Run;
    }
    const QString name = settings::sBundleIdentifier;
    const QDBusMessage requested = askBus(bus, "RequestName", {name, sDoNotQueue}, mDeadline);
    if (requested.type() != QDBusMessage::ReplyMessage || requested.arguments().isEmpty()) {
        const QDBusError error(requested);
        mBusNote = QString("The session bus did not give %1 (%2): %3")
                       .arg(name, timedOut(error) ? "no answer " + answerTime() : error.message(),
                            sUnchecked);
        return Start::Run;
    }
    if (requested.arguments().constFirst().toUInt() == sPrimaryOwner) {
        mOwnsName = true;
        bus.registerObject(sObjectPath, this, QDBusConnection::ExportScriptableSlots);
        return Start::Run;
    }

    QString said;
    const bool cameForward = askToComeForward(bus, name, mPlatformData, mDeadline, said);
    host::systemLog("%s", qUtf8Printable(said));
    return cameForward ? Start::CameForward : Start::Held;
}

// A panel that ends with its process lets go of the name with its connection; one hosted by
// another program (a settings application) gives it back, as that connection goes on.
SingleInstance::~SingleInstance() {
    mLock.reset(); // first: a start that sees the name go finds the lock free
    if (mOwnsName) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(sObjectPath);
        askBus(bus, "ReleaseName", {QString(settings::sBundleIdentifier)},
               QDeadlineTimer(sAnswerWithin));
    }
}

void SingleInstance::Activate(const QVariantMap& inPlatformData) {
    const QString token = inPlatformData.value(sActivationToken).toString();
    host::systemLog(
        "Another start asked this panel to come forward%s",
        qUtf8Printable(token.isEmpty() ? QString() : " with the activation token " + token));
    if (mWindow == nullptr) {
        return;
    }
    mWindow->show();
    mWindow->raise();
    // A Wayland compositor brings the window forward for the token alone: the toolkit takes it
    // from the environment as the window asks.
    if (!token.isEmpty()) {
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    }
    mWindow->activateWindow();
    qunsetenv("XDG_ACTIVATION_TOKEN");
}
