<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Failure</name>
    <message>
        <source>the transmitter</source>
        <translation>Transmitter</translation>
    </message>
    <message>
        <source>the transmitter at %1</source>
        <translation>Transmitter %1</translation>
    </message>
    <message>
        <source>no permission to write to %1: %2</source>
        <translation>keine Schreibberechtigung für %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened (%2)</source>
        <translation>%1 konnte nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>%1 did not take the setting (%2)</source>
        <translation>%1 hat die Einstellung nicht übernommen (%2)</translation>
    </message>
    <message>
        <source>%1 could not be closed after the setting (%2)</source>
        <translation>%1 konnte nach der Einstellung nicht geschlossen werden (%2)</translation>
    </message>
    <message>
        <source>%1 was unplugged during the write</source>
        <translation>%1 wurde während des Schreibvorgangs abgezogen</translation>
    </message>
    <message>
        <source>%1 did not take the setting in time: the kernel held the write past the time limit</source>
        <translation>%1 hat die Einstellung nicht rechtzeitig übernommen: Der Kernel hat den Schreibvorgang über das Zeitlimit hinaus zurückgehalten</translation>
    </message>
    <message>
        <source>%1 is still busy with an earlier setting that the kernel holds</source>
        <translation>%1 ist noch mit einer früheren Einstellung beschäftigt, die der Kernel zurückhält</translation>
    </message>
    <message>
        <source>%1 could not be reached (result %2)</source>
        <translation>%1 war nicht erreichbar (Ergebnis %2)</translation>
    </message>
    <message>
        <source>%1: plug it in again</source>
        <translation>%1: Stecken Sie ihn erneut ein</translation>
    </message>
    <message>
        <source>%1: close the program that holds it</source>
        <translation>%1: Schließen Sie das Programm, das ihn belegt</translation>
    </message>
    <message>
        <source>the udev rule %1 is in place, but it gives access only to the user logged in at the seat and only to a transmitter plugged in after it was installed: unplug the transmitter and plug it in again</source>
        <translation>die udev-Regel %1 ist installiert, gewährt aber nur dem am Arbeitsplatz angemeldeten Benutzer Zugriff, und nur auf einen Transmitter, der nach ihrer Installation eingesteckt wurde: Ziehen Sie den Transmitter ab und stecken Sie ihn erneut ein</translation>
    </message>
    <message>
        <source>install the udev rule with &apos;%1&apos;, run &apos;%2&apos;, then unplug the transmitter and plug it in again</source>
        <translation>installieren Sie die udev-Regel mit &apos;%1&apos;, führen Sie &apos;%2&apos; aus, ziehen Sie dann den Transmitter ab und stecken Sie ihn erneut ein</translation>
    </message>
    <message>
        <source>install the udev rule %1 (in packaging/ of the source) in %2, run &apos;%3&apos;, then unplug the transmitter and plug it in again</source>
        <translation>installieren Sie die udev-Regel %1 (im Quelltext unter packaging/) in %2, führen Sie &apos;%3&apos; aus, ziehen Sie dann den Transmitter ab und stecken Sie ihn erneut ein</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>USB_Tavro FM Transmitter</source>
        <translation>USB_Tavro FM-Transmitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Gerät</translation>
    </message>
    <message>
        <source>&amp;Plug In Simulated Transmitter</source>
        <translation>Simulierten Transmitter &amp;einstecken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About USB_Tavro</source>
        <translation>Ü&amp;ber USB_Tavro</translation>
    </message>
    <message>
        <source>About USB_Tavro</source>
        <translation>Über USB_Tavro</translation>
    </message>
    <message>
        <source>USB_Tavro %1

Settings for a USB FM transmitter.</source>
        <translation>USB_Tavro %1

Einstellungen für einen USB-FM-Transmitter.</translation>
    </message>
