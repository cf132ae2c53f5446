#pragma once

#include <QString>

namespace GlobalShortcuts {

// How far the desktop delivers a name's combination, as the preferences row tells the user.
enum class DeliveryState {
    // No combination is stored for the name.
    none,
    // The desktop has not answered yet.
    pending,
    // The desktop delivers it from any program.
    delivered,
    // The desktop took the shortcut and waits for the user to give it a key in its settings.
    awaitingUser,
    // The desktop gives programs no global shortcuts.
    unsupported,
    // The user declined it in the desktop's dialog.
    declined,
    // The desktop could not take it.
    failed,
};

struct DeliveryStatus {
    DeliveryState state = DeliveryState::none;
    // The desktop's own words for the key it delivers (empty where it does not say).
    QString trigger;

    bool operator==(const DeliveryStatus &) const = default;
};

} // namespace GlobalShortcuts
