<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandHelp</name>
    <message>
        <location filename="../../cli/commandhelp.cpp" line="+44"/>
        <source>Usage:</source>
        <extracomment>quillmere-cli --help: heading of the usage lines</extracomment>
        <translation>Utilisation&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>VOLUME is a device name (sdb1), a mount point or a volume name.</source>
        <extracomment>quillmere-cli COMMAND --help: what VOLUME may be; keep sdb1 as it is</extracomment>
        <translation>VOLUME est un nom de périphérique (sdb1), un point de montage ou un nom de volume.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Prints the volumes with their capacity and free space.</source>
        <extracomment>quillmere-cli --help: the list command</extracomment>
        <translation>Affiche les volumes avec leur capacité et leur espace libre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Prints the volumes the tray program shows, with their kind, capacity and free space.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>Affiche les volumes que montre le programme de la zone de notification, avec leur type, leur capacité et leur espace libre.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show every kind of volume, also those the settings hide, and what is attached but not mounted.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>Afficher tous les types de volumes, y compris ceux que les réglages masquent et ceux qui sont branchés sans être montés.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+101"/>
        <source>Print JSON with every field.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>Afficher du JSON avec tous les champs.</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>Then print a line for each change until interrupted.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>Puis afficher une ligne à chaque changement jusqu’à interruption.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lists every volume, also those the settings hide and those attached but not mounted.</source>
        <extracomment>quillmere-cli list --help: what the example does</extracomment>
        <translation>Liste tous les volumes, y compris ceux que les réglages masquent et ceux qui sont branchés sans être montés.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ejects a volume, so that its drive can be unplugged.</source>
        <extracomment>quillmere-cli --help: the eject command</extracomment>
        <translation>Éjecte un volume pour que son lecteur puisse être débranché.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unmounts the volume; on a removable drive every volume of the drive, so that it can be unplugged. A disk image is detached. The drive is not powered off.</source>
        <extracomment>quillmere-cli eject --help</extracomment>
        <translation>Démonte le volume&#x202f;; sur un lecteur amovible, tous les volumes du lecteur, pour qu’il puisse être débranché. Une image disque est détachée. Le lecteur n’est pas mis hors tension.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unmount even while programs hold files open.</source>
        <extracomment>quillmere-cli eject --help</extracomment>
        <translation>Démonter même si des programmes gardent des fichiers ouverts.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ejects the volume on the device sdb1.</source>
        <extracomment>quillmere-cli eject --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>Éjecte le volume du périphérique sdb1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>Ejects every volume that Eject All includes.</source>
        <extracomment>quillmere-cli --help: the eject-all command</extracomment>
        <translation>Éjecte tous les volumes que comprend «&#xa0;Tout éjecter&#xa0;».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mounts an unmounted volume again.</source>
        <extracomment>quillmere-cli --help: the remount command</extracomment>
        <translation>Monte de nouveau un volume démonté.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mounts the volume on the device sdb1 again.</source>
        <extracomment>quillmere-cli remount --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>Monte de nouveau le volume du périphérique sdb1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Gives a volume a new name.</source>
        <extracomment>quillmere-cli --help: the rename command</extracomment>
        <translation>Donne un nouveau nom à un volume.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Renames the volume mounted at /media/ann/STICK to “Photos”.</source>
        <extracomment>quillmere-cli rename --help: what the example does</extracomment>
        <translation>Renomme le volume monté sur /media/ann/STICK en «&#xa0;Photos&#xa0;».</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Formats a volume, destroying everything on it.</source>
        <extracomment>quillmere-cli --help: the erase command</extracomment>
        <translation>Formate un volume en détruisant tout ce qu’il contient.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The new file system: ext4, ExFAT, MS-DOS FAT32 or NTFS (ext4 if not given).</source>
        <extracomment>quillmere-cli erase --help</extracomment>
        <translation>Le nouveau système de fichiers&#xa0;: ext4, ExFAT, MS-DOS FAT32 ou NTFS (ext4 par défaut).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The new volume name.</source>
        <extracomment>quillmere-cli erase --help</extracomment>
        <translation>Le nouveau nom du volume.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm that everything on the volume may be destroyed.</source>
        <extracomment>quillmere-cli erase --help</extracomment>
        <translation>Confirmer que tout le contenu du volume peut être détruit.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Erases the volume on sdb1 as ExFAT named “Photos”.</source>
        <extracomment>quillmere-cli erase --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>Formate le volume de sdb1 en ExFAT sous le nom «&#xa0;Photos&#xa0;».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Names the processes that hold files open on a volume.</source>
        <extracomment>quillmere-cli --help: the blockers command</extracomment>
        <translation>Nomme les processus qui gardent des fichiers ouverts sur un volume.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Names the processes that keep sdb1 from being ejected.</source>
        <extracomment>quillmere-cli blockers --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>Nomme les processus qui empêchent l’éjection de sdb1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Prints the operation history, newest first.</source>
        <extracomment>quillmere-cli --help: the history command</extracomment>
        <translation>Affiche l’historique des opérations, la plus récente en premier.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show only the newest N lines.</source>
        <extracomment>quillmere-cli history --help</extracomment>
        <translation>N’afficher que les N lignes les plus récentes.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy the history log to FILE (- for standard output).</source>
        <extracomment>quillmere-cli history --help</extracomment>
        <translation>Copier le journal de l’historique dans FILE (- pour la sortie standard).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Prints the ten newest lines of the history.</source>
        <extracomment>quillmere-cli history --help: what the example does</extracomment>
        <translation>Affiche les dix lignes les plus récentes de l’historique.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>COMMAND [OPTIONS]</source>
        <translation>COMMAND [OPTIONS]</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ejects, remounts, renames and erases them, as the tray program does.</source>
        <translation>Les éjecte, les remonte, les renomme et les formate, comme le programme de la zone de notification.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Commands:</source>
        <extracomment>quillmere-cli --help: heading</extracomment>
        <translation>Commandes&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+46"/>
        <source>Options:</source>
        <extracomment>quillmere-cli --help: heading</extracomment>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Run “%1 COMMAND --help” for a command’s options and an example.</source>
        <extracomment>quillmere-cli --help; %1 is the program name</extracomment>
        <translation>«&#xa0;%1 COMMAND --help&#xa0;» affiche les options d’une commande et un exemple.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Exit status:</source>
        <extracomment>quillmere-cli --help: heading of the exit codes</extracomment>
        <translation>Code de retour&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>done</source>
        <extracomment>quillmere-cli --help: exit code 0</extracomment>
        <translation>terminé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the operation failed</source>
        <extracomment>quillmere-cli --help: exit code 1</extracomment>
        <translation>l’opération a échoué</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>usage error, unknown or ambiguous volume</source>
        <extracomment>quillmere-cli --help: exit code 2</extracomment>
        <translation>erreur d’utilisation, volume inconnu ou ambigu</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cancelled</source>
        <extracomment>quillmere-cli --help: exit code 3 (a password prompt dismissed, a confirmation declined)</extracomment>
        <translation>annulé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not authorized</source>
        <extracomment>quillmere-cli --help: exit code 4</extracomment>
        <translation>non autorisé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the device is busy or held by another operation</source>
        <extracomment>quillmere-cli --help: exit code 5</extracomment>
        <translation>le périphérique est occupé ou retenu par une autre opération</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>udisks2 is not available</source>
        <extracomment>quillmere-cli --help: exit code 6</extracomment>
        <translation>udisks2 n’est pas disponible</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Example:</source>
        <extracomment>quillmere-cli COMMAND --help: heading</extracomment>
        <translation>Exemple&#xa0;:</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <location filename="../../cli/historycommand.cpp" line="+34"/>
        <source>history: show only the newest N lines.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>history&#xa0;: n’afficher que les N lignes les plus récentes.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>history: copy the history log to FILE (- for standard output).</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>history&#xa0;: copier le journal de l’historique dans FILE (- pour la sortie standard).</translation>
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
        <translation>Utilisation&#xa0;:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>quillmere-cli history: takes no arguments.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli history&#xa0;: n’accepte aucun argument.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>quillmere-cli history: --export takes no other option.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli history&#xa0;: --export ne se combine avec aucune autre option.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>quillmere-cli history: couldn’t export to %1: %2</source>
        <extracomment>quillmere-cli history export failure</extracomment>
        <translation>quillmere-cli history&#xa0;: impossible d’exporter vers %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>quillmere-cli history: --limit takes a whole number, 0 or more.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli history&#xa0;: --limit attend un nombre entier positif ou nul.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>quillmere-cli history: couldn’t read the history file %1: %2.</source>
        <extracomment>quillmere-cli history: the log could not be read; %1 is the reason</extracomment>
        <translation>quillmere-cli history&#xa0;: impossible de lire le fichier d’historique %1&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>quillmere-cli history: %n damaged line(s) of the history file skipped.</source>
        <extracomment>quillmere-cli history: lines of the log that are not history entries</extracomment>
        <translation>
            <numerusform>quillmere-cli history&#xa0;: %n ligne endommagée du fichier d’historique ignorée.</numerusform>
            <numerusform>quillmere-cli history&#xa0;: %n lignes endommagées du fichier d’historique ignorées.</numerusform>
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
        <translation>échec</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <location filename="../../cli/listcommand.cpp" line="+150"/>
        <source>quillmere-cli: udisks2 is not running on the system bus; only mounted volumes are listed, without unmounted partitions.</source>
        <extracomment>quillmere-cli warning when the disk service is absent</extracomment>
        <translation>quillmere-cli&#xa0;: udisks2 n’est pas lancé sur le bus système&#x202f;; seuls les volumes montés sont listés, sans les partitions non montées.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>quillmere-cli: udisks2 appeared.</source>
        <extracomment>quillmere-cli --watch note</extracomment>
        <translation>quillmere-cli&#xa0;: udisks2 est apparu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>quillmere-cli: udisks2 went away.</source>
        <extracomment>quillmere-cli --watch note</extracomment>
        <translation>quillmere-cli&#xa0;: udisks2 a disparu.</translation>
    </message>
