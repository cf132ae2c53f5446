<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../../app/common/alertdialog.cpp" line="+153"/>
        <source>Cancel</source>
        <extracomment>Button</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>AppServices</name>
    <message>
        <location filename="../../app/shell/appservices.cpp" line="+104"/>
        <source>Ejecting external volumes before sleep</source>
        <extracomment>Reason of the sleep delay lock, shown by system tools</extracomment>
        <translation>Expulsando los volúmenes externos antes de suspender</translation>
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
        <translation>«%1» expulsado; se volverá a montar al reanudar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ejected “%1”</source>
        <extracomment>Auto-eject notification body without remounting; %1 is the volume name</extracomment>
        <translation>«%1» expulsado</translation>
    </message>
</context>
<context>
    <name>AutostartManager</name>
    <message>
        <location filename="../../app/services/autostartmanager.cpp" line="+79"/>
        <source>not a folder</source>
        <extracomment>Login-item error detail: a file stands where the autostart folder goes</extracomment>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder cannot be created</source>
        <extracomment>Login-item error detail</extracomment>
        <translation>no se puede crear la carpeta</translation>
    </message>
</context>
<context>
    <name>ConfirmationPresenter</name>
    <message>
        <location filename="../../app/window/confirmationdialog.cpp" line="+29"/>
        <source>Type the volume name to confirm.</source>
        <extracomment>Appended to a confirmation body</extracomment>
        <translation>Escriba el nombre del volumen para confirmar.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hold the button below for 3 seconds to enable %1.</source>
        <extracomment>Appended to a confirmation body; %1 is the confirm-button title</extracomment>
        <translation>Mantenga pulsado el botón de abajo durante 3 segundos para activar «%1».</translation>
    </message>
    <message>
        <location filename="../../app/window/confirmationpresenter.cpp" line="+27"/>
        <source>Eject “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>¿Expulsar «%1»?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Force Eject “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>¿Forzar la expulsión de «%1»?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remount “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>¿Volver a montar «%1»?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rename “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>¿Renombrar «%1»?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Are you sure you want to eject “%1”?</source>
        <extracomment>Confirmation body</extracomment>
        <translation>¿Seguro que quiere expulsar «%1»?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Apps using “%1” may lose unsaved data.</source>
        <extracomment>Force-eject confirmation warning</extracomment>
        <translation>Las aplicaciones que usan «%1» podrían perder datos no guardados.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Are you sure you want to remount “%1”?</source>
        <extracomment>Confirmation body</extracomment>
        <translation>¿Seguro que quiere volver a montar «%1»?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Are you sure you want to rename “%1”?</source>
        <extracomment>Confirmation body</extracomment>
        <translation>¿Seguro que quiere renombrar «%1»?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All data on “%1” will be permanently destroyed. This can’t be undone.</source>
        <extracomment>Erase confirmation warning</extracomment>
        <translation>Todos los datos de «%1» se destruirán de forma permanente. Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Eject</source>
        <extracomment>Confirm button / operation name</extracomment>
        <translation>Expulsar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Force Eject</source>
        <extracomment>Destructive button</extracomment>
        <translation>Forzar la expulsión</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remount</source>
        <extracomment>Confirm button / operation name</extracomment>
        <translation>Volver a montar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rename</source>
        <extracomment>Button</extracomment>
        <translation>Renombrar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Erase</source>
        <extracomment>Destructive button</extracomment>
        <translation>Formatear</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <location filename="../../app/shortcut/desktopshortcuts.cpp" line="+20"/>
        <source>Eject All</source>
        <extracomment>What the global shortcut does, as the desktop&apos;s shortcut settings list it</extracomment>
        <translation>Expulsar todo</translation>
    </message>
</context>
<context>
    <name>ErasePanel</name>
    <message>
        <location filename="../../app/window/confirmationpresenter.cpp" line="-59"/>
        <location filename="../../app/window/erasepanel.cpp" line="+14"/>
        <source>Erase “%1”?</source>
        <extracomment>Erase panel title</extracomment>
        <translation>¿Formatear «%1»?</translation>
    </message>
    <message>
        <location filename="../../app/window/erasepanel.cpp" line="+2"/>
        <source>All data on the volume will be permanently destroyed. Choose a format and a name for the erased volume.</source>
        <extracomment>Erase panel body</extracomment>
        <translation>Todos los datos del volumen se destruirán de forma permanente. Elija un formato y un nombre para el volumen formateado.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Erase</source>
        <extracomment>Destructive button</extracomment>
        <translation>Formatear</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>New name</source>
        <extracomment>Text-field placeholder</extracomment>
        <translation>Nombre nuevo</translation>
    </message>
