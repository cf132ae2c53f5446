<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../../app/common/alertdialog.cpp" line="+153"/>
        <source>Cancel</source>
        <extracomment>Button</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>AppServices</name>
    <message>
        <location filename="../../app/shell/appservices.cpp" line="+104"/>
        <source>Ejecting external volumes before sleep</source>
        <extracomment>Reason of the sleep delay lock, shown by system tools</extracomment>
        <translation>Éjection des volumes externes avant la mise en veille</translation>
    </message>
</context>
<context>
    <name>AutoEjectController</name>
    <message>
        <location filename="../../app/services/autoejectcontroller.cpp" line="+261"/>
        <source>Quillmere</source>
        <extracomment>Auto-eject notification title</extracomment>
        <translation>Quillmere</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ejected “%1” — will remount on wake</source>
        <extracomment>Auto-eject notification body; %1 is the volume name</extracomment>
        <translation>«&#xa0;%1&#xa0;» éjecté — sera monté à nouveau au réveil</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ejected “%1”</source>
        <extracomment>Auto-eject notification body without remounting; %1 is the volume name</extracomment>
        <translation>«&#xa0;%1&#xa0;» éjecté</translation>
    </message>
</context>
<context>
    <name>AutostartManager</name>
    <message>
        <location filename="../../app/services/autostartmanager.cpp" line="+79"/>
        <source>not a folder</source>
        <extracomment>Login-item error detail: a file stands where the autostart folder goes</extracomment>
        <translation>pas un dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder cannot be created</source>
        <extracomment>Login-item error detail</extracomment>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>ConfirmationPresenter</name>
    <message>
        <location filename="../../app/window/confirmationdialog.cpp" line="+29"/>
        <source>Type the volume name to confirm.</source>
        <extracomment>Appended to a confirmation body</extracomment>
        <translation>Saisissez le nom du volume pour confirmer.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hold the button below for 3 seconds to enable %1.</source>
        <extracomment>Appended to a confirmation body; %1 is the confirm-button title</extracomment>
        <translation>Maintenez le bouton ci-dessous enfoncé pendant 3 secondes pour activer «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../../app/window/confirmationpresenter.cpp" line="+27"/>
        <source>Eject “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>Éjecter «&#xa0;%1&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Force Eject “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>Forcer l’éjection de «&#xa0;%1&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remount “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>Monter à nouveau «&#xa0;%1&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rename “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>Renommer «&#xa0;%1&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Are you sure you want to eject “%1”?</source>
        <extracomment>Confirmation body</extracomment>
        <translation>Voulez-vous vraiment éjecter «&#xa0;%1&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Apps using “%1” may lose unsaved data.</source>
        <extracomment>Force-eject confirmation warning</extracomment>
        <translation>Les applications qui utilisent «&#xa0;%1&#xa0;» risquent de perdre des données non enregistrées.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Are you sure you want to remount “%1”?</source>
        <extracomment>Confirmation body</extracomment>
        <translation>Voulez-vous vraiment monter à nouveau «&#xa0;%1&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Are you sure you want to rename “%1”?</source>
        <extracomment>Confirmation body</extracomment>
        <translation>Voulez-vous vraiment renommer «&#xa0;%1&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All data on “%1” will be permanently destroyed. This can’t be undone.</source>
        <extracomment>Erase confirmation warning</extracomment>
        <translation>Toutes les données de «&#xa0;%1&#xa0;» seront définitivement détruites. Cette action est irréversible.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Eject</source>
        <extracomment>Confirm button / operation name</extracomment>
        <translation>Éjecter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Force Eject</source>
        <extracomment>Destructive button</extracomment>
        <translation>Forcer l’éjection</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remount</source>
        <extracomment>Confirm button / operation name</extracomment>
        <translation>Monter à nouveau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rename</source>
        <extracomment>Button</extracomment>
        <translation>Renommer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Erase</source>
        <extracomment>Destructive button</extracomment>
        <translation>Formater</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <location filename="../../app/shortcut/desktopshortcuts.cpp" line="+20"/>
        <source>Eject All</source>
        <extracomment>What the global shortcut does, as the desktop&apos;s shortcut settings list it</extracomment>
        <translation>Tout éjecter</translation>
    </message>
