#include "host/Bundle.h"

#include <QFileInfo>

namespace host {

Bundle::Bundle(QString inRootPath) : mRootPath(std::move(inRootPath)) {
}

QString Bundle::resourcePath() const {
    return mRootPath + "/Contents/Resources";
}

QString Bundle::pathForResource(const QString& inName, const QString& inType) const {
    const QString path = resourcePath() + "/" + inName + (inType.isEmpty() ? "" : "." + inType);
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace host

namespace host {

std::optional<Dictionary> Bundle::infoDictionary() const {
    return Dictionary::dictionaryWithContentsOfFile(mRootPath + "/Contents/Info.plist");
}

} // namespace host
