<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../../app/common/alertdialog.cpp" line="+153"/>
        <source>Cancel</source>
        <extracomment>Button</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>AppServices</name>
    <message>
        <location filename="../../app/shell/appservices.cpp" line="+104"/>
        <source>Ejecting external volumes before sleep</source>
        <extracomment>Reason of the sleep delay lock, shown by system tools</extracomment>
        <translation>Externe Datenträger werden vor dem Bereitschaftsmodus ausgeworfen</translation>
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
    <name>AutostartManager</name>
    <message>
        <location filename="../../app/services/autostartmanager.cpp" line="+79"/>
        <source>not a folder</source>
        <extracomment>Login-item error detail: a file stands where the autostart folder goes</extracomment>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder cannot be created</source>
        <extracomment>Login-item error detail</extracomment>
        <translation>der Ordner kann nicht angelegt werden</translation>
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
    <name>DesktopShortcuts</name>
    <message>
        <location filename="../../app/shortcut/desktopshortcuts.cpp" line="+20"/>
        <source>Eject All</source>
        <extracomment>What the global shortcut does, as the desktop&apos;s shortcut settings list it</extracomment>
        <translation>Alle auswerfen</translation>
    </message>
</context>
<context>
    <name>ErasePanel</name>
    <message>
        <location filename="../../app/window/confirmationpresenter.cpp" line="-59"/>
        <location filename="../../app/window/erasepanel.cpp" line="+14"/>
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
    <name>GridTileView</name>
    <message>
        <location filename="../../app/surfaces/gridtileview.cpp" line="+186"/>
        <source>Eject %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>%1 auswerfen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remount %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>%1 erneut einhängen</translation>
    </message>
</context>
<context>
    <name>HistoryPanel</name>
    <message>
        <location filename="../../app/window/historypanel.cpp" line="+48"/>
        <location line="+39"/>
        <source>Clear</source>
        <extracomment>History button</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Export…</source>
        <extracomment>History button</extracomment>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Clear operation history?</source>
        <extracomment>Clear-history alert title</extracomment>
        <translation>Vorgangsverlauf leeren?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This permanently deletes all logged entries.</source>
        <extracomment>Clear-history alert body</extracomment>
        <translation>Dadurch werden alle protokollierten Einträge endgültig gelöscht.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Quillmere History.jsonl</source>
        <extracomment>Default export filename (keep .jsonl)</extracomment>
        <translation>Quillmere-Verlauf.jsonl</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export History</source>
        <extracomment>Title of the export file dialog</extracomment>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>“%1” couldn’t be saved.</source>
        <extracomment>Export failure alert title; %1 is a file name</extracomment>
        <translation>„%1“ konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>HistoryTableModel</name>
    <message>
        <location filename="../../app/window/historytablemodel.cpp" line="+55"/>
        <source>Time</source>
        <extracomment>History column</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Volume</source>
        <extracomment>History column</extracomment>
        <translation>Datenträger</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Operation</source>
        <extracomment>History column</extracomment>
        <translation>Vorgang</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Result</source>
        <extracomment>History column</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Detail</source>
        <extracomment>History column</extracomment>
        <translation>Details</translation>
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
    <name>LanguagePicker</name>
    <message>
        <location filename="../../app/window/languagepicker.cpp" line="+13"/>
        <source>System Default</source>
        <extracomment>Language picker item</extracomment>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>ListRowView</name>
    <message>
        <location filename="../../app/surfaces/listrowview.cpp" line="+94"/>
        <source>Eject %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>%1 auswerfen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remount %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>%1 erneut einhängen</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <location filename="../../app/window/mainmenubar.cpp" line="+72"/>
        <source>&amp;File</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eject All</source>
        <extracomment>Menu item</extracomment>
        <translation>Alle auswerfen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <extracomment>Menu item</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Uninstall Quillmere…</source>
        <extracomment>Menu item</extracomment>
        <translation>Quillmere deinstallieren …</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quit Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Quillmere beenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Undo</source>
        <extracomment>Menu item</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <extracomment>Menu item</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cut</source>
        <extracomment>Menu item</extracomment>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>Menu item</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <extracomment>Menu item</extracomment>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select All</source>
        <extracomment>Menu item</extracomment>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Preferences…</source>
        <extracomment>Menu item</extracomment>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;View</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>as Grid</source>
        <extracomment>Menu item</extracomment>
        <translation>als Raster</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>as List</source>
        <extracomment>Menu item</extracomment>
        <translation>als Liste</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Window</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minimize</source>
        <extracomment>Menu item</extracomment>
        <translation>Minimieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Maximize</source>
        <extracomment>Menu item</extracomment>
        <translation>Maximieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillmere Help</source>
        <extracomment>Menu item</extracomment>
        <translation>Quillmere-Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Feedback…</source>
        <extracomment>Menu item</extracomment>
        <translation>Rückmeldung senden …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>License Agreement</source>
        <extracomment>Menu item</extracomment>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Privacy Policy</source>
        <extracomment>Menu item</extracomment>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Über Quillmere</translation>
    </message>
