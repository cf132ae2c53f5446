<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../../app/window/alertdialog.cpp" line="+118"/>
        <source>Cancel</source>
        <extracomment>Button</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>AppServices</name>
    <message>
        <location filename="../../app/shell/appservices.cpp" line="+44"/>
        <source>Ejecting external volumes before sleep</source>
        <extracomment>Reason of the sleep delay lock, shown by system tools</extracomment>
        <translation>Externe Datenträger werden vor dem Bereitschaftsmodus ausgeworfen</translation>
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
        <translation>„%1“ ausgeworfen – wird beim Aufwachen wieder eingehängt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ejected “%1”</source>
        <extracomment>Auto-eject notification body without remounting; %1 is the volume name</extracomment>
        <translation>„%1“ ausgeworfen</translation>
    </message>
</context>
<context>
    <name>ConfirmationPresenter</name>
    <message>
        <location filename="../../app/window/confirmationdialog.cpp" line="+29"/>
        <source>Type the volume name to confirm.</source>
        <extracomment>Appended to a confirmation body</extracomment>
        <translation>Geben Sie zur Bestätigung den Namen des Datenträgers ein.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hold the button below for 3 seconds to enable %1.</source>
        <extracomment>Appended to a confirmation body; %1 is the confirm-button title</extracomment>
        <translation>Halten Sie den Knopf unten 3 Sekunden lang gedrückt, um „%1“ freizugeben.</translation>
    </message>
    <message>
        <location filename="../../app/window/confirmationpresenter.cpp" line="+27"/>
        <source>Eject “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>„%1“ auswerfen?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Force Eject “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>Auswerfen von „%1“ erzwingen?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remount “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>„%1“ erneut einhängen?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rename “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>„%1“ umbenennen?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Are you sure you want to eject “%1”?</source>
        <extracomment>Confirmation body</extracomment>
        <translation>Möchten Sie „%1“ wirklich auswerfen?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Apps using “%1” may lose unsaved data.</source>
        <extracomment>Force-eject confirmation warning</extracomment>
        <translation>Programme, die „%1“ verwenden, können ungesicherte Daten verlieren.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Are you sure you want to remount “%1”?</source>
        <extracomment>Confirmation body</extracomment>
        <translation>Möchten Sie „%1“ wirklich erneut einhängen?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Are you sure you want to rename “%1”?</source>
        <extracomment>Confirmation body</extracomment>
        <translation>Möchten Sie „%1“ wirklich umbenennen?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All data on “%1” will be permanently destroyed. This can’t be undone.</source>
        <extracomment>Erase confirmation warning</extracomment>
        <translation>Alle Daten auf „%1“ werden unwiderruflich gelöscht. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Eject</source>
        <extracomment>Confirm button / operation name</extracomment>
        <translation>Auswerfen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Force Eject</source>
        <extracomment>Destructive button</extracomment>
        <translation>Auswerfen erzwingen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remount</source>
        <extracomment>Confirm button / operation name</extracomment>
        <translation>Erneut einhängen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rename</source>
        <extracomment>Button</extracomment>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Erase</source>
        <extracomment>Destructive button</extracomment>
        <translation>Formatieren</translation>
    </message>
</context>
<context>
    <name>ErasePanel</name>
    <message>
        <location line="-59"/>
        <location filename="../../app/window/erasepanel.cpp" line="+11"/>
        <source>Erase “%1”?</source>
        <extracomment>Erase panel title</extracomment>
        <translation>„%1“ formatieren?</translation>
    </message>
    <message>
        <location filename="../../app/window/erasepanel.cpp" line="+2"/>
        <source>All data on the volume will be permanently destroyed. Choose a format and a name for the erased volume.</source>
        <extracomment>Erase panel body</extracomment>
        <translation>Alle Daten auf dem Datenträger werden unwiderruflich gelöscht. Wählen Sie ein Format und einen Namen für den formatierten Datenträger.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Erase</source>
        <extracomment>Destructive button</extracomment>
        <translation>Formatieren</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>New name</source>
        <extracomment>Text-field placeholder</extracomment>
        <translation>Neuer Name</translation>
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
        <translation>„%1“ wird verwendet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“%1” is in use by: %2. Force ejecting may cause data loss.</source>
        <extracomment>Force-eject dialog body; %2 is an app-name list</extracomment>
        <translation>„%1“ wird verwendet von: %2. Erzwungenes Auswerfen kann zu Datenverlust führen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Force Eject</source>
        <extracomment>Destructive button</extracomment>
        <translation>Auswerfen erzwingen</translation>
    </message>
