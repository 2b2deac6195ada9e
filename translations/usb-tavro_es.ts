<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Failure</name>
    <message>
        <source>the transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmitter at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no permission to write to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not take the setting (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be closed after the setting (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was unplugged during the write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not take the setting in time: the kernel held the write past the time limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is still busy with an earlier setting that the kernel holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be reached (result %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: plug it in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: close the program that holds it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the udev rule %1 is in place, but it gives access only to the user logged in at the seat and only to a transmitter plugged in after it was installed: unplug the transmitter and plug it in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install the udev rule with &apos;%1&apos;, run &apos;%2&apos;, then unplug the transmitter and plug it in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install the udev rule %1 (in packaging/ of the source) in %2, run &apos;%3&apos;, then unplug the transmitter and plug it in again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>USB_Tavro FM Transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plug In Simulated Transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About USB_Tavro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About USB_Tavro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB_Tavro %1

Settings for a USB FM transmitter.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaneLoader</name>
    <message>
        <source>%1 is not a pane bundle: no readable %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot load the interface file of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>a value in it cannot be written back unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large to be read back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <source>%1.</source>
        <extracomment>A clause as a sentence of its own: its full stop, in the language&apos;s writing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings file %1 could not be read; it is kept as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 holds a value that cannot be written back as it is; it is kept as it was as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file there cannot be read, nor moved aside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file there holds a value that cannot be written back, and it cannot be copied aside</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsMenus</name>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1 (Japan)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tune the transmitter when it is &amp;plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tune To…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St&amp;ations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Station…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No stations saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tune To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Frequency (MHz or kHz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name for %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New name:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>nothing reads from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Stations</name>
    <message>
        <source>a station&apos;s name cannot be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a station&apos;s name has at most %1 characters, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a station&apos;s name cannot hold control characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a station&apos;s name cannot hold invisible characters, direction marks or line separators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a station&apos;s name cannot start or end with a space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a station&apos;s name cannot be a frequency alone, as %1 is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frequency is outside every band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stations are saved, as many as can be: remove one first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no station named %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a station named %1 is saved already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file&apos;s %1 holds no list of stations, and is kept as it is</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransmitterModule</name>
    <message>
        <source>&amp;Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transmitter is set in another panel, brought forward now. Close it to set the transmitter here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transmitter is set in another panel, which did not come forward. Close it to set the transmitter here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tuning</name>
    <message>
        <source>%1 to %2 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz, stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz, mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frequency is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a frequency: write decimals with a point, as in 88.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is outside the band %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not on the 100 kHz grid: %2 or %3 MHz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>USB_TavroPane</name>
    <message>
        <source>Drag the knob round, or use the up and down arrow keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB_Tavro logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo or mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>USB_TavroPref</name>
    <message>
        <source>Hardware version: unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>version %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug in the transmitter.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>usb_tavro</name>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--station needs a station&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 applies to tune and station save only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--mono and --stereo exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--on-plug applies to apply only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--station applies to tune only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tune takes a frequency or --station, not both</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no transmitter found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected, hardware version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected at %1, hardware version %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>found (hardware version %1), not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>found at %1 (hardware version %2), not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be read; the next save keeps it as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a value that cannot be written back as it is; the next save keeps it as it was as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuned to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tuned to %1, but the settings file %2 could not be written: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; saved %2, for the settings panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the settings file %2 could not be written either: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  hardware version %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no device node)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (no permission to write to it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (cannot be used)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 could not be read: nothing sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ApplyOnPlug is false in %1: nothing sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applied %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no transmitter at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not write to standard output: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (see usb-tavro --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usb-tavro: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (style %2, the default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (style %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (style %2 is unknown: the band of style 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz (the panel and apply send %2 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz (outside the band: the panel and apply send %2 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply on plug:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name for the station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the station&apos;s name and its new one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the station&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>station takes list, save, rename or remove, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>station %1 needs %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown band %1: give 0 or world (%2), 1 or japan (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>apply-on-plug takes on or off, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: give the name first, as in usb-tavro station save NAME %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No stations saved (usb-tavro station save NAME saves one).</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries of that name).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (style %2 in %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band: %1, saved. The saved frequency %2 MHz was outside it: now %3 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band: %1, saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply on plug: yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply on plug: no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply on plug: yes (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply on plug: no (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply on plug: yes, saved: each transmitter plugged in gets the saved settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply on plug: no, saved: a transmitter plugged in while the panel is closed keeps what it had.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced station %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved station %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renamed station %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed station %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>usb_tavro_prefs</name>
    <message>
        <source>the X display %1 is not running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Wayland display %1 is not running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings for a USB FM transmitter: turn the dial to tune it, pick stereo or mono.
Settings are kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a simulated transmitter instead of a real one. It starts plugged in; the Device menu pulls it out and plugs it in again. Every report it receives is printed on standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load the pane from the bundle at &lt;path&gt; (default: beside the program, else the installed one).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Render the pane to &lt;file&gt; as PNG, without a display, and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --screenshot: &lt;factor&gt; pixels per point (1 to 8; default: the screen&apos;s, as QT_SCALE_FACTOR sets it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usb-tavro-prefs: %1 (see usb-tavro-prefs --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usb-tavro-prefs: --scale takes a number from 1 to 8, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usb-tavro-prefs: --scale applies to --screenshot only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usb-tavro-prefs: cannot open a window: %1 (--screenshot works without one)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usb-tavro-prefs: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or the simulated one: Device, Plug In Simulated Transmitter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usb-tavro-prefs: cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>xr_tunerCtl</name>
    <message>
        <source>no transmitter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
