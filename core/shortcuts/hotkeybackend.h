#pragma once

#include <QString>

namespace GlobalShortcuts {

// Which hot-key service a session can have: on Wayland only the desktop portal reaches other
// programs (an X11 grab there sees only the X11 programs), on X11 the key grab.
enum class HotKeyBackend { none, x11Grab, portal };

HotKeyBackend hotKeyBackend(const QString &sessionType, const QString &waylandDisplay,
                            const QString &x11Display);

} // namespace GlobalShortcuts
