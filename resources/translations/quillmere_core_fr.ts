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
        <location filename="../../core/operations/confirmationmodel.cpp" line="+10"/>
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
    <name>EjectTruth</name>
    <message numerus="yes">
        <location filename="../../core/operations/ejecttruth.cpp" line="+53"/>
        <source>%1 was unmounted, but “%2” couldn’t be: %3</source>
        <extracomment>A failed eject; %1 lists the volumes that were unmounted (&quot;“A”, “B”), %2 is the volume that was not, %3 why</extracomment>
        <translation>
            <numerusform>%1 a été démonté, mais «&#xa0;%2&#xa0;» n’a pas pu l’être&#xa0;: %3</numerusform>
            <numerusform>%1 ont été démontés, mais «&#xa0;%2&#xa0;» n’a pas pu l’être&#xa0;: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%1 was unmounted, but the eject didn’t finish: %2</source>
        <extracomment>A failed eject after its volumes were unmounted; %1 lists them, %2 says why</extracomment>
        <translation>
            <numerusform>%1 a été démonté, mais l’éjection n’a pas abouti&#xa0;: %2</numerusform>
            <numerusform>%1 ont été démontés, mais l’éjection n’a pas abouti&#xa0;: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%1 was unmounted; %2 on the same disk is busy (%3).</source>
        <extracomment>A failed eject; %1 lists the volumes that were unmounted, %2 those still mounted, %3 udisks2&apos;s reason (&quot;target is busy&quot;)</extracomment>
        <translation>
            <numerusform>%1 a été démonté&#xa0;; %2 sur le même disque est occupé (%3).</numerusform>
            <numerusform>%1 ont été démontés&#xa0;; %2 sur le même disque est occupé (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%1 was unmounted, but %2 on the same disk couldn’t be: %3</source>
        <extracomment>A failed eject; %1 lists the volumes that were unmounted, %2 those still mounted, %3 why</extracomment>
        <translation>
            <numerusform>%1 a été démonté, mais %2 sur le même disque n’a pas pu l’être&#xa0;: %3</numerusform>
            <numerusform>%1 ont été démontés, mais %2 sur le même disque n’a pas pu l’être&#xa0;: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EraseCheck</name>
    <message>
        <location filename="../../core/operations/erasecheck.cpp" line="+14"/>
        <source>The erase finished, but the volume could not be read back to check it.</source>
        <extracomment>Erase failure: the device could not be read back after formatting</extracomment>
        <translation>Le formatage est terminé, mais le volume n’a pas pu être relu pour le vérifier.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The erase finished, but the volume now holds no file system. Erase it again.</source>
        <extracomment>Erase failure after reading the device back</extracomment>
        <translation>Le formatage est terminé, mais le volume ne contient plus aucun système de fichiers. Formatez-le de nouveau.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The erase finished, but the volume now holds %1 “%2” instead. Erase it again.</source>
        <extracomment>Erase failure after reading the device back; %1 file-system type, %2 its name</extracomment>
        <translation>Le formatage est terminé, mais le volume contient à la place %1 «&#xa0;%2&#xa0;». Formatez-le de nouveau.</translation>
    </message>
</context>
<context>
    <name>GuardedDiskOperations</name>
    <message>
        <location filename="../../core/operations/guardeddiskoperations.cpp" line="+28"/>
        <source>Another operation is working on the disk of “%1”. Try again when it has finished.</source>
        <extracomment>Operation failure: another operation works on the same disk</extracomment>
        <translation>Une autre opération utilise le disque de «&#xa0;%1&#xa0;». Réessayez lorsqu’elle sera terminée.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The disk of “%1” is busy with another operation (%2). Try again when it has finished.</source>
        <extracomment>Operation failure; %2 is the operation that holds the disk (&quot;Erase&quot;)</extracomment>
        <translation>Le disque de «&#xa0;%1&#xa0;» est occupé par une autre opération (%2). Réessayez lorsqu’elle sera terminée.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>“%1” is neither a network share nor a FUSE mount, so it is not unmounted by its folder.</source>
        <extracomment>Eject failure: only network shares and FUSE mounts are unmounted by their folder</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est ni un partage réseau ni un montage FUSE&#xa0;: il n’est donc pas démonté par son dossier.</translation>
    </message>
