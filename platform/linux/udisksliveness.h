#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <qcoro/qcorotask.h>

class UDisksPendingReply;

// The calls to udisks2 that wait for an answer, kept honest: while any is pending, the daemon
// each was sent to is pinged (org.freedesktop.DBus.Peer.Ping) every few seconds, and when a ping
// goes unanswered, or the daemon leaves the bus, every call pending there ends at once with an
// error instead of waiting for a daemon that is stopped or gone. udisksd answers pings while it
// waits on a polkit prompt, so a prompt the user takes long over keeps its call waiting. A call
// that runs out of its own time ends with Timeout rather than libdbus's NoReply, which here
// means a daemon that left without answering. Main thread only.
class UDisksLiveness : public QObject {
    Q_OBJECT
public:
    static constexpr int pingIntervalMs = 3000;
    static constexpr int pingTimeoutMs = 3000;

    explicit UDisksLiveness(QDBusConnection connection, QObject *parent = nullptr);
    ~UDisksLiveness() override;

    // Sends the message to its service and returns the reply, or an error reply
    // (org.freedesktop.DBus.Error.NoReply) when that service stopped answering or left first.
    QCoro::Task<QDBusMessage> call(QDBusMessage message, int timeoutMs);

    // Every call pending at destination ends now with an error reply: it left the bus.
    void abandon(const QString &destination, const QString &why);

private:
    void ping();
    void finished(UDisksPendingReply *pending);

    QDBusConnection m_connection;
    QTimer m_pingTimer;
    QList<UDisksPendingReply *> m_pending;
    QSet<QString> m_pinging;
};
