#pragma once

// Stands in for the desktop portal's GlobalShortcuts interface: owns
// org.freedesktop.portal.Desktop, answers CreateSession, ListShortcuts and BindShortcuts through
// Request objects' Response signals, keeps what it was asked, and sends Activated, Deactivated
// and ShortcutsChanged on request. Like the desktops, it files shortcuts under the session's
// token, so that a later session under the same token finds them. It answers bindings as one
// of these desktops does.

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariantMap>

class FakePortal : public QDBusVirtualObject {
public:
    using ShortcutList = QList<QPair<QString, QVariantMap>>;

    enum class Desktop {
        // Binds at once with the preferred trigger and reports it.
        bindsAtOnce,
        // KDE: answers a binding with an empty list and opens its shortcut settings, where the
        // user assigns the key later (assign()).
        waitsForUser,
        // Has no GlobalShortcuts interface at all (GNOME 43, sway with Debian 12's portal).
        withoutInterface,
    };

    struct Binding {
        QString session;
        ShortcutList shortcuts;
    };

    static inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
    static inline const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
    static inline const QString interface =
        QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

    Desktop desktop = Desktop::bindsAtOnce;
    // Response code BindShortcuts answers with (0 = bound, 1 = the user declined).
    uint bindResponse = 0;
    QStringList sessions;
    QStringList closedSessions;
    QList<Binding> bindings;
    // The shortcuts option of each CreateSession (what KDE Plasma 5 binds from).
    QList<ShortcutList> sessionShortcuts;
    int lists = 0;

    explicit FakePortal(QDBusConnection connection, Desktop desktop = Desktop::bindsAtOnce)
        : desktop(desktop), m_connection(connection)
    {
        qDBusRegisterMetaType<QPair<QString, QVariantMap>>();
        qDBusRegisterMetaType<ShortcutList>();
    }
    ~FakePortal() override
    {
        if (m_registered) {
            m_connection.unregisterObject(path);
            m_connection.unregisterService(service);
        }
    }

    bool registerOnBus()
    {
        m_registered = m_connection.registerVirtualObject(path, this, QDBusConnection::SubPath) &&
                       m_connection.registerService(service);
        return m_registered;
    }

    // The token a session was created with: the last part of its path.
    static QString token(const QString &session) { return session.section(QLatin1Char('/'), -1); }

    // The sessions not closed yet.
    QStringList openSessions() const
    {
        QStringList open;
        for (const QString &session : sessions) {
            if (sessions.count(session) > closedSessions.count(session) && !open.contains(session))
                open.append(session);
        }
        return open;
    }

    void activate(const QString &session, const QString &id, bool pressed)
    {
        QDBusMessage signal = QDBusMessage::createSignal(
            path, interface, pressed ? QStringLiteral("Activated") : QStringLiteral("Deactivated"));
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id
               << QVariant::fromValue(qulonglong(1000)) << QVariantMap();
        m_connection.send(signal);
    }

