#pragma once

#include <QtGlobal>

namespace host {

// Asks the X server to repeat a held key as presses only, ending with one release (XKB's
// per-client detectable auto-repeat), as views expect. By default it repeats a held key as
// release and press pairs, which Qt flags as repeats only some of the time. True when the server
// granted it; false on another window system or a server without XKB, where views fall back to
// keyHeldDown.
bool requestDetectableAutoRepeat();

// Whether the X server holds the key of inNativeScanCode down now: a release of a key it still
// holds is half of its repeat. False on other window systems.
bool keyHeldDown(quint32 inNativeScanCode);

} // namespace host
