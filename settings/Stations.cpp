#include "settings/Stations.h"

#include "host/Printable.h"
#include "settings/Settings.h"
#include "settings/Tuning.h"

#include <QCoreApplication>
#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <limits>

namespace settings {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Stations)
};

constexpr char sNameKey[] = "Name";

// A well-formed station, with where its entries are in the array: the first, and any later one
// of the same name.
struct Entry {
    std::vector<std::size_t> indexes;
    Station station;
};

std::optional<Station> stationOf(const host::Dictionary& inEntry) {
    const std::optional<QString> name = inEntry.stringValue(sNameKey);
    const std::optional<std::int64_t> frequency = inEntry.longValue(sFrequencyKey);
    if (!name || nameProblem(*name, false) != NameProblem::None || !frequency ||
        *frequency < std::numeric_limits<SInt32>::min() ||
        *frequency > std::numeric_limits<SInt32>::max() ||
        !inAnyBand(static_cast<SInt32>(*frequency))) {
        return std::nullopt;
    }
    const auto kHz = static_cast<SInt32>(*frequency);
    constexpr SInt32 sStepkHz = sStepHertz / 1000;
    return Station{stationName(*name), kHz - kHz % sStepkHz,
                   inEntry.boolValue(sStereoKey).value_or(sDefaultStereo)};
}

std::vector<Entry> entries(const host::Dictionary& inDict) {
    std::vector<Entry> found;
    const std::size_t count = inDict.arrayCount(sStationsKey).value_or(0);
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<host::Dictionary> entry = inDict.arrayDictionary(sStationsKey, i);
        const std::optional<Station> station = entry ? stationOf(*entry) : std::nullopt;
        if (!station) {
            continue;
        }
        const auto same = std::find_if(found.begin(), found.end(), [&](const Entry& inOther) {
            return inOther.station.name == station->name;
        });
        if (same != found.end()) {
            same->indexes.push_back(i);
        } else if (found.size() < sMaxStations) {
            found.push_back({{i}, *station});
        }
    }
    return found;
}

const Entry* named(const std::vector<Entry>& inEntries, const QString& inName) {
    const QString name = stationName(inName);
    const auto it = std::find_if(inEntries.begin(), inEntries.end(), [&](const Entry& inEntry) {
        return inEntry.station.name == name;
    });
    return it == inEntries.end() ? nullptr : &*it;
}

bool listOrMissing(const host::Dictionary& inDict) {
    return inDict.arrayCount(sStationsKey).has_value() || !inDict.hasKey(sStationsKey);
}

bool invisible(char32_t inCharacter) {
    switch (QChar::category(inCharacter)) {
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

QString stationName(const QString& inName) {
    return inName.normalized(QString::NormalizationForm_C);
}

qsizetype characterCount(const QString& inText) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, inText);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0) {
        ++count;
    }
    return count;
}

std::vector<Station> stations(const host::Dictionary& inDict) {
    std::vector<Station> found;
    for (const Entry& entry : entries(inDict)) {
        found.push_back(entry.station);
    }
    return found;
}

NameProblem nameProblem(const QString& inName, bool inGiven) {
    if (inName.isEmpty()) {
        return NameProblem::Empty;
    }
    if (characterCount(stationName(inName)) > sMaxStationName) {
        return NameProblem::TooLong;
    }
    const QList<uint> characters = inName.toUcs4();
    if (std::any_of(characters.begin(), characters.end(),
                    [](uint c) { return QChar::category(c) == QChar::Other_Control; })) {
        return NameProblem::ControlCharacter;
    }
    if (std::any_of(characters.begin(), characters.end(), invisible)) {
        return NameProblem::Invisible;
    }
    if (inName.front().isSpace() || inName.back().isSpace()) {
        return NameProblem::OuterSpace;
    }
    if (inGiven && parseFrequency(inName)) {
        return NameProblem::Frequency;
    }
    return NameProblem::None;
}

bool changed(StationEdit inEdit) {
    return inEdit == StationEdit::Saved || inEdit == StationEdit::Replaced ||
           inEdit == StationEdit::Renamed || inEdit == StationEdit::Removed;
}

