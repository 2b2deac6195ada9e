#include "settings/Tuning.h"

#include "dial/xr_bands.h"
#include "host/Printable.h"

#include <QCoreApplication>

#include <algorithm>

namespace settings {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Tuning)
};

// More would not be a frequency anyone means, and keeps the arithmetic far from overflow.
constexpr qsizetype sMaxWholeDigits = 9;
// A frequency quoted back is cut after this many characters: longer is no frequency.
constexpr qsizetype sMaxQuoted = 24;

bool allDigits(QStringView inText) {
    // Only ASCII digits: QChar::isDigit would take other scripts' digits too.
    return std::all_of(inText.begin(), inText.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

std::int64_t powerOfTen(int inExponent) {
    std::int64_t value = 1;
    for (int i = 0; i < inExponent; ++i) {
        value *= 10;
    }
    return value;
}

// Strips a trailing unit, with or without one space before it.
std::optional<Frequency::Unit> takeUnit(QString& ioText) {
    for (const auto& [suffix, unit] : {std::pair{QLatin1String("MHz"), Frequency::Unit::MHz},
                                       std::pair{QLatin1String("kHz"), Frequency::Unit::kHz}}) {
        if (ioText.endsWith(suffix, Qt::CaseInsensitive)) {
            ioText.chop(suffix.size());
            if (ioText.endsWith(QLatin1Char(' '))) {
                ioText.chop(1);
            }
            return unit;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Frequency> parseFrequency(const QString& inText) {
    QString text = inText.trimmed();
    const std::optional<Frequency::Unit> givenUnit = takeUnit(text);

    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QStringView whole = point < 0 ? QStringView(text) : QStringView(text).left(point);
    const QStringView fraction = point < 0 ? QStringView() : QStringView(text).mid(point + 1);
    if (whole.isEmpty() || whole.size() > sMaxWholeDigits || !allDigits(whole) ||
        (point >= 0 && (fraction.isEmpty() || !allDigits(fraction)))) {
        return std::nullopt;
    }

    const std::int64_t wholeValue = whole.toLongLong();
    Frequency frequency;
    frequency.unitGiven = givenUnit.has_value();
    frequency.unit =
        givenUnit.value_or(wholeValue >= 1000 ? Frequency::Unit::kHz : Frequency::Unit::MHz);
    // Decimals that count in hertz: six for megahertz, three for kilohertz.
    const int scale = frequency.unit == Frequency::Unit::MHz ? 6 : 3;
    std::int64_t fractionValue = 0;
    for (int i = 0; i < scale; ++i) {
        const int digit = i < fraction.size() ? fraction[i].unicode() - '0' : 0;
        fractionValue = fractionValue * 10 + digit;
    }
    const QStringView belowHertz = fraction.size() > scale ? fraction.mid(scale) : QStringView();
    frequency.exact = std::all_of(belowHertz.begin(), belowHertz.end(),
                                  [](QChar c) { return c == QLatin1Char('0'); });
    frequency.hertz = wholeValue * powerOfTen(scale) + fractionValue;
    return frequency;
}

QString describeAsTyped(const QString& inText, const Frequency& inFrequency) {
    if (inFrequency.unitGiven) {
        return inText;
    }
    return inText + (inFrequency.unit == Frequency::Unit::MHz ? " MHz" : " kHz");
}

QString formatMHz(std::int64_t inHertz) {
    const bool negative = inHertz < 0;
    // Negated as unsigned, so that no value overflows.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(inHertz) : static_cast<std::uint64_t>(inHertz);
    QString decimals = QString::number(magnitude % 1000000).rightJustified(6, QLatin1Char('0'));
    while (decimals.size() > 1 && decimals.endsWith(QLatin1Char('0'))) {
        decimals.chop(1);
    }
    return QString("%1%2.%3").arg(negative ? "-" : "").arg(magnitude / 1000000).arg(decimals);
}

// The dial's own table: the panel and the tool must accept exactly what the dial shows.
bool isKnownStyle(SInt32 inStyle) {
    return bandOfStyle(inStyle).has_value();
}

Band bandForStyle(SInt32 inStyle) {
    const TuningBand band = bandOfStyle(inStyle).value_or(sTuningBands[0]);
    return {band.minFreq, band.maxFreq};
}

bool inAnyBand(SInt32 inFreqkHz) {
    return std::any_of(sTuningBands.begin(), sTuningBands.end(), [&](const TuningBand& inBand) {
        return Band{inBand.minFreq, inBand.maxFreq}.holds(inFreqkHz);
    });
}

QString bandText(const Band& inBand) {
    return Words::tr("%1 to %2 MHz")
        .arg(formatMHzFromKHz(inBand.minFreq), formatMHzFromKHz(inBand.maxFreq));
}

QString settingText(SInt32 inFreqkHz, bool inStereo) {
    return inStereo ? Words::tr("%1 MHz, stereo").arg(formatMHzFromKHz(inFreqkHz))
                    : Words::tr("%1 MHz, mono").arg(formatMHzFromKHz(inFreqkHz));
}

Fit fitFrequency(const Frequency& inFrequency, const Band& inBand) {
    const std::int64_t low = std::int64_t{inBand.minFreq} * 1000;
    const std::int64_t high = std::int64_t{inBand.maxFreq} * 1000;
    // A value cut below one hertz lies a little above its hertz, so it is past a top end it
    // equals.
    const bool inside =
        inFrequency.hertz >= low &&
        (inFrequency.hertz < high || (inFrequency.hertz == high && inFrequency.exact));
    if (!inside) {
        return Fit::OutsideBand;
    }
    if (!inFrequency.exact || inFrequency.hertz % sStepHertz != 0) {
        return Fit::OffGrid;
    }
    return Fit::Fits;
}

QString notAFrequency(const QString& inText) {
    if (inText.trimmed().isEmpty()) {
        return Words::tr("the frequency is empty");
    }
    const QString typed = host::quoted(inText, sMaxQuoted);
    return inText.contains(',')
               ? Words::tr("%1 is not a frequency: write decimals with a point, as in 88.1")
                     .arg(typed)
               : Words::tr("%1 is not a frequency").arg(typed);
}

QString refusal(const QString& inText, const Frequency& inFrequency, const Band& inBand) {
    const QString typed = describeAsTyped(host::quoted(inText.trimmed(), sMaxQuoted), inFrequency);
    switch (fitFrequency(inFrequency, inBand)) {
    case Fit::OutsideBand:
        return Words::tr("%1 is outside the band %2").arg(typed, bandText(inBand));
    case Fit::OffGrid: {
        const std::int64_t below = inFrequency.hertz - inFrequency.hertz % sStepHertz;
        return Words::tr("%1 is not on the 100 kHz grid: %2 or %3 MHz")
            .arg(typed, formatMHz(below), formatMHz(below + sStepHertz));
    }
    case Fit::Fits:
        break;
    }
    return {};
}

std::variant<SInt32, QString> frequencyEntry(const QString& inText, SInt32 inStyle) {
    const std::optional<Frequency> frequency = parseFrequency(inText);
    if (!frequency) {
        return notAFrequency(inText);
    }
    if (QString why = refusal(inText, *frequency, bandForStyle(inStyle)); !why.isEmpty()) {
        return why;
    }
    return static_cast<SInt32>(frequency->hertz / 1000);
}

} // namespace settings
