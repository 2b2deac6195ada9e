#pragma once

#include <QMainWindow>

class QAction;

namespace device {
class SimulatedTransmitter;
}
namespace host {
class PreferencePane;
}

// The window that shows the pane, the stand-in for the settings application. The pane is
// deselected (its settings saved) when the window closes and when the program quits, once per
// showing.
class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    // inSimulator, when given, gets a Device menu to plug it in and pull it out.
    HostWindow(host::PreferencePane& inPane, device::SimulatedTransmitter* inSimulator);
    // Hands the pane's view back to the pane, which owns it.
    ~HostWindow() override;

    // Shows the window with keyboard focus on the pane's initial key view.
    void present();
    // Calls the pane's didUnselect unless it was called since the window was last shown.
    void deselect();
    // Saves the settings now and stays shown: the session is ending and may not come back.
    void commitSettings();

    QAction* plugAction() const { return mPlugAction; }
    QAction* quitAction() const { return mQuitAction; }

protected:
    void closeEvent(QCloseEvent* inEvent) override;

private:
    void buildMenus(device::SimulatedTransmitter* inSimulator);

    host::PreferencePane& mPane;
    QAction* mPlugAction = nullptr;
    QAction* mQuitAction = nullptr;
    bool mSelected = false;
};
