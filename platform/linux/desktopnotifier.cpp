#include "desktopnotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>
#include <qcoro/qcorodbuspendingcall.h>

const QString DesktopNotifier::service = QStringLiteral("org.freedesktop.Notifications");
const QString DesktopNotifier::path = QStringLiteral("/org/freedesktop/Notifications");
const QString DesktopNotifier::interface = QStringLiteral("org.freedesktop.Notifications");

DesktopNotifier::DesktopNotifier(QDBusConnection sessionBus, QString appName, QString desktopEntry,
                                 QObject *parent)
    : QObject(parent), m_bus(std::move(sessionBus)), m_appName(std::move(appName)),
      m_desktopEntry(std::move(desktopEntry))
{
}

QCoro::Task<QDBusMessage> DesktopNotifier::askBus(QString method, QVariantList arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), method);
    call.setArguments(arguments);
    co_return co_await m_bus.asyncCall(call);
}

// A server that runs, or one the bus starts on demand (many desktops start theirs so).
QCoro::Task<bool> DesktopNotifier::hasService()
{
    QPointer<DesktopNotifier> self(this);
    QVariantList name{service};
    const QDBusMessage owner = co_await askBus(QStringLiteral("NameHasOwner"), name);
    if (!self) {
        co_return false;
    }
    if (owner.type() == QDBusMessage::ReplyMessage && !owner.arguments().isEmpty() &&
        owner.arguments().constFirst().toBool()) {
        co_return true;
    }
    const QDBusMessage activatable =
        co_await askBus(QStringLiteral("ListActivatableNames"), QVariantList());
    co_return activatable.type() == QDBusMessage::ReplyMessage &&
        !activatable.arguments().isEmpty() &&
        activatable.arguments().constFirst().toStringList().contains(service);
}

void DesktopNotifier::post(const QString &title, const QString &body)
{
    notify(title, body);
}

QCoro::Task<bool> DesktopNotifier::notify(QString title, QString body)
{
    co_return co_await show(std::move(title), std::move(body), 0, false) != 0;
}

QCoro::Task<quint32> DesktopNotifier::show(QString title, QString body, quint32 replacesId,
                                           bool untilReplaced)
{
    if (!m_bus.isConnected()) {
        co_return quint32(0);
    }
    QPointer<DesktopNotifier> self(this);
    const bool present = co_await hasService();
    if (!self || !present) {
        co_return quint32(0);
    }

    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), m_desktopEntry);
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, "Notify");
    // No icon of its own: servers take the one of the desktop entry. An expiry of 0 keeps the
    // notification up, -1 leaves it to the server.
    call.setArguments({m_appName, QVariant::fromValue(replacesId), QString(), title, body,
                       QStringList(), hints, qint32(untilReplaced ? 0 : -1)});
    const QDBusMessage reply = co_await m_bus.asyncCall(call);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        co_return quint32(0);
    }
    // A server that answers without an id still showed it; later calls cannot address it.
    co_return reply.arguments().constFirst().toUInt();
}

void DesktopNotifier::close(quint32 id)
{
    if (id == 0 || !m_bus.isConnected()) {
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interface, "CloseNotification");
    call.setArguments({QVariant::fromValue(id)});
    m_bus.asyncCall(call);
}
