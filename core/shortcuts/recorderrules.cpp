#include "shortcuts/recorderrules.h"

#include "shortcuts/keymapping.h"

namespace GlobalShortcuts::RecorderRules {

bool mayStandAlone(qint64 carbonKeyCode)
{
    return KeyMapping::isFunctionKey(carbonKeyCode);
}

Refusal refusal(const Shortcut &shortcut)
{
    if (!KeyMapping::forCarbonKeyCode(shortcut.carbonKeyCode))
        return Refusal::unknownKey;
    const qint64 modifiers = shortcut.carbonModifiers & CarbonModifier::hotKeyMask;
    if (modifiers == CarbonModifier::shiftKey && !mayStandAlone(shortcut.carbonKeyCode))
        return Refusal::typesText;
    return Refusal::none;
}

} // namespace GlobalShortcuts::RecorderRules
