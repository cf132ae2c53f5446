#include "shortcut/keyeventshortcut.h"

#include "shortcuts/keymapping.h"

#include <QKeyEvent>

namespace KeyEventShortcut {

bool isModifierKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_unknown:
        return true;
    default:
        return false;
    }
}

std::optional<GlobalShortcuts::Shortcut> from(const QKeyEvent &event,
                                              const GlobalShortcuts::HotKeyService *service)
{
    if (isModifierKey(event.key()))
        return std::nullopt;
    std::optional<qint64> keyCode;
    if (service && event.nativeScanCode() != 0)
        keyCode = service->carbonKeyCode(event.nativeScanCode());
    if (!keyCode) {
        const auto key = GlobalShortcuts::KeyMapping::forQtKey(
            event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
        if (key)
            keyCode = key->carbonKeyCode;
    }
    if (!keyCode)
        return std::nullopt;
    return GlobalShortcuts::Shortcut{
        *keyCode, GlobalShortcuts::KeyMapping::carbonModifiers(event.modifiers())};
}

} // namespace KeyEventShortcut
