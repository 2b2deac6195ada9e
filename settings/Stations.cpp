#include "settings/Stations.h"

#include "settings/Settings.h"
#include "settings/Tuning.h"

#include <QList>

#include <algorithm>
#include <limits>

namespace settings {

namespace {

constexpr char sNameKey[] = "Name";

// A well-formed station, with where its entry is in the array.
struct Entry {
    std::size_t index;
    Station station;
};

std::optional<Station> stationOf(const host::Dictionary& inEntry) {
    const std::optional<QString> name = inEntry.stringValue(sNameKey);
    const std::optional<std::int64_t> frequency = inEntry.longValue(sFrequencyKey);
    if (!name || nameProblem(*name) != NameProblem::None || !frequency ||
        *frequency < std::numeric_limits<SInt32>::min() ||
        *frequency > std::numeric_limits<SInt32>::max() ||
        !inAnyBand(static_cast<SInt32>(*frequency))) {
        return std::nullopt;
    }
    return Station{*name, static_cast<SInt32>(*frequency),
                   inEntry.boolValue(sStereoKey).value_or(sDefaultStereo)};
}

std::vector<Entry> entries(const host::Dictionary& inDict) {
    std::vector<Entry> found;
    const std::size_t count = inDict.arrayCount(sStationsKey).value_or(0);
    for (std::size_t i = 0; i < count && found.size() < sMaxStations; ++i) {
        const std::optional<host::Dictionary> entry = inDict.arrayDictionary(sStationsKey, i);
        const std::optional<Station> station = entry ? stationOf(*entry) : std::nullopt;
        if (station && std::none_of(found.begin(), found.end(), [&](const Entry& inOther) {
                return inOther.station.name == station->name;
            })) {
            found.push_back({i, *station});
        }
    }
    return found;
}

const Entry* named(const std::vector<Entry>& inEntries, const QString& inName) {
    const auto it = std::find_if(inEntries.begin(), inEntries.end(), [&](const Entry& inEntry) {
        return inEntry.station.name == inName;
    });
    return it == inEntries.end() ? nullptr : &*it;
}

bool listOrMissing(const host::Dictionary& inDict) {
    return inDict.arrayCount(sStationsKey).has_value() || !inDict.hasKey(sStationsKey);
}

} // namespace

std::vector<Station> stations(const host::Dictionary& inDict) {
    std::vector<Station> found;
    for (const Entry& entry : entries(inDict)) {
        found.push_back(entry.station);
    }
    return found;
}

NameProblem nameProblem(const QString& inName) {
    if (inName.isEmpty()) {
        return NameProblem::Empty;
    }
    if (inName.toUcs4().size() > sMaxStationName) {
        return NameProblem::TooLong;
    }
    if (std::any_of(inName.begin(), inName.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; })) {
        return NameProblem::ControlCharacter;
    }
    if (inName.front().isSpace() || inName.back().isSpace()) {
        return NameProblem::OuterSpace;
    }
    return NameProblem::None;
}

bool changed(StationEdit inEdit) {
    return inEdit == StationEdit::Saved || inEdit == StationEdit::Replaced ||
           inEdit == StationEdit::Renamed || inEdit == StationEdit::Removed;
}

StationEdit saveStation(host::Dictionary& ioDict, const Station& inStation) {
    if (nameProblem(inStation.name) != NameProblem::None) {
        return StationEdit::BadName;
    }
    if (!inAnyBand(inStation.frequency)) {
        return StationEdit::BadFrequency;
    }
    if (!listOrMissing(ioDict)) {
        return StationEdit::NotAList;
    }
    const std::vector<Entry> found = entries(ioDict);
    const Entry* same = named(found, inStation.name);
    if (same == nullptr && found.size() >= sMaxStations) {
        return StationEdit::Full;
    }
    // A replaced entry keeps any other keys it holds.
    host::Dictionary entry;
    std::size_t index = ioDict.arrayCount(sStationsKey).value_or(0);
    if (same != nullptr) {
        index = same->index;
        entry = std::move(*ioDict.arrayDictionary(sStationsKey, index));
    }
    entry.setString(sNameKey, inStation.name);
    entry.setLong(sFrequencyKey, inStation.frequency);
    entry.setBool(sStereoKey, inStation.stereo);
    ioDict.setArrayDictionary(sStationsKey, index, entry);
    return same != nullptr ? StationEdit::Replaced : StationEdit::Saved;
}

StationEdit renameStation(host::Dictionary& ioDict, const QString& inFrom, const QString& inTo) {
    const std::vector<Entry> found = entries(ioDict);
    const Entry* from = named(found, inFrom);
    if (from == nullptr) {
        return StationEdit::NotFound;
    }
    if (nameProblem(inTo) != NameProblem::None) {
        return StationEdit::BadName;
    }
    if (inTo != inFrom && named(found, inTo) != nullptr) {
        return StationEdit::NameTaken;
    }
    host::Dictionary entry = std::move(*ioDict.arrayDictionary(sStationsKey, from->index));
    entry.setString(sNameKey, inTo);
    ioDict.setArrayDictionary(sStationsKey, from->index, entry);
    return StationEdit::Renamed;
}

StationEdit removeStation(host::Dictionary& ioDict, const QString& inName) {
    const std::vector<Entry> found = entries(ioDict);
    const Entry* entry = named(found, inName);
    if (entry == nullptr) {
        return StationEdit::NotFound;
    }
    ioDict.removeArrayValue(sStationsKey, entry->index);
    return StationEdit::Removed;
}

QString refusal(StationEdit inEdit, const QString& inName, const QString& inNewName) {
    switch (inEdit) {
    case StationEdit::Saved:
    case StationEdit::Replaced:
    case StationEdit::Renamed:
    case StationEdit::Removed:
        return {};
    case StationEdit::BadName:
        switch (nameProblem(inNewName)) {
        case NameProblem::Empty:
            return "a station's name cannot be empty";
        case NameProblem::TooLong:
            return QString("a station's name has at most %1 characters, not %2")
                .arg(sMaxStationName)
                .arg(inNewName.toUcs4().size());
        case NameProblem::ControlCharacter:
            return "a station's name cannot hold control characters";
        case NameProblem::OuterSpace:
            return "a station's name cannot start or end with a space";
        case NameProblem::None:
            break;
        }
        return {};
    case StationEdit::BadFrequency:
        return "the frequency is outside every band";
    case StationEdit::Full:
        return QString("%1 stations are saved, as many as can be: remove one first")
            .arg(sMaxStations);
    case StationEdit::NotFound:
        return "no station named " + inName;
    case StationEdit::NameTaken:
        return "a station named " + inNewName + " is saved already";
    case StationEdit::NotAList:
        return QString("the settings file's %1 holds no list of stations, and is kept as it is")
            .arg(sStationsKey);
    }
    return {};
}

} // namespace settings
