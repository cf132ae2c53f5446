#pragma once

#include <QString>

// Where the desktop keeps what the program opens for the user.
namespace DesktopPlaces {
// The folder under which removable media are mounted for this user: /run/media/$USER or
// /media/$USER, whichever exists; /media when neither does.
QString volumesFolder();
// The disk management application (GNOME Disks), or an empty string when none is installed.
QString disksProgram();
// Opens a folder in the file manager.
void openFolder(const QString &path);
// Starts the disk management application; false when there is none or it did not start.
bool launchDisks();
} // namespace DesktopPlaces
