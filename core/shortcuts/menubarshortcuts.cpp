#include "shortcuts/menubarshortcuts.h"

#include "shortcuts/keymapping.h"

#include <QCoreApplication>

namespace MenuBarShortcuts {

const QList<Entry> &entries()
{
    static const QList<Entry> table{
        //: Main menu item (File)
        {Item::ejectAll, Qt::CTRL | Qt::ALT | Qt::Key_E, QT_TRANSLATE_NOOP("MenuBar", "Eject All")},
        //: Main menu item (File): closes the window
        {Item::close, Qt::CTRL | Qt::Key_W, QT_TRANSLATE_NOOP("MenuBar", "Close")},
        //: Main menu item (File)
        {Item::quit, Qt::CTRL | Qt::Key_Q, QT_TRANSLATE_NOOP("MenuBar", "Quit Quillmere")},
        //: Main menu item (Edit)
        {Item::undo, Qt::CTRL | Qt::Key_Z, QT_TRANSLATE_NOOP("MenuBar", "Undo")},
        //: Main menu item (Edit)
        {Item::redo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, QT_TRANSLATE_NOOP("MenuBar", "Redo")},
        //: Main menu item (Edit)
        {Item::cut, Qt::CTRL | Qt::Key_X, QT_TRANSLATE_NOOP("MenuBar", "Cut")},
        //: Main menu item (Edit)
        {Item::copy, Qt::CTRL | Qt::Key_C, QT_TRANSLATE_NOOP("MenuBar", "Copy")},
        //: Main menu item (Edit)
        {Item::paste, Qt::CTRL | Qt::Key_V, QT_TRANSLATE_NOOP("MenuBar", "Paste")},
        //: Main menu item (Edit)
        {Item::selectAll, Qt::CTRL | Qt::Key_A, QT_TRANSLATE_NOOP("MenuBar", "Select All")},
        //: Main menu item (Edit)
        {Item::preferences, Qt::CTRL | Qt::Key_Comma, QT_TRANSLATE_NOOP("MenuBar", "Preferences…")},
        //: Main menu item (View): volumes as a grid
        {Item::viewAsGrid, Qt::CTRL | Qt::Key_1, QT_TRANSLATE_NOOP("MenuBar", "as Grid")},
        //: Main menu item (View): volumes as a list
        {Item::viewAsList, Qt::CTRL | Qt::Key_2, QT_TRANSLATE_NOOP("MenuBar", "as List")},
        //: Main menu item (Window)
        {Item::minimize, Qt::CTRL | Qt::Key_M, QT_TRANSLATE_NOOP("MenuBar", "Minimize")},
        //: Main menu item (Help)
        {Item::help, QKeyCombination(Qt::Key_F1), QT_TRANSLATE_NOOP("MenuBar", "Quillmere Help")},
    };
    return table;
}

QKeyCombination key(Item item)
{
    for (const Entry &entry : entries()) {
        if (entry.item == item)
            return entry.key;
    }
    return {};
}

QString title(Item item)
{
    for (const Entry &entry : entries()) {
        if (entry.item == item)
            return QCoreApplication::translate("MenuBar", entry.titleSource);
    }
    return {};
}

std::optional<Item> itemFor(const GlobalShortcuts::Shortcut &shortcut)
{
    const std::optional<GlobalShortcuts::KeyMapping::Key> key =
        GlobalShortcuts::KeyMapping::forCarbonKeyCode(shortcut.carbonKeyCode);
    if (!key || key->keypad)
        return std::nullopt;
    const Qt::KeyboardModifiers modifiers =
        GlobalShortcuts::KeyMapping::qtModifiers(shortcut.carbonModifiers);
    for (const Entry &entry : entries()) {
        if (entry.key.key() == key->qtKey && entry.key.keyboardModifiers() == modifiers)
            return entry.item;
    }
    return std::nullopt;
}

} // namespace MenuBarShortcuts