</context>
<context>
    <name>PaneLoader</name>
    <message>
        <source>%1 is not a pane bundle: no readable %2</source>
        <translation>%1 ist kein Bereichs-Bundle: keine lesbare Datei %2</translation>
    </message>
    <message>
        <source>cannot load the interface file of %1</source>
        <translation>die Oberflächendatei von %1 kann nicht geladen werden</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>a value in it cannot be written back unchanged</source>
        <translation>ein Wert darin kann nicht unverändert zurückgeschrieben werden</translation>
    </message>
    <message>
        <source>too large to be read back</source>
        <translation>zu groß, um wieder eingelesen zu werden</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <source>%1.</source>
        <extracomment>A clause as a sentence of its own: its full stop, in the language&apos;s writing.</extracomment>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings file %1 could not be read; it is kept as %2.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden; sie wird als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The settings file %1 holds a value that cannot be written back as it is; it is kept as it was as %2.</source>
        <translation>Die Einstellungsdatei %1 enthält einen Wert, der nicht unverändert zurückgeschrieben werden kann; sie wird im bisherigen Zustand als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>es gibt kein Home-Verzeichnis, in dem sie liegen kann</translation>
    </message>
    <message>
        <source>the file there cannot be read, nor moved aside</source>
        <translation>die vorhandene Datei kann weder gelesen noch beiseitegelegt werden</translation>
    </message>
    <message>
        <source>the file there holds a value that cannot be written back, and it cannot be copied aside</source>
        <translation>die vorhandene Datei enthält einen Wert, der nicht zurückgeschrieben werden kann, und sie kann nicht als Kopie beiseitegelegt werden</translation>
    </message>
</context>
<context>
    <name>SettingsMenus</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Transmitter</source>
        <translation>&amp;Transmitter</translation>
    </message>
    <message>
        <source>&amp;Band</source>
        <translation>&amp;Band</translation>
    </message>
    <message>
        <source>&amp;%1 (Japan)</source>
        <translation>&amp;%1 (Japan)</translation>
    </message>
    <message>
        <source>&amp;%1</source>
        <translation>&amp;%1</translation>
    </message>
    <message>
        <source>Tune the transmitter when it is &amp;plugged in</source>
        <translation>Transmitter beim &amp;Einstecken einstellen</translation>
    </message>
    <message>
        <source>&amp;Tune To…</source>
        <translation>&amp;Frequenz einstellen…</translation>
    </message>
    <message>
        <source>St&amp;ations</source>
        <translation>S&amp;ender</translation>
    </message>
    <message>
        <source>&amp;Save Station…</source>
        <translation>Sender &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Rename Station</source>
        <translation>Sender &amp;umbenennen</translation>
    </message>
    <message>
        <source>Re&amp;move Station</source>
        <translation>Sender &amp;entfernen</translation>
    </message>
    <message>
        <source>No stations saved</source>
        <translation>Keine Sender gespeichert</translation>
    </message>
    <message>
        <source>Tune To</source>
        <translation>Frequenz einstellen</translation>
    </message>
    <message>
        <source>&amp;Frequency (MHz or kHz):</source>
        <translation>&amp;Frequenz (MHz oder kHz):</translation>
    </message>
    <message>
        <source>Save Station</source>
        <translation>Sender speichern</translation>
    </message>
    <message>
        <source>&amp;Name for %1:</source>
        <translation>&amp;Name für %1:</translation>
    </message>
    <message>
        <source>Rename Station</source>
        <translation>Sender umbenennen</translation>
    </message>
    <message>
        <source>&amp;New name:</source>
        <translation>&amp;Neuer Name:</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>nothing reads from it</source>
        <translation>kein Programm liest daraus</translation>
    </message>
    <message>
        <source>the picture could not be written</source>
        <translation>das Bild konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Stations</name>
    <message>
        <source>a station&apos;s name cannot be empty</source>
        <translation>der Sendername darf nicht leer sein</translation>
    </message>
    <message>
        <source>a station&apos;s name has at most %1 characters, not %2</source>
        <translation>der Sendername hat höchstens %1 Zeichen, nicht %2</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot hold control characters</source>
        <translation>der Sendername darf keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot hold invisible characters, direction marks or line separators</source>
        <translation>der Sendername darf keine unsichtbaren Zeichen, Richtungsmarkierungen oder Zeilentrenner enthalten</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot start or end with a space</source>
        <translation>der Sendername darf nicht mit einem Leerzeichen beginnen oder enden</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot be a frequency alone, as %1 is</source>
        <translation>der Sendername darf nicht nur aus einer Frequenz bestehen, wie bei %1</translation>
    </message>
    <message>
        <source>the frequency is outside every band</source>
        <translation>die Frequenz liegt außerhalb aller Bänder</translation>
    </message>
    <message>
        <source>%1 stations are saved, as many as can be: remove one first</source>
        <translation>%1 Sender sind gespeichert, mehr sind nicht möglich: Entfernen Sie zuerst einen</translation>
    </message>
    <message>
        <source>no station named %1</source>
        <translation>kein Sender namens %1</translation>
    </message>
    <message>
        <source>a station named %1 is saved already</source>
        <translation>ein Sender namens %1 ist bereits gespeichert</translation>
    </message>
    <message>
        <source>the settings file&apos;s %1 holds no list of stations, and is kept as it is</source>
        <translation>der Eintrag %1 der Einstellungsdatei enthält keine Senderliste und bleibt unverändert</translation>
    </message>
