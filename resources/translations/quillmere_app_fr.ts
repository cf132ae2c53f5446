<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../../app/window/alertdialog.cpp" line="+118"/>
        <source>Cancel</source>
        <extracomment>Button</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>AppServices</name>
    <message>
        <location filename="../../app/shell/appservices.cpp" line="+44"/>
        <source>Ejecting external volumes before sleep</source>
        <extracomment>Reason of the sleep delay lock, shown by system tools</extracomment>
        <translation>Éjection des volumes externes avant la mise en veille</translation>
    </message>
</context>
<context>
    <name>AutoEjectController</name>
    <message>
        <location filename="../../app/services/autoejectcontroller.cpp" line="+263"/>
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
    <name>ErasePanel</name>
    <message>
        <location line="-59"/>
        <location filename="../../app/window/erasepanel.cpp" line="+11"/>
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
        <location filename="../../app/window/failurealert.cpp" line="+8"/>
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
    <name>OperationFlows</name>
    <message>
        <location filename="../../app/shell/operationflows.cpp" line="+75"/>
        <source>The volume couldn’t be ejected.</source>
        <extracomment>Eject failure alert text</extracomment>
        <translation>Le volume n’a pas pu être éjecté.</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>The operation failed.</source>
        <extracomment>Operation failure alert text</extracomment>
        <translation>L’opération a échoué.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Couldn’t eject “%1”</source>
        <extracomment>Eject failure alert title</extracomment>
        <translation>Impossible d’éjecter «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn’t force eject “%1”</source>
        <extracomment>Force-eject failure alert title</extracomment>
        <translation>Impossible de forcer l’éjection de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t rename “%1”</source>
        <extracomment>Rename failure alert title</extracomment>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t erase “%1”</source>
        <extracomment>Erase failure alert title</extracomment>
        <translation>Impossible de formater «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t remount “%1”</source>
        <extracomment>Remount failure alert title</extracomment>
        <translation>Impossible de monter à nouveau «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>RenamePrompt</name>
    <message>
        <location filename="../../app/window/renameprompt.cpp" line="+9"/>
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
    <name>StatusItemController</name>
    <message>
        <location filename="../../app/surfaces/statusitem.cpp" line="+66"/>
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
        <location line="+100"/>
        <source>Open Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Ouvrir Quillmere</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No volumes</source>
        <extracomment>Empty menu placeholder</extracomment>
        <translation>Aucun volume</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Eject All</source>
        <extracomment>Menu item</extracomment>
        <translation>Tout éjecter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open /Volumes in Finder</source>
        <extracomment>Menu item</extracomment>
        <translation>Ouvrir les supports amovibles dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <location line="+4"/>
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
        <location line="+4"/>
        <source>Open Disk Utility</source>
        <extracomment>Menu item</extracomment>
        <translation>Ouvrir Disques</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quit Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Quitter Quillmere</translation>
    </message>
    <message>
        <location line="+19"/>
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
        <location line="+52"/>
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
    <name>VolumeActionsMenu</name>
    <message>
        <location filename="../../app/surfaces/volumeactionsmenu.cpp" line="+190"/>
        <source>Couldn’t eject “%1”</source>
        <extracomment>Eject failure alert title</extracomment>
        <translation>Impossible d’éjecter «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
</TS>
