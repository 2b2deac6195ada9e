#pragma once

#include "host/Bundle.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace host {

class InterfaceLoader;

// A settings pane: a controller with a bundle whose interface file builds its main view. The
// program that shows it calls loadMainView(), then mainViewDidLoad(), and didUnselect() each
// time the pane stops being shown.
class PreferencePane : public QObject {
    Q_OBJECT
public:
    explicit PreferencePane(Bundle inBundle, QObject* inParent = nullptr);
    ~PreferencePane() override;

    const Bundle& bundle() const { return mBundle; }

    // Builds the main view from the interface file that the bundle's Info.plist names
    // ("NSMainNibFile", in the bundle's resources, with the extension "ui"; when it names
    // none, the bundle's own name) and connects this pane's outlets and actions. Returns
    // the view, which the pane keeps, or nullptr.
    QWidget* loadMainView();
    QWidget* mainView() const { return mMainView.get(); }

    virtual void mainViewDidLoad() {}
    virtual void didUnselect() {}
    // False while what the pane holds could not be saved: its last save failed.
    virtual bool settingsSaved() const { return true; }

    // The view that has keyboard focus when the pane is shown.
    void setInitialKeyView(QWidget* inView) { mInitialKeyView = inView; }
    QWidget* initialKeyView() const { return mInitialKeyView; }

protected:
    // Lets a pane make the classes of its own that its interface file names.
    virtual void registerInterfaceClasses(InterfaceLoader& inLoader);

private:
    Bundle mBundle;
    std::unique_ptr<QWidget> mMainView;
    QPointer<QWidget> mInitialKeyView;
};

} // namespace host