</context>
<context>
    <name>ErasePanel</name>
    <message>
        <location filename="../../app/window/confirmationpresenter.cpp" line="-59"/>
        <location filename="../../app/window/erasepanel.cpp" line="+14"/>
        <source>Erase “%1”?</source>
        <extracomment>Erase panel title</extracomment>
        <translation>Formater «&#xa0;%1&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <location filename="../../app/window/erasepanel.cpp" line="+2"/>
        <source>All data on the volume will be permanently destroyed. Choose a format and a name for the erased volume.</source>
        <extracomment>Erase panel body</extracomment>
        <translation>Toutes les données du volume seront définitivement détruites. Choisissez un format et un nom pour le volume formaté.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Erase</source>
        <extracomment>Destructive button</extracomment>
        <translation>Formater</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>New name</source>
        <extracomment>Text-field placeholder</extracomment>
        <translation>Nouveau nom</translation>
    </message>
</context>
<context>
    <name>FailureAlert</name>
    <message>
        <location filename="../../app/common/failurealert.cpp" line="+8"/>
        <source>OK</source>
        <extracomment>Button</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ForceEjectDialog</name>
    <message>
        <location filename="../../app/window/forceejectdialog.cpp" line="+10"/>
        <source>“%1” is in use</source>
        <extracomment>Force-eject dialog title</extracomment>
        <translation>«&#xa0;%1&#xa0;» est en cours d’utilisation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“%1” is in use by: %2. Force ejecting may cause data loss.</source>
        <extracomment>Force-eject dialog body; %2 is an app-name list</extracomment>
        <translation>«&#xa0;%1&#xa0;» est utilisé par&#xa0;: %2. Forcer l’éjection peut entraîner une perte de données.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Force Eject</source>
        <extracomment>Destructive button</extracomment>
        <translation>Forcer l’éjection</translation>
    </message>
</context>
<context>
    <name>GridTileView</name>
    <message>
        <location filename="../../app/surfaces/gridtileview.cpp" line="+186"/>
        <source>Eject %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>Éjecter %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remount %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>Monter à nouveau %1</translation>
    </message>
</context>
<context>
    <name>HistoryPanel</name>
    <message>
        <location filename="../../app/window/historypanel.cpp" line="+48"/>
        <location line="+39"/>
        <source>Clear</source>
        <extracomment>History button</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Export…</source>
        <extracomment>History button</extracomment>
        <translation>Exporter…</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Clear operation history?</source>
        <extracomment>Clear-history alert title</extracomment>
        <translation>Effacer l’historique des opérations&#x202f;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This permanently deletes all logged entries.</source>
        <extracomment>Clear-history alert body</extracomment>
        <translation>Toutes les entrées enregistrées seront définitivement supprimées.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Quillmere History.jsonl</source>
        <extracomment>Default export filename (keep .jsonl)</extracomment>
        <translation>Historique Quillmere.jsonl</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export History</source>
        <extracomment>Title of the export file dialog</extracomment>
        <translation>Exporter l’historique</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>“%1” couldn’t be saved.</source>
        <extracomment>Export failure alert title; %1 is a file name</extracomment>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>HistoryTableModel</name>
    <message>
        <location filename="../../app/window/historytablemodel.cpp" line="+55"/>
        <source>Time</source>
        <extracomment>History column</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Volume</source>
        <extracomment>History column</extracomment>
        <translation>Volume</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Operation</source>
        <extracomment>History column</extracomment>
        <translation>Opération</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Result</source>
        <extracomment>History column</extracomment>
        <translation>Résultat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Detail</source>
        <extracomment>History column</extracomment>
        <translation>Détail</translation>
    </message>
</context>
<context>
    <name>HoldToConfirmButton</name>
    <message>
        <location filename="../../app/window/holdtoconfirmbutton.cpp" line="+35"/>
        <source>Hold to Confirm</source>
        <extracomment>Hold-button idle title</extracomment>
        <translation>Maintenir pour confirmer</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Hold… %1</source>
        <extracomment>Hold-button countdown</extracomment>
        <translation>Maintenez… %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Confirmed</source>
        <extracomment>Hold-button completed title</extracomment>
        <translation>Confirmé</translation>
    </message>