</context>
<context>
    <name>MainWindowController</name>
    <message>
        <location filename="../../app/window/mainwindowcontroller.cpp" line="+149"/>
        <source>Toggle Sidebar</source>
        <extracomment>Toolbar item</extracomment>
        <translation>Seitenleiste ein-/ausblenden</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>View</source>
        <extracomment>Toolbar item label</extracomment>
        <translation>Ansicht</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Quillmere — %1</source>
        <extracomment>Window title; %1 is the pane&apos;s title</extracomment>
        <translation>Quillmere – %1</translation>
    </message>
    <message>
        <location line="+155"/>
        <source>About Quillmere</source>
        <extracomment>About box title</extracomment>
        <translation>Über Quillmere</translation>
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
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Move Quillmere to the Applications folder?</source>
        <extracomment>Move-offer title</extracomment>
        <translation>Quillmere in den Ordner „Applications“ verschieben?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quillmere is running from %1. Moving it to the Applications folder keeps it in the standard place and makes sure your desktop treats it as a properly installed app.</source>
        <extracomment>Move-offer body; %1 is a location description</extracomment>
        <translation>Quillmere wird %1 ausgeführt. Im Ordner „Applications“ liegt es am üblichen Ort, und Ihre Arbeitsumgebung behandelt es als ordnungsgemäß installiertes Programm.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move to Applications</source>
        <extracomment>Move-offer button</extracomment>
        <translation>In „Applications“ verschieben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don’t Move</source>
        <extracomment>Move-offer decline button</extracomment>
        <translation>Nicht verschieben</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Couldn’t move Quillmere</source>
        <extracomment>Move failure title</extracomment>
        <translation>Quillmere konnte nicht verschoben werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copying to the Applications folder failed: %1 You can move Quillmere there yourself in your file manager.</source>
        <extracomment>Move failure body; %1 is the underlying error</extracomment>
        <translation>Das Kopieren in den Ordner „Applications“ ist fehlgeschlagen: %1 Sie können Quillmere in Ihrem Dateimanager selbst dorthin verschieben.</translation>
    </message>
