#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>

#include <memory>

namespace device {
class DeviceServices;
}
namespace host {
class PreferencePane;
}

// Loads a pane bundle's module and makes its controller. The module stays loaded for as long as
// this object lives, so the pane must go first.
class PaneLoader {
public:
    // The pane's main view is built; mainViewDidLoad has not run yet. Null on failure, with
    // errorString() saying why.
    std::unique_ptr<host::PreferencePane> load(const QString& inBundlePath,
                                               device::DeviceServices& inServices);
    const QString& errorString() const { return mError; }

    // Where the bundle is when none is named: the first of inPlaces, each relative to the
    // folder inFrom of the program or plug-in that shows the pane, that is a folder (a build
    // tree's place, then the installation's); else the last.
    static QString findBundle(const QString& inFrom, const QStringList& inPlaces);

private:
    QLibrary mModule;
    QString mError;
};
