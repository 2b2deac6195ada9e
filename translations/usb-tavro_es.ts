<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Failure</name>
    <message>
        <source>the transmitter</source>
        <translation>el transmisor</translation>
    </message>
    <message>
        <source>the transmitter at %1</source>
        <translation>el transmisor %1</translation>
    </message>
    <message>
        <source>no permission to write to %1: %2</source>
        <translation>sin permiso de escritura en %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened (%2)</source>
        <translation>no se pudo abrir %1 (%2)</translation>
    </message>
    <message>
        <source>%1 did not take the setting (%2)</source>
        <translation>%1 no aceptó el ajuste (%2)</translation>
    </message>
    <message>
        <source>%1 could not be closed after the setting (%2)</source>
        <translation>no se pudo cerrar %1 tras el ajuste (%2)</translation>
    </message>
    <message>
        <source>%1 was unplugged during the write</source>
        <translation>%1 se desconectó durante la escritura</translation>
    </message>
    <message>
        <source>%1 did not take the setting in time: the kernel held the write past the time limit</source>
        <translation>%1 no aceptó el ajuste a tiempo: el núcleo retuvo la escritura más allá del límite de tiempo</translation>
    </message>
    <message>
        <source>%1 is still busy with an earlier setting that the kernel holds</source>
        <translation>%1 sigue ocupado con un ajuste anterior que retiene el núcleo</translation>
    </message>
    <message>
        <source>%1 could not be reached (result %2)</source>
        <translation>%1 no respondió (resultado %2)</translation>
    </message>
    <message>
        <source>%1: plug it in again</source>
        <translation>%1: vuelva a conectarlo</translation>
    </message>
    <message>
        <source>%1: close the program that holds it</source>
        <translation>%1: cierre el programa que lo está usando</translation>
    </message>
    <message>
        <source>the udev rule %1 is in place, but it gives access only to the user logged in at the seat and only to a transmitter plugged in after it was installed: unplug the transmitter and plug it in again</source>
        <translation>la regla udev %1 está instalada, pero solo da acceso al usuario con la sesión iniciada en el puesto, y solo a un transmisor conectado después de instalarla: desconecte el transmisor y vuelva a conectarlo</translation>
    </message>
    <message>
        <source>install the udev rule with &apos;%1&apos;, run &apos;%2&apos;, then unplug the transmitter and plug it in again</source>
        <translation>instale la regla udev con &apos;%1&apos;, ejecute &apos;%2&apos; y después desconecte el transmisor y vuelva a conectarlo</translation>
    </message>
    <message>
        <source>install the udev rule %1 (in packaging/ of the source) in %2, run &apos;%3&apos;, then unplug the transmitter and plug it in again</source>
        <translation>instale la regla udev %1 (en packaging/ del código fuente) en %2, ejecute &apos;%3&apos; y después desconecte el transmisor y vuelva a conectarlo</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>USB_Tavro FM Transmitter</source>
        <translation>Transmisor FM USB_Tavro</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Dispositivo</translation>
    </message>
    <message>
        <source>&amp;Plug In Simulated Transmitter</source>
        <translation>&amp;Conectar transmisor simulado</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About USB_Tavro</source>
        <translation>&amp;Acerca de USB_Tavro</translation>
    </message>
    <message>
        <source>About USB_Tavro</source>
        <translation>Acerca de USB_Tavro</translation>
    </message>
    <message>
        <source>USB_Tavro %1

Settings for a USB FM transmitter.</source>
        <translation>USB_Tavro %1

Configuración de un transmisor FM USB.</translation>
    </message>