</context>
<context>
    <name>OperationFlows</name>
    <message>
        <location filename="../../app/shell/operationflows.cpp" line="+102"/>
        <source>The volume couldn’t be ejected.</source>
        <extracomment>Eject failure alert text</extracomment>
        <translation>Der Datenträger konnte nicht ausgeworfen werden.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>This computer has none of the tools that make the file systems a volume can be erased to.</source>
        <extracomment>Erase failure alert text when no erase format can be made</extracomment>
        <translation>Auf diesem Computer fehlen alle Programme, mit denen sich die Dateisysteme zum Formatieren eines Datenträgers erstellen lassen.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The operation failed.</source>
        <extracomment>Operation failure alert text</extracomment>
        <translation>Der Vorgang ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>PopoverPanel</name>
    <message>
        <location filename="../../app/surfaces/popoverpanel.cpp" line="+42"/>
        <source>Volumes</source>
        <extracomment>Accessible title of the volumes popover window</extracomment>
        <translation>Datenträger</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <location filename="../../app/window/preferencespane.cpp" line="+116"/>
        <source>Relaunch Quillmere to switch language?</source>
        <extracomment>Language relaunch prompt title</extracomment>
        <translation>Quillmere neu starten, um die Sprache zu wechseln?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Eject All shortcut:</source>
        <extracomment>Preferences row label</extracomment>
        <translation>Tastenkürzel für „Alle auswerfen“:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>General:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Allgemein:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Launch at login</source>
        <extracomment>Preferences checkbox</extracomment>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Language:</source>
        <extracomment>Language picker label</extracomment>
        <translation>Sprache:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Show volumes in:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Datenträger anzeigen im:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Both</source>
        <extracomment>Surface radio</extracomment>
        <translation>In beiden</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show these volume types:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Diese Arten von Datenträgern anzeigen:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Behavior:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Verhalten:</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Tray</source>
        <extracomment>Surface radio</extracomment>
        <translation>Infobereich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Popover</source>
        <extracomment>Surface radio</extracomment>
        <translation>Aufklappfenster</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Eject external volumes when the computer sleeps</source>
        <extracomment>Preferences checkbox</extracomment>
        <translation>Externe Datenträger vor dem Bereitschaftsmodus auswerfen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Eject external volumes when the screen locks</source>
        <extracomment>Preferences checkbox</extracomment>
        <translation>Externe Datenträger beim Sperren des Bildschirms auswerfen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remount auto-ejected volumes on wake</source>
        <extracomment>Preferences checkbox</extracomment>
        <translation>Automatisch ausgeworfene Datenträger beim Aufwachen wieder einhängen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Ignored volumes:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Übergangene Datenträger:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ignored volumes are skipped by auto-eject and Eject All. Right-click a volume and choose “Ignore in Auto-Eject &amp; Eject All” to add one.</source>
        <extracomment>Preferences hint</extracomment>
        <translation>Übergangene Datenträger werden beim automatischen Auswerfen und bei „Alle auswerfen“ ausgelassen. Um einen hinzuzufügen, klicken Sie mit der rechten Maustaste auf einen Datenträger und wählen Sie „Beim automatischen Auswerfen und ‚Alle auswerfen‘ übergehen“.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Destructive actions:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Unwiderrufliche Aktionen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Confirm erase with:</source>
        <extracomment>Preferences row label</extracomment>
        <translation>Formatieren bestätigen durch:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Eject external volumes after</source>
        <extracomment>Idle-eject checkbox prefix</extracomment>
        <translation>Externe Datenträger nach</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>minutes without disk activity</source>
        <extracomment>Idle-eject row suffix</extracomment>
        <translation>Minuten ohne Laufwerksaktivität auswerfen</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>None</source>
        <extracomment>Empty ignored-volumes list</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove</source>
        <extracomment>Ignored-volumes row button</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The new language takes effect when Quillmere reopens.</source>
        <extracomment>Language relaunch prompt body</extracomment>
        <translation>Die neue Sprache gilt, sobald Quillmere neu gestartet wird.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Relaunch Now</source>
        <extracomment>Language relaunch button</extracomment>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Later</source>
        <extracomment>Dismiss button</extracomment>
        <translation>Später</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Couldn&apos;t enable launch at login: %1</source>
        <extracomment>Login-item error</extracomment>
        <translation>Starten beim Anmelden konnte nicht eingeschaltet werden: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn&apos;t disable launch at login: %1</source>
        <extracomment>Login-item error</extracomment>
        <translation>Starten beim Anmelden konnte nicht ausgeschaltet werden: %1</translation>
    </message>