</context>
<context>
    <name>HistoryFormatter</name>
    <message>
        <location filename="../../core/format/historyformatter.cpp" line="+26"/>
        <source>1 second ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>il y a 1 seconde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 seconds ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>il y a %1 secondes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 second</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dans 1 seconde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 seconds</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dans %1 secondes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 minute ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>il y a 1 minute</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 minutes ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>il y a %1 minutes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 minute</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dans 1 minute</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 minutes</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dans %1 minutes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 hour ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>il y a 1 heure</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 hours ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>il y a %1 heures</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 hour</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dans 1 heure</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 hours</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dans %1 heures</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 day ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>il y a 1 jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 days ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>il y a %1 jours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 day</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dans 1 jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 days</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dans %1 jours</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 week ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>il y a 1 semaine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 weeks ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>il y a %1 semaines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 week</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dans 1 semaine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 weeks</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dans %1 semaines</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 month ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>il y a 1 mois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 months ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>il y a %1 mois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 month</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dans 1 mois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 months</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dans %1 mois</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 year ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>il y a 1 an</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 years ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>il y a %1 ans</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 year</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dans 1 an</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 years</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dans %1 ans</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Eject</source>
        <extracomment>History operation</extracomment>
        <translation>Éjection</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Force Eject</source>
        <extracomment>History operation</extracomment>
        <translation>Éjection forcée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remount</source>
        <extracomment>History operation</extracomment>
        <translation>Remontage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rename</source>
        <extracomment>History operation</extracomment>
        <translation>Renommage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Erase</source>
        <extracomment>History operation</extracomment>
        <translation>Formatage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto-Eject</source>
        <extracomment>History operation</extracomment>
        <translation>Éjection automatique</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto-Remount</source>
        <extracomment>History operation</extracomment>
        <translation>Remontage automatique</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mounted</source>
        <extracomment>History event</extracomment>
        <translation>Monté</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unmounted</source>
        <extracomment>History event</extracomment>
        <translation>Démonté</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>now</source>
        <extracomment>History time of an entry logged this very second</extracomment>
        <translation>à l’instant</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <location filename="../../core/stores/historystore.cpp" line="+122"/>
        <source>it is %1; the history is exported only to a regular file</source>
        <extracomment>History export refusal; %1 is what stands there (&quot;a FIFO&quot;)</extracomment>
        <translation>la destination est %1&#x202f;; l’historique ne s’exporte que vers un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>the history file is %1</source>
        <extracomment>History export failure; %1 is the reason (&quot;larger than 33554432 bytes&quot;)</extracomment>
        <translation>le fichier d’historique est inutilisable (%1)</translation>
    </message>
</context>
<context>
    <name>InstallLocation</name>
    <message>
        <location filename="../../core/stores/installlocation.cpp" line="+83"/>
        <source>a removable drive</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>un lecteur amovible</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a temporary location</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>un emplacement temporaire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>your Downloads folder</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>votre dossier Téléchargements</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>your Desktop</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>votre bureau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its current location</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>son emplacement actuel</translation>
    </message>
