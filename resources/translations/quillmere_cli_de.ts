<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandHelp</name>
    <message>
        <location filename="../../cli/commandhelp.cpp" line="+44"/>
        <source>Usage:</source>
        <extracomment>quillmere-cli --help: heading of the usage lines</extracomment>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>VOLUME is a device name (sdb1), a mount point or a volume name.</source>
        <extracomment>quillmere-cli COMMAND --help: what VOLUME may be; keep sdb1 as it is</extracomment>
        <translation>VOLUME ist ein Gerätename (sdb1), ein Einhängepunkt oder ein Datenträgername.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Prints the volumes with their capacity and free space.</source>
        <extracomment>quillmere-cli --help: the list command</extracomment>
        <translation>Gibt die Datenträger mit Kapazität und freiem Speicher aus.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Prints the volumes the tray program shows, with their kind, capacity and free space.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>Gibt die Datenträger aus, die das Programm im Benachrichtigungsfeld zeigt, mit Art, Kapazität und freiem Speicher.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show every kind of volume, also those the settings hide, and what is attached but not mounted.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>Jede Art von Datenträger zeigen, auch die in den Einstellungen ausgeblendeten und die angeschlossenen, aber nicht eingehängten.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+101"/>
        <source>Print JSON with every field.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>JSON mit allen Feldern ausgeben.</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>Then print a line for each change until interrupted.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>Danach für jede Änderung eine Zeile ausgeben, bis abgebrochen wird.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lists every volume, also those the settings hide and those attached but not mounted.</source>
        <extracomment>quillmere-cli list --help: what the example does</extracomment>
        <translation>Listet alle Datenträger auf, auch die in den Einstellungen ausgeblendeten und die angeschlossenen, aber nicht eingehängten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ejects a volume, so that its drive can be unplugged.</source>
        <extracomment>quillmere-cli --help: the eject command</extracomment>
        <translation>Wirft einen Datenträger aus, damit sein Laufwerk abgezogen werden kann.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unmounts the volume; on a removable drive every volume of the drive, so that it can be unplugged. A disk image is detached. The drive is not powered off.</source>
        <extracomment>quillmere-cli eject --help</extracomment>
        <translation>Hängt den Datenträger aus, bei einem Wechsellaufwerk alle Datenträger des Laufwerks, damit es abgezogen werden kann. Ein Speicherabbild wird gelöst. Das Laufwerk wird nicht ausgeschaltet.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unmount even while programs hold files open.</source>
        <extracomment>quillmere-cli eject --help</extracomment>
        <translation>Auch aushängen, während Programme Dateien geöffnet halten.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ejects the volume on the device sdb1.</source>
        <extracomment>quillmere-cli eject --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>Wirft den Datenträger auf dem Gerät sdb1 aus.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>Ejects every volume that Eject All includes.</source>
        <extracomment>quillmere-cli --help: the eject-all command</extracomment>
        <translation>Wirft jeden Datenträger aus, den „Alle auswerfen“ umfasst.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mounts an unmounted volume again.</source>
        <extracomment>quillmere-cli --help: the remount command</extracomment>
        <translation>Hängt einen ausgehängten Datenträger wieder ein.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mounts the volume on the device sdb1 again.</source>
        <extracomment>quillmere-cli remount --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>Hängt den Datenträger auf dem Gerät sdb1 wieder ein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Gives a volume a new name.</source>
        <extracomment>quillmere-cli --help: the rename command</extracomment>
        <translation>Gibt einem Datenträger einen neuen Namen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Renames the volume mounted at /media/ann/STICK to “Photos”.</source>
        <extracomment>quillmere-cli rename --help: what the example does</extracomment>
        <translation>Benennt den unter /media/ann/STICK eingehängten Datenträger in „Photos“ um.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Formats a volume, destroying everything on it.</source>
        <extracomment>quillmere-cli --help: the erase command</extracomment>
        <translation>Formatiert einen Datenträger und löscht dabei alles darauf.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The new file system: ext4, ExFAT, MS-DOS FAT32 or NTFS (ext4 if not given).</source>
        <extracomment>quillmere-cli erase --help</extracomment>
        <translation>Das neue Dateisystem: ext4, ExFAT, MS-DOS FAT32 oder NTFS (ohne Angabe ext4).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The new volume name.</source>
        <extracomment>quillmere-cli erase --help</extracomment>
        <translation>Der neue Name des Datenträgers.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm that everything on the volume may be destroyed.</source>
        <extracomment>quillmere-cli erase --help</extracomment>
        <translation>Bestätigen, dass alles auf dem Datenträger gelöscht werden darf.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Erases the volume on sdb1 as ExFAT named “Photos”.</source>
        <extracomment>quillmere-cli erase --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>Formatiert den Datenträger auf sdb1 als ExFAT mit dem Namen „Photos“.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Names the processes that hold files open on a volume.</source>
        <extracomment>quillmere-cli --help: the blockers command</extracomment>
        <translation>Nennt die Prozesse, die Dateien auf einem Datenträger geöffnet halten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Names the processes that keep sdb1 from being ejected.</source>
        <extracomment>quillmere-cli blockers --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>Nennt die Prozesse, die das Auswerfen von sdb1 verhindern.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Prints the operation history, newest first.</source>
        <extracomment>quillmere-cli --help: the history command</extracomment>
        <translation>Gibt den Verlauf der Vorgänge aus, den neuesten zuerst.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show only the newest N lines.</source>
        <extracomment>quillmere-cli history --help</extracomment>
        <translation>Nur die neuesten N Zeilen zeigen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy the history log to FILE (- for standard output).</source>
        <extracomment>quillmere-cli history --help</extracomment>
        <translation>Das Verlaufsprotokoll nach FILE kopieren (- für die Standardausgabe).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Prints the ten newest lines of the history.</source>
        <extracomment>quillmere-cli history --help: what the example does</extracomment>
        <translation>Gibt die zehn neuesten Zeilen des Verlaufs aus.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>COMMAND [OPTIONS]</source>
        <translation>COMMAND [OPTIONEN]</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ejects, remounts, renames and erases them, as the tray program does.</source>
        <translation>Wirft sie aus, hängt sie wieder ein, benennt sie um und formatiert sie, wie das Programm im Benachrichtigungsfeld.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Commands:</source>
        <extracomment>quillmere-cli --help: heading</extracomment>
        <translation>Befehle:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+46"/>
        <source>Options:</source>
        <extracomment>quillmere-cli --help: heading</extracomment>
        <translation>Optionen:</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Run “%1 COMMAND --help” for a command’s options and an example.</source>
        <extracomment>quillmere-cli --help; %1 is the program name</extracomment>
        <translation>„%1 COMMAND --help“ zeigt die Optionen eines Befehls und ein Beispiel.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Exit status:</source>
        <extracomment>quillmere-cli --help: heading of the exit codes</extracomment>
        <translation>Rückgabewert:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>done</source>
        <extracomment>quillmere-cli --help: exit code 0</extracomment>
        <translation>erledigt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the operation failed</source>
        <extracomment>quillmere-cli --help: exit code 1</extracomment>
        <translation>der Vorgang ist fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>usage error, unknown or ambiguous volume</source>
        <extracomment>quillmere-cli --help: exit code 2</extracomment>
        <translation>falscher Aufruf, unbekannter oder mehrdeutiger Datenträger</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cancelled</source>
        <extracomment>quillmere-cli --help: exit code 3 (a password prompt dismissed, a confirmation declined)</extracomment>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not authorized</source>
        <extracomment>quillmere-cli --help: exit code 4</extracomment>
        <translation>nicht berechtigt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the device is busy or held by another operation</source>
        <extracomment>quillmere-cli --help: exit code 5</extracomment>
        <translation>das Gerät ist belegt oder von einem anderen Vorgang gesperrt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>udisks2 is not available</source>
        <extracomment>quillmere-cli --help: exit code 6</extracomment>
        <translation>udisks2 ist nicht verfügbar</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Example:</source>
        <extracomment>quillmere-cli COMMAND --help: heading</extracomment>
        <translation>Beispiel:</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <location filename="../../cli/historycommand.cpp" line="+34"/>
        <source>history: show only the newest N lines.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>history: nur die neuesten N Zeilen zeigen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>history: copy the history log to FILE (- for standard output).</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>history: das Verlaufsprotokoll nach FILE kopieren (- für die Standardausgabe).</translation>
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
        <translation>Aufruf:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>quillmere-cli history: takes no arguments.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli history: nimmt keine Argumente an.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>quillmere-cli history: --export takes no other option.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli history: --export lässt sich mit keiner anderen Option verbinden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>quillmere-cli history: couldn’t export to %1: %2</source>
        <extracomment>quillmere-cli history export failure</extracomment>
        <translation>quillmere-cli history: Export nach %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>quillmere-cli history: --limit takes a whole number, 0 or more.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli history: --limit erwartet eine ganze Zahl ab 0.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>quillmere-cli history: couldn’t read the history file %1: %2.</source>
        <extracomment>quillmere-cli history: the log could not be read; %1 is the reason</extracomment>
        <translation>quillmere-cli history: die Verlaufsdatei %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>quillmere-cli history: %n damaged line(s) of the history file skipped.</source>
        <extracomment>quillmere-cli history: lines of the log that are not history entries</extracomment>
        <translation>
            <numerusform>quillmere-cli history: %n beschädigte Zeile der Verlaufsdatei übersprungen.</numerusform>
            <numerusform>quillmere-cli history: %n beschädigte Zeilen der Verlaufsdatei übersprungen.</numerusform>
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
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <location filename="../../cli/listcommand.cpp" line="+150"/>
        <source>quillmere-cli: udisks2 is not running on the system bus; only mounted volumes are listed, without unmounted partitions.</source>
        <extracomment>quillmere-cli warning when the disk service is absent</extracomment>
        <translation>quillmere-cli: udisks2 läuft nicht auf dem Systembus; nur eingehängte Datenträger werden aufgeführt, keine nicht eingehängten Partitionen.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>quillmere-cli: udisks2 appeared.</source>
        <extracomment>quillmere-cli --watch note</extracomment>
        <translation>quillmere-cli: udisks2 ist jetzt verfügbar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>quillmere-cli: udisks2 went away.</source>
        <extracomment>quillmere-cli --watch note</extracomment>
        <translation>quillmere-cli: udisks2 ist nicht mehr verfügbar.</translation>
    </message>
