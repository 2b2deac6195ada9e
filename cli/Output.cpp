#include "cli/Output.h"

#include "host/Printable.h"

#include <QList>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <cwchar>
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
    return inArgument.isEmpty() ? QString("\"\"") : host::quoted(inArgument);
}

qsizetype displayWidth(const QString& inText) {
    // The C library's widths, in a UTF-8 locale of its own: the program's may be "C".
    static const locale_t sUtf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    const locale_t previous = sUtf8 != nullptr ? uselocale(sUtf8) : nullptr;
    qsizetype width = 0;
    for (const char32_t c : inText.toUcs4()) {
        width += std::max(::wcwidth(static_cast<wchar_t>(c)), 0);
    }
    if (previous != nullptr) {
        uselocale(previous);
    }
    return width;
}

QString hardwareVersionText(UInt16 inVersion) {
    return QString::asprintf("%04x", static_cast<unsigned>(inVersion));
}

QString bandDescription(SInt32 inStyle, bool inSaved) {
    QString style = QString("style %1").arg(inStyle);
    if (!inSaved) {
        style += ", the default";
    } else if (!settings::isKnownStyle(inStyle)) {
        style += " is unknown: the band of style 0";
    }
    return QString("%1 (%2)").arg(settings::bandText(settings::bandForStyle(inStyle)), style);
}

void writeStatus(std::ostream& inStream, const StatusReport& inReport) {
    const settings::Band band = settings::bandForStyle(inReport.style);
    QString frequency = settings::formatMHzFromKHz(inReport.frequency) + " MHz";
    if (!inReport.frequencySaved) {
        frequency += " (default)";
    } else if (inReport.sent != inReport.frequency) {
        frequency += QString(" (%1the panel and apply send %2 MHz)")
                         .arg(band.holds(inReport.frequency) ? "" : "outside the band: ",
                              settings::formatMHzFromKHz(inReport.sent));
    }
    writeLine(inStream, "Transmitter:     " + inReport.transmitter);
    writeLine(inStream, "Saved frequency: " + frequency);
    writeLine(inStream, "Band:            " + bandDescription(inReport.style, inReport.styleSaved));
    writeLine(inStream, QString("Stereo:          %1%2")
                            .arg(inReport.stereo ? "stereo" : "mono")
                            .arg(defaulted(inReport.stereoSaved)));
    writeLine(inStream, QString("Apply on plug:   %1%2")
                            .arg(inReport.applyOnPlug ? "yes" : "no")
                            .arg(defaulted(inReport.applyOnPlugSaved)));
    QString file = inReport.settingsPath;
    if (!inReport.settingsNote.isEmpty()) {
        file += " (" + inReport.settingsNote + ")";
    }
    writeLine(inStream, "Settings file:   " + file);
}

} // namespace cli
