#include "device/sim/ReportDescription.h"

#include <cstdio>

namespace device {

std::string describeTuningReport(const UInt8* inReport, std::size_t inSize) {
    std::string text;
    char part[32];
    for (std::size_t i = 0; i < inSize; ++i) {
        std::snprintf(part, sizeof part, i == 0 ? "%02X" : " %02X", inReport[i]);
        text += part;
    }
    if (inSize != 6 || inReport[0] != 0xC0) {
        return text + "  (not a tuning report)";
    }
    const unsigned word = static_cast<unsigned>(inReport[1] << 8 | inReport[2]);
    const unsigned steps = word & 0x07FFu;
    // Bits 1 to 3 of byte 3 hold the complement of the power level.
    const unsigned power = (~static_cast<unsigned>(inReport[3]) >> 1) & 0x7u;
    std::snprintf(part, sizeof part, "  %u.%u MHz %s power %u", steps / 10, steps % 10,
                  (word & 0x0800u) != 0 ? "stereo" : "mono", power);
    return text + part;
}

} // namespace device
