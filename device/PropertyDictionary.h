#pragma once

#include "host/Types.h"

#include <functional>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <variant>

// A registry property: a number or a string.
using PropertyValue = std::variant<long long, std::string>;

// A service's registry properties by name.
using PropertyDictionary = std::map<std::string, PropertyValue, std::less<>>;

// The value under inKey, or null.
inline const PropertyValue* CFDictionaryGetValue(const PropertyDictionary& inDictionary,
                                                 std::string_view inKey) {
    const auto found = inDictionary.find(inKey);
    return found == inDictionary.end() ? nullptr : &found->second;
}

// Converts inValue to a signed 16-bit number. False when it is no number or does not fit, which
// leaves outValue alone.
inline bool CFNumberGetValue(const PropertyValue& inValue, SInt16* outValue) {
    const auto* number = std::get_if<long long>(&inValue);
    if (number == nullptr || *number < std::numeric_limits<SInt16>::min() ||
        *number > std::numeric_limits<SInt16>::max()) {
        return false;
    }
    *outValue = static_cast<SInt16>(*number);
    return true;
}

namespace device {

// The registry property that carries a hidraw service's device node.
inline constexpr char kDeviceNodeKey[] = "DeviceNode";

// The device node that inProperties name, or null.
inline const std::string* deviceNode(const PropertyDictionary& inProperties) {
    const PropertyValue* node = CFDictionaryGetValue(inProperties, kDeviceNodeKey);
    return node != nullptr ? std::get_if<std::string>(node) : nullptr;
}

} // namespace device

// What a service must be to match: its class, and every property listed here with this value.
struct MatchingDictionary {
    std::string serviceClass;
    PropertyDictionary properties;

    void setObject(const std::string& inKey, PropertyValue inValue) {
        properties[inKey] = std::move(inValue);
    }
};
