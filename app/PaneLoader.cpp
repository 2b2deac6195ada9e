#include "app/PaneLoader.h"

#include "host/PreferencePane.h"
#include "pane/PaneModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr char sBundleName[] = "USB_Tavro.prefPane";

} // namespace

QString PaneLoader::defaultBundlePath() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(sBundleName);
    if (QFileInfo(beside).isDir()) {
        return beside;
    }
    return QDir::cleanPath(programDir.filePath(TAVRO_INSTALLED_BUNDLE_RELPATH));
}

std::unique_ptr<host::PreferencePane> PaneLoader::load(const QString& inBundlePath,
                                                       device::DeviceServices& inServices) {
    const host::Bundle bundle(QFileInfo(inBundlePath).absoluteFilePath());
    const auto info = bundle.infoDictionary();
    if (!info) {
        mError =
            QString("%1 is not a pane bundle: no readable Contents/Info.plist").arg(inBundlePath);
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
        mError = QString("cannot load the interface file of %1").arg(inBundlePath);
        return nullptr;
    }
    mError.clear();
    return pane;
}
