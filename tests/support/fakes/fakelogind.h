#pragma once

// Stands in for systemd-logind: owns org.freedesktop.login1 on the given connection, hands
// out sleep inhibitors as pipe ends (a lock is released when every copy of its descriptor is
// closed), finds one session, and sends PrepareForSleep and the session's Lock/Unlock.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QList>
#include <QString>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

class FakeLogind : public QDBusVirtualObject {
public:
    struct Inhibitor {
        QString what;
        QString who;
        QString why;
        QString mode;
        int readEnd = -1;
    };

    static inline const QString service = QStringLiteral("org.freedesktop.login1");
    static inline const QString managerPath = QStringLiteral("/org/freedesktop/login1");
    static inline const QString managerInterface = QStringLiteral("org.freedesktop.login1.Manager");
    static inline const QString sessionId = QStringLiteral("7");
    static inline const QString sessionPath = QStringLiteral("/org/freedesktop/login1/session/_37");

    explicit FakeLogind(QDBusConnection connection) : m_connection(connection) {}

    ~FakeLogind() override
    {
        if (m_registered) {
            m_connection.unregisterObject(managerPath, QDBusConnection::UnregisterTree);
            m_connection.unregisterService(service);
        }
        for (const Inhibitor &inhibitor : std::as_const(m_inhibitors)) {
            ::close(inhibitor.readEnd);
        }
    }

    bool registerOnBus()
    {
        m_registered =
            m_connection.registerVirtualObject(managerPath, this, QDBusConnection::SubPath) &&
            m_connection.registerService(service);
        return m_registered;
    }

    const QList<Inhibitor> &inhibitors() const { return m_inhibitors; }
    // Inhibitors whose descriptor the client still holds open.
    int heldInhibitors() const
    {
        int held = 0;
        for (const Inhibitor &inhibitor : m_inhibitors) {
            pollfd p{inhibitor.readEnd, POLLIN, 0};
            if (::poll(&p, 1, 0) == 0) {
                ++held;
            }
        }
        return held;
    }
    QStringList calls() const { return m_calls; }

    void prepareForSleep(bool sleeping)
    {
        QDBusMessage signal =
            QDBusMessage::createSignal(managerPath, managerInterface, "PrepareForSleep");
        signal << sleeping;
        m_connection.send(signal);
    }
    void lockSession() { sendSessionSignal(QStringLiteral("Lock")); }
    void unlockSession() { sendSessionSignal(QStringLiteral("Unlock")); }

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        const QString member = message.member();
        m_calls.append(member);
        const QVariantList args = message.arguments();
        if (member == QLatin1String("Inhibit") && args.size() == 4) {
            int fds[2];
            if (::pipe2(fds, O_CLOEXEC) != 0) {
                return false;
            }
            m_inhibitors.append(Inhibitor{args[0].toString(), args[1].toString(),
                                          args[2].toString(), args[3].toString(), fds[0]});
            // The reply carries a copy; ours is closed so that only the client's remains.
            connection.send(
                message.createReply(QVariant::fromValue(QDBusUnixFileDescriptor(fds[1]))));
            ::close(fds[1]);
            return true;
        }
        if (member == QLatin1String("GetSession") && args.size() == 1) {
            if (args[0].toString() != sessionId) {
                connection.send(message.createErrorReply(
                    QStringLiteral("org.freedesktop.login1.NoSuchSession"),
                    QStringLiteral("No session '%1' known").arg(args[0].toString())));
                return true;
            }
            connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(sessionPath))));
            return true;
        }
        if (member == QLatin1String("GetSessionByPID")) {
            connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(sessionPath))));
            return true;
        }
        return false;
    }

private:
    void sendSessionSignal(const QString &name)
    {
        m_connection.send(QDBusMessage::createSignal(
            sessionPath, QStringLiteral("org.freedesktop.login1.Session"), name));
    }

    QDBusConnection m_connection;
    bool m_registered = false;
    QList<Inhibitor> m_inhibitors;
    QStringList m_calls;
};