</context>
<context>
    <name>OperationCommands</name>
    <message>
        <location filename="../../cli/operationcommands.cpp" line="+41"/>
        <source>The operation failed.</source>
        <extracomment>Failure alert text when there is no detail</extracomment>
        <translation>L’opération a échoué.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>eject: unmount even while programs hold files open.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>eject&#xa0;: démonter même si des programmes gardent des fichiers ouverts.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>erase: the new file system (ext4, ExFAT, MS-DOS FAT32 or NTFS; default ext4).</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>erase&#xa0;: le nouveau système de fichiers (ext4, ExFAT, MS-DOS FAT32 ou NTFS&#x202f;; ext4 par défaut).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>erase: the new volume name.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>erase&#xa0;: le nouveau nom du volume.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>erase: confirm that everything on the volume may be destroyed.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>erase&#xa0;: confirmer que tout le contenu du volume peut être détruit.</translation>
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
VOLUME est un nom de périphérique, un point de montage ou un nom de volume.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Usage:</source>
        <extracomment>quillmere-cli usage heading</extracomment>
        <translation>Utilisation&#xa0;:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Nothing was done.</source>
        <extracomment>quillmere-cli: after an operation that no menu offers for the volume was refused</extracomment>
        <translation>Rien n’a été fait.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>quillmere-cli %1: wrong number of arguments.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli %1&#xa0;: nombre d’arguments incorrect.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>quillmere-cli %1: VOLUME is empty; name a device, a mount point or a volume.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli %1&#xa0;: VOLUME est vide&#x202f;; indiquez un périphérique, un point de montage ou un volume.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>quillmere-cli rename: the new name is empty.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli rename&#xa0;: le nouveau nom est vide.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>quillmere-cli erase: unknown format “%1”; choose one of: %2.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli erase&#xa0;: format «&#xa0;%1&#xa0;» inconnu&#x202f;; choisissez parmi&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>quillmere-cli erase: give the new name with --name.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli erase&#xa0;: indiquez le nouveau nom avec --name.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>quillmere-cli: udisks2 is not running on the system bus.</source>
        <extracomment>quillmere-cli warning when the disk service is absent</extracomment>
        <translation>quillmere-cli&#xa0;: udisks2 n’est pas lancé sur le bus système.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>quillmere-cli erase: this computer can’t make %1 file systems; it can make: %2.</source>
        <extracomment>quillmere-cli usage error; %2 lists the formats that can be made</extracomment>
        <translation>quillmere-cli erase&#xa0;: cet ordinateur ne peut pas créer de systèmes de fichiers %1&#x202f;; il peut créer&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Ejected “%1”.</source>
        <extracomment>quillmere-cli eject success</extracomment>
        <translation>«&#xa0;%1&#xa0;» éjecté.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>In use by: %1. “quillmere-cli eject --force” ejects it anyway.</source>
        <extracomment>quillmere-cli hint after an eject that programs prevented</extracomment>
        <translation>Utilisé par&#xa0;: %1. «&#xa0;quillmere-cli eject --force&#xa0;» l’éjecte quand même.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Nothing to eject.</source>
        <extracomment>quillmere-cli eject-all without targets</extracomment>
        <translation>Rien à éjecter.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Mounted “%1”.</source>
        <extracomment>quillmere-cli remount success</extracomment>
        <translation>«&#xa0;%1&#xa0;» monté.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Renamed “%1” to “%2”.</source>
        <extracomment>quillmere-cli rename success</extracomment>
        <translation>«&#xa0;%1&#xa0;» renommé en «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Erasing “%1” destroys everything on it. Add --yes to erase it.</source>
        <extracomment>quillmere-cli erase without confirmation</extracomment>
        <translation>Formater «&#xa0;%1&#xa0;» détruit tout son contenu. Ajoutez --yes pour le formater.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Erased “%1” as %2 “%3”.</source>
        <extracomment>quillmere-cli erase success</extracomment>
        <translation>«&#xa0;%1&#xa0;» formaté en %2 «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No program holds files open on “%1”.</source>
        <extracomment>quillmere-cli blockers</extracomment>
        <translation>Aucun programme ne garde de fichiers ouverts sur «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../../cli/commandhelp.cpp" line="-240"/>
        <source>Displays help on commandline options.</source>
        <extracomment>quillmere-cli --help: the -h option (Qt&apos;s own text)</extracomment>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Displays help including Qt specific options.</source>
        <extracomment>quillmere-cli --help: the --help-all option (Qt&apos;s own text)</extracomment>
        <translation>Affiche l’aide, y compris les options propres à Qt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Displays version information.</source>
        <extracomment>quillmere-cli --help: the -v option (Qt&apos;s own text)</extracomment>
        <translation>Affiche les informations de version.</translation>
    </message>