</context>
<context>
    <name>RenamePrompt</name>
    <message>
        <location filename="../../app/window/renameprompt.cpp" line="+12"/>
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
    <name>ShortcutHint</name>
    <message>
        <location filename="../../app/shortcut/shortcuthint.cpp" line="+31"/>
        <source>Works from any app</source>
        <extracomment>Shortcut hint</extracomment>
        <translation>Funktioniert in jedem Programm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 works from any app</source>
        <extracomment>Shortcut hint once the desktop confirmed the key; %1 is the key as the desktop describes it</extracomment>
        <translation>%1 funktioniert in jedem Programm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Assign it in your desktop&apos;s keyboard shortcut settings</source>
        <extracomment>Shortcut hint while the desktop waits for the user to give the shortcut a key</extracomment>
        <translation>Legen Sie es in den Tastenkürzel-Einstellungen Ihrer Arbeitsumgebung fest</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Declined in the desktop&apos;s shortcut dialog</source>
        <extracomment>Shortcut hint after the user declined the shortcut in the desktop&apos;s dialog</extracomment>
        <translation>Im Tastenkürzel-Dialog der Arbeitsumgebung abgelehnt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The desktop refused this shortcut</source>
        <extracomment>Shortcut hint when the desktop refused the shortcut</extracomment>
        <translation>Die Arbeitsumgebung hat dieses Tastenkürzel abgelehnt</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <location filename="../../app/shortcut/shortcutrecorder.cpp" line="+88"/>
        <source>Press shortcut</source>
        <extracomment>Shortcut field placeholder while recording (press_shortcut)</extracomment>
        <translation>Tastenkürzel drücken</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Record shortcut</source>
        <extracomment>Shortcut field placeholder when no shortcut is set (record_shortcut)</extracomment>
        <translation>Tastenkürzel aufnehmen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This desktop has no global shortcuts</source>
        <extracomment>Shortcut field text where the desktop cannot give programs global shortcuts</extracomment>
        <translation>Diese Arbeitsumgebung hat keine globalen Tastenkürzel</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>This desktop offers programs no global shortcuts. They work in an X11 session, and on Wayland where the desktop portal offers global shortcuts.</source>
        <extracomment>Tooltip of the shortcut field where the desktop offers no global shortcuts</extracomment>
        <translation>Diese Arbeitsumgebung bietet Programmen keine globalen Tastenkürzel an. Sie funktionieren in einer X11-Sitzung und unter Wayland, wenn das Desktop-Portal globale Tastenkürzel anbietet.</translation>
    </message>
    <message>
        <location line="+190"/>
        <source>This shortcut cannot be used because it is already used by the menu item “%1”.</source>
        <extracomment>Alert when a recorded shortcut is a menu item&apos;s (keyboard_shortcut_used_by_menu_item)</extracomment>
        <translation>Dieses Tastenkürzel kann nicht verwendet werden, da es bereits vom Menüeintrag „%1“ belegt ist.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>With Shift alone this key types or selects text in every program. Add Ctrl, Alt or Super.</source>
        <translation>Nur mit Umschalt tippt oder markiert diese Taste in jedem Programm Text. Nehmen Sie Strg, Alt oder Super hinzu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The desktop cannot watch for this key.</source>
        <translation>Die Arbeitsumgebung kann diese Taste nicht überwachen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This shortcut cannot be used.</source>
        <extracomment>Alert when a recorded shortcut is not allowed (keyboard_shortcut_disallowed)</extracomment>
        <translation>Dieses Tastenkürzel kann nicht verwendet werden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>This shortcut is already used by another program or by the desktop.</source>
        <extracomment>Alert when another program or the desktop holds the combination (keyboard_shortcut_used_by_system)</extracomment>
        <translation>Dieses Tastenkürzel wird bereits von einem anderen Programm oder von der Arbeitsumgebung verwendet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop’s own shortcuts can be changed in its keyboard settings; another program holds its combination while it runs.</source>
        <extracomment>Informative text of that alert (keyboard_shortcuts_can_be_changed)</extracomment>
        <translation>Die Tastenkürzel der Arbeitsumgebung lassen sich in ihren Tastatureinstellungen ändern; ein anderes Programm belegt seine Tastenkombination, solange es läuft.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Use Anyway</source>
        <extracomment>Button that stores the combination anyway (force_use_shortcut)</extracomment>
        <translation>Trotzdem verwenden</translation>
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
        <translation>Rückmeldung senden …</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Volumes</source>
        <extracomment>Sidebar pane / window title</extracomment>
        <translation>Datenträger</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>History</source>
        <extracomment>Sidebar pane / window title</extracomment>
        <translation>Verlauf</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preferences</source>
        <extracomment>Sidebar pane / window title</extracomment>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>SpinnerView</name>
    <message>
        <location filename="../../app/surfaces/spinnerview.cpp" line="+11"/>
        <source>In progress</source>
        <extracomment>Accessibility label of a busy indicator</extracomment>
        <translation>In Arbeit</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <location filename="../../app/services/trash.cpp" line="+24"/>
        <source>The trash folder %1 cannot be made.</source>
        <extracomment>Why a file could not be moved to the trash; %1 is a folder</extracomment>
        <translation>Der Papierkorb-Ordner %1 kann nicht angelegt werden.</translation>
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
        <translation>Quillmere öffnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No volumes</source>
        <extracomment>Empty menu placeholder</extracomment>
        <translation>Keine Datenträger</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Eject All</source>
        <extracomment>Menu item</extracomment>
        <translation>Alle auswerfen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open Removable Media in File Manager</source>
        <extracomment>Menu item</extracomment>
        <translation>Wechselmedien im Dateimanager öffnen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Open Disks</source>
        <extracomment>Menu item</extracomment>
        <translation>Laufwerke öffnen</translation>
    </message>
    <message>
        <location line="-5"/>
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
        <location line="+5"/>
        <source>Quit Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Quillmere beenden</translation>
    </message>
    <message>
        <location line="+81"/>
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
        <location line="+28"/>
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
    <name>UninstallUI</name>
    <message>
        <location filename="../../app/services/uninstallui.cpp" line="+101"/>
        <source>Quillmere will remove its history, settings, cached media definitions and autostart entry, move itself to the trash and quit. This cannot be undone.</source>
        <extracomment>Uninstall confirmation body (uninstall.body), the program is the user&apos;s own copy</extracomment>
        <translation>Quillmere entfernt seinen Verlauf, seine Einstellungen, die zwischengespeicherten Mediendefinitionen und den Autostart-Eintrag, verschiebt sich selbst in den Papierkorb und beendet sich. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quillmere will remove its history, settings, cached media definitions and autostart entry, and quit. The program itself is installed for all users: to remove it as well, remove the package “quillmere” with your package manager (for example: sudo apt remove quillmere).</source>
        <extracomment>Uninstall confirmation body (uninstall.body), the program came with the system&apos;s packages</extracomment>
        <translation>Quillmere entfernt seinen Verlauf, seine Einstellungen, die zwischengespeicherten Mediendefinitionen und den Autostart-Eintrag und beendet sich. Das Programm selbst ist für alle Benutzer installiert: Um es ebenfalls zu entfernen, entfernen Sie das Paket „quillmere“ mit Ihrer Paketverwaltung (zum Beispiel: sudo apt remove quillmere).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Uninstall Quillmere?</source>
        <extracomment>Uninstall confirmation title</extracomment>
        <translation>Quillmere deinstallieren?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Uninstall</source>
        <extracomment>Destructive button</extracomment>
        <translation>Deinstallieren</translation>
    </message>
