#pragma once

#include "host/PropertyList.h"
#include "host/Types.h"
#include "settings/SettingsLock.h"
#include "settings/Stations.h"
#include "settings/Watcher.h"

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

// The Transmitter and Stations menus of a program that shows the pane (a menu bar's, or a row of
// menu buttons): the band, tuning at plug-in, a typed frequency and the stations. What plays (a
// band, a typed frequency, a station recalled) is handed to the pane, which tunes the transmitter
// and saves it as it saves a turn of the dial; the rest is written to the settings file, every
// other key kept, under the settings lock without waiting for it. The menus follow the file, as the
// command-line tool changes it.
class SettingsMenus : public QObject {
    Q_OBJECT
public:
    // The menus are inMenuParent's (the menu bar that shows them, say), the dialogs inWindow's.
    // inPane is the pane: what plays is read from its properties ("frequency", "stereo",
    // "bandStyle") and handed to its tuneTo.
    SettingsMenus(QWidget& inMenuParent, QWidget& inWindow, QObject& inPane);

    QMenu* transmitterMenu() const { return mTransmitter; }
    QMenu* stationsMenu() const { return mStations; }

    static constexpr int sShortcutStations = 9; // Ctrl+1 to Ctrl+9

private:
    void refresh();
    void fillStations(const std::vector<settings::Station>& inStations);
    // Writes inEdit's change in turn; why it refuses the file as it is now, in a sentence, or
    // nothing. inWhy makes the sentence of a refusal from what inEdit found.
    QString store(const std::function<bool(host::Dictionary&)>& inEdit,
                  const std::function<QString()>& inWhy = {});
    void tune(SInt32 inFreqkHz, bool inStereo, SInt32 inStyle);
    SInt32 playing(const char* inProperty) const;
    void tuneTo();
    void saveStation();
    void recall(const settings::Station& inStation);
    void renameStation(const QString& inName);
    void removeStation(const QString& inName);

    QWidget& mWindow;
    QObject& mPane;
    settings::Watcher mWatcher;
    settings::LockedTurns mTurns;
    QList<QAction*> mBands; // by style
    QAction* mApplyOnPlug = nullptr;
    QMenu* mTransmitter = nullptr;
    QMenu* mStations = nullptr;
};
