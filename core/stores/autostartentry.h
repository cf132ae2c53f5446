#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

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
// The program the desktop looks for before it starts the entry: TryExec, else the program of
// Exec (its first word, unquoted and unescaped; field codes such as %u are not words). Empty
// when the entry names none.
QString programToFind(const QByteArray &contents);
// `program` can be started: a path (anything with a slash) that `isExecutable` accepts, or a
// bare name that it accepts in one of the `searchPath` folders.
bool programExists(const QString &program, const QStringList &searchPath,
                   const std::function<bool(const QString &path)> &isExecutable);

} // namespace AutostartEntry
