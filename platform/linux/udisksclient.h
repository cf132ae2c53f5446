#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <limits>
#include <qcoro/qcorotask.h>

class QDBusServiceWatcher;
class UDisksLiveness;

// The one client of udisks2 on the system bus. It mirrors udisks2's objects (fetched once,
// then kept current from InterfacesAdded/Removed and PropertiesChanged) and follows the
// service's owner, so a daemon that starts or restarts later is picked up. Calls go to the
// daemon whose objects it holds, by its unique name, and end with an error when that daemon
// stops answering or leaves (UDisksLiveness): a call is never carried out by a later daemon.
// Main thread only.
class UDisksClient : public QObject {
    Q_OBJECT
public:
    using Interfaces = QMap<QString, QVariantMap>;
    using Objects = QMap<QDBusObjectPath, Interfaces>;

    static const QString service;
    static const QString managerPath;
    static const QString blockInterface;
    static const QString filesystemInterface;
    static const QString partitionInterface;
    static const QString partitionTableInterface;
    static const QString driveInterface;
    static const QString loopInterface;
    static const QString encryptedInterface;
    static const QString managerInterface;
    static const QString managerObjectPath;

    // A snapshot is fetched once and never updated: a one-shot reader spares the bus
    // subscriptions, each a blocking round trip.
    enum class Updates { followed, snapshot };

    explicit UDisksClient(QDBusConnection connection = QDBusConnection::systemBus(),
                          QObject *parent = nullptr, Updates updates = Updates::followed);
    ~UDisksClient() override;

    QDBusConnection connection() const { return m_connection; }

    // True while udisks2 owns its name and its objects have been fetched.
    bool isAvailable() const { return m_available; }
    // True once the first fetch answered or failed (or the service proved absent).
    bool hasAnswered() const { return m_answered; }
    // Completes at once when hasAnswered(), else when the first answer arrives.
    QCoro::Task<> untilAnswered();

    const Objects &objects() const { return m_objects; }
    bool hasInterface(const QString &objectPath, const QString &interface) const;
    // Empty when the object or interface is unknown.
    QVariantMap properties(const QString &objectPath, const QString &interface) const;

    // The block object of a kernel device name (sdb1, loop3p1, dm-0), or an empty string.
    QString blockObject(const QString &deviceName) const;
    // The block object of a device file by any of its names: /dev/dm-0, /dev/mapper/luks-…,
    // /dev/disk/by-uuid/…; an empty string when udisks2 knows no such device.
    QString blockObjectForPath(const QString &devicePath) const;
    // The kernel name of a block object's device, or an empty string.
    QString deviceName(const QString &blockObjectPath) const;
    // The encrypted block object that an unlocked (cleartext) block object unlocks, or an empty
    // string for any other block.
    QString cryptoBackingObject(const QString &blockObjectPath) const;
    // The block object below stacked unlocked devices (the partition of a USB stick below its
    // cleartext device), the object itself for any other block.
    QString physicalBlockObject(const QString &blockObjectPath) const;

    // A method call on a udisks2 object; the reply, or an error message, is returned. Every
    // call allows interactive authorization, so polkit may ask the user for a password;
    // noTimeout waits as long as the user takes. Without a daemon the call is not sent and
    // fails with org.freedesktop.DBus.Error.ServiceUnknown.
    static constexpr int noTimeout = std::numeric_limits<int>::max();
    QCoro::Task<QDBusMessage> call(QString objectPath, QString interface, QString method,
                                   QVariantList arguments, int timeoutMs = -1);

signals:
    // Objects appeared, vanished or changed, or the service came or went.
    void objectsChanged();
    void availabilityChanged(bool available);
    void answered();

private slots:
    void onOwnerChanged(const QString &name, const QString &oldOwner, const QString &newOwner);
    // Signals are taken as whole messages, which spares registering slot signatures.
    void onInterfacesAdded(const QDBusMessage &message);
    void onInterfacesRemoved(const QDBusMessage &message);
    void onPropertiesChanged(const QDBusMessage &message);

private:
    QCoro::Task<> fetch();
    void applyFetch(const QDBusMessage &reply, quint64 generation);
    // Signals that arrive while a fetch is out are kept, to be laid over its reply.
    void onSignal(const QDBusMessage &message);
    // False when the message changed nothing held.
    bool applySignal(const QDBusMessage &message);
    void setUnavailable();
    void markAnswered();
    void rebuildDeviceIndex() const;

    QDBusConnection m_connection;
    QDBusServiceWatcher *m_watcher = nullptr;
    UDisksLiveness *m_liveness = nullptr;
    Updates m_updates;
    // The unique name of the daemon whose objects are held; empty while none is.
    QString m_owner;
    Objects m_objects;
    bool m_available = false;
    bool m_answered = false;
    // Replies to fetches made before the owner changed again are dropped.
    quint64 m_generation = 0;
    bool m_fetching = false;
    QList<QDBusMessage> m_heldSignals;
    mutable bool m_indexDirty = true;
    mutable QHash<QString, QString> m_objectByDevice;
    mutable QHash<QString, QString> m_objectByPath;
};
