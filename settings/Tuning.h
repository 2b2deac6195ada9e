#pragma once

#include "host/Types.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

// The tuning words the panel and the tool share: a frequency as a person types it, the bands of
// the dial, and whether the dial could take a frequency.
namespace settings {

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
// only, with any spaces at either end: no sign, no exponent, no decimal comma. Nothing for
// anything else.
std::optional<Frequency> parseFrequency(const QString& inText);

// The frequency as the user typed it, with the unit it was taken in when none was typed.
QString describeAsTyped(const QString& inText, const Frequency& inFrequency);

// A value in megahertz with as many decimals as it needs and at least one: "88.1", "88.15".
QString formatMHz(std::int64_t inHertz);

// The same for a frequency in kilohertz, as the settings file and the device link hold it.
inline QString formatMHzFromKHz(std::int64_t inKHz) {
    return formatMHz(inKHz * 1000);
}

// A band of the dial, in kilohertz, both ends included.
struct Band {
    SInt32 minFreq;
    SInt32 maxFreq;

    bool holds(SInt32 inFreqkHz) const { return inFreqkHz >= minFreq && inFreqkHz <= maxFreq; }
};

// The dial tunes in steps of this size; the transmitter takes nothing finer.
inline constexpr std::int64_t sStepHertz = 100000;

// Tuning style 0 is 88.1-107.9 MHz, 1 is 76.1-89.9 MHz. The dial keeps its band for any other
// style, and a new dial starts with band 0, so the settings panel shows band 0 for them too.
Band bandForStyle(SInt32 inStyle);
bool isKnownStyle(SInt32 inStyle);
// Inside one of the bands of the known styles.
bool inAnyBand(SInt32 inFreqkHz);

// "88.1 to 107.9 MHz".
QString bandText(const Band& inBand);
// "99.5 MHz, mono": a frequency in kilohertz with its stereo choice, as both programs show it.
QString settingText(SInt32 inFreqkHz, bool inStereo);

enum class Fit { Fits, OutsideBand, OffGrid };

// Whether the dial could show the frequency: inside the band and on the 100 kHz grid.
Fit fitFrequency(const Frequency& inFrequency, const Band& inBand);

// Why inText is no frequency: "abc is not a frequency", with a hint for a decimal comma.
QString notAFrequency(const QString& inText);

// Why the dial cannot take inFrequency, typed as inText, in inBand ("108.5 MHz is outside the
// band 88.1 to 107.9 MHz", "88.15 MHz is not on the 100 kHz grid: 88.1 or 88.2 MHz"); empty when
// it fits.
QString refusal(const QString& inText, const Frequency& inFrequency, const Band& inBand);

// A typed frequency as the dial of style inStyle takes it, in kilohertz; or why it cannot, in one
// sentence for the person who typed it.
std::variant<SInt32, QString> frequencyEntry(const QString& inText, SInt32 inStyle);

} // namespace settings
