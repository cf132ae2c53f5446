#pragma once

#include <QString>

// Launcher entries (freedesktop.org desktop entries) for a copy of the program that lives
// outside the system folders. Pure text work.
namespace DesktopEntry {

// A string value as the file stores it: backslash, newline, tab and carriage return escaped.
QString stringValue(const QString &text);

// One argument of an Exec key as the file stores it: quoted when it holds a reserved
// character, "%" doubled, backslashes escaped once for the quoting and once for the file.
QString execArgument(const QString &argument);

// The installed entry with every Exec and TryExec that starts the program by its bare name
// (`installedName`) pointing at `program` instead; everything else kept as it is.
QString forCopy(const QString &installedEntry, const QString &installedName,
                const QString &program);

} // namespace DesktopEntry