</context>
<context>
    <name>FailureAlert</name>
    <message>
        <location filename="../../app/common/failurealert.cpp" line="+8"/>
        <source>OK</source>
        <extracomment>Button</extracomment>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ForceEjectDialog</name>
    <message>
        <location filename="../../app/window/forceejectdialog.cpp" line="+10"/>
        <source>“%1” is in use</source>
        <extracomment>Force-eject dialog title</extracomment>
        <translation>«%1» está en uso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“%1” is in use by: %2. Force ejecting may cause data loss.</source>
        <extracomment>Force-eject dialog body; %2 is an app-name list</extracomment>
        <translation>«%1» está siendo usado por: %2. Forzar la expulsión puede provocar la pérdida de datos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Force Eject</source>
        <extracomment>Destructive button</extracomment>
        <translation>Forzar la expulsión</translation>
    </message>
</context>
<context>
    <name>GridTileView</name>
    <message>
        <location filename="../../app/surfaces/gridtileview.cpp" line="+186"/>
        <source>Eject %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>Expulsar %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remount %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>Volver a montar %1</translation>
    </message>
</context>
<context>
    <name>HistoryPanel</name>
    <message>
        <location filename="../../app/window/historypanel.cpp" line="+48"/>
        <location line="+39"/>
        <source>Clear</source>
        <extracomment>History button</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Export…</source>
        <extracomment>History button</extracomment>
        <translation>Exportar…</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Clear operation history?</source>
        <extracomment>Clear-history alert title</extracomment>
        <translation>¿Borrar el historial de operaciones?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This permanently deletes all logged entries.</source>
        <extracomment>Clear-history alert body</extracomment>
        <translation>Se eliminarán definitivamente todas las entradas registradas.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Quillmere History.jsonl</source>
        <extracomment>Default export filename (keep .jsonl)</extracomment>
        <translation>Historial de Quillmere.jsonl</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export History</source>
        <extracomment>Title of the export file dialog</extracomment>
        <translation>Exportar el historial</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>“%1” couldn’t be saved.</source>
        <extracomment>Export failure alert title; %1 is a file name</extracomment>
        <translation>No se pudo guardar «%1».</translation>
    </message>
</context>
<context>
    <name>HistoryTableModel</name>
    <message>
        <location filename="../../app/window/historytablemodel.cpp" line="+55"/>
        <source>Time</source>
        <extracomment>History column</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Volume</source>
        <extracomment>History column</extracomment>
        <translation>Volumen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Operation</source>
        <extracomment>History column</extracomment>
        <translation>Operación</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Result</source>
        <extracomment>History column</extracomment>
        <translation>Resultado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Detail</source>
        <extracomment>History column</extracomment>
        <translation>Detalle</translation>
    </message>
</context>
<context>
    <name>HoldToConfirmButton</name>
    <message>
        <location filename="../../app/window/holdtoconfirmbutton.cpp" line="+35"/>
        <source>Hold to Confirm</source>
        <extracomment>Hold-button idle title</extracomment>
        <translation>Mantener para confirmar</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Hold… %1</source>
        <extracomment>Hold-button countdown</extracomment>
        <translation>Mantenga… %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Confirmed</source>
        <extracomment>Hold-button completed title</extracomment>
        <translation>Confirmado</translation>
    </message>
