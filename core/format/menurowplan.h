#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// How the rows of a menu follow a new list without the menu being rebuilt: which rows go,
// which come and where, and which stay and are only updated. Rows are named by keys (a
// volume's identifier, an entry's kind), so every kept row keeps its action and, over
// dbusmenu, its id.
class MenuRowPlan {
public:
    struct Insertion {
        QString key;
        // The kept row it goes above; none for below the last row.
        std::optional<QString> before;

        bool operator==(const Insertion &) const = default;
    };

    // Rows to take out and delete.
    QStringList removed;
    // Rows whose item left while the menu is open: they stay where they are, disabled.
    QStringList retired;
    // Kept rows that must move; they are taken out and appear again among the insertions.
    QStringList moved;
    // New and moved rows, in the wanted order; inserting them one after another from the
    // front gives that order.
    QList<Insertion> inserted;
    // Rows that stay where they are (to update through setters), in their new order.
    QStringList kept;

    bool operator==(const MenuRowPlan &) const = default;

    // `shown` is the menu's rows now, `wanted` the rows it should have (both without
    // duplicates). While `open` nothing moves under the pointer: departed rows are retired
    // rather than removed, and kept rows stay in place even when the order changed.
    static MenuRowPlan make(const QStringList &shown, const QStringList &wanted, bool open);
};
