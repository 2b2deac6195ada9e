#pragma once

#include "host/Types.h"

#include <QString>

#include <optional>

namespace host {
class Dictionary;
}

// The pane's settings file: the user's last frequency and stereo choice, and the band.
namespace settings {

// The product's reverse-DNS identifier, set once by the build; it names the settings file and
// the bundle.
inline constexpr char sBundleIdentifier[] = TAVRO_BUNDLE_IDENTIFIER;

inline constexpr char sFrequencyKey[] = "Frequency";
inline constexpr char sStyleKey[] = "Style";
inline constexpr char sStereoKey[] = "Stereo";

// The file's path, worked out anew at each use: "$XDG_CONFIG_HOME/<identifier>.plist", or under
// "~/.config" when XDG_CONFIG_HOME is unset or not absolute.
QString prefPath();

// What the file holds; a key that is absent or of an unusable type is nothing.
struct Stored {
    std::optional<SInt32> frequency;
    std::optional<SInt32> style;
    std::optional<bool> stereo;
};

// What a settings dictionary holds. Numbers beyond 32 bits are clamped.
Stored fromDictionary(const host::Dictionary& inDict);

// The same for the file; a missing or unreadable file holds nothing.
Stored read(const QString& inPath);

// Stores the frequency and stereo choice, keeping every other key of the file, and replaces the
// file atomically. A file that exists but cannot be read as settings is moved aside first (to
// "<path>.unreadable", or a numbered name when that is taken) so that nothing in it is lost.
// False when the file could not be written.
bool write(const QString& inPath, SInt32 inFrequency, bool inStereo);

} // namespace settings
