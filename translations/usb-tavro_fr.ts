<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Failure</name>
    <message>
        <source>the transmitter</source>
        <translation>l&apos;émetteur</translation>
    </message>
    <message>
        <source>the transmitter at %1</source>
        <translation>l&apos;émetteur %1</translation>
    </message>
    <message>
        <source>no permission to write to %1: %2</source>
        <translation>pas d&apos;autorisation d&apos;écriture sur %1 : %2</translation>
    </message>
    <message>
        <source>%1 could not be opened (%2)</source>
        <translation>impossible d&apos;ouvrir %1 (%2)</translation>
    </message>
    <message>
        <source>%1 did not take the setting (%2)</source>
        <translation>%1 n&apos;a pas accepté le réglage (%2)</translation>
    </message>
    <message>
        <source>%1 could not be closed after the setting (%2)</source>
        <translation>impossible de fermer %1 après le réglage (%2)</translation>
    </message>
    <message>
        <source>%1 was unplugged during the write</source>
        <translation>%1 a été débranché pendant l&apos;écriture</translation>
    </message>
    <message>
        <source>%1 did not take the setting in time: the kernel held the write past the time limit</source>
        <translation>%1 n&apos;a pas accepté le réglage à temps : le noyau a retenu l&apos;écriture au-delà du délai</translation>
    </message>
    <message>
        <source>%1 is still busy with an earlier setting that the kernel holds</source>
        <translation>%1 est encore occupé par un réglage précédent que le noyau retient</translation>
    </message>
    <message>
        <source>%1 could not be reached (result %2)</source>
        <translation>impossible de joindre %1 (résultat %2)</translation>
    </message>
    <message>
        <source>%1: plug it in again</source>
        <translation>%1 : rebranchez-le</translation>
    </message>
    <message>
        <source>%1: close the program that holds it</source>
        <translation>%1 : fermez le programme qui l&apos;utilise</translation>
    </message>
    <message>
        <source>the udev rule %1 is in place, but it gives access only to the user logged in at the seat and only to a transmitter plugged in after it was installed: unplug the transmitter and plug it in again</source>
        <translation>la règle udev %1 est en place, mais elle ne donne accès qu&apos;à l&apos;utilisateur connecté au poste, et seulement à un émetteur branché après son installation : débranchez l&apos;émetteur et rebranchez-le</translation>
    </message>
    <message>
        <source>install the udev rule with &apos;%1&apos;, run &apos;%2&apos;, then unplug the transmitter and plug it in again</source>
        <translation>installez la règle udev avec &apos;%1&apos;, lancez &apos;%2&apos;, puis débranchez l&apos;émetteur et rebranchez-le</translation>
    </message>
    <message>
        <source>install the udev rule %1 (in packaging/ of the source) in %2, run &apos;%3&apos;, then unplug the transmitter and plug it in again</source>
        <translation>installez la règle udev %1 (dans packaging/ des sources) dans %2, lancez &apos;%3&apos;, puis débranchez l&apos;émetteur et rebranchez-le</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>USB_Tavro FM Transmitter</source>
        <translation>Émetteur FM USB_Tavro</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Périphérique</translation>
    </message>
    <message>
        <source>&amp;Plug In Simulated Transmitter</source>
        <translation>&amp;Brancher l&apos;émetteur simulé</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About USB_Tavro</source>
        <translation>À &amp;propos de USB_Tavro</translation>
    </message>
    <message>
        <source>About USB_Tavro</source>
        <translation>À propos de USB_Tavro</translation>
    </message>
    <message>
        <source>USB_Tavro %1

Settings for a USB FM transmitter.</source>
        <translation>USB_Tavro %1

Réglages d&apos;un émetteur FM USB.</translation>
    </message>
