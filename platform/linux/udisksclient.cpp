#include "udisksclient.h"

#include "udisksliveness.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QTimer>
#include <qcoro/qcorodbuspendingcall.h>
#include <qcoro/qcorosignal.h>
#include <utility>

const QString UDisksClient::service = QStringLiteral("org.freedesktop.UDisks2");
const QString UDisksClient::managerPath = QStringLiteral("/org/freedesktop/UDisks2");
const QString UDisksClient::blockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString UDisksClient::filesystemInterface =
    QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString UDisksClient::partitionInterface =
    QStringLiteral("org.freedesktop.UDisks2.Partition");
const QString UDisksClient::partitionTableInterface =
    QStringLiteral("org.freedesktop.UDisks2.PartitionTable");
const QString UDisksClient::driveInterface = QStringLiteral("org.freedesktop.UDisks2.Drive");
const QString UDisksClient::loopInterface = QStringLiteral("org.freedesktop.UDisks2.Loop");
const QString UDisksClient::encryptedInterface =
    QStringLiteral("org.freedesktop.UDisks2.Encrypted");
const QString UDisksClient::managerInterface = QStringLiteral("org.freedesktop.UDisks2.Manager");
const QString UDisksClient::managerObjectPath = QStringLiteral("/org/freedesktop/UDisks2/Manager");

namespace {

const QString objectManagerInterface = QStringLiteral("org.freedesktop.DBus.ObjectManager");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// Nested arrays arrive as QDBusArgument, which is awkward to keep; the ones udisks2 uses
// become plain lists.
QVariant normalized(const QVariant &value)
{
    if (value.metaType() != QMetaType::fromType<QDBusArgument>()) {
        return value;
    }
    const auto argument = value.value<QDBusArgument>();
    const QString signature = argument.currentSignature();
    if (signature == QLatin1String("aay")) {
        QList<QByteArray> list;
        argument >> list;
        return QVariant::fromValue(list);
    }
    if (signature == QLatin1String("ao")) {
        QList<QDBusObjectPath> list;
        argument >> list;
        return QVariant::fromValue(list);
    }
    return value;
}

// In place: most values are plain already, and rebuilding every map costs a list its time.
QVariantMap normalized(QVariantMap properties)
{
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        if (it.value().metaType() == QMetaType::fromType<QDBusArgument>()) {
            it.value() = normalized(it.value());
        }
    }
    return properties;
}

// udisks2 sends device paths as NUL-terminated byte strings.
QString pathOf(QByteArray bytes)
{
    while (bytes.endsWith('\0')) {
        bytes.chop(1);
    }
    return QString::fromUtf8(bytes);
}

QString deviceNameOf(const QVariantMap &block)
{
    const QString path = pathOf(block.value(QStringLiteral("Device")).toByteArray());
    if (!path.startsWith(QLatin1String("/dev/")) || path.size() <= 5) {
        return {};
    }
    return path.mid(5);
}

} // namespace

UDisksClient::UDisksClient(QDBusConnection connection, QObject *parent, Updates updates)
    : QObject(parent), m_connection(std::move(connection)),
      m_liveness(new UDisksLiveness(m_connection, this)), m_updates(updates)
{
    qDBusRegisterMetaType<Interfaces>();
    qDBusRegisterMetaType<Objects>();
    qDBusRegisterMetaType<QList<QByteArray>>();

    if (!m_connection.isConnected()) {
        markAnswered();
        return;
    }
    if (updates == Updates::snapshot) {
        fetch();
        return;
    }
    m_watcher = new QDBusServiceWatcher(service, m_connection,
                                        QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            &UDisksClient::onOwnerChanged);
    m_connection.connect(service, managerPath, objectManagerInterface,
                         QStringLiteral("InterfacesAdded"), this,
                         SLOT(onInterfacesAdded(QDBusMessage)));
    m_connection.connect(service, managerPath, objectManagerInterface,
                         QStringLiteral("InterfacesRemoved"), this,
                         SLOT(onInterfacesRemoved(QDBusMessage)));
    // Every object of the service: an empty path matches any path.
    m_connection.connect(service, QString(), propertiesInterface,
                         QStringLiteral("PropertiesChanged"), this,
                         SLOT(onPropertiesChanged(QDBusMessage)));
    fetch();
}

UDisksClient::~UDisksClient() = default;

QCoro::Task<> UDisksClient::untilAnswered()
{
    if (!m_answered) {
        co_await qCoro(this, &UDisksClient::answered);
    }
}

