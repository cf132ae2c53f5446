#pragma once

#include "shortcuts/shortcut.h"

// What the shortcut recorder accepts, apart from the menu bar's and other programs' combinations.
namespace GlobalShortcuts::RecorderRules {

// Keys that may be recorded without a modifier: the function keys, which type nothing.
bool mayStandAlone(qint64 carbonKeyCode);

enum class Refusal {
    none,
    // No key of the table: the desktop could not be asked for it.
    unknownKey,
    // Shift alone with a key that types or edits text, which every program needs for itself.
    typesText,
};

Refusal refusal(const Shortcut &shortcut);

} // namespace GlobalShortcuts::RecorderRules
