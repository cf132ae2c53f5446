<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandHelp</name>
    <message>
        <location filename="../../cli/commandhelp.cpp" line="+44"/>
        <source>Usage:</source>
        <extracomment>quillmere-cli --help: heading of the usage lines</extracomment>
        <translation>Uso:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>VOLUME is a device name (sdb1), a mount point or a volume name.</source>
        <extracomment>quillmere-cli COMMAND --help: what VOLUME may be; keep sdb1 as it is</extracomment>
        <translation>VOLUME es un nombre de dispositivo (sdb1), un punto de montaje o un nombre de volumen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Prints the volumes with their capacity and free space.</source>
        <extracomment>quillmere-cli --help: the list command</extracomment>
        <translation>Muestra los volúmenes con su capacidad y espacio libre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Prints the volumes the tray program shows, with their kind, capacity and free space.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>Muestra los volúmenes que presenta el programa de la bandeja, con su tipo, capacidad y espacio libre.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show every kind of volume, also those the settings hide, and what is attached but not mounted.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>Mostrar todos los tipos de volumen, también los que la configuración oculta y los conectados pero no montados.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+101"/>
        <source>Print JSON with every field.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>Mostrar JSON con todos los campos.</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>Then print a line for each change until interrupted.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>Después, mostrar una línea por cada cambio hasta que se interrumpa.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lists every volume, also those the settings hide and those attached but not mounted.</source>
        <extracomment>quillmere-cli list --help: what the example does</extracomment>
        <translation>Muestra todos los volúmenes, también los que la configuración oculta y los conectados pero no montados.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ejects a volume, so that its drive can be unplugged.</source>
        <extracomment>quillmere-cli --help: the eject command</extracomment>
        <translation>Expulsa un volumen para que su unidad pueda desconectarse.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unmounts the volume; on a removable drive every volume of the drive, so that it can be unplugged. A disk image is detached. The drive is not powered off.</source>
        <extracomment>quillmere-cli eject --help</extracomment>
        <translation>Desmonta el volumen; en una unidad extraíble, todos los volúmenes de la unidad, para que pueda desconectarse. Una imagen de disco se separa. La unidad no se apaga.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unmount even while programs hold files open.</source>
        <extracomment>quillmere-cli eject --help</extracomment>
        <translation>Desmontar aunque haya programas con archivos abiertos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ejects the volume on the device sdb1.</source>
        <extracomment>quillmere-cli eject --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>Expulsa el volumen del dispositivo sdb1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>Ejects every volume that Eject All includes.</source>
        <extracomment>quillmere-cli --help: the eject-all command</extracomment>
        <translation>Expulsa todos los volúmenes que incluye «Expulsar todo».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mounts an unmounted volume again.</source>
        <extracomment>quillmere-cli --help: the remount command</extracomment>
        <translation>Vuelve a montar un volumen desmontado.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mounts the volume on the device sdb1 again.</source>
        <extracomment>quillmere-cli remount --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>Vuelve a montar el volumen del dispositivo sdb1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Gives a volume a new name.</source>
        <extracomment>quillmere-cli --help: the rename command</extracomment>
        <translation>Da un nuevo nombre a un volumen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Renames the volume mounted at /media/ann/STICK to “Photos”.</source>
        <extracomment>quillmere-cli rename --help: what the example does</extracomment>
        <translation>Cambia el nombre del volumen montado en /media/ann/STICK a «Photos».</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Formats a volume, destroying everything on it.</source>
        <extracomment>quillmere-cli --help: the erase command</extracomment>
        <translation>Formatea un volumen y destruye todo su contenido.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The new file system: ext4, ExFAT, MS-DOS FAT32 or NTFS (ext4 if not given).</source>
        <extracomment>quillmere-cli erase --help</extracomment>
        <translation>El nuevo sistema de archivos: ext4, ExFAT, MS-DOS FAT32 o NTFS (ext4 si no se indica).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The new volume name.</source>
        <extracomment>quillmere-cli erase --help</extracomment>
        <translation>El nuevo nombre del volumen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm that everything on the volume may be destroyed.</source>
        <extracomment>quillmere-cli erase --help</extracomment>
        <translation>Confirmar que todo el contenido del volumen puede destruirse.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Erases the volume on sdb1 as ExFAT named “Photos”.</source>
        <extracomment>quillmere-cli erase --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>Formatea el volumen de sdb1 como ExFAT con el nombre «Photos».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Names the processes that hold files open on a volume.</source>
        <extracomment>quillmere-cli --help: the blockers command</extracomment>
        <translation>Indica los procesos que mantienen archivos abiertos en un volumen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Names the processes that keep sdb1 from being ejected.</source>
        <extracomment>quillmere-cli blockers --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>Indica los procesos que impiden expulsar sdb1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Prints the operation history, newest first.</source>
        <extracomment>quillmere-cli --help: the history command</extracomment>
        <translation>Muestra el historial de operaciones, la más reciente primero.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show only the newest N lines.</source>
        <extracomment>quillmere-cli history --help</extracomment>
        <translation>Mostrar solo las N líneas más recientes.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy the history log to FILE (- for standard output).</source>
        <extracomment>quillmere-cli history --help</extracomment>
        <translation>Copiar el registro del historial a FILE (- para la salida estándar).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Prints the ten newest lines of the history.</source>
        <extracomment>quillmere-cli history --help: what the example does</extracomment>
        <translation>Muestra las diez líneas más recientes del historial.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>COMMAND [OPTIONS]</source>
        <translation>COMMAND [OPCIONES]</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ejects, remounts, renames and erases them, as the tray program does.</source>
        <translation>Los expulsa, vuelve a montar, renombra y formatea, como el programa de la bandeja.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Commands:</source>
        <extracomment>quillmere-cli --help: heading</extracomment>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+46"/>
        <source>Options:</source>
        <extracomment>quillmere-cli --help: heading</extracomment>
        <translation>Opciones:</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Run “%1 COMMAND --help” for a command’s options and an example.</source>
        <extracomment>quillmere-cli --help; %1 is the program name</extracomment>
        <translation>«%1 COMMAND --help» muestra las opciones de una orden y un ejemplo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Exit status:</source>
        <extracomment>quillmere-cli --help: heading of the exit codes</extracomment>
        <translation>Estado de salida:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>done</source>
        <extracomment>quillmere-cli --help: exit code 0</extracomment>
        <translation>hecho</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the operation failed</source>
        <extracomment>quillmere-cli --help: exit code 1</extracomment>
        <translation>la operación falló</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>usage error, unknown or ambiguous volume</source>
        <extracomment>quillmere-cli --help: exit code 2</extracomment>
        <translation>error de uso, volumen desconocido o ambiguo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cancelled</source>
        <extracomment>quillmere-cli --help: exit code 3 (a password prompt dismissed, a confirmation declined)</extracomment>
        <translation>cancelado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not authorized</source>
        <extracomment>quillmere-cli --help: exit code 4</extracomment>
        <translation>no autorizado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the device is busy or held by another operation</source>
        <extracomment>quillmere-cli --help: exit code 5</extracomment>
        <translation>el dispositivo está ocupado o retenido por otra operación</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>udisks2 is not available</source>
        <extracomment>quillmere-cli --help: exit code 6</extracomment>
        <translation>udisks2 no está disponible</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Example:</source>
        <extracomment>quillmere-cli COMMAND --help: heading</extracomment>
        <translation>Ejemplo:</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <location filename="../../cli/historycommand.cpp" line="+34"/>
        <source>history: show only the newest N lines.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>history: mostrar solo las N líneas más recientes.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>history: copy the history log to FILE (- for standard output).</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>history: copiar el registro del historial en FILE (- para la salida estándar).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>       quillmere-cli history [--limit N] [--json]
       quillmere-cli history --export FILE|-</source>
        <extracomment>quillmere-cli usage of the history command</extracomment>
        <translation>       quillmere-cli history [--limit N] [--json]
       quillmere-cli history --export FILE|-</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Usage:</source>
        <extracomment>quillmere-cli usage heading</extracomment>
        <translation>Uso:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>quillmere-cli history: takes no arguments.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli history: no admite argumentos.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>quillmere-cli history: --export takes no other option.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli history: --export no admite ninguna otra opción.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>quillmere-cli history: couldn’t export to %1: %2</source>
        <extracomment>quillmere-cli history export failure</extracomment>
        <translation>quillmere-cli history: no se pudo exportar a %1: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>quillmere-cli history: --limit takes a whole number, 0 or more.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli history: --limit requiere un número entero igual o mayor que 0.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>quillmere-cli history: couldn’t read the history file %1: %2.</source>
        <extracomment>quillmere-cli history: the log could not be read; %1 is the reason</extracomment>
        <translation>quillmere-cli history: no se pudo leer el archivo del historial %1: %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>quillmere-cli history: %n damaged line(s) of the history file skipped.</source>
        <extracomment>quillmere-cli history: lines of the log that are not history entries</extracomment>
        <translation>
            <numerusform>quillmere-cli history: se omitió %n línea dañada del archivo del historial.</numerusform>
            <numerusform>quillmere-cli history: se omitieron %n líneas dañadas del archivo del historial.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>ok</source>
        <extracomment>quillmere-cli history: the operation succeeded</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <extracomment>quillmere-cli history: the operation failed</extracomment>
        <translation>error</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <location filename="../../cli/listcommand.cpp" line="+150"/>
        <source>quillmere-cli: udisks2 is not running on the system bus; only mounted volumes are listed, without unmounted partitions.</source>
        <extracomment>quillmere-cli warning when the disk service is absent</extracomment>
        <translation>quillmere-cli: udisks2 no se está ejecutando en el bus del sistema; solo se muestran los volúmenes montados, sin las particiones no montadas.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>quillmere-cli: udisks2 appeared.</source>
        <extracomment>quillmere-cli --watch note</extracomment>
        <translation>quillmere-cli: udisks2 ha aparecido.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>quillmere-cli: udisks2 went away.</source>
        <extracomment>quillmere-cli --watch note</extracomment>
        <translation>quillmere-cli: udisks2 ha desaparecido.</translation>
    </message>