</context>
<context>
    <name>LanguagePicker</name>
    <message>
        <location filename="../../app/window/languagepicker.cpp" line="+13"/>
        <source>System Default</source>
        <extracomment>Language picker item</extracomment>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>ListRowView</name>
    <message>
        <location filename="../../app/surfaces/listrowview.cpp" line="+94"/>
        <source>Eject %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>Expulsar %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remount %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>Volver a montar %1</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <location filename="../../app/window/mainmenubar.cpp" line="+72"/>
        <source>&amp;File</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eject All</source>
        <extracomment>Menu item</extracomment>
        <translation>Expulsar todo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <extracomment>Menu item</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Uninstall Quillmere…</source>
        <extracomment>Menu item</extracomment>
        <translation>Desinstalar Quillmere…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quit Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Salir de Quillmere</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Undo</source>
        <extracomment>Menu item</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <extracomment>Menu item</extracomment>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cut</source>
        <extracomment>Menu item</extracomment>
        <translation>Cortar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>Menu item</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <extracomment>Menu item</extracomment>
        <translation>Pegar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select All</source>
        <extracomment>Menu item</extracomment>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Preferences…</source>
        <extracomment>Menu item</extracomment>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;View</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>as Grid</source>
        <extracomment>Menu item</extracomment>
        <translation>como cuadrícula</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>as List</source>
        <extracomment>Menu item</extracomment>
        <translation>como lista</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Window</source>
        <extracomment>Menu title</extracomment>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minimize</source>
        <extracomment>Menu item</extracomment>
        <translation>Minimizar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Maximize</source>
        <extracomment>Menu item</extracomment>
        <translation>Maximizar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <extracomment>Menu title</extracomment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillmere Help</source>
        <extracomment>Menu item</extracomment>
        <translation>Ayuda de Quillmere</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Feedback…</source>
        <extracomment>Menu item</extracomment>
        <translation>Enviar comentarios…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>License Agreement</source>
        <extracomment>Menu item</extracomment>
        <translation>Acuerdo de licencia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Privacy Policy</source>
        <extracomment>Menu item</extracomment>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Acerca de Quillmere</translation>
    </message>
</context>
<context>
    <name>MainWindowController</name>
    <message>
        <location filename="../../app/window/mainwindowcontroller.cpp" line="+149"/>
        <source>Toggle Sidebar</source>
        <extracomment>Toolbar item</extracomment>
        <translation>Mostrar u ocultar la barra lateral</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>View</source>
        <extracomment>Toolbar item label</extracomment>
        <translation>Ver</translation>
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
        <translation>Acerca de Quillmere</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Version %1</source>
        <extracomment>About box; %1 is the version number</extracomment>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>MoveToApplications</name>
    <message>
        <location filename="../../app/services/movetoapplications.cpp" line="+101"/>
        <source>Cannot create the folder %1</source>
        <extracomment>Move failure reason</extracomment>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Move Quillmere to the Applications folder?</source>
        <extracomment>Move-offer title</extracomment>
        <translation>¿Mover Quillmere a la carpeta «Applications»?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quillmere is running from %1. Moving it to the Applications folder keeps it in the standard place and makes sure your desktop treats it as a properly installed app.</source>
        <extracomment>Move-offer body; %1 is a location description</extracomment>
        <translation>Quillmere se está ejecutando desde %1. Moverlo a la carpeta «Applications» lo deja en el lugar habitual y hace que su escritorio lo trate como una aplicación instalada correctamente.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move to Applications</source>
        <extracomment>Move-offer button</extracomment>
        <translation>Mover a «Applications»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don’t Move</source>
        <extracomment>Move-offer decline button</extracomment>
        <translation>No mover</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Couldn’t move Quillmere</source>
        <extracomment>Move failure title</extracomment>
        <translation>No se pudo mover Quillmere</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copying to the Applications folder failed: %1 You can move Quillmere there yourself in your file manager.</source>
        <extracomment>Move failure body; %1 is the underlying error</extracomment>
        <translation>No se pudo copiar en la carpeta «Applications»: %1 Puede mover Quillmere allí usted mismo desde su gestor de archivos.</translation>
    </message>
</context>
<context>
    <name>OperationFlows</name>
    <message>
        <location filename="../../app/shell/operationflows.cpp" line="+102"/>
        <source>The volume couldn’t be ejected.</source>
        <extracomment>Eject failure alert text</extracomment>
        <translation>No se pudo expulsar el volumen.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>This computer has none of the tools that make the file systems a volume can be erased to.</source>
        <extracomment>Erase failure alert text when no erase format can be made</extracomment>
        <translation>Este equipo no tiene ninguna de las herramientas que crean los sistemas de archivos con los que se puede formatear un volumen.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The operation failed.</source>
        <extracomment>Operation failure alert text</extracomment>
        <translation>La operación falló.</translation>
    </message>
