#include "settings/Settings.h"

#include "host/PropertyList.h"
#include "host/SystemLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

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

// Moves an unreadable settings file out of the way without overwriting an earlier one.
void keepUnreadable(const QString& inPath) {
    QString aside = inPath + ".unreadable";
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = inPath + ".unreadable." + QString::number(n);
    }
    if (QFile::rename(inPath, aside)) {
        host::systemLog("Settings file %s could not be read; kept as %s", qUtf8Printable(inPath),
                        qUtf8Printable(aside));
    } else {
        host::systemLog("Settings file %s could not be read and could not be kept aside",
                        qUtf8Printable(inPath));
    }
}

} // namespace

QString prefPath() {
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty() || QDir::isRelativePath(folder)) {
        folder = QDir::homePath() + "/.config";
    }
    return folder + "/" + sBundleIdentifier + ".plist";
}

Stored fromDictionary(const host::Dictionary& inDict) {
    Stored stored;
    stored.frequency = clampedLong(inDict, sFrequencyKey);
    stored.style = clampedLong(inDict, sStyleKey);
    stored.stereo = inDict.boolValue(sStereoKey);
    return stored;
}

Stored read(const QString& inPath) {
    const auto dict = host::Dictionary::dictionaryWithContentsOfFile(inPath);
    return dict ? fromDictionary(*dict) : Stored{};
}

bool write(const QString& inPath, SInt32 inFrequency, bool inStereo) {
    auto dict = host::Dictionary::dictionaryWithContentsOfFile(inPath);
    if (!dict) {
        if (QFileInfo::exists(inPath)) {
            keepUnreadable(inPath);
        }
        dict.emplace();
    }
    dict->setLong(sFrequencyKey, inFrequency);
    dict->setBool(sStereoKey, inStereo);
    // A fresh account may not have its configuration folder yet.
    QDir().mkpath(QFileInfo(inPath).absolutePath());
    return dict->writeToFile(inPath, true);
}

} // namespace settings
