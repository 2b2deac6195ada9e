#pragma once

#include "host/Types.h"

#include <functional>
#include <limits>
#include <map>
#include <string>
#include <string_view>

// A registry property: a number.
using PropertyValue = long long;

// A service's registry properties by name.
using PropertyDictionary = std::map<std::string, PropertyValue, std::less<>>;

// The value under inKey, or null.
inline const PropertyValue* CFDictionaryGetValue(const PropertyDictionary& inDictionary,
                                                 std::string_view inKey) {
    const auto found = inDictionary.find(inKey);
    return found == inDictionary.end() ? nullptr : &found->second;
}

// Converts inValue to a signed 16-bit number. False when it does not fit, which leaves outValue
// alone.
inline bool CFNumberGetValue(PropertyValue inValue, SInt16* outValue) {
    if (inValue < std::numeric_limits<SInt16>::min() ||
        inValue > std::numeric_limits<SInt16>::max()) {
        return false;
    }
    *outValue = static_cast<SInt16>(inValue);
    return true;
}

// What a service must be to match: its class, and every property listed here with this value.
struct MatchingDictionary {
    std::string serviceClass;
    PropertyDictionary properties;

    void setObject(const std::string& inKey, PropertyValue inValue) { properties[inKey] = inValue; }
};