</context>
<context>
    <name>OperationCommands</name>
    <message>
        <location filename="../../cli/operationcommands.cpp" line="+41"/>
        <source>The operation failed.</source>
        <extracomment>Failure alert text when there is no detail</extracomment>
        <translation>La operación falló.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>eject: unmount even while programs hold files open.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>eject: desmontar aunque haya programas con archivos abiertos.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>erase: the new file system (ext4, ExFAT, MS-DOS FAT32 or NTFS; default ext4).</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>erase: el nuevo sistema de archivos (ext4, ExFAT, MS-DOS FAT32 o NTFS; de forma predeterminada, ext4).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>erase: the new volume name.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>erase: el nuevo nombre del volumen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>erase: confirm that everything on the volume may be destroyed.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>erase: confirmar que se puede destruir todo el contenido del volumen.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>       quillmere-cli eject [--force] VOLUME
       quillmere-cli eject-all
       quillmere-cli remount VOLUME
       quillmere-cli rename VOLUME NAME
       quillmere-cli erase VOLUME [--format F] --name N --yes
       quillmere-cli blockers VOLUME
VOLUME is a device name, a mount point or a volume name.</source>
        <extracomment>quillmere-cli usage of the operation commands</extracomment>
        <translation>       quillmere-cli eject [--force] VOLUME
       quillmere-cli eject-all
       quillmere-cli remount VOLUME
       quillmere-cli rename VOLUME NAME
       quillmere-cli erase VOLUME [--format F] --name N --yes
       quillmere-cli blockers VOLUME
