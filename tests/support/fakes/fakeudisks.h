#pragma once

// Stands in for udisks2: owns org.freedesktop.UDisks2 on the given connection and serves
// recorded objects (a JSON file whose properties are [D-Bus signature, value] pairs) through
// ObjectManager.GetManagedObjects and Properties.Get. It records every other method call.
// Filesystem.Unmount removes the device's lines from a mountinfo file, as the kernel would;
// Encrypted.Lock removes the cleartext device; both announce it as udisks2 does. An answer may
// be set per method to refuse the call with a udisks2 error.

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>

// Manager.CanFormat's answer: (available, the utility that is missing otherwise).
struct FakeCanFormatAnswer {
    bool available = false;
    QString missingUtility;
};
Q_DECLARE_METATYPE(FakeCanFormatAnswer)

inline QDBusArgument &operator<<(QDBusArgument &argument, const FakeCanFormatAnswer &answer)
{
    argument.beginStructure();
    argument << answer.available << answer.missingUtility;
    argument.endStructure();
    return argument;
}

inline const QDBusArgument &operator>>(const QDBusArgument &argument, FakeCanFormatAnswer &answer)
{
    argument.beginStructure();
    argument >> answer.available >> answer.missingUtility;
    argument.endStructure();
    return argument;
}

class FakeUDisks : public QDBusVirtualObject {
public:
    using Interfaces = QMap<QString, QVariantMap>;
    using Objects = QMap<QDBusObjectPath, Interfaces>;

    struct Call {
        QString object;
        QString interface;
        QString member;
        QVariantList arguments;
        bool interactiveAuthorizationAllowed = false;
    };
    struct Refusal {
        QString errorName;
        QString message;
    };

    static inline const QString service = QStringLiteral("org.freedesktop.UDisks2");
    static inline const QString root = QStringLiteral("/org/freedesktop/UDisks2");
    static inline const QString prefix = QStringLiteral("org.freedesktop.UDisks2.");

    FakeUDisks(QDBusConnection connection, QString mountInfoPath)
        : m_connection(connection), m_mountInfoPath(std::move(mountInfoPath))
    {
        qDBusRegisterMetaType<Interfaces>();
        qDBusRegisterMetaType<Objects>();
        qDBusRegisterMetaType<QList<QByteArray>>();
        qDBusRegisterMetaType<QList<QDBusObjectPath>>();
        qDBusRegisterMetaType<FakeCanFormatAnswer>();
    }

    // Runs after a listing is taken and before it is sent, as udisks2 may change objects (and
    // say so) between the two.
    std::function<void()> whileListing;
    // Locks an encrypted device as if someone else had asked udisks2 to.
    void lockFromOutside(const QString &object) { lock(object); }

    // File-system types whose tool is installed, for Manager.CanFormat.
    QStringList makeableTypes{QStringLiteral("ext4")};

    ~FakeUDisks() override
    {
        if (m_registered) {
            m_connection.unregisterObject(root, QDBusConnection::UnregisterTree);
            m_connection.unregisterService(service);
        }
    }

