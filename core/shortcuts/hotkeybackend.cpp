#include "shortcuts/hotkeybackend.h"

namespace GlobalShortcuts {

HotKeyBackend hotKeyBackend(const QString &sessionType, const QString &waylandDisplay,
                            const QString &x11Display)
{
    if (sessionType == QLatin1String("wayland"))
        return HotKeyBackend::portal;
    if (sessionType == QLatin1String("x11") && !x11Display.isEmpty())
        return HotKeyBackend::x11Grab;
    if (!waylandDisplay.isEmpty())
        return HotKeyBackend::portal;
    if (!x11Display.isEmpty())
        return HotKeyBackend::x11Grab;
    return HotKeyBackend::none;
}

} // namespace GlobalShortcuts
