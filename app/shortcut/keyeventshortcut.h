#pragma once

#include "shortcuts/hotkeyservice.h"
#include "shortcuts/shortcut.h"

#include <optional>

class QKeyEvent;

namespace KeyEventShortcut {

// True for the keys that only modify others (Ctrl, Shift, Alt, Super, the lock keys).
bool isModifierKey(int qtKey);

// The combination a key event stands for, in the stored encoding. The key comes from the
// keyboard layout where the service can read it (so Shift+1 is 1, not "!"), else from Qt's
// key. None for modifier keys and keys outside the table.
std::optional<GlobalShortcuts::Shortcut> from(const QKeyEvent &event,
                                              const GlobalShortcuts::HotKeyService *service);

} // namespace KeyEventShortcut
