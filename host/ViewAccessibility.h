#pragma once

namespace host {

// Makes views that show a value known to Qt's accessibility layer, and through it to AT-SPI, as
// dials: role, name, value and range, the value as spoken, and setting it. Idempotent.
void installViewAccessibility();

} // namespace host
