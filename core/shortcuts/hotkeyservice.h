#pragma once

#include "shortcuts/deliverystatus.h"
#include "shortcuts/shortcut.h"

#include <QString>
#include <functional>
#include <optional>

namespace GlobalShortcuts {

// The desktop's way of delivering a key combination to us while another program has the focus:
// a key grab on X11, the desktop portal on Wayland.
class HotKeyService {
public:
    virtual ~HotKeyService() = default;

    // Whether the desktop can deliver global shortcuts at all. May change once (the portal
    // answers later); onAvailabilityChanged reports it.
    virtual bool isAvailable() const = 0;

    // Starts delivering the combination under `id`. 0 when it is delivered; otherwise the
    // platform's status, for the diagnostic line. `name` is the shortcut name it stands for.
    virtual int registerHotKey(quint32 id, const Shortcut &shortcut, const QString &name) = 0;
    virtual void unregisterHotKey(quint32 id) = 0;

    // 0 when no other program holds the combination, otherwise the platform's status. Leaves
    // nothing registered.
    virtual int probe(const Shortcut &shortcut) = 0;

    // True where hot keys stop arriving while a menu of ours holds the keyboard, so that the
    // menu-open path must stand in for them.
    virtual bool needsMenuPath() const = 0;

    // The stored key code of a key the toolkit reports by its native scan code, from the
    // keyboard's layout; none when the service cannot tell.
    virtual std::optional<qint64> carbonKeyCode(quint32 nativeScanCode) const = 0;

    // What the desktop says of the name's combination, where it says more than whether the
    // registration was taken (the portal answers later, and may wait for the user); none
    // otherwise, and the registration tells.
    virtual std::optional<DeliveryStatus> deliveryStatus(const QString &name) const
    {
        Q_UNUSED(name);
        return std::nullopt;
    }

    // Set by the registry.
    std::function<void(quint32 id, bool pressed)> onHotKeyEvent;
    // A registration that was accepted first and refused later (the portal answers late), with
    // the desktop's reason when it gives one.
    std::function<void(quint32 id, int status, const QString &reason)> onRegistrationFailed;
    std::function<void()> onAvailabilityChanged;
    // What deliveryStatus answers for the name changed.
    std::function<void(const QString &name)> onDeliveryStatusChanged;
};

} // namespace GlobalShortcuts