</context>
<context>
    <name>OperationCommands</name>
    <message>
        <location filename="../../cli/operationcommands.cpp" line="+41"/>
        <source>The operation failed.</source>
        <extracomment>Failure alert text when there is no detail</extracomment>
        <translation>Der Vorgang ist fehlgeschlagen.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>eject: unmount even while programs hold files open.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>eject: auch aushängen, wenn Programme Dateien geöffnet halten.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>erase: the new file system (ext4, ExFAT, MS-DOS FAT32 or NTFS; default ext4).</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>erase: das neue Dateisystem (ext4, ExFAT, MS-DOS FAT32 oder NTFS; Vorgabe: ext4).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>erase: the new volume name.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>erase: der neue Name des Datenträgers.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>erase: confirm that everything on the volume may be destroyed.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>erase: bestätigen, dass alle Daten auf dem Datenträger vernichtet werden dürfen.</translation>
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
VOLUME ist ein Gerätename, ein Einhängepunkt oder der Name eines Datenträgers.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Usage:</source>
        <extracomment>quillmere-cli usage heading</extracomment>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Nothing was done.</source>
        <extracomment>quillmere-cli: after an operation that no menu offers for the volume was refused</extracomment>
        <translation>Es wurde nichts unternommen.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>quillmere-cli %1: wrong number of arguments.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli %1: falsche Anzahl an Argumenten.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>quillmere-cli %1: VOLUME is empty; name a device, a mount point or a volume.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli %1: VOLUME ist leer; geben Sie ein Gerät, einen Einhängepunkt oder einen Datenträger an.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>quillmere-cli rename: the new name is empty.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli rename: der neue Name ist leer.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>quillmere-cli erase: unknown format “%1”; choose one of: %2.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli erase: unbekanntes Format „%1“; wählen Sie eines von: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>quillmere-cli erase: give the new name with --name.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli erase: geben Sie den neuen Namen mit --name an.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>quillmere-cli: udisks2 is not running on the system bus.</source>
        <extracomment>quillmere-cli warning when the disk service is absent</extracomment>
        <translation>quillmere-cli: udisks2 läuft nicht auf dem Systembus.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>quillmere-cli erase: this computer can’t make %1 file systems; it can make: %2.</source>
        <extracomment>quillmere-cli usage error; %2 lists the formats that can be made</extracomment>
        <translation>quillmere-cli erase: dieser Computer kann keine Dateisysteme vom Typ %1 erstellen; möglich sind: %2.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Ejected “%1”.</source>
        <extracomment>quillmere-cli eject success</extracomment>
        <translation>„%1“ ausgeworfen.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>In use by: %1. “quillmere-cli eject --force” ejects it anyway.</source>
        <extracomment>quillmere-cli hint after an eject that programs prevented</extracomment>
        <translation>Verwendet von: %1. „quillmere-cli eject --force“ wirft ihn trotzdem aus.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Nothing to eject.</source>
        <extracomment>quillmere-cli eject-all without targets</extracomment>
        <translation>Nichts auszuwerfen.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Mounted “%1”.</source>
        <extracomment>quillmere-cli remount success</extracomment>
        <translation>„%1“ eingehängt.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Renamed “%1” to “%2”.</source>
        <extracomment>quillmere-cli rename success</extracomment>
        <translation>„%1“ in „%2“ umbenannt.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Erasing “%1” destroys everything on it. Add --yes to erase it.</source>
        <extracomment>quillmere-cli erase without confirmation</extracomment>
        <translation>Beim Formatieren wird alles auf „%1“ vernichtet. Fügen Sie --yes hinzu, um zu formatieren.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Erased “%1” as %2 “%3”.</source>
        <extracomment>quillmere-cli erase success</extracomment>
        <translation>„%1“ als %2 „%3“ formatiert.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No program holds files open on “%1”.</source>
        <extracomment>quillmere-cli blockers</extracomment>
        <translation>Kein Programm hält Dateien auf „%1“ geöffnet.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../../cli/commandhelp.cpp" line="-240"/>
        <source>Displays help on commandline options.</source>
        <extracomment>quillmere-cli --help: the -h option (Qt&apos;s own text)</extracomment>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Displays help including Qt specific options.</source>
        <extracomment>quillmere-cli --help: the --help-all option (Qt&apos;s own text)</extracomment>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Displays version information.</source>
        <extracomment>quillmere-cli --help: the -v option (Qt&apos;s own text)</extracomment>
        <translation>Zeigt die Versionsinformationen an.</translation>
    </message>
