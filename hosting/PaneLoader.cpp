#include "hosting/PaneLoader.h"

#include <QCoreApplication>

#include "host/PreferencePane.h"
#include "pane/PaneModule.h"

#include <QDir>
#include <QFileInfo>

QString PaneLoader::findBundle(const QString& inFrom, const QStringList& inPlaces) {
    const QDir from(inFrom);
    for (const QString& place : inPlaces) {
        if (const QString path = QDir::cleanPath(from.filePath(place)); QFileInfo(path).isDir()) {
            return path;
        }
    }
    return QDir::cleanPath(from.filePath(inPlaces.value(inPlaces.size() - 1)));
}

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(PaneLoader)
};

} // namespace

std::unique_ptr<host::PreferencePane> PaneLoader::load(const QString& inBundlePath,
                                                       device::DeviceServices& inServices) {
    const host::Bundle bundle(QFileInfo(inBundlePath).absoluteFilePath());
    const auto info = bundle.infoDictionary();
    if (!info) {
        mError = Words::tr("%1 is not a pane bundle: no readable %2")
                     .arg(inBundlePath, "Contents/Info.plist");
        return nullptr;
    }
    const QString executable = info->stringValue("CFBundleExecutable").value_or("USB_Tavro");
    mModule.setFileName(bundle.bundlePath() + "/Contents/Linux/" + executable + ".so");
    const auto create = reinterpret_cast<PaneCreateFunction>(mModule.resolve(sPaneEntryPoint));
    if (create == nullptr) {
        mError = mModule.errorString();
        return nullptr;
    }
    std::unique_ptr<host::PreferencePane> pane(create(bundle.bundlePath(), inServices));
    if (pane->loadMainView() == nullptr) {
        mError = Words::tr("cannot load the interface file of %1").arg(inBundlePath);
        return nullptr;
    }
    mError.clear();
    return pane;
}
