#pragma once

namespace host {

// Asks the X server to repeat a held key as presses only, ending with one release (XKB's
// per-client detectable auto-repeat), as views expect. By default it repeats a held key as
// release and press pairs, which Qt flags as repeats only some of the time. True when the server
// granted it; false on another window system or a server without XKB, where views fall back to
// taking a release followed at once by a press of the same key at the same time as a repeat.
bool requestDetectableAutoRepeat();

} // namespace host