</context>
<context>
    <name>PaneLoader</name>
    <message>
        <source>%1 is not a pane bundle: no readable %2</source>
        <translation>%1 no es un paquete de panel: no hay ningún %2 legible</translation>
    </message>
    <message>
        <source>cannot load the interface file of %1</source>
        <translation>no se puede cargar el archivo de interfaz de %1</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>a value in it cannot be written back unchanged</source>
        <translation>uno de sus valores no se puede volver a escribir sin cambios</translation>
    </message>
    <message>
        <source>too large to be read back</source>
        <translation>demasiado grande para volver a leerlo</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>no se pudo escribir el archivo</translation>
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
        <translation>No se pudo leer el archivo de configuración %1; se conserva como %2.</translation>
    </message>
    <message>
        <source>The settings file %1 holds a value that cannot be written back as it is; it is kept as it was as %2.</source>
        <translation>El archivo de configuración %1 contiene un valor que no se puede volver a escribir tal cual; se conserva sin cambios como %2.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>no hay ninguna carpeta personal donde guardarlo</translation>
    </message>
    <message>
        <source>the file there cannot be read, nor moved aside</source>
        <translation>el archivo existente no se puede leer ni apartar</translation>
    </message>
    <message>
        <source>the file there holds a value that cannot be written back, and it cannot be copied aside</source>
        <translation>el archivo existente contiene un valor que no se puede volver a escribir, y no se puede guardar una copia aparte</translation>
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
        <translation>&amp;Transmisor</translation>
    </message>
    <message>
        <source>&amp;Band</source>
        <translation>&amp;Banda</translation>
    </message>
    <message>
        <source>&amp;%1 (Japan)</source>
        <translation>&amp;%1 (Japón)</translation>
    </message>
    <message>
        <source>&amp;%1</source>
        <translation>&amp;%1</translation>
    </message>
    <message>
        <source>Tune the transmitter when it is &amp;plugged in</source>
        <translation>Sintonizar el transmisor al &amp;conectarlo</translation>
    </message>
    <message>
        <source>&amp;Tune To…</source>
        <translation>&amp;Sintonizar frecuencia…</translation>
    </message>
    <message>
        <source>St&amp;ations</source>
        <translation>&amp;Emisoras</translation>
    </message>
    <message>
        <source>&amp;Save Station…</source>
        <translation>&amp;Guardar emisora…</translation>
    </message>
    <message>
        <source>&amp;Rename Station</source>
        <translation>&amp;Renombrar emisora</translation>
    </message>
    <message>
        <source>Re&amp;move Station</source>
        <translation>&amp;Eliminar emisora</translation>
    </message>
    <message>
        <source>No stations saved</source>
        <translation>No hay emisoras guardadas</translation>
    </message>
    <message>
        <source>Tune To</source>
        <translation>Sintonizar frecuencia</translation>
    </message>
    <message>
        <source>&amp;Frequency (MHz or kHz):</source>
        <translation>&amp;Frecuencia (MHz o kHz):</translation>
    </message>
    <message>
        <source>Save Station</source>
        <translation>Guardar emisora</translation>
    </message>
    <message>
        <source>&amp;Name for %1:</source>
        <translation>&amp;Nombre para %1:</translation>
    </message>
    <message>
        <source>Rename Station</source>
        <translation>Renombrar emisora</translation>
    </message>
    <message>
        <source>&amp;New name:</source>
        <translation>&amp;Nuevo nombre:</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>nothing reads from it</source>
        <translation>ningún programa lo está leyendo</translation>
    </message>
    <message>
        <source>the picture could not be written</source>
        <translation>no se pudo escribir la imagen</translation>
    </message>
</context>
<context>
    <name>Stations</name>
    <message>
        <source>a station&apos;s name cannot be empty</source>
        <translation>el nombre de una emisora no puede estar vacío</translation>
    </message>
    <message>
        <source>a station&apos;s name has at most %1 characters, not %2</source>
        <translation>el nombre de una emisora tiene como máximo %1 caracteres, no %2</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot hold control characters</source>
        <translation>el nombre de una emisora no puede contener caracteres de control</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot hold invisible characters, direction marks or line separators</source>
        <translation>el nombre de una emisora no puede contener caracteres invisibles, marcas de dirección ni separadores de línea</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot start or end with a space</source>
        <translation>el nombre de una emisora no puede empezar ni terminar con un espacio</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot be a frequency alone, as %1 is</source>
        <translation>el nombre de una emisora no puede ser solo una frecuencia, como %1</translation>
    </message>
    <message>
        <source>the frequency is outside every band</source>
        <translation>la frecuencia está fuera de todas las bandas</translation>
    </message>
    <message>
        <source>%1 stations are saved, as many as can be: remove one first</source>
        <translation>hay %1 emisoras guardadas, el máximo posible: elimine una primero</translation>
    </message>
    <message>
        <source>no station named %1</source>
        <translation>no hay ninguna emisora llamada %1</translation>
    </message>
    <message>
        <source>a station named %1 is saved already</source>
        <translation>ya hay una emisora guardada llamada %1</translation>
    </message>
    <message>
        <source>the settings file&apos;s %1 holds no list of stations, and is kept as it is</source>
        <translation>la clave %1 del archivo de configuración no contiene una lista de emisoras y se deja como está</translation>
    </message>
