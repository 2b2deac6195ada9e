#include "cli/Output.h"

#include "device/IOReturn.h"
#include "host/Printable.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace cli {

namespace {

// Why the first write to standard output failed (an errno value); glibc drops the buffer on a
// failed flush, so the reason is taken when it happens.
int sLostOutput = 0;
// Standard output was closed when the program started; what is written to it goes nowhere.
bool sOutputClosed = false;

QString defaulted(bool inSaved) {
    return inSaved ? QString() : QString(" (default)");
}

} // namespace

void writeText(std::ostream& inStream, const QString& inText) {
    errno = 0;
    inStream << inText.toStdString();
    inStream.flush();
    if (&inStream != &std::cout || sLostOutput != 0) {
        return;
    }
    if (sOutputClosed) {
        sLostOutput = EBADF;
    } else if (!inStream) {
        sLostOutput = errno != 0 ? errno : EIO;
    }
}

void writeLine(std::ostream& inStream, const QString& inLine) {
    // Lines name device nodes and paths from outside the program.
    writeText(inStream, host::printable(inLine) + '\n');
}

void outputWasClosed() {
    sOutputClosed = true;
}

void writeProblem(std::ostream& inStream, const QString& inProblem) {
    writeLine(inStream, "usb-tavro: " + inProblem);
}

QString lostOutput() {
    // The simulated transmitter prints with stdio, past writeText.
    errno = 0;
    if ((std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || !std::cout) && sLostOutput == 0) {
        sLostOutput = errno != 0 ? errno : EIO;
    }
    return sLostOutput != 0 ? QString::fromLocal8Bit(std::strerror(sLostOutput)) : QString();
}

QString shown(const QString& inArgument) {
    return inArgument.isEmpty() ? QString("\"\"") : host::printable(inArgument);
}

QString hardwareVersionText(UInt16 inVersion) {
    return QString::asprintf("%04x", static_cast<unsigned>(inVersion));
}

QString transmitterText(const std::optional<std::string>& inNode) {
    return inNode ? QString("the transmitter at %1").arg(QString::fromStdString(*inNode))
                  : QString("the transmitter");
}

QString deviceProblem(IOReturn inStatus, const std::optional<std::string>& inNode,
                      const UdevRuleFiles& inUdevRule) {
    const QString transmitter = transmitterText(inNode);
    const QString result = QString::asprintf("(result %08x)", static_cast<unsigned>(inStatus));
    switch (inStatus) {
    case kIOReturnNotPrivileged:
        return QString("no permission to write to %1: %2")
            .arg(transmitter, device::udevRuleAdvice(inUdevRule));
    case kIOReturnNoDevice:
        return QString("%1 went away %2").arg(transmitter, result);
    case kIOReturnExclusiveAccess:
        return QString("%1 is in use by another program %2").arg(transmitter, result);
    case kIOReturnTimeout:
        return QString("%1 did not take the report in time %2").arg(transmitter, result);
    default:
        return QString("%1 could not be reached %2").arg(transmitter, result);
    }
}

void writeStatus(std::ostream& inStream, const StatusReport& inReport) {
    const settings::Band band = settings::bandForStyle(inReport.style);
    QString frequency = settings::formatMHzFromKHz(inReport.frequency) + " MHz";
    if (!inReport.frequencySaved) {
        frequency += " (default)";
    } else if (inReport.frequency < band.minFreq || inReport.frequency > band.maxFreq) {
        frequency += " (outside the band)";
    }
    QString style = QString("style %1").arg(inReport.style);
    if (!inReport.styleSaved) {
        style += ", the default";
    } else if (!settings::isKnownStyle(inReport.style)) {
        style += " is unknown: the band of style 0";
    }
    writeLine(inStream, "Transmitter:     " + inReport.transmitter);
    writeLine(inStream, "Saved frequency: " + frequency);
    writeLine(inStream, QString("Band:            %1 (%2)").arg(settings::bandText(band), style));
    writeLine(inStream, QString("Stereo:          %1%2")
                            .arg(inReport.stereo ? "stereo" : "mono")
                            .arg(defaulted(inReport.stereoSaved)));
    writeLine(inStream, QString("Apply on plug:   %1%2")
                            .arg(inReport.applyOnPlug ? "yes" : "no")
                            .arg(defaulted(inReport.applyOnPlugSaved)));
    QString file = inReport.settingsPath;
    if (!inReport.settingsAside.isEmpty()) {
        file += " (could not be read; the next save keeps it as " + inReport.settingsAside + ")";
    }
    writeLine(inStream, "Settings file:   " + file);
}

} // namespace cli
