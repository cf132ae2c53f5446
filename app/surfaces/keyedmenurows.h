#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QMenu;

// The rows of a menu that stand for items of a list, each named by a key (a volume's
// identifier, an entry's kind). A new list changes only what differs: a kept row keeps its
// action, so a menu open under the pointer holds still and, over dbusmenu, a host's click on a
// row it showed earlier still reaches that row. A departed row is removed, or disabled while
// the menu is open (and removed by the next update after it closed).
class KeyedMenuRows {
public:
    struct Handlers {
        // A new row's action, not yet in the menu.
        std::function<QAction *(const QString &key)> create;
        // Sets text, icon and state; called for every row in the new list.
        std::function<void(const QString &key, QAction *row)> update;
        // Called before a row is taken out for good.
        std::function<void(const QString &key, QAction *row)> dropped;
    };

    // `end` is the fixed row below the keyed ones; none when they end the menu.
    explicit KeyedMenuRows(QMenu *menu, QAction *end = nullptr);

    void update(const QStringList &wanted, const Handlers &handlers);

    QAction *row(const QString &key) const;
    // The keys of the rows in menu order, retired ones included.
    QStringList keys() const;
    static QString keyOf(const QAction *row);

private:
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_end;
};
