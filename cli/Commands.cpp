#include "cli/Commands.h"

#include "cli/Output.h"
#include "cli/SettingsCommands.h"
#include "device/FailureText.h"
#include "device/TuningReport.h"
#include "settings/Settings.h"

#include <algorithm>
#include <thread>

namespace cli {

namespace {

using Clock = std::chrono::steady_clock;
using Found = std::vector<device::Transmitter>;

// The settings panel always sends this power level.
constexpr SInt32 sPower = 1;
constexpr std::chrono::milliseconds sReportLimit{sReportTimeoutMS};
// The seat's access to a node that has just appeared lands a moment after it.
constexpr std::chrono::milliseconds sAccessWait{1000};
constexpr std::chrono::milliseconds sAccessRetry{25};

const device::Transmitter* firstUsable(const Found& inFound) {
    const auto usable = std::find_if(inFound.begin(), inFound.end(),
                                     [](const auto& t) { return !t.access.failed(); });
    return usable == inFound.end() ? nullptr : &*usable;
}

// Why no transmitter can be used, in one sentence: the one the panel would take up otherwise.
QString unusableProblem(const Found& inFound, const UdevRuleFiles& inUdevRule) {
    return inFound.empty() ? Words::tr("no transmitter found")
                           : device::failureText(inFound.front().access, inUdevRule);
}

// Sends inReport, again while the seat's access has not reached the node, until inDeadline.
device::Failure sendWhenWritable(device::Backend& inBackend, const device::Transmitter& inTo,
                                 const TuningReport& inReport, Clock::time_point inDeadline) {
    device::Failure sent = inBackend.send(inTo, inReport, sReportLimit);
    while (sent.status == kIOReturnNotPrivileged && Clock::now() < inDeadline) {
        std::this_thread::sleep_for(sAccessRetry);
        sent = inBackend.send(inTo, inReport, sReportLimit);
    }
    return sent;
}

} // namespace

int status(Context& inContext) {
    const Found found = inContext.backend.transmitters();
    const device::Transmitter* chosen = firstUsable(found);
    const settings::Contents contents = settings::read(inContext.settingsPath);
    const settings::Stored& stored = contents.stored;

    StatusReport report;
    if (chosen != nullptr) {
        const QString version = hardwareVersionText(chosen->hardwareVersion);
        report.transmitter = chosen->node.empty()
                                 ? Words::tr("connected, hardware version %1").arg(version)
                                 : Words::tr("connected at %1, hardware version %2")
                                       .arg(QString::fromStdString(chosen->node), version);
    } else if (found.empty()) {
        report.transmitter = Words::tr("none found");
    } else {
        const device::Transmitter& first = found.front();
        const QString version = hardwareVersionText(first.hardwareVersion);
        report.transmitter =
            first.node.empty()
                ? Words::tr("found (hardware version %1), not connected").arg(version)
                : Words::tr("found at %1 (hardware version %2), not connected")
                      .arg(QString::fromStdString(first.node), version);
    }
    // What the panel starts with when the file lacks a key.
    report.stored = stored;
    report.settingsPath = inContext.settingsPath;
    const QString aside = settings::keptAsidePath(inContext.settingsPath, contents.state);
    if (contents.state == settings::FileState::Unreadable) {
        report.settingsNote =
            Words::tr("could not be read; the next save keeps it as %1").arg(aside);
    } else if (contents.state == settings::FileState::Unkeepable) {
        report.settingsNote = Words::tr("holds a value that cannot be written back as it is; the "
                                        "next save keeps it as it was as %1")
                                  .arg(aside);
    }
    writeStatus(inContext.out, report);

    if (chosen == nullptr) {
        writeProblem(inContext.err, unusableProblem(found, inContext.udevRule));
        return sExitDevice;
    }
    return sExitDone;
}

Sent sendToFirstUsable(Context& inContext, const settings::Tuning& inTuning) {
    const Found found = inContext.backend.transmitters();
    const device::Transmitter* usable = firstUsable(found);
    if (usable == nullptr) {
        return {!found.empty(), unusableProblem(found, inContext.udevRule)};
    }
    const device::Failure sent = inContext.backend.send(
        *usable, *tuningReport(inTuning.frequency, sPower, inTuning.stereo), sReportLimit);
    return {true, sent.failed() ? device::failureText(sent, inContext.udevRule) : QString()};
}

int sendSaved(Context& inContext, const settings::Tuning& inTuning,
              const settings::WriteResult& inWritten) {
    const QString setting = settings::settingText(inTuning.frequency, inTuning.stereo);
    const QString problem = sendToFirstUsable(inContext, inTuning).problem;
    const bool saved = inWritten.saved();
    // A file kept aside is logged by the settings module, on standard error too.
    if (problem.isEmpty() && saved) {
        writeLine(inContext.out, Words::tr("Tuned to %1.").arg(setting));
        return sExitDone;
    }
    if (problem.isEmpty()) {
        writeProblem(inContext.err, Words::tr("tuned to %1, but the settings file %2 could not be "
                                              "written: %3")
                                        .arg(setting, inContext.settingsPath, inWritten.problem));
    } else if (saved) {
        writeProblem(inContext.err,
                     Words::tr("%1; saved %2, for the settings panel").arg(problem, setting));
    } else {
        writeProblem(inContext.err,
                     Words::tr("%1; the settings file %2 could not be written either: %3")
                         .arg(problem, inContext.settingsPath, inWritten.problem));
    }
    return sExitDevice;
}

int tune(Context& inContext, const QString& inFrequencyText, const settings::Frequency& inFrequency,
         std::optional<bool> inStereo) {
    // Read, checked and saved under the settings lock, so that no save of the panel's comes
    // between; sent after, which may take a second.
    QString why;
    settings::Tuning tuning;
    const settings::WriteResult written =
        settings::change(inContext.settingsPath, [&](host::Dictionary& ioDict) {
            const settings::Stored stored = settings::fromDictionary(ioDict);
            why = tuneRefusal(inContext, stored, inFrequencyText, inFrequency);
            if (!why.isEmpty()) {
                return false;
            }
            tuning = {static_cast<SInt32>(inFrequency.hertz / 1000),
                      inStereo.value_or(stored.stereo.value_or(settings::sDefaultStereo))};
            ioDict.setLong(settings::sFrequencyKey, tuning.frequency);
            ioDict.setBool(settings::sStereoKey, tuning.stereo);
            return true;
        });
    if (!why.isEmpty()) {
        writeProblem(inContext.err, why);
        return sExitUsage;
    }
    return sendSaved(inContext, tuning, written);
}

int list(Context& inContext) {
    const Found found = inContext.backend.transmitters();
    if (found.empty()) {
        writeProblem(inContext.err, unusableProblem(found, inContext.udevRule));
        return sExitDevice;
    }
    const device::Transmitter* unusable = nullptr;
    for (const device::Transmitter& transmitter : found) {
        QString line = Words::tr("%1  hardware version %2")
                           .arg(transmitter.node.empty() ? Words::tr("(no device node)")
                                                         : QString::fromStdString(transmitter.node),
                                hardwareVersionText(transmitter.hardwareVersion));
        if (transmitter.access.status == kIOReturnNotPrivileged) {
            line = Words::tr("%1  (no permission to write to it)").arg(line);
        } else if (transmitter.access.failed()) {
            line = Words::tr("%1  (cannot be used)").arg(line);
        }
        writeLine(inContext.out, line);
        if (transmitter.access.failed() && unusable == nullptr) {
            unusable = &transmitter;
        }
    }
    if (unusable != nullptr) {
        writeProblem(inContext.err, device::failureText(unusable->access, inContext.udevRule));
    }
    return firstUsable(found) != nullptr ? sExitDone : sExitDevice;
}

int apply(Context& inContext, const std::optional<QString>& inNode, bool inOnPlug) {
    const settings::Contents contents = settings::read(inContext.settingsPath);
    if (contents.state == settings::FileState::Unreadable) {
        writeProblem(inContext.err,
                     Words::tr("the settings file %1 could not be read: nothing sent")
                         .arg(inContext.settingsPath));
        return sExitDevice;
    }
    const settings::Stored& stored = contents.stored;
    if (inOnPlug && !stored.applyOnPlug.value_or(true)) {
        writeLine(
            inContext.out,
            Words::tr("ApplyOnPlug is false in %1: nothing sent.").arg(inContext.settingsPath));
        return sExitDone;
    }
    // Exactly what the panel would send this transmitter at its connection.
    const settings::Tuning tuning = settings::tuningFor(stored);
    const QString setting = settings::settingText(tuning.frequency, tuning.stereo);
    // A frequency inside a band always makes a report.
    const TuningReport report = *tuningReport(tuning.frequency, sPower, tuning.stereo);

    // One wait for the seat's access, however many transmitters there are.
    const Clock::time_point deadline = Clock::now() + sAccessWait;
    bool any = false;
    bool failed = false;
    for (const device::Transmitter& transmitter : inContext.backend.transmitters()) {
        if (inNode && (transmitter.node.empty() || transmitter.node != inNode->toStdString())) {
            continue;
        }
        any = true;
        const device::Failure sent =
            sendWhenWritable(inContext.backend, transmitter, report, deadline);
        if (!sent.failed()) {
            writeLine(inContext.out, Words::tr("Applied %1 to %2.")
                                         .arg(setting, device::transmitterText(transmitter.node)));
        } else {
            failed = true;
            writeProblem(inContext.err, device::failureText(sent, inContext.udevRule));
        }
    }
    if (!any) {
        writeProblem(inContext.err, inNode ? Words::tr("no transmitter at %1").arg(shown(*inNode))
                                           : Words::tr("no transmitter found"));
        return sExitDevice;
    }
    return failed ? sExitDevice : sExitDone;
}

int run(const Invocation& inInvocation, Context& inContext) {
    switch (inInvocation.command) {
    case Command::Status:
        return status(inContext);
    case Command::Tune:
        if (inInvocation.station) {
            return tuneStation(inContext, *inInvocation.station, inInvocation.stereo);
        }
        return tune(inContext, inInvocation.frequencyText, inInvocation.frequency,
                    inInvocation.stereo);
    case Command::List:
        return list(inContext);
    case Command::Apply:
        return apply(inContext, inInvocation.node, inInvocation.onPlug);
    case Command::Band:
        return band(inContext, inInvocation.style);
    case Command::ApplyOnPlug:
        return applyOnPlug(inContext, inInvocation.applyOnPlug);
    case Command::Station:
        return station(inContext, inInvocation);
    }
    return sExitUsage;
}

} // namespace cli
