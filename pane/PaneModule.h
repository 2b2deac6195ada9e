#pragma once

#include <QString>

namespace device {
class DeviceServices;
}
namespace host {
class PreferencePane;
}

// The pane module's one entry point, looked up by name when the bundle's module is loaded: it
// makes the pane's controller for the bundle at inBundlePath, reaching the transmitter through
// inServices, which must outlive the pane.
using PaneCreateFunction = host::PreferencePane* (*)(const QString& inBundlePath,
                                                     device::DeviceServices& inServices);
inline constexpr char sPaneEntryPoint[] = "USB_TavroPaneCreate";