QCoro::Task<> UDisksClient::fetch()
{
    const quint64 generation = m_generation;
    m_fetching = true;
    m_heldSignals.clear();
    QDBusMessage message = QDBusMessage::createMethodCall(
        service, managerPath, objectManagerInterface, QStringLiteral("GetManagedObjects"));
    const QDBusMessage reply = co_await m_liveness->call(message, -1);
    applyFetch(reply, generation);
}

void UDisksClient::applyFetch(const QDBusMessage &reply, quint64 generation)
{
    if (generation != m_generation) {
        return;
    }
    m_fetching = false;
    const QList<QDBusMessage> held = std::exchange(m_heldSignals, {});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        setUnavailable();
        markAnswered();
        // A daemon that owns the name but did not answer (stopped, or busy starting) is asked
        // again, so the list comes back when it does; one without an owner is announced.
        const QString error = reply.errorName();
        if (m_updates == Updates::followed &&
            error != QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") &&
            error != QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
            QTimer::singleShot(UDisksLiveness::pingIntervalMs, this, [this, generation] {
                if (generation == m_generation && !m_available) {
                    fetch();
                }
            });
        }
        return;
    }
    m_owner = reply.service();
    Objects objects = qdbus_cast<Objects>(reply.arguments().constFirst());
    for (auto it = objects.begin(); it != objects.end(); ++it) {
        for (auto iface = it->begin(); iface != it->end(); ++iface) {
            *iface = normalized(std::move(*iface));
        }
    }
    // udisks2 can answer with objects older than a signal it sent before the reply (a file
    // system found while the list was being built). Signals carry whole values, so laying
    // them over the reply in their order leaves the newest of each; later ones follow anyway.
    m_objects = std::move(objects);
    m_indexDirty = true;
    for (const QDBusMessage &message : held) {
        applySignal(message);
    }
    const bool wasAvailable = m_available;
    m_available = true;
    if (!wasAvailable) {
        emit availabilityChanged(true);
    }
    emit objectsChanged();
    markAnswered();
}

void UDisksClient::setUnavailable()
{
    const bool hadObjects = !m_objects.isEmpty();
    m_objects.clear();
    m_indexDirty = true;
    if (m_available) {
        m_available = false;
        emit availabilityChanged(false);
    }
    if (hadObjects) {
        emit objectsChanged();
    }
}

void UDisksClient::markAnswered()
{
    if (!m_answered) {
        m_answered = true;
        emit answered();
    }
}

void UDisksClient::onOwnerChanged(const QString &, const QString &oldOwner, const QString &newOwner)
{
    ++m_generation;
    m_owner.clear();
    setUnavailable();
    const QString why = QStringLiteral("udisks2 left the system bus");
    if (!oldOwner.isEmpty()) {
        m_liveness->abandon(oldOwner, why);
    }
    // A listing asked of the name is the old daemon's too.
    m_liveness->abandon(service, why);
    if (newOwner.isEmpty()) {
        // Whoever waits for the first answer gets it: there is no daemon.
        markAnswered();
    } else {
        fetch();
    }
}

void UDisksClient::onInterfacesAdded(const QDBusMessage &message)
{
    onSignal(message);
}

void UDisksClient::onInterfacesRemoved(const QDBusMessage &message)
{
    onSignal(message);
}

void UDisksClient::onPropertiesChanged(const QDBusMessage &message)
{
    onSignal(message);
}

void UDisksClient::onSignal(const QDBusMessage &message)
{
    if (m_fetching) {
        m_heldSignals.append(message);
    } else if (applySignal(message)) {
        emit objectsChanged();
    }
}

bool UDisksClient::applySignal(const QDBusMessage &message)
{
    const QVariantList arguments = message.arguments();
    if (message.member() == QLatin1String("InterfacesAdded")) {
        if (arguments.size() < 2) {
            return false;
        }
        const auto path = arguments[0].value<QDBusObjectPath>();
        const auto interfaces = qdbus_cast<Interfaces>(arguments[1]);
        Interfaces &known = m_objects[path];
        for (auto it = interfaces.cbegin(); it != interfaces.cend(); ++it) {
            known.insert(it.key(), normalized(it.value()));
        }
        m_indexDirty = true;
        return true;
    }
    if (message.member() == QLatin1String("InterfacesRemoved")) {
        if (arguments.size() < 2) {
            return false;
        }
        const auto path = arguments[0].value<QDBusObjectPath>();
        const QStringList interfaces = arguments[1].toStringList();
        auto it = m_objects.find(path);
        if (it == m_objects.end()) {
            return false;
        }
        for (const QString &interface : interfaces) {
            it->remove(interface);
        }
        if (it->isEmpty()) {
            m_objects.erase(it);
        }
        m_indexDirty = true;
        return true;
    }
    if (arguments.size() < 3) {
        return false;
    }
    const QString interface = arguments[0].toString();
    const auto changed = qdbus_cast<QVariantMap>(arguments[1]);
    const QStringList invalidated = arguments[2].toStringList();
    auto object = m_objects.find(QDBusObjectPath(message.path()));
    if (object == m_objects.end()) {
        return false;
    }
    auto properties = object->find(interface);
    if (properties == object->end()) {
        return false;
    }
    for (auto it = changed.cbegin(); it != changed.cend(); ++it) {
        properties->insert(it.key(), normalized(it.value()));
    }
    for (const QString &name : invalidated) {
        properties->remove(name);
    }
    if (interface == blockInterface) {
        m_indexDirty = true;
    }
    return true;
}

