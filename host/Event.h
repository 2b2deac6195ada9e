#pragma once

#include "host/Geometry.h"
#include "host/Types.h"

#include <string>
#include <utility>

class QInputEvent;

namespace host {

// Modifier flag bits of an event, as the views read them.
enum ModifierFlag : UInt32 {
    kAlphaShiftKeyMask = 0x00010000, // Caps Lock engaged
    kShiftKeyMask = 0x00020000,
    kControlKeyMask = 0x00040000,
    kAlternateKeyMask = 0x00080000, // Option
    kCommandKeyMask = 0x00100000,
    kNumericPadKeyMask = 0x00200000,
    kFunctionKeyMask = 0x00800000,
};

// Character codes that function keys produce.
enum FunctionKey : char16_t {
    kUpArrowFunctionKey = 0xF700,
    kDownArrowFunctionKey = 0xF701,
    kLeftArrowFunctionKey = 0xF702,
    kRightArrowFunctionKey = 0xF703,
};

// A mouse or key event, free of the toolkit so that views can be driven directly.
class Event {
public:
    static Event mouse(Point inLocationInWindow, UInt32 inModifierFlags = 0) {
        Event e;
        e.mLocationInWindow = inLocationInWindow;
        e.mModifierFlags = inModifierFlags;
        return e;
    }
    // A turn of the scroll wheel: inDeltaY notches away from the user (up), fractions from
    // high-resolution wheels and touchpads.
    static Event scrollWheel(Point inLocationInWindow, Float32 inDeltaY,
                             UInt32 inModifierFlags = 0) {
        Event e = mouse(inLocationInWindow, inModifierFlags);
        e.mDeltaY = inDeltaY;
        return e;
    }
    static Event key(std::u16string inCharacters, UInt32 inModifierFlags = 0) {
        Event e;
        e.mCharacters = std::move(inCharacters);
        e.mModifierFlags = inModifierFlags;
        return e;
    }

    // The toolkit event this one was made from, so that a view can hand it on unchanged;
    // null for events made directly.
    QInputEvent* nativeEvent() const { return mNativeEvent; }
    Event& withNativeEvent(QInputEvent* inNative) {
        mNativeEvent = inNative;
        return *this;
    }

    Point locationInWindow() const { return mLocationInWindow; }
    Float32 deltaY() const { return mDeltaY; }
    UInt32 modifierFlags() const { return mModifierFlags; }
    const std::u16string& characters() const { return mCharacters; }
    // The character at inIndex, or 0 when the string is shorter.
    char16_t characterAtIndex(std::size_t inIndex) const {
        return inIndex < mCharacters.size() ? mCharacters[inIndex] : u'\0';
    }

private:
    Point mLocationInWindow;
    Float32 mDeltaY = 0.0f;
    UInt32 mModifierFlags = 0;
    std::u16string mCharacters;
    QInputEvent* mNativeEvent = nullptr;
};

} // namespace host