</context>
<context>
    <name>LanguagePicker</name>
    <message>
        <location filename="../../app/window/languagepicker.cpp" line="+13"/>
        <source>System Default</source>
        <extracomment>Language picker item</extracomment>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>ListRowView</name>
    <message>
        <location filename="../../app/surfaces/listrowview.cpp" line="+94"/>
        <source>Eject %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>Éjecter %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remount %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>Monter à nouveau %1</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <location filename="../../app/window/mainmenubar.cpp" line="+72"/>
        <source>&amp;File</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eject All</source>
        <extracomment>Menu item</extracomment>
        <translation>Tout éjecter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <extracomment>Menu item</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Uninstall Quillmere…</source>
        <extracomment>Menu item</extracomment>
        <translation>Désinstaller Quillmere…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quit Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Quitter Quillmere</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <extracomment>Menu title</extracomment>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Undo</source>
        <extracomment>Menu item</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <extracomment>Menu item</extracomment>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cut</source>
        <extracomment>Menu item</extracomment>
        <translation>Couper</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>Menu item</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <extracomment>Menu item</extracomment>
        <translation>Coller</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select All</source>
        <extracomment>Menu item</extracomment>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Preferences…</source>
        <extracomment>Menu item</extracomment>
        <translation>Préférences…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;View</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>as Grid</source>
        <extracomment>Menu item</extracomment>
        <translation>en grille</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>as List</source>
        <extracomment>Menu item</extracomment>
        <translation>en liste</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Window</source>
        <extracomment>Menu title</extracomment>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minimize</source>
        <extracomment>Menu item</extracomment>
        <translation>Réduire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Maximize</source>
        <extracomment>Menu item</extracomment>
        <translation>Maximiser</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <extracomment>Menu title</extracomment>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillmere Help</source>
        <extracomment>Menu item</extracomment>
        <translation>Aide de Quillmere</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Feedback…</source>
        <extracomment>Menu item</extracomment>
        <translation>Envoyer un commentaire…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>License Agreement</source>
        <extracomment>Menu item</extracomment>
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Privacy Policy</source>
        <extracomment>Menu item</extracomment>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>À propos de Quillmere</translation>
    </message>
</context>
<context>
    <name>MainWindowController</name>
    <message>
        <location filename="../../app/window/mainwindowcontroller.cpp" line="+149"/>
        <source>Toggle Sidebar</source>
        <extracomment>Toolbar item</extracomment>
        <translation>Afficher ou masquer la barre latérale</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>View</source>
        <extracomment>Toolbar item label</extracomment>
        <translation>Affichage</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Quillmere — %1</source>
        <extracomment>Window title; %1 is the pane&apos;s title</extracomment>
        <translation>Quillmere — %1</translation>
    </message>
    <message>
        <location line="+155"/>
        <source>About Quillmere</source>
        <extracomment>About box title</extracomment>
        <translation>À propos de Quillmere</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Version %1</source>
        <extracomment>About box; %1 is the version number</extracomment>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>MoveToApplications</name>
    <message>
        <location filename="../../app/services/movetoapplications.cpp" line="+101"/>
        <source>Cannot create the folder %1</source>
        <extracomment>Move failure reason</extracomment>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Move Quillmere to the Applications folder?</source>
        <extracomment>Move-offer title</extracomment>
        <translation>Déplacer Quillmere dans le dossier «&#xa0;Applications&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quillmere is running from %1. Moving it to the Applications folder keeps it in the standard place and makes sure your desktop treats it as a properly installed app.</source>
        <extracomment>Move-offer body; %1 is a location description</extracomment>
        <translation>Quillmere est exécuté depuis %1. Le déplacer dans le dossier «&#xa0;Applications&#xa0;» le range à l’emplacement habituel et garantit que votre bureau le traite comme une application correctement installée.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move to Applications</source>
        <extracomment>Move-offer button</extracomment>
        <translation>Déplacer dans «&#xa0;Applications&#xa0;»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don’t Move</source>
        <extracomment>Move-offer decline button</extracomment>
        <translation>Ne pas déplacer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Couldn’t move Quillmere</source>
        <extracomment>Move failure title</extracomment>
        <translation>Impossible de déplacer Quillmere</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copying to the Applications folder failed: %1 You can move Quillmere there yourself in your file manager.</source>
        <extracomment>Move failure body; %1 is the underlying error</extracomment>
        <translation>La copie dans le dossier «&#xa0;Applications&#xa0;» a échoué&#xa0;: %1 Vous pouvez y déplacer Quillmere vous-même dans votre gestionnaire de fichiers.</translation>
    </message>
