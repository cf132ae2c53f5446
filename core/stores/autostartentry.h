#pragma once

#include <QByteArray>
#include <QString>

// The desktop entry that makes the session start the program at login
// ($XDG_CONFIG_HOME/autostart/<application id>.desktop), as text and as the desktop reads it.
namespace AutostartEntry {

// The file name of the entry for an application id.
QString fileName(const QString &applicationId);
// A complete entry that starts `program`.
QByteArray contents(const QString &program);
// The value of an Exec key that runs `program` without arguments: quoted when the path holds
// a character the key reserves, then escaped as a desktop-entry string.
QString execValue(const QString &program);
// The desktop starts the entry: it has a [Desktop Entry] group that neither hides it
// (Hidden=true) nor turns it off (X-GNOME-Autostart-enabled=false).
bool isInEffect(const QByteArray &contents);

} // namespace AutostartEntry