</context>
<context>
    <name>PaneLoader</name>
    <message>
        <source>%1 is not a pane bundle: no readable %2</source>
        <translation>%1 n&apos;est pas un paquet de panneau : aucun fichier %2 lisible</translation>
    </message>
    <message>
        <source>cannot load the interface file of %1</source>
        <translation>impossible de charger le fichier d&apos;interface de %1</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>a value in it cannot be written back unchanged</source>
        <translation>une de ses valeurs ne peut pas être réécrite telle quelle</translation>
    </message>
    <message>
        <source>too large to be read back</source>
        <translation>trop grand pour être relu</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>le fichier n&apos;a pas pu être écrit</translation>
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
        <translation>Le fichier de réglages %1 n&apos;a pas pu être lu ; il est conservé sous %2.</translation>
    </message>
    <message>
        <source>The settings file %1 holds a value that cannot be written back as it is; it is kept as it was as %2.</source>
        <translation>Le fichier de réglages %1 contient une valeur qui ne peut pas être réécrite telle quelle ; il est conservé en l&apos;état sous %2.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>il n&apos;y a pas de dossier personnel où le placer</translation>
    </message>
    <message>
        <source>the file there cannot be read, nor moved aside</source>
        <translation>le fichier existant ne peut être ni lu ni mis de côté</translation>
    </message>
    <message>
        <source>the file there holds a value that cannot be written back, and it cannot be copied aside</source>
        <translation>le fichier existant contient une valeur qui ne peut pas être réécrite, et il ne peut pas être copié de côté</translation>
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
        <translation>Ém&amp;etteur</translation>
    </message>
    <message>
        <source>&amp;Band</source>
        <translation>&amp;Bande</translation>
    </message>
    <message>
        <source>&amp;%1 (Japan)</source>
        <translation>&amp;%1 (Japon)</translation>
    </message>
    <message>
        <source>&amp;%1</source>
        <translation>&amp;%1</translation>
    </message>
    <message>
        <source>Tune the transmitter when it is &amp;plugged in</source>
        <translation>&amp;Régler l&apos;émetteur quand il est branché</translation>
    </message>
    <message>
        <source>&amp;Tune To…</source>
        <translation>Régler la &amp;fréquence…</translation>
    </message>
    <message>
        <source>St&amp;ations</source>
        <translation>S&amp;tations</translation>
    </message>
    <message>
        <source>&amp;Save Station…</source>
        <translation>&amp;Enregistrer la station…</translation>
    </message>
    <message>
        <source>&amp;Rename Station</source>
        <translation>&amp;Renommer la station</translation>
    </message>
    <message>
        <source>Re&amp;move Station</source>
        <translation>&amp;Supprimer la station</translation>
    </message>
    <message>
        <source>No stations saved</source>
        <translation>Aucune station enregistrée</translation>
    </message>
    <message>
        <source>Tune To</source>
        <translation>Régler la fréquence</translation>
    </message>
    <message>
        <source>&amp;Frequency (MHz or kHz):</source>
        <translation>&amp;Fréquence (MHz ou kHz) :</translation>
    </message>
    <message>
        <source>Save Station</source>
        <translation>Enregistrer la station</translation>
    </message>
    <message>
        <source>&amp;Name for %1:</source>
        <translation>&amp;Nom pour %1 :</translation>
    </message>
    <message>
        <source>Rename Station</source>
        <translation>Renommer la station</translation>
    </message>
    <message>
        <source>&amp;New name:</source>
        <translation>&amp;Nouveau nom :</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>nothing reads from it</source>
        <translation>aucun programme ne le lit</translation>
    </message>
    <message>
        <source>the picture could not be written</source>
        <translation>l&apos;image n&apos;a pas pu être écrite</translation>
    </message>