</context>
<context>
    <name>PopoverPanel</name>
    <message>
        <location filename="../../app/surfaces/popoverpanel.cpp" line="+42"/>
        <source>Volumes</source>
        <extracomment>Accessible title of the volumes popover window</extracomment>
        <translation>Volúmenes</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <location filename="../../app/window/preferencespane.cpp" line="+116"/>
        <source>Relaunch Quillmere to switch language?</source>
        <extracomment>Language relaunch prompt title</extracomment>
        <translation>¿Reiniciar Quillmere para cambiar el idioma?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Eject All shortcut:</source>
        <extracomment>Preferences row label</extracomment>
        <translation>Atajo de «Expulsar todo»:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>General:</source>
        <extracomment>Preferences section</extracomment>
        <translation>General:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Launch at login</source>
        <extracomment>Preferences checkbox</extracomment>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Language:</source>
        <extracomment>Language picker label</extracomment>
        <translation>Idioma:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Show volumes in:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Mostrar los volúmenes en:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Both</source>
        <extracomment>Surface radio</extracomment>
        <translation>Ambos</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show these volume types:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Mostrar estos tipos de volumen:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Behavior:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Comportamiento:</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Tray</source>
        <extracomment>Surface radio</extracomment>
        <translation>Bandeja del sistema</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Popover</source>
        <extracomment>Surface radio</extracomment>
        <translation>Ventana emergente</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Eject external volumes when the computer sleeps</source>
        <extracomment>Preferences checkbox</extracomment>
        <translation>Expulsar los volúmenes externos al suspender el equipo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Eject external volumes when the screen locks</source>
        <extracomment>Preferences checkbox</extracomment>
        <translation>Expulsar los volúmenes externos al bloquear la pantalla</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remount auto-ejected volumes on wake</source>
        <extracomment>Preferences checkbox</extracomment>
        <translation>Volver a montar al reanudar los volúmenes expulsados automáticamente</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Ignored volumes:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Volúmenes omitidos:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ignored volumes are skipped by auto-eject and Eject All. Right-click a volume and choose “Ignore in Auto-Eject &amp; Eject All” to add one.</source>
        <extracomment>Preferences hint</extracomment>
        <translation>Los volúmenes omitidos no se incluyen en la expulsión automática ni en «Expulsar todo». Para añadir uno, haga clic con el botón derecho en un volumen y elija «Omitir en la expulsión automática y en “Expulsar todo”».</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Destructive actions:</source>
        <extracomment>Preferences section</extracomment>
        <translation>Acciones destructivas:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Confirm erase with:</source>
        <extracomment>Preferences row label</extracomment>
        <translation>Confirmar el formateo con:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Eject external volumes after</source>
        <extracomment>Idle-eject checkbox prefix</extracomment>
        <translation>Expulsar los volúmenes externos tras</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>minutes without disk activity</source>
        <extracomment>Idle-eject row suffix</extracomment>
        <translation>minutos sin actividad del disco</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>None</source>
        <extracomment>Empty ignored-volumes list</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove</source>
        <extracomment>Ignored-volumes row button</extracomment>
        <translation>Quitar</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The new language takes effect when Quillmere reopens.</source>
        <extracomment>Language relaunch prompt body</extracomment>
        <translation>El nuevo idioma se aplicará cuando Quillmere se vuelva a abrir.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Relaunch Now</source>
        <extracomment>Language relaunch button</extracomment>
        <translation>Reiniciar ahora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Later</source>
        <extracomment>Dismiss button</extracomment>
        <translation>Más tarde</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Couldn&apos;t enable launch at login: %1</source>
        <extracomment>Login-item error</extracomment>
        <translation>No se pudo activar la apertura al iniciar sesión: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn&apos;t disable launch at login: %1</source>
        <extracomment>Login-item error</extracomment>
        <translation>No se pudo desactivar la apertura al iniciar sesión: %1</translation>
    </message>
