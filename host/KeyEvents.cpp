#include "host/KeyEvents.h"

#include <QKeyEvent>

namespace host {

namespace {

// X11's lock modifier: set in the native state while Caps Lock is engaged.
constexpr quint32 sX11LockMask = 0x2;

} // namespace

UInt32 modifierFlagsFrom(const QInputEvent& inEvent) {
    const Qt::KeyboardModifiers modifiers = inEvent.modifiers();
    UInt32 flags = 0;
    if (modifiers & Qt::ShiftModifier) {
        flags |= kShiftKeyMask;
    }
    if (modifiers & Qt::ControlModifier) {
        flags |= kControlKeyMask;
    }
    if (modifiers & Qt::AltModifier) {
        flags |= kAlternateKeyMask;
    }
    if (modifiers & Qt::MetaModifier) {
        flags |= kCommandKeyMask;
    }
    if (modifiers & Qt::KeypadModifier) {
        flags |= kNumericPadKeyMask;
    }
    if (const auto* key = dynamic_cast<const QKeyEvent*>(&inEvent)) {
        if (key->nativeModifiers() & sX11LockMask) {
            flags |= kAlphaShiftKeyMask;
        }
    }
    return flags;
}

Event keyEventFrom(const QKeyEvent& inEvent) {
    UInt32 flags = modifierFlagsFrom(inEvent);
    std::u16string characters;
    switch (inEvent.key()) {
    case Qt::Key_Up:
        characters = std::u16string(1, kUpArrowFunctionKey);
        break;
    case Qt::Key_Down:
        characters = std::u16string(1, kDownArrowFunctionKey);
        break;
    case Qt::Key_Left:
        characters = std::u16string(1, kLeftArrowFunctionKey);
        break;
    case Qt::Key_Right:
        characters = std::u16string(1, kRightArrowFunctionKey);
        break;
    default:
        characters = inEvent.text().toStdU16String();
        break;
    }
    if (characters.size() == 1 && characters[0] >= kUpArrowFunctionKey &&
        characters[0] <= kRightArrowFunctionKey) {
        // Arrow keys carry the numeric-pad and function-key flags, as views expect.
        flags |= kNumericPadKeyMask | kFunctionKeyMask;
    }
    return Event::key(std::move(characters), flags);
}

} // namespace host
