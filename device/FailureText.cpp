#include "device/FailureText.h"

#include <cstring>

namespace device {

QString transmitterText(const std::string& inNode) {
    return inNode.empty() ? QString("the transmitter")
                          : "the transmitter at " + QString::fromStdString(inNode);
}

QString failureText(const Failure& inFailure, const UdevRuleFiles& inUdevRule) {
    const QString transmitter = transmitterText(inFailure.node);
    if (inFailure.status == kIOReturnNotPrivileged) {
        return QString("no permission to write to %1: %2")
            .arg(transmitter, udevRuleAdvice(inUdevRule));
    }
    const QString system = QString::fromLocal8Bit(std::strerror(inFailure.error));
    QString what;
    switch (inFailure.cause) {
    case Failure::Cause::OpenFailed:
        what = QString("%1 could not be opened (%2)").arg(transmitter, system);
        break;
    case Failure::Cause::WriteFailed:
        what = QString("%1 did not take the setting (%2)").arg(transmitter, system);
        break;
    case Failure::Cause::CloseFailed:
        what = QString("%1 could not be closed after the setting (%2)").arg(transmitter, system);
        break;
    case Failure::Cause::Unplugged:
        what = transmitter + " was unplugged during the write";
        break;
    case Failure::Cause::HeldPastLimit:
        what = transmitter + " did not take the setting in time: the kernel held the write past "
                             "the time limit";
        break;
    case Failure::Cause::HeldEarlier:
        what = transmitter + " is still busy with an earlier setting that the kernel holds";
        break;
    case Failure::Cause::Unknown:
        what =
            QString::asprintf("%s could not be reached (result %08x)", qUtf8Printable(transmitter),
                              static_cast<unsigned>(inFailure.status));
        break;
    }
    // What can be done, where something can.
    if (inFailure.status == kIOReturnNoDevice) {
        return what + ": plug it in again";
    }
    if (inFailure.status == kIOReturnExclusiveAccess) {
        return what + ": close the program that holds it";
    }
    return what;
}

} // namespace device