</context>
<context>
    <name>KeyMapping</name>
    <message>
        <location filename="../../core/shortcuts/keymapping.cpp" line="+40"/>
        <source>Space</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>Espace</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Return</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>Entrée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tab</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>Tab</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Backspace</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Esc</source>
        <extracomment>Key name in a shortcut (Escape)</extracomment>
        <translation>Échap</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Del</source>
        <extracomment>Key name in a shortcut (forward Delete)</extracomment>
        <translation>Suppr</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ins</source>
        <extracomment>Key name in a shortcut (Insert)</extracomment>
        <translation>Inser</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Home</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>End</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PgUp</source>
        <extracomment>Key name in a shortcut (Page Up)</extracomment>
        <translation>Page préc.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PgDown</source>
        <extracomment>Key name in a shortcut (Page Down)</extracomment>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Left</source>
        <extracomment>Key name in a shortcut (arrow key)</extracomment>
        <translation>Gauche</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Up</source>
        <extracomment>Key name in a shortcut (arrow key)</extracomment>
        <translation>Haut</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Right</source>
        <extracomment>Key name in a shortcut (arrow key)</extracomment>
        <translation>Droite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Down</source>
        <extracomment>Key name in a shortcut (arrow key)</extracomment>
        <translation>Bas</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Enter</source>
        <extracomment>Key name in a shortcut (the keypad&apos;s Enter key)</extracomment>
        <translation>Entrée (pavé num.)</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Ctrl</source>
        <extracomment>Modifier key name in a shortcut</extracomment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Alt</source>
        <extracomment>Modifier key name in a shortcut</extracomment>
        <translation>Alt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shift</source>
        <extracomment>Modifier key name in a shortcut</extracomment>
        <translation>Maj</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Super</source>
        <extracomment>Modifier key name in a shortcut (the key with the desktop&apos;s logo)</extracomment>
        <translation>Super</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <location filename="../../core/shortcuts/menubarshortcuts.cpp" line="+13"/>
        <source>Eject All</source>
        <extracomment>Main menu item (File)</extracomment>
        <translation>Tout éjecter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <extracomment>Main menu item (File): closes the window</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit Quillmere</source>
        <extracomment>Main menu item (File)</extracomment>
        <translation>Quitter Quillmere</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Couper</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Coller</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select All</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preferences…</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Préférences…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>as Grid</source>
        <extracomment>Main menu item (View): volumes as a grid</extracomment>
        <translation>en grille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>as List</source>
        <extracomment>Main menu item (View): volumes as a list</extracomment>
        <translation>en liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minimize</source>
        <extracomment>Main menu item (Window)</extracomment>
        <translation>Réduire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillmere Help</source>
        <extracomment>Main menu item (Help)</extracomment>
        <translation>Aide de Quillmere</translation>
    </message>
