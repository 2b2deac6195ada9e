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
int refused(Context& inContext, settings::StationEdit inEdit, const QStringList& inNames,
            StationVerb inVerb) {
    const QString newName = inNames.value(inNames.size() - 1);
    QString why = settings::refusal(inEdit, inNames.value(0), newName);
    // "station save 99.5": the name was forgotten.
    if (inVerb == StationVerb::Save &&
        settings::nameProblem(newName) == settings::NameProblem::Frequency) {
        why += QString(": give the name first, as in usb-tavro station save NAME %1")
                   .arg(shown(newName));
    }
    writeProblem(inContext.err, why);
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
        width = std::max(width, displayWidth(station.name));
    }
    for (const settings::Station& station : stations) {
        const QString padding(width - displayWidth(station.name), QLatin1Char(' '));
        writeLine(inContext.out, station.name + padding + "  " +
                                     settings::settingText(station.frequency, station.stereo));
    }
    return sExitDone;
}

// " (2 entries of that name)" where another program wrote one name more than once.
QString entries(std::size_t inCount) {
    return inCount > 1 ? QString(" (%1 entries of that name)").arg(inCount) : QString();
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
    if (!inStyle) {
        const settings::Stored stored = settings::read(inContext.settingsPath).stored;
        writeLine(inContext.out,
                  "Band: " + bandDescription(stored.style.value_or(0), stored.style.has_value()));
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
    QString said = "Band: " + bandDescription(*inStyle, true) + ", saved.";
    if (moved) {
        said += QString(" The saved frequency %1 MHz was outside it: now %2 MHz.")
                    .arg(settings::formatMHzFromKHz(*before), settings::formatMHzFromKHz(*moved));
    }
    writeLine(inContext.out, said);
    if (!moved) {
        return sExitDone;
    }
    const Sent sent = sendToFirstUsable(inContext, {*moved, stereo});
    if (sent.found && sent.problem.isEmpty()) {
        writeLine(inContext.out, "Tuned to " + settings::settingText(*moved, stereo) + ".");
    } else if (sent.found) {
        writeProblem(inContext.err, sent.problem);
        return sExitDevice;
    }
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
    const settings::WriteResult written =
        settings::change(inContext.settingsPath, [&](host::Dictionary& ioDict) {
            ioDict.setBool(settings::sApplyOnPlugKey, *inOn);
            return true;
        });
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
            done = QString("station %1: %2.")
                       .arg(saved.name, settings::settingText(saved.frequency, saved.stereo));
            return settings::changed(outcome);
        };
        break;
    case StationVerb::Rename:
        edit = [&](host::Dictionary& ioDict) {
            count = settings::entriesNamed(ioDict, names[0]);
            outcome = settings::renameStation(ioDict, names[0], names[1]);
            return settings::changed(outcome);
        };
        done = QString("Renamed station %1 to %2").arg(names[0], settings::stationName(names[1]));
        break;
    case StationVerb::Remove:
        edit = [&](host::Dictionary& ioDict) {
            count = settings::entriesNamed(ioDict, names[0]);
            outcome = settings::removeStation(ioDict, names[0]);
            return settings::changed(outcome);
        };
        done = QString("Removed station %1").arg(names[0]);
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
    if (outcome == settings::StationEdit::Saved || outcome == settings::StationEdit::Replaced) {
        done.prepend(outcome == settings::StationEdit::Saved ? "Saved " : "Replaced ");
    } else {
        done += entries(count) + ".";
    }
    writeLine(inContext.out, done);
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
        writeLine(inContext.out, "Band: " + bandDescription(*newStyle, true) + ", saved.");
    }
    return sendSaved(inContext, tuning, written);
}

} // namespace cli
