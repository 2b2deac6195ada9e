#include "settings/Settings.h"

#include "settings/SettingsLock.h"
#include "settings/Tuning.h"

#include "host/PropertyList.h"
#include "host/SystemLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace settings {

namespace {

std::optional<SInt32> clampedLong(const host::Dictionary& inDict, const char* inKey) {
    const auto value = inDict.longValue(inKey);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<SInt32>(std::clamp<std::int64_t>(*value, std::numeric_limits<SInt32>::min(),
                                                        std::numeric_limits<SInt32>::max()));
}

struct Words {
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};

// Why the file could not be written, as a reason of the program's own.
void fail(WriteResult& ioResult, const char* inContext, const char* inReason) {
    ioResult.problem = QCoreApplication::translate(inContext, inReason);
    ioResult.logged = inReason;
}

// Keeps the file at inPath aside before it is replaced: moved when it cannot be read, copied
// whole when a value in it cannot be written back as it is. Where it went, or nothing when it
// could not be kept.
QString keepAside(const QString& inPath, FileState inFound, QString* outNote) {
    const QString aside = keptAsidePath(inPath, inFound);
    const bool unreadable = inFound == FileState::Unreadable;
    if (!(unreadable ? QFile::rename(inPath, aside) : QFile::copy(inPath, aside))) {
        return {};
    }
    if (unreadable) {
        host::systemLog("Settings file %s could not be read; kept as %s", qUtf8Printable(inPath),
                        qUtf8Printable(aside));
        *outNote = Words::tr("The settings file %1 could not be read; it is kept as %2.")
                       .arg(inPath, aside);
    } else {
        host::systemLog("Settings file %s holds a value that cannot be written back as it is; "
                        "kept as it was as %s",
                        qUtf8Printable(inPath), qUtf8Printable(aside));
        *outNote = Words::tr("The settings file %1 holds a value that cannot be written back as "
                             "it is; it is kept as it was as %2.")
                       .arg(inPath, aside);
    }
    return aside;
}

// HOME, or where the user database says it is when HOME is unset or relative (a service or a
// stripped environment): never the current folder, never "/".
QString homeFolder() {
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home)) {
        return home;
    }
    const long hint = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(hint > 0 ? static_cast<std::size_t>(hint) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr || found->pw_dir[0] != '/') {
        return {};
    }
    return QFile::decodeName(found->pw_dir);
}

} // namespace

QString keptAsidePath(const QString& inPath, FileState inFound) {
    const QString base = inPath + (inFound == FileState::Unreadable ? ".unreadable" : ".original");
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = base + "." + QString::number(n);
    }
    return aside;
}

QString prefPath() {
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty() || QDir::isRelativePath(folder)) {
        const QString home = homeFolder();
        if (home.isEmpty()) {
            return {};
        }
        folder = QDir::cleanPath(home) + "/.config";
    }
    return folder + "/" + sBundleIdentifier + ".plist";
}

Stored fromDictionary(const host::Dictionary& inDict) {
    Stored stored;
    stored.frequency = clampedLong(inDict, sFrequencyKey);
    stored.style = clampedLong(inDict, sStyleKey);
    stored.stereo = inDict.boolValue(sStereoKey);
    stored.applyOnPlug = inDict.boolValue(sApplyOnPlugKey);
    stored.stations = stations(inDict);
    return stored;
}

Tuning tuningFor(const Stored& inStored) {
    const Band band = bandForStyle(inStored.style.value_or(sDefaultStyle));
    const SInt32 inBand =
        std::clamp(inStored.frequency.value_or(sDefaultFrequency), band.minFreq, band.maxFreq);
    // The tuning report carries whole steps; the band's ends are steps themselves.
    constexpr SInt32 sStepkHz = sStepHertz / 1000;
    return {inBand - inBand % sStepkHz, inStored.stereo.value_or(sDefaultStereo)};
}

Loaded load(const QString& inPath) {
    Loaded loaded{FileState::Read, host::Dictionary::dictionaryWithContentsOfFile(inPath)};
    if (!loaded.dict) {
        const bool present = !inPath.isEmpty() && QFileInfo(inPath).exists();
        loaded.state = present ? FileState::Unreadable : FileState::Missing;
    } else if (!loaded.dict->readExactly()) {
        loaded.state = FileState::Unkeepable;
    }
    return loaded;
}

Contents read(const QString& inPath) {
    const Loaded loaded = load(inPath);
    return {loaded.state, loaded.dict ? fromDictionary(*loaded.dict) : Stored{}};
}

WriteResult replace(const QString& inPath, FileState inFound, const host::Dictionary& inDict) {
    WriteResult result;
    if (inPath.isEmpty()) {
        fail(result, "SettingsFile",
             QT_TRANSLATE_NOOP("SettingsFile", "there is no home folder to keep it in"));
        return result;
    }
    if ((inFound == FileState::Unreadable || inFound == FileState::Unkeepable) &&
        QFileInfo(inPath).exists()) {
        result.keptAside = keepAside(inPath, inFound, &result.note);
        if (result.keptAside.isEmpty()) {
            // Written over, what it holds would be lost.
            fail(result, "SettingsFile",
                 inFound == FileState::Unreadable
                     ? QT_TRANSLATE_NOOP("SettingsFile",
                                         "the file there cannot be read, nor moved aside")
                     : QT_TRANSLATE_NOOP("SettingsFile",
                                         "the file there holds a value that cannot be written "
                                         "back, and it cannot be copied aside"));
            return result;
        }
    }
    // A fresh account may not have its configuration folder yet.
    makePrivateFolder(QFileInfo(inPath).absolutePath());
    if (const auto failure = inDict.writeToFile(inPath, true); failure.reason != nullptr) {
        fail(result, "PropertyList", failure.reason);
    } else if (failure.error != 0) {
        result.problem = host::systemMessage(failure.error);
        result.logged = host::loggedSystemMessage(failure.error);
    }
    return result;
}

WriteResult changeLocked(const QString& inPath,
                         const std::function<bool(host::Dictionary&)>& inEdit) {
    Loaded found = load(inPath);
    if (!found.dict) {
        found.dict.emplace();
    }
    if (!inEdit(*found.dict)) {
        return {};
    }
    return replace(inPath, found.state, *found.dict);
}

WriteResult change(const QString& inPath, const std::function<bool(host::Dictionary&)>& inEdit) {
    const SettingsLock lock(inPath, SettingsLock::Wait::UpToBound);
    if (lock.taken()) {
        host::systemLog("Settings lock %s is held by another program: saving without it",
                        qUtf8Printable(SettingsLock::lockPath(inPath)));
    }
    return changeLocked(inPath, inEdit);
}

WriteResult write(const QString& inPath, SInt32 inFrequency, bool inStereo) {
    return change(inPath, [&](host::Dictionary& ioDict) {
        ioDict.setLong(sFrequencyKey, inFrequency);
        ioDict.setBool(sStereoKey, inStereo);
        return true;
    });
}

std::optional<SInt32> chooseBand(host::Dictionary& ioDict, SInt32 inStyle) {
    ioDict.setLong(sStyleKey, inStyle);
    const std::optional<SInt32> saved = clampedLong(ioDict, sFrequencyKey);
    if (!saved) {
        return std::nullopt;
    }
    const Band band = bandForStyle(inStyle);
    const SInt32 inBand = std::clamp(*saved, band.minFreq, band.maxFreq);
    if (inBand == *saved) {
        return std::nullopt;
    }
    ioDict.setLong(sFrequencyKey, inBand);
    return inBand;
}

} // namespace settings
