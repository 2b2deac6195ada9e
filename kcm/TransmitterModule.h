#pragma once

#include "device/DeviceServices.h"
#include "hosting/PaneLoader.h"
#include "hosting/SingleInstance.h"

#include <KCModule>

#include <QPointer>

#include <memory>
#include <optional>

class KMessageWidget;
class QDBusServiceWatcher;
class QVBoxLayout;

namespace device {
class DeviceServices;
}
namespace host {
class PreferencePane;
}

// The pane as a page of the desktop's settings application (System Settings, kcmshell6): it
// loads the pane from its bundle, starts it when the page is first shown, deselects it (which
// saves the settings) each time the page is left or closed, and offers the band, tuning at
// plug-in, Tune To… and the stations as a row of menu buttons. Every change takes effect at once:
// there is nothing to apply. While another panel has the transmitter, the page says so, brings
// that panel forward, and takes over when it closes.
class TransmitterModule : public KCModule {
    Q_OBJECT
public:
    // inArgs may hold "simulate": the simulated transmitter instead of the real one.
    TransmitterModule(QObject* inParent, const KPluginMetaData& inData, const QVariantList& inArgs);
    ~TransmitterModule() override;

    // Called once the page is first shown: the pane's start.
    void load() override;

protected:
    bool eventFilter(QObject* inWatched, QEvent* inEvent) override;

private:
    void start();
    void begin();
    void select();
    void deselect();
    void stop();
    void sayHeld(SingleInstance::Start inStart);

    bool mSimulate = false;
    bool mShown = false;
    bool mStarted = false; // mainViewDidLoad has run
    bool mSelected = false;
    // Declared in the order they are needed, so that they go in the reverse one: the pane before
    // its module and the transmitter it drives, the claim on the transmitter last.
    std::optional<SingleInstance> mInstance;
    std::unique_ptr<device::Backend> mBackend;
    std::optional<device::DeviceServices> mServices; // over mBackend
    PaneLoader mLoader;
    std::unique_ptr<host::PreferencePane> mPane;
    QVBoxLayout* mLayout = nullptr;
    QPointer<QWidget> mPage; // the pane's view and the menu buttons
    KMessageWidget* mMessage = nullptr;
    QDBusServiceWatcher* mWatcher = nullptr;
};
