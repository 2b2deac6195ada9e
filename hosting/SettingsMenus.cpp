#include "hosting/SettingsMenus.h"

#include "host/SystemLog.h"
#include "hosting/EntryDialog.h"
#include "settings/Settings.h"
#include "settings/Tuning.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace {

constexpr SInt32 sStyles[] = {0, 1};

settings::Stored fileNow() {
    return settings::read(settings::prefPath()).stored;
}

// A menu item's text shows an ampersand doubled, else it would take it for a mnemonic.
QString menuText(const QString& inText) {
    return QString(inText).replace('&', "&&");
}

QString stationText(const settings::Station& inStation) {
    return QString("%1 (%2)").arg(menuText(inStation.name),
                                  settings::settingText(inStation.frequency, inStation.stereo));
}

// A clause of the tool's own words (it says them after its name), as a sentence of its own.
QString sentence(const QString& inClause) {
    return inClause.isEmpty() ? inClause : inClause.at(0).toUpper() + inClause.mid(1) + '.';
}

// Shown without a loop of its own: the window goes on following the file and the transmitter.
void show(EntryDialog* inDialog, const char* inName) {
    inDialog->setObjectName(inName);
    inDialog->setAttribute(Qt::WA_DeleteOnClose);
    inDialog->open();
}

} // namespace

SettingsMenus::SettingsMenus(QWidget& inMenuParent, QWidget& inWindow,
                             std::function<void()> inCommit)
    : QObject(&inWindow), mWindow(inWindow), mCommit(std::move(inCommit)) {
    mTransmitter = new QMenu("&Transmitter", &inMenuParent);
    QMenu* transmitter = mTransmitter;
    QMenu* band = transmitter->addMenu("&Band");
    band->setObjectName("bandMenu");
    auto* bands = new QActionGroup(this);
    for (const SInt32 style : sStyles) {
        const QString text = settings::bandText(settings::bandForStyle(style));
        QAction* item = band->addAction(QString("&%1%2").arg(text, style == 1 ? " (Japan)" : ""));
        item->setCheckable(true);
        item->setActionGroup(bands);
        item->setObjectName(QString("band%1").arg(style));
        connect(item, &QAction::triggered, this, [this, style] {
            store([style](host::Dictionary& ioDict) {
                ioDict.setLong(settings::sStyleKey, style);
                return true;
            });
        });
        mBands << item;
    }
    mApplyOnPlug = transmitter->addAction("Tune the transmitter when it is &plugged in");
    mApplyOnPlug->setObjectName("applyOnPlug");
    mApplyOnPlug->setCheckable(true);
    connect(mApplyOnPlug, &QAction::triggered, this, [this](bool inOn) {
        store([inOn](host::Dictionary& ioDict) {
            ioDict.setBool(settings::sApplyOnPlugKey, inOn);
            return true;
        });
    });
    transmitter->addSeparator();
    QAction* tune = transmitter->addAction("&Tune To…", this, &SettingsMenus::tuneTo);
    tune->setObjectName("tuneTo");
    tune->setShortcut(QKeySequence("Ctrl+T"));

    mStations = new QMenu("St&ations", &inMenuParent); // Alt+S is the pane's Stereo
    connect(mStations, &QMenu::aboutToShow, this, &SettingsMenus::refresh);
    connect(transmitter, &QMenu::aboutToShow, this, &SettingsMenus::refresh);
    connect(&mWatcher, &settings::Watcher::changed, this, &SettingsMenus::refresh);
    mWatcher.watch(settings::prefPath());
    refresh();
}

void SettingsMenus::refresh() {
    const settings::Stored stored = fileNow();
    // The band the dial shows: band 0 for a style it does not know.
    const SInt32 style = stored.style.value_or(settings::sDefaultStyle);
    mBands.value(settings::isKnownStyle(style) ? style : 0)->setChecked(true);
    mApplyOnPlug->setChecked(stored.applyOnPlug.value_or(settings::sDefaultApplyOnPlug));
    fillStations(stored.stations);
}

