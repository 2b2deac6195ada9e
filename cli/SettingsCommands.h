#pragma once

#include "cli/Commands.h"
#include "settings/Settings.h"

#include <optional>

// The commands that set what the panel's menus set, each saving through the settings file's
// one writer, every other key kept.
namespace cli {

// Shows the band, or saves inStyle as it.
int band(Context& inContext, std::optional<SInt32> inStyle);
// Shows whether a transmitter plugged in gets the saved settings, or saves inOn as it.
int applyOnPlug(Context& inContext, std::optional<bool> inOn);
// Lists, saves, renames or removes stations, as inInvocation says.
int station(Context& inContext, const Invocation& inInvocation);
// Tunes as tune does to the station inName, with its stereo choice unless inStereo is given.
int tuneStation(Context& inContext, const QString& inName, std::optional<bool> inStereo);

// Why tune cannot take inFrequency (typed as inText) in the band of inStored, with where the
// band comes from; empty when it can.
QString tuneRefusal(const Context& inContext, const settings::Stored& inStored,
                    const QString& inText, const settings::Frequency& inFrequency);

} // namespace cli
