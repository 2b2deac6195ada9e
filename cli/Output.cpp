#include "cli/Output.h"

#include "device/IOReturn.h"

namespace cli {

namespace {

QString defaulted(bool inSaved) {
    return inSaved ? QString() : QString(" (default)");
}

} // namespace

void writeLine(std::ostream& inStream, const QString& inLine) {
    inStream << inLine.toStdString() << '\n';
    inStream.flush();
}

void writeProblem(std::ostream& inStream, const QString& inProblem) {
    writeLine(inStream, "usb-tavro: " + inProblem);
}

QString hardwareVersionText(UInt16 inVersion) {
    return QString::asprintf("%04x", static_cast<unsigned>(inVersion));
}

QString bandText(const Band& inBand) {
    return QString("%1 to %2 MHz")
        .arg(formatMHzFromKHz(inBand.minFreq), formatMHzFromKHz(inBand.maxFreq));
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
            .arg(transmitter, udevRuleAdvice(inUdevRule));
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
    const Band band = bandForStyle(inReport.style);
    QString frequency = formatMHzFromKHz(inReport.frequency) + " MHz";
    if (!inReport.frequencySaved) {
        frequency += " (default)";
    } else if (inReport.frequency < band.minFreq || inReport.frequency > band.maxFreq) {
        frequency += " (outside the band)";
    }
    QString style = QString("style %1").arg(inReport.style);
    if (!inReport.styleSaved) {
        style += ", the default";
    } else if (!isKnownStyle(inReport.style)) {
        style += " is unknown: the band of style 0";
    }
    writeLine(inStream, "Transmitter:     " + inReport.transmitter);
    writeLine(inStream, "Saved frequency: " + frequency);
    writeLine(inStream, QString("Band:            %1 (%2)").arg(bandText(band), style));
    writeLine(inStream, QString("Stereo:          %1%2")
                            .arg(inReport.stereo ? "stereo" : "mono")
                            .arg(defaulted(inReport.stereoSaved)));
    writeLine(inStream, "Settings file:   " + inReport.settingsPath);
}

} // namespace cli
