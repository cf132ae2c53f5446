<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CapacityFormatter</name>
    <message>
        <location filename="../../core/format/capacityformatter.cpp" line="+49"/>
        <source>B</source>
        <extracomment>Byte unit</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>KB</source>
        <extracomment>Byte unit</extracomment>
        <translation>kB</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>MB</source>
        <extracomment>Byte unit</extracomment>
        <translation>MB</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>GB</source>
        <extracomment>Byte unit</extracomment>
        <translation>GB</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TB</source>
        <extracomment>Byte unit</extracomment>
        <translation>TB</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PB</source>
        <extracomment>Byte unit</extracomment>
        <translation>PB</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%1 bytes</source>
        <extracomment>Byte count under 1 KB</extracomment>
        <translation>
            <numerusform>%1 byte</numerusform>
            <numerusform>%1 bytes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1% (%2/%3 %4)</source>
        <extracomment>Capacity gauge text</extracomment>
        <translation>%1&#xa0;% (%2/%3 %4)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 free of %2</source>
        <extracomment>Free space of total capacity</extracomment>
        <translation>%1 libres de %2</translation>
    </message>
</context>
<context>
    <name>ConfirmationModel</name>
    <message>
        <location filename="../../core/operations/confirmationmodel.cpp" line="+10"/>
        <source>Standard confirmation</source>
        <extracomment>Confirmation model</extracomment>
        <translation>Confirmación estándar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the volume name</source>
        <extracomment>Confirmation model</extracomment>
        <translation>Escribir el nombre del volumen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hold to confirm</source>
        <extracomment>Confirmation model</extracomment>
        <translation>Mantener pulsado para confirmar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No confirmation (YOLO)</source>
        <extracomment>Confirmation model</extracomment>
        <translation>Sin confirmación (YOLO)</translation>
    </message>
