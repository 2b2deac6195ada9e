#pragma once

#include "host/PropertyList.h"
#include "host/Types.h"
#include "settings/Stations.h"
#include "settings/Tuning.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// The pane's settings file: the user's last frequency and stereo choice, and the band.
namespace settings {

// The product's reverse-DNS identifier, set once by the build; it names the settings file and
// the bundle.
inline constexpr char sBundleIdentifier[] = TAVRO_BUNDLE_IDENTIFIER;

inline constexpr char sFrequencyKey[] = "Frequency";
inline constexpr char sStyleKey[] = "Style";
inline constexpr char sStereoKey[] = "Stereo";
// Whether a transmitter plugged in while the panel is closed gets the saved settings.
inline constexpr char sApplyOnPlugKey[] = "ApplyOnPlug";

// What the panel starts with when the file lacks a key.
inline constexpr SInt32 sDefaultFrequency = 88100;
inline constexpr SInt32 sDefaultStyle = 0;
inline constexpr bool sDefaultStereo = true;
inline constexpr bool sDefaultApplyOnPlug = true;

// The file's path, worked out anew at each use: "$XDG_CONFIG_HOME/<identifier>.plist", or under
// "$HOME/.config", the home folder of the user database standing in for a HOME that is unset or
// relative; a relative XDG_CONFIG_HOME is ignored. Empty when no home folder can be found.
QString prefPath();

// What the file holds; a key that is absent or of an unusable type is nothing.
struct Stored {
    std::optional<SInt32> frequency;
    std::optional<SInt32> style;
    std::optional<bool> stereo;
    std::optional<bool> applyOnPlug;
    std::vector<Station> stations; // the well-formed ones (see stations())
};

// What the panel sends a transmitter at its connection, for a file that holds inStored: the
// frequency as the dial takes it (moved into the band of the style, band 0 for an unknown style),
// cut to the 100 kHz step the transmitter takes, and the stereo choice.
struct Tuning {
    SInt32 frequency = sDefaultFrequency; // kHz
    bool stereo = sDefaultStereo;

    bool operator==(const Tuning&) const = default;
};

Tuning tuningFor(const Stored& inStored);

// What a settings dictionary holds. Numbers beyond 32 bits are clamped.
Stored fromDictionary(const host::Dictionary& inDict);

enum class FileState {
    Missing,    // no file: every setting has its default
    Read,       // a settings dictionary
    Unkeepable, // a settings dictionary with a value that cannot be written back as it is
    Unreadable, // a file that is no settings dictionary, or cannot be read
};

struct Contents {
    FileState state = FileState::Missing;
    Stored stored;
};

Contents read(const QString& inPath);

// The file's dictionary as read; none when it is missing or cannot be read.
struct Loaded {
    FileState state = FileState::Missing;
    std::optional<host::Dictionary> dict;
};

Loaded load(const QString& inPath);

// How long a writer's change takes to settle: a temporary file and its rename, or an editor's
// truncation and rewrite, come within it.
inline constexpr int sSettleMs = 100;

struct WriteResult {
    QString problem; // why the file could not be written, in the person's words; empty when it was
    QString logged;  // the same in the log's words, which are the same in every language
    QString keptAside; // where the file as it was is kept, when a write would have lost some of it
    QString note;      // what the log said of that, in the person's words

    bool saved() const { return problem.isEmpty(); }
};

// Where write keeps a file at inPath it would lose some of: "<path>.unreadable" for one it
// cannot read, "<path>.original" for one holding a value it cannot write back as it is; with a
// number when that is taken.
QString keptAsidePath(const QString& inPath, FileState inFound);

// Replaces the file at inPath with inDict atomically, keeping every value exactly (in the binary
// form when XML cannot hold one of them), making its folder if need be. A file there that could
// not be read (inFound Unreadable) is moved aside first, and one holding a value that cannot be
// written back as it is (Unkeepable) copied aside whole, so that nothing in it is lost; the one
// line that says so goes to the log.
WriteResult replace(const QString& inPath, FileState inFound, const host::Dictionary& inDict);

// Reads the file's dictionary (an empty one when it is missing or cannot be read), lets inEdit
// change it, and replaces the file with it as replace does, every key inEdit leaves alone kept
// exactly. The caller holds the settings lock (SettingsLock). When inEdit returns false the file
// is left as it is.
WriteResult changeLocked(const QString& inPath,
                         const std::function<bool(host::Dictionary&)>& inEdit);
// changeLocked, holding the settings lock from the read to the write (going on without it after
// its bound, and saying so).
WriteResult change(const QString& inPath, const std::function<bool(host::Dictionary&)>& inEdit);

// The frequency and stereo choice, through change.
WriteResult write(const QString& inPath, SInt32 inFrequency, bool inStereo);

// The band of inStyle chosen in inDict: the style saved, and a saved frequency outside the band
// moved to its nearer end, as the dial moves it. The frequency it moved to, or nothing.
std::optional<SInt32> chooseBand(host::Dictionary& ioDict, SInt32 inStyle);

} // namespace settings