bool UDisksClient::hasInterface(const QString &objectPath, const QString &interface) const
{
    if (objectPath.isEmpty()) {
        return false;
    }
    const auto it = m_objects.constFind(QDBusObjectPath(objectPath));
    return it != m_objects.cend() && it->contains(interface);
}

QVariantMap UDisksClient::properties(const QString &objectPath, const QString &interface) const
{
    if (objectPath.isEmpty()) {
        return {};
    }
    const auto it = m_objects.constFind(QDBusObjectPath(objectPath));
    if (it == m_objects.cend()) {
        return {};
    }
    return it->value(interface);
}

void UDisksClient::rebuildDeviceIndex() const
{
    m_objectByDevice.clear();
    m_objectByPath.clear();
    for (auto it = m_objects.cbegin(); it != m_objects.cend(); ++it) {
        const auto block = it->constFind(blockInterface);
        if (block == it->cend()) {
            continue;
        }
        const QString object = it.key().path();
        const QString name = deviceNameOf(*block);
        if (!name.isEmpty()) {
            m_objectByDevice.insert(name, object);
            m_objectByPath.insert(QStringLiteral("/dev/") + name, object);
        }
        m_objectByPath.insert(pathOf(block->value(QStringLiteral("PreferredDevice")).toByteArray()),
                              object);
        const auto links = block->value(QStringLiteral("Symlinks")).value<QList<QByteArray>>();
        for (const QByteArray &link : links) {
            m_objectByPath.insert(pathOf(link), object);
        }
    }
    m_objectByPath.remove(QString());
    m_indexDirty = false;
}

QString UDisksClient::blockObjectForPath(const QString &devicePath) const
{
    if (m_indexDirty) {
        rebuildDeviceIndex();
    }
    return m_objectByPath.value(devicePath);
}

QString UDisksClient::blockObject(const QString &deviceName) const
{
    if (m_indexDirty) {
        rebuildDeviceIndex();
    }
    return m_objectByDevice.value(deviceName);
}

QString UDisksClient::deviceName(const QString &blockObjectPath) const
{
    return deviceNameOf(properties(blockObjectPath, blockInterface));
}

QString UDisksClient::cryptoBackingObject(const QString &blockObjectPath) const
{
    const QString backing = properties(blockObjectPath, blockInterface)
                                .value(QStringLiteral("CryptoBackingDevice"))
                                .value<QDBusObjectPath>()
                                .path();
    if (backing.isEmpty() || backing == QLatin1String("/") ||
        !hasInterface(backing, blockInterface)) {
        return {};
    }
    return backing;
}

QString UDisksClient::physicalBlockObject(const QString &blockObjectPath) const
{
    // LUKS in LUKS, or on LVM on LUKS, is a few levels deep at most.
    constexpr int maxStackDepth = 8;
    QString object = blockObjectPath;
    for (int depth = 0; depth < maxStackDepth; ++depth) {
        const QString backing = cryptoBackingObject(object);
        if (backing.isEmpty()) {
            break;
        }
        object = backing;
    }
    return object;
}

QCoro::Task<QDBusMessage> UDisksClient::call(QString objectPath, QString interface, QString method,
                                             QVariantList arguments, int timeoutMs)
{
    QDBusMessage message = QDBusMessage::createMethodCall(m_owner.isEmpty() ? service : m_owner,
                                                          objectPath, interface, method);
    message.setArguments(arguments);
    message.setInteractiveAuthorizationAllowed(true);
    message.setAutoStartService(false);
    if (m_owner.isEmpty()) {
        co_return message.createErrorReply(
            QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
            QStringLiteral("udisks2 is not on the system bus"));
    }
    co_return co_await m_liveness->call(message, timeoutMs);
}
