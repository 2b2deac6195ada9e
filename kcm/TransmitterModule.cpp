#include "kcm/TransmitterModule.h"

#include "device/linux/LinuxBackend.h"
#include "device/sim/SimulatedTransmitter.h"
#include "host/KeyRepeat.h"
#include "host/PreferencePane.h"
#include "host/Translations.h"
#include "hosting/SettingsMenus.h"
#include "settings/Settings.h"

#include <KMessageWidget>
#include <KPluginFactory>

#include <QAction>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

K_PLUGIN_CLASS_WITH_JSON(TransmitterModule, "kcm_usbtavro.json")

namespace {

// The widget that holds the pane's view, which stops the pane before it goes, whoever deletes
// it: the settings application may delete the page before the module.
class Page : public QWidget {
public:
    Page(QWidget* inParent, std::function<void()> inBeforeGoing)
        : QWidget(inParent), mBeforeGoing(std::move(inBeforeGoing)) {}
    ~Page() override { mBeforeGoing(); }

private:
    std::function<void()> mBeforeGoing;
};

} // namespace

TransmitterModule::TransmitterModule(QObject* inParent, const KPluginMetaData& inData,
                                     const QVariantList& inArgs)
    : KCModule(inParent, inData), mSimulate(inArgs.contains(QString("simulate"))) {
    // Each change is sent and saved as it is made: an Apply or Defaults button would do nothing.
    setButtons(NoAdditionalButton);
    // The dial repeats a held arrow at its own pace, whatever the X server's repeat settings.
    host::requestDetectableAutoRepeat();
    host::installTranslations();

    mLayout = new QVBoxLayout(widget());
    mMessage = new KMessageWidget(widget());
    mMessage->setObjectName("panelMessage");
    mMessage->setWordWrap(true);
    mMessage->setCloseButtonVisible(false);
    mMessage->hide();
    auto* retry = new QAction(tr("&Try Again"), mMessage);
    connect(retry, &QAction::triggered, this, &TransmitterModule::start);
    mMessage->addAction(retry);
    mLayout->addWidget(mMessage);
    mLayout->addStretch();

    widget()->installEventFilter(this);
    // Closing the settings application may end the process before the page is hidden.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &TransmitterModule::deselect);
    start();
}

TransmitterModule::~TransmitterModule() {
    stop();
    delete mPage; // and with it the menus, which reach the pane
}

// Saves the settings and lets go of the pane, which takes its view with it.
void TransmitterModule::stop() {
    deselect();
    if (mPane != nullptr) {
        mPane->mainView()->setParent(nullptr);
        mPane.reset();
    }
}

// The page is shown for the first time.
void TransmitterModule::load() {
    mShown = true;
    begin();
}