</context>
<context>
    <name>TransmitterModule</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>The transmitter is set in another panel, brought forward now. Close it to set the transmitter here.</source>
        <translation>El transmisor se está ajustando en otro panel, que se ha traído al frente. Ciérrelo para ajustar el transmisor aquí.</translation>
    </message>
    <message>
        <source>The transmitter is set in another panel, which did not come forward. Close it to set the transmitter here.</source>
        <translation>El transmisor se está ajustando en otro panel, que no se pudo traer al frente. Ciérrelo para ajustar el transmisor aquí.</translation>
    </message>
</context>
<context>
    <name>Tuning</name>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>%1 a %2 MHz</translation>
    </message>
    <message>
        <source>%1 MHz, stereo</source>
        <translation>%1 MHz, estéreo</translation>
    </message>
    <message>
        <source>%1 MHz, mono</source>
        <translation>%1 MHz, mono</translation>
    </message>
    <message>
        <source>the frequency is empty</source>
        <translation>la frecuencia está vacía</translation>
    </message>
    <message>
        <source>%1 is not a frequency: write decimals with a point, as in 88.1</source>
        <translation>%1 no es una frecuencia: escriba los decimales con punto, como en 88.1</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 no es una frecuencia</translation>
    </message>
    <message>
        <source>%1 is outside the band %2</source>
        <translation>%1 está fuera de la banda %2</translation>
    </message>
    <message>
        <source>%1 is not on the 100 kHz grid: %2 or %3 MHz</source>
        <translation>%1 no está en un paso de 100 kHz: %2 o %3 MHz</translation>
    </message>
</context>
<context>
    <name>USB_TavroPane</name>
    <message>
        <source>Drag the knob round, or use the up and down arrow keys</source>
        <translation>Arrastre el mando en círculo, o use las teclas de flecha arriba y abajo</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>USB_Tavro logo</source>
        <translation>Logotipo de USB_Tavro</translation>
    </message>
    <message>
        <source>FM transmitter</source>
        <translation>Transmisor FM</translation>
    </message>
    <message>
        <source>Stereo or mono</source>
        <translation>Estéreo o mono</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <translation>E&amp;stéreo</translation>
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
        <translation>Versión del hardware: desconocida</translation>
    </message>
    <message>
        <source>Hardware version: %1</source>
        <translation>Versión del hardware: %1</translation>
    </message>
    <message>
        <source>version %1 (%2)</source>
        <translation>versión %1 (%2)</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>Fecha de compilación: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>No se pudo guardar la configuración en %1: %2.</translation>
    </message>
    <message>
        <source>Plug in the transmitter.</source>
        <translation>Conecte el transmisor.</translation>
    </message>
</context>
<context>
    <name>usb_tavro</name>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>--station needs a station&apos;s name</source>
        <translation>--station requiere el nombre de una emisora</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ningún comando</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando desconocido %1</translation>
    </message>
    <message>
        <source>%1 needs a frequency</source>
        <translation>%1 requiere una frecuencia</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>%1 applies to tune and station save only</source>
        <translation>%1 solo se aplica a tune y station save</translation>
    </message>
    <message>
        <source>--mono and --stereo exclude each other</source>
        <translation>--mono y --stereo se excluyen mutuamente</translation>
    </message>
    <message>
        <source>--on-plug applies to apply only</source>
        <translation>--on-plug solo se aplica a apply</translation>
    </message>
    <message>
        <source>--station applies to tune only</source>
        <translation>--station solo se aplica a tune</translation>
    </message>
    <message>
        <source>tune takes a frequency or --station, not both</source>
        <translation>tune admite una frecuencia o --station, no ambas cosas</translation>
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
        <translation>Uso: usb-tavro [--simulate] status
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

