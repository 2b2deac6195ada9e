#pragma once

#include "host/PropertyList.h"
#include "host/Types.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

// The stations a person keeps: named frequencies with their stereo choice, in the settings file
// under a key of their own, as an array of {"Name", "Frequency" (kHz), "Stereo"} dictionaries.
namespace settings {

inline constexpr char sStationsKey[] = "Stations";
inline constexpr std::size_t sMaxStations = 32;
inline constexpr qsizetype sMaxStationName = 64; // characters

struct Station {
    QString name;
    SInt32 frequency = 0; // kHz
    bool stereo = true;

    bool operator==(const Station&) const = default;
};

// The well-formed stations of inDict, in file order, at most sMaxStations. An entry that is no
// dictionary, has a bad name (see nameProblem), a frequency outside every band, or a name an
// earlier station has, is passed over; it stays in the file through every edit below. The
// frequency and stereo choice are read as the file's own are; a missing Stereo is stereo.
std::vector<Station> stations(const host::Dictionary& inDict);

enum class NameProblem { None, Empty, TooLong, ControlCharacter, OuterSpace };

// A name is one to sMaxStationName characters, without control characters and without white
// space at either end (so that two names never differ only by it).
NameProblem nameProblem(const QString& inName);

enum class StationEdit {
    Saved,    // a new station, after the others
    Replaced, // the station of that name, now with the new frequency and stereo choice
    Renamed,
    Removed,
    BadName,      // see nameProblem
    BadFrequency, // outside every band
    Full,         // sMaxStations stations already
    NotFound,     // no station of that name
    NameTaken,    // another station has the new name
    NotAList,     // the file's Stations is of another type, and is kept as it is
};

// True for the outcomes that changed inDict.
bool changed(StationEdit inEdit);

// Saves inStation in inDict: in place of the station of the same name, or after the others.
StationEdit saveStation(host::Dictionary& ioDict, const Station& inStation);
// Gives the station inFrom the name inTo, keeping everything else its entry holds.
StationEdit renameStation(host::Dictionary& ioDict, const QString& inFrom, const QString& inTo);
StationEdit removeStation(host::Dictionary& ioDict, const QString& inName);

// Why an edit was refused, as a clause the panel and the tool both say ("no station named Far");
// empty for an edit that was made. inName is the station edited, inNewName the name it was to
// take (the name saved, or renamed to).
QString refusal(StationEdit inEdit, const QString& inName, const QString& inNewName);

} // namespace settings
