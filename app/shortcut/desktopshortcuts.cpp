#include "shortcut/desktopshortcuts.h"

#include "shortcuts/hotkeybackend.h"

#include "portalhotkeyservice.h"
#include "x11hotkeyservice.h"

#include <QCoreApplication>
#include <QDBusConnection>

namespace DesktopShortcuts {

QString describe(const QString &name)
{
    if (name == GlobalShortcuts::Name::ejectAll().rawValue)
        //: What the global shortcut does, as the desktop's shortcut settings list it
        return QCoreApplication::translate("DesktopShortcuts", "Eject All");
    return name;
}

std::unique_ptr<GlobalShortcuts::Registry> make(SettingsStore &defaults)
{
    std::unique_ptr<GlobalShortcuts::HotKeyService> service;
    switch (GlobalShortcuts::hotKeyBackend(qEnvironmentVariable("XDG_SESSION_TYPE"),
                                           qEnvironmentVariable("WAYLAND_DISPLAY"),
                                           qEnvironmentVariable("DISPLAY"))) {
    case GlobalShortcuts::HotKeyBackend::x11Grab:
        service = X11HotKeyService::open();
        break;
    case GlobalShortcuts::HotKeyBackend::portal: {
        auto portal = std::make_unique<PortalHotKeyService>(QDBusConnection::sessionBus(), defaults,
                                                            &DesktopShortcuts::describe);
        portal->start();
        service = std::move(portal);
        break;
    }
    case GlobalShortcuts::HotKeyBackend::none:
        break;
    }
    return std::make_unique<GlobalShortcuts::Registry>(defaults, std::move(service));
}

} // namespace DesktopShortcuts
