#include "cli/Frequency.h"

#include <algorithm>

namespace cli {

namespace {

// More would not be a frequency anyone means, and keeps the arithmetic far from overflow.
constexpr qsizetype sMaxWholeDigits = 9;

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
    QString text = inText;
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

} // namespace cli
