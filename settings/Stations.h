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
inline constexpr qsizetype sMaxStationName = 64; // characters, as a person counts them

struct Station {
    QString name;
    SInt32 frequency = 0; // kHz, on the 100 kHz step: what recalling it tunes to
    bool stereo = true;

    bool operator==(const Station&) const = default;
};

// A name as stations are compared and saved: in Unicode's composed form (NFC), so that two names
// a person reads alike are one.
QString stationName(const QString& inName);

// The characters of inText as a person counts them (grapheme clusters): "é" is one, written as
// one code point or two.
qsizetype characterCount(const QString& inText);

// The well-formed stations of inDict, in file order, at most sMaxStations. An entry that is no
// dictionary, has a bad name (see nameProblem), or a frequency outside every band is passed
// over; an entry whose name an earlier station has is that station's, edited with it. Either
// stays in the file through every edit below. A frequency off the 100 kHz step is taken as the
// step below it, as the transmitter takes it; a missing Stereo is stereo.
std::vector<Station> stations(const host::Dictionary& inDict);

enum class NameProblem {
    None,
    Empty,
    TooLong,
    ControlCharacter,
    Invisible, // a format character (a direction mark, a zero-width space) or a line separator
    OuterSpace,
    Frequency, // a frequency and nothing else: a name forgotten, as in "station save 99.5"
};

// A name is one to sMaxStationName characters, without control or invisible characters, without
// white space at either end (so that two names never differ only by it), and, when it is to be
// given (inGiven), more than a frequency.
NameProblem nameProblem(const QString& inName, bool inGiven = true);

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

// How many entries of inDict are the station inName: more than one where another program wrote
// one name twice.
std::size_t entriesNamed(const host::Dictionary& inDict, const QString& inName);

// Saves inStation in inDict: in place of the station of the same name, or after the others.
StationEdit saveStation(host::Dictionary& ioDict, const Station& inStation);
// Gives the station inFrom (each entry of it) the name inTo, keeping everything else they hold.
StationEdit renameStation(host::Dictionary& ioDict, const QString& inFrom, const QString& inTo);
// Removes the station inName, each entry of it.
StationEdit removeStation(host::Dictionary& ioDict, const QString& inName);

// The station named inName, or nothing.
std::optional<Station> findStation(const host::Dictionary& inDict, const QString& inName);

// The style to tune inFreqkHz in, from the band in force (inBandStyle): that band while it holds
// the frequency, else the band that does.
SInt32 styleForFrequency(SInt32 inBandStyle, SInt32 inFreqkHz);

// Why an edit was refused, as a clause the panel and the tool both say ("no station named Far");
// empty for an edit that was made. inName is the station edited, inNewName the name it was to
// take (the name saved, or renamed to). With inIsolated, each name is set apart from the words
// around it (Unicode's first-strong isolate), so that a right-to-left name cannot reorder them,
// as text that is laid out bidirectionally (a window's) needs.
QString refusal(StationEdit inEdit, const QString& inName, const QString& inNewName,
                bool inIsolated = false);

// inName set apart from the text around it, for a window: see refusal.
QString isolated(const QString& inName);

} // namespace settings