</context>
<context>
    <name>Stations</name>
    <message>
        <source>a station&apos;s name cannot be empty</source>
        <translation>le nom d&apos;une station ne peut pas être vide</translation>
    </message>
    <message>
        <source>a station&apos;s name has at most %1 characters, not %2</source>
        <translation>le nom d&apos;une station a au plus %1 caractères, et non %2</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot hold control characters</source>
        <translation>le nom d&apos;une station ne peut pas contenir de caractères de contrôle</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot hold invisible characters, direction marks or line separators</source>
        <translation>le nom d&apos;une station ne peut pas contenir de caractères invisibles, de marques de direction ni de séparateurs de ligne</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot start or end with a space</source>
        <translation>le nom d&apos;une station ne peut ni commencer ni finir par un espace</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot be a frequency alone, as %1 is</source>
        <translation>le nom d&apos;une station ne peut pas être une simple fréquence, comme %1</translation>
    </message>
    <message>
        <source>the frequency is outside every band</source>
        <translation>la fréquence est hors de toutes les bandes</translation>
    </message>
    <message>
        <source>%1 stations are saved, as many as can be: remove one first</source>
        <translation>%1 stations sont enregistrées, le maximum : supprimez-en une d&apos;abord</translation>
    </message>
    <message>
        <source>no station named %1</source>
        <translation>aucune station nommée %1</translation>
    </message>
    <message>
        <source>a station named %1 is saved already</source>
        <translation>une station nommée %1 est déjà enregistrée</translation>
    </message>
    <message>
        <source>the settings file&apos;s %1 holds no list of stations, and is kept as it is</source>
        <translation>la clé %1 du fichier de réglages ne contient pas de liste de stations ; elle est laissée telle quelle</translation>
    </message>
</context>
<context>
    <name>TransmitterModule</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>The transmitter is set in another panel, brought forward now. Close it to set the transmitter here.</source>
        <translation>L&apos;émetteur est réglé dans un autre panneau, qui vient d&apos;être mis au premier plan. Fermez-le pour régler l&apos;émetteur ici.</translation>
    </message>
    <message>
        <source>The transmitter is set in another panel, which did not come forward. Close it to set the transmitter here.</source>
        <translation>L&apos;émetteur est réglé dans un autre panneau, qui n&apos;a pas pu être mis au premier plan. Fermez-le pour régler l&apos;émetteur ici.</translation>
    </message>
</context>
<context>
    <name>Tuning</name>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>%1 à %2 MHz</translation>
    </message>
    <message>
        <source>%1 MHz, stereo</source>
        <translation>%1 MHz, stéréo</translation>
    </message>
    <message>
        <source>%1 MHz, mono</source>
        <translation>%1 MHz, mono</translation>
    </message>
    <message>
        <source>the frequency is empty</source>
        <translation>la fréquence est vide</translation>
    </message>
    <message>
        <source>%1 is not a frequency: write decimals with a point, as in 88.1</source>
        <translation>%1 n&apos;est pas une fréquence : écrivez les décimales avec un point, comme dans 88.1</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 n&apos;est pas une fréquence</translation>
    </message>
    <message>
        <source>%1 is outside the band %2</source>
        <translation>%1 est hors de la bande %2</translation>
    </message>
    <message>
        <source>%1 is not on the 100 kHz grid: %2 or %3 MHz</source>
        <translation>%1 n&apos;est pas sur la grille de 100 kHz : %2 ou %3 MHz</translation>
    </message>
</context>
<context>
    <name>USB_TavroPane</name>
    <message>
        <source>Drag the knob round, or use the up and down arrow keys</source>
        <translation>Faites tourner le bouton avec la souris, ou utilisez les flèches haut et bas</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>USB_Tavro logo</source>
        <translation>Logo USB_Tavro</translation>
    </message>
    <message>
        <source>FM transmitter</source>
        <translation>Émetteur FM</translation>
    </message>
    <message>
        <source>Stereo or mono</source>
        <translation>Stéréo ou mono</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <translation>&amp;Stéréo</translation>
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
        <translation>Version du matériel : inconnue</translation>
    </message>
    <message>
        <source>Hardware version: %1</source>
        <translation>Version du matériel : %1</translation>
    </message>
    <message>
        <source>version %1 (%2)</source>
        <translation>version %1 (%2)</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>Date de compilation : %1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>Plug in the transmitter.</source>
        <translation>Branchez l&apos;émetteur.</translation>
    </message>
</context>
<context>
    <name>usb_tavro</name>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>--station needs a station&apos;s name</source>
        <translation>--station attend le nom d&apos;une station</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
    </message>
    <message>
        <source>%1 needs a frequency</source>
        <translation>%1 attend une fréquence</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>%1 applies to tune and station save only</source>
        <translation>%1 ne s&apos;applique qu&apos;à tune et station save</translation>
    </message>
    <message>
        <source>--mono and --stereo exclude each other</source>
        <translation>--mono et --stereo s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>--on-plug applies to apply only</source>
        <translation>--on-plug ne s&apos;applique qu&apos;à apply</translation>
    </message>
    <message>
        <source>--station applies to tune only</source>
        <translation>--station ne s&apos;applique qu&apos;à tune</translation>
    </message>
    <message>
        <source>tune takes a frequency or --station, not both</source>
        <translation>tune attend une fréquence ou --station, pas les deux</translation>
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
        <translation>Utilisation : usb-tavro [--simulate] status
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