</context>
<context>
    <name>TransmitterModule</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <source>The transmitter is set in another panel, brought forward now. Close it to set the transmitter here.</source>
        <translation>Der Transmitter wird in einem anderen Einstellungsfenster eingestellt, das jetzt in den Vordergrund geholt wurde. Schließen Sie es, um den Transmitter hier einzustellen.</translation>
    </message>
    <message>
        <source>The transmitter is set in another panel, which did not come forward. Close it to set the transmitter here.</source>
        <translation>Der Transmitter wird in einem anderen Einstellungsfenster eingestellt, das sich nicht in den Vordergrund holen ließ. Schließen Sie es, um den Transmitter hier einzustellen.</translation>
    </message>
</context>
<context>
    <name>Tuning</name>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>%1 bis %2 MHz</translation>
    </message>
    <message>
        <source>%1 MHz, stereo</source>
        <translation>%1 MHz, Stereo</translation>
    </message>
    <message>
        <source>%1 MHz, mono</source>
        <translation>%1 MHz, Mono</translation>
    </message>
    <message>
        <source>the frequency is empty</source>
        <translation>Frequenzangabe ist leer</translation>
    </message>
    <message>
        <source>%1 is not a frequency: write decimals with a point, as in 88.1</source>
        <translation>%1 ist keine Frequenz: Schreiben Sie Dezimalzahlen mit Punkt, wie in 88.1</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 ist keine Frequenz</translation>
    </message>
    <message>
        <source>%1 is outside the band %2</source>
        <translation>%1 liegt außerhalb des Bands %2</translation>
    </message>
    <message>
        <source>%1 is not on the 100 kHz grid: %2 or %3 MHz</source>
        <translation>%1 liegt nicht im Raster von 100 kHz: %2 oder %3 MHz</translation>
    </message>
</context>
<context>
    <name>USB_TavroPane</name>
    <message>
        <source>Drag the knob round, or use the up and down arrow keys</source>
        <translation>Drehen Sie den Knopf mit gedrückter Maustaste oder verwenden Sie die Pfeiltasten nach oben und unten</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>USB_Tavro logo</source>
        <translation>USB_Tavro-Logo</translation>
    </message>
    <message>
        <source>FM transmitter</source>
        <translation>FM-Transmitter</translation>
    </message>
    <message>
        <source>Stereo or mono</source>
        <translation>Stereo oder Mono</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <translation>&amp;Stereo</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <translation>&amp;Mono</translation>
    </message>
</context>
<context>
    <name>USB_TavroPref</name>
    <message>
        <source>Hardware version: unknown</source>
        <translation>Hardwareversion: unbekannt</translation>
    </message>
    <message>
        <source>Hardware version: %1</source>
        <translation>Hardwareversion: %1</translation>
    </message>
    <message>
        <source>version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>Erstellungsdatum: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Plug in the transmitter.</source>
        <translation>Stecken Sie den Transmitter ein.</translation>
    </message>
</context>
<context>
    <name>usb_tavro</name>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--station needs a station&apos;s name</source>
        <translation>--station erwartet einen Sendernamen</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>%1 needs a frequency</source>
        <translation>%1 erwartet eine Frequenz</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>%1 applies to tune and station save only</source>
        <translation>%1 gilt nur für tune und station save</translation>
    </message>
    <message>
        <source>--mono and --stereo exclude each other</source>
        <translation>--mono und --stereo schließen einander aus</translation>
    </message>
    <message>
        <source>--on-plug applies to apply only</source>
        <translation>--on-plug gilt nur für apply</translation>
    </message>
    <message>
        <source>--station applies to tune only</source>
        <translation>--station gilt nur für tune</translation>
    </message>
    <message>
        <source>tune takes a frequency or --station, not both</source>
        <translation>tune erwartet eine Frequenz oder --station, nicht beides</translation>
    </message>
    <message>
        <source>Usage: usb-tavro [--simulate] status
       usb-tavro [--simulate] tune FREQ [--mono | --stereo]
       usb-tavro [--simulate] tune --station NAME [--mono | --stereo]
       usb-tavro [--simulate] list
       usb-tavro [--simulate] apply [NODE] [--on-plug]
       usb-tavro band [0 | world | 1 | japan]
       usb-tavro apply-on-plug [on | off]
       usb-tavro station [list]
       usb-tavro station save NAME [FREQ] [--mono | --stereo]
       usb-tavro station rename NAME NEW
       usb-tavro station remove NAME

