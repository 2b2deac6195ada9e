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

namespace {

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

} // namespace

void writeRows(std::ostream& inStream, const std::vector<std::pair<QString, QString>>& inRows,
               int inGap) {
    qsizetype width = 0;
    for (const auto& [first, second] : inRows) {
        width = std::max(width, displayWidth(first));
    }
    for (const auto& [first, second] : inRows) {
        writeLine(inStream,
                  first + QString(width - displayWidth(first) + inGap, QLatin1Char(' ')) + second);
    }
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

QString applyOnPlugText(std::optional<bool> inSaved) {
    const QString on =
        inSaved.value_or(settings::sDefaultApplyOnPlug) ? Words::tr("yes") : Words::tr("no");
    return inSaved ? on : Words::tr("%1 (default)").arg(on);
}

// Each line a label and its value, the values lined up after the widest label. What the file
// lacks is what the panel starts with.
void writeStatus(std::ostream& inStream, const StatusReport& inReport) {
    const settings::Stored& stored = inReport.stored;
    const SInt32 style = stored.style.value_or(settings::sDefaultStyle);
    const SInt32 kHz = stored.frequency.value_or(settings::sDefaultFrequency);
    const SInt32 sentkHz = settings::tuningFor(stored).frequency;
    const QString frequency = settings::formatMHzFromKHz(kHz);
    const QString sent = settings::formatMHzFromKHz(sentkHz);
    QString saved = Words::tr("%1 MHz").arg(frequency);
    if (!stored.frequency) {
        saved = Words::tr("%1 MHz (default)").arg(frequency);
    } else if (sentkHz != kHz) {
        saved = settings::bandForStyle(style).holds(kHz)
                    ? Words::tr("%1 MHz (the panel and apply send %2 MHz)").arg(frequency, sent)
                    : Words::tr("%1 MHz (outside the band: the panel and apply send %2 MHz)")
                          .arg(frequency, sent);
    }
    const QString stereo =
        stored.stereo.value_or(settings::sDefaultStereo) ? Words::tr("stereo") : Words::tr("mono");
    const QString file =
        inReport.settingsNote.isEmpty()
            ? inReport.settingsPath
            : Words::tr("%1 (%2)").arg(inReport.settingsPath, inReport.settingsNote);
    writeRows(
        inStream,
        {{Words::tr("Transmitter:"), inReport.transmitter},
         {Words::tr("Saved frequency:"), saved},
         {Words::tr("Band:"), bandDescription(style, stored.style.has_value())},
         {Words::tr("Stereo:"), stored.stereo ? stereo : Words::tr("%1 (default)").arg(stereo)},
         {Words::tr("Apply on plug:"), applyOnPlugText(stored.applyOnPlug)},
         {Words::tr("Settings file:"), file}},
        1);
}

} // namespace cli
