#include "device/TuningReport.h"

namespace {

// The frequency field of the report holds this many 100 kHz steps at most; above it the count
// would run into the stereo bit.
constexpr SInt32 sMaxFrequencyCount = 0x07FF;

} // namespace

std::optional<TuningReport> tuningReport(SInt32 inFreqkHz, SInt32 inPower, bool inStereo) {
    const SInt32 count = inFreqkHz / 100;
    if (count < 0 || count > sMaxFrequencyCount) {
        return std::nullopt;
    }
    UInt16 reportFreq = static_cast<UInt16>(count + 0x4000);
    if (inStereo) {
        reportFreq = static_cast<UInt16>(reportFreq | 0x0800);
    }
    // Unsigned, so that any power level wraps rather than overflows; only the low bits count.
    const UInt32 power = static_cast<UInt32>(inPower);
    return TuningReport{
        0xC0,
        static_cast<UInt8>(reportFreq >> 8),
        static_cast<UInt8>(reportFreq & 0xFF),
        static_cast<UInt8>(~(power * 2u + 1u) & 0x0Fu),
        0,
        0,
    };
}