</context>
<context>
    <name>UnplugNotifier</name>
    <message>
        <location filename="../../app/services/unplugnotifier.cpp" line="+19"/>
        <source>Writing data to “%1”…</source>
        <extracomment>Notification title while an eject waits for data to be written; %1 is the volume name</extracomment>
        <translation>Daten werden auf „%1“ geschrieben …</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Don’t unplug until it is finished</source>
        <extracomment>Notification body while an eject waits for data to be written</extracomment>
        <translation>Nicht abziehen, bevor der Vorgang abgeschlossen ist</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>“%1” can be safely unplugged</source>
        <extracomment>Notification title when an eject has finished; %1 is the volume name</extracomment>
        <translation>„%1“ kann sicher abgezogen werden</translation>
    </message>
</context>
<context>
    <name>ViewModeControl</name>
    <message>
        <location filename="../../app/window/viewmodecontrol.cpp" line="+13"/>
        <source>Show volumes as grid or list</source>
        <extracomment>Toolbar tooltip</extracomment>
        <translation>Datenträger als Raster oder Liste anzeigen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Grid</source>
        <extracomment>View-mode a11y label</extracomment>
        <translation>Raster</translation>
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
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name</source>
        <extracomment>View option: sort order</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kind</source>
        <extracomment>View option: sort order</extracomment>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size</source>
        <extracomment>View option: sort order</extracomment>
        <translation>Größe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free Space</source>
        <extracomment>View option: sort order</extracomment>
        <translation>Freier Speicher</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Window icon</source>
        <extracomment>Menu section header</extracomment>
        <translation>Fenstersymbol</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Icon</source>
        <extracomment>View option: what the launcher icon shows</extracomment>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Volume Stack</source>
        <extracomment>View option: what the launcher icon shows</extracomment>
        <translation>Datenträgerstapel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>View content as</source>
        <extracomment>Menu section header</extracomment>
        <translation>Inhalt anzeigen als</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fan</source>
        <extracomment>View option: popover layout</extracomment>
        <translation>Fächer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grid</source>
        <extracomment>View option: popover layout</extracomment>
        <translation>Raster</translation>
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
        <translation>Automatisch</translation>
    </message>
