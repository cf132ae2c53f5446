#include "appfakes.h"

#include "desktopnotifier.h"
#include "replaceablenotifications.h"
#include "services/unplugnotifier.h"
#include "shell/application.h"

#include <QDBusConnection>
#include <QDir>
#include <QProcess>
#include <QtTest>

namespace {

// Keeps what the program would have shown, as a notification server would.
class RecordingNotifications : public ReplaceableNotifications {
public:
    struct Shown {
        QString title;
        QString body;
        quint32 replaces = 0;
        bool untilReplaced = false;
        quint32 id = 0;
    };
    QList<Shown> shown;
    QList<quint32> closed;

    QCoro::Task<quint32> show(QString title, QString body, quint32 replacesId,
                              bool untilReplaced) override
    {
        const quint32 id = replacesId ? replacesId : ++m_lastId;
        shown.append({title, body, replacesId, untilReplaced, id});
        co_return id;
    }
    void close(quint32 id) override { closed.append(id); }

private:
    quint32 m_lastId = 0;
};

Volume onDrive(const QString &name, const QString &device)
{
    return VolumeBuilder(removableVolume(name)).device(device).build();
}

} // namespace

// The notices of a drive that is still written to and then safe to unplug, as the application
// posts them for the user's ejects.
class TestUnplugNotifier : public QObject {
    Q_OBJECT

    struct Rig {
        FakeServices fakes;
        RecordingNotifications notifications;
        std::unique_ptr<Application> application;

        explicit Rig(const VolumeList &volumes)
        {
            fakes.source->volumes = volumes;
            AppServices services = fakes.make();
            services.unplugNotifications = &notifications;
            application = std::make_unique<Application>(std::move(services));
            application->start();
        }
        ~Rig() { application.reset(); }
    };

private slots:
    void aSlowEjectSaysWhenTheDriveIsSafeToUnplug()
    {
        const Volume stick = onDrive(QStringLiteral("Stick"), QStringLiteral("sdb1"));
        Rig rig({stick});
        rig.fakes.operations->holdEjects = true;
        rig.application->eject(stick);
        QTRY_COMPARE(rig.notifications.shown.size(), 1);
        const RecordingNotifications::Shown writing = rig.notifications.shown.constFirst();
        QCOMPARE(writing.title, QStringLiteral("Writing data to “Stick”…"));
        QCOMPARE(writing.body, QStringLiteral("Don’t unplug until it is finished"));
        QVERIFY(writing.untilReplaced);

        rig.fakes.operations->release();
        QTRY_COMPARE(rig.notifications.shown.size(), 2);
        const RecordingNotifications::Shown safe = rig.notifications.shown.at(1);
        QCOMPARE(safe.title, QStringLiteral("“Stick” can be safely unplugged"));
        QCOMPARE(safe.replaces, writing.id);
        QVERIFY(!safe.untilReplaced);
        QVERIFY(rig.notifications.closed.isEmpty());
    }

    void aQuickEjectShowsNothing()
    {
        const Volume stick = onDrive(QStringLiteral("Stick"), QStringLiteral("sdb1"));
        Rig rig({stick});
        rig.application->eject(stick);
        QTRY_COMPARE(rig.fakes.operations->calls.size(), 1);
        QTest::qWait(UnplugNotices::delayMs + 300);
        QVERIFY(rig.notifications.shown.isEmpty());
    }

    void aSlowEjectThatFailsTakesItsNoticeAway()
    {
        const Volume stick = onDrive(QStringLiteral("Stick"), QStringLiteral("sdb1"));
        Rig rig({stick});
        rig.fakes.operations->holdEjects = true;
        rig.fakes.operations->ejectResults.push_back({false, QStringLiteral("not authorized")});
        rig.application->eject(stick);
        QTRY_COMPARE(rig.notifications.shown.size(), 1);
        rig.fakes.operations->release();
        QTRY_COMPARE(rig.notifications.closed, QList<quint32>{rig.notifications.shown[0].id});
        QCOMPARE(rig.notifications.shown.size(), 1);
        // The failure itself is told as every failure is.
        QTRY_COMPARE(rig.fakes.prompts->alerts.size(), 1);
    }

    void ejectAllOfOneDriveGivesOneNotice()
    {
        const Volume first = onDrive(QStringLiteral("Photos"), QStringLiteral("sdb1"));
        Volume second = onDrive(QStringLiteral("Backup"), QStringLiteral("sdb2"));
        // Not a drive to unplug: a network share.
        const Volume share = VolumeBuilder(QStringLiteral("Share"))
                                 .id(QStringLiteral("id-share"))
                                 .network()
                                 .mountedAt(QStringLiteral("/mnt/share"))
                                 .build();
        Rig rig({first, second, share});
        rig.fakes.operations->holdEjects = true;
        rig.application->ejectAll();
        // Eject All takes one volume after another: the drive's notice stays while the second
        // volume is ejected, and only then says the drive can go.
        QTRY_COMPARE(rig.fakes.operations->ejectsWaiting, 1);
        QTRY_COMPARE(rig.notifications.shown.size(), 1);
        rig.fakes.operations->release();
        QTRY_COMPARE(rig.fakes.operations->calls.size(), 2);
        QTRY_COMPARE(rig.fakes.operations->ejectsWaiting, 1);
        QTest::qWait(1300);
        QCOMPARE(rig.notifications.shown.size(), 1);
        rig.fakes.operations->release();
        QTRY_COMPARE(rig.notifications.shown.size(), 2);
        QVERIFY(rig.notifications.shown.at(1).title.endsWith(
            QStringLiteral("can be safely unplugged")));
    }

    // Draws both notices with the desktop's notification server for the screenshots: run with
    // QUILLMERE_SCREENSHOT_DIR set, on a display and session bus where one runs.
    void captureForScreenshots()
    {
        const QString folder = qEnvironmentVariable("QUILLMERE_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("QUILLMERE_SCREENSHOT_DIR is not set");
        DesktopNotifier notifier(QDBusConnection::sessionBus(), QStringLiteral("Quillmere"),
                                 QStringLiteral("com.quillmere.app"));
        UnplugNotifier unplug(&notifier);
        const Volume stick = onDrive(QStringLiteral("STICK"), QStringLiteral("sdb1"));
        const auto shoot = [&folder](const QString &name) {
            QTest::qWait(1500);
            QCOMPARE(QProcess::execute(QStringLiteral("import"),
                                       {QStringLiteral("-window"), QStringLiteral("root"),
                                        QDir(folder).filePath(name)}),
                     0);
        };
        unplug.ejectBegan(stick);
        shoot(QStringLiteral("notification-writing.png"));
        unplug.ejectEnded(stick, true);
        shoot(QStringLiteral("notification-safe.png"));
    }
};

QTEST_MAIN(TestUnplugNotifier)
#include "tst_unplugnotifier.moc"
