#pragma once

#include "shortcuts/shortcutregistry.h"

#include <QString>
#include <memory>

class SettingsStore;

namespace DesktopShortcuts {

// The names layer over this session's hot-key service: the X11 key grab in an X11 session,
// the desktop portal on Wayland, none elsewhere (the recorder then says so).
std::unique_ptr<GlobalShortcuts::Registry> make(SettingsStore &defaults);

// What the desktop shows for a shortcut name (the portal lists it in its settings).
QString describe(const QString &name);

} // namespace DesktopShortcuts
