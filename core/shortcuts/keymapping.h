#pragma once

#include "shortcuts/shortcut.h"

#include <QList>
#include <QString>
#include <Qt>
#include <optional>

namespace GlobalShortcuts {

// Between the stored encoding (macOS virtual key codes, Carbon modifier bits) and what Linux
// reports: X keysyms and modifier masks, Qt keys and modifiers, and the key names of the
// freedesktop shortcuts format that the desktop portal takes.
namespace KeyMapping {

struct Key {
    qint64 carbonKeyCode = 0;
    // The keysym of the key without Shift; letters as lower case.
    quint32 keysym = 0;
    // Qt::Key as Qt reports the key without Shift (with the keypad modifier for keypad keys).
    int qtKey = 0;
    bool keypad = false;
    // The keysym's name without the XKB_KEY_ prefix ("e", "F1", "Page_Up").
    const char *keysymName = nullptr;
    // How the key is shown; words are translated, symbols shown as they are.
    const char *label = nullptr;
    bool labelIsWord = false;
};

// Every key a global shortcut may use, in a fixed order.
const QList<Key> &keys();

std::optional<Key> forCarbonKeyCode(qint64 carbonKeyCode);
// Upper-case letter keysyms find their key too.
std::optional<Key> forKeysym(quint32 keysym);
std::optional<Key> forQtKey(int qtKey, bool keypad);

bool isFunctionKey(qint64 carbonKeyCode);

qint64 carbonModifiers(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers qtModifiers(qint64 carbonModifiers);

// Which X modifier bit each key sets on this display; Ctrl and Shift are fixed by the protocol.
struct XModifierMasks {
    quint16 alt = 0x08;     // Mod1
    quint16 super = 0x40;   // Mod4
    quint16 numLock = 0x10; // Mod2
    static constexpr quint16 shift = 0x01;
    static constexpr quint16 capsLock = 0x02;
    static constexpr quint16 control = 0x04;
};

quint16 xModifiers(qint64 carbonModifiers, const XModifierMasks &masks);
// Lock keys and unknown bits are left out.
qint64 carbonModifiers(quint16 xState, const XModifierMasks &masks);
// The four lock states a grab must cover so that NumLock or CapsLock never stop it.
QList<quint16> lockVariants(const XModifierMasks &masks);

// "Ctrl+Alt+E"; a key the table lacks shows as its number.
QString description(const Shortcut &shortcut);
// The freedesktop shortcuts format ("CTRL+ALT+e"); empty when the key is not in the table.
QString trigger(const Shortcut &shortcut);

} // namespace KeyMapping
} // namespace GlobalShortcuts