</context>
<context>
    <name>EjectTruth</name>
    <message numerus="yes">
        <location filename="../../core/operations/ejecttruth.cpp" line="+53"/>
        <source>%1 was unmounted, but “%2” couldn’t be: %3</source>
        <extracomment>A failed eject; %1 lists the volumes that were unmounted (&quot;“A”, “B”), %2 is the volume that was not, %3 why</extracomment>
        <translation>
            <numerusform>%1 se desmontó, pero «%2» no se pudo desmontar: %3</numerusform>
            <numerusform>%1 se desmontaron, pero «%2» no se pudo desmontar: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%1 was unmounted, but the eject didn’t finish: %2</source>
        <extracomment>A failed eject after its volumes were unmounted; %1 lists them, %2 says why</extracomment>
        <translation>
            <numerusform>%1 se desmontó, pero la expulsión no terminó: %2</numerusform>
            <numerusform>%1 se desmontaron, pero la expulsión no terminó: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%1 was unmounted; %2 on the same disk is busy (%3).</source>
        <extracomment>A failed eject; %1 lists the volumes that were unmounted, %2 those still mounted, %3 udisks2&apos;s reason (&quot;target is busy&quot;)</extracomment>
        <translation>
            <numerusform>%1 se desmontó; %2 en el mismo disco está ocupado (%3).</numerusform>
            <numerusform>%1 se desmontaron; %2 en el mismo disco está ocupado (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%1 was unmounted, but %2 on the same disk couldn’t be: %3</source>
        <extracomment>A failed eject; %1 lists the volumes that were unmounted, %2 those still mounted, %3 why</extracomment>
        <translation>
            <numerusform>%1 se desmontó, pero %2 en el mismo disco no se pudo desmontar: %3</numerusform>
            <numerusform>%1 se desmontaron, pero %2 en el mismo disco no se pudo desmontar: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EraseCheck</name>
    <message>
        <location filename="../../core/operations/erasecheck.cpp" line="+14"/>
        <source>The erase finished, but the volume could not be read back to check it.</source>
        <extracomment>Erase failure: the device could not be read back after formatting</extracomment>
        <translation>El formateo ha terminado, pero no se pudo volver a leer el volumen para comprobarlo.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The erase finished, but the volume now holds no file system. Erase it again.</source>
        <extracomment>Erase failure after reading the device back</extracomment>
        <translation>El formateo ha terminado, pero el volumen no contiene ningún sistema de archivos. Formatéelo de nuevo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The erase finished, but the volume now holds %1 “%2” instead. Erase it again.</source>
        <extracomment>Erase failure after reading the device back; %1 file-system type, %2 its name</extracomment>
        <translation>El formateo ha terminado, pero el volumen contiene en su lugar %1 «%2». Formatéelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>GuardedDiskOperations</name>
    <message>
        <location filename="../../core/operations/guardeddiskoperations.cpp" line="+28"/>
        <source>Another operation is working on the disk of “%1”. Try again when it has finished.</source>
        <extracomment>Operation failure: another operation works on the same disk</extracomment>
        <translation>Otra operación está usando el disco de «%1». Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The disk of “%1” is busy with another operation (%2). Try again when it has finished.</source>
        <extracomment>Operation failure; %2 is the operation that holds the disk (&quot;Erase&quot;)</extracomment>
        <translation>El disco de «%1» está ocupado con otra operación (%2). Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>“%1” is neither a network share nor a FUSE mount, so it is not unmounted by its folder.</source>
        <extracomment>Eject failure: only network shares and FUSE mounts are unmounted by their folder</extracomment>
        <translation>«%1» no es un recurso compartido de red ni un montaje FUSE, así que no se desmonta por su carpeta.</translation>
    </message>
</context>
<context>
    <name>HistoryFormatter</name>
    <message>
        <location filename="../../core/format/historyformatter.cpp" line="+26"/>
        <source>1 second ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>hace 1 segundo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 seconds ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>hace %1 segundos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 second</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dentro de 1 segundo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 seconds</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dentro de %1 segundos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 minute ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>hace 1 minuto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 minutes ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>hace %1 minutos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 minute</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dentro de 1 minuto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 minutes</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dentro de %1 minutos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 hour ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>hace 1 hora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 hours ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>hace %1 horas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 hour</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dentro de 1 hora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 hours</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dentro de %1 horas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 day ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>hace 1 día</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 days ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>hace %1 días</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 day</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dentro de 1 día</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 days</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dentro de %1 días</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 week ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>hace 1 semana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 weeks ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>hace %1 semanas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 week</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dentro de 1 semana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 weeks</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dentro de %1 semanas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 month ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>hace 1 mes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 months ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>hace %1 meses</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 month</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dentro de 1 mes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 months</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dentro de %1 meses</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 year ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>hace 1 año</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 years ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>hace %1 años</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 year</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>dentro de 1 año</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 years</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>dentro de %1 años</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Eject</source>
        <extracomment>History operation</extracomment>
        <translation>Expulsión</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Force Eject</source>
        <extracomment>History operation</extracomment>
        <translation>Expulsión forzada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remount</source>
        <extracomment>History operation</extracomment>
        <translation>Nuevo montaje</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rename</source>
        <extracomment>History operation</extracomment>
        <translation>Cambio de nombre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Erase</source>
        <extracomment>History operation</extracomment>
        <translation>Formateo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto-Eject</source>
        <extracomment>History operation</extracomment>
        <translation>Expulsión automática</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto-Remount</source>
        <extracomment>History operation</extracomment>
        <translation>Nuevo montaje automático</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mounted</source>
        <extracomment>History event</extracomment>
        <translation>Montado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unmounted</source>
        <extracomment>History event</extracomment>
        <translation>Desmontado</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>now</source>
        <extracomment>History time of an entry logged this very second</extracomment>
        <translation>ahora mismo</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <location filename="../../core/stores/historystore.cpp" line="+122"/>
        <source>it is %1; the history is exported only to a regular file</source>
        <extracomment>History export refusal; %1 is what stands there (&quot;a FIFO&quot;)</extracomment>
        <translation>el destino es %1; el historial solo se exporta a un archivo normal</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>the history file is %1</source>
        <extracomment>History export failure; %1 is the reason (&quot;larger than 33554432 bytes&quot;)</extracomment>
        <translation>el archivo del historial %1</translation>
    </message>
</context>
<context>
    <name>InstallLocation</name>
    <message>
        <location filename="../../core/stores/installlocation.cpp" line="+83"/>
        <source>a removable drive</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>una unidad extraíble</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a temporary location</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>una ubicación temporal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>your Downloads folder</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>su carpeta Descargas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>your Desktop</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>su escritorio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its current location</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>su ubicación actual</translation>
    </message>
</context>
<context>
    <name>KeyMapping</name>
    <message>
        <location filename="../../core/shortcuts/keymapping.cpp" line="+40"/>
        <source>Space</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>Espacio</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Return</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>Intro</translation>
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
        <translation>Retroceso</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Esc</source>
        <extracomment>Key name in a shortcut (Escape)</extracomment>
        <translation>Esc</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Del</source>
        <extracomment>Key name in a shortcut (forward Delete)</extracomment>
        <translation>Supr</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ins</source>
        <extracomment>Key name in a shortcut (Insert)</extracomment>
        <translation>Insert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Home</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>Inicio</translation>
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
        <translation>Re Pág</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PgDown</source>
        <extracomment>Key name in a shortcut (Page Down)</extracomment>
        <translation>Av Pág</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Left</source>
        <extracomment>Key name in a shortcut (arrow key)</extracomment>
        <translation>Izquierda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Up</source>
        <extracomment>Key name in a shortcut (arrow key)</extracomment>
        <translation>Arriba</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Right</source>
        <extracomment>Key name in a shortcut (arrow key)</extracomment>
        <translation>Derecha</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Down</source>
        <extracomment>Key name in a shortcut (arrow key)</extracomment>
        <translation>Abajo</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Enter</source>
        <extracomment>Key name in a shortcut (the keypad&apos;s Enter key)</extracomment>
        <translation>Intro (teclado num.)</translation>
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
        <translation>Mayús</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Super</source>
        <extracomment>Modifier key name in a shortcut (the key with the desktop&apos;s logo)</extracomment>
        <translation>Súper</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <location filename="../../core/shortcuts/menubarshortcuts.cpp" line="+13"/>
        <source>Eject All</source>
        <extracomment>Main menu item (File)</extracomment>
        <translation>Expulsar todo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <extracomment>Main menu item (File): closes the window</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit Quillmere</source>
        <extracomment>Main menu item (File)</extracomment>
        <translation>Salir de Quillmere</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Cortar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Pegar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select All</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preferences…</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>as Grid</source>
        <extracomment>Main menu item (View): volumes as a grid</extracomment>
        <translation>como cuadrícula</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>as List</source>
        <extracomment>Main menu item (View): volumes as a list</extracomment>
        <translation>como lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minimize</source>
        <extracomment>Main menu item (Window)</extracomment>
        <translation>Minimizar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillmere Help</source>
        <extracomment>Main menu item (Help)</extracomment>
        <translation>Ayuda de Quillmere</translation>
    </message>
</context>
<context>
    <name>OperationErrors</name>
    <message>
        <location filename="../../core/operations/operationerror.cpp" line="+11"/>
        <source>Authentication was refused: the password wasn’t accepted, or this user account isn’t allowed to do this. An administrator can give it the permission.</source>
        <extracomment>Failure detail when the system refused the operation (no permission, or a password that was not accepted)</extracomment>
        <translation>Se rechazó la autenticación: la contraseña no se aceptó o esta cuenta de usuario no tiene permiso para hacerlo. Un administrador puede concederle el permiso.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A password is needed, but no authentication agent is running to ask for it. Start your desktop’s authentication agent (or log in to a full desktop session) and try again.</source>
        <extracomment>Failure detail when a password is needed but no program can ask for it</extracomment>
        <translation>Se necesita una contraseña, pero no hay ningún agente de autenticación en ejecución que la pida. Inicie el agente de autenticación de su escritorio (o inicie una sesión de escritorio completa) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Authentication was cancelled.</source>
        <extracomment>History detail when the user dismissed the password prompt</extracomment>
        <translation>Se canceló la autenticación.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>udisks2, the disk service, isn’t running or stopped answering. Start it again (“systemctl start udisks2”) and try again.</source>
        <extracomment>Failure detail when the disk service is not there or stopped answering</extracomment>
        <translation>udisks2, el servicio de discos, no está en ejecución o ha dejado de responder. Vuelva a iniciarlo («systemctl start udisks2») e inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The volume is in use by a program.</source>
        <extracomment>Failure detail when a program holds files open on the volume</extracomment>
        <translation>Un programa está usando el volumen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The volume isn’t mounted.</source>
        <extracomment>Failure detail when the volume was no longer mounted</extracomment>
        <translation>El volumen no está montado.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The operation failed.</source>
        <extracomment>Failure detail when nothing more is known</extracomment>
        <translation>La operación ha fallado.</translation>
    </message>
</context>
<context>
    <name>OperationTitles</name>
    <message>
        <location filename="../../core/operations/operationtitles.cpp" line="+11"/>
        <source>Couldn’t eject “%1”</source>
        <extracomment>Eject failure title; %1 is the volume name</extracomment>
        <translation>No se pudo expulsar «%1»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t force eject “%1”</source>
        <extracomment>Force-eject failure title; %1 is the volume name</extracomment>
        <translation>No se pudo forzar la expulsión de «%1»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t rename “%1”</source>
        <extracomment>Rename failure title; %1 is the volume name</extracomment>
        <translation>No se pudo renombrar «%1»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t erase “%1”</source>
        <extracomment>Erase failure title; %1 is the volume name</extracomment>
        <translation>No se pudo formatear «%1»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Couldn’t remount “%1”</source>
        <extracomment>Remount failure title; %1 is the volume name</extracomment>
        <translation>No se pudo volver a montar «%1»</translation>
    </message>
</context>
<context>
    <name>OwnedFile</name>
    <message>
        <location filename="../../core/stores/ownedfile.cpp" line="+24"/>
        <source>it is a symbolic link that belongs to another user</source>
        <extracomment>Why one of the program&apos;s files is not used</extracomment>
        <translation>es un enlace simbólico que pertenece a otro usuario</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is a symbolic link to nothing</source>
        <extracomment>Why one of the program&apos;s files is not used</extracomment>
        <translation>es un enlace simbólico que no apunta a nada</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>it belongs to another user</source>
        <extracomment>Why one of the program&apos;s files is not written</extracomment>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+102"/>
        <source>its folder belongs to another user</source>
        <extracomment>Why one of the program&apos;s files is not written</extracomment>
        <translation>su carpeta pertenece a otro usuario</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>it is not a regular file of this user</source>
        <extracomment>Why one of the program&apos;s files is not written</extracomment>
        <translation>no es un archivo normal de este usuario</translation>
    </message>
</context>
<context>
    <name>RegularFileReader</name>
    <message>
        <location filename="../../core/stores/regularfilereader.cpp" line="+20"/>
        <source>a folder</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>una carpeta</translation>
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
        <translation>un dispositivo de caracteres</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a block device</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>un dispositivo de bloques</translation>
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
        <translation>un archivo especial</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>not a regular file but %1</source>
        <extracomment>Why a file was not read; %1 is what stands there instead (&quot;a FIFO&quot;)</extracomment>
        <translation>no es un archivo normal, sino %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>larger than %1 bytes</source>
        <extracomment>Why a file was not read</extracomment>
        <translation>ocupa más de %1 bytes</translation>
    </message>
</context>
<context>
    <name>RenameTruth</name>
    <message>
        <location filename="../../core/operations/renametruth.cpp" line="+43"/>
        <source>The volume is now named “%1”, not “%2”: %3</source>
        <extracomment>Rename failure after reading the device back; %1 is the name it has now, %2 the name asked for, %3 why the rename failed</extracomment>
        <translation>El volumen se llama ahora «%1», no «%2»: %3</translation>
    </message>
</context>
<context>
    <name>ToolLauncher</name>
    <message>
        <location filename="../../core/operations/toollauncher.cpp" line="+126"/>
        <source>%1 timed out</source>
        <extracomment>External tool watchdog; %1 is a tool name</extracomment>
        <translation>Se agotó el tiempo de espera de %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 failed (exit %2)</source>
        <extracomment>External tool failure; %1 is a tool name</extracomment>
        <translation>%1 falló (código de salida %2)</translation>
    </message>
</context>
<context>
    <name>UDisksOperations</name>
    <message>
        <location filename="../../platform/linux/udisksoperationsupport.cpp" line="+14"/>
        <source>Couldn’t open device %1</source>
        <extracomment>Device open failure</extracomment>
        <translation>No se pudo abrir el dispositivo %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>“%1” is mounted at %2, which the running system needs; Quillmere leaves it alone.</source>
        <extracomment>Eject refusal; %1 is the volume&apos;s (or device&apos;s) name, %2 its mount point (&quot;/boot&quot;)</extracomment>
        <translation>«%1» está montado en %2, que el sistema en ejecución necesita; Quillmere no lo toca.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>“%1” has no device node to eject.</source>
        <extracomment>Eject failure</extracomment>
        <translation>«%1» no tiene un archivo de dispositivo que expulsar.</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udiskserrors.cpp" line="+132"/>
        <source>Refused by the system (status 0x%1)</source>
        <extracomment>DiskArbitration dissent without a message</extracomment>
        <translation>Rechazado por el sistema (estado 0x%1)</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udisksunmounting.cpp" line="+91"/>
        <source>Couldn’t open the volume at %1</source>
        <extracomment>Volume open failure</extracomment>
        <translation>No se pudo abrir el volumen en %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>an encrypted volume on the same device couldn’t be locked: %1</source>
        <extracomment>Eject failure of an encrypted volume that stays unlocked; eject() says before it which volumes were unmounted</extracomment>
        <translation>no se pudo bloquear un volumen cifrado del mismo dispositivo: %1</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udisksoperations.cpp" line="+183"/>
        <source>“%1” isn’t mounted.</source>
        <extracomment>Eject failure</extracomment>
        <translation>«%1» no está montado.</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udisksoperationsupport.cpp" line="+7"/>
        <source>unknown error</source>
        <extracomment>Fallback failure detail</extracomment>
        <translation>error desconocido</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udisksoperations.cpp" line="+13"/>
        <source>“%1” is a network share. Reconnect to the server in your file manager to mount it again.</source>
        <extracomment>Remount failure for network shares</extracomment>
        <translation>«%1» es un recurso compartido de red. Vuelva a conectarse al servidor desde su gestor de archivos para montarlo de nuevo.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>“%1” has no device node to rename.</source>
        <extracomment>Rename failure</extracomment>
        <translation>«%1» no tiene un archivo de dispositivo al que cambiar el nombre.</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udiskserase.cpp" line="+44"/>
        <source>“%1” can’t be erased — only removable, external, and disk-image volumes may be erased.</source>
        <extracomment>Erase safety-rail refusal</extracomment>
        <translation>«%1» no se puede formatear: solo se pueden formatear volúmenes extraíbles, volúmenes externos e imágenes de disco.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>“%1” has no device node to erase.</source>
        <extracomment>Erase failure</extracomment>
        <translation>«%1» no tiene un archivo de dispositivo que formatear.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>This computer can’t make %1 file systems.</source>
        <extracomment>Erase failure when the file system cannot be made on this computer</extracomment>
        <translation>Este equipo no puede crear sistemas de archivos %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This computer can’t make %1 file systems: %2 is not installed.</source>
        <extracomment>Erase failure when the program that makes the file system is missing; %2 is its name</extracomment>
        <translation>Este equipo no puede crear sistemas de archivos %1: %2 no está instalado.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>“%1” was unmounted, but the erase didn’t finish, so what the volume holds now is unknown: %2</source>
        <extracomment>Erase failure when udisks2 went away during the erase; %1 is the volume&apos;s name, %2 why</extracomment>
        <translation>«%1» se desmontó, pero el formateo no terminó, así que se desconoce qué contiene ahora el volumen: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 The volume couldn’t be mounted again: %2</source>
        <extracomment>Erase failure after which the volume stays unmounted; %1 is why the erase failed</extracomment>
        <translation>%1 No se pudo volver a montar el volumen: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Erased, but the volume couldn’t be mounted: %1</source>
        <extracomment>Detail of a successful erase whose new volume could not be mounted</extracomment>
        <translation>Formateado, pero no se pudo montar el volumen: %1</translation>
    </message>
</context>
<context>
    <name>UserHome</name>
    <message>
        <location filename="../../core/stores/userhome.cpp" line="+61"/>
        <source>Quillmere needs a home folder of its user to keep its settings and history, but neither HOME (“%1”) nor the user’s entry in the password database (“%2”) names one. Set HOME to a folder of yours.</source>
        <extracomment>Printed when the program will not start; %1 is $HOME, %2 the password database&apos;s home</extracomment>
        <translation>Quillmere necesita una carpeta personal de su usuario para guardar sus preferencias y su historial, pero ni HOME («%1») ni la entrada del usuario en la base de datos de contraseñas («%2») indican una. Asigne a HOME una carpeta suya.</translation>
    </message>
</context>
<context>
    <name>VolumeActionGate</name>
    <message>
        <location filename="../../core/format/volumeactiongate.cpp" line="+36"/>
        <source>it isn’t mounted.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>no está montado.</translation>
    </message>
    <message>
        <location filename="../../core/policy/runningsystemguard.cpp" line="+14"/>
        <source>it is the boot volume, which Quillmere leaves alone.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>es el volumen de arranque, que Quillmere no toca.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is on the boot disk, which Quillmere leaves alone.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>está en el disco de arranque, que Quillmere no toca.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is a system volume, which Quillmere leaves alone.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>es un volumen del sistema, que Quillmere no toca.</translation>
    </message>
    <message>
        <location filename="../../core/format/volumeactiongate.cpp" line="+18"/>
        <source>its media policy doesn’t allow it.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t rename “X”: &quot; + this</extracomment>
        <translation>su política de soportes no lo permite.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it is a fixed internal volume; only removable volumes and network shares are ejected.</source>
        <extracomment>Why an eject is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>es un volumen interno fijo; solo se expulsan volúmenes extraíbles y recursos compartidos de red.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is already mounted.</source>
        <extracomment>Why a remount is refused: &quot;Couldn’t remount “X”: &quot; + this</extracomment>
        <translation>ya está montado.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it has no device node.</source>
        <extracomment>Why a rename is refused: &quot;Couldn’t rename “X”: &quot; + this</extracomment>
        <translation>no tiene archivo de dispositivo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its file system (XFS) can be renamed only while it is unmounted.</source>
        <extracomment>Why a rename is refused: &quot;Couldn’t rename “X”: &quot; + this</extracomment>
        <translation>su sistema de archivos (XFS) solo se puede renombrar mientras está desmontado.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no volume is erased until media-policy-overrides.json is fixed (%1).</source>
        <extracomment>Why an erase is refused: &quot;Couldn’t erase “X”: &quot; + this; %1 is the file&apos;s fault</extracomment>
        <translation>no se formatea ningún volumen hasta que se corrija media-policy-overrides.json (%1).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>only removable, external, and disk-image volumes may be erased.</source>
        <extracomment>Why an erase is refused: &quot;Couldn’t erase “X”: &quot; + this</extracomment>
        <translation>solo se pueden formatear volúmenes extraíbles, volúmenes externos e imágenes de disco.</translation>
    </message>
</context>
<context>
    <name>VolumeMenuModel</name>
    <message>
        <location filename="../../core/format/volumemenumodel.cpp" line="+13"/>
        <source>Ignore in Auto-Eject &amp; Eject All</source>
        <extracomment>Checkmark menu item exempting a volume from bulk ejection</extracomment>
        <translation>Omitir en la expulsión automática y en «Expulsar todo»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open in File Manager</source>
        <extracomment>Volume menu item</extracomment>
        <translation>Abrir en el gestor de archivos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy Path</source>
        <extracomment>Volume menu item</extracomment>
        <translation>Copiar la ruta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Eject</source>
        <extracomment>Volume menu item</extracomment>
        <translation>Expulsar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remount</source>
        <extracomment>Volume menu item</extracomment>
        <translation>Volver a montar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rename…</source>
        <extracomment>Volume menu item</extracomment>
        <translation>Renombrar…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Erase…</source>
        <extracomment>Volume menu item (destructive)</extracomment>
        <translation>Formatear…</translation>
    </message>
</context>
<context>
    <name>VolumeNameRules</name>
    <message>
        <location filename="../../core/operations/volumenamerules.cpp" line="+21"/>
        <source>spaces</source>
        <extracomment>A character a volume name cannot contain</extracomment>
        <translation>espacios</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Volume names can’t contain control characters such as line breaks or tabs.</source>
        <extracomment>Volume name refusal</extracomment>
        <translation>Los nombres de volumen no pueden contener caracteres de control como saltos de línea o tabulaciones.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Names of %1 volumes can’t contain %2.</source>
        <extracomment>Volume name refusal; %1 is a file system (&quot;FAT&quot;), %2 a character</extracomment>
        <translation>Los nombres de volúmenes %1 no pueden contener %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Names of %1 volumes can only contain letters A–Z, digits and plain punctuation, not %2.</source>
        <extracomment>Volume name refusal; %1 is a file system (&quot;FAT&quot;), %2 a character</extracomment>
        <translation>Los nombres de volúmenes %1 solo pueden contener letras de la A a la Z, dígitos y signos de puntuación simples, no %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Names of %1 volumes can be at most %2 bytes long; this one has %3. Letters with accents and other symbols take two bytes or more.</source>
        <extracomment>Volume name refusal; %1 is a file system (&quot;ext4&quot;)</extracomment>
        <translation>Los nombres de volúmenes %1 pueden tener como máximo %2 bytes; este tiene %3. Las letras con tilde y otros símbolos ocupan dos bytes o más.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Names of %1 volumes can be at most %2 characters long; this one has %3.</source>
        <extracomment>Volume name refusal; %1 is a file system (&quot;NTFS&quot;)</extracomment>
        <translation>Los nombres de volúmenes %1 pueden tener como máximo %2 caracteres; este tiene %3.</translation>
    </message>
</context>
<context>
    <name>VolumeRowFormatter</name>
    <message>
        <location filename="../../core/format/volumerowformatter.cpp" line="+13"/>
        <source>External</source>
        <extracomment>Volume kind</extracomment>
        <translation>Externo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Disk Image</source>
        <extracomment>Volume kind</extracomment>
        <translation>Imagen de disco</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System Image</source>
        <extracomment>Volume kind</extracomment>
        <translation>Imagen del sistema</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Network</source>
        <extracomment>Volume kind</extracomment>
        <translation>Red</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Internal</source>
        <extracomment>Volume kind</extracomment>
        <translation>Interno</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Boot</source>
        <extracomment>Volume kind</extracomment>
        <translation>Arranque</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System</source>
        <extracomment>Volume kind</extracomment>
        <translation>Sistema</translation>
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
        <translation>no montado</translation>
    </message>
</context>
</TS>
