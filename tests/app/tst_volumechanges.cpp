#include "appfakes.h"
#include "fakes/privatebus.h"

#include "discovery/volumestore.h"
#include "policy/excludedvolume.h"
#include "services/singleinstance.h"
#include "shell/application.h"
#include "shell/busymarks.h"
#include "stores/preferencesstore.h"
#include "stores/settingskeys.h"
#include "surfaces/trayicon.h"
#include "surfaces/volumeactionsmenu.h"

#include <QDBusConnection>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <qcoro/qcorosignal.h>

// The application over fake services: what each store publication writes and marks, and how the
// marks reach the tray menu. Also the single-instance handshake on a private session bus.
class TestVolumeChanges : public QObject {
    Q_OBJECT

    static QString firstEntryOf(Application &application, const QString &volumeId)
    {
        for (const auto &[volume, row] : application.trayIcon()->volumeItems()) {
            if (volume.id == volumeId)
                return row->menu()->actions().constFirst()->text();
        }
        return {};
    }

private slots:
    void firstPublicationWritesNoHistoryLine()
    {
        FakeServices fakes;
        fakes.source->volumes = {removableVolume(QStringLiteral("Stick")),
                                 removableVolume(QStringLiteral("Part"), false)};
        Application application(fakes.make());
        application.start();

        QCOMPARE(application.store().allVolumes().size(), 2);
        QVERIFY(fakes.history->lines.isEmpty());
        // Volumes present at launch were not just attached: nothing is settling.
        QVERIFY(application.busyVolumes().isEmpty());
        QVERIFY(application.trayIcon());
        QCOMPARE(application.trayIcon()->volumeItems().size(), 2);
    }

    void theFirstListWaitsForTheDiskServicesAnswer()
    {
        FakeServices fakes;
        // Before udisks2 answers, the source knows only what is mounted.
        fakes.source->volumes = {removableVolume(QStringLiteral("Stick"))};
        AppServices services = fakes.make();
        QTimer answer;
        answer.setSingleShot(true);
        services.untilDiskServiceAnswered = [&answer]() -> QCoro::Task<> {
            co_await qCoro(&answer, &QTimer::timeout);
        };
        Application application(std::move(services));
        application.start();
        QVERIFY(application.store().allVolumes().isEmpty());

        const Volume part = removableVolume(QStringLiteral("Part"), false);
        fakes.source->volumes.append(part);
        answer.start(0);
        QVERIFY(QTest::qWaitFor([&] { return application.store().allVolumes().size() == 2; }));
        // The unmounted partition was attached before launch: it is not settling.
        QVERIFY(!application.isBusy(part));
        QVERIFY(application.busyVolumes().isEmpty());
        QVERIFY(fakes.history->lines.isEmpty());
        QCOMPARE(application.trayIcon()->volumeItems().size(), 2);
    }

    void systemImagesLeaveNoHistoryLine()
    {
        FakeServices fakes;
        fakes.source->volumes = {removableVolume(QStringLiteral("Stick"), false)};
        Application application(fakes.make());
        application.start();

        // A snap refresh mounts the new revision's image beside the stick being mounted.
        Volume snap = removableVolume(QStringLiteral("core22"));
        snap.id = snap.deviceName = QStringLiteral("loop7");
        snap.mountPath = QStringLiteral("/snap/core22/1380");
        snap.kind = VolumeKind::systemImage;
        snap.traits.isDiskImage = true;
        snap.traits.isSystemManaged = true;
        fakes.source->publish({removableVolume(QStringLiteral("Stick")), snap});
        QCOMPARE(fakes.history->operations(), QStringList{QStringLiteral("mount")});
        QCOMPARE(fakes.history->lines.constFirst().volumeName, QStringLiteral("Stick"));
        fakes.source->publish({removableVolume(QStringLiteral("Stick"))});
        QCOMPARE(fakes.history->operations(), QStringList{QStringLiteral("mount")});
    }

    void laterPublicationsWriteMountLinesAndKeepBusyMarks()
    {
        FakeServices fakes;
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        fakes.source->volumes = {stick};
        Application application(fakes.make());
        application.start();

        // The stick is ejected; a new card appears, not mounted yet.
        Volume card = removableVolume(QStringLiteral("Card"), false);
        card.deviceName = QStringLiteral("mmcblk0p1");
        fakes.source->publish({removableVolume(QStringLiteral("Stick"), false), card});
        QCOMPARE(fakes.history->operations(), QStringList{QStringLiteral("unmount")});
        QCOMPARE(fakes.history->lines.constFirst().volumeName, QStringLiteral("Stick"));
        QVERIFY(application.isBusy(card));
        QVERIFY(!application.isBusy(stick));
        QCOMPARE(firstEntryOf(application, card.id), QStringLiteral("Mounting…"));

        // The desktop mounts it: a mount line, and the mark goes with the state change.
        Volume mounted = removableVolume(QStringLiteral("Card"));
        mounted.deviceName = card.deviceName;
        fakes.source->publish({removableVolume(QStringLiteral("Stick"), false), mounted});
        QCOMPARE(fakes.history->operations(),
                 (QStringList{QStringLiteral("unmount"), QStringLiteral("mount")}));
        QCOMPARE(fakes.history->lines.constLast().deviceName, QStringLiteral("mmcblk0p1"));
        QVERIFY(!application.isBusy(mounted));
        QCOMPARE(firstEntryOf(application, card.id), QStringLiteral("Eject"));
    }