</context>
<context>
    <name>VolumeResolver</name>
    <message>
        <location filename="../../cli/volumeresolver.cpp" line="+36"/>
        <source>Several volumes are called “%1” (%2); name one by its device.</source>
        <extracomment>quillmere-cli: an ambiguous volume name</extracomment>
        <translation>Plusieurs volumes s’appellent «&#xa0;%1&#xa0;» (%2)&#x202f;; désignez-en un par son périphérique.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No volume given; name a device, a mount point or a volume.</source>
        <extracomment>quillmere-cli: an empty volume argument</extracomment>
        <translation>Aucun volume indiqué&#x202f;; indiquez un périphérique, un point de montage ou un volume.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>“%1” is a device and also the name of the volume on %2; name it by its path (/dev/%1) or its mount point.</source>
        <extracomment>quillmere-cli: an argument that is one volume&apos;s device and another&apos;s name</extracomment>
        <translation>«&#xa0;%1&#xa0;» est un périphérique et aussi le nom du volume sur %2&#xa0;; désignez-le par son chemin (/dev/%1) ou son point de montage.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No volume is called “%1”, mounted there or on that device.</source>
        <extracomment>quillmere-cli: the volume argument matches nothing</extracomment>
        <translation>Aucun volume ne s’appelle «&#xa0;%1&#xa0;», n’est monté à cet endroit ni ne se trouve sur ce périphérique.</translation>
    </message>
