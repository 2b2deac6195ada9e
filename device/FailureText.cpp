#include "device/FailureText.h"

#include <cstring>

namespace device {

namespace {

using Cause = Failure::Cause;

// What can be done about a status, after a colon; nothing where nothing helps.
QString advice(IOReturn inStatus) {
    switch (inStatus) {
    case kIOReturnNoDevice:
        return "plug it in again";
    case kIOReturnExclusiveAccess:
        return "close the program that holds it";
    default:
        return {};
    }
}

QString systemMessage(int inError) {
    return QString::fromLocal8Bit(std::strerror(inError));
}

// What happened, without the advice.
QString happened(const Failure& inFailure, const QString& inTransmitter) {
    switch (inFailure.cause) {
    case Cause::OpenFailed:
        return QString("%1 could not be opened (%2)")
            .arg(inTransmitter, systemMessage(inFailure.error));
    case Cause::WriteFailed:
        return QString("%1 did not take the setting (%2)")
            .arg(inTransmitter, systemMessage(inFailure.error));
    case Cause::CloseFailed:
        return QString("%1 could not be closed after the setting (%2)")
            .arg(inTransmitter, systemMessage(inFailure.error));
    case Cause::Unplugged:
        return inTransmitter + " was unplugged during the write";
    case Cause::HeldPastLimit:
        return inTransmitter + " did not take the setting in time: the kernel held the write past "
                               "the time limit";
    case Cause::HeldEarlier:
        return inTransmitter + " is still busy with an earlier setting that the kernel holds";
    case Cause::Unknown:
        break;
    }
    switch (inFailure.status) {
    case kIOReturnNoDevice:
        return inTransmitter + " went away";
    case kIOReturnExclusiveAccess:
        return inTransmitter + " is in use by another program";
    case kIOReturnTimeout:
        return inTransmitter + " did not answer in time";
    case kIOReturnBusy:
        return inTransmitter + " is still busy with an earlier setting";
    default:
        return QString::asprintf("%s could not be reached (result %08x)",
                                 qUtf8Printable(inTransmitter),
                                 static_cast<unsigned>(inFailure.status));
    }
}

} // namespace

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
    const QString what = happened(inFailure, transmitter);
    const QString todo =
        inFailure.cause == Cause::Unplugged ? advice(kIOReturnNoDevice) : advice(inFailure.status);
    return todo.isEmpty() ? what : what + ": " + todo;
}

} // namespace device
