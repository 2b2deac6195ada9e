#pragma once

#include "cli/Arguments.h"
#include "device/Backend.h"
#include "device/UdevRule.h"
#include "settings/Settings.h"

#include <QString>

#include <optional>
#include <ostream>

namespace cli {

using device::UdevRuleFiles;

inline constexpr int sExitDone = 0;
inline constexpr int sExitDevice = 1; // no transmitter, a device error, a file not written
inline constexpr int sExitUsage = 2;

// What the commands work with: the transmitters, the settings file the panel uses, and where
// their words go. Each problem that ends a command is one line on err.
struct Context {
    device::Backend& backend;
    QString settingsPath;
    UdevRuleFiles udevRule;
    std::ostream& out;
    std::ostream& err;
};

// The transmitter's state and the saved settings; sExitDevice when no transmitter is connected.
int status(Context& inContext);
// Checks the frequency against the band of the settings file, sends it with the stereo choice
// (the saved one unless given) and saves both, also when no transmitter could be tuned.
int tune(Context& inContext, const QString& inFrequencyText, const settings::Frequency& inFrequency,
         std::optional<bool> inStereo);
// What became of a tuning sent to the first transmitter that can be used: whether any was
// found, and why it could not be tuned (empty when it was).
struct Sent {
    bool found = false;
    QString problem;
};
Sent sendToFirstUsable(Context& inContext, const settings::Tuning& inTuning);
// Sends inTuning, which was saved as inWritten says, and says what became of both.
int sendSaved(Context& inContext, const settings::Tuning& inTuning,
              const settings::WriteResult& inWritten);
// Every transmitter plugged in; sExitDevice when none of them can be used.
int list(Context& inContext);
// Sends the saved settings, as the panel does, to the transmitter at inNode or to every one
// plugged in, and saves nothing. With inOnPlug, ApplyOnPlug false in the settings sends nothing.
// sExitDevice when there is no transmitter or one could not be sent to.
int apply(Context& inContext, const std::optional<QString>& inNode, bool inOnPlug);

// Runs the command of inInvocation, which asks for neither help nor the version.
int run(const Invocation& inInvocation, Context& inContext);

} // namespace cli
