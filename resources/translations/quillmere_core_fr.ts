<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CapacityFormatter</name>
    <message>
        <location filename="../../core/format/capacityformatter.cpp" line="+49"/>
        <source>B</source>
        <extracomment>Byte unit</extracomment>
        <translation>o</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>KB</source>
        <extracomment>Byte unit</extracomment>
        <translation>ko</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>MB</source>
        <extracomment>Byte unit</extracomment>
        <translation>Mo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>GB</source>
        <extracomment>Byte unit</extracomment>
        <translation>Go</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TB</source>
        <extracomment>Byte unit</extracomment>
        <translation>To</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PB</source>
        <extracomment>Byte unit</extracomment>
        <translation>Po</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%1 bytes</source>
        <extracomment>Byte count under 1 KB</extracomment>
        <translation>
            <numerusform>%1 octet</numerusform>
            <numerusform>%1 octets</numerusform>
        </translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1% (%2/%3 %4)</source>
        <extracomment>Capacity gauge text</extracomment>
        <translation>%1&#x202f;% (%2/%3&#xa0;%4)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 free of %2</source>
        <extracomment>Free space of total capacity</extracomment>
        <translation>%1 libres sur %2</translation>
    </message>
</context>
<context>
    <name>ConfirmationModel</name>
    <message>
        <location filename="../../core/operations/confirmationmodel.cpp" line="+42"/>
        <source>Standard confirmation</source>
        <extracomment>Confirmation model</extracomment>
        <translation>Confirmation standard</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the volume name</source>
        <extracomment>Confirmation model</extracomment>
        <translation>Saisir le nom du volume</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hold to confirm</source>
        <extracomment>Confirmation model</extracomment>
        <translation>Maintenir pour confirmer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No confirmation (YOLO)</source>
        <extracomment>Confirmation model</extracomment>
        <translation>Aucune confirmation (YOLO)</translation>
    </message>
</context>
<context>
    <name>ToolLauncher</name>
    <message>
        <location filename="../../core/operations/toollauncher.cpp" line="+126"/>
        <source>%1 timed out</source>
        <extracomment>External tool watchdog; %1 is a tool name</extracomment>
        <translation>Délai dépassé pour %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 failed (exit %2)</source>
        <extracomment>External tool failure; %1 is a tool name</extracomment>
        <translation>Échec de %1 (code de sortie %2)</translation>
    </message>
</context>
<context>
    <name>UDisksOperations</name>
    <message>
        <location filename="../../platform/linux/udisksoperations.cpp" line="+90"/>
        <source>Couldn’t open device %1</source>
        <extracomment>Device open failure</extracomment>
        <translation>Impossible d’ouvrir le périphérique %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>“%1” has no device node to eject.</source>
        <extracomment>Eject failure</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’a pas de fichier de périphérique à éjecter.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Refused by the system (status 0x%1)</source>
        <extracomment>DiskArbitration dissent without a message</extracomment>
        <translation>Refusé par le système (état 0x%1)</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Couldn’t open the volume at %1</source>
        <extracomment>Volume open failure</extracomment>
        <translation>Impossible d’ouvrir le volume monté sur %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>“%1” isn’t mounted.</source>
        <extracomment>Eject failure</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas monté.</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+73"/>
        <source>unknown error</source>
        <extracomment>Fallback failure detail</extracomment>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <location line="-70"/>
        <source>“%1” was unmounted, but another volume on the same device couldn’t be: %2</source>
        <extracomment>Multi-partition eject failure</extracomment>
        <translation>«&#xa0;%1&#xa0;» a été démonté, mais un autre volume du même périphérique n’a pas pu l’être&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>“%1” is a network share. Reconnect to the server in Finder (Go ▸ Connect to Server…) to mount it again.</source>
        <extracomment>Remount failure for network shares</extracomment>
        <translation>«&#xa0;%1&#xa0;» est un partage réseau. Reconnectez-vous au serveur dans votre gestionnaire de fichiers pour le monter à nouveau.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>“%1” has no device node to rename.</source>
        <extracomment>Rename failure</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’a pas de fichier de périphérique à renommer.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>“%1” can’t be erased — only removable, external, and disk-image volumes may be erased.</source>
        <extracomment>Erase safety-rail refusal</extracomment>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être formaté&#xa0;: seuls les volumes amovibles, les volumes externes et les images disque peuvent l’être.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>“%1” has no device node to erase.</source>
        <extracomment>Erase failure</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’a pas de fichier de périphérique à formater.</translation>
    </message>
</context>
<context>
    <name>VolumeMenuModel</name>
    <message>
        <location filename="../../core/format/volumemenumodel.cpp" line="+12"/>
        <source>Ignore in Auto-Eject &amp; Eject All</source>
        <extracomment>Checkmark menu item exempting a volume from bulk ejection</extracomment>
        <translation>Ignorer pour l’éjection automatique et «&#xa0;Tout éjecter&#xa0;»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open in Finder</source>
        <extracomment>Volume menu item</extracomment>
        <translation>Ouvrir dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy Path</source>
        <extracomment>Volume menu item</extracomment>
        <translation>Copier le chemin</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Eject</source>
        <extracomment>Volume menu item</extracomment>
        <translation>Éjecter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remount</source>
        <extracomment>Volume menu item</extracomment>
        <translation>Monter à nouveau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rename…</source>
        <extracomment>Volume menu item</extracomment>
        <translation>Renommer…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Erase…</source>
        <extracomment>Volume menu item (destructive)</extracomment>
        <translation>Formater…</translation>
    </message>
</context>
<context>
    <name>VolumeRowFormatter</name>
    <message>
        <location filename="../../core/format/volumerowformatter.cpp" line="+13"/>
        <source>External</source>
        <extracomment>Volume kind</extracomment>
        <translation>Externe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Disk Image</source>
        <extracomment>Volume kind</extracomment>
        <translation>Image disque</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System Image</source>
        <extracomment>Volume kind</extracomment>
        <translation>Image système</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Network</source>
        <extracomment>Volume kind</extracomment>
        <translation>Réseau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Internal</source>
        <extracomment>Volume kind</extracomment>
        <translation>Interne</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Boot</source>
        <extracomment>Volume kind</extracomment>
        <translation>Démarrage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System</source>
        <extracomment>Volume kind</extracomment>
        <translation>Système</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1  —  %2 · %3</source>
        <extracomment>Menu row: volume name — kind · free space</extracomment>
        <translation>%1  —  %2 · %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>not mounted</source>
        <extracomment>VoiceOver mount state</extracomment>
        <translation>non monté</translation>
    </message>
</context>
</TS>
