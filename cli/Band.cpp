#include "cli/Band.h"

#include "dial/xr_bands.h"

namespace cli {

// The dial's own table: the command line must accept exactly what the dial shows.
bool isKnownStyle(SInt32 inStyle) {
    return bandOfStyle(inStyle).has_value();
}

Band bandForStyle(SInt32 inStyle) {
    const TuningBand band = bandOfStyle(inStyle).value_or(sTuningBands[0]);
    return {band.minFreq, band.maxFreq};
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