</context>
<context>
    <name>VolumeResolver</name>
    <message>
        <location filename="../../cli/volumeresolver.cpp" line="+36"/>
        <source>Several volumes are called “%1” (%2); name one by its device.</source>
        <extracomment>quillmere-cli: an ambiguous volume name</extracomment>
        <translation>Mehrere Datenträger heißen „%1“ (%2); geben Sie einen über sein Gerät an.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No volume given; name a device, a mount point or a volume.</source>
        <extracomment>quillmere-cli: an empty volume argument</extracomment>
        <translation>Kein Datenträger angegeben; geben Sie ein Gerät, einen Einhängepunkt oder einen Datenträger an.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>“%1” is a device and also the name of the volume on %2; name it by its path (/dev/%1) or its mount point.</source>
        <extracomment>quillmere-cli: an argument that is one volume&apos;s device and another&apos;s name</extracomment>
        <translation>„%1“ ist ein Gerät und zugleich der Name des Datenträgers auf %2; geben Sie ihn über seinen Pfad (/dev/%1) oder seinen Einhängepunkt an.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No volume is called “%1”, mounted there or on that device.</source>
        <extracomment>quillmere-cli: the volume argument matches nothing</extracomment>
        <translation>Kein Datenträger heißt „%1“, ist dort eingehängt oder liegt auf diesem Gerät.</translation>
    </message>