</context>
<context>
    <name>VolumesPanel</name>
    <message>
        <location filename="../../app/window/volumespanel.cpp" line="+111"/>
        <source>Name</source>
        <extracomment>Table column</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Capacity</source>
        <extracomment>Table column</extracomment>
        <translation>Kapazität</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Available</source>
        <extracomment>Table column</extracomment>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No Volumes</source>
        <extracomment>Empty-state label</extracomment>
        <translation>Keine Datenträger</translation>
    </message>
    <message>
        <location line="+254"/>
        <source>Eject %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>%1 auswerfen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remount %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>%1 erneut einhängen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Remount</source>
        <extracomment>Menu item</extracomment>
        <translation>Erneut einhängen</translation>
    </message>
</context>
<context>
    <name>VolumesPopover</name>
    <message>
        <location filename="../../app/surfaces/popoverchrome.cpp" line="+100"/>
        <source>Open in File Manager</source>
        <extracomment>Popover folder entry</extracomment>
        <translation>Im Dateimanager öffnen</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+132"/>
        <source>Options</source>
        <extracomment>Popover list row</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../../app/surfaces/popoverfanbuilder.cpp" line="+36"/>
        <source>%1 More in File Manager</source>
        <extracomment>Fan overflow pill; %1 is how many volumes the fan leaves out</extracomment>
        <translation>%1 weitere im Dateimanager</translation>
    </message>
    <message>
        <location filename="../../app/surfaces/popoverchrome.cpp" line="-56"/>
        <source>Removable Media</source>
        <extracomment>Popover grid title</extracomment>
        <translation>Wechselmedien</translation>
    </message>
    <message>
        <location filename="../../app/surfaces/volumespopover.cpp" line="+383"/>
        <source>Remount</source>
        <extracomment>Menu item</extracomment>
        <translation>Erneut einhängen</translation>
    </message>
</context>
</TS>
