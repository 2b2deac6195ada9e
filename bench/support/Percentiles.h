#pragma once

#include <algorithm>
#include <vector>

// The value at inFraction (0.5 for the median) of the sorted samples.
inline double percentile(std::vector<double> inSamples, double inFraction) {
    if (inSamples.empty()) {
        return 0.0;
    }
    std::sort(inSamples.begin(), inSamples.end());
    const auto index =
        static_cast<std::size_t>(inFraction * static_cast<double>(inSamples.size() - 1) + 0.5);
    return inSamples[std::min(index, inSamples.size() - 1)];
}