</context>
<context>
    <name>VolumeTable</name>
    <message>
        <location filename="../../cli/volumetable.cpp" line="+20"/>
        <source>%1 of %2</source>
        <extracomment>quillmere-cli list: free space of total capacity</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>NAME</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KIND</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>ART</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MOUNTED</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>EINGEHÄNGT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DEVICE</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>GERÄT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MOUNT POINT</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>EINHÄNGEPUNKT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FREE</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>FREI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>yes</source>
        <extracomment>Volume is mounted</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no</source>
        <extracomment>Volume is not mounted</extracomment>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../cli/commandhelp.cpp" line="+171"/>
        <source>Lists the volumes Quillmere sees.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>Listet die Datenträger auf, die Quillmere sieht.</translation>
    </message>
    <message>
        <location filename="../../cli/main.cpp" line="+80"/>
        <source>Run “%1 --help” for the commands and their options.</source>
        <extracomment>quillmere-cli: after a usage error; %1 is the program name</extracomment>
        <translation>„%1 --help“ zeigt die Befehle und ihre Optionen.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1: unknown command “%2”.</source>
        <extracomment>quillmere-cli usage error; %1 is the program name, %2 what was typed</extracomment>
        <translation>%1: unbekannter Befehl „%2“.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>quillmere-cli list: takes no arguments.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli list: nimmt keine Argumente.</translation>
    </message>
</context>
</TS>
