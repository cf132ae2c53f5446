#pragma once

// Reads and drives a StatusNotifierItem as a tray host does: the items the watcher lists, an
// item's properties, and its menu over com.canonical.dbusmenu (GetLayout, AboutToShow, Event).

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>

class StatusNotifierHost {
public:
    struct MenuItem {
        int id = 0;
        QVariantMap properties;
        QList<MenuItem> children;

        QString label() const { return properties.value(QStringLiteral("label")).toString(); }
        bool isSeparator() const
        {
            return properties.value(QStringLiteral("type")).toString() ==
                   QLatin1String("separator");
        }
        bool isVisible() const
        {
            return properties.value(QStringLiteral("visible"), true).toBool();
        }
        bool isEnabled() const
        {
            return properties.value(QStringLiteral("enabled"), true).toBool();
        }
        bool hasSubmenu() const
        {
            return properties.value(QStringLiteral("children-display")).toString() ==
                   QLatin1String("submenu");
        }
        // The first item, depth first, whose label contains the text.
        const MenuItem *find(const QString &text) const
        {
            for (const MenuItem &child : children) {
                if (child.label().contains(text))
                    return &child;
                if (const MenuItem *found = child.find(text))
                    return found;
            }
            return nullptr;
        }
        void forEach(const std::function<void(const MenuItem &)> &visit) const
        {
            for (const MenuItem &child : children) {
                visit(child);
                child.forEach(visit);
            }
        }
    };

    explicit StatusNotifierHost(QDBusConnection bus) : m_bus(std::move(bus)) {}

    // "service/path" entries of the watcher.
    QStringList registeredItems() const
    {
        const QVariant items = property(QStringLiteral("org.kde.StatusNotifierWatcher"),
                                        QStringLiteral("/StatusNotifierWatcher"),
                                        QStringLiteral("org.kde.StatusNotifierWatcher"),
                                        QStringLiteral("RegisteredStatusNotifierItems"));
        return items.toStringList();
    }

    // The registered item whose connection belongs to the process; false when there is none.
    bool selectItemOf(qint64 pid)
    {
        for (const QString &entry : registeredItems()) {
            const qsizetype slash = entry.indexOf(QLatin1Char('/'));
            const QString service = slash < 0 ? entry : entry.left(slash);
            const QString path =
                slash < 0 ? QStringLiteral("/StatusNotifierItem") : entry.mid(slash);
            const QDBusMessage reply = m_bus.call(
                QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                               QStringLiteral("/org/freedesktop/DBus"),
                                               QStringLiteral("org.freedesktop.DBus"),
                                               QStringLiteral("GetConnectionUnixProcessID"))
                << service);
            if (reply.type() == QDBusMessage::ReplyMessage &&
                reply.arguments().value(0).toLongLong() == pid) {
                m_service = service;
                m_itemPath = path;
                m_menuPath = itemProperty(QStringLiteral("Menu")).value<QDBusObjectPath>().path();
                return true;
            }
        }
        return false;
    }

    QVariant itemProperty(const QString &name) const
    {
        return property(m_service, m_itemPath, QStringLiteral("org.kde.StatusNotifierItem"), name);
    }

    // The whole menu below `parent`, after telling each submenu it is about to show, as hosts
    // do before they open one.
    MenuItem layout(int parent = 0)
    {
        aboutToShow(parent);
        MenuItem root = fetch(parent);
        expandSubmenus(root);
        return root;
    }

    bool aboutToShow(int id)
    {
        const QDBusMessage reply = m_bus.call(menuCall(QStringLiteral("AboutToShow")) << id);
        return reply.type() == QDBusMessage::ReplyMessage;
    }

    // A click on the item.
    bool click(int id)
    {
        const QDBusMessage reply = m_bus.call(menuCall(QStringLiteral("Event"))
                                              << id << QStringLiteral("clicked")
                                              << QVariant::fromValue(QDBusVariant(0)) << 0u);
        return reply.type() == QDBusMessage::ReplyMessage;
    }

private:
    QDBusMessage menuCall(const QString &method) const
    {
        return QDBusMessage::createMethodCall(m_service, m_menuPath,
                                              QStringLiteral("com.canonical.dbusmenu"), method);
    }

    QVariant property(const QString &service, const QString &path, const QString &interface,
                      const QString &name) const
    {
        const QDBusMessage reply =
            m_bus.call(QDBusMessage::createMethodCall(
                           service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                           QStringLiteral("Get"))
                       << interface << name);
        if (reply.type() != QDBusMessage::ReplyMessage)
            return {};
        QVariant value = reply.arguments().value(0).value<QDBusVariant>().variant();
        if (value.canConvert<QDBusArgument>()) {
            const QDBusArgument argument = value.value<QDBusArgument>();
            if (argument.currentType() == QDBusArgument::ArrayType) {
                QStringList list;
                argument >> list;
                return list;
            }
        }
        return value;
    }

    static MenuItem parse(const QDBusArgument &argument)
    {
        MenuItem item;
        argument.beginStructure();
        argument >> item.id >> item.properties;
        argument.beginArray();
        while (!argument.atEnd()) {
            QDBusVariant child;
            argument >> child;
            item.children.append(parse(child.variant().value<QDBusArgument>()));
        }
        argument.endArray();
        argument.endStructure();
        return item;
    }

    MenuItem fetch(int parent)
    {
        const QDBusMessage reply =
            m_bus.call(menuCall(QStringLiteral("GetLayout")) << parent << -1 << QStringList());
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() < 2)
            return {};
        return parse(reply.arguments().at(1).value<QDBusArgument>());
    }

    void expandSubmenus(MenuItem &item)
    {
        for (MenuItem &child : item.children) {
            if (child.hasSubmenu() && aboutToShow(child.id))
                child.children = fetch(child.id).children;
            expandSubmenus(child);
        }
    }

    QDBusConnection m_bus;
    QString m_service;
    QString m_itemPath;
    QString m_menuPath;
};