void SettingsMenus::fillStations(const std::vector<settings::Station>& inStations) {
    mStations->clear();
    QAction* save = mStations->addAction("&Save Station…", this, &SettingsMenus::saveStation);
    save->setObjectName("saveStation");
    mStations->addSeparator();
    QMenu* rename = new QMenu("&Rename Station", mStations);
    QMenu* remove = new QMenu("Re&move Station", mStations);
    int number = 0;
    for (const settings::Station& station : inStations) {
        QAction* recall = mStations->addAction(stationText(station), this,
                                               [this, station] { this->recall(station); });
        if (++number <= sShortcutStations) {
            recall->setShortcut(QKeySequence(QString("Ctrl+%1").arg(number)));
        }
        rename->addAction(menuText(station.name), this,
                          [this, name = station.name] { renameStation(name); });
        remove->addAction(menuText(station.name), this,
                          [this, name = station.name] { removeStation(name); });
    }
    if (inStations.empty()) {
        mStations->addAction("No stations saved")->setEnabled(false);
    }
    mStations->addSeparator();
    mStations->addMenu(rename)->setEnabled(!inStations.empty());
    mStations->addMenu(remove)->setEnabled(!inStations.empty());
}

QString SettingsMenus::store(const std::function<bool(host::Dictionary&)>& inEdit) {
    const QString path = settings::prefPath();
    const settings::WriteResult result = settings::change(path, inEdit);
    if (!result.saved()) {
        host::systemLog("Settings not saved to %s: %s", qUtf8Printable(path),
                        qUtf8Printable(result.problem));
        refresh(); // the check marks go back to what the file holds
        return QString("The settings could not be saved to %1: %2.").arg(path, result.problem);
    }
    return {};
}

void SettingsMenus::tuneTo() {
    mCommit();
    const settings::Stored stored = fileNow();
    const SInt32 style = stored.style.value_or(settings::sDefaultStyle);
    auto* dialog =
        new EntryDialog(&mWindow, "Tune To", "&Frequency (MHz or kHz):",
                        settings::formatMHzFromKHz(settings::tuningFor(stored).frequency),
                        [this, style](const QString& inTyped) {
                            const auto entry = settings::frequencyEntry(inTyped.trimmed(), style);
                            if (const auto* why = std::get_if<QString>(&entry)) {
                                return *why + ".";
                            }
                            const SInt32 kHz = std::get<SInt32>(entry);
                            return store([kHz](host::Dictionary& ioDict) {
                                ioDict.setLong(settings::sFrequencyKey, kHz);
                                return true;
                            });
                        });
    show(dialog, "tuneToDialog");
}

void SettingsMenus::saveStation() {
    mCommit();
    const settings::Tuning now = settings::tuningFor(fileNow());
    auto* dialog = new EntryDialog(
        &mWindow, "Save Station",
        QString("&Name for %1:").arg(settings::settingText(now.frequency, now.stereo)), QString(),
        [this, now](const QString& inName) {
            settings::StationEdit outcome = settings::StationEdit::NotFound;
            const QString problem = store([&](host::Dictionary& ioDict) {
                outcome = settings::saveStation(ioDict, {inName, now.frequency, now.stereo});
                return settings::changed(outcome);
            });
            return problem.isEmpty() ? sentence(settings::refusal(outcome, inName, inName))
                                     : problem;
        });
    show(dialog, "saveStationDialog");
}

// A station of the other band brings its band with it.
void SettingsMenus::recall(const settings::Station& inStation) {
    mCommit();
    const SInt32 style = fileNow().style.value_or(settings::sDefaultStyle);
    const auto holds = [&](SInt32 inStyle) {
        return settings::bandForStyle(inStyle).holds(inStation.frequency);
    };
    store([&](host::Dictionary& ioDict) {
        if (!holds(style)) {
            for (const SInt32 other : sStyles) {
                if (holds(other)) {
                    ioDict.setLong(settings::sStyleKey, other);
                    break;
                }
            }
        }
        ioDict.setLong(settings::sFrequencyKey, inStation.frequency);
        ioDict.setBool(settings::sStereoKey, inStation.stereo);
        return true;
    });
}

void SettingsMenus::renameStation(const QString& inName) {
    auto* dialog = new EntryDialog(
        &mWindow, "Rename Station", "&New name:", inName, [this, inName](const QString& inTo) {
            settings::StationEdit outcome = settings::StationEdit::NotFound;
            const QString problem = store([&](host::Dictionary& ioDict) {
                outcome = settings::renameStation(ioDict, inName, inTo);
                return settings::changed(outcome);
            });
            return problem.isEmpty() ? sentence(settings::refusal(outcome, inName, inTo)) : problem;
        });
    show(dialog, "renameStationDialog");
}

void SettingsMenus::removeStation(const QString& inName) {
    store([&](host::Dictionary& ioDict) {
        return settings::changed(settings::removeStation(ioDict, inName));
    });
}
