#pragma once

#include "settings/Settings.h"

#include <QString>

#include <optional>

namespace settings {

// The settings file as one program shares it with others: what it held when this program last
// read or wrote it. Another program's change is a setting the file holds that differs from what
// was seen here; it wins over this program's own value, in a save as when following the file, so
// that a save never writes over a change another program made before it.
class SharedFile {
public:
    // Reads the file and returns the settings another program changed in it since. A file that is
    // missing or cannot be read changes nothing. With inSettle, a file that cannot be read is
    // read again once a writer's change would have settled, so that one an editor is halfway
    // through writing in place is not taken for damaged.
    Stored read(const QString& inPath, bool inSettle = false);

    // Stores the frequency and stereo choice, and inStyle when given, into the file as the last
    // read found it, once the caller has taken in what that read returned; nothing is written
    // when the file holds them already. A file that could not be read is moved aside, one with a
    // value that cannot be written back as it is copied aside (see replace), and the new one holds
    // every setting last read from it, not only these.
    WriteResult write(const QString& inPath, SInt32 inFrequency, bool inStereo,
                      std::optional<SInt32> inStyle);

    // How the file was found by the last read or left by the last write.
    FileState state() const { return mState; }
    // What the file held when it was last read or written here.
    const Stored& seen() const { return mSeen; }

private:
    FileState mState = FileState::Missing; // found by the last read
    Stored mSeen;                          // what the file held when last read or written
    std::optional<host::Dictionary> mLast; // the same, whole
};

} // namespace settings
