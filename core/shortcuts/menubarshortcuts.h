#pragma once

#include "shortcuts/shortcut.h"

#include <QList>
#include <QString>
#include <Qt>
#include <optional>

// The key combinations of the main window's menu bar, in one table: the menu bar takes its keys
// from here and the shortcut recorder refuses every combination listed.
namespace MenuBarShortcuts {

enum class Item {
    ejectAll,
    close,
    quit,
    undo,
    redo,
    cut,
    copy,
    paste,
    selectAll,
    preferences,
    viewAsGrid,
    viewAsList,
    minimize,
    help,
};

struct Entry {
    Item item;
    QKeyCombination key;
    // Source text of the item's title, translated by title().
    const char *titleSource;
};

const QList<Entry> &entries();
QKeyCombination key(Item item);
QString title(Item item);

// The menu item that already answers the combination, if any.
std::optional<Item> itemFor(const GlobalShortcuts::Shortcut &shortcut);

} // namespace MenuBarShortcuts
