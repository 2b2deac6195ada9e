#include "host/PreferencePane.h"

#include "host/InterfaceLoader.h"

#include <QFileInfo>
#include <QWidget>

namespace host {

PreferencePane::PreferencePane(Bundle inBundle, QObject* inParent)
    : QObject(inParent), mBundle(std::move(inBundle)) {
}

// The main view goes with the pane, after the subclass is gone, so outlets stay valid for the
// subclass's whole life.
PreferencePane::~PreferencePane() = default;

void PreferencePane::registerInterfaceClasses(InterfaceLoader&) {
}

QWidget* PreferencePane::loadMainView() {
    if (mMainView != nullptr) {
        return mMainView.get();
    }
    // Without an Info.plist naming it, the interface file is named after the bundle.
    const auto info = mBundle.infoDictionary();
    const QString name = (info ? info->stringValue("NSMainNibFile") : std::nullopt)
                             .value_or(QFileInfo(mBundle.bundlePath()).completeBaseName());
    const QString path = mBundle.pathForResource(name, "ui");
    if (path.isEmpty()) {
        return nullptr;
    }
    InterfaceLoader loader;
    registerInterfaceClasses(loader);
    mMainView.reset(loader.load(path, this));
    return mMainView.get();
}

} // namespace host