Sintoniza un transmisor FM USB (USB 0f5a:0b17) desde la línea de comandos, con
el archivo de configuración del panel de configuración usb-tavro-prefs.

Comandos:
  status          Muestra si hay un transmisor conectado y su versión del
                  hardware, y la frecuencia, la banda y la elección estéreo
                  guardadas y ApplyOnPlug. Sale con 1 si no hay ningún
                  transmisor conectado.
  tune FREQ       Envía FREQ al transmisor y la guarda como ajuste del panel,
                  para que este se abra en ella. FREQ va en MHz (88.1) o en kHz
                  (88100): un número a partir de 1000 está en kHz; o indique la
                  unidad (88.1MHz, 88100kHz). Debe estar en la banda del archivo
                  de configuración y en un paso de 100 kHz. La elección estéreo
                  se mantiene como está guardada (estéreo si no hay ninguna),
                  salvo que se indique --mono o --stereo. Si no se puede
                  sintonizar ningún transmisor, la frecuencia y la elección
                  estéreo se guardan igualmente (el panel las envía la próxima
                  vez que conecte uno) y el estado de salida es 1. Con
                  --station NAME, sintoniza la emisora guardada NAME, con su
                  elección estéreo salvo que se indique --mono o --stereo, y
                  cambia de banda si la emisora está en la otra.
  list            Lista los transmisores conectados, uno por línea: nodo de
                  dispositivo y versión del hardware. status y tune usan el
                  primero en el que se puede escribir, como hace el panel.
  apply [NODE]    Envía lo que el panel envía a un transmisor al conectarlo: la
                  frecuencia guardada, llevada a la banda (al extremo más
                  cercano si está fuera) y al paso de 100 kHz inferior, y la
                  elección estéreo; al transmisor del nodo de dispositivo NODE
                  (/dev/hidraw0), o a cada transmisor conectado. Indica lo que
                  envió. No guarda nada. Espera hasta un segundo a un nodo en el
                  que quizá aún no se pueda escribir.
  band [BAND]     Muestra la banda, o guarda BAND como banda: 0 o world es de
                  88.1 a 107.9 MHz, 1 o japan es de 76.1 a 89.9 MHz. Una
                  frecuencia guardada fuera de ella se lleva a su extremo más
                  cercano, se guarda y se envía a un transmisor conectado.
  apply-on-plug [on | off]
                  Muestra si un transmisor conectado mientras el panel está
                  cerrado recibe la configuración guardada (on, el valor
                  predeterminado; apply --on-plug la envía), o guarda on u off.
  station [list]  Lista las emisoras guardadas: nombre, frecuencia y elección
                  estéreo.
  station save NAME [FREQ]
                  Guarda FREQ (la frecuencia guardada si no se indica ninguna) y
                  la elección estéreo (la guardada, salvo que se indique --mono
                  o --stereo) como la emisora NAME, en lugar de otra con ese
                  nombre. Hasta 32 emisoras; un nombre tiene de 1 a 64
                  caracteres, sin caracteres de control ni invisibles, sin
                  espacios en los extremos, y es más que una frecuencia.
  station rename NAME NEW
                  Da a la emisora NAME el nombre NEW.
  station remove NAME
                  Elimina la emisora NAME.