</context>
<context>
    <name>HoldToConfirmButton</name>
    <message>
        <location filename="../../app/window/holdtoconfirmbutton.cpp" line="+35"/>
        <source>Hold to Confirm</source>
        <extracomment>Hold-button idle title</extracomment>
        <translation>Zum Bestätigen halten</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Hold… %1</source>
        <extracomment>Hold-button countdown</extracomment>
        <translation>Halten … %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Confirmed</source>
        <extracomment>Hold-button completed title</extracomment>
        <translation>Bestätigt</translation>
    </message>
</context>
<context>
    <name>OperationFlows</name>
    <message>
        <location filename="../../app/shell/operationflows.cpp" line="+75"/>
        <source>The volume couldn’t be ejected.</source>
        <extracomment>Eject failure alert text</extracomment>
        <translation>Der Datenträger konnte nicht ausgeworfen werden.</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>The operation failed.</source>
        <extracomment>Operation failure alert text</extracomment>
        <translation>Der Vorgang ist fehlgeschlagen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Couldn’t eject “%1”</source>
        <extracomment>Eject failure alert title</extracomment>
        <translation>„%1“ konnte nicht ausgeworfen werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn’t force eject “%1”</source>
        <extracomment>Force-eject failure alert title</extracomment>
        <translation>Auswerfen von „%1“ konnte nicht erzwungen werden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t rename “%1”</source>
        <extracomment>Rename failure alert title</extracomment>
        <translation>„%1“ konnte nicht umbenannt werden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t erase “%1”</source>
        <extracomment>Erase failure alert title</extracomment>
        <translation>„%1“ konnte nicht formatiert werden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t remount “%1”</source>
        <extracomment>Remount failure alert title</extracomment>
        <translation>„%1“ konnte nicht erneut eingehängt werden</translation>
    </message>
</context>
<context>
    <name>RenamePrompt</name>
    <message>
        <location filename="../../app/window/renameprompt.cpp" line="+9"/>
        <source>Rename “%1”</source>
        <extracomment>Rename prompt title</extracomment>
        <translation>„%1“ umbenennen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter a new name for the volume.</source>
        <extracomment>Rename prompt body</extracomment>
        <translation>Geben Sie einen neuen Namen für den Datenträger ein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rename</source>
        <extracomment>Button</extracomment>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Volume name</source>
        <extracomment>Text-field placeholder</extracomment>
        <translation>Name des Datenträgers</translation>
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
        <translation>Quillmere öffnen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No volumes</source>
        <extracomment>Empty menu placeholder</extracomment>
        <translation>Keine Datenträger</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Eject All</source>
        <extracomment>Menu item</extracomment>
        <translation>Alle auswerfen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open /Volumes in Finder</source>
        <extracomment>Menu item</extracomment>
        <translation>Wechselmedien im Dateimanager öffnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>History…</source>
        <extracomment>Menu item</extracomment>
        <translation>Verlauf …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preferences…</source>
        <extracomment>Menu item</extracomment>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open Disk Utility</source>
        <extracomment>Menu item</extracomment>
        <translation>Laufwerke öffnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quit Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Quillmere beenden</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Mounting…</source>
        <extracomment>In-flight menu item</extracomment>
        <translation>Wird eingehängt …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remount</source>
        <extracomment>Menu item</extracomment>
        <translation>Erneut einhängen</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Ejecting…</source>
        <extracomment>In-flight menu item</extracomment>
        <translation>Wird ausgeworfen …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eject</source>
        <extracomment>Menu item</extracomment>
        <translation>Auswerfen</translation>
    </message>
</context>
<context>
    <name>VolumeActionsMenu</name>
    <message>
        <location filename="../../app/surfaces/volumeactionsmenu.cpp" line="+190"/>
        <source>Couldn’t eject “%1”</source>
        <extracomment>Eject failure alert title</extracomment>
        <translation>„%1“ konnte nicht ausgeworfen werden</translation>
    </message>
</context>
</TS>
