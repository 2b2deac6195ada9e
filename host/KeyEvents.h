#pragma once

#include "host/Event.h"

class QInputEvent;
class QKeyEvent;

namespace host {

// The modifier flags of a toolkit event: Shift, Control, Option (Alt), Command (Meta), the
// numeric pad, and Caps Lock when it is engaged.
UInt32 modifierFlagsFrom(const QInputEvent& inEvent);

// A key event with the characters a view reads: the arrows as the function-key codes
// (U+F700 up, U+F701 down, U+F702 left, U+F703 right), other keys as their text.
Event keyEventFrom(const QKeyEvent& inEvent);

} // namespace host
