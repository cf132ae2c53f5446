#pragma once

#include "operations/commandresult.h"

#include <QDBusMessage>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

// The categories of platform/linux, quillmere.<area> as everywhere in Quillmere. Only what an
// operation was refused or what failed is logged, once per failure; nothing that runs
// periodically logs, so an idle program writes nothing.

// quillmere.udisks: udisks2 refused an operation (Unmount, Mount, Lock, SetLabel, Format,
// Loop.Delete, …).
Q_DECLARE_LOGGING_CATEGORY(lcUDisks)
// quillmere.tools: an external tool run for an operation (umount, fusermount3, lsof) failed.
Q_DECLARE_LOGGING_CATEGORY(lcTools)

namespace PlatformLogging {

// Filter rules that silence both categories, for a caller that reports every such failure to
// the user itself (the command line). QT_LOGGING_RULES, applied after them, can ask for the
// log lines again.
inline constexpr const char *operationFailuresSilenced = "quillmere.udisks=false\n"
                                                         "quillmere.tools=false";

// A warning that udisks2 refused method on a device: its name (when it has one), its object
// path, the D-Bus error name and message.
void logRefusal(const QString &method, const QString &deviceName, const QString &objectPath,
                const QDBusMessage &reply);
// A warning that a tool failed: the command, then how it ended (time-out, never started, or the
// exit status) and the first line of its standard error.
void logToolFailure(const QString &program, const QStringList &arguments,
                    const CommandResult &outcome);

} // namespace PlatformLogging
