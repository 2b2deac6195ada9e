#pragma once

#include "host/Types.h"

#include <array>
#include <optional>

// The bands the dial tunes in, by tuning style, in kHz with both ends included. Other styles
// select no band.
struct TuningBand {
    SInt32 minFreq;
    SInt32 maxFreq;
};

inline constexpr std::array<TuningBand, 2> sTuningBands{{{88100, 107900}, {76100, 89900}}};

constexpr std::optional<TuningBand> bandOfStyle(SInt32 inStyle) {
    if (inStyle < 0 || inStyle >= static_cast<SInt32>(sTuningBands.size())) {
        return std::nullopt;
    }
    return sTuningBands[static_cast<std::size_t>(inStyle)];
}