std::size_t entriesNamed(const host::Dictionary& inDict, const QString& inName) {
    const std::vector<Entry> found = entries(inDict);
    const Entry* entry = named(found, inName);
    return entry != nullptr ? entry->indexes.size() : 0;
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
        index = same->indexes.front();
        entry = std::move(*ioDict.arrayDictionary(sStationsKey, index));
    }
    entry.setString(sNameKey, stationName(inStation.name));
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
    const Entry* to = named(found, inTo);
    if (to != nullptr && to != from) {
        return StationEdit::NameTaken;
    }
    for (const std::size_t index : from->indexes) {
        host::Dictionary entry = std::move(*ioDict.arrayDictionary(sStationsKey, index));
        entry.setString(sNameKey, stationName(inTo));
        ioDict.setArrayDictionary(sStationsKey, index, entry);
    }
    return StationEdit::Renamed;
}

StationEdit removeStation(host::Dictionary& ioDict, const QString& inName) {
    const std::vector<Entry> found = entries(ioDict);
    const Entry* entry = named(found, inName);
    if (entry == nullptr) {
        return StationEdit::NotFound;
    }
    // From the last, so that the indexes before it still hold.
    for (auto index = entry->indexes.rbegin(); index != entry->indexes.rend(); ++index) {
        ioDict.removeArrayValue(sStationsKey, *index);
    }
    return StationEdit::Removed;
}

std::optional<Station> findStation(const host::Dictionary& inDict, const QString& inName) {
    const std::vector<Entry> found = entries(inDict);
    const Entry* entry = named(found, inName);
    return entry != nullptr ? std::optional<Station>(entry->station) : std::nullopt;
}

SInt32 styleForFrequency(SInt32 inBandStyle, SInt32 inFreqkHz) {
    for (const SInt32 style : {inBandStyle, SInt32{0}, SInt32{1}}) {
        if (isKnownStyle(style) && bandForStyle(style).holds(inFreqkHz)) {
            return style;
        }
    }
    return inBandStyle;
}

QString isolated(const QString& inName) {
    return QChar(0x2068) + inName + QChar(0x2069);
}

QString refusal(StationEdit inEdit, const QString& inName, const QString& inNewName,
                bool inIsolated) {
    const auto shown = [inIsolated](const QString& inText) {
        const QString quoted = host::quoted(inText);
        return inIsolated ? isolated(quoted) : quoted;
    };
    switch (inEdit) {
    case StationEdit::Saved:
    case StationEdit::Replaced:
    case StationEdit::Renamed:
    case StationEdit::Removed:
        return {};
    case StationEdit::BadName:
        switch (nameProblem(inNewName)) {
        case NameProblem::Empty:
            return Words::tr("a station's name cannot be empty");
        case NameProblem::TooLong:
            return Words::tr("a station's name has at most %1 characters, not %2")
                .arg(sMaxStationName)
                .arg(characterCount(stationName(inNewName)));
        case NameProblem::ControlCharacter:
            return Words::tr("a station's name cannot hold control characters");
        case NameProblem::Invisible:
            return Words::tr("a station's name cannot hold invisible characters, direction marks "
                             "or line separators");
        case NameProblem::OuterSpace:
            return Words::tr("a station's name cannot start or end with a space");
        case NameProblem::Frequency:
            return Words::tr("a station's name cannot be a frequency alone, as %1 is")
                .arg(shown(inNewName));
        case NameProblem::None:
            break;
        }
        return {};
    case StationEdit::BadFrequency:
        return Words::tr("the frequency is outside every band");
    case StationEdit::Full:
        return Words::tr("%1 stations are saved, as many as can be: remove one first")
            .arg(sMaxStations);
    case StationEdit::NotFound:
        return Words::tr("no station named %1").arg(shown(inName));
    case StationEdit::NameTaken:
        return Words::tr("a station named %1 is saved already").arg(shown(inNewName));
    case StationEdit::NotAList:
        return Words::tr("the settings file's %1 holds no list of stations, and is kept as it is")
            .arg(sStationsKey);
    }
    return {};
}

} // namespace settings
