#pragma once

#include "cli/Frequency.h"
#include "host/Types.h"

namespace cli {

// A band of the dial, in kilohertz, both ends included.
struct Band {
    SInt32 minFreq;
    SInt32 maxFreq;
};

// The dial tunes in steps of this size; the transmitter takes nothing finer.
inline constexpr std::int64_t sStepHertz = 100000;

// Tuning style 0 is 88.1-107.9 MHz, 1 is 76.1-89.9 MHz. The dial keeps its band for any other
// style, and a new dial starts with band 0, so the settings panel shows band 0 for them too.
Band bandForStyle(SInt32 inStyle);
bool isKnownStyle(SInt32 inStyle);

enum class Fit { Fits, OutsideBand, OffGrid };

// Whether the dial could show the frequency: inside the band and on the 100 kHz grid.
Fit fitFrequency(const Frequency& inFrequency, const Band& inBand);

} // namespace cli
