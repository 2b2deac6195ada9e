#pragma once

// The calls into libplist whose form differs between its versions (2.2 to 2.7), told apart once,
// by what the build found (cmake/Plist.cmake). Everything else calls libplist directly.
#include <plist/plist.h>

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace host::libplist {

// Frees what plist_to_xml and plist_to_bin return.
inline void freeText(char* inText) {
#if TAVRO_PLIST_HAS_MEM_FREE
    plist_mem_free(inText);
#else
    plist_to_xml_free(inText);
#endif
}

// A binary or an XML list, by its first bytes, and nothing else: newer versions of
// plist_from_memory read JSON and OpenStep too, which a settings file never is.
inline plist_t fromMemory(const char* inData, std::uint32_t inSize) {
    plist_t root = nullptr;
    if (std::string_view(inData, inSize).starts_with("bplist00")) {
        plist_from_bin(inData, inSize, &root);
    } else {
        plist_from_xml(inData, inSize, &root);
    }
    return root;
}

// libplist keeps an integer as 64 bits and marks by itself whether one with the top bit set is
// negative or a huge positive one. Before 2.3 only its XML writer tells which.
inline bool integerIsNegative(plist_t inNode) {
#if TAVRO_PLIST_HAS_SIGNED_INT
    return plist_int_val_is_negative(inNode) != 0;
#else
    std::uint64_t bits = 0;
    plist_get_uint_val(inNode, &bits);
    if ((bits >> 63) == 0) {
        return false;
    }
    plist_t copy = plist_copy(inNode);
    char* xml = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(copy, &xml, &length);
    const bool negative = xml != nullptr && std::string_view(xml, length).find("<integer>-") !=
                                                std::string_view::npos;
    freeText(xml);
    plist_free(copy);
    return negative;
#endif
}

// Since 2.3 a node made of unsigned bits is never negative: a negative value written so would be
// read back as a huge positive one. Before, the bits were negative when the top one was set.
inline plist_t newInteger(std::int64_t inValue) {
#if TAVRO_PLIST_HAS_SIGNED_INT
    return plist_new_int(inValue);
#else
    return plist_new_uint(static_cast<std::uint64_t>(inValue));
#endif
}

} // namespace host::libplist