</context>
<context>
    <name>OperationFlows</name>
    <message>
        <location filename="../../app/shell/operationflows.cpp" line="+102"/>
        <source>The volume couldn’t be ejected.</source>
        <extracomment>Eject failure alert text</extracomment>
        <translation>Le volume n’a pas pu être éjecté.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>This computer has none of the tools that make the file systems a volume can be erased to.</source>
        <extracomment>Erase failure alert text when no erase format can be made</extracomment>
        <translation>Cet ordinateur ne dispose d’aucun des outils qui créent les systèmes de fichiers utilisés pour formater un volume.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The operation failed.</source>
        <extracomment>Operation failure alert text</extracomment>
        <translation>L’opération a échoué.</translation>
    </message>
</context>
<context>
    <name>PopoverPanel</name>
    <message>
        <location filename="../../app/surfaces/popoverpanel.cpp" line="+42"/>
        <source>Volumes</source>
        <extracomment>Accessible title of the volumes popover window</extracomment>
        <translation>Volumes</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <location filename="../../app/window/preferencespane.cpp" line="+116"/>
        <source>Relaunch Quillmere to switch language?</source>
        <extracomment>Language relaunch prompt title</extracomment>
        <translation>Relancer Quillmere pour changer de langue&#x202f;?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Eject All shortcut:</source>
        <extracomment>Preferences row label</extracomment>
        <translation>Raccourci «&#xa0;Tout éjecter&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>General:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Général&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Launch at login</source>
        <extracomment>Preferences checkbox</extracomment>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Language:</source>
        <extracomment>Language picker label</extracomment>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Show volumes in:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Afficher les volumes dans&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Both</source>
        <extracomment>Surface radio</extracomment>
        <translation>Les deux</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show these volume types:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Afficher ces types de volumes&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Behavior:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Comportement&#xa0;:</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Tray</source>
        <extracomment>Surface radio</extracomment>
        <translation>Zone de notification</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Popover</source>
        <extracomment>Surface radio</extracomment>
        <translation>Fenêtre contextuelle</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Eject external volumes when the computer sleeps</source>
        <extracomment>Preferences checkbox</extracomment>
        <translation>Éjecter les volumes externes à la mise en veille</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Eject external volumes when the screen locks</source>
        <extracomment>Preferences checkbox</extracomment>
        <translation>Éjecter les volumes externes au verrouillage de l’écran</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remount auto-ejected volumes on wake</source>
        <extracomment>Preferences checkbox</extracomment>
        <translation>Monter à nouveau au réveil les volumes éjectés automatiquement</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Ignored volumes:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Volumes ignorés&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ignored volumes are skipped by auto-eject and Eject All. Right-click a volume and choose “Ignore in Auto-Eject &amp; Eject All” to add one.</source>
        <extracomment>Preferences hint</extracomment>
        <translation>Les volumes ignorés ne sont concernés ni par l’éjection automatique ni par «&#xa0;Tout éjecter&#xa0;». Pour en ajouter un, faites un clic droit sur un volume et choisissez «&#xa0;Ignorer pour l’éjection automatique et “Tout éjecter”&#xa0;».</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Destructive actions:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Actions destructrices&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Confirm erase with:</source>
        <extracomment>Preferences row label</extracomment>
        <translation>Confirmer le formatage par&#xa0;:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Eject external volumes after</source>
        <extracomment>Idle-eject checkbox prefix</extracomment>
        <translation>Éjecter les volumes externes après</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>minutes without disk activity</source>
        <extracomment>Idle-eject row suffix</extracomment>
        <translation>minutes sans activité du disque</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>None</source>
        <extracomment>Empty ignored-volumes list</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove</source>
        <extracomment>Ignored-volumes row button</extracomment>
        <translation>Retirer</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The new language takes effect when Quillmere reopens.</source>
        <extracomment>Language relaunch prompt body</extracomment>
        <translation>La nouvelle langue s’appliquera à la réouverture de Quillmere.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Relaunch Now</source>
        <extracomment>Language relaunch button</extracomment>
        <translation>Relancer maintenant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Later</source>
        <extracomment>Dismiss button</extracomment>
        <translation>Plus tard</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Couldn&apos;t enable launch at login: %1</source>
        <extracomment>Login-item error</extracomment>
        <translation>Impossible d’activer le lancement à l’ouverture de session&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn&apos;t disable launch at login: %1</source>
        <extracomment>Login-item error</extracomment>
        <translation>Impossible de désactiver le lancement à l’ouverture de session&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>RenamePrompt</name>
    <message>
        <location filename="../../app/window/renameprompt.cpp" line="+12"/>
        <source>Rename “%1”</source>
        <extracomment>Rename prompt title</extracomment>
        <translation>Renommer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter a new name for the volume.</source>
        <extracomment>Rename prompt body</extracomment>
        <translation>Saisissez un nouveau nom pour le volume.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rename</source>
        <extracomment>Button</extracomment>
        <translation>Renommer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Volume name</source>
        <extracomment>Text-field placeholder</extracomment>
        <translation>Nom du volume</translation>
    </message>
