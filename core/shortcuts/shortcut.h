#pragma once

#include <QHashFunctions>
#include <QString>
#include <optional>

namespace GlobalShortcuts {

// Carbon modifier bits, the stored encoding of every shortcut. The keys map by position: Ctrl
// is controlKey, Alt optionKey, Shift shiftKey and Super cmdKey.
namespace CarbonModifier {
inline constexpr qint64 cmdKey = 256;
inline constexpr qint64 shiftKey = 512;
inline constexpr qint64 alphaLock = 1024;
inline constexpr qint64 optionKey = 2048;
inline constexpr qint64 controlKey = 4096;
// The bits a hot key may carry.
inline constexpr qint64 hotKeyMask = cmdKey | shiftKey | optionKey | controlKey;
} // namespace CarbonModifier

// A key combination in the stored encoding: a macOS virtual key code and Carbon modifier bits,
// so that a settings file means the same combination on either platform.
struct Shortcut {
    qint64 carbonKeyCode = 0;
    qint64 carbonModifiers = 0;

    bool operator==(const Shortcut &) const = default;

    // The stored form: {"carbonKeyCode":14,"carbonModifiers":6144}.
    QString toJson() const;
    // None unless the text is a JSON object whose two keys hold integers.
    static std::optional<Shortcut> fromJson(const QString &text);
};

inline size_t qHash(const Shortcut &shortcut, size_t seed = 0) noexcept
{
    return qHashMulti(seed, shortcut.carbonKeyCode, shortcut.carbonModifiers);
}

} // namespace GlobalShortcuts