Règle un émetteur FM USB (USB 0f5a:0b17) depuis la ligne de commande, avec le
fichier de réglages du panneau de réglages usb-tavro-prefs.

Commandes :
  status          Afficher si un émetteur est connecté et sa version du
                  matériel, ainsi que la fréquence, la bande et le choix stéréo
                  enregistrés, et ApplyOnPlug. Termine avec le code 1 si aucun
                  émetteur n&apos;est connecté.
  tune FREQ       Envoyer FREQ à l&apos;émetteur et l&apos;enregistrer comme réglage du
                  panneau, pour que celui-ci s&apos;ouvre sur cette fréquence. FREQ
                  est en MHz (88.1) ou en kHz (88100) : un nombre à partir de
                  1000 est en kHz ; ou indiquez l&apos;unité (88.1MHz, 88100kHz).
                  Elle doit se trouver dans la bande du fichier de réglages et
                  sur la grille de 100 kHz. Le choix stéréo reste celui qui est
                  enregistré (stéréo s&apos;il n&apos;y en a pas), sauf si --mono ou
                  --stereo est indiqué. Si aucun émetteur ne peut être réglé, la
                  fréquence et le choix stéréo sont tout de même enregistrés (le
                  panneau les envoie quand il connecte un émetteur) et le code
                  de sortie est 1. Avec --station NAME, règle sur la station
                  enregistrée NAME, avec son choix stéréo sauf si --mono ou
                  --stereo est indiqué, en changeant de bande si la station est
                  dans l&apos;autre.
  list            Lister les émetteurs branchés, un par ligne : nœud de
                  périphérique et version du matériel. status et tune utilisent
                  le premier sur lequel on peut écrire, comme le panneau.
  apply [NODE]    Envoyer ce que le panneau envoie à un émetteur quand il le
                  connecte : la fréquence enregistrée, ramenée dans la bande (à
                  l&apos;extrémité la plus proche si elle est en dehors) et sur le
                  pas de 100 kHz inférieur, et le choix stéréo ; à l&apos;émetteur du
                  nœud de périphérique NODE (/dev/hidraw0), ou à chaque émetteur
                  branché. Indique ce qui a été envoyé. N&apos;enregistre rien.
                  Attend jusqu&apos;à une seconde un nœud qui n&apos;est peut-être pas
                  encore accessible en écriture.
  band [BAND]     Afficher la bande, ou enregistrer BAND comme bande : 0 ou
                  world pour 88.1 à 107.9 MHz, 1 ou japan pour 76.1 à 89.9 MHz.
                  Une fréquence enregistrée hors de cette bande est ramenée à
                  son extrémité la plus proche, enregistrée et envoyée à un
                  émetteur branché.
  apply-on-plug [on | off]
                  Afficher si un émetteur branché pendant que le panneau est
                  fermé reçoit les réglages enregistrés (on, par défaut ; apply
                  --on-plug les envoie), ou enregistrer on ou off.
  station [list]  Lister les stations enregistrées : nom, fréquence et choix
                  stéréo.
  station save NAME [FREQ]
                  Enregistrer FREQ (la fréquence enregistrée si aucune n&apos;est
                  indiquée) et le choix stéréo (celui qui est enregistré, sauf
                  si --mono ou --stereo est indiqué) comme station NAME, à la
                  place d&apos;une station de ce nom. Jusqu&apos;à 32 stations ; un nom a
                  de 1 à 64 caractères, aucun caractère de contrôle ou
                  invisible, aucun espace au début ni à la fin, et n&apos;est pas une
                  simple fréquence.
  station rename NAME NEW
                  Donner à la station NAME le nom NEW.
  station remove NAME
                  Supprimer la station NAME.

