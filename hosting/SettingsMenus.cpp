#include "hosting/SettingsMenus.h"

#include "host/Printable.h"
#include "host/SystemLog.h"
#include "hosting/EntryDialog.h"
#include "settings/Settings.h"
#include "settings/Tuning.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QVariant>

namespace {

constexpr SInt32 sStyles[] = {0, 1};
constexpr SInt32 sStepkHz = settings::sStepHertz / 1000;

settings::Stored fileNow() {
    return settings::read(settings::prefPath()).stored;
}

// A menu item's text shows an ampersand doubled, else it would take it for a mnemonic.
QString menuText(const QString& inText) {
    return QString(inText).replace('&', "&&");
}

QString stationText(const settings::Station& inStation) {
    return SettingsMenus::tr("%1 (%2)").arg(
        settings::isolated(menuText(inStation.name)),
        settings::settingText(inStation.frequency, inStation.stereo));
}

// Shown without a loop of its own: the window goes on following the file and the transmitter.
void show(EntryDialog* inDialog, const char* inName) {
    inDialog->setObjectName(inName);
    inDialog->setAttribute(Qt::WA_DeleteOnClose);
    inDialog->open();
}

} // namespace

SettingsMenus::SettingsMenus(QWidget& inMenuParent, QWidget& inWindow, QObject& inPane)
    : QObject(&inWindow), mWindow(inWindow), mPane(inPane) {
    mTransmitter = new QMenu(tr("&Transmitter"), &inMenuParent);
    mTransmitter->setObjectName("transmitterMenu");
    QMenu* transmitter = mTransmitter;
    QMenu* band = transmitter->addMenu(tr("&Band"));
    band->setObjectName("bandMenu");
    auto* bands = new QActionGroup(this);
    for (const SInt32 style : sStyles) {
        const QString text = settings::bandText(settings::bandForStyle(style));
        QAction* item =
            band->addAction(style == 1 ? tr("&%1 (Japan)").arg(text) : tr("&%1").arg(text));
        item->setCheckable(true);
        item->setActionGroup(bands);
        item->setObjectName(QString("band%1").arg(style));
        connect(item, &QAction::triggered, this,
                [this, style] { tune(playing("frequency"), playing("stereo") != 0, style); });
        mBands << item;
    }
    mApplyOnPlug = transmitter->addAction(tr("Tune the transmitter when it is &plugged in"));
    mApplyOnPlug->setObjectName("applyOnPlug");
    mApplyOnPlug->setCheckable(true);
    connect(mApplyOnPlug, &QAction::triggered, this, [this](bool inOn) {
        store([inOn](host::Dictionary& ioDict) {
            ioDict.setBool(settings::sApplyOnPlugKey, inOn);
            return true;
        });
    });
    transmitter->addSeparator();
    QAction* tune = transmitter->addAction(tr("&Tune To…"), this, &SettingsMenus::tuneTo);
    tune->setObjectName("tuneTo");
    tune->setShortcut(QKeySequence("Ctrl+T"));

    mStations = new QMenu(tr("St&ations"), &inMenuParent); // Alt+S is the pane's Stereo
    mStations->setObjectName("stationsMenu");
    connect(mStations, &QMenu::aboutToShow, this, &SettingsMenus::refresh);
    connect(transmitter, &QMenu::aboutToShow, this, &SettingsMenus::refresh);
    connect(&mWatcher, &settings::Watcher::changed, this, &SettingsMenus::refresh);
    mWatcher.watch(settings::prefPath());
    refresh();
}

SInt32 SettingsMenus::playing(const char* inProperty) const {
    return mPane.property(inProperty).toInt();
}

void SettingsMenus::tune(SInt32 inFreqkHz, bool inStereo, SInt32 inStyle) {
    QMetaObject::invokeMethod(&mPane, "tuneTo", Q_ARG(int, inFreqkHz), Q_ARG(bool, inStereo),
                              Q_ARG(int, inStyle));
    refresh();
}

void SettingsMenus::refresh() {
    const settings::Stored stored = fileNow();
    // The band the dial uses, which the pane saves.
    mBands.value(playing("bandStyle") == 1 ? 1 : 0)->setChecked(true);
    mApplyOnPlug->setChecked(stored.applyOnPlug.value_or(settings::sDefaultApplyOnPlug));
    fillStations(stored.stations);
}

