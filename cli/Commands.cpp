#include "cli/Commands.h"

#include "cli/Inventory.h"
#include "cli/Output.h"
#include "device/xr_device.h"
#include "settings/Settings.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

namespace cli {

namespace {

// The settings panel always sends this power level.
constexpr SInt32 sPower = 1;
// The seat's access to a node that has just appeared lands a moment after it.
constexpr std::chrono::milliseconds sAccessWait{1000};
constexpr std::chrono::milliseconds sAccessRetry{25};

QString resultText(IOReturn inStatus) {
    return QString::asprintf("(result %08x)", static_cast<unsigned>(inStatus));
}

// The transmitters plugged in and, when one of them can be used, the link with it adopted.
struct Link {
    IOReturn searchStatus = kIOReturnSuccess;
    std::vector<Transmitter> found;
    std::optional<std::size_t> chosen; // the first the link can take up, as it would
    std::unique_ptr<xr_device> device;
    IOReturn startStatus = kIOReturnSuccess;

    bool connected() const { return device && device->connected(); }
    std::optional<std::string> node() const { return chosen ? found[*chosen].node : std::nullopt; }
};

// The link is started only when a transmitter can be taken up: otherwise its adoption would fail
// with a system-log line that says less than the one line this program writes.
Link connect(device::DeviceServices& inServices) {
    Link link;
    link.searchStatus = findTransmitters(inServices, &link.found);
    for (std::size_t i = 0; i < link.found.size(); ++i) {
        if (link.found[i].access == kIOReturnSuccess) {
            link.chosen = i;
            break;
        }
    }
    if (link.chosen) {
        link.device = std::make_unique<xr_device>(inServices);
        link.startStatus = link.device->start();
    }
    return link;
}

// Why a link is not connected, in one sentence.
QString notConnectedProblem(const Link& inLink, const UdevRuleFiles& inUdevRule) {
    if (inLink.searchStatus != kIOReturnSuccess) {
        return "could not look for transmitters " + resultText(inLink.searchStatus);
    }
    if (inLink.found.empty()) {
        return "no transmitter found";
    }
    if (!inLink.chosen) {
        const Transmitter& first = inLink.found.front();
        return deviceProblem(first.access, first.node, inUdevRule);
    }
    if (inLink.startStatus != kIOReturnSuccess) {
        return "could not watch for transmitters " + resultText(inLink.startStatus);
    }
    return transmitterText(inLink.node()) + " could not be taken up (see the system log)";
}

QString stereoText(bool inStereo) {
    return inStereo ? "stereo" : "mono";
}

} // namespace

int status(Context& inContext) {
    const Link link = connect(inContext.services);
    const settings::Contents contents = settings::read(inContext.settingsPath);
    const settings::Stored& stored = contents.stored;

    StatusReport report;
    if (link.connected()) {
        const auto node = link.node();
        report.transmitter = QString("connected%1, hardware version %2")
                                 .arg(node ? " at " + QString::fromStdString(*node) : QString(),
                                      hardwareVersionText(link.device->hardwareVersion()));
    } else if (link.found.empty()) {
        report.transmitter = "none found";
    } else {
        const Transmitter& first = link.found[link.chosen.value_or(0)];
        report.transmitter =
            QString("found%1 (hardware version %2), not connected")
                .arg(first.node ? " at " + QString::fromStdString(*first.node) : QString(),
                     hardwareVersionText(first.hardwareVersion));
    }
    // What the panel starts with when the file lacks a key.
    report.frequency = stored.frequency.value_or(settings::sDefaultFrequency);
    report.frequencySaved = stored.frequency.has_value();
    report.style = stored.style.value_or(0);
    report.styleSaved = stored.style.has_value();
    report.stereo = stored.stereo.value_or(settings::sDefaultStereo);
    report.stereoSaved = stored.stereo.has_value();
    report.applyOnPlug = stored.applyOnPlug.value_or(settings::sDefaultApplyOnPlug);
    report.applyOnPlugSaved = stored.applyOnPlug.has_value();
    report.settingsPath = inContext.settingsPath;
    if (contents.state == settings::FileState::Unreadable) {
        report.settingsAside = settings::unreadableCopyPath(inContext.settingsPath);
    }
    writeStatus(inContext.out, report);

    if (!link.connected()) {
        writeProblem(inContext.err, notConnectedProblem(link, inContext.udevRule));
        return sExitDevice;
    }
    return sExitDone;
}

int tune(Context& inContext, const QString& inFrequencyText, const settings::Frequency& inFrequency,
         std::optional<bool> inStereo) {
    const settings::Stored stored = settings::read(inContext.settingsPath).stored;
    const SInt32 style = stored.style.value_or(settings::sDefaultStyle);
    const settings::Band band = settings::bandForStyle(style);
    if (const QString why = settings::refusal(inFrequencyText, inFrequency, band); !why.isEmpty()) {
        // Where the band comes from, for a frequency outside it.
        const bool outside =
            settings::fitFrequency(inFrequency, band) == settings::Fit::OutsideBand;
        writeProblem(inContext.err, !outside
                                        ? why
                                        : QString("%1 (style %2%3)")
                                              .arg(why)
                                              .arg(style)
                                              .arg(stored.style ? " in " + inContext.settingsPath
                                                                : QString(", the default")));
        return sExitUsage;
    }

    const auto frequency = static_cast<SInt32>(inFrequency.hertz / 1000);
    const bool stereo = inStereo.value_or(stored.stereo.value_or(true));
    const QString setting =
        QString("%1 MHz, %2").arg(settings::formatMHzFromKHz(frequency), stereoText(stereo));

    const Link link = connect(inContext.services);
    QString problem;
    if (!link.connected()) {
        problem = notConnectedProblem(link, inContext.udevRule);
    } else if (const IOReturn sent = link.device->sendTuningReport(frequency, sPower, stereo);
               sent != kIOReturnSuccess) {
        problem = deviceProblem(sent, link.node(), inContext.udevRule);
    }
    // Saved whatever became of the report, and before anything is printed: the panel opens on
    // the user's choice and sends it when it connects the transmitter.
    const settings::WriteResult written =
        settings::write(inContext.settingsPath, frequency, stereo);
    const bool saved = written.saved();
    // An unreadable file kept aside is logged by the settings module, on standard error too.

    if (problem.isEmpty() && saved) {
        writeLine(inContext.out, "Tuned to " + setting + ".");
        return sExitDone;
    }
    if (problem.isEmpty()) {
        writeProblem(inContext.err, QString("tuned to %1, but the settings file %2 could not be "
                                            "written: %3")
                                        .arg(setting, inContext.settingsPath, written.problem));
    } else if (saved) {
        writeProblem(inContext.err,
                     QString("%1; saved %2, for the settings panel").arg(problem, setting));
    } else {
        writeProblem(inContext.err,
                     QString("%1; the settings file %2 could not be written either: %3")
                         .arg(problem, inContext.settingsPath, written.problem));
    }
    return sExitDevice;
}

int list(Context& inContext) {
    std::vector<Transmitter> found;
    const IOReturn searched = findTransmitters(inContext.services, &found);
    if (searched != kIOReturnSuccess) {
        writeProblem(inContext.err, "could not look for transmitters " + resultText(searched));
        return sExitDevice;
    }
    if (found.empty()) {
        writeProblem(inContext.err, "no transmitter found");
        return sExitDevice;
    }
    const Transmitter* unusable = nullptr;
    for (const Transmitter& transmitter : found) {
        QString line = QString("%1  hardware version %2")
                           .arg(transmitter.node ? QString::fromStdString(*transmitter.node)
                                                 : QString("(no device node)"),
                                hardwareVersionText(transmitter.hardwareVersion));
        if (transmitter.access == kIOReturnNotPrivileged) {
            line += "  (no permission to write to it)";
        } else if (transmitter.access != kIOReturnSuccess) {
            line += "  (cannot be used " + resultText(transmitter.access) + ")";
        }
        writeLine(inContext.out, line);
        if (transmitter.access != kIOReturnSuccess && unusable == nullptr) {
            unusable = &transmitter;
        }
    }
    const bool anyUsable = std::any_of(found.begin(), found.end(), [](const Transmitter& t) {
        return t.access == kIOReturnSuccess;
    });
    if (unusable != nullptr) {
        writeProblem(inContext.err,
                     deviceProblem(unusable->access, unusable->node, inContext.udevRule));
    }
    return anyUsable ? sExitDone : sExitDevice;
}

namespace {

// Sends inReport through the service's own HID interface, as the link would once it had adopted
// it; a node the seat's access has not reached yet is tried again until inDeadline.
IOReturn sendReport(device::DeviceServices& inServices, io_service_t inService,
                    const TuningReport& inReport,
                    std::chrono::steady_clock::time_point inDeadline) {
    std::unique_ptr<IOCFPlugInInterface> plugIn;
    SInt32 score = 0;
    IOReturn status = kIOReturnSuccess;
    while ((status = inServices.IOCreatePlugInInterfaceForService(
                inService, kIOHIDDeviceUserClientTypeID, kIOCFPlugInInterfaceID, &plugIn,
                &score)) == kIOReturnNotPrivileged &&
           std::chrono::steady_clock::now() < inDeadline) {
        std::this_thread::sleep_for(sAccessRetry);
    }
    if (status != kIOReturnSuccess) {
        return status;
    }
    IOHIDDeviceInterface* hid = nullptr;
    status = plugIn->QueryInterface(kIOHIDDeviceInterfaceID, &hid);
    if (status != kIOReturnSuccess) {
        return status;
    }
    IOReturn written = kIOReturnSuccess;
    const IOReturn closed = openWriteClose(*hid, inReport.data(), &written);
    hid->Release();
    return written != kIOReturnSuccess ? written : closed;
}

} // namespace

int apply(Context& inContext, const std::optional<QString>& inNode, bool inOnPlug) {
    const settings::Contents contents = settings::read(inContext.settingsPath);
    if (contents.state == settings::FileState::Unreadable) {
        writeProblem(inContext.err, QString("the settings file %1 could not be read: nothing sent")
                                        .arg(inContext.settingsPath));
        return sExitDevice;
    }
    const settings::Stored& stored = contents.stored;
    if (inOnPlug && !stored.applyOnPlug.value_or(true)) {
        writeLine(inContext.out,
                  QString("ApplyOnPlug is false in %1: nothing sent.").arg(inContext.settingsPath));
        return sExitDone;
    }
    // Exactly what the panel would send this transmitter at its connection.
    const settings::Tuning tuning = settings::tuningFor(stored);
    const QString setting =
        QString("%1 MHz, %2")
            .arg(settings::formatMHzFromKHz(tuning.frequency), stereoText(tuning.stereo));
    // A frequency inside a band always makes a report.
    const TuningReport report = *tuningReport(tuning.frequency, sPower, tuning.stereo);

    const auto deadline = std::chrono::steady_clock::now() + sAccessWait;
    bool any = false;
    bool failed = false;
    const IOReturn searched = visitTransmitters(inContext.services, [&](io_service_t inService) {
        const Transmitter transmitter = describe(inContext.services, inService);
        if (inNode && transmitter.node != inNode->toStdString()) {
            return;
        }
        any = true;
        const IOReturn sent = sendReport(inContext.services, inService, report, deadline);
        if (sent == kIOReturnSuccess) {
            writeLine(inContext.out,
                      QString("Applied %1 to %2.").arg(setting, transmitterText(transmitter.node)));
        } else {
            failed = true;
            writeProblem(inContext.err, deviceProblem(sent, transmitter.node, inContext.udevRule));
        }
    });
    if (searched != kIOReturnSuccess) {
        writeProblem(inContext.err, "could not look for transmitters " + resultText(searched));
        return sExitDevice;
    }
    if (!any) {
        writeProblem(inContext.err, inNode ? "no transmitter at " + shown(*inNode)
                                           : QString("no transmitter found"));
        return sExitDevice;
    }
    return failed ? sExitDevice : sExitDone;
}

int run(const Invocation& inInvocation, Context& inContext) {
    switch (inInvocation.command) {
    case Command::Status:
        return status(inContext);
    case Command::Tune:
        return tune(inContext, inInvocation.frequencyText, inInvocation.frequency,
                    inInvocation.stereo);
    case Command::List:
        return list(inContext);
    case Command::Apply:
        return apply(inContext, inInvocation.node, inInvocation.onPlug);
    }
    return sExitUsage;
}

} // namespace cli
