#pragma once

#include "stores/userfolders.h"

#include <QString>

// Whether a copy of the program runs from a place where freshly downloaded copies are run
// (a removable drive, the Downloads or Desktop folder, a temporary folder), and where a moved
// copy goes. Pure: works on the paths it is given.
namespace InstallLocation {

// The program file: the AppImage when the program runs as one, otherwise the executable.
QString bundlePath(const QString &appImage, const QString &executable);

// Never for system installs (/usr, /opt) or user installs (~/Applications, ~/.local); always
// for removable media (/media, /run/media) and temporary folders (below /tmp/); otherwise for
// the Downloads and Desktop folders.
bool shouldOfferMove(const QString &bundlePath, const UserFolders &folders);

// Slots into the offer's sentence: "a removable drive", "your Downloads folder" and alike.
QString locationDescription(const QString &path, const UserFolders &folders);

// Below /tmp/ and outside the home folder: a copy the user did not place there, left alone
// after a move. Inside the home (a home below /tmp) the home's folders decide.
bool isTemporaryLocation(const QString &path, const QString &home);

// home + "/Applications".
QString applicationsFolder(const QString &home);
// The moved copy: applicationsFolder with the program's file name.
QString destination(const QString &bundlePath, const QString &home);
// The launcher entry written for a moved copy, named after the application id so that the
// desktop matches the program's windows to it.
QString desktopEntryPath(const QString &dataHome, const QString &applicationId);

} // namespace InstallLocation
