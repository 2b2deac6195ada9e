#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace cli {

// A frequency as the user typed it, kept exact: the band check and the 100 kHz grid are decided
// on the value itself, not on a rounded one.
struct Frequency {
    enum class Unit { MHz, kHz };

    std::int64_t hertz = 0;
    bool exact = true;      // false when digits below one hertz were dropped
    Unit unit = Unit::MHz;  // as given or as worked out
    bool unitGiven = false; // typed with its unit
};

// "88.1", "88.1MHz" and "88.1 MHz" are megahertz; "88100" and "88100kHz" kilohertz. Without a
// unit, a number from 1000 up is in kilohertz, below in megahertz. Digits and one decimal point
// only: no sign, no exponent, no decimal comma. Nothing for anything else.
std::optional<Frequency> parseFrequency(const QString& inText);

// The frequency as the user typed it, with the unit it was taken in when none was typed.
QString describeAsTyped(const QString& inText, const Frequency& inFrequency);

// A value in megahertz with as many decimals as it needs and at least one: "88.1", "88.15".
QString formatMHz(std::int64_t inHertz);

// The same for a frequency in kilohertz, as the settings file and the device link hold it.
inline QString formatMHzFromKHz(std::int64_t inKHz) {
    return formatMHz(inKHz * 1000);
}

} // namespace cli