VOLUME es un nombre de dispositivo, un punto de montaje o un nombre de volumen.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Usage:</source>
        <extracomment>quillmere-cli usage heading</extracomment>
        <translation>Uso:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Nothing was done.</source>
        <extracomment>quillmere-cli: after an operation that no menu offers for the volume was refused</extracomment>
        <translation>No se hizo nada.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>quillmere-cli %1: wrong number of arguments.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli %1: número de argumentos incorrecto.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>quillmere-cli %1: VOLUME is empty; name a device, a mount point or a volume.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli %1: VOLUME está vacío; indique un dispositivo, un punto de montaje o un volumen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>quillmere-cli rename: the new name is empty.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli rename: el nombre nuevo está vacío.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>quillmere-cli erase: unknown format “%1”; choose one of: %2.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli erase: formato «%1» desconocido; elija uno de estos: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>quillmere-cli erase: give the new name with --name.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli erase: indique el nombre nuevo con --name.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>quillmere-cli: udisks2 is not running on the system bus.</source>
        <extracomment>quillmere-cli warning when the disk service is absent</extracomment>
        <translation>quillmere-cli: udisks2 no se está ejecutando en el bus del sistema.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>quillmere-cli erase: this computer can’t make %1 file systems; it can make: %2.</source>
        <extracomment>quillmere-cli usage error; %2 lists the formats that can be made</extracomment>
        <translation>quillmere-cli erase: este equipo no puede crear sistemas de archivos %1; puede crear: %2.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Ejected “%1”.</source>
        <extracomment>quillmere-cli eject success</extracomment>
        <translation>«%1» expulsado.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>In use by: %1. “quillmere-cli eject --force” ejects it anyway.</source>
        <extracomment>quillmere-cli hint after an eject that programs prevented</extracomment>
        <translation>En uso por: %1. «quillmere-cli eject --force» lo expulsa de todos modos.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Nothing to eject.</source>
        <extracomment>quillmere-cli eject-all without targets</extracomment>
        <translation>No hay nada que expulsar.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Mounted “%1”.</source>
        <extracomment>quillmere-cli remount success</extracomment>
        <translation>«%1» montado.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Renamed “%1” to “%2”.</source>
        <extracomment>quillmere-cli rename success</extracomment>
        <translation>«%1» renombrado como «%2».</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Erasing “%1” destroys everything on it. Add --yes to erase it.</source>
        <extracomment>quillmere-cli erase without confirmation</extracomment>
        <translation>Formatear «%1» destruye todo su contenido. Añada --yes para formatearlo.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Erased “%1” as %2 “%3”.</source>
        <extracomment>quillmere-cli erase success</extracomment>
        <translation>«%1» formateado como %2 «%3».</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No program holds files open on “%1”.</source>
        <extracomment>quillmere-cli blockers</extracomment>
        <translation>Ningún programa tiene archivos abiertos en «%1».</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../../cli/commandhelp.cpp" line="-240"/>
        <source>Displays help on commandline options.</source>
        <extracomment>quillmere-cli --help: the -h option (Qt&apos;s own text)</extracomment>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Displays help including Qt specific options.</source>
        <extracomment>quillmere-cli --help: the --help-all option (Qt&apos;s own text)</extracomment>
        <translation>Muestra la ayuda, incluidas las opciones específicas de Qt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Displays version information.</source>
        <extracomment>quillmere-cli --help: the -v option (Qt&apos;s own text)</extracomment>
        <translation>Muestra la información de la versión.</translation>
    </message>
