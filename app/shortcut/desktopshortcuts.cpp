#include "shortcut/desktopshortcuts.h"

#include "shortcuts/hotkeybackend.h"

#include "portalhotkeyservice.h"
#include "x11hotkeyservice.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcShortcuts, "quillmere.shortcuts")

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
    const GlobalShortcuts::HotKeyBackend backend = GlobalShortcuts::hotKeyBackend(
        qEnvironmentVariable("XDG_SESSION_TYPE"), qEnvironmentVariable("WAYLAND_DISPLAY"),
        qEnvironmentVariable("DISPLAY"));
    // Said once, so that a user whose shortcut does nothing can find out why.
    switch (backend) {
    case GlobalShortcuts::HotKeyBackend::x11Grab:
        service = X11HotKeyService::open();
        if (!service)
            qCWarning(lcShortcuts).noquote()
                << "No global shortcuts: the X server" << qEnvironmentVariable("DISPLAY")
                << "cannot be reached to grab keys.";
        break;
    case GlobalShortcuts::HotKeyBackend::portal: {
        auto portal = std::make_unique<PortalHotKeyService>(QDBusConnection::sessionBus(), defaults,
                                                            &DesktopShortcuts::describe);
        portal->start();
        service = std::move(portal);
        break;
    }
    case GlobalShortcuts::HotKeyBackend::none:
        qCWarning(lcShortcuts) << "No global shortcuts: neither an X11 display to grab keys on "
                                  "nor a Wayland session whose desktop portal could offer them.";
        break;
    }
    auto registry = std::make_unique<GlobalShortcuts::Registry>(defaults, std::move(service));
    if (backend == GlobalShortcuts::HotKeyBackend::portal) {
        // The portal answers later; only its first "no" is worth a line.
        auto said = std::make_shared<bool>(false);
        QObject::connect(registry.get(), &GlobalShortcuts::Registry::availabilityChanged,
                         registry.get(), [said](bool available) {
                             if (available || *said)
                                 return;
                             *said = true;
                             qCWarning(lcShortcuts)
                                 << "No global shortcuts: the desktop portal offers no "
                                    "org.freedesktop.portal.GlobalShortcuts interface, and on "
                                    "Wayland no key grab reaches other programs.";
                         });
    }
    return registry;
}

} // namespace DesktopShortcuts
