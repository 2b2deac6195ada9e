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
    writeLine(inStream, Words::tr("usb-tavro: %1").arg(inProblem));
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
    const QString band = settings::bandText(settings::bandForStyle(inStyle));
    if (!inSaved) {
        return Words::tr("%1 (style %2, the default)").arg(band).arg(inStyle);
    }
    return settings::isKnownStyle(inStyle)
               ? Words::tr("%1 (style %2)").arg(band).arg(inStyle)
               : Words::tr("%1 (style %2 is unknown: the band of style 0)").arg(band).arg(inStyle);
}

// Each line a label and its value, the values lined up after the widest label.
void writeStatus(std::ostream& inStream, const StatusReport& inReport) {
    const settings::Band band = settings::bandForStyle(inReport.style);
    const QString frequency = settings::formatMHzFromKHz(inReport.frequency);
    const QString sent = settings::formatMHzFromKHz(inReport.sent);
    const auto defaulted = [](bool inSaved, const QString& inValue) {
        return inSaved ? inValue : Words::tr("%1 (default)").arg(inValue);
    };
    QString saved = Words::tr("%1 MHz").arg(frequency);
    if (!inReport.frequencySaved) {
        saved = Words::tr("%1 MHz (default)").arg(frequency);
    } else if (inReport.sent != inReport.frequency) {
        saved = band.holds(inReport.frequency)
                    ? Words::tr("%1 MHz (the panel and apply send %2 MHz)").arg(frequency, sent)
                    : Words::tr("%1 MHz (outside the band: the panel and apply send %2 MHz)")
                          .arg(frequency, sent);
    }
    const QString file =
        inReport.settingsNote.isEmpty()
            ? inReport.settingsPath
            : Words::tr("%1 (%2)").arg(inReport.settingsPath, inReport.settingsNote);
    const std::pair<QString, QString> lines[] = {
        {Words::tr("Transmitter:"), inReport.transmitter},
        {Words::tr("Saved frequency:"), saved},
        {Words::tr("Band:"), bandDescription(inReport.style, inReport.styleSaved)},
        {Words::tr("Stereo:"),
         defaulted(inReport.stereoSaved,
                   inReport.stereo ? Words::tr("stereo") : Words::tr("mono"))},
        {Words::tr("Apply on plug:"),
         defaulted(inReport.applyOnPlugSaved,
                   inReport.applyOnPlug ? Words::tr("yes") : Words::tr("no"))},
        {Words::tr("Settings file:"), file},
    };
    qsizetype width = 0;
    for (const auto& [label, value] : lines) {
        width = std::max(width, displayWidth(label));
    }
    for (const auto& [label, value] : lines) {
        writeLine(inStream,
                  label + QString(width - displayWidth(label) + 1, QLatin1Char(' ')) + value);
    }
}

} // namespace cli