</context>
<context>
    <name>ShortcutHint</name>
    <message>
        <location filename="../../app/shortcut/shortcuthint.cpp" line="+31"/>
        <source>Works from any app</source>
        <extracomment>Shortcut hint</extracomment>
        <translation>Fonctionne dans toutes les applications</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 works from any app</source>
        <extracomment>Shortcut hint once the desktop confirmed the key; %1 is the key as the desktop describes it</extracomment>
        <translation>%1 fonctionne dans toutes les applications</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Assign it in your desktop&apos;s keyboard shortcut settings</source>
        <extracomment>Shortcut hint while the desktop waits for the user to give the shortcut a key</extracomment>
        <translation>Attribuez-le dans les paramètres des raccourcis clavier de votre bureau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Declined in the desktop&apos;s shortcut dialog</source>
        <extracomment>Shortcut hint after the user declined the shortcut in the desktop&apos;s dialog</extracomment>
        <translation>Refusé dans la boîte de dialogue des raccourcis du bureau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The desktop refused this shortcut</source>
        <extracomment>Shortcut hint when the desktop refused the shortcut</extracomment>
        <translation>Le bureau a refusé ce raccourci</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <location filename="../../app/shortcut/shortcutrecorder.cpp" line="+88"/>
        <source>Press shortcut</source>
        <extracomment>Shortcut field placeholder while recording (press_shortcut)</extracomment>
        <translation>Appuyez sur le raccourci</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Record shortcut</source>
        <extracomment>Shortcut field placeholder when no shortcut is set (record_shortcut)</extracomment>
        <translation>Enregistrer un raccourci</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This desktop has no global shortcuts</source>
        <extracomment>Shortcut field text where the desktop cannot give programs global shortcuts</extracomment>
        <translation>Ce bureau n’a pas de raccourcis globaux</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>This desktop offers programs no global shortcuts. They work in an X11 session, and on Wayland where the desktop portal offers global shortcuts.</source>
        <extracomment>Tooltip of the shortcut field where the desktop offers no global shortcuts</extracomment>
        <translation>Ce bureau ne propose pas de raccourcis globaux aux programmes. Ils fonctionnent dans une session X11, et sous Wayland lorsque le portail du bureau propose des raccourcis globaux.</translation>
    </message>
    <message>
        <location line="+190"/>
        <source>This shortcut cannot be used because it is already used by the menu item “%1”.</source>
        <extracomment>Alert when a recorded shortcut is a menu item&apos;s (keyboard_shortcut_used_by_menu_item)</extracomment>
        <translation>Ce raccourci ne peut pas être utilisé, car il est déjà attribué à l’élément de menu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>With Shift alone this key types or selects text in every program. Add Ctrl, Alt or Super.</source>
        <translation>Avec Maj seule, cette touche saisit ou sélectionne du texte dans tous les programmes. Ajoutez Ctrl, Alt ou Super.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The desktop cannot watch for this key.</source>
        <translation>Le bureau ne peut pas surveiller cette touche.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This shortcut cannot be used.</source>
        <extracomment>Alert when a recorded shortcut is not allowed (keyboard_shortcut_disallowed)</extracomment>
        <translation>Ce raccourci ne peut pas être utilisé.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>This shortcut is already used by another program or by the desktop.</source>
        <extracomment>Alert when another program or the desktop holds the combination (keyboard_shortcut_used_by_system)</extracomment>
        <translation>Ce raccourci est déjà utilisé par un autre programme ou par le bureau.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop’s own shortcuts can be changed in its keyboard settings; another program holds its combination while it runs.</source>
        <extracomment>Informative text of that alert (keyboard_shortcuts_can_be_changed)</extracomment>
        <translation>Les raccourcis du bureau se modifient dans ses paramètres du clavier&#x202f;; un autre programme garde sa combinaison tant qu’il est ouvert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Use Anyway</source>
        <extracomment>Button that stores the combination anyway (force_use_shortcut)</extracomment>
        <translation>Utiliser quand même</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>OK</source>
        <extracomment>Button that closes an alert</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SidebarView</name>
    <message>
        <location filename="../../app/window/sidebarview.cpp" line="+47"/>
        <source>Send Feedback…</source>
        <extracomment>Footer link</extracomment>
        <translation>Envoyer un commentaire…</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Volumes</source>
        <extracomment>Sidebar pane / window title</extracomment>
        <translation>Volumes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>History</source>
        <extracomment>Sidebar pane / window title</extracomment>
        <translation>Historique</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preferences</source>
        <extracomment>Sidebar pane / window title</extracomment>
        <translation>Préférences</translation>
    </message>
