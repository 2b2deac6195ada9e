#include "cli/SettingsCommands.h"

#include "cli/Output.h"
#include "settings/Stations.h"
#include "settings/Tuning.h"

#include <algorithm>

namespace cli {

namespace {

int notWritten(Context& inContext, const settings::WriteResult& inResult) {
    writeProblem(inContext.err, Words::tr("the settings file %1 could not be written: %2")
                                    .arg(inContext.settingsPath, inResult.problem));
    return sExitDevice;
}

// What a refused edit says, and its exit status; the file was left as it was.
int refused(Context& inContext, settings::StationEdit inEdit, const QStringList& inNames,
            StationVerb inVerb) {
    const QString newName = inNames.value(inNames.size() - 1);
    QString why = settings::refusal(inEdit, inNames.value(0), newName);
    // "station save 99.5": the name was forgotten.
    if (inVerb == StationVerb::Save &&
        settings::nameProblem(newName) == settings::NameProblem::Frequency) {
        why = Words::tr("%1: give the name first, as in usb-tavro station save NAME %2")
                  .arg(why, shown(newName));
    }
    writeProblem(inContext.err, why);
    return inEdit == settings::StationEdit::NotAList ? sExitDevice : sExitUsage;
}

int listStations(Context& inContext) {
    const std::vector<settings::Station> stations =
        settings::read(inContext.settingsPath).stored.stations;
    if (stations.empty()) {
        writeLine(inContext.out,
                  Words::tr("No stations saved (usb-tavro station save NAME saves one)."));
        return sExitDone;
    }
    std::vector<std::pair<QString, QString>> rows;
    for (const settings::Station& station : stations) {
        rows.emplace_back(station.name, settings::settingText(station.frequency, station.stereo));
    }
    writeRows(inContext.out, rows, 2);
    return sExitDone;
}

// "Removed station Good (2 entries of that name)." where another program wrote one name more
// than once.
QString edited(const QString& inDone, std::size_t inCount) {
    return inCount > 1
               ? Words::tr("%1 (%n entries of that name).", nullptr, static_cast<int>(inCount))
                     .arg(inDone)
               : Words::tr("%1.").arg(inDone);
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
    return inStored.style
               ? Words::tr("%1 (style %2 in %3)").arg(why).arg(style).arg(inContext.settingsPath)
               : Words::tr("%1 (style %2, the default)").arg(why).arg(style);
}

int band(Context& inContext, std::optional<SInt32> inStyle) {
    if (!inStyle) {
        const settings::Stored stored = settings::read(inContext.settingsPath).stored;
        writeLine(inContext.out,
                  Words::tr("Band: %1")
                      .arg(bandDescription(stored.style.value_or(0), stored.style.has_value())));
        return sExitDone;
    }
    // A saved frequency outside the new band is moved into it, as the dial moves it, saved and
    // sent: what plays is what the file holds.
    std::optional<SInt32> before;
    std::optional<SInt32> moved;
    bool stereo = settings::sDefaultStereo;
    const settings::WriteResult written =
        settings::change(inContext.settingsPath, [&](host::Dictionary& ioDict) {
            const settings::Stored stored = settings::fromDictionary(ioDict);
            before = stored.frequency;
            stereo = stored.stereo.value_or(settings::sDefaultStereo);
            moved = settings::chooseBand(ioDict, *inStyle);
            return true;
        });
    if (!written.saved()) {
        return notWritten(inContext, written);
    }
    const QString band = bandDescription(*inStyle, true);
    writeLine(inContext.out,
              moved ? Words::tr("Band: %1, saved. The saved frequency %2 MHz was outside it: now "
                                "%3 MHz.")
                          .arg(band, settings::formatMHzFromKHz(*before),
                               settings::formatMHzFromKHz(*moved))
                    : Words::tr("Band: %1, saved.").arg(band));
    if (!moved) {
        return sExitDone;
    }
    const Sent sent = sendToFirstUsable(inContext, {*moved, stereo});
    if (sent.found && sent.problem.isEmpty()) {
        writeLine(inContext.out,
                  Words::tr("Tuned to %1.").arg(settings::settingText(*moved, stereo)));
    } else if (sent.found) {
        writeProblem(inContext.err, sent.problem);
        return sExitDevice;
    }
    return sExitDone;
}

int applyOnPlug(Context& inContext, std::optional<bool> inOn) {
    if (!inOn) {
        writeLine(
            inContext.out,
            Words::tr("Apply on plug: %1")
                .arg(applyOnPlugText(settings::read(inContext.settingsPath).stored.applyOnPlug)));
        return sExitDone;
    }
    const settings::WriteResult written =
        settings::change(inContext.settingsPath, [&](host::Dictionary& ioDict) {
            ioDict.setBool(settings::sApplyOnPlugKey, *inOn);
            return true;
        });
    if (!written.saved()) {
        return notWritten(inContext, written);
    }
    writeLine(inContext.out,
              *inOn ? Words::tr("Apply on plug: yes, saved: each transmitter plugged in gets the "
                                "saved settings.")
                    : Words::tr("Apply on plug: no, saved: a transmitter plugged in while the "
                                "panel is closed keeps what it had."));
    return sExitDone;
}

int station(Context& inContext, const Invocation& inInvocation) {
    const QStringList& names = inInvocation.names;
    settings::StationEdit outcome = settings::StationEdit::NotFound;
    std::size_t count = 0; // entries of the name edited
    std::function<bool(host::Dictionary&)> edit;
    QString done;
    QString why; // the frequency given is refused
    switch (inInvocation.stationVerb) {
    case StationVerb::List:
        return listStations(inContext);
    case StationVerb::Save:
        // What the frequency is checked against, and the one saved when none is given, are read
        // under the lock with the rest of the edit.
        edit = [&](host::Dictionary& ioDict) {
            const settings::Stored stored = settings::fromDictionary(ioDict);
            settings::Tuning tuning = settings::tuningFor(stored);
            if (!inInvocation.frequencyText.isEmpty()) {
                why = tuneRefusal(inContext, stored, inInvocation.frequencyText,
                                  inInvocation.frequency);
                tuning.frequency = static_cast<SInt32>(inInvocation.frequency.hertz / 1000);
            }
            const settings::Station saved{settings::stationName(names[0]), tuning.frequency,
                                          inInvocation.stereo.value_or(tuning.stereo)};
            outcome = why.isEmpty() ? settings::saveStation(ioDict, saved) : outcome;
            const QString setting = settings::settingText(saved.frequency, saved.stereo);
            done = outcome == settings::StationEdit::Replaced
                       ? Words::tr("Replaced station %1: %2.").arg(saved.name, setting)
                       : Words::tr("Saved station %1: %2.").arg(saved.name, setting);
            return settings::changed(outcome);
        };
        break;
    case StationVerb::Rename:
        edit = [&](host::Dictionary& ioDict) {
            count = settings::entriesNamed(ioDict, names[0]);
            outcome = settings::renameStation(ioDict, names[0], names[1]);
            return settings::changed(outcome);
        };
        done = Words::tr("Renamed station %1 to %2").arg(names[0], settings::stationName(names[1]));
        break;
    case StationVerb::Remove:
        edit = [&](host::Dictionary& ioDict) {
            count = settings::entriesNamed(ioDict, names[0]);
            outcome = settings::removeStation(ioDict, names[0]);
            return settings::changed(outcome);
        };
        done = Words::tr("Removed station %1").arg(names[0]);
        break;
    }
    const settings::WriteResult written = settings::change(inContext.settingsPath, edit);
    if (!why.isEmpty()) {
        writeProblem(inContext.err, why);
        return sExitUsage;
    }
    if (!settings::changed(outcome)) {
        return refused(inContext, outcome, names, inInvocation.stationVerb);
    }
    if (!written.saved()) {
        return notWritten(inContext, written);
    }
    const bool saved =
        outcome == settings::StationEdit::Saved || outcome == settings::StationEdit::Replaced;
    writeLine(inContext.out, saved ? done : edited(done, count));
    return sExitDone;
}

int tuneStation(Context& inContext, const QString& inName, std::optional<bool> inStereo) {
    // As the panel recalls it: its frequency, in the band that holds it, saved and sent.
    std::optional<settings::Station> found;
    std::optional<SInt32> newStyle;
    settings::Tuning tuning;
    const settings::WriteResult written =
        settings::change(inContext.settingsPath, [&](host::Dictionary& ioDict) {
            found = settings::findStation(ioDict, inName);
            if (!found) {
                return false;
            }
            const SInt32 saved = settings::fromDictionary(ioDict).style.value_or(0);
            const SInt32 band = settings::isKnownStyle(saved) ? saved : 0;
            if (const SInt32 style = settings::styleForFrequency(band, found->frequency);
                style != band) {
                newStyle = style;
                ioDict.setLong(settings::sStyleKey, style);
            }
            tuning = {found->frequency, inStereo.value_or(found->stereo)};
            ioDict.setLong(settings::sFrequencyKey, tuning.frequency);
            ioDict.setBool(settings::sStereoKey, tuning.stereo);
            return true;
        });
    if (!found) {
        writeProblem(inContext.err, settings::refusal(settings::StationEdit::NotFound, inName, {}));
        return sExitUsage;
    }
    if (newStyle && written.saved()) {
        writeLine(inContext.out,
                  Words::tr("Band: %1, saved.").arg(bandDescription(*newStyle, true)));
    }
    return sendSaved(inContext, tuning, written);
}

} // namespace cli
