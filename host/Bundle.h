#pragma once

#include "host/PropertyList.h"

#include <QString>

#include <optional>

namespace host {

// A bundle folder: "<root>/Contents/" with the resources under "Contents/Resources/".
class Bundle {
public:
    explicit Bundle(QString inRootPath);

    const QString& bundlePath() const { return mRootPath; }
    QString resourcePath() const;
    // The path of the resource inName.inType, or an empty string when the bundle has none.
    QString pathForResource(const QString& inName, const QString& inType) const;
    // The bundle's Contents/Info.plist, or nothing when it is missing or unreadable.
    std::optional<Dictionary> infoDictionary() const;

private:
    QString mRootPath;
};

} // namespace host