Tunes a USB FM transmitter (USB 0f5a:0b17) from the command line, with the
settings file of the settings panel usb-tavro-prefs.

Commands:
  status          Show whether a transmitter is connected and its hardware
                  version, and the saved frequency, band, stereo choice and
                  ApplyOnPlug. Exits with 1 when no transmitter is connected.
  tune FREQ       Send FREQ to the transmitter and save it as the panel&apos;s
                  setting, so that the panel opens on it. FREQ is in MHz (88.1)
                  or kHz (88100): a number from 1000 up is in kHz; or give the
                  unit (88.1MHz, 88100kHz). It must lie in the band of the
                  settings file and on the 100 kHz grid. The stereo choice stays
                  as saved (stereo if none is) unless --mono or --stereo is
                  given. When no transmitter can be tuned, the frequency and
                  stereo choice are saved all the same (the panel sends them when
                  it next connects one) and the exit status is 1. With
                  --station NAME, tunes to the saved station NAME, with its
                  stereo choice unless --mono or --stereo is given, switching
                  the band when the station is in the other one.
  list            List the transmitters plugged in, one a line: device node and
                  hardware version. status and tune use the first one that can
                  be written to, as the panel does.
  apply [NODE]    Send what the panel sends a transmitter when it connects it:
                  the saved frequency moved into the band (the nearer end when
                  it lies outside) and onto the 100 kHz step below it, and the
                  stereo choice; to the transmitter at the device node NODE
                  (/dev/hidraw0), or to every transmitter plugged in. Says what
                  it sent. Saves nothing. Waits up to a second for a node that
                  may not be written to yet.
  band [BAND]     Show the band, or save BAND as it: 0 or world is 88.1 to
                  107.9 MHz, 1 or japan is 76.1 to 89.9 MHz. A saved
                  frequency outside it is moved to its nearer end, saved, and
                  sent to a transmitter plugged in.
  apply-on-plug [on | off]
                  Show whether a transmitter plugged in while the panel is
                  closed gets the saved settings (on, the default; apply
                  --on-plug sends it), or save on or off.
  station [list]  List the saved stations: name, frequency and stereo choice.
  station save NAME [FREQ]
                  Save FREQ (the saved frequency when none is given) and the
                  stereo choice (the saved one unless --mono or --stereo is
                  given) as the station NAME, in place of one of that name. Up
                  to 32 stations; a name has 1 to 64 characters, no control
                  or invisible characters, no space at either end, and is more
                  than a frequency.
  station rename NAME NEW
                  Give the station NAME the name NEW.
  station remove NAME
                  Remove the station NAME.

Options:
  --mono          Tune, or save the station, for mono.
  --stereo        Tune, or save the station, for stereo.
  --station NAME  For tune: the station to tune to.
  --on-plug       For apply at a plug-in (the systemd user unit passes it):
                  send nothing when ApplyOnPlug is false in the settings file.
  --simulate      Use a simulated transmitter, plugged in, instead of a real
                  one; it prints every report it receives. The settings file is
                  the real one.
  -h, --help      Show this help and exit.
  -v, --version   Show the version and exit.

Every command that saves keeps every other setting of the file. Bands, kept
as the &quot;Style&quot; key of the settings file: 0 is 88.1 to 107.9 MHz (also for a
missing or unknown style), 1 is 76.1 to 89.9 MHz.
Settings file: %1