void SettingsMenus::fillStations(const std::vector<settings::Station>& inStations) {
    mStations->clear();
    QAction* save = mStations->addAction(tr("&Save Station…"), this, &SettingsMenus::saveStation);
    save->setObjectName("saveStation");
    mStations->addSeparator();
    QMenu* rename = new QMenu(tr("&Rename Station"), mStations);
    QMenu* remove = new QMenu(tr("Re&move Station"), mStations);
    int number = 0;
    for (const settings::Station& station : inStations) {
        QAction* recall = mStations->addAction(stationText(station), this,
                                               [this, station] { this->recall(station); });
        if (++number <= sShortcutStations) {
            recall->setShortcut(QKeySequence(QString("Ctrl+%1").arg(number)));
        }
        const QString name = settings::isolated(menuText(station.name));
        rename->addAction(name, this, [this, name = station.name] { renameStation(name); });
        remove->addAction(name, this, [this, name = station.name] { removeStation(name); });
    }
    if (inStations.empty()) {
        mStations->addAction(tr("No stations saved"))->setEnabled(false);
    }
    mStations->addSeparator();
    mStations->addMenu(rename)->setEnabled(!inStations.empty());
    mStations->addMenu(remove)->setEnabled(!inStations.empty());
}

// Tried first on the file as it is now, so that a dialog can say at once why an edit is refused;
// then made in turn, under the lock, on the file as it is then.
QString SettingsMenus::store(const std::function<bool(host::Dictionary&)>& inEdit,
                             const std::function<QString()>& inWhy) {
    const QString path = settings::prefPath();
    host::Dictionary now = settings::load(path).dict.value_or(host::Dictionary());
    if (!inEdit(now)) {
        return inWhy ? inWhy() : QString();
    }
    mTurns.run([this, path, inEdit] {
        const settings::WriteResult result = settings::changeLocked(path, inEdit);
        if (!result.saved()) {
            host::systemLog("Settings not saved to %s: %s", qUtf8Printable(path),
                            qUtf8Printable(result.logged));
        }
        refresh(); // the check marks go back to what the file holds
    });
    return {};
}

void SettingsMenus::tuneTo() {
    const SInt32 style = playing("bandStyle");
    const SInt32 frequency = playing("frequency");
    auto* dialog = new EntryDialog(&mWindow, tr("Tune To"), tr("&Frequency (MHz or kHz):"),
                                   settings::formatMHzFromKHz(frequency - frequency % sStepkHz),
                                   [this, style](const QString& inTyped) {
                                       const auto entry = settings::frequencyEntry(inTyped, style);
                                       if (const auto* why = std::get_if<QString>(&entry)) {
                                           return host::sentence(*why, false);
                                       }
                                       tune(std::get<SInt32>(entry), playing("stereo") != 0, style);
                                       return QString();
                                   });
    show(dialog, "tuneToDialog");
}

void SettingsMenus::saveStation() {
    const SInt32 frequency = playing("frequency");
    const settings::Station now{{}, frequency - frequency % sStepkHz, playing("stereo") != 0};
    auto* dialog = new EntryDialog(
        &mWindow, tr("Save Station"),
        tr("&Name for %1:").arg(settings::settingText(now.frequency, now.stereo)), QString(),
        [this, now](const QString& inName) {
            auto outcome = std::make_shared<settings::StationEdit>();
            const settings::Station station{settings::stationName(inName), now.frequency,
                                            now.stereo};
            return store(
                [outcome, station](host::Dictionary& ioDict) {
                    *outcome = settings::saveStation(ioDict, station);
                    return settings::changed(*outcome);
                },
                [outcome, inName] {
                    return host::sentence(settings::refusal(*outcome, inName, inName, true));
                });
        });
    show(dialog, "saveStationDialog");
}

// A station of the other band brings its band with it.
void SettingsMenus::recall(const settings::Station& inStation) {
    tune(inStation.frequency, inStation.stereo,
         settings::styleForFrequency(playing("bandStyle"), inStation.frequency));
}

void SettingsMenus::renameStation(const QString& inName) {
    auto* dialog = new EntryDialog(
        &mWindow, tr("Rename Station"), tr("&New name:"), inName,
        [this, inName](const QString& inTo) {
            auto outcome = std::make_shared<settings::StationEdit>();
            return store(
                [outcome, inName, inTo](host::Dictionary& ioDict) {
                    *outcome = settings::renameStation(ioDict, inName, inTo);
                    return settings::changed(*outcome);
                },
                [outcome, inName, inTo] {
                    return host::sentence(settings::refusal(*outcome, inName, inTo, true));
                });
        });
    show(dialog, "renameStationDialog");
}

void SettingsMenus::removeStation(const QString& inName) {
    store([inName](host::Dictionary& ioDict) {
        return settings::changed(settings::removeStation(ioDict, inName));
    });
}