    // False with the reason in *error when the recording cannot be read.
    bool load(const QString &jsonPath, QString *error)
    {
        QFile file(jsonPath);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = file.errorString();
            return false;
        }
        const QJsonObject objects = QJsonDocument::fromJson(file.readAll())
                                        .object()
                                        .value(QLatin1String("objects"))
                                        .toObject();
        if (objects.isEmpty()) {
            *error = QStringLiteral("no objects in ") + jsonPath;
            return false;
        }
        m_objects.clear();
        for (auto object = objects.begin(); object != objects.end(); ++object) {
            Interfaces interfaces;
            const QJsonObject recorded = object.value().toObject();
            for (auto iface = recorded.begin(); iface != recorded.end(); ++iface) {
                QVariantMap properties;
                const QJsonObject values = iface.value().toObject();
                for (auto p = values.begin(); p != values.end(); ++p) {
                    const QJsonArray typed = p.value().toArray();
                    properties.insert(p.key(), typed.size() == 2
                                                   ? toVariant(typed[0].toString(), typed[1])
                                                   : QVariant());
                }
                interfaces.insert(iface.key(), properties);
            }
            m_objects.insert(QDBusObjectPath(object.key()), interfaces);
        }
        return true;
    }

    bool registerOnBus()
    {
        m_registered = m_connection.registerVirtualObject(root, this, QDBusConnection::SubPath) &&
                       m_connection.registerService(service);
        return m_registered;
    }

    const Objects &objects() const { return m_objects; }
    QList<Call> calls() const { return m_calls; }
    // "Unmount dm_2d0", "Lock sdb1": the member and the object's last path element.
    QStringList callSummary() const
    {
        QStringList summary;
        for (const Call &call : m_calls) {
            summary.append(call.member + QLatin1Char(' ') + call.object.section(u'/', -1));
        }
        return summary;
    }
    void refuse(const QString &member, const Refusal &refusal)
    {
        m_refusals.insert(member, refusal);
    }

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        const QString member = message.member();
        const QVariantList args = message.arguments();
        if (message.interface() == QLatin1String("org.freedesktop.DBus.ObjectManager") &&
            member == QLatin1String("GetManagedObjects")) {
            const Objects listed = m_objects;
            if (whileListing) {
                whileListing();
            }
            connection.send(message.createReply(QVariant::fromValue(listed)));
            return true;
        }
        if (message.interface() == QLatin1String("org.freedesktop.DBus.Properties") &&
            member == QLatin1String("Get") && args.size() == 2) {
            const QVariantMap properties =
                m_objects.value(QDBusObjectPath(message.path())).value(args[0].toString());
            if (!properties.contains(args[1].toString())) {
                connection.send(message.createErrorReply(
                    QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
                    QStringLiteral("No such property")));
                return true;
            }
            connection.send(message.createReply(
                QVariant::fromValue(QDBusVariant(properties.value(args[1].toString())))));
            return true;
        }
        if (!message.interface().startsWith(prefix)) {
            return false;
        }
        m_calls.append({message.path(), message.interface(), member, args,
                        message.isInteractiveAuthorizationAllowed()});
        if (const auto refusal = m_refusals.constFind(member); refusal != m_refusals.cend()) {
            connection.send(message.createErrorReply(refusal->errorName, refusal->message));
            return true;
        }
        if (member == QLatin1String("Unmount")) {
            unmount(message.path());
        } else if (member == QLatin1String("Lock")) {
            lock(message.path());
        } else if (member == QLatin1String("CanFormat") && !args.isEmpty()) {
            const QString type = args[0].toString();
            const bool available = makeableTypes.contains(type);
            const FakeCanFormatAnswer answer{available, available ? QString()
                                                                  : QStringLiteral("mkfs.") + type};
            connection.send(message.createReply(QVariant::fromValue(answer)));
            return true;
        }
        connection.send(message.createReply());
        return true;
    }