Opciones:
  --mono          Sintoniza, o guarda la emisora, en mono.
  --stereo        Sintoniza, o guarda la emisora, en estéreo.
  --station NAME  Para tune: la emisora que se sintoniza.
  --on-plug       Para apply al conectar un transmisor (la unidad de usuario de
                  systemd lo pasa): no envía nada si ApplyOnPlug es false en el
                  archivo de configuración.
  --simulate      Usa un transmisor simulado, conectado, en lugar de uno real;
                  muestra cada informe que recibe. El archivo de configuración
                  es el real.
  -h, --help      Muestra esta ayuda y sale.
  -v, --version   Muestra la versión y sale.

Cada comando que guarda conserva todos los demás ajustes del archivo. Bandas,
guardadas en la clave &quot;Style&quot; del archivo de configuración: 0 es de 88.1 a
107.9 MHz (también si el estilo falta o es desconocido), 1 es de 76.1 a
89.9 MHz.
Archivo de configuración: %1

Estado de salida: 0 hecho; 1 ningún transmisor, un error del dispositivo, no se
pudo escribir el archivo de configuración o no se pudo escribir la salida; 2 uso
incorrecto, una frecuencia fuera de la banda o fuera de los pasos de 100 kHz, o
una emisora que no está guardada, un nombre incorrecto, un nombre ya usado o una
33.ª emisora.
</translation>
    </message>
    <message>
        <source>no transmitter found</source>
        <translation>no se encontró ningún transmisor</translation>
    </message>
    <message>
        <source>connected, hardware version %1</source>
        <translation>conectado, versión del hardware %1</translation>
    </message>
    <message>
        <source>connected at %1, hardware version %2</source>
        <translation>conectado en %1, versión del hardware %2</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>no se encontró ninguno</translation>
    </message>
    <message>
        <source>found (hardware version %1), not connected</source>
        <translation>encontrado (versión del hardware %1), no conectado</translation>
    </message>
    <message>
        <source>found at %1 (hardware version %2), not connected</source>
        <translation>encontrado en %1 (versión del hardware %2), no conectado</translation>
    </message>
    <message>
        <source>could not be read; the next save keeps it as %1</source>
        <translation>no se pudo leer; la próxima vez que se guarde se conservará como %1</translation>
    </message>
    <message>
        <source>holds a value that cannot be written back as it is; the next save keeps it as it was as %1</source>
        <translation>contiene un valor que no se puede volver a escribir tal cual; la próxima vez que se guarde se conservará sin cambios como %1</translation>
    </message>
    <message>
        <source>Tuned to %1.</source>
        <translation>Sintonizado en %1.</translation>
    </message>
    <message>
        <source>tuned to %1, but the settings file %2 could not be written: %3</source>
        <translation>sintonizado en %1, pero no se pudo escribir el archivo de configuración %2: %3</translation>
    </message>
    <message>
        <source>%1; saved %2, for the settings panel</source>
        <translation>%1; guardado para el panel de configuración: %2</translation>
    </message>
    <message>
        <source>%1; the settings file %2 could not be written either: %3</source>
        <translation>%1; tampoco se pudo escribir el archivo de configuración %2: %3</translation>
    </message>
    <message>
        <source>%1  hardware version %2</source>
        <translation>%1  versión del hardware %2</translation>
    </message>
    <message>
        <source>(no device node)</source>
        <translation>(sin nodo de dispositivo)</translation>
    </message>
    <message>
        <source>%1  (no permission to write to it)</source>
        <translation>%1  (sin permiso de escritura)</translation>
    </message>
    <message>
        <source>%1  (cannot be used)</source>
        <translation>%1  (no se puede usar)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read: nothing sent</source>
        <translation>no se pudo leer el archivo de configuración %1: no se envió nada</translation>
    </message>
    <message>
        <source>ApplyOnPlug is false in %1: nothing sent.</source>
        <translation>ApplyOnPlug es false en %1: no se envió nada.</translation>
    </message>
    <message>
        <source>Applied %1 to %2.</source>
        <translation>Aplicado en %2: %1.</translation>
    </message>
    <message>
        <source>no transmitter at %1</source>
        <translation>no hay ningún transmisor en %1</translation>
    </message>
    <message>
        <source>could not write to standard output: %1</source>
        <translation>no se pudo escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>%1 (see usb-tavro --help)</source>
        <translation>%1 (consulte usb-tavro --help)</translation>
    </message>
    <message>
        <source>usb-tavro: %1</source>
        <translation>usb-tavro: %1</translation>
    </message>
    <message>
        <source>%1 (style %2, the default)</source>
        <translation>%1 (Style %2, valor predeterminado)</translation>
    </message>
    <message>
        <source>%1 (style %2)</source>
        <translation>%1 (Style %2)</translation>
    </message>
    <message>
        <source>%1 (style %2 is unknown: the band of style 0)</source>
        <translation>%1 (Style %2 desconocido: la banda del Style 0)</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (predeterminado)</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz (default)</source>
        <translation>%1 MHz (predeterminado)</translation>
    </message>
    <message>
        <source>%1 MHz (the panel and apply send %2 MHz)</source>
        <translation>%1 MHz (el panel y apply envían %2 MHz)</translation>
    </message>
    <message>
        <source>%1 MHz (outside the band: the panel and apply send %2 MHz)</source>
        <translation>%1 MHz (fuera de la banda: el panel y apply envían %2 MHz)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Transmitter:</source>
        <translation>Transmisor:</translation>
    </message>
    <message>
        <source>Saved frequency:</source>
        <translation>Frecuencia guardada:</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>Banda:</translation>
    </message>
    <message>
        <source>Stereo:</source>
        <translation>Estéreo:</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>estéreo</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>Apply on plug:</source>
        <translation>Sintonizar al conectar:</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation>Archivo de configuración:</translation>
    </message>
    <message>
        <source>a name for the station</source>
        <translation>un nombre para la emisora</translation>
    </message>
    <message>
        <source>the station&apos;s name and its new one</source>
        <translation>el nombre de la emisora y el nuevo</translation>
    </message>
    <message>
        <source>the station&apos;s name</source>
        <translation>el nombre de la emisora</translation>
    </message>
    <message>
        <source>station takes list, save, rename or remove, not %1</source>
        <translation>station admite list, save, rename o remove, no %1</translation>
    </message>
    <message>
        <source>station %1 needs %2</source>
        <translation>station %1 requiere %2</translation>
    </message>
    <message>
        <source>unknown band %1: give 0 or world (%2), 1 or japan (%3)</source>
        <translation>banda desconocida %1: indique 0 o world (%2), 1 o japan (%3)</translation>
    </message>
    <message>
        <source>apply-on-plug takes on or off, not %1</source>
        <translation>apply-on-plug admite on u off, no %1</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2</source>
        <translation>no se pudo escribir el archivo de configuración %1: %2</translation>
    </message>
    <message>
        <source>%1: give the name first, as in usb-tavro station save NAME %2</source>
        <translation>%1: indique primero el nombre, como en usb-tavro station save NAME %2</translation>
    </message>
    <message>
        <source>No stations saved (usb-tavro station save NAME saves one).</source>
        <translation>No hay emisoras guardadas (usb-tavro station save NAME guarda una).</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries of that name).</source>
        <translation>
            <numerusform>%1 (%n entrada con ese nombre).</numerusform>
            <numerusform>%1 (%n entradas con ese nombre).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1 (style %2 in %3)</source>
        <translation>%1 (Style %2 en %3)</translation>
    </message>
    <message>
        <source>Band: %1</source>
        <translation>Banda: %1</translation>
    </message>
    <message>
        <source>Band: %1, saved. The saved frequency %2 MHz was outside it: now %3 MHz.</source>
        <translation>Banda: %1, guardada. La frecuencia guardada %2 MHz estaba fuera de ella: ahora es %3 MHz.</translation>
    </message>
    <message>
        <source>Band: %1, saved.</source>
        <translation>Banda: %1, guardada.</translation>
    </message>
    <message>
        <source>Apply on plug: yes, saved: each transmitter plugged in gets the saved settings.</source>
        <translation>Sintonizar al conectar: sí, guardado: cada transmisor que se conecte recibirá la configuración guardada.</translation>
    </message>
    <message>
        <source>Apply on plug: no, saved: a transmitter plugged in while the panel is closed keeps what it had.</source>
        <translation>Sintonizar al conectar: no, guardado: un transmisor conectado mientras el panel está cerrado conserva lo que tenía.</translation>
    </message>
    <message>
        <source>Replaced station %1: %2.</source>
        <translation>Emisora %1 reemplazada: %2.</translation>
    </message>
    <message>
        <source>Saved station %1: %2.</source>
        <translation>Emisora %1 guardada: %2.</translation>
    </message>
    <message>
        <source>Renamed station %1 to %2</source>
        <translation>Emisora %1 renombrada a %2</translation>
    </message>
    <message>
        <source>Removed station %1</source>
        <translation>Emisora %1 eliminada</translation>
    </message>
    <message>
        <source>Apply on plug: %1</source>
        <translation>Sintonizar al conectar: %1</translation>
    </message>