</context>
<context>
    <name>RenamePrompt</name>
    <message>
        <location filename="../../app/window/renameprompt.cpp" line="+12"/>
        <source>Rename “%1”</source>
        <extracomment>Rename prompt title</extracomment>
        <translation>Renombrar «%1»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter a new name for the volume.</source>
        <extracomment>Rename prompt body</extracomment>
        <translation>Escriba un nombre nuevo para el volumen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rename</source>
        <extracomment>Button</extracomment>
        <translation>Renombrar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Volume name</source>
        <extracomment>Text-field placeholder</extracomment>
        <translation>Nombre del volumen</translation>
    </message>
</context>
<context>
    <name>ShortcutHint</name>
    <message>
        <location filename="../../app/shortcut/shortcuthint.cpp" line="+31"/>
        <source>Works from any app</source>
        <extracomment>Shortcut hint</extracomment>
        <translation>Funciona desde cualquier aplicación</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 works from any app</source>
        <extracomment>Shortcut hint once the desktop confirmed the key; %1 is the key as the desktop describes it</extracomment>
        <translation>%1 funciona desde cualquier aplicación</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Assign it in your desktop&apos;s keyboard shortcut settings</source>
        <extracomment>Shortcut hint while the desktop waits for the user to give the shortcut a key</extracomment>
        <translation>Asígnelo en la configuración de atajos de teclado de su escritorio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Declined in the desktop&apos;s shortcut dialog</source>
        <extracomment>Shortcut hint after the user declined the shortcut in the desktop&apos;s dialog</extracomment>
        <translation>Rechazado en el diálogo de atajos del escritorio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The desktop refused this shortcut</source>
        <extracomment>Shortcut hint when the desktop refused the shortcut</extracomment>
        <translation>El escritorio rechazó este atajo</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <location filename="../../app/shortcut/shortcutrecorder.cpp" line="+88"/>
        <source>Press shortcut</source>
        <extracomment>Shortcut field placeholder while recording (press_shortcut)</extracomment>
        <translation>Pulse el atajo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Record shortcut</source>
        <extracomment>Shortcut field placeholder when no shortcut is set (record_shortcut)</extracomment>
        <translation>Grabar un atajo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This desktop has no global shortcuts</source>
        <extracomment>Shortcut field text where the desktop cannot give programs global shortcuts</extracomment>
        <translation>Este escritorio no tiene atajos globales</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>This desktop offers programs no global shortcuts. They work in an X11 session, and on Wayland where the desktop portal offers global shortcuts.</source>
        <extracomment>Tooltip of the shortcut field where the desktop offers no global shortcuts</extracomment>
        <translation>Este escritorio no ofrece atajos globales a los programas. Funcionan en una sesión X11 y en Wayland cuando el portal del escritorio ofrece atajos globales.</translation>
    </message>
    <message>
        <location line="+190"/>
        <source>This shortcut cannot be used because it is already used by the menu item “%1”.</source>
        <extracomment>Alert when a recorded shortcut is a menu item&apos;s (keyboard_shortcut_used_by_menu_item)</extracomment>
        <translation>Este atajo no se puede usar porque ya lo usa el elemento de menú «%1».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>With Shift alone this key types or selects text in every program. Add Ctrl, Alt or Super.</source>
        <translation>Con solo Mayús, esta tecla escribe o selecciona texto en cualquier programa. Añada Ctrl, Alt o Súper.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The desktop cannot watch for this key.</source>
        <translation>El escritorio no puede vigilar esta tecla.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This shortcut cannot be used.</source>
        <extracomment>Alert when a recorded shortcut is not allowed (keyboard_shortcut_disallowed)</extracomment>
        <translation>Este atajo no se puede usar.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>This shortcut is already used by another program or by the desktop.</source>
        <extracomment>Alert when another program or the desktop holds the combination (keyboard_shortcut_used_by_system)</extracomment>
        <translation>Este atajo ya lo usa otro programa o el escritorio.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop’s own shortcuts can be changed in its keyboard settings; another program holds its combination while it runs.</source>
        <extracomment>Informative text of that alert (keyboard_shortcuts_can_be_changed)</extracomment>
        <translation>Los atajos del propio escritorio se pueden cambiar en su configuración del teclado; otro programa ocupa su combinación mientras se está ejecutando.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Use Anyway</source>
        <extracomment>Button that stores the combination anyway (force_use_shortcut)</extracomment>
        <translation>Usar de todos modos</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>OK</source>
        <extracomment>Button that closes an alert</extracomment>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>SidebarView</name>
    <message>
        <location filename="../../app/window/sidebarview.cpp" line="+47"/>
        <source>Send Feedback…</source>
        <extracomment>Footer link</extracomment>
        <translation>Enviar comentarios…</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Volumes</source>
        <extracomment>Sidebar pane / window title</extracomment>
        <translation>Volúmenes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>History</source>
        <extracomment>Sidebar pane / window title</extracomment>
        <translation>Historial</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preferences</source>
        <extracomment>Sidebar pane / window title</extracomment>
        <translation>Preferencias</translation>
    </message>