Exit status: 0 done; 1 no transmitter, a device error, the settings file could
not be written, or the output could not be written; 2 bad usage, a frequency
outside the band or off the 100 kHz grid, or a station that is not saved, a bad
name, a name taken, or a 33rd station.
</source>
        <translation>Aufruf: usb-tavro [--simulate] status
        usb-tavro [--simulate] tune FREQ [--mono | --stereo]
        usb-tavro [--simulate] tune --station NAME [--mono | --stereo]
        usb-tavro [--simulate] list
        usb-tavro [--simulate] apply [NODE] [--on-plug]
        usb-tavro band [0 | world | 1 | japan]
        usb-tavro apply-on-plug [on | off]
        usb-tavro station [list]
        usb-tavro station save NAME [FREQ] [--mono | --stereo]
        usb-tavro station rename NAME NEW
        usb-tavro station remove NAME

Stellt einen USB-FM-Transmitter (USB 0f5a:0b17) über die Kommandozeile ein, mit
der Einstellungsdatei des Einstellungsfensters usb-tavro-prefs.

Befehle:
  status          Zeigt, ob ein Transmitter verbunden ist, und seine
                  Hardwareversion sowie die gespeicherte Frequenz, das Band, die
                  Stereo-Wahl und ApplyOnPlug. Endet mit 1, wenn kein
                  Transmitter verbunden ist.
  tune FREQ       Sendet FREQ an den Transmitter und speichert sie als
                  Einstellung des Einstellungsfensters, sodass es sich damit
                  öffnet. FREQ ist in MHz (88.1) oder kHz (88100) angegeben:
                  Eine Zahl ab 1000 gilt als kHz; oder geben Sie die Einheit an
                  (88.1MHz, 88100kHz). Sie muss im Band der Einstellungsdatei
                  und im Raster von 100 kHz liegen. Die Stereo-Wahl bleibt wie
                  gespeichert (Stereo, wenn keine gespeichert ist), außer --mono
                  oder --stereo ist angegeben. Kann kein Transmitter eingestellt
                  werden, werden Frequenz und Stereo-Wahl trotzdem gespeichert
                  (das Einstellungsfenster sendet sie, sobald es wieder einen
                  verbindet), und der Exit-Status ist 1. Mit --station NAME wird
                  auf den gespeicherten Sender NAME eingestellt, mit dessen
                  Stereo-Wahl, außer --mono oder --stereo ist angegeben; liegt
                  der Sender im anderen Band, wird das Band gewechselt.
  list            Listet die eingesteckten Transmitter auf, einen pro Zeile:
                  Geräteknoten und Hardwareversion. status und tune verwenden
                  wie das Einstellungsfenster den ersten, der beschreibbar ist.
  apply [NODE]    Sendet, was das Einstellungsfenster einem Transmitter beim
                  Verbinden sendet: die gespeicherte Frequenz, ins Band
                  verschoben (an das nähere Ende, wenn sie außerhalb liegt) und
                  auf den Schritt von 100 kHz darunter gesetzt, sowie die
                  Stereo-Wahl; an den Transmitter am Geräteknoten NODE
                  (/dev/hidraw0) oder an jeden eingesteckten Transmitter.
                  Meldet, was gesendet wurde. Speichert nichts. Wartet bis zu
                  einer Sekunde auf einen Knoten, der noch nicht beschreibbar
                  ist.
  band [BAND]     Zeigt das Band oder speichert BAND als Band: 0 oder world ist
                  88.1 bis 107.9 MHz, 1 oder japan ist 76.1 bis 89.9 MHz. Eine
                  gespeicherte Frequenz außerhalb davon wird an das nähere Ende
                  verschoben, gespeichert und an einen eingesteckten Transmitter
                  gesendet.
  apply-on-plug [on | off]
                  Zeigt, ob ein Transmitter, der bei geschlossenem
                  Einstellungsfenster eingesteckt wird, die gespeicherten
                  Einstellungen erhält (on, der Standard; apply --on-plug sendet
                  sie), oder speichert on oder off.
  station [list]  Listet die gespeicherten Sender auf: Name, Frequenz und
                  Stereo-Wahl.
  station save NAME [FREQ]
                  Speichert FREQ (die gespeicherte Frequenz, wenn keine
                  angegeben ist) und die Stereo-Wahl (die gespeicherte, außer
                  --mono oder --stereo ist angegeben) als Sender NAME, anstelle
                  eines gleichnamigen. Bis zu 32 Sender; ein Name hat 1 bis 64
                  Zeichen, keine Steuer- oder unsichtbaren Zeichen, kein
                  Leerzeichen am Anfang oder Ende und ist mehr als eine
                  Frequenz.
  station rename NAME NEW
                  Gibt dem Sender NAME den Namen NEW.
  station remove NAME
                  Entfernt den Sender NAME.