    void unmountClearsTheMarkOfARunningOperation()
    {
        FakeServices fakes;
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        fakes.source->volumes = {stick};
        Application application(fakes.make());
        application.start();

        fakes.operations->holdEjects = true;
        application.eject(stick);
        QVERIFY(application.isBusy(stick));
        QCOMPARE(firstEntryOf(application, stick.id), QStringLiteral("Ejecting…"));

        // The unmount is seen before the operation has answered.
        fakes.source->publish({removableVolume(QStringLiteral("Stick"), false)});
        QVERIFY(!application.isBusy(stick));
        fakes.operations->release();
        QCOMPARE(fakes.history->operations(),
                 (QStringList{QStringLiteral("unmount"), QStringLiteral("eject")}));
        QCOMPARE(firstEntryOf(application, stick.id), QStringLiteral("Remount"));
    }

    void settleMarkEndsByItself()
    {
        BusyMarks marks(std::chrono::milliseconds(10));
        int settled = 0;
        marks.onSettled = [&settled] { ++settled; };
        marks.markSettling(QStringLiteral("card"));
        QVERIFY(marks.contains(QStringLiteral("card")));
        QTRY_COMPARE(settled, 1);
        QVERIFY(!marks.contains(QStringLiteral("card")));
    }

    void ignoringAVolumeRebuildsTheMenu()
    {
        FakeServices fakes;
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        fakes.source->volumes = {stick};
        Application application(fakes.make());
        application.start();

        auto ignoreEntry = [&application]() -> QAction * {
            QMenu *submenu = application.trayIcon()->volumeItems().constFirst().second->menu();
            const QList<QAction *> entries = submenu->actions();
            return entries.constLast();
        };
        // Menus read a single ampersand as a mnemonic mark.
        QCOMPARE(ignoreEntry()->text(), QStringLiteral("Ignore in Auto-Eject && Eject All"));
        QVERIFY(!ignoreEntry()->isChecked());
        ignoreEntry()->trigger();
        QVERIFY(ExcludedVolume::covers(stick, application.prefs().excludedVolumes()));
        QVERIFY(ignoreEntry()->isChecked());

        // Eject All now has nothing to do.
        application.ejectAll();
        QVERIFY(fakes.operations->calls.isEmpty());
    }

    void quitRecordsThatNoMainWindowWasOpen()
    {
        FakeServices fakes;
        fakes.defaults->setBool(QString::fromLatin1(SettingsKeys::mainWindowOpen), true);
        Application application(fakes.make());
        application.start();
        application.shutdown();
        QCOMPARE(fakes.defaults->boolValue(QString::fromLatin1(SettingsKeys::mainWindowOpen)),
                 std::optional<bool>(false));
    }

    void secondLaunchReopensTheFirst()
    {
        if (!PrivateBus::available())
            QSKIP("dbus-daemon is not installed");
        PrivateBus bus;
        QString error;
        QVERIFY2(bus.start(&error), qPrintable(error));

        const QString appId = QStringLiteral("com.quillmere.app.test");
        QDBusConnection first = bus.connect(QStringLiteral("first"));
        QDBusConnection second = bus.connect(QStringLiteral("second"));
        QVERIFY(first.isConnected() && second.isConnected());

        int reopened = 0;
        {
            SingleInstance running(appId, first);
            running.onReopen = [&reopened] { ++reopened; };
            QCOMPARE(running.claim(), SingleInstance::Outcome::primary);

            SingleInstance launched(appId, second);
            QCOMPARE(launched.claim(), SingleInstance::Outcome::secondary);
            QCOMPARE(reopened, 1);
        }
        // Once the first instance is gone the name is free again.
        SingleInstance next(appId, second);
        QCOMPARE(next.claim(), SingleInstance::Outcome::primary);

        QDBusConnection::disconnectFromBus(QStringLiteral("first"));
        QDBusConnection::disconnectFromBus(QStringLiteral("second"));
        QCOMPARE(SingleInstance::objectPath(QStringLiteral("com.quillmere.app.staging")),
                 QStringLiteral("/com/quillmere/app/staging"));
    }

    void withoutABusTheProgramJustRuns()
    {
        QDBusConnection nowhere = QDBusConnection::connectToBus(
            QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("nowhere"));
        SingleInstance instance(QStringLiteral("com.quillmere.app.test"), nowhere);
        QCOMPARE(instance.claim(), SingleInstance::Outcome::noBus);
        QDBusConnection::disconnectFromBus(QStringLiteral("nowhere"));
    }
};

QTEST_MAIN(TestVolumeChanges)
#include "tst_volumechanges.moc"
