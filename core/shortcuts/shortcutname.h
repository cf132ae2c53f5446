#pragma once

#include "shortcuts/shortcut.h"

#include <QString>
#include <optional>

namespace GlobalShortcuts {

// A named shortcut: the name callbacks are registered for and its stored combination is kept
// under, with the combination it starts with when the settings have none.
struct Name {
    QString rawValue;
    std::optional<Shortcut> defaultShortcut;

    bool operator==(const Name &) const = default;

    // "GlobalShortcuts_" followed by the raw value.
    QString settingsKey() const;

    // The application's one name: Eject All, with no default combination.
    static Name ejectAll();
};

} // namespace GlobalShortcuts