Optionen:
  --mono          Stellt auf Mono ein oder speichert den Sender mit Mono.
  --stereo        Stellt auf Stereo ein oder speichert den Sender mit Stereo.
  --station NAME  Für tune: der Sender, auf den eingestellt wird.
  --on-plug       Für apply beim Einstecken (die systemd-Benutzer-Unit übergibt
                  es): Sendet nichts, wenn ApplyOnPlug in der Einstellungsdatei
                  false ist.
  --simulate      Verwendet einen simulierten, eingesteckten Transmitter statt
                  eines echten; er gibt jeden empfangenen Report aus. Die
                  Einstellungsdatei ist die echte.
  -h, --help      Zeigt diese Hilfe an und beendet das Programm.
  -v, --version   Zeigt die Version an und beendet das Programm.

Jeder Befehl, der speichert, behält alle anderen Einstellungen der Datei bei.
Bänder, gespeichert als Schlüssel „Style“ der Einstellungsdatei: 0 ist 88.1 bis
107.9 MHz (auch bei fehlendem oder unbekanntem Style), 1 ist 76.1 bis 89.9 MHz.
Einstellungsdatei: %1

Exit-Status: 0 erledigt; 1 kein Transmitter, ein Gerätefehler, die
Einstellungsdatei oder die Ausgabe konnte nicht geschrieben werden; 2 falscher
Aufruf, eine Frequenz außerhalb des Bands oder außerhalb des Rasters von
100 kHz, ein nicht gespeicherter Sender, ein ungültiger Name, ein bereits
vergebener Name oder ein 33. Sender.
</translation>
    </message>
    <message>
        <source>no transmitter found</source>
        <translation>kein Transmitter gefunden</translation>
    </message>
    <message>
        <source>connected, hardware version %1</source>
        <translation>verbunden, Hardwareversion %1</translation>
    </message>
    <message>
        <source>connected at %1, hardware version %2</source>
        <translation>verbunden an %1, Hardwareversion %2</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>keiner gefunden</translation>
    </message>
    <message>
        <source>found (hardware version %1), not connected</source>
        <translation>gefunden (Hardwareversion %1), nicht verbunden</translation>
    </message>
    <message>
        <source>found at %1 (hardware version %2), not connected</source>
        <translation>gefunden an %1 (Hardwareversion %2), nicht verbunden</translation>
    </message>
    <message>
        <source>could not be read; the next save keeps it as %1</source>
        <translation>konnte nicht gelesen werden; beim nächsten Speichern wird sie als %1 aufbewahrt</translation>
    </message>
    <message>
        <source>holds a value that cannot be written back as it is; the next save keeps it as it was as %1</source>
        <translation>enthält einen Wert, der nicht unverändert zurückgeschrieben werden kann; beim nächsten Speichern wird sie im bisherigen Zustand als %1 aufbewahrt</translation>
    </message>
    <message>
        <source>Tuned to %1.</source>
        <translation>Eingestellt auf %1.</translation>
    </message>
    <message>
        <source>tuned to %1, but the settings file %2 could not be written: %3</source>
        <translation>eingestellt (%1), aber die Einstellungsdatei %2 konnte nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>%1; saved %2, for the settings panel</source>
        <translation>%1; für das Einstellungsfenster gespeichert: %2</translation>
    </message>
    <message>
        <source>%1; the settings file %2 could not be written either: %3</source>
        <translation>%1; auch die Einstellungsdatei %2 konnte nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>%1  hardware version %2</source>
        <translation>%1  Hardwareversion %2</translation>
    </message>
    <message>
        <source>(no device node)</source>
        <translation>(kein Geräteknoten)</translation>
    </message>
    <message>
        <source>%1  (no permission to write to it)</source>
        <translation>%1  (keine Schreibberechtigung)</translation>
    </message>
    <message>
        <source>%1  (cannot be used)</source>
        <translation>%1  (nicht verwendbar)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read: nothing sent</source>
        <translation>die Einstellungsdatei %1 konnte nicht gelesen werden: nichts gesendet</translation>
    </message>
    <message>
        <source>ApplyOnPlug is false in %1: nothing sent.</source>
        <translation>ApplyOnPlug ist in %1 auf false gesetzt: Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Applied %1 to %2.</source>
        <translation>An %2 übertragen: %1.</translation>
    </message>
    <message>
        <source>no transmitter at %1</source>
        <translation>kein Transmitter an %1</translation>
    </message>
    <message>
        <source>could not write to standard output: %1</source>
        <translation>Schreiben auf die Standardausgabe fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>%1 (see usb-tavro --help)</source>
        <translation>%1 (siehe usb-tavro --help)</translation>
    </message>
    <message>
        <source>usb-tavro: %1</source>
        <translation>usb-tavro: %1</translation>
    </message>
    <message>
        <source>%1 (style %2, the default)</source>
        <translation>%1 (Style %2, Standardwert)</translation>
    </message>
    <message>
        <source>%1 (style %2)</source>
        <translation>%1 (Style %2)</translation>
    </message>
    <message>
        <source>%1 (style %2 is unknown: the band of style 0)</source>
        <translation>%1 (Style %2 ist unbekannt: Band von Style 0)</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (Standardwert)</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz (default)</source>
        <translation>%1 MHz (Standardwert)</translation>
    </message>
    <message>
        <source>%1 MHz (the panel and apply send %2 MHz)</source>
        <translation>%1 MHz (Einstellungsfenster und apply senden %2 MHz)</translation>
    </message>
    <message>
        <source>%1 MHz (outside the band: the panel and apply send %2 MHz)</source>
        <translation>%1 MHz (außerhalb des Bands: Einstellungsfenster und apply senden %2 MHz)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Transmitter:</source>
        <translation>Transmitter:</translation>
    </message>
    <message>
        <source>Saved frequency:</source>
        <translation>Gespeicherte Frequenz:</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>Band:</translation>
    </message>
    <message>
        <source>Stereo:</source>
        <translation>Stereo:</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Apply on plug:</source>
        <translation>Beim Einstecken einstellen:</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation>Einstellungsdatei:</translation>
    </message>
    <message>
        <source>a name for the station</source>
        <translation>einen Namen für den Sender</translation>
    </message>
    <message>
        <source>the station&apos;s name and its new one</source>
        <translation>den Namen des Senders und seinen neuen Namen</translation>
    </message>
    <message>
        <source>the station&apos;s name</source>
        <translation>den Namen des Senders</translation>
    </message>
    <message>
        <source>station takes list, save, rename or remove, not %1</source>
        <translation>station erwartet list, save, rename oder remove, nicht %1</translation>
    </message>
    <message>
        <source>station %1 needs %2</source>
        <translation>station %1 erwartet %2</translation>
    </message>
    <message>
        <source>unknown band %1: give 0 or world (%2), 1 or japan (%3)</source>
        <translation>unbekanntes Band %1: Geben Sie 0 oder world (%2) bzw. 1 oder japan (%3) an</translation>
    </message>
    <message>
        <source>apply-on-plug takes on or off, not %1</source>
        <translation>apply-on-plug erwartet on oder off, nicht %1</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2</source>
        <translation>die Einstellungsdatei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: give the name first, as in usb-tavro station save NAME %2</source>
        <translation>%1: Geben Sie zuerst den Namen an, wie in usb-tavro station save NAME %2</translation>
    </message>
    <message>
        <source>No stations saved (usb-tavro station save NAME saves one).</source>
        <translation>Keine Sender gespeichert (usb-tavro station save NAME speichert einen).</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries of that name).</source>
        <translation>
            <numerusform>%1 (%n Eintrag mit diesem Namen).</numerusform>
            <numerusform>%1 (%n Einträge mit diesem Namen).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1 (style %2 in %3)</source>
        <translation>%1 (Style %2 in %3)</translation>
    </message>
    <message>
        <source>Band: %1</source>
        <translation>Band: %1</translation>
    </message>
    <message>
        <source>Band: %1, saved. The saved frequency %2 MHz was outside it: now %3 MHz.</source>
        <translation>Band: %1, gespeichert. Die gespeicherte Frequenz %2 MHz lag außerhalb davon: jetzt %3 MHz.</translation>
    </message>
    <message>
        <source>Band: %1, saved.</source>
        <translation>Band: %1, gespeichert.</translation>
    </message>
    <message>
        <source>Apply on plug: yes, saved: each transmitter plugged in gets the saved settings.</source>
        <translation>Beim Einstecken einstellen: ja, gespeichert: Jeder eingesteckte Transmitter erhält die gespeicherten Einstellungen.</translation>
    </message>
    <message>
        <source>Apply on plug: no, saved: a transmitter plugged in while the panel is closed keeps what it had.</source>
        <translation>Beim Einstecken einstellen: nein, gespeichert: Ein Transmitter, der bei geschlossenem Einstellungsfenster eingesteckt wird, behält seine bisherige Einstellung.</translation>
    </message>
    <message>
        <source>Replaced station %1: %2.</source>
        <translation>Sender %1 ersetzt: %2.</translation>
    </message>
    <message>
        <source>Saved station %1: %2.</source>
        <translation>Sender %1 gespeichert: %2.</translation>
    </message>
    <message>
        <source>Renamed station %1 to %2</source>
        <translation>Sender %1 in %2 umbenannt</translation>
    </message>
    <message>
        <source>Removed station %1</source>
        <translation>Sender %1 entfernt</translation>
    </message>
    <message>
        <source>Apply on plug: %1</source>
        <translation>Beim Einstecken einstellen: %1</translation>
    </message>
