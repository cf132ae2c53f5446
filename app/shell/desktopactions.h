#pragma once

#include <QList>
#include <QString>
#include <optional>

// The actions the launcher offers on a right-click (the .desktop file's desktop actions), each
// run as `quillmere --action NAME` and handed to the running instance.
enum class DesktopAction { open, ejectAll, history, preferences, openVolumes, diskUtility };

namespace DesktopActions {
// The name in the .desktop file and on the command line: "eject-all" and alike.
QString name(DesktopAction action);
std::optional<DesktopAction> fromName(const QString &name);
// In the order the .desktop file lists them.
const QList<DesktopAction> &all();
QStringList names();
} // namespace DesktopActions