</context>
<context>
    <name>VolumeResolver</name>
    <message>
        <location filename="../../cli/volumeresolver.cpp" line="+36"/>
        <source>Several volumes are called “%1” (%2); name one by its device.</source>
        <extracomment>quillmere-cli: an ambiguous volume name</extracomment>
        <translation>Hay varios volúmenes llamados «%1» (%2); indique uno por su dispositivo.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No volume given; name a device, a mount point or a volume.</source>
        <extracomment>quillmere-cli: an empty volume argument</extracomment>
        <translation>No se indicó ningún volumen; indique un dispositivo, un punto de montaje o un volumen.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>“%1” is a device and also the name of the volume on %2; name it by its path (/dev/%1) or its mount point.</source>
        <extracomment>quillmere-cli: an argument that is one volume&apos;s device and another&apos;s name</extracomment>
        <translation>«%1» es un dispositivo y también el nombre del volumen de %2; indíquelo por su ruta (/dev/%1) o su punto de montaje.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No volume is called “%1”, mounted there or on that device.</source>
        <extracomment>quillmere-cli: the volume argument matches nothing</extracomment>
        <translation>Ningún volumen se llama «%1», está montado ahí o se encuentra en ese dispositivo.</translation>
    </message>
</context>
<context>
    <name>VolumeTable</name>
    <message>
        <location filename="../../cli/volumetable.cpp" line="+20"/>
        <source>%1 of %2</source>
        <extracomment>quillmere-cli list: free space of total capacity</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>NAME</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KIND</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>TIPO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MOUNTED</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>MONTADO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DEVICE</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>DISPOSITIVO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MOUNT POINT</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>PUNTO DE MONTAJE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FREE</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>LIBRE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>yes</source>
        <extracomment>Volume is mounted</extracomment>
        <translation>sí</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no</source>
        <extracomment>Volume is not mounted</extracomment>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../cli/commandhelp.cpp" line="+171"/>
        <source>Lists the volumes Quillmere sees.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>Muestra los volúmenes que ve Quillmere.</translation>
    </message>
    <message>
        <location filename="../../cli/main.cpp" line="+80"/>
        <source>Run “%1 --help” for the commands and their options.</source>
        <extracomment>quillmere-cli: after a usage error; %1 is the program name</extracomment>
        <translation>«%1 --help» muestra las órdenes y sus opciones.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1: unknown command “%2”.</source>
        <extracomment>quillmere-cli usage error; %1 is the program name, %2 what was typed</extracomment>
        <translation>%1: orden desconocida «%2».</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>quillmere-cli list: takes no arguments.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli list: no admite argumentos.</translation>
    </message>
</context>
</TS>