</context>
<context>
    <name>usb_tavro_prefs</name>
    <message>
        <source>the X display %1 is not running</source>
        <translation>das X-Display %1 läuft nicht</translation>
    </message>
    <message>
        <source>the Wayland display %1 is not running</source>
        <translation>das Wayland-Display %1 läuft nicht</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>keine Anzeige (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--%1 needs a %2</source>
        <translation>--%1 erwartet &lt;%2&gt;</translation>
    </message>
    <message>
        <source>Settings for a USB FM transmitter: turn the dial to tune it, pick stereo or mono.
Settings are kept in %1.</source>
        <translation>Einstellungen für einen USB-FM-Transmitter: Regler drehen, Stereo/Mono wählen.
Die Einstellungen werden in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Use a simulated transmitter instead of a real one. It starts plugged in; the Device menu pulls it out and plugs it in again. Every report it receives is printed on standard output.</source>
        <translation>Verwendet einen simulierten Transmitter statt eines echten. Er ist zu Beginn eingesteckt; über das Menü „Gerät“ wird er abgezogen und wieder eingesteckt. Jeder empfangene Report wird auf der Standardausgabe ausgegeben.</translation>
    </message>
    <message>
        <source>Load the pane from the bundle at &lt;path&gt; (default: beside the program, else the installed one).</source>
        <translation>Lädt den Bereich aus dem Bundle unter &lt;path&gt; (Standard: neben dem Programm, sonst das installierte).</translation>
    </message>
    <message>
        <source>Render the pane to &lt;file&gt; as PNG, without a display, and exit.</source>
        <translation>Zeichnet den Bereich ohne Anzeige als PNG in &lt;file&gt; und beendet das Programm.</translation>
    </message>
    <message>
        <source>With --screenshot: &lt;factor&gt; pixels per point (1 to 8; default: the screen&apos;s, as QT_SCALE_FACTOR sets it).</source>
        <translation>Mit --screenshot: &lt;factor&gt; Pixel pro Punkt (1 bis 8; Standard: der Wert des Bildschirms, wie ihn QT_SCALE_FACTOR festlegt).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: %1 (see usb-tavro-prefs --help)</source>
        <translation>usb-tavro-prefs: %1 (siehe usb-tavro-prefs --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: --scale takes a number from 1 to 8, not %1</source>
        <translation>usb-tavro-prefs: --scale erwartet eine Zahl von 1 bis 8, nicht %1</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: --scale applies to --screenshot only</source>
        <translation>usb-tavro-prefs: --scale gilt nur für --screenshot</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: cannot open a window: %1 (--screenshot works without one)</source>
        <translation>usb-tavro-prefs: Es kann kein Fenster geöffnet werden: %1 (--screenshot funktioniert ohne Fenster)</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: %1</source>
        <translation>usb-tavro-prefs: %1</translation>
    </message>
    <message>
        <source>Or the simulated one: Device, Plug In Simulated Transmitter.</source>
        <translation>Oder den simulierten: Gerät, Simulierten Transmitter einstecken.</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: cannot write %1: %2</source>
        <translation>usb-tavro-prefs: %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>xr_tunerCtl</name>
    <message>
        <source>no transmitter</source>
        <translation>kein Transmitter</translation>
    </message>
</context>
</TS>