</context>
<context>
    <name>SpinnerView</name>
    <message>
        <location filename="../../app/surfaces/spinnerview.cpp" line="+11"/>
        <source>In progress</source>
        <extracomment>Accessibility label of a busy indicator</extracomment>
        <translation>En curso</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <location filename="../../app/services/trash.cpp" line="+24"/>
        <source>The trash folder %1 cannot be made.</source>
        <extracomment>Why a file could not be moved to the trash; %1 is a folder</extracomment>
        <translation>No se puede crear la carpeta de la papelera %1.</translation>
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
        <translation>Abrir Quillmere</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No volumes</source>
        <extracomment>Empty menu placeholder</extracomment>
        <translation>No hay volúmenes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Eject All</source>
        <extracomment>Menu item</extracomment>
        <translation>Expulsar todo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open Removable Media in File Manager</source>
        <extracomment>Menu item</extracomment>
        <translation>Abrir los soportes extraíbles en el gestor de archivos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Open Disks</source>
        <extracomment>Menu item</extracomment>
        <translation>Abrir Discos</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>History…</source>
        <extracomment>Menu item</extracomment>
        <translation>Historial…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preferences…</source>
        <extracomment>Menu item</extracomment>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quit Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Salir de Quillmere</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Mounting…</source>
        <extracomment>In-flight menu item</extracomment>
        <translation>Montando…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remount</source>
        <extracomment>Menu item</extracomment>
        <translation>Volver a montar</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Ejecting…</source>
        <extracomment>In-flight menu item</extracomment>
        <translation>Expulsando…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eject</source>
        <extracomment>Menu item</extracomment>
        <translation>Expulsar</translation>
    </message>
</context>
<context>
    <name>UninstallUI</name>
    <message>
        <location filename="../../app/services/uninstallui.cpp" line="+101"/>
        <source>Quillmere will remove its history, settings, cached media definitions and autostart entry, move itself to the trash and quit. This cannot be undone.</source>
        <extracomment>Uninstall confirmation body (uninstall.body), the program is the user&apos;s own copy</extracomment>
        <translation>Quillmere eliminará su historial, sus preferencias, las definiciones de soportes guardadas en caché y su inicio automático al iniciar sesión, se moverá a la papelera y se cerrará. Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quillmere will remove its history, settings, cached media definitions and autostart entry, and quit. The program itself is installed for all users: to remove it as well, remove the package “quillmere” with your package manager (for example: sudo apt remove quillmere).</source>
        <extracomment>Uninstall confirmation body (uninstall.body), the program came with the system&apos;s packages</extracomment>
        <translation>Quillmere eliminará su historial, sus preferencias, las definiciones de soportes guardadas en caché y su inicio automático al iniciar sesión, y se cerrará. El programa en sí está instalado para todos los usuarios: para eliminarlo también, desinstale el paquete «quillmere» con su gestor de paquetes (por ejemplo: sudo apt remove quillmere).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Uninstall Quillmere?</source>
        <extracomment>Uninstall confirmation title</extracomment>
        <translation>¿Desinstalar Quillmere?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Uninstall</source>
        <extracomment>Destructive button</extracomment>
        <translation>Desinstalar</translation>
    </message>
