#pragma once

#include "host/Types.h"

#include <array>
#include <optional>

// The transmitter's 6-byte output report for a frequency, a power level (its low three bits) and
// the stereo choice; nothing for a frequency whose 100 kHz count does not fit the report's 11-bit
// field.
inline constexpr UInt32 sReportSize = 6;
using TuningReport = std::array<UInt8, sReportSize>;
std::optional<TuningReport> tuningReport(SInt32 inFreqkHz, SInt32 inPower, bool inStereo);
// How long a report may take to be written.
inline constexpr UInt32 sReportTimeoutMS = 1000;
