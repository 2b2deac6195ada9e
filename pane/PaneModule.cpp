#include "pane/PaneModule.h"

#include "pane/USB_TavroPref.h"

extern "C" Q_DECL_EXPORT host::PreferencePane*
USB_TavroPaneCreate(const QString& inBundlePath, device::DeviceServices& inServices) {
    return new USB_TavroPref(host::Bundle(inBundlePath), inServices);
}

// Checked where it is defined, so the loader's function type cannot drift from it.
static_assert(std::is_same_v<decltype(&USB_TavroPaneCreate), PaneCreateFunction>);