</context>
<context>
    <name>SpinnerView</name>
    <message>
        <location filename="../../app/surfaces/spinnerview.cpp" line="+11"/>
        <source>In progress</source>
        <extracomment>Accessibility label of a busy indicator</extracomment>
        <translation>En cours</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <location filename="../../app/services/trash.cpp" line="+24"/>
        <source>The trash folder %1 cannot be made.</source>
        <extracomment>Why a file could not be moved to the trash; %1 is a folder</extracomment>
        <translation>Impossible de créer le dossier de la corbeille %1.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../../app/surfaces/trayicon.cpp" line="+100"/>
        <source>Quillmere (Staging)</source>
        <extracomment>Status item tooltip</extracomment>
        <translation>Quillmere (Staging)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillmere</source>
        <extracomment>Status item accessibility description</extracomment>
        <translation>Quillmere</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Open Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Ouvrir Quillmere</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No volumes</source>
        <extracomment>Empty menu placeholder</extracomment>
        <translation>Aucun volume</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Eject All</source>
        <extracomment>Menu item</extracomment>
        <translation>Tout éjecter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open Removable Media in File Manager</source>
        <extracomment>Menu item</extracomment>
        <translation>Ouvrir les supports amovibles dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Open Disks</source>
        <extracomment>Menu item</extracomment>
        <translation>Ouvrir Disques</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>History…</source>
        <extracomment>Menu item</extracomment>
        <translation>Historique…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preferences…</source>
        <extracomment>Menu item</extracomment>
        <translation>Préférences…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quit Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Quitter Quillmere</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Mounting…</source>
        <extracomment>In-flight menu item</extracomment>
        <translation>Montage…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remount</source>
        <extracomment>Menu item</extracomment>
        <translation>Monter à nouveau</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Ejecting…</source>
        <extracomment>In-flight menu item</extracomment>
        <translation>Éjection…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eject</source>
        <extracomment>Menu item</extracomment>
        <translation>Éjecter</translation>
    </message>
</context>
<context>
    <name>UninstallUI</name>
    <message>
        <location filename="../../app/services/uninstallui.cpp" line="+101"/>
        <source>Quillmere will remove its history, settings, cached media definitions and autostart entry, move itself to the trash and quit. This cannot be undone.</source>
        <extracomment>Uninstall confirmation body (uninstall.body), the program is the user&apos;s own copy</extracomment>
        <translation>Quillmere va supprimer son historique, ses préférences, les définitions de supports en cache et son lancement à l’ouverture de session, se placer dans la corbeille puis quitter. Cette action est irréversible.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quillmere will remove its history, settings, cached media definitions and autostart entry, and quit. The program itself is installed for all users: to remove it as well, remove the package “quillmere” with your package manager (for example: sudo apt remove quillmere).</source>
        <extracomment>Uninstall confirmation body (uninstall.body), the program came with the system&apos;s packages</extracomment>
        <translation>Quillmere va supprimer son historique, ses préférences, les définitions de supports en cache et son lancement à l’ouverture de session, puis quitter. Le programme lui-même est installé pour tous les utilisateurs&#xa0;: pour le supprimer aussi, désinstallez le paquet «&#xa0;quillmere&#xa0;» avec votre gestionnaire de paquets (par exemple&#xa0;: sudo apt remove quillmere).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Uninstall Quillmere?</source>
        <extracomment>Uninstall confirmation title</extracomment>
        <translation>Désinstaller Quillmere&#x202f;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Uninstall</source>
        <extracomment>Destructive button</extracomment>
        <translation>Désinstaller</translation>
    </message>
