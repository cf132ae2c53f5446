<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <location line="+18"/>
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
        <location line="+27"/>
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
        <location line="+27"/>
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
        <location line="+16"/>
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
        <location line="+28"/>
        <source>Mounted “%1”.</source>
        <extracomment>quillmere-cli remount success</extracomment>
        <translation>„%1“ eingehängt.</translation>
    </message>
    <message>
        <location line="+32"/>
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
        <location line="+19"/>
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
        <location filename="../../cli/main.cpp" line="+28"/>
        <source>Displays help on commandline options.</source>
        <extracomment>quillmere-cli --help: the -h option (Qt&apos;s own text)</extracomment>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Displays help including Qt specific options.</source>
        <extracomment>quillmere-cli --help: the --help-all option (Qt&apos;s own text)</extracomment>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
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
        <location filename="../../cli/main.cpp" line="+41"/>
        <source>Lists the volumes Quillmere sees.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>Listet die Datenträger auf, die Quillmere sieht.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>list, eject, eject-all, remount, rename, erase, blockers or history</source>
        <extracomment>quillmere-cli --help: the commands</extracomment>
        <translation>list, eject, eject-all, remount, rename, erase, blockers oder history</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show every kind of volume.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>Alle Arten von Datenträgern zeigen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print JSON with every field.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>JSON mit allen Feldern ausgeben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Then print a line for each change until interrupted.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>Danach bis zum Abbruch für jede Änderung eine Zeile ausgeben.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Usage: quillmere-cli list [--all] [--json] [--watch]</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>Aufruf: quillmere-cli list [--all] [--json] [--watch]</translation>
    </message>
</context>
</TS>