// Claims the transmitter for this page and loads the pane; it starts once the page is shown.
void TransmitterModule::start() {
    if (mPane != nullptr) {
        return;
    }
    mInstance.emplace(QString(), QVariantMap(), QDeadlineTimer(SingleInstance::sAnswerWithin));
    if (const SingleInstance::Start claimed = mInstance->claim();
        claimed != SingleInstance::Start::Run) {
        sayHeld(claimed);
        mInstance.reset();
        return;
    }
    mServices.reset(); // before the backend it runs on
    if (mSimulate) {
        auto simulated = std::make_unique<device::SimulatedTransmitter>();
        simulated->plug();
        mBackend = std::move(simulated);
    } else {
        mBackend = std::make_unique<device::LinuxBackend>();
    }
    mServices.emplace(*mBackend);
    // A build tree's place first, then the installation's.
    const QString from = QFileInfo(metaData().fileName()).absolutePath();
    mPane = mLoader.load(PaneLoader::findBundle(from, {TAVRO_KCM_BUILD_BUNDLE_RELPATH,
                                                       TAVRO_KCM_INSTALLED_BUNDLE_RELPATH}),
                         *mServices);
    if (mPane == nullptr) {
        mMessage->setMessageType(KMessageWidget::Error);
        mMessage->setText(mLoader.errorString());
        mMessage->animatedShow();
        mInstance.reset();
        return;
    }
    mMessage->animatedHide();
    if (mWatcher != nullptr) {
        mWatcher->deleteLater(); // it may be what called
        mWatcher = nullptr;
    }

    mPage = new Page(widget(), [this] { stop(); });
    auto* page = new QVBoxLayout(mPage);
    page->addWidget(mPane->mainView(), 0, Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    const auto* menus = new SettingsMenus(*mPage, *mPage, *mPane);
    for (QMenu* menu : {menus->transmitterMenu(), menus->stationsMenu()}) {
        auto* button = new QPushButton(menu->title(), mPage);
        button->setObjectName(menu->objectName().replace("Menu", "Button"));
        button->setMenu(menu);
        button->setAutoDefault(false); // Enter belongs to the dialog that shows the page
        // The items' shortcuts (Ctrl+T, Ctrl+1 to 9) work while the button is shown.
        button->addAction(menu->menuAction());
        buttons->addWidget(button);
    }
    page->addLayout(buttons);
    page->setAlignment(buttons, Qt::AlignHCenter);
    mLayout->insertWidget(1, mPage);
    mPage->show(); // now, not a pass of the event loop later, when it comes after the page
    begin();
}

// The pane starts once it is loaded and the page shown, whichever comes last.
void TransmitterModule::begin() {
    if (!mShown || mPane == nullptr || mStarted) {
        return;
    }
    mStarted = true;
    mPane->mainViewDidLoad();
    mInstance->setWindow(widget()->window());
    // The pane has taken the room of its longest texts, after the window took its size: the
    // window grows to show it whole. Its layouts learn of the new room at once, not some passes
    // of the event loop later.
    QWidget* window = widget()->window();
    for (QWidget* inside = mPane->mainView(); inside != window; inside = inside->parentWidget()) {
        inside->updateGeometry();
        if (inside->layout() != nullptr) {
            inside->layout()->activate();
        }
    }
    window->resize(window->size().expandedTo(window->sizeHint()));
    select();
}

void TransmitterModule::sayHeld(SingleInstance::Start inStart) {
    const bool cameForward = inStart == SingleInstance::Start::CameForward;
    mMessage->setMessageType(cameForward ? KMessageWidget::Information : KMessageWidget::Warning);
    // The line with the other panel's process is in the log.
    mMessage->setText(cameForward ? tr("The transmitter is set in another panel, brought forward "
                                       "now. Close it to set the transmitter here.")
                                  : tr("The transmitter is set in another panel, which did not "
                                       "come forward. Close it to set the transmitter here."));
    mMessage->animatedShow();
    // The page takes over as soon as the other panel lets go of its name on the bus.
    if (mWatcher == nullptr && QDBusConnection::sessionBus().isConnected()) {
        mWatcher =
            new QDBusServiceWatcher(settings::sBundleIdentifier, QDBusConnection::sessionBus(),
                                    QDBusServiceWatcher::WatchForUnregistration, this);
        connect(mWatcher, &QDBusServiceWatcher::serviceUnregistered, this,
                &TransmitterModule::start);
    }
}

void TransmitterModule::select() {
    if (!mStarted || mPane == nullptr || mSelected) {
        return;
    }
    mSelected = true;
    if (QWidget* keyView = mPane->initialKeyView()) {
        // Also when the settings application gives the page the focus, as it does on showing it.
        widget()->setFocusProxy(keyView);
        keyView->setFocus(Qt::OtherFocusReason);
    }
}

void TransmitterModule::deselect() {
    if (mSelected) {
        mSelected = false;
        mPane->didUnselect();
    }
}

// The page is shown and hidden with it: when the person comes to it and leaves it, and when the
// window is closed.
bool TransmitterModule::eventFilter(QObject* inWatched, QEvent* inEvent) {
    if (inWatched == widget()) {
        if (inEvent->type() == QEvent::Show) {
            select();
        } else if (inEvent->type() == QEvent::Hide) {
            deselect();
        }
    }
    return KCModule::eventFilter(inWatched, inEvent);
}

#include "TransmitterModule.moc"
