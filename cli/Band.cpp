#include "cli/Band.h"

#include <array>

namespace cli {

namespace {

// The dial's table: the command line must accept exactly what the dial shows.
constexpr std::array<Band, 2> sBands{{{88100, 107900}, {76100, 89900}}};

} // namespace

bool isKnownStyle(SInt32 inStyle) {
    return inStyle == 0 || inStyle == 1;
}

Band bandForStyle(SInt32 inStyle) {
    return sBands[isKnownStyle(inStyle) ? static_cast<std::size_t>(inStyle) : 0];
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

} // namespace cli