</context>
<context>
    <name>OperationErrors</name>
    <message>
        <location filename="../../core/operations/operationerror.cpp" line="+11"/>
        <source>Authentication was refused: the password wasn’t accepted, or this user account isn’t allowed to do this. An administrator can give it the permission.</source>
        <extracomment>Failure detail when the system refused the operation (no permission, or a password that was not accepted)</extracomment>
        <translation>L’authentification a été refusée&#xa0;: le mot de passe n’a pas été accepté, ou ce compte utilisateur n’a pas le droit de faire cela. Un administrateur peut lui accorder cette autorisation.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A password is needed, but no authentication agent is running to ask for it. Start your desktop’s authentication agent (or log in to a full desktop session) and try again.</source>
        <extracomment>Failure detail when a password is needed but no program can ask for it</extracomment>
        <translation>Un mot de passe est nécessaire, mais aucun agent d’authentification n’est lancé pour le demander. Lancez l’agent d’authentification de votre bureau (ou ouvrez une session de bureau complète) et réessayez.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Authentication was cancelled.</source>
        <extracomment>History detail when the user dismissed the password prompt</extracomment>
        <translation>L’authentification a été annulée.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>udisks2, the disk service, isn’t running or stopped answering. Start it again (“systemctl start udisks2”) and try again.</source>
        <extracomment>Failure detail when the disk service is not there or stopped answering</extracomment>
        <translation>udisks2, le service des disques, n’est pas lancé ou ne répond plus. Relancez-le («&#xa0;systemctl start udisks2&#xa0;») et réessayez.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The volume is in use by a program.</source>
        <extracomment>Failure detail when a program holds files open on the volume</extracomment>
        <translation>Le volume est utilisé par un programme.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The volume isn’t mounted.</source>
        <extracomment>Failure detail when the volume was no longer mounted</extracomment>
        <translation>Le volume n’est pas monté.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The operation failed.</source>
        <extracomment>Failure detail when nothing more is known</extracomment>
        <translation>L’opération a échoué.</translation>
    </message>
</context>
<context>
    <name>OperationTitles</name>
    <message>
        <location filename="../../core/operations/operationtitles.cpp" line="+11"/>
        <source>Couldn’t eject “%1”</source>
        <extracomment>Eject failure title; %1 is the volume name</extracomment>
        <translation>Impossible d’éjecter «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t force eject “%1”</source>
        <extracomment>Force-eject failure title; %1 is the volume name</extracomment>
        <translation>Impossible de forcer l’éjection de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t rename “%1”</source>
        <extracomment>Rename failure title; %1 is the volume name</extracomment>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t erase “%1”</source>
        <extracomment>Erase failure title; %1 is the volume name</extracomment>
        <translation>Impossible de formater «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Couldn’t remount “%1”</source>
        <extracomment>Remount failure title; %1 is the volume name</extracomment>
        <translation>Impossible de monter à nouveau «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>OwnedFile</name>
    <message>
        <location filename="../../core/stores/ownedfile.cpp" line="+24"/>
        <source>it is a symbolic link that belongs to another user</source>
        <extracomment>Why one of the program&apos;s files is not used</extracomment>
        <translation>c’est un lien symbolique qui appartient à un autre utilisateur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is a symbolic link to nothing</source>
        <extracomment>Why one of the program&apos;s files is not used</extracomment>
        <translation>c’est un lien symbolique qui ne pointe vers rien</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>it belongs to another user</source>
        <extracomment>Why one of the program&apos;s files is not written</extracomment>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+102"/>
        <source>its folder belongs to another user</source>
        <extracomment>Why one of the program&apos;s files is not written</extracomment>
        <translation>son dossier appartient à un autre utilisateur</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>it is not a regular file of this user</source>
        <extracomment>Why one of the program&apos;s files is not written</extracomment>
        <translation>ce n’est pas un fichier ordinaire de cet utilisateur</translation>
    </message>
</context>
<context>
    <name>RegularFileReader</name>
    <message>
        <location filename="../../core/stores/regularfilereader.cpp" line="+20"/>
        <source>a folder</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>un dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a FIFO</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>un FIFO</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a character device</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>un périphérique en mode caractère</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a block device</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>un périphérique en mode bloc</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a socket</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>un socket</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a regular file</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>not a regular file but %1</source>
        <extracomment>Why a file was not read; %1 is what stands there instead (&quot;a FIFO&quot;)</extracomment>
        <translation>pas un fichier ordinaire, mais %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>larger than %1 bytes</source>
        <extracomment>Why a file was not read</extracomment>
        <translation>plus de %1 octets</translation>
    </message>
</context>
<context>
    <name>RenameTruth</name>
    <message>
        <location filename="../../core/operations/renametruth.cpp" line="+43"/>
        <source>The volume is now named “%1”, not “%2”: %3</source>
        <extracomment>Rename failure after reading the device back; %1 is the name it has now, %2 the name asked for, %3 why the rename failed</extracomment>
        <translation>Le volume s’appelle désormais «&#xa0;%1&#xa0;», et non «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
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
        <location filename="../../platform/linux/udisksoperationsupport.cpp" line="+14"/>
        <source>Couldn’t open device %1</source>
        <extracomment>Device open failure</extracomment>
        <translation>Impossible d’ouvrir le périphérique %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>“%1” is mounted at %2, which the running system needs; Quillmere leaves it alone.</source>
        <extracomment>Eject refusal; %1 is the volume&apos;s (or device&apos;s) name, %2 its mount point (&quot;/boot&quot;)</extracomment>
        <translation>«&#xa0;%1&#xa0;» est monté sur %2, dont le système en cours d’exécution a besoin&#x202f;; Quillmere n’y touche pas.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>“%1” has no device node to eject.</source>
        <extracomment>Eject failure</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’a pas de fichier de périphérique à éjecter.</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udiskserrors.cpp" line="+132"/>
        <source>Refused by the system (status 0x%1)</source>
        <extracomment>DiskArbitration dissent without a message</extracomment>
        <translation>Refusé par le système (état 0x%1)</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udisksunmounting.cpp" line="+91"/>
        <source>Couldn’t open the volume at %1</source>
        <extracomment>Volume open failure</extracomment>
        <translation>Impossible d’ouvrir le volume monté sur %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>an encrypted volume on the same device couldn’t be locked: %1</source>
        <extracomment>Eject failure of an encrypted volume that stays unlocked; eject() says before it which volumes were unmounted</extracomment>
        <translation>un volume chiffré du même appareil n’a pas pu être verrouillé&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udisksoperations.cpp" line="+183"/>
        <source>“%1” isn’t mounted.</source>
        <extracomment>Eject failure</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas monté.</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udisksoperationsupport.cpp" line="+7"/>
        <source>unknown error</source>
        <extracomment>Fallback failure detail</extracomment>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udisksoperations.cpp" line="+13"/>
        <source>“%1” is a network share. Reconnect to the server in your file manager to mount it again.</source>
        <extracomment>Remount failure for network shares</extracomment>
        <translation>«&#xa0;%1&#xa0;» est un partage réseau. Reconnectez-vous au serveur dans votre gestionnaire de fichiers pour le monter à nouveau.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>“%1” has no device node to rename.</source>
        <extracomment>Rename failure</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’a pas de fichier de périphérique à renommer.</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udiskserase.cpp" line="+44"/>
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
    <message>
        <location line="+20"/>
        <source>This computer can’t make %1 file systems.</source>
        <extracomment>Erase failure when the file system cannot be made on this computer</extracomment>
        <translation>Cet ordinateur ne peut pas créer de systèmes de fichiers %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This computer can’t make %1 file systems: %2 is not installed.</source>
        <extracomment>Erase failure when the program that makes the file system is missing; %2 is its name</extracomment>
        <translation>Cet ordinateur ne peut pas créer de systèmes de fichiers %1&#xa0;: %2 n’est pas installé.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>“%1” was unmounted, but the erase didn’t finish, so what the volume holds now is unknown: %2</source>
        <extracomment>Erase failure when udisks2 went away during the erase; %1 is the volume&apos;s name, %2 why</extracomment>
        <translation>«&#xa0;%1&#xa0;» a été démonté, mais le formatage n’a pas abouti&#xa0;; le contenu actuel du volume est inconnu&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 The volume couldn’t be mounted again: %2</source>
        <extracomment>Erase failure after which the volume stays unmounted; %1 is why the erase failed</extracomment>
        <translation>%1 Le volume n’a pas pu être monté à nouveau&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Erased, but the volume couldn’t be mounted: %1</source>
        <extracomment>Detail of a successful erase whose new volume could not be mounted</extracomment>
        <translation>Formaté, mais le volume n’a pas pu être monté&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>UserHome</name>
    <message>
        <location filename="../../core/stores/userhome.cpp" line="+61"/>
        <source>Quillmere needs a home folder of its user to keep its settings and history, but neither HOME (“%1”) nor the user’s entry in the password database (“%2”) names one. Set HOME to a folder of yours.</source>
        <extracomment>Printed when the program will not start; %1 is $HOME, %2 the password database&apos;s home</extracomment>
        <translation>Quillmere a besoin d’un dossier personnel de son utilisateur pour ses préférences et son historique, mais ni HOME («&#xa0;%1&#xa0;») ni l’entrée de l’utilisateur dans la base des mots de passe («&#xa0;%2&#xa0;») n’en désigne un. Définissez HOME sur l’un de vos dossiers.</translation>
    </message>
</context>
<context>
    <name>VolumeActionGate</name>
    <message>
        <location filename="../../core/format/volumeactiongate.cpp" line="+36"/>
        <source>it isn’t mounted.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>il n’est pas monté.</translation>
    </message>
    <message>
        <location filename="../../core/policy/runningsystemguard.cpp" line="+14"/>
        <source>it is the boot volume, which Quillmere leaves alone.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>c’est le volume de démarrage, auquel Quillmere ne touche pas.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is on the boot disk, which Quillmere leaves alone.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>il se trouve sur le disque de démarrage, auquel Quillmere ne touche pas.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is a system volume, which Quillmere leaves alone.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>c’est un volume système, auquel Quillmere ne touche pas.</translation>
    </message>
    <message>
        <location filename="../../core/format/volumeactiongate.cpp" line="+18"/>
        <source>its media policy doesn’t allow it.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t rename “X”: &quot; + this</extracomment>
        <translation>sa règle de support ne le permet pas.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it is a fixed internal volume; only removable volumes and network shares are ejected.</source>
        <extracomment>Why an eject is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>c’est un volume interne fixe&#x202f;; seuls les volumes amovibles et les partages réseau sont éjectés.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is already mounted.</source>
        <extracomment>Why a remount is refused: &quot;Couldn’t remount “X”: &quot; + this</extracomment>
        <translation>il est déjà monté.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it has no device node.</source>
        <extracomment>Why a rename is refused: &quot;Couldn’t rename “X”: &quot; + this</extracomment>
        <translation>il n’a pas de fichier de périphérique.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its file system (XFS) can be renamed only while it is unmounted.</source>
        <extracomment>Why a rename is refused: &quot;Couldn’t rename “X”: &quot; + this</extracomment>
        <translation>son système de fichiers (XFS) ne peut être renommé que lorsqu’il est démonté.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no volume is erased until media-policy-overrides.json is fixed (%1).</source>
        <extracomment>Why an erase is refused: &quot;Couldn’t erase “X”: &quot; + this; %1 is the file&apos;s fault</extracomment>
        <translation>aucun volume n’est formaté tant que media-policy-overrides.json n’est pas corrigé (%1).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>only removable, external, and disk-image volumes may be erased.</source>
        <extracomment>Why an erase is refused: &quot;Couldn’t erase “X”: &quot; + this</extracomment>
        <translation>seuls les volumes amovibles, les volumes externes et les images disque peuvent être formatés.</translation>
    </message>
</context>
<context>
    <name>VolumeMenuModel</name>
    <message>
        <location filename="../../core/format/volumemenumodel.cpp" line="+13"/>
        <source>Ignore in Auto-Eject &amp; Eject All</source>
        <extracomment>Checkmark menu item exempting a volume from bulk ejection</extracomment>
        <translation>Ignorer pour l’éjection automatique et «&#xa0;Tout éjecter&#xa0;»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open in File Manager</source>
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
    <name>VolumeNameRules</name>
    <message>
        <location filename="../../core/operations/volumenamerules.cpp" line="+21"/>
        <source>spaces</source>
        <extracomment>A character a volume name cannot contain</extracomment>
        <translation>d’espaces</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Volume names can’t contain control characters such as line breaks or tabs.</source>
        <extracomment>Volume name refusal</extracomment>
        <translation>Les noms de volume ne peuvent pas contenir de caractères de contrôle comme des sauts de ligne ou des tabulations.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Names of %1 volumes can’t contain %2.</source>
        <extracomment>Volume name refusal; %1 is a file system (&quot;FAT&quot;), %2 a character</extracomment>
        <translation>Les noms de volumes %1 ne peuvent pas contenir %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Names of %1 volumes can only contain letters A–Z, digits and plain punctuation, not %2.</source>
        <extracomment>Volume name refusal; %1 is a file system (&quot;FAT&quot;), %2 a character</extracomment>
        <translation>Les noms de volumes %1 ne peuvent contenir que les lettres A à Z, des chiffres et une ponctuation simple, pas %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Names of %1 volumes can be at most %2 bytes long; this one has %3. Letters with accents and other symbols take two bytes or more.</source>
        <extracomment>Volume name refusal; %1 is a file system (&quot;ext4&quot;)</extracomment>
        <translation>Les noms de volumes %1 ne peuvent pas dépasser %2 octets&#x202f;; celui-ci en fait %3. Les lettres accentuées et les autres symboles occupent deux octets ou plus.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Names of %1 volumes can be at most %2 characters long; this one has %3.</source>
        <extracomment>Volume name refusal; %1 is a file system (&quot;NTFS&quot;)</extracomment>
        <translation>Les noms de volumes %1 ne peuvent pas dépasser %2 caractères&#x202f;; celui-ci en compte %3.</translation>
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