    // The user gives a shortcut a key in the desktop's settings: filed under the token, and
    // announced to the token's open session.
    void assign(const QString &token, const QString &id, const QString &triggerDescription)
    {
        m_filed[token][id].insert(QStringLiteral("trigger_description"), triggerDescription);
        for (const QString &session : openSessions()) {
            if (FakePortal::token(session) != token)
                continue;
            QDBusMessage signal =
                QDBusMessage::createSignal(path, interface, QStringLiteral("ShortcutsChanged"));
            signal << QVariant::fromValue(QDBusObjectPath(session))
                   << QVariant::fromValue(filed(token));
            m_connection.send(signal);
        }
    }

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (desktop == Desktop::withoutInterface)
            return false;
        const QVariantList args = message.arguments();
        if (message.interface() == QLatin1String("org.freedesktop.DBus.Properties") &&
            message.member() == QLatin1String("Get") && args.size() == 2 &&
            args[0].toString() == interface) {
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(uint(1)))));
            return true;
        }
        if (message.interface() == QLatin1String("org.freedesktop.portal.Session") &&
            message.member() == QLatin1String("Close")) {
            closedSessions.append(message.path());
            m_boundSessions.removeAll(message.path());
            connection.send(message.createReply());
            return true;
        }
        if (message.interface() != interface)
            return false;

        if (message.member() == QLatin1String("CreateSession") && args.size() == 1) {
            const QVariantMap options = qdbus_cast<QVariantMap>(args[0]);
            const QString session =
                path + QStringLiteral("/session/") + sender(message) + QLatin1Char('/') +
                options.value(QStringLiteral("session_handle_token")).toString();
            // The portal exports the session under its path: one open session per token.
            if (openSessions().contains(session)) {
                connection.send(
                    message.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.Failed"),
                                             QStringLiteral("Session exists already")));
                return true;
            }
            sessions.append(session);
            sessionShortcuts.append(
                qdbus_cast<ShortcutList>(options.value(QStringLiteral("shortcuts"))));
            QVariantMap results;
            // The portal's documented (historical) type: a string.
            results.insert(QStringLiteral("session_handle"), session);
            respond(message, options, 0, results);
            return true;
        }
        if (message.member() == QLatin1String("ListShortcuts") && args.size() == 2) {
            ++lists;
            const QString session = args[0].value<QDBusObjectPath>().path();
            QVariantMap results;
            results.insert(QStringLiteral("shortcuts"), QVariant::fromValue(filed(token(session))));
            respond(message, qdbus_cast<QVariantMap>(args[1]), 0, results);
            return true;
        }
        if (message.member() == QLatin1String("BindShortcuts") && args.size() == 4) {
            const QString session = args[0].value<QDBusObjectPath>().path();
            // A session binds once.
            if (m_boundSessions.contains(session) || !openSessions().contains(session)) {
                connection.send(
                    message.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.Failed"),
                                             QStringLiteral("Invalid session")));
                return true;
            }
            m_boundSessions.append(session);
            const ShortcutList shortcuts = qdbus_cast<ShortcutList>(args[1]);
            bindings.append({session, shortcuts});
            QVariantMap results;
            if (bindResponse == 0) {
                for (const auto &shortcut : shortcuts) {
                    QVariantMap &filed = m_filed[token(session)][shortcut.first];
                    filed.insert(QStringLiteral("description"),
                                 shortcut.second.value(QStringLiteral("description")));
                    // Waiting for the user: filed without a key.
                    filed.insert(
                        QStringLiteral("trigger_description"),
                        desktop == Desktop::bindsAtOnce
                            ? shortcut.second.value(QStringLiteral("preferred_trigger")).toString()
                            : QString());
                }
                results.insert(QStringLiteral("shortcuts"),
                               QVariant::fromValue(desktop == Desktop::bindsAtOnce
                                                       ? filed(token(session))
                                                       : ShortcutList()));
            }
            respond(message, qdbus_cast<QVariantMap>(args[3]), bindResponse, results);
            return true;
        }
        return false;
    }

private:
    static QString sender(const QDBusMessage &message)
    {
        QString name = message.service().mid(1);
        name.replace(QLatin1Char('.'), QLatin1Char('_'));
        return name;
    }

    ShortcutList filed(const QString &token) const
    {
        ShortcutList list;
        const QMap<QString, QVariantMap> shortcuts = m_filed.value(token);
        for (auto it = shortcuts.cbegin(); it != shortcuts.cend(); ++it)
            list.append({it.key(), it.value()});
        return list;
    }

    // Replies with the Request object's path, then answers on it.
    void respond(const QDBusMessage &message, const QVariantMap &options, uint response,
                 const QVariantMap &results)
    {
        const QString request = path + QStringLiteral("/request/") + sender(message) +
                                QLatin1Char('/') +
                                options.value(QStringLiteral("handle_token")).toString();
        m_connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QDBusMessage signal = QDBusMessage::createSignal(
            request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        signal << response << results;
        m_connection.send(signal);
    }

    QDBusConnection m_connection;
    bool m_registered = false;
    // What the desktop keeps by session token, as its shortcut settings list it.
    QHash<QString, QMap<QString, QVariantMap>> m_filed;
    QStringList m_boundSessions;
};
