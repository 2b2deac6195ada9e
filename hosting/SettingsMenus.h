#pragma once

#include "host/PropertyList.h"
#include "host/Types.h"
#include "settings/Stations.h"
#include "settings/Watcher.h"

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

// The Transmitter and Stations menus of a program that shows the pane (a menu bar's, or a row of
// menu buttons): the band, tuning at plug-in, a typed frequency and the stations. Each choice is
// written to the settings file, every other key kept; the pane, which follows the file, takes it
// in, fits the frequency to the band and tunes the transmitter. The menus follow the file too, as
// the command-line tool changes it.
class SettingsMenus : public QObject {
    Q_OBJECT
public:
    // The menus are inMenuParent's (the menu bar that shows them, say), the dialogs inWindow's.
    // inCommit saves what the pane holds and has not saved yet, so that a frequency written here
    // does not lose a change made just before.
    SettingsMenus(QWidget& inMenuParent, QWidget& inWindow, std::function<void()> inCommit);

    QMenu* transmitterMenu() const { return mTransmitter; }
    QMenu* stationsMenu() const { return mStations; }

    static constexpr int sShortcutStations = 9; // Ctrl+1 to Ctrl+9

private:
    void refresh();
    void fillStations(const std::vector<settings::Station>& inStations);
    // Writes inEdit's change; a file that cannot be written is told in the log, and returned.
    QString store(const std::function<bool(host::Dictionary&)>& inEdit);
    void tuneTo();
    void saveStation();
    void recall(const settings::Station& inStation);
    void renameStation(const QString& inName);
    void removeStation(const QString& inName);

    QWidget& mWindow;
    std::function<void()> mCommit;
    settings::Watcher mWatcher;
    QList<QAction*> mBands; // by style
    QAction* mApplyOnPlug = nullptr;
    QMenu* mTransmitter = nullptr;
    QMenu* mStations = nullptr;
};