</context>
<context>
    <name>UnplugNotifier</name>
    <message>
        <location filename="../../app/services/unplugnotifier.cpp" line="+19"/>
        <source>Writing data to “%1”…</source>
        <extracomment>Notification title while an eject waits for data to be written; %1 is the volume name</extracomment>
        <translation>Escribiendo datos en «%1»…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Don’t unplug until it is finished</source>
        <extracomment>Notification body while an eject waits for data to be written</extracomment>
        <translation>No lo desconecte hasta que termine</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>“%1” can be safely unplugged</source>
        <extracomment>Notification title when an eject has finished; %1 is the volume name</extracomment>
        <translation>«%1» puede desconectarse de forma segura</translation>
    </message>
</context>
<context>
    <name>ViewModeControl</name>
    <message>
        <location filename="../../app/window/viewmodecontrol.cpp" line="+13"/>
        <source>Show volumes as grid or list</source>
        <extracomment>Toolbar tooltip</extracomment>
        <translation>Mostrar los volúmenes en cuadrícula o en lista</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Grid</source>
        <extracomment>View-mode a11y label</extracomment>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>List</source>
        <extracomment>View-mode a11y label</extracomment>
        <translation>Lista</translation>
    </message>
</context>
<context>
    <name>ViewOptionsMenu</name>
    <message>
        <location filename="../../app/surfaces/viewoptionsmenu.cpp" line="+65"/>
        <source>Sort by</source>
        <extracomment>Menu section header</extracomment>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name</source>
        <extracomment>View option: sort order</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kind</source>
        <extracomment>View option: sort order</extracomment>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size</source>
        <extracomment>View option: sort order</extracomment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free Space</source>
        <extracomment>View option: sort order</extracomment>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Window icon</source>
        <extracomment>Menu section header</extracomment>
        <translation>Icono de la ventana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Icon</source>
        <extracomment>View option: what the launcher icon shows</extracomment>
        <translation>Icono del programa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Volume Stack</source>
        <extracomment>View option: what the launcher icon shows</extracomment>
        <translation>Pila de volúmenes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>View content as</source>
        <extracomment>Menu section header</extracomment>
        <translation>Ver el contenido como</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fan</source>
        <extracomment>View option: popover layout</extracomment>
        <translation>Abanico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grid</source>
        <extracomment>View option: popover layout</extracomment>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>List</source>
        <extracomment>View option: popover layout</extracomment>
        <translation>Lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic</source>
        <extracomment>View option: popover layout</extracomment>
        <translation>Automático</translation>
    </message>
</context>
<context>
    <name>VolumesPanel</name>
    <message>
        <location filename="../../app/window/volumespanel.cpp" line="+111"/>
        <source>Name</source>
        <extracomment>Table column</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Capacity</source>
        <extracomment>Table column</extracomment>
        <translation>Capacidad</translation>
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
        <translation>No hay volúmenes</translation>
    </message>
    <message>
        <location line="+254"/>
        <source>Eject %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>Expulsar %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remount %1</source>
        <extracomment>A11y label; %1 is a volume name</extracomment>
        <translation>Volver a montar %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Remount</source>
        <extracomment>Menu item</extracomment>
        <translation>Volver a montar</translation>
    </message>
</context>
<context>
    <name>VolumesPopover</name>
    <message>
        <location filename="../../app/surfaces/popoverchrome.cpp" line="+100"/>
        <source>Open in File Manager</source>
        <extracomment>Popover folder entry</extracomment>
        <translation>Abrir en el gestor de archivos</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+132"/>
        <source>Options</source>
        <extracomment>Popover list row</extracomment>
        <translation>Opciones</translation>
    </message>
    <message>
        <location filename="../../app/surfaces/popoverfanbuilder.cpp" line="+36"/>
        <source>%1 More in File Manager</source>
        <extracomment>Fan overflow pill; %1 is how many volumes the fan leaves out</extracomment>
        <translation>%1 más en el gestor de archivos</translation>
    </message>
    <message>
        <location filename="../../app/surfaces/popoverchrome.cpp" line="-56"/>
        <source>Removable Media</source>
        <extracomment>Popover grid title</extracomment>
        <translation>Soportes extraíbles</translation>
    </message>
    <message>
        <location filename="../../app/surfaces/volumespopover.cpp" line="+383"/>
        <source>Remount</source>
        <extracomment>Menu item</extracomment>
        <translation>Volver a montar</translation>
    </message>
</context>
</TS>
