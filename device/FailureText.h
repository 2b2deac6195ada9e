#pragma once

#include "device/Failure.h"
#include "device/UdevRule.h"

#include <QString>

namespace device {

// What went wrong, as one sentence for a person, starting in lower case and without a full
// stop: what happened to which transmitter, the system's own message for a failed system call,
// and what to do where something can be done. The status's code only when nothing explains it.
QString failureText(const Failure& inFailure, const UdevRuleFiles& inUdevRule);

// "the transmitter at /dev/hidraw0", or without a node "the transmitter".
QString transmitterText(const std::string& inNode);

} // namespace device
