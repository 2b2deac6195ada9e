#pragma once

#include "support/Files.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <string>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

// A real file system in trouble, full or read-only: a small tmpfs on a folder of the test's own,
// in a mount namespace private to this thread and the processes it starts (which needs root; the
// test says when it has none). The files given are on it before the trouble starts.
class TroubledFolder {
public:
    enum Trouble { Full, ReadOnly };

    explicit TroubledFolder(Trouble inTrouble, const QString& inFileName = {},
                            const QByteArray& inContents = {}) {
        const QByteArray at = QFile::encodeName(mFolder.path());
        if (::geteuid() != 0) {
            mProblem = "not root, so no mount of its own";
            return;
        }
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", at, "tmpfs", 0, "size=64k,mode=0777") != 0) {
            mProblem = std::string("no mount of its own: ") + std::strerror(errno);
            return;
        }
        mMounted = true;
        if (!inFileName.isEmpty()) {
            put(path(inFileName), inContents);
        }
        if (inTrouble == ReadOnly) {
            ::mount(nullptr, at, nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
        } else {
            put(path(".filler"), QByteArray(64 * 1024, 'x')); // more than it holds
        }
    }
    ~TroubledFolder() {
        if (mMounted) {
            ::umount2(QFile::encodeName(mFolder.path()), MNT_DETACH);
        }
    }
    TroubledFolder(const TroubledFolder&) = delete;
    TroubledFolder& operator=(const TroubledFolder&) = delete;

    // Why there is no troubled folder; empty when there is one.
    const std::string& problem() const { return mProblem; }
    QString path(const QString& inName = {}) const {
        return inName.isEmpty() ? mFolder.path() : mFolder.filePath(inName);
    }

private:
    QTemporaryDir mFolder;
    std::string mProblem;
    bool mMounted = false;
};