</context>
<context>
    <name>VolumeTable</name>
    <message>
        <location filename="../../cli/volumetable.cpp" line="+20"/>
        <source>%1 of %2</source>
        <extracomment>quillmere-cli list: free space of total capacity</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>NAME</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>NOM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KIND</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>TYPE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MOUNTED</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>MONTÉ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DEVICE</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>PÉRIPHÉRIQUE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MOUNT POINT</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>POINT DE MONTAGE</translation>
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
        <translation>oui</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no</source>
        <extracomment>Volume is not mounted</extracomment>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../cli/commandhelp.cpp" line="+171"/>
        <source>Lists the volumes Quillmere sees.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>Liste les volumes que voit Quillmere.</translation>
    </message>
    <message>
        <location filename="../../cli/main.cpp" line="+80"/>
        <source>Run “%1 --help” for the commands and their options.</source>
        <extracomment>quillmere-cli: after a usage error; %1 is the program name</extracomment>
        <translation>«&#xa0;%1 --help&#xa0;» affiche les commandes et leurs options.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1: unknown command “%2”.</source>
        <extracomment>quillmere-cli usage error; %1 is the program name, %2 what was typed</extracomment>
        <translation>%1&#xa0;: commande inconnue «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>quillmere-cli list: takes no arguments.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli list&#xa0;: n’accepte aucun argument.</translation>
    </message>
</context>
</TS>
