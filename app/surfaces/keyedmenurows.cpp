#include "surfaces/keyedmenurows.h"

#include "format/menurowplan.h"

#include <QAction>
#include <QHash>
#include <QMenu>

namespace {

const char *const keyProperty = "quillmereRowKey";

} // namespace

KeyedMenuRows::KeyedMenuRows(QMenu *menu, QAction *end) : m_menu(menu), m_end(end) {}

QString KeyedMenuRows::keyOf(const QAction *row)
{
    return row ? row->property(keyProperty).toString() : QString();
}

QStringList KeyedMenuRows::keys() const
{
    QStringList keys;
    if (!m_menu)
        return keys;
    const QList<QAction *> actions = m_menu->actions();
    for (const QAction *action : actions) {
        const QString key = keyOf(action);
        if (!key.isEmpty())
            keys.append(key);
    }
    return keys;
}

QAction *KeyedMenuRows::row(const QString &key) const
{
    if (!m_menu || key.isEmpty())
        return nullptr;
    const QList<QAction *> actions = m_menu->actions();
    for (QAction *action : actions) {
        if (keyOf(action) == key)
            return action;
    }
    return nullptr;
}

void KeyedMenuRows::update(const QStringList &wanted, const Handlers &handlers)
{
    if (!m_menu)
        return;
    // Only a menu of the program's own can be seen open; one a tray host shows is treated as
    // closed, and there only the rows that changed change.
    const MenuRowPlan plan = MenuRowPlan::make(keys(), wanted, m_menu->isVisible());

    for (const QString &key : plan.removed) {
        QAction *gone = row(key);
        if (handlers.dropped)
            handlers.dropped(key, gone);
        m_menu->removeAction(gone);
        // It may be the action whose trigger led here.
        gone->deleteLater();
    }
    for (const QString &key : plan.retired)
        row(key)->setEnabled(false);
    QHash<QString, QAction *> moving;
    for (const QString &key : plan.moved) {
        QAction *action = row(key);
        moving.insert(key, action);
        m_menu->removeAction(action);
    }

    for (const MenuRowPlan::Insertion &insertion : plan.inserted) {
        QAction *action = moving.value(insertion.key);
        if (!action) {
            action = handlers.create(insertion.key);
            action->setProperty(keyProperty, insertion.key);
        }
        QAction *before = insertion.before ? row(*insertion.before) : m_end.data();
        m_menu->insertAction(before, action);
    }

    for (const QString &key : wanted) {
        if (QAction *action = row(key); action && handlers.update)
            handlers.update(key, action);
    }
}
