#pragma once

// Stands in for a desktop notification server: owns org.freedesktop.Notifications and keeps
// every notification it is sent.

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QList>
#include <QString>

class FakeNotifications : public QDBusVirtualObject {
public:
    struct Notification {
        QString appName;
        QString icon;
        QString summary;
        QString body;
        QVariantMap hints;
    };

    static inline const QString service = QStringLiteral("org.freedesktop.Notifications");
    static inline const QString path = QStringLiteral("/org/freedesktop/Notifications");

    explicit FakeNotifications(QDBusConnection connection) : m_connection(connection) {}
    ~FakeNotifications() override
    {
        if (m_registered) {
            m_connection.unregisterObject(path);
            m_connection.unregisterService(service);
        }
    }

    bool registerOnBus()
    {
        m_registered =
            m_connection.registerVirtualObject(path, this) && m_connection.registerService(service);
        return m_registered;
    }

    const QList<Notification> &received() const { return m_received; }

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        const QVariantList args = message.arguments();
        if (message.member() != QLatin1String("Notify") || args.size() != 8) {
            return false;
        }
        QVariantMap hints;
        if (args[6].canConvert<QDBusArgument>()) {
            args[6].value<QDBusArgument>() >> hints;
        }
        m_received.append(Notification{args[0].toString(), args[2].toString(), args[3].toString(),
                                       args[4].toString(), hints});
        connection.send(message.createReply(QVariant::fromValue(quint32(m_received.size()))));
        return true;
    }

private:
    QDBusConnection m_connection;
    bool m_registered = false;
    QList<Notification> m_received;
};
