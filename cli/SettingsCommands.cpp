#include "cli/SettingsCommands.h"

#include "cli/Output.h"
#include "settings/Stations.h"
#include "settings/Tuning.h"

#include <algorithm>

namespace cli {

namespace {

int notWritten(Context& inContext, const settings::WriteResult& inResult) {
    writeProblem(inContext.err, QString("the settings file %1 could not be written: %2")
                                    .arg(inContext.settingsPath, inResult.problem));
    return sExitDevice;
}

// What a refused edit says, and its exit status; the file was left as it was.
int refused(Context& inContext, settings::StationEdit inEdit, const QStringList& inNames) {
    writeProblem(inContext.err,
                 settings::refusal(inEdit, inNames.value(0), inNames.value(inNames.size() - 1)));
    return inEdit == settings::StationEdit::NotAList ? sExitDevice : sExitUsage;
}

int listStations(Context& inContext) {
    const std::vector<settings::Station> stations =
        settings::read(inContext.settingsPath).stored.stations;
    if (stations.empty()) {
        writeLine(inContext.out, "No stations saved (usb-tavro station save NAME saves one).");
        return sExitDone;
    }
    qsizetype width = 0;
    for (const settings::Station& station : stations) {
        width = std::max(width, station.name.size());
    }
    for (const settings::Station& station : stations) {
        writeLine(inContext.out, station.name.leftJustified(width) + "  " +
                                     settings::settingText(station.frequency, station.stereo));
    }
    return sExitDone;
}

} // namespace

QString tuneRefusal(const Context& inContext, const settings::Stored& inStored,
                    const QString& inText, const settings::Frequency& inFrequency) {
    const SInt32 style = inStored.style.value_or(settings::sDefaultStyle);
    const settings::Band band = settings::bandForStyle(style);
    const QString why = settings::refusal(inText, inFrequency, band);
    if (settings::fitFrequency(inFrequency, band) != settings::Fit::OutsideBand) {
        return why;
    }
    return QString("%1 (style %2%3)")
        .arg(why)
        .arg(style)
        .arg(inStored.style ? " in " + inContext.settingsPath : QString(", the default"));
}

int band(Context& inContext, std::optional<SInt32> inStyle) {
    const settings::Stored stored = settings::read(inContext.settingsPath).stored;
    if (!inStyle) {
        writeLine(inContext.out,
                  "Band: " + bandDescription(stored.style.value_or(0), stored.style.has_value()));
        return sExitDone;
    }
    const settings::WriteResult written = settings::writeStyle(inContext.settingsPath, *inStyle);
    if (!written.saved()) {
        return notWritten(inContext, written);
    }
    QString said = "Band: " + bandDescription(*inStyle, true) + ", saved.";
    // What the panel and apply make of a saved frequency outside the new band.
    settings::Stored now = stored;
    now.style = inStyle;
    if (const SInt32 sent = settings::tuningFor(now).frequency;
        stored.frequency && sent != *stored.frequency) {
        said += QString(" The saved frequency %1 MHz is outside it: the panel and apply tune to "
                        "%2 MHz.")
                    .arg(settings::formatMHzFromKHz(*stored.frequency),
                         settings::formatMHzFromKHz(sent));
    }
    writeLine(inContext.out, said);
    return sExitDone;
}

int applyOnPlug(Context& inContext, std::optional<bool> inOn) {
    if (!inOn) {
        const std::optional<bool> saved = settings::read(inContext.settingsPath).stored.applyOnPlug;
        writeLine(inContext.out,
                  QString("Apply on plug: %1%2")
                      .arg(saved.value_or(settings::sDefaultApplyOnPlug) ? "yes" : "no")
                      .arg(saved ? "" : " (default)"));
        return sExitDone;
    }
    const settings::WriteResult written = settings::writeApplyOnPlug(inContext.settingsPath, *inOn);
    if (!written.saved()) {
        return notWritten(inContext, written);
    }
    writeLine(inContext.out,
              *inOn ? "Apply on plug: yes, saved: each transmitter plugged in gets the saved "
                      "settings."
                    : "Apply on plug: no, saved: a transmitter plugged in while the panel is "
                      "closed keeps what it had.");
    return sExitDone;
}

int station(Context& inContext, const Invocation& inInvocation) {
    const QStringList& names = inInvocation.names;
    settings::StationEdit outcome = settings::StationEdit::NotFound;
    std::function<bool(host::Dictionary&)> edit;
    QString done;
    switch (inInvocation.stationVerb) {
    case StationVerb::List:
        return listStations(inContext);
    case StationVerb::Save: {
        const settings::Stored stored = settings::read(inContext.settingsPath).stored;
        settings::Tuning tuning = settings::tuningFor(stored);
        if (!inInvocation.frequencyText.isEmpty()) {
            const QString why =
                tuneRefusal(inContext, stored, inInvocation.frequencyText, inInvocation.frequency);
            if (!why.isEmpty()) {
                writeProblem(inContext.err, why);
                return sExitUsage;
            }
            tuning.frequency = static_cast<SInt32>(inInvocation.frequency.hertz / 1000);
        }
        const settings::Station saved{names[0], tuning.frequency,
                                      inInvocation.stereo.value_or(tuning.stereo)};
        // The station by value: the edit runs after this block has ended.
        edit = [&outcome, saved](host::Dictionary& ioDict) {
            outcome = settings::saveStation(ioDict, saved);
            return settings::changed(outcome);
        };
        done = QString("station %1: %2.")
                   .arg(saved.name, settings::settingText(saved.frequency, saved.stereo));
        break;
    }
    case StationVerb::Rename:
        edit = [&](host::Dictionary& ioDict) {
            outcome = settings::renameStation(ioDict, names[0], names[1]);
            return settings::changed(outcome);
        };
        done = QString("Renamed station %1 to %2.").arg(names[0], names[1]);
        break;
    case StationVerb::Remove:
        edit = [&](host::Dictionary& ioDict) {
            outcome = settings::removeStation(ioDict, names[0]);
            return settings::changed(outcome);
        };
        done = QString("Removed station %1.").arg(names[0]);
        break;
    }
    const settings::WriteResult written = settings::change(inContext.settingsPath, edit);
    if (!settings::changed(outcome)) {
        return refused(inContext, outcome, names);
    }
    if (!written.saved()) {
        return notWritten(inContext, written);
    }
    if (outcome == settings::StationEdit::Saved || outcome == settings::StationEdit::Replaced) {
        done.prepend(outcome == settings::StationEdit::Saved ? "Saved " : "Replaced ");
    }
    writeLine(inContext.out, done);
    return sExitDone;
}

int tuneStation(Context& inContext, const QString& inName, std::optional<bool> inStereo) {
    const std::vector<settings::Station> stations =
        settings::read(inContext.settingsPath).stored.stations;
    const auto found = std::find_if(stations.begin(), stations.end(),
                                    [&](const settings::Station& s) { return s.name == inName; });
    if (found == stations.end()) {
        writeProblem(inContext.err, "no station named " + shown(inName));
        return sExitUsage;
    }
    // As if its frequency were typed, so that the band check and the words are tune's own.
    const QString text = settings::formatMHzFromKHz(found->frequency) + " MHz";
    return tune(inContext, text, *settings::parseFrequency(text), inStereo.value_or(found->stereo));
}

} // namespace cli