private:
    static QVariant toVariant(const QString &signature, const QJsonValue &value)
    {
        if (signature == QLatin1String("s")) {
            return value.toString();
        }
        if (signature == QLatin1String("b")) {
            return value.toBool();
        }
        if (signature == QLatin1String("t")) {
            return QVariant::fromValue(static_cast<quint64>(value.toDouble()));
        }
        if (signature == QLatin1String("u")) {
            return QVariant::fromValue(static_cast<quint32>(value.toDouble()));
        }
        if (signature == QLatin1String("i")) {
            return QVariant::fromValue(static_cast<qint32>(value.toDouble()));
        }
        if (signature == QLatin1String("o")) {
            return QVariant::fromValue(QDBusObjectPath(value.toString()));
        }
        if (signature == QLatin1String("ay")) {
            // Device paths travel NUL-terminated.
            return QVariant::fromValue(value.toString().toUtf8() + '\0');
        }
        if (signature == QLatin1String("aay")) {
            QList<QByteArray> list;
            for (const QJsonValue &item : value.toArray()) {
                list.append(item.toString().toUtf8() + '\0');
            }
            return QVariant::fromValue(list);
        }
        if (signature == QLatin1String("as")) {
            QStringList list;
            for (const QJsonValue &item : value.toArray()) {
                list.append(item.toString());
            }
            return list;
        }
        if (signature == QLatin1String("ao")) {
            QList<QDBusObjectPath> list;
            for (const QJsonValue &item : value.toArray()) {
                list.append(QDBusObjectPath(item.toString()));
            }
            return QVariant::fromValue(list);
        }
        return QVariant::fromValue(QVariantMap());
    }

    static QString pathOf(QByteArray bytes)
    {
        while (bytes.endsWith('\0')) {
            bytes.chop(1);
        }
        return QString::fromUtf8(bytes);
    }

    // Every name the device goes by.
    QStringList deviceNames(const QString &object) const
    {
        const QVariantMap block =
            m_objects.value(QDBusObjectPath(object)).value(prefix + QStringLiteral("Block"));
        QStringList names{pathOf(block.value(QStringLiteral("Device")).toByteArray()),
                          pathOf(block.value(QStringLiteral("PreferredDevice")).toByteArray())};
        for (const QByteArray &link :
             block.value(QStringLiteral("Symlinks")).value<QList<QByteArray>>()) {
            names.append(pathOf(link));
        }
        return names;
    }

    void unmount(const QString &object)
    {
        const QStringList names = deviceNames(object);
        QFile file(m_mountInfoPath);
        if (!file.open(QIODevice::ReadOnly)) {
            return;
        }
        QByteArray kept;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            const qsizetype dash = fields.indexOf("-");
            if (dash > 0 && dash + 2 < fields.size() &&
                names.contains(QString::fromUtf8(fields[dash + 2]))) {
                continue;
            }
            if (!line.isEmpty()) {
                kept += line + '\n';
            }
        }
        file.close();
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(kept);
        }
        changeProperty(object, prefix + QStringLiteral("Filesystem"), QStringLiteral("MountPoints"),
                       QVariant::fromValue(QList<QByteArray>()));
    }

    void lock(const QString &object)
    {
        const QString encrypted = prefix + QStringLiteral("Encrypted");
        const QString cleartext = m_objects.value(QDBusObjectPath(object))
                                      .value(encrypted)
                                      .value(QStringLiteral("CleartextDevice"))
                                      .value<QDBusObjectPath>()
                                      .path();
        if (cleartext.isEmpty() || cleartext == QLatin1String("/")) {
            return;
        }
        const QStringList removed = m_objects.value(QDBusObjectPath(cleartext)).keys();
        m_objects.remove(QDBusObjectPath(cleartext));
        QDBusMessage gone =
            QDBusMessage::createSignal(root, QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                                       QStringLiteral("InterfacesRemoved"));
        gone << QVariant::fromValue(QDBusObjectPath(cleartext)) << removed;
        m_connection.send(gone);
        changeProperty(object, encrypted, QStringLiteral("CleartextDevice"),
                       QVariant::fromValue(QDBusObjectPath(QStringLiteral("/"))));
    }

    void changeProperty(const QString &object, const QString &interface, const QString &name,
                        const QVariant &value)
    {
        auto found = m_objects.find(QDBusObjectPath(object));
        if (found == m_objects.end() || !found->contains(interface)) {
            return;
        }
        (*found)[interface].insert(name, value);
        QDBusMessage changed =
            QDBusMessage::createSignal(object, QStringLiteral("org.freedesktop.DBus.Properties"),
                                       QStringLiteral("PropertiesChanged"));
        changed << interface << QVariantMap{{name, value}} << QStringList();
        m_connection.send(changed);
    }

    QDBusConnection m_connection;
    QString m_mountInfoPath;
    bool m_registered = false;
    Objects m_objects;
    QList<Call> m_calls;
    QHash<QString, Refusal> m_refusals;
};
