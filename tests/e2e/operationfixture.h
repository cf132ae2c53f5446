#pragma once

// What the operation tests on real devices share: a udisks2 on a private system bus (the one
// named by QUILLMERE_TEST_SYSTEM_BUS_ADDRESS, else one started here with tests/support and
// stopped again), loop-device test disks in a folder of their own per test, and a provider
// that presents chosen loop devices as removable USB drives.

#include "devicedescriptionprovider.h"
#include "mountinfo.h"
#include "udisksclient.h"
#include "usbpresentingprovider.h"
#include "volumeresources.h"

#include "discovery/diskmerger.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class OperationFixture {
public:
    static constexpr const char *connectionName = "quillmere-operations-e2e";

    QString support;
    QString servicesDir;
    QString busAddress;
    QDBusConnection bus{QString()};
    QTemporaryDir scratch;

    ~OperationFixture() { tearDown(); }

    // False with the reason in *error.
    bool setUp(QString *error)
    {
        support = QStringLiteral(QUILLMERE_TEST_SUPPORT_DIR);
        if (!QFileInfo::exists(script(QStringLiteral("start-services.sh")))) {
            *error = QStringLiteral("tests/support not found");
            return false;
        }
        busAddress = qEnvironmentVariable("QUILLMERE_TEST_SYSTEM_BUS_ADDRESS");
        servicesDir = qEnvironmentVariable("QUILLMERE_SERVICES_DIR");
        if (busAddress.isEmpty()) {
            servicesDir = scratch.filePath(QStringLiteral("services"));
            m_startedServices = true;
            bool ok = false;
            run(script(QStringLiteral("start-services.sh")), {}, &ok);
            QFile address(servicesDir + QStringLiteral("/bus-address"));
            if (!ok || !address.open(QIODevice::ReadOnly)) {
                *error = QStringLiteral("the private system bus did not start");
                return false;
            }
            busAddress = QString::fromUtf8(address.readAll()).trimmed();
        }
        bus = QDBusConnection::connectToBus(busAddress, QLatin1String(connectionName));
        if (!bus.isConnected()) {
            *error = bus.lastError().message();
            return false;
        }
        return true;
    }

    void tearDown()
    {
        QDBusConnection::disconnectFromBus(QLatin1String(connectionName));
        if (m_startedServices) {
            m_startedServices = false;
            run(script(QStringLiteral("stop-services.sh")), {});
        }
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!servicesDir.isEmpty()) {
            env.insert(QStringLiteral("QUILLMERE_SERVICES_DIR"), servicesDir);
        }
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), busAddress);
        return env;
    }

    QString script(const QString &name) const { return support + QLatin1Char('/') + name; }

    // Standard output of a program; *ok (when given) tells whether it exited with status 0.
    QString run(const QString &program, const QStringList &arguments, bool *ok = nullptr) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(program, arguments);
        const bool done = process.waitForFinished(120000) &&
                          process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        if (!done) {
            qWarning().noquote() << program << arguments.join(QLatin1Char(' '))
                                 << "failed:" << process.readAllStandardError();
        }
        if (ok) {
            *ok = done;
        }
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // A folder that make-test-disks.sh and detach-test-disks.sh accept.
    static QString newDiskFolder()
    {
        QTemporaryDir dir(QStringLiteral("/tmp/quillmere-test-XXXXXX"));
        dir.setAutoRemove(false);
        return dir.path();
    }

    // The key=value lines of make-test-disks.sh; device names without /dev/.
    QHash<QString, QString> makeDisks(const QString &folder, const QStringList &arguments) const
    {
        QHash<QString, QString> values;
        const QString output = run(script(QStringLiteral("make-test-disks.sh")),
                                   QStringList{QStringLiteral("--dir"), folder} + arguments);
        for (const QString &line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq > 0) {
                values.insert(line.left(eq), line.mid(eq + 1).remove(QStringLiteral("/dev/")));
            }
        }
        return values;
    }

    void detachDisks(const QString &folder) const
    {
        if (!folder.isEmpty()) {
            run(script(QStringLiteral("detach-test-disks.sh")), {folder});
        }
    }

    // True once udisks2 knows the file systems on these devices; a command line started before
    // that would find no device.
    bool waitForFileSystems(const QStringList &deviceNames) const
    {
        UDisksClient client(bus);
        return QTest::qWaitFor(
            [&] {
                for (const QString &name : deviceNames) {
                    const QString object = client.blockObject(name);
                    if (object.isEmpty() ||
                        !client.hasInterface(object, UDisksClient::filesystemInterface)) {
                        return false;
                    }
                }
                return true;
            },
            10000);
    }

    // Device names mounted now, in mount-table order.
    static QStringList mountedDevices()
    {
        QStringList names;
        for (const MountInfoEntry &entry : MountInfo::read()) {
            const QString source = resolvedMountSource(entry.source);
            if (source.startsWith(QLatin1String("/dev/"))) {
                names.append(source.mid(5));
            }
        }
        return names;
    }

    static QString mountPointOf(const QString &deviceName)
    {
        for (const MountInfoEntry &entry : MountInfo::read()) {
            if (resolvedMountSource(entry.source) == QStringLiteral("/dev/") + deviceName) {
                return entry.mountPoint;
            }
        }
        return {};
    }

    // The label of a device's file system as it stands on the disk.
    static QString label(const QString &deviceName)
    {
        QProcess blkid;
        blkid.start(QStringLiteral("blkid"),
                    {QStringLiteral("-p"), QStringLiteral("-o"), QStringLiteral("value"),
                     QStringLiteral("-s"), QStringLiteral("LABEL"),
                     QStringLiteral("/dev/") + deviceName});
        blkid.waitForFinished();
        return QString::fromUtf8(blkid.readAllStandardOutput()).trimmed();
    }

    // The loop device still has its image behind it.
    static bool isAttached(const QString &loop)
    {
        return QFileInfo::exists(QStringLiteral("/sys/block/%1/loop/backing_file").arg(loop));
    }

private:
    bool m_startedServices = false;
};
