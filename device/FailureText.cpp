#include "device/FailureText.h"

#include "host/SystemLog.h"

#include <QCoreApplication>

namespace device {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Failure)
};

} // namespace

QString transmitterText(const std::string& inNode) {
    return inNode.empty() ? Words::tr("the transmitter")
                          : Words::tr("the transmitter at %1").arg(QString::fromStdString(inNode));
}

QString failureText(const Failure& inFailure, const UdevRuleFiles& inUdevRule) {
    const QString transmitter = transmitterText(inFailure.node);
    if (inFailure.status == kIOReturnNotPrivileged) {
        return Words::tr("no permission to write to %1: %2")
            .arg(transmitter, udevRuleAdvice(inUdevRule));
    }
    const QString system = host::systemMessage(inFailure.error);
    QString what;
    switch (inFailure.cause) {
    case Failure::Cause::OpenFailed:
        what = Words::tr("%1 could not be opened (%2)").arg(transmitter, system);
        break;
    case Failure::Cause::WriteFailed:
        what = Words::tr("%1 did not take the setting (%2)").arg(transmitter, system);
        break;
    case Failure::Cause::CloseFailed:
        what = Words::tr("%1 could not be closed after the setting (%2)").arg(transmitter, system);
        break;
    case Failure::Cause::Unplugged:
        what = Words::tr("%1 was unplugged during the write").arg(transmitter);
        break;
    case Failure::Cause::HeldPastLimit:
        what = Words::tr("%1 did not take the setting in time: the kernel held the write past the "
                         "time limit")
                   .arg(transmitter);
        break;
    case Failure::Cause::HeldEarlier:
        what = Words::tr("%1 is still busy with an earlier setting that the kernel holds")
                   .arg(transmitter);
        break;
    case Failure::Cause::Unknown:
        what = Words::tr("%1 could not be reached (result %2)")
                   .arg(transmitter,
                        QString::asprintf("%08x", static_cast<unsigned>(inFailure.status)));
        break;
    }
    // What can be done, where something can.
    if (inFailure.status == kIOReturnNoDevice) {
        return Words::tr("%1: plug it in again").arg(what);
    }
    if (inFailure.status == kIOReturnExclusiveAccess) {
        return Words::tr("%1: close the program that holds it").arg(what);
    }
    return what;
}

} // namespace device
