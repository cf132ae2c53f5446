#include "fakes/privatebus.h"

#include "services/apprelaunch.h"
#include "services/autostartmanager.h"
#include "services/singleinstance.h"
#include "stores/appsupport.h"
#include "stores/autostartentry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &contents,
               QFileDevice::Permissions permissions = {})
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        return false;
    file.close();
    return permissions == QFileDevice::Permissions() || file.setPermissions(permissions);
}

} // namespace

// Launch at login over a real autostart folder, and the relaunch that hands the
// single-instance name to the program it starts.
class TestLoginAndRelaunch : public QObject {
    Q_OBJECT

private slots:
    void entryIsWrittenAndRemoved()
    {
        QTemporaryDir config;
        const QString path = config.filePath(QStringLiteral("autostart/com.quillmere.app.desktop"));
        AutostartManager manager(path, QStringLiteral("/home/ann/Apps/Quillmere.AppImage"));
        QVERIFY(!manager.isEnabled());

        QCOMPARE(manager.setEnabled(true), std::nullopt);
        QVERIFY(manager.isEnabled());
        QCOMPARE(contentsOf(path),
                 AutostartEntry::contents(QStringLiteral("/home/ann/Apps/Quillmere.AppImage")));
        // No temporary file is left beside it.
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("com.quillmere.app.desktop")});

        QCOMPARE(manager.setEnabled(false), std::nullopt);
        QVERIFY(!QFile::exists(path));
        QVERIFY(!manager.isEnabled());
        // Nothing to remove is no failure.
        QCOMPARE(manager.setEnabled(false), std::nullopt);
    }

    void anEntryTheDesktopTurnedOffIsReplaced()
    {
        QTemporaryDir config;
        const QString path = config.filePath(QStringLiteral("com.quillmere.app.desktop"));
        QVERIFY(writeFile(path, "[Desktop Entry]\nExec=/old/place/quillmere\n"
                                "X-GNOME-Autostart-enabled=false\n"));
        AutostartManager manager(path, QStringLiteral("/usr/bin/quillmere"));
        QVERIFY(!manager.isEnabled());
        QCOMPARE(manager.setEnabled(true), std::nullopt);
        QVERIFY(manager.isEnabled());
        QVERIFY(contentsOf(path).contains("Exec=/usr/bin/quillmere\n"));

        // A folder by the entry's name is not an entry.
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
        QVERIFY(!manager.isEnabled());
    }

    void anEntryWhoseProgramWasDeletedIsOff()
    {
        QTemporaryDir config;
        const QString path = config.filePath(QStringLiteral("com.quillmere.app.desktop"));
        // An older copy of the program that the entry still names.
        const QString old = config.filePath(QStringLiteral("Old Place/Quillmere.AppImage"));
        QVERIFY(QDir().mkpath(QFileInfo(old).absolutePath()));
        QVERIFY(writeFile(old, "#!/bin/sh\n", QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QVERIFY(writeFile(path, AutostartEntry::contents(old)));
        AutostartManager manager(path, QStringLiteral("/usr/bin/quillmere"));
        QVERIFY(manager.isEnabled());
        QVERIFY(QFile::remove(old));
        QVERIFY(!manager.isEnabled());

        // Without TryExec, the program of Exec counts: a bare name on PATH, or a path.
        QVERIFY(writeFile(path, "[Desktop Entry]\nExec=sh -c true %u\n"));
        QVERIFY(manager.isEnabled());
        QVERIFY(writeFile(path, "[Desktop Entry]\nExec=quillmere-moved-away-long-ago %u\n"));
        QVERIFY(!manager.isEnabled());
        QVERIFY(writeFile(path, "[Desktop Entry]\nExec=\"" + old.toUtf8() + "\" %u\n"));
        QVERIFY(!manager.isEnabled());
        // TryExec names what the desktop looks for, whatever Exec says.
        QVERIFY(writeFile(path, "[Desktop Entry]\nTryExec=" + old.toUtf8() + "\nExec=sh\n"));
        QVERIFY(!manager.isEnabled());
    }

    void aFileWhereTheFolderGoesIsReported()
    {
        QTemporaryDir config;
        const QString folder = config.filePath(QStringLiteral("autostart"));
        QVERIFY(writeFile(folder, "not a folder"));
        AutostartManager manager(folder + QStringLiteral("/com.quillmere.app.desktop"),
                                 QStringLiteral("/usr/bin/quillmere"));
        const std::optional<QString> error = manager.setEnabled(true);
        QVERIFY(error);
        QCOMPARE(*error, folder + QStringLiteral(": not a folder"));
        QVERIFY(!manager.isEnabled());
        QCOMPARE(contentsOf(folder), QByteArray("not a folder"));
    }

    void aReadOnlyFolderRefusesWithTheSystemsReason()
    {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders; the pane test covers refusals for root");
        QTemporaryDir config;
        const QString folder = config.filePath(QStringLiteral("autostart"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/com.quillmere.app.desktop");
        AutostartManager manager(path, QStringLiteral("/usr/bin/quillmere"));
        QCOMPARE(manager.setEnabled(true), std::nullopt);

        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const std::optional<QString> error = manager.setEnabled(false);
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner));
        QVERIFY(error);
        QVERIFY2(error->startsWith(path + QStringLiteral(": ")), qPrintable(*error));
        QVERIFY(manager.isEnabled());
    }

    void defaultsFollowTheEnvironment()
    {
        QTemporaryDir config;
        const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
        const QByteArray savedAppImage = qgetenv("APPIMAGE");
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        qunsetenv("APPIMAGE");
        auto restore = qScopeGuard([&] {
            qputenv("XDG_CONFIG_HOME", savedConfig);
            if (savedAppImage.isNull())
                qunsetenv("APPIMAGE");
            else
                qputenv("APPIMAGE", savedAppImage);
        });

        QCOMPARE(AutostartManager::defaultEntryPath(),
                 config.path() + QStringLiteral("/autostart/") + AppSupport::bundleIdentifier() +
                     QStringLiteral(".desktop"));
        AutostartManager manager;
        QCOMPARE(manager.program(), QCoreApplication::applicationFilePath());
        // An AppImage runs from a mount that is gone at the next login: the image itself starts.
        const QString image = config.filePath(QStringLiteral("Quillmere-x86_64.AppImage"));
        QFile imageFile(image);
        QVERIFY(imageFile.open(QIODevice::WriteOnly));
        imageFile.close();
        qputenv("APPIMAGE", image.toLocal8Bit());
        QCOMPARE(manager.program(), image);
        // A variable left over from a terminal the image started is not a program.
        QVERIFY(imageFile.remove());
        QCOMPARE(manager.program(), QCoreApplication::applicationFilePath());
    }

    void relaunchHandsTheNameToTheNewInstance()
    {
        const QString dbusSend = QStandardPaths::findExecutable(QStringLiteral("dbus-send"));
        if (!PrivateBus::available() || dbusSend.isEmpty())
            QSKIP("dbus-daemon and dbus-send are needed for a bus of the test's own");
        PrivateBus bus;
        QString error;
        QVERIFY2(bus.start(&error), qPrintable(error));
        QDBusConnection connection = bus.connect(QStringLiteral("relaunch"));
        auto disconnect =
            qScopeGuard([] { QDBusConnection::disconnectFromBus(QStringLiteral("relaunch")); });

        const QString appId = QStringLiteral("com.quillmere.app.relaunchtest");
        SingleInstance running(appId, connection);
        QCOMPARE(running.claim(), SingleInstance::Outcome::primary);
        QCOMPARE(SingleInstance::holder(), &running);

        // The "new instance" asks for the name as the program does at start, and says what it
        // was started as and what the bus answered.
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("new instance"));
        const QString answer = folder.filePath(QStringLiteral("answer"));
        const QString startedAs = folder.filePath(QStringLiteral("started-as"));
        const QString script =
            QStringLiteral("#!/bin/sh\n"
                           "printf '%s' \"$0\" > '%1'\n"
                           "'%2' --bus='%3' --print-reply --dest=org.freedesktop.DBus "
                           "/org/freedesktop/DBus org.freedesktop.DBus.RequestName "
                           "string:%4 uint32:4 > '%5.part' && mv '%5.part' '%5'\n")
                .arg(startedAs, dbusSend, bus.address(), appId, answer);
        QVERIFY(
            writeFile(program, script.toUtf8(),
                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));

        // Started while the name is held, it would be turned away (3: the name exists).
        QCOMPARE(QProcess::execute(program, {}), 0);
        QVERIFY2(contentsOf(answer).contains("uint32 3"), contentsOf(answer).constData());
        QVERIFY(QFile::remove(answer));

        QVERIFY(AppRelaunch::relaunch(program));
        QCOMPARE(SingleInstance::holder(), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(answer), 10000);
        // 1: it became the primary owner.
        QVERIFY2(contentsOf(answer).contains("uint32 1"), contentsOf(answer).constData());
        QCOMPARE(QString::fromUtf8(contentsOf(startedAs)), program);
    }
};

QTEST_GUILESS_MAIN(TestLoginAndRelaunch)
#include "tst_loginandrelaunch.moc"