</context>
<context>
    <name>usb_tavro_prefs</name>
    <message>
        <source>the X display %1 is not running</source>
        <translation>la pantalla X %1 no está en ejecución</translation>
    </message>
    <message>
        <source>the Wayland display %1 is not running</source>
        <translation>la pantalla Wayland %1 no está en ejecución</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>no hay pantalla (no está definida ni DISPLAY ni WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>--%1 needs a %2</source>
        <translation>--%1 requiere &lt;%2&gt;</translation>
    </message>
    <message>
        <source>Settings for a USB FM transmitter: turn the dial to tune it, pick stereo or mono.
Settings are kept in %1.</source>
        <translation>Configuración de un transmisor FM USB: gire el dial, elija estéreo o mono.
La configuración se guarda en %1.</translation>
    </message>
    <message>
        <source>Use a simulated transmitter instead of a real one. It starts plugged in; the Device menu pulls it out and plugs it in again. Every report it receives is printed on standard output.</source>
        <translation>Usa un transmisor simulado en lugar de uno real. Empieza conectado; el menú Dispositivo lo desconecta y lo vuelve a conectar. Cada informe que recibe se muestra en la salida estándar.</translation>
    </message>
    <message>
        <source>Load the pane from the bundle at &lt;path&gt; (default: beside the program, else the installed one).</source>
        <translation>Carga el panel desde el paquete situado en &lt;path&gt; (predeterminado: junto al programa; si no, el instalado).</translation>
    </message>
    <message>
        <source>Render the pane to &lt;file&gt; as PNG, without a display, and exit.</source>
        <translation>Genera una imagen PNG del panel en &lt;file&gt;, sin pantalla, y sale.</translation>
    </message>
    <message>
        <source>With --screenshot: &lt;factor&gt; pixels per point (1 to 8; default: the screen&apos;s, as QT_SCALE_FACTOR sets it).</source>
        <translation>Con --screenshot: &lt;factor&gt; píxeles por punto (de 1 a 8; predeterminado: el de la pantalla, según lo define QT_SCALE_FACTOR).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: %1 (see usb-tavro-prefs --help)</source>
        <translation>usb-tavro-prefs: %1 (consulte usb-tavro-prefs --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: --scale takes a number from 1 to 8, not %1</source>
        <translation>usb-tavro-prefs: --scale admite un número de 1 a 8, no %1</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: --scale applies to --screenshot only</source>
        <translation>usb-tavro-prefs: --scale solo se aplica a --screenshot</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: cannot open a window: %1 (--screenshot works without one)</source>
        <translation>usb-tavro-prefs: no se puede abrir una ventana: %1 (--screenshot funciona sin ella)</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: %1</source>
        <translation>usb-tavro-prefs: %1</translation>
    </message>
    <message>
        <source>Or the simulated one: Device, Plug In Simulated Transmitter.</source>
        <translation>O el simulado: Dispositivo, Conectar transmisor simulado.</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: cannot write %1: %2</source>
        <translation>usb-tavro-prefs: no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>xr_tunerCtl</name>
    <message>
        <source>no transmitter</source>
        <translation>sin transmisor</translation>
    </message>
</context>
</TS>