Options :
  --mono          Régler, ou enregistrer la station, en mono.
  --stereo        Régler, ou enregistrer la station, en stéréo.
  --station NAME  Pour tune : la station sur laquelle régler.
  --on-plug       Pour apply au branchement (l&apos;unité utilisateur systemd le
                  transmet) : ne rien envoyer si ApplyOnPlug vaut false dans le
                  fichier de réglages.
  --simulate      Utiliser un émetteur simulé, branché, au lieu d&apos;un vrai ; il
                  affiche chaque rapport qu&apos;il reçoit. Le fichier de réglages
                  est le vrai.
  -h, --help      Afficher cette aide et quitter.
  -v, --version   Afficher la version et quitter.

Chaque commande qui enregistre conserve tous les autres réglages du fichier.
Bandes, conservées dans la clé &quot;Style&quot; du fichier de réglages : 0 pour 88.1 à
107.9 MHz (aussi quand le style est absent ou inconnu), 1 pour 76.1 à 89.9 MHz.
Fichier de réglages : %1

Code de sortie : 0 terminé ; 1 aucun émetteur, une erreur du périphérique, le
fichier de réglages n&apos;a pas pu être écrit, ou la sortie n&apos;a pas pu être écrite ;
2 mauvaise utilisation, une fréquence hors de la bande ou hors de la grille de
100 kHz, ou une station non enregistrée, un nom incorrect, un nom déjà pris, ou
une 33e station.
</translation>
    </message>
    <message>
        <source>no transmitter found</source>
        <translation>aucun émetteur trouvé</translation>
    </message>
    <message>
        <source>connected, hardware version %1</source>
        <translation>connecté, version du matériel %1</translation>
    </message>
    <message>
        <source>connected at %1, hardware version %2</source>
        <translation>connecté sur %1, version du matériel %2</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>aucun trouvé</translation>
    </message>
    <message>
        <source>found (hardware version %1), not connected</source>
        <translation>trouvé (version du matériel %1), non connecté</translation>
    </message>
    <message>
        <source>found at %1 (hardware version %2), not connected</source>
        <translation>trouvé sur %1 (version du matériel %2), non connecté</translation>
    </message>
    <message>
        <source>could not be read; the next save keeps it as %1</source>
        <translation>illisible ; le prochain enregistrement le conservera sous %1</translation>
    </message>
    <message>
        <source>holds a value that cannot be written back as it is; the next save keeps it as it was as %1</source>
        <translation>contient une valeur qui ne peut pas être réécrite telle quelle ; le prochain enregistrement le conservera en l&apos;état sous %1</translation>
    </message>
    <message>
        <source>Tuned to %1.</source>
        <translation>Réglé sur %1.</translation>
    </message>
    <message>
        <source>tuned to %1, but the settings file %2 could not be written: %3</source>
        <translation>réglé sur %1, mais le fichier de réglages %2 n&apos;a pas pu être écrit : %3</translation>
    </message>
    <message>
        <source>%1; saved %2, for the settings panel</source>
        <translation>%1 ; enregistré pour le panneau de réglages : %2</translation>
    </message>
    <message>
        <source>%1; the settings file %2 could not be written either: %3</source>
        <translation>%1 ; le fichier de réglages %2 n&apos;a pas pu être écrit non plus : %3</translation>
    </message>
    <message>
        <source>%1  hardware version %2</source>
        <translation>%1  version du matériel %2</translation>
    </message>
    <message>
        <source>(no device node)</source>
        <translation>(pas de nœud de périphérique)</translation>
    </message>
    <message>
        <source>%1  (no permission to write to it)</source>
        <translation>%1  (pas d&apos;autorisation d&apos;écriture)</translation>
    </message>
    <message>
        <source>%1  (cannot be used)</source>
        <translation>%1  (inutilisable)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read: nothing sent</source>
        <translation>le fichier de réglages %1 n&apos;a pas pu être lu : rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>ApplyOnPlug is false in %1: nothing sent.</source>
        <translation>ApplyOnPlug vaut false dans %1 : rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Applied %1 to %2.</source>
        <translation>Appliqué à %2 : %1.</translation>
    </message>
    <message>
        <source>no transmitter at %1</source>
        <translation>aucun émetteur sur %1</translation>
    </message>
    <message>
        <source>could not write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>%1 (see usb-tavro --help)</source>
        <translation>%1 (voir usb-tavro --help)</translation>
    </message>
    <message>
        <source>usb-tavro: %1</source>
        <translation>usb-tavro: %1</translation>
    </message>
    <message>
        <source>%1 (style %2, the default)</source>
        <translation>%1 (Style %2, valeur par défaut)</translation>
    </message>
    <message>
        <source>%1 (style %2)</source>
        <translation>%1 (Style %2)</translation>
    </message>
    <message>
        <source>%1 (style %2 is unknown: the band of style 0)</source>
        <translation>%1 (Style %2 inconnu : bande du Style 0)</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (par défaut)</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz (default)</source>
        <translation>%1 MHz (par défaut)</translation>
    </message>
    <message>
        <source>%1 MHz (the panel and apply send %2 MHz)</source>
        <translation>%1 MHz (le panneau et apply envoient %2 MHz)</translation>
    </message>
    <message>
        <source>%1 MHz (outside the band: the panel and apply send %2 MHz)</source>
        <translation>%1 MHz (hors de la bande : le panneau et apply envoient %2 MHz)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Transmitter:</source>
        <translation>Émetteur :</translation>
    </message>
    <message>
        <source>Saved frequency:</source>
        <translation>Fréquence enregistrée :</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>Bande :</translation>
    </message>
    <message>
        <source>Stereo:</source>
        <translation>Stéréo :</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>stéréo</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>Apply on plug:</source>
        <translation>Régler au branchement :</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation>Fichier de réglages :</translation>
    </message>
    <message>
        <source>a name for the station</source>
        <translation>un nom pour la station</translation>
    </message>
    <message>
        <source>the station&apos;s name and its new one</source>
        <translation>le nom de la station et son nouveau nom</translation>
    </message>
    <message>
        <source>the station&apos;s name</source>
        <translation>le nom de la station</translation>
    </message>
    <message>
        <source>station takes list, save, rename or remove, not %1</source>
        <translation>station attend list, save, rename ou remove, et non %1</translation>
    </message>
    <message>
        <source>station %1 needs %2</source>
        <translation>station %1 attend %2</translation>
    </message>
    <message>
        <source>unknown band %1: give 0 or world (%2), 1 or japan (%3)</source>
        <translation>bande inconnue %1 : indiquez 0 ou world (%2), 1 ou japan (%3)</translation>
    </message>
    <message>
        <source>apply-on-plug takes on or off, not %1</source>
        <translation>apply-on-plug attend on ou off, et non %1</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2</source>
        <translation>le fichier de réglages %1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>%1: give the name first, as in usb-tavro station save NAME %2</source>
        <translation>%1 : indiquez d&apos;abord le nom, comme dans usb-tavro station save NAME %2</translation>
    </message>
    <message>
        <source>No stations saved (usb-tavro station save NAME saves one).</source>
        <translation>Aucune station enregistrée (usb-tavro station save NAME en enregistre une).</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries of that name).</source>
        <translation>
            <numerusform>%1 (%n entrée de ce nom).</numerusform>
            <numerusform>%1 (%n entrées de ce nom).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1 (style %2 in %3)</source>
        <translation>%1 (Style %2 dans %3)</translation>
    </message>
    <message>
        <source>Band: %1</source>
        <translation>Bande : %1</translation>
    </message>
    <message>
        <source>Band: %1, saved. The saved frequency %2 MHz was outside it: now %3 MHz.</source>
        <translation>Bande : %1, enregistrée. La fréquence enregistrée %2 MHz était hors de cette bande : elle est maintenant de %3 MHz.</translation>
    </message>
    <message>
        <source>Band: %1, saved.</source>
        <translation>Bande : %1, enregistrée.</translation>
    </message>
    <message>
        <source>Apply on plug: yes, saved: each transmitter plugged in gets the saved settings.</source>
        <translation>Régler au branchement : oui, enregistré : chaque émetteur branché reçoit les réglages enregistrés.</translation>
    </message>
    <message>
        <source>Apply on plug: no, saved: a transmitter plugged in while the panel is closed keeps what it had.</source>
        <translation>Régler au branchement : non, enregistré : un émetteur branché pendant que le panneau est fermé garde ce qu&apos;il avait.</translation>
    </message>
    <message>
        <source>Replaced station %1: %2.</source>
        <translation>Station %1 remplacée : %2.</translation>
    </message>
    <message>
        <source>Saved station %1: %2.</source>
        <translation>Station %1 enregistrée : %2.</translation>
    </message>
    <message>
        <source>Renamed station %1 to %2</source>
        <translation>Station %1 renommée en %2</translation>
    </message>
    <message>
        <source>Removed station %1</source>
        <translation>Station %1 supprimée</translation>
    </message>
    <message>
        <source>Apply on plug: %1</source>
        <translation>Régler au branchement : %1</translation>
    </message>
