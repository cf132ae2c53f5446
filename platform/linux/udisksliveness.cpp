#include "udisksliveness.h"

#include <QDBusPendingCallWatcher>
#include <QElapsedTimer>
#include <qcoro/qcorosignal.h>

// One call's outcome, settled once: by the reply, or by the daemon giving up on it.
class UDisksPendingReply : public QObject {
    Q_OBJECT
public:
    UDisksPendingReply(QDBusMessage message, QObject *parent)
        : QObject(parent), request(std::move(message))
    {
    }

    void settle(const QDBusMessage &reply)
    {
        if (!m_settled) {
            m_settled = true;
            emit settled(reply);
        }
    }

    const QDBusMessage request;

signals:
    void settled(const QDBusMessage &reply);

private:
    bool m_settled = false;
};

namespace {

const QString noReply = QStringLiteral("org.freedesktop.DBus.Error.NoReply");
const QString timedOut = QStringLiteral("org.freedesktop.DBus.Error.Timeout");
// libdbus's own limit for calls that name none.
constexpr int defaultTimeoutMs = 25 * 1000;

} // namespace

UDisksLiveness::UDisksLiveness(QDBusConnection connection, QObject *parent)
    : QObject(parent), m_connection(std::move(connection))
{
    m_pingTimer.setInterval(pingIntervalMs);
    connect(&m_pingTimer, &QTimer::timeout, this, &UDisksLiveness::ping);
}

UDisksLiveness::~UDisksLiveness() = default;

QCoro::Task<QDBusMessage> UDisksLiveness::call(QDBusMessage message, int timeoutMs)
{
    auto *pending = new UDisksPendingReply(message, this);
    const QDBusPendingCall sent = m_connection.asyncCall(message, timeoutMs);
    auto *watcher = new QDBusPendingCallWatcher(sent, pending);
    QElapsedTimer clock;
    clock.start();
    connect(watcher, &QDBusPendingCallWatcher::finished, pending,
            [pending, watcher, clock, timeoutMs] {
                QDBusMessage reply = watcher->reply();
                const int limit = timeoutMs < 0 ? defaultTimeoutMs : timeoutMs;
                if (reply.type() == QDBusMessage::ErrorMessage && reply.errorName() == noReply &&
                    clock.elapsed() >= limit) {
                    reply = pending->request.createErrorReply(timedOut, reply.errorMessage());
                }
                pending->settle(reply);
            });
    m_pending.append(pending);
    if (!m_pingTimer.isActive()) {
        m_pingTimer.start();
    }
    const QDBusMessage reply = co_await qCoro(pending, &UDisksPendingReply::settled);
    finished(pending);
    co_return reply;
}

void UDisksLiveness::finished(UDisksPendingReply *pending)
{
    m_pending.removeOne(pending);
    pending->deleteLater();
    if (m_pending.isEmpty()) {
        m_pingTimer.stop();
    }
}

void UDisksLiveness::abandon(const QString &destination, const QString &why)
{
    // Settling resumes the caller, which may start or end other calls: work on a copy.
    const QList<UDisksPendingReply *> pending = m_pending;
    for (UDisksPendingReply *call : pending) {
        if (m_pending.contains(call) && call->request.service() == destination) {
            call->settle(call->request.createErrorReply(noReply, why));
        }
    }
}

void UDisksLiveness::ping()
{
    QSet<QString> destinations;
    for (const UDisksPendingReply *call : std::as_const(m_pending)) {
        destinations.insert(call->request.service());
    }
    for (const QString &destination : std::as_const(destinations)) {
        if (m_pinging.contains(destination)) {
            continue;
        }
        m_pinging.insert(destination);
        QDBusMessage message = QDBusMessage::createMethodCall(
            destination, QStringLiteral("/"), QStringLiteral("org.freedesktop.DBus.Peer"),
            QStringLiteral("Ping"));
        message.setAutoStartService(false);
        auto *watcher =
            new QDBusPendingCallWatcher(m_connection.asyncCall(message, pingTimeoutMs), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, destination] {
            watcher->deleteLater();
            m_pinging.remove(destination);
            if (watcher->isError()) {
                abandon(destination, QStringLiteral("%1 did not answer a ping: %2")
                                         .arg(destination, watcher->error().message()));
            }
        });
    }
}

#include "udisksliveness.moc"
