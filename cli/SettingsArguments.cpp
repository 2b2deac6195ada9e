// The words of the commands that set what the panel's menus set: band, apply-on-plug, station.
#include "cli/Arguments.h"
#include "cli/Output.h"

namespace cli {

namespace {

struct BandName {
    const char* name;
    SInt32 style;
};

// Each band by its style's number and by a word.
constexpr BandName sBandNames[] = {{"0", 0}, {"world", 0}, {"1", 1}, {"japan", 1}};

struct Switch {
    const char* name;
    bool on;
};

constexpr Switch sSwitches[] = {{"on", true}, {"yes", true}, {"off", false}, {"no", false}};

struct StationForm {
    const char* name;
    StationVerb verb;
    qsizetype minNames;
    qsizetype maxNames;
    const char* needs; // what a missing name is
};

constexpr StationForm sStationForms[] = {
    {"list", StationVerb::List, 0, 0, ""},
    {"save", StationVerb::Save, 1, 2, QT_TRANSLATE_NOOP("usb_tavro", "a name for the station")},
    {"rename", StationVerb::Rename, 2, 2,
     QT_TRANSLATE_NOOP("usb_tavro", "the station's name and its new one")},
    {"remove", StationVerb::Remove, 1, 1, QT_TRANSLATE_NOOP("usb_tavro", "the station's name")},
};

std::optional<UsageError> readStationWords(const QStringList& inWords, Invocation& ioInvocation) {
    const QString verb = inWords.value(0, "list");
    const StationForm* form = nullptr;
    for (const StationForm& candidate : sStationForms) {
        if (verb == QLatin1String(candidate.name)) {
            form = &candidate;
        }
    }
    if (form == nullptr) {
        return UsageError{
            Words::tr("station takes list, save, rename or remove, not %1").arg(shown(verb))};
    }
    ioInvocation.stationVerb = form->verb;
    const QStringList names = inWords.mid(1);
    if (names.size() < form->minNames) {
        return UsageError{Words::tr("station %1 needs %2").arg(form->name, Words::tr(form->needs))};
    }
    if (names.size() > form->maxNames) {
        return UsageError{Words::tr("unexpected argument %1").arg(shown(names[form->maxNames]))};
    }
    ioInvocation.names = names;
    if (form->verb == StationVerb::Save && names.size() == 2) {
        // The frequency is the second: the name is the first.
        ioInvocation.names = {names[0]};
        ioInvocation.frequencyText = names[1];
        const auto frequency = settings::parseFrequency(names[1]);
        if (!frequency) {
            return UsageError{settings::notAFrequency(names[1])};
        }
        ioInvocation.frequency = *frequency;
    }
    return std::nullopt;
}

} // namespace

std::optional<UsageError> readSettingsWords(const QStringList& inWords, Invocation& ioInvocation) {
    if (ioInvocation.command == Command::Station) {
        return readStationWords(inWords, ioInvocation);
    }
    if (inWords.isEmpty()) {
        return std::nullopt; // show what is saved
    }
    const QString& word = inWords.constFirst();
    if (ioInvocation.command == Command::Band) {
        for (const BandName& band : sBandNames) {
            if (word.compare(QLatin1String(band.name), Qt::CaseInsensitive) == 0) {
                ioInvocation.style = band.style;
                return std::nullopt;
            }
        }
        return UsageError{Words::tr("unknown band %1: give 0 or world (%2), 1 or japan (%3)")
                              .arg(shown(word), settings::bandText(settings::bandForStyle(0)),
                                   settings::bandText(settings::bandForStyle(1)))};
    }
    for (const Switch& value : sSwitches) {
        if (word.compare(QLatin1String(value.name), Qt::CaseInsensitive) == 0) {
            ioInvocation.applyOnPlug = value.on;
            return std::nullopt;
        }
    }
    return UsageError{Words::tr("apply-on-plug takes on or off, not %1").arg(shown(word))};
}

} // namespace cli
