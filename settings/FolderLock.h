#pragma once

#include <QString>

namespace settings {

// An advisory lock on the settings file's folder, held for the object's life, so that the saves
// of the programs sharing the file (the panel, usb-tavro) come one after another, each reading
// what the one before wrote: neither writes over a save it could not have read. It waits up to
// sWaitMs, then goes on without: a program stuck holding it holds up no save for long. The
// folder is made if need be (the save would make it); where it cannot be opened, there is no lock.
class FolderLock {
public:
    explicit FolderLock(const QString& inSettingsPath);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    static constexpr int sWaitMs = 500;

private:
    int mFolder = -1;
};

} // namespace settings