</context>
<context>
    <name>UnplugNotifier</name>
    <message>
        <location filename="../../app/services/unplugnotifier.cpp" line="+19"/>
        <source>Writing data to “%1”…</source>
        <extracomment>Notification title while an eject waits for data to be written; %1 is the volume name</extracomment>
        <translation>Écriture des données sur «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Don’t unplug until it is finished</source>
        <extracomment>Notification body while an eject waits for data to be written</extracomment>
        <translation>Ne débranchez pas avant la fin de l’opération</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>“%1” can be safely unplugged</source>
        <extracomment>Notification title when an eject has finished; %1 is the volume name</extracomment>
        <translation>«&#xa0;%1&#xa0;» peut être débranché en toute sécurité</translation>
    </message>
</context>
<context>
    <name>ViewModeControl</name>
    <message>
        <location filename="../../app/window/viewmodecontrol.cpp" line="+13"/>
        <source>Show volumes as grid or list</source>
        <extracomment>Toolbar tooltip</extracomment>
        <translation>Afficher les volumes en grille ou en liste</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Grid</source>
        <extracomment>View-mode a11y label</extracomment>
        <translation>Grille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>List</source>
        <extracomment>View-mode a11y label</extracomment>
        <translation>Liste</translation>
    </message>
</context>
<context>
    <name>ViewOptionsMenu</name>
    <message>
        <location filename="../../app/surfaces/viewoptionsmenu.cpp" line="+65"/>
        <source>Sort by</source>
        <extracomment>Menu section header</extracomment>
        <translation>Trier par</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name</source>
        <extracomment>View option: sort order</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kind</source>
        <extracomment>View option: sort order</extracomment>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size</source>
        <extracomment>View option: sort order</extracomment>
        <translation>Taille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free Space</source>
        <extracomment>View option: sort order</extracomment>
        <translation>Espace libre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Window icon</source>
        <extracomment>Menu section header</extracomment>
        <translation>Icône de la fenêtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Icon</source>
        <extracomment>View option: what the launcher icon shows</extracomment>
        <translation>Icône du programme</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Volume Stack</source>
        <extracomment>View option: what the launcher icon shows</extracomment>
        <translation>Pile de volumes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>View content as</source>
        <extracomment>Menu section header</extracomment>
        <translation>Afficher le contenu en</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fan</source>
        <extracomment>View option: popover layout</extracomment>
        <translation>Éventail</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grid</source>
        <extracomment>View option: popover layout</extracomment>
        <translation>Grille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>List</source>
        <extracomment>View option: popover layout</extracomment>
        <translation>Liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic</source>
        <extracomment>View option: popover layout</extracomment>
        <translation>Automatique</translation>
    </message>
</context>
<context>
    <name>VolumesPanel</name>
    <message>
        <location filename="../../app/window/volumespanel.cpp" line="+111"/>
        <source>Name</source>
        <extracomment>Table column</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Capacity</source>
        <extracomment>Table column</extracomment>
        <translation>Capacité</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Available</source>
        <extracomment>Table column</extracomment>
        <translation>Disponible</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No Volumes</source>
        <extracomment>Empty-state label</extracomment>
        <translation>Aucun volume</translation>
    </message>
    <message>
        <location line="+254"/>
        <source>Eject %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>Éjecter %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remount %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>Monter à nouveau %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Remount</source>
        <extracomment>Menu item</extracomment>
        <translation>Monter à nouveau</translation>
    </message>
</context>
<context>
    <name>VolumesPopover</name>
    <message>
        <location filename="../../app/surfaces/popoverchrome.cpp" line="+100"/>
        <source>Open in File Manager</source>
        <extracomment>Popover folder entry</extracomment>
        <translation>Ouvrir dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+132"/>
        <source>Options</source>
        <extracomment>Popover list row</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../../app/surfaces/popoverfanbuilder.cpp" line="+36"/>
        <source>%1 More in File Manager</source>
        <extracomment>Fan overflow pill; %1 is how many volumes the fan leaves out</extracomment>
        <translation>%1 de plus dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <location filename="../../app/surfaces/popoverchrome.cpp" line="-56"/>
        <source>Removable Media</source>
        <extracomment>Popover grid title</extracomment>
        <translation>Supports amovibles</translation>
    </message>
    <message>
        <location filename="../../app/surfaces/volumespopover.cpp" line="+383"/>
        <source>Remount</source>
        <extracomment>Menu item</extracomment>
        <translation>Monter à nouveau</translation>
    </message>
</context>
</TS>