</context>
<context>
    <name>usb_tavro_prefs</name>
    <message>
        <source>the X display %1 is not running</source>
        <translation>l&apos;affichage X %1 ne fonctionne pas</translation>
    </message>
    <message>
        <source>the Wayland display %1 is not running</source>
        <translation>l&apos;affichage Wayland %1 ne fonctionne pas</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>aucun affichage (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>--%1 needs a %2</source>
        <translation>--%1 attend &lt;%2&gt;</translation>
    </message>
    <message>
        <source>Settings for a USB FM transmitter: turn the dial to tune it, pick stereo or mono.
Settings are kept in %1.</source>
        <translation>Réglages d&apos;un émetteur FM USB : tournez le cadran, choisissez stéréo ou mono.
Les réglages sont conservés dans %1.</translation>
    </message>
    <message>
        <source>Use a simulated transmitter instead of a real one. It starts plugged in; the Device menu pulls it out and plugs it in again. Every report it receives is printed on standard output.</source>
        <translation>Utiliser un émetteur simulé au lieu d&apos;un vrai. Il démarre branché, et le menu Périphérique le débranche et le rebranche. Chaque rapport qu&apos;il reçoit est affiché sur la sortie standard.</translation>
    </message>
    <message>
        <source>Load the pane from the bundle at &lt;path&gt; (default: beside the program, else the installed one).</source>
        <translation>Charger le panneau depuis le paquet situé à &lt;path&gt; (par défaut, celui qui est à côté du programme, sinon celui qui est installé).</translation>
    </message>
    <message>
        <source>Render the pane to &lt;file&gt; as PNG, without a display, and exit.</source>
        <translation>Rendre le panneau dans &lt;file&gt; au format PNG, sans affichage, puis quitter.</translation>
    </message>
    <message>
        <source>With --screenshot: &lt;factor&gt; pixels per point (1 to 8; default: the screen&apos;s, as QT_SCALE_FACTOR sets it).</source>
        <translation>Avec --screenshot, &lt;factor&gt; pixels par point (de 1 à 8, par défaut celui de l&apos;écran, tel que QT_SCALE_FACTOR le définit).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: %1 (see usb-tavro-prefs --help)</source>
        <translation>usb-tavro-prefs: %1 (voir usb-tavro-prefs --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: --scale takes a number from 1 to 8, not %1</source>
        <translation>usb-tavro-prefs: --scale attend un nombre de 1 à 8, et non %1</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: --scale applies to --screenshot only</source>
        <translation>usb-tavro-prefs: --scale ne s&apos;applique qu&apos;à --screenshot</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: cannot open a window: %1 (--screenshot works without one)</source>
        <translation>usb-tavro-prefs: impossible d&apos;ouvrir une fenêtre : %1 (--screenshot fonctionne sans fenêtre)</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: %1</source>
        <translation>usb-tavro-prefs: %1</translation>
    </message>
    <message>
        <source>Or the simulated one: Device, Plug In Simulated Transmitter.</source>
        <translation>Ou l&apos;émetteur simulé : Périphérique, Brancher l&apos;émetteur simulé.</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: cannot write %1: %2</source>
        <translation>usb-tavro-prefs: impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>xr_tunerCtl</name>
    <message>
        <source>no transmitter</source>
        <translation>aucun émetteur</translation>
    </message>
</context>
</TS>
