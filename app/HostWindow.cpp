#include "app/HostWindow.h"

#include "device/sim/SimulatedTransmitter.h"
#include "host/PreferencePane.h"
#include "hosting/SettingsMenus.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>

HostWindow::HostWindow(host::PreferencePane& inPane, device::SimulatedTransmitter* inSimulator)
    : mPane(inPane) {
    setWindowTitle(tr("USB_Tavro FM Transmitter"));
    // The pane's view in the middle of a frame of the window's own.
    auto* frame = new QWidget(this);
    auto* middle = new QHBoxLayout(frame);
    middle->setContentsMargins(0, 0, 0, 0);
    middle->addWidget(mPane.mainView(), 0, Qt::AlignHCenter);
    setCentralWidget(frame);
    buildMenus(inSimulator);
    // Wide enough for every menu's title, in any language: one hidden behind the bar's extension
    // is one a person does not find.
    frame->setMinimumWidth(menuBar()->sizeHint().width());
    // A pane has one size, the one its interface file lays out.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

HostWindow::~HostWindow() {
    mPane.mainView()->setParent(nullptr); // the pane's, which outlives the window
}

void HostWindow::buildMenus(device::SimulatedTransmitter* inSimulator) {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    mQuitAction = file->addAction(tr("&Quit"), QKeySequence::Quit, qApp, &QApplication::quit);
    const auto* settings = new SettingsMenus(*menuBar(), *this, mPane);
    menuBar()->addMenu(settings->transmitterMenu());
    menuBar()->addMenu(settings->stationsMenu());

    if (inSimulator != nullptr) {
        QMenu* menu = menuBar()->addMenu(tr("&Device"));
        mPlugAction = menu->addAction(tr("&Plug In Simulated Transmitter"));
        mPlugAction->setCheckable(true);
        mPlugAction->setChecked(inSimulator->isPlugged());
        mPlugAction->setShortcut(QKeySequence("Ctrl+P"));
        connect(mPlugAction, &QAction::toggled, this, [inSimulator](bool inPlug) {
            if (inPlug) {
                inSimulator->plug();
            } else {
                inSimulator->unplug();
            }
        });
    }

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About USB_Tavro"), this, [this] {
        QMessageBox::about(
            this, tr("About USB_Tavro"),
            tr("USB_Tavro %1\n\nSettings for a USB FM transmitter.").arg(TAVRO_VERSION));
    });
}

void HostWindow::present() {
    show();
    if (QWidget* keyView = mPane.initialKeyView()) {
        keyView->setFocus(Qt::OtherFocusReason);
    }
    mSelected = true;
}

void HostWindow::deselect() {
    if (mSelected) {
        mSelected = false;
        mPane.didUnselect();
    }
}

void HostWindow::commitSettings() {
    mPane.didUnselect();
}

void HostWindow::closeEvent(QCloseEvent* inEvent) {
    deselect();
    QMainWindow::closeEvent(inEvent);
}
