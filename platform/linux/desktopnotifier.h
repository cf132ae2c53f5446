#pragma once

#include "notificationposting.h"
#include "replaceablenotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <qcoro/qcorotask.h>

// Notifications through org.freedesktop.Notifications on the session bus. When the bus
// has no notification server (running or startable), nothing is shown.
class DesktopNotifier : public QObject,
                        public NotificationPosting,
                        public ReplaceableNotifications {
    Q_OBJECT
public:
    static const QString service;
    static const QString path;
    static const QString interface;

    // appName and desktopEntry identify the sender to the notification server.
    DesktopNotifier(QDBusConnection sessionBus, QString appName, QString desktopEntry,
                    QObject *parent = nullptr);

    void post(const QString &title, const QString &body) override;
    // True when a notification server took the notification.
    QCoro::Task<bool> notify(QString title, QString body);
    QCoro::Task<quint32> show(QString title, QString body, quint32 replacesId,
                              bool untilReplaced) override;
    void close(quint32 id) override;

private:
    QCoro::Task<QDBusMessage> askBus(QString method, QVariantList arguments);
    QCoro::Task<bool> hasService();

    QDBusConnection m_bus;
    QString m_appName;
    QString m_desktopEntry;
};
