<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../../app/window/alertdialog.cpp" line="+118"/>
        <source>Cancel</source>
        <extracomment>Button</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>AppServices</name>
    <message>
        <location filename="../../app/shell/appservices.cpp" line="+44"/>
        <source>Ejecting external volumes before sleep</source>
        <extracomment>Reason of the sleep delay lock, shown by system tools</extracomment>
        <translation>Expulsando los volúmenes externos antes de suspender</translation>
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
    <name>ErasePanel</name>
    <message>
        <location line="-59"/>
        <location filename="../../app/window/erasepanel.cpp" line="+11"/>
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
        <location filename="../../app/window/failurealert.cpp" line="+8"/>
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
    <name>OperationFlows</name>
    <message>
        <location filename="../../app/shell/operationflows.cpp" line="+75"/>
        <source>The volume couldn’t be ejected.</source>
        <extracomment>Eject failure alert text</extracomment>
        <translation>No se pudo expulsar el volumen.</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>The operation failed.</source>
        <extracomment>Operation failure alert text</extracomment>
        <translation>La operación falló.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Couldn’t eject “%1”</source>
        <extracomment>Eject failure alert title</extracomment>
        <translation>No se pudo expulsar «%1»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn’t force eject “%1”</source>
        <extracomment>Force-eject failure alert title</extracomment>
        <translation>No se pudo forzar la expulsión de «%1»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t rename “%1”</source>
        <extracomment>Rename failure alert title</extracomment>
        <translation>No se pudo renombrar «%1»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t erase “%1”</source>
        <extracomment>Erase failure alert title</extracomment>
        <translation>No se pudo formatear «%1»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t remount “%1”</source>
        <extracomment>Remount failure alert title</extracomment>
        <translation>No se pudo volver a montar «%1»</translation>
    </message>
</context>
<context>
    <name>RenamePrompt</name>
    <message>
        <location filename="../../app/window/renameprompt.cpp" line="+9"/>
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
        <translation>Abrir Quillmere</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No volumes</source>
        <extracomment>Empty menu placeholder</extracomment>
        <translation>No hay volúmenes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Eject All</source>
        <extracomment>Menu item</extracomment>
        <translation>Expulsar todo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open /Volumes in Finder</source>
        <extracomment>Menu item</extracomment>
        <translation>Abrir los soportes extraíbles en el gestor de archivos</translation>
    </message>
    <message>
        <location line="+4"/>
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
        <location line="+4"/>
        <source>Open Disk Utility</source>
        <extracomment>Menu item</extracomment>
        <translation>Abrir Discos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quit Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Salir de Quillmere</translation>
    </message>
    <message>
        <location line="+19"/>
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
        <location line="+52"/>
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
    <name>VolumeActionsMenu</name>
    <message>
        <location filename="../../app/surfaces/volumeactionsmenu.cpp" line="+190"/>
        <source>Couldn’t eject “%1”</source>
        <extracomment>Eject failure alert title</extracomment>
        <translation>No se pudo expulsar «%1»</translation>
    </message>
</context>
</TS>
