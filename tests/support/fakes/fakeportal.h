#pragma once

// Stands in for the desktop portal's GlobalShortcuts interface: owns
// org.freedesktop.portal.Desktop, answers CreateSession and BindShortcuts through Request objects'
// Response signals, keeps what it was asked, and sends Activated and Deactivated on request.

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariantMap>

class FakePortal : public QDBusVirtualObject {
public:
    using ShortcutList = QList<QPair<QString, QVariantMap>>;

    struct Binding {
        QString session;
        ShortcutList shortcuts;
    };

    static inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
    static inline const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
    static inline const QString interface =
        QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

    // Response code BindShortcuts answers with (0 = bound, 1 = the user declined).
    uint bindResponse = 0;
    QStringList sessions;
    QStringList closedSessions;
    QList<Binding> bindings;

    explicit FakePortal(QDBusConnection connection) : m_connection(connection)
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

    void activate(const QString &session, const QString &id, bool pressed)
    {
        QDBusMessage signal = QDBusMessage::createSignal(
            path, interface, pressed ? QStringLiteral("Activated") : QStringLiteral("Deactivated"));
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id
               << QVariant::fromValue(qulonglong(1000)) << QVariantMap();
        m_connection.send(signal);
    }

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
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
            sessions.append(session);
            QVariantMap results;
            // The portal's documented (historical) type: a string.
            results.insert(QStringLiteral("session_handle"), session);
            respond(message, options, 0, results);
            return true;
        }
        if (message.member() == QLatin1String("BindShortcuts") && args.size() == 4) {
            const QString session = args[0].value<QDBusObjectPath>().path();
            const ShortcutList shortcuts = qdbus_cast<ShortcutList>(args[1]);
            bindings.append({session, shortcuts});
            ShortcutList bound;
            for (const auto &shortcut : shortcuts) {
                QVariantMap properties;
                properties.insert(QStringLiteral("description"),
                                  shortcut.second.value(QStringLiteral("description")));
                properties.insert(QStringLiteral("trigger_description"),
                                  shortcut.second.value(QStringLiteral("preferred_trigger")));
                bound.append({shortcut.first, properties});
            }
            QVariantMap results;
            if (bindResponse == 0)
                results.insert(QStringLiteral("shortcuts"), QVariant::fromValue(bound));
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
};
