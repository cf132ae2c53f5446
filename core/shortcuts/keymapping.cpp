#include "shortcuts/keymapping.h"

#include <QCoreApplication>
#include <QStringList>

namespace GlobalShortcuts::KeyMapping {

namespace {

// Symbol keys are labelled with the character they type, other keys with a translated word.
QList<Key> buildKeys()
{
    QList<Key> table;
    // Letters, by their macOS virtual key codes (kVK_ANSI_A …).
    const std::pair<qint64, char> letters[] = {
        {0x00, 'a'}, {0x0B, 'b'}, {0x08, 'c'}, {0x02, 'd'}, {0x0E, 'e'}, {0x03, 'f'}, {0x05, 'g'},
        {0x04, 'h'}, {0x22, 'i'}, {0x26, 'j'}, {0x28, 'k'}, {0x25, 'l'}, {0x2E, 'm'}, {0x2D, 'n'},
        {0x1F, 'o'}, {0x23, 'p'}, {0x0C, 'q'}, {0x0F, 'r'}, {0x01, 's'}, {0x11, 't'}, {0x20, 'u'},
        {0x09, 'v'}, {0x0D, 'w'}, {0x07, 'x'}, {0x10, 'y'}, {0x06, 'z'}};
    static const char *const letterNames[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i",
                                              "j", "k", "l", "m", "n", "o", "p", "q", "r",
                                              "s", "t", "u", "v", "w", "x", "y", "z"};
    static const char *const letterLabels[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                               "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                               "S", "T", "U", "V", "W", "X", "Y", "Z"};
    for (const auto &[code, lower] : letters)
        table.append(Key{code, quint32(lower), Qt::Key_A + (lower - 'a'), false,
                         letterNames[lower - 'a'], letterLabels[lower - 'a'], false});

    // Digits of the main block.
    const qint64 digitCodes[] = {0x1D, 0x12, 0x13, 0x14, 0x15, 0x17, 0x16, 0x1A, 0x1C, 0x19};
    static const char *const digitNames[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int digit = 0; digit < 10; ++digit)
        table.append(Key{digitCodes[digit], quint32('0' + digit), Qt::Key_0 + digit, false,
                         digitNames[digit], digitNames[digit], false});

    // Punctuation of the main block, as on a US keyboard.
    //: Key name in a shortcut
    table.append({0x31, 0x20, Qt::Key_Space, false, "space",
                  QT_TRANSLATE_NOOP("KeyMapping", "Space"), true});
    table.append({0x1B, 0x2d, Qt::Key_Minus, false, "minus", "-", false});
    table.append({0x18, 0x3d, Qt::Key_Equal, false, "equal", "=", false});
    table.append({0x21, 0x5b, Qt::Key_BracketLeft, false, "bracketleft", "[", false});
    table.append({0x1E, 0x5d, Qt::Key_BracketRight, false, "bracketright", "]", false});
    table.append({0x2A, 0x5c, Qt::Key_Backslash, false, "backslash", "\\", false});
    table.append({0x29, 0x3b, Qt::Key_Semicolon, false, "semicolon", ";", false});
    table.append({0x27, 0x27, Qt::Key_Apostrophe, false, "apostrophe", "'", false});
    table.append({0x32, 0x60, Qt::Key_QuoteLeft, false, "grave", "`", false});
    table.append({0x2B, 0x2c, Qt::Key_Comma, false, "comma", ",", false});
    table.append({0x2F, 0x2e, Qt::Key_Period, false, "period", ".", false});
    table.append({0x2C, 0x2f, Qt::Key_Slash, false, "slash", "/", false});

    // Editing and navigation keys. The Help key of a Mac keyboard sits where Insert is.
    //: Key name in a shortcut
    table.append({0x24, 0xff0d, Qt::Key_Return, false, "Return",
                  QT_TRANSLATE_NOOP("KeyMapping", "Return"), true});
    //: Key name in a shortcut
    table.append(
        {0x30, 0xff09, Qt::Key_Tab, false, "Tab", QT_TRANSLATE_NOOP("KeyMapping", "Tab"), true});
    //: Key name in a shortcut
    table.append({0x33, 0xff08, Qt::Key_Backspace, false, "BackSpace",
                  QT_TRANSLATE_NOOP("KeyMapping", "Backspace"), true});
    //: Key name in a shortcut (Escape)
    table.append({0x35, 0xff1b, Qt::Key_Escape, false, "Escape",
                  QT_TRANSLATE_NOOP("KeyMapping", "Esc"), true});
    //: Key name in a shortcut (forward Delete)
    table.append({0x75, 0xffff, Qt::Key_Delete, false, "Delete",
                  QT_TRANSLATE_NOOP("KeyMapping", "Del"), true});
    //: Key name in a shortcut (Insert)
    table.append({0x72, 0xff63, Qt::Key_Insert, false, "Insert",
                  QT_TRANSLATE_NOOP("KeyMapping", "Ins"), true});
    //: Key name in a shortcut
    table.append(
        {0x73, 0xff50, Qt::Key_Home, false, "Home", QT_TRANSLATE_NOOP("KeyMapping", "Home"), true});
    //: Key name in a shortcut
    table.append(
        {0x77, 0xff57, Qt::Key_End, false, "End", QT_TRANSLATE_NOOP("KeyMapping", "End"), true});
    //: Key name in a shortcut (Page Up)
    table.append({0x74, 0xff55, Qt::Key_PageUp, false, "Page_Up",
                  QT_TRANSLATE_NOOP("KeyMapping", "PgUp"), true});
    //: Key name in a shortcut (Page Down)
    table.append({0x79, 0xff56, Qt::Key_PageDown, false, "Page_Down",
                  QT_TRANSLATE_NOOP("KeyMapping", "PgDown"), true});
    //: Key name in a shortcut (arrow key)
    table.append(
        {0x7B, 0xff51, Qt::Key_Left, false, "Left", QT_TRANSLATE_NOOP("KeyMapping", "Left"), true});
    //: Key name in a shortcut (arrow key)
    table.append(
        {0x7E, 0xff52, Qt::Key_Up, false, "Up", QT_TRANSLATE_NOOP("KeyMapping", "Up"), true});
    //: Key name in a shortcut (arrow key)
    table.append({0x7C, 0xff53, Qt::Key_Right, false, "Right",
                  QT_TRANSLATE_NOOP("KeyMapping", "Right"), true});
    //: Key name in a shortcut (arrow key)
    table.append(
        {0x7D, 0xff54, Qt::Key_Down, false, "Down", QT_TRANSLATE_NOOP("KeyMapping", "Down"), true});

    // Function keys F1 to F20.
    const qint64 functionCodes[] = {0x7A, 0x78, 0x63, 0x76, 0x60, 0x61, 0x62, 0x64, 0x65, 0x6D,
                                    0x67, 0x6F, 0x69, 0x6B, 0x71, 0x6A, 0x40, 0x4F, 0x50, 0x5A};
    static const char *const functionNames[] = {"F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",
                                                "F8",  "F9",  "F10", "F11", "F12", "F13", "F14",
                                                "F15", "F16", "F17", "F18", "F19", "F20"};
    for (int n = 0; n < 20; ++n)
        table.append(Key{functionCodes[n], quint32(0xffbe + n), Qt::Key_F1 + n, false,
                         functionNames[n], functionNames[n], false});

    // The keypad.
    const qint64 keypadDigitCodes[] = {0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5B, 0x5C};
    static const char *const keypadNames[] = {"KP_0", "KP_1", "KP_2", "KP_3", "KP_4",
                                              "KP_5", "KP_6", "KP_7", "KP_8", "KP_9"};
    static const char *const keypadLabels[] = {"Num+0", "Num+1", "Num+2", "Num+3", "Num+4",
                                               "Num+5", "Num+6", "Num+7", "Num+8", "Num+9"};
    for (int digit = 0; digit < 10; ++digit)
        table.append(Key{keypadDigitCodes[digit], quint32(0xffb0 + digit), Qt::Key_0 + digit, true,
                         keypadNames[digit], keypadLabels[digit], false});
    table.append({0x41, 0xffae, Qt::Key_Period, true, "KP_Decimal", "Num+.", false});
    table.append({0x43, 0xffaa, Qt::Key_Asterisk, true, "KP_Multiply", "Num+*", false});
    table.append({0x45, 0xffab, Qt::Key_Plus, true, "KP_Add", "Num++", false});
    table.append({0x4B, 0xffaf, Qt::Key_Slash, true, "KP_Divide", "Num+/", false});
    table.append({0x4E, 0xffad, Qt::Key_Minus, true, "KP_Subtract", "Num+-", false});
    table.append({0x51, 0xffbd, Qt::Key_Equal, true, "KP_Equal", "Num+=", false});
    //: Key name in a shortcut (the keypad's Enter key)
    table.append({0x4C, 0xff8d, Qt::Key_Enter, true, "KP_Enter",
                  QT_TRANSLATE_NOOP("KeyMapping", "Enter"), true});
    return table;
}

QString label(const Key &key)
{
    return key.labelIsWord ? QCoreApplication::translate("KeyMapping", key.label)
                           : QString::fromLatin1(key.label);
}

} // namespace

const QList<Key> &keys()
{
    static const QList<Key> table = buildKeys();
    return table;
}

std::optional<Key> forCarbonKeyCode(qint64 carbonKeyCode)
{
    for (const Key &key : keys()) {
        if (key.carbonKeyCode == carbonKeyCode)
            return key;
    }
    return std::nullopt;
}

std::optional<Key> forKeysym(quint32 keysym)
{
    if (keysym >= 'A' && keysym <= 'Z')
        keysym += 'a' - 'A';
    for (const Key &key : keys()) {
        if (key.keysym == keysym)
            return key;
    }
    return std::nullopt;
}

std::optional<Key> forQtKey(int qtKey, bool keypad)
{
    // Qt reports Tab with Shift as Backtab.
    if (qtKey == Qt::Key_Backtab)
        qtKey = Qt::Key_Tab;
    for (const Key &key : keys()) {
        if (key.qtKey == qtKey && key.keypad == keypad)
            return key;
    }
    // Keys Qt may flag as keypad keys although they have no keypad twin (arrows on some layouts).
    if (keypad)
        return forQtKey(qtKey, false);
    return std::nullopt;
}

bool isFunctionKey(qint64 carbonKeyCode)
{
    const std::optional<Key> key = forCarbonKeyCode(carbonKeyCode);
    return key && key->keysym >= 0xffbe && key->keysym <= 0xffd1;
}

qint64 carbonModifiers(Qt::KeyboardModifiers modifiers)
{
    qint64 carbon = 0;
    if (modifiers & Qt::ControlModifier)
        carbon |= CarbonModifier::controlKey;
    if (modifiers & Qt::AltModifier)
        carbon |= CarbonModifier::optionKey;
    if (modifiers & Qt::ShiftModifier)
        carbon |= CarbonModifier::shiftKey;
    if (modifiers & Qt::MetaModifier)
        carbon |= CarbonModifier::cmdKey;
    return carbon;
}

Qt::KeyboardModifiers qtModifiers(qint64 carbonModifiers)
{
    Qt::KeyboardModifiers modifiers;
    if (carbonModifiers & CarbonModifier::controlKey)
        modifiers |= Qt::ControlModifier;
    if (carbonModifiers & CarbonModifier::optionKey)
        modifiers |= Qt::AltModifier;
    if (carbonModifiers & CarbonModifier::shiftKey)
        modifiers |= Qt::ShiftModifier;
    if (carbonModifiers & CarbonModifier::cmdKey)
        modifiers |= Qt::MetaModifier;
    return modifiers;
}

quint16 xModifiers(qint64 carbonModifiers, const XModifierMasks &masks)
{
    quint16 state = 0;
    if (carbonModifiers & CarbonModifier::controlKey)
        state |= XModifierMasks::control;
    if (carbonModifiers & CarbonModifier::optionKey)
        state |= masks.alt;
    if (carbonModifiers & CarbonModifier::shiftKey)
        state |= XModifierMasks::shift;
    if (carbonModifiers & CarbonModifier::cmdKey)
        state |= masks.super;
    return state;
}

qint64 carbonModifiers(quint16 xState, const XModifierMasks &masks)
{
    qint64 carbon = 0;
    if (xState & XModifierMasks::control)
        carbon |= CarbonModifier::controlKey;
    if (masks.alt && (xState & masks.alt))
        carbon |= CarbonModifier::optionKey;
    if (xState & XModifierMasks::shift)
        carbon |= CarbonModifier::shiftKey;
    if (masks.super && (xState & masks.super))
        carbon |= CarbonModifier::cmdKey;
    return carbon;
}

QList<quint16> lockVariants(const XModifierMasks &masks)
{
    QList<quint16> variants{0, XModifierMasks::capsLock};
    if (masks.numLock) {
        variants.append(masks.numLock);
        variants.append(masks.numLock | XModifierMasks::capsLock);
    }
    return variants;
}

QString description(const Shortcut &shortcut)
{
    QStringList parts;
    if (shortcut.carbonModifiers & CarbonModifier::controlKey)
        //: Modifier key name in a shortcut
        parts.append(QCoreApplication::translate("KeyMapping", "Ctrl"));
    if (shortcut.carbonModifiers & CarbonModifier::optionKey)
        //: Modifier key name in a shortcut
        parts.append(QCoreApplication::translate("KeyMapping", "Alt"));
    if (shortcut.carbonModifiers & CarbonModifier::shiftKey)
        //: Modifier key name in a shortcut
        parts.append(QCoreApplication::translate("KeyMapping", "Shift"));
    if (shortcut.carbonModifiers & CarbonModifier::cmdKey)
        //: Modifier key name in a shortcut (the key with the desktop's logo)
        parts.append(QCoreApplication::translate("KeyMapping", "Super"));
    const std::optional<Key> key = forCarbonKeyCode(shortcut.carbonKeyCode);
    parts.append(key ? label(*key) : QString::number(shortcut.carbonKeyCode));
    return parts.join(QLatin1Char('+'));
}

QString trigger(const Shortcut &shortcut)
{
    const std::optional<Key> key = forCarbonKeyCode(shortcut.carbonKeyCode);
    if (!key)
        return {};
    QStringList parts;
    if (shortcut.carbonModifiers & CarbonModifier::controlKey)
        parts.append(QStringLiteral("CTRL"));
    if (shortcut.carbonModifiers & CarbonModifier::optionKey)
        parts.append(QStringLiteral("ALT"));
    if (shortcut.carbonModifiers & CarbonModifier::shiftKey)
        parts.append(QStringLiteral("SHIFT"));
    if (shortcut.carbonModifiers & CarbonModifier::cmdKey)
        parts.append(QStringLiteral("LOGO"));
    parts.append(QString::fromLatin1(key->keysymName));
    return parts.join(QLatin1Char('+'));
}

} // namespace GlobalShortcuts::KeyMapping
