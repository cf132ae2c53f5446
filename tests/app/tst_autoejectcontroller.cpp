#include "services/autoejectcontroller.h"
#include "volumebuilder.h"

#include "fakes/fakelogind.h"
#include "fakes/fakenotifications.h"
#include "fakes/fakescreensaver.h"
#include "fakes/privatebus.h"

#include "desktopnotifier.h"
#include "logindsleepmonitor.h"
#include "operations/diskoperations.h"
#include "screenlockmonitor.h"
#include "stores/historyrecording.h"
#include "stores/jsonfilesettingsbackend.h"
#include "stores/preferencesstore.h"
#include "stores/settingsstore.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <qcoro/qcorodbuspendingcall.h>
#include <qcoro/qcorosignal.h>

namespace {

Volume usbVolume(const QString &name, const QString &kernelName, std::optional<QString> uuid = {})
{
    return VolumeBuilder(name)
        .id(QStringLiteral("/dev/") + kernelName)
        .mountedAt(QStringLiteral("/media/u/") + name)
        .device(kernelName)
        .removable()
        .ejectable()
        .wholeDisk(kernelName.left(3))
        .uuid(uuid)
        .build();
}

Volume internalVolume(const QString &name, const QString &kernelName)
{
    return VolumeBuilder(usbVolume(name, kernelName)).internalExtra().removable(false).build();
}

// Holds ejects back until opened, so a test can act while a pass is running.
class Gate : public QObject {
    Q_OBJECT
public:
    bool closed = false;
    void open()
    {
        closed = false;
        emit opened();
    }
signals:
    void opened();
};

// Operations over the test's volume list: an eject unmounts, a remount mounts.
class FakeOperations : public DiskOperations {
public:
    explicit FakeOperations(VolumeList &volumes) : m_volumes(volumes) {}

    QStringList ejected;
    QStringList remounted;
    QSet<QString> failing;
    Gate gate;

    QCoro::Task<OperationResult> eject(Volume volume, bool force) override
    {
        Q_ASSERT(!force);
        ejected.append(volume.deviceName);
        if (gate.closed) {
            co_await qCoro(&gate, &Gate::opened);
        }
        if (failing.contains(volume.deviceName)) {
            co_return OperationResult{false, QStringLiteral("The volume is in use.")};
        }
        setMounted(volume.id, false);
        co_return OperationResult{true, std::nullopt};
    }
    QCoro::Task<OperationResult> remount(Volume volume) override
    {
        remounted.append(volume.deviceName);
        setMounted(volume.id, true);
        co_return OperationResult{true, std::nullopt};
    }
    QCoro::Task<OperationResult> rename(Volume, QString) override
    {
        co_return OperationResult{false, QStringLiteral("unexpected")};
    }
    QCoro::Task<OperationResult> erase(Volume, QString, QString) override
    {
        co_return OperationResult{false, QStringLiteral("unexpected")};
    }
    QCoro::Task<BlockerList> blockers(Volume) override { co_return BlockerList(); }
    QCoro::Task<QStringList> availableEraseFormats() override { co_return QStringList(); }

private:
    void setMounted(const QString &id, bool mounted)
    {
        for (Volume &v : m_volumes) {
            if (v.id == id) {
                v.isMounted = mounted;
            }
        }
    }

    VolumeList &m_volumes;
};

class FakeHistory : public HistoryRecording {
public:
    HistoryEntryList lines;
    void append(const HistoryEntry &entry) override { lines.append(entry); }
    HistoryEntryList entries(std::optional<int>) override { return lines; }
};

class FakeActivity : public ActivityMonitoring {
public:
    QHash<QString, double> idle;
    UpdateHandler onUpdate() const override { return {}; }
    void setOnUpdate(UpdateHandler) override {}
    void start() override {}
    void stop() override {}
    std::optional<double> idleSeconds(const QString &disk) override
    {
        const auto it = idle.constFind(disk);
        return it == idle.cend() ? std::nullopt : std::optional<double>(*it);
    }
};

QStringList operationsOf(const HistoryEntryList &lines)
{
    QStringList result;
    for (const HistoryEntry &e : lines) {
        result.append(e.operation + QLatin1Char(':') + e.deviceName + QLatin1Char(':') +
                      (e.ok ? QStringLiteral("ok") : QStringLiteral("failed")));
    }
    return result;
}

QStringList bodiesOf(const QList<FakeNotifications::Notification> &notifications)
{
    QStringList result;
    for (const auto &n : notifications) {
        result.append(n.body);
    }
    return result;
}

// Two private buses in the roles of system and session bus, with the fake services on
// connections of their own, and a controller over the real platform monitors.
struct Fixture {
    PrivateBus systemBus;
    PrivateBus sessionBus;
    QString prefix;
    QDBusConnection system{QString()};
    QDBusConnection session{QString()};
    QDBusConnection serviceSystem{QString()};
    QDBusConnection serviceSession{QString()};
    std::unique_ptr<FakeLogind> logind;
    std::unique_ptr<FakeScreenSaver> screenSaver;
    std::unique_ptr<FakeNotifications> notifications;

    std::unique_ptr<SettingsStore> defaults = SettingsStore::inMemory();
    std::unique_ptr<PreferencesStore> prefs = std::make_unique<PreferencesStore>(*defaults);
    VolumeList volumes;
    FakeOperations operations{volumes};
    FakeHistory history;
    FakeActivity activity;

    std::unique_ptr<LogindSleepMonitor> sleep;
    std::unique_ptr<ScreenLockMonitor> screenLock;
    std::unique_ptr<DesktopNotifier> notifier;
    std::unique_ptr<AutoEjectController> controller;

    ~Fixture()
    {
        controller.reset();
        sleep.reset();
        screenLock.reset();
        notifier.reset();
        logind.reset();
        screenSaver.reset();
        notifications.reset();
        for (const char *role : {"system", "session", "serviceSystem", "serviceSession"}) {
            QDBusConnection::disconnectFromBus(prefix + QLatin1String(role));
        }
    }

    bool startBuses(QString *error)
    {
        static int counter = 0;
        prefix = QStringLiteral("t%1-").arg(++counter);
        if (!systemBus.start(error) || !sessionBus.start(error)) {
            return false;
        }
        system = systemBus.connect(prefix + QStringLiteral("system"));
        serviceSystem = systemBus.connect(prefix + QStringLiteral("serviceSystem"));
        session = sessionBus.connect(prefix + QStringLiteral("session"));
        serviceSession = sessionBus.connect(prefix + QStringLiteral("serviceSession"));
        if (!system.isConnected() || !session.isConnected() || !serviceSystem.isConnected() ||
            !serviceSession.isConnected()) {
            *error = QStringLiteral("could not connect to the private buses");
            return false;
        }
        return true;
    }

    bool startServices(bool withLogind, bool withNotifications)
    {
        if (withLogind) {
            logind = std::make_unique<FakeLogind>(serviceSystem);
            if (!logind->registerOnBus()) {
                return false;
            }
        }
        screenSaver = std::make_unique<FakeScreenSaver>(serviceSession);
        if (!screenSaver->registerOnBus()) {
            return false;
        }
        if (withNotifications) {
            notifications = std::make_unique<FakeNotifications>(serviceSession);
            return notifications->registerOnBus();
        }
        return true;
    }

    void makeController(ActivityMonitoring *activityMonitor)
    {
        sleep = std::make_unique<LogindSleepMonitor>(system, QStringLiteral("Quillmere"),
                                                     QStringLiteral("Ejecting external volumes"));
        screenLock = std::make_unique<ScreenLockMonitor>(system, session, FakeLogind::sessionId);
        notifier = std::make_unique<DesktopNotifier>(session, QStringLiteral("Quillmere"),
                                                     QStringLiteral("com.quillmere.app"));
        controller = std::make_unique<AutoEjectController>(
            *prefs, [this] { return volumes; }, operations, history, activityMonitor,
            AutoEjectController::SystemEvents{sleep.get(), screenLock.get(), notifier.get()});
    }
};

} // namespace

class TestAutoEjectController : public QObject {
    Q_OBJECT

    std::unique_ptr<Fixture> f;

    // Buses, fake logind, screen saver and notification server, and a started controller.
    bool setUpStarted(ActivityMonitoring *activity = nullptr, bool withLogind = true,
                      bool withNotifications = true)
    {
        QString error;
        if (!f->startBuses(&error)) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        if (!f->startServices(withLogind, withNotifications)) {
            qWarning("could not register the fake services");
            return false;
        }
        f->makeController(activity);
        QSignalSpy resolved(f->screenLock.get(), &ScreenLockMonitor::sessionResolved);
        f->controller->start();
        if (!resolved.wait(5000)) {
            return false;
        }
        if (withLogind && !QTest::qWaitFor([&] { return f->logind->heldInhibitors() == 1; })) {
            qWarning("no inhibitor was taken");
            return false;
        }
        return true;
    }

    void sleepAndWaitForPass()
    {
        QSignalSpy finished(f->controller.get(), &AutoEjectController::ejectPassFinished);
        f->logind->prepareForSleep(true);
        QVERIFY(finished.wait(5000));
        QTRY_COMPARE(f->logind->heldInhibitors(), 0);
    }

private slots:
    void initTestCase()
    {
        if (!PrivateBus::available()) {
            QSKIP("dbus-daemon is not installed; the controller tests need private buses");
        }
    }

    void init() { f = std::make_unique<Fixture>(); }
    void cleanup() { f.reset(); }

    void sleepEjectsInOrderBeforeReleasingTheInhibitor()
    {
        f->volumes = {usbVolume("Photos", "sdb1"), internalVolume("Data", "sda2"),
                      usbVolume("Backup", "sdc1")};
        f->prefs->setAutoEjectOnSleep(true);
        f->prefs->setAutoEjectOnLock(true);
        QVERIFY(setUpStarted());
        const FakeLogind::Inhibitor first = f->logind->inhibitors().constFirst();
        QCOMPARE(first.what, QStringLiteral("sleep"));
        QCOMPARE(first.mode, QStringLiteral("delay"));

        f->operations.gate.closed = true;
        QSignalSpy finished(f->controller.get(), &AutoEjectController::ejectPassFinished);
        f->logind->prepareForSleep(true);
        QTRY_COMPARE(f->operations.ejected, QStringList{"sdb1"});
        QVERIFY(f->controller->ejectPassInFlight());
        QCOMPARE(f->logind->heldInhibitors(), 1);

        // A lock while the pass runs is dropped, not queued.
        QSignalSpy locked(f->screenLock.get(), &ScreenLockWatching::locked);
        f->logind->lockSession();
        QVERIFY(locked.wait(5000));
        QCOMPARE(f->operations.ejected, QStringList{"sdb1"});

        f->operations.gate.open();
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(f->operations.ejected, (QStringList{"sdb1", "sdc1"}));
        QCOMPARE(operationsOf(f->history.lines),
                 (QStringList{"autoEject:sdb1:ok", "autoEject:sdc1:ok"}));
        QCOMPARE(f->history.lines.at(0).volumeName, QStringLiteral("Photos"));
        QTRY_COMPARE(f->logind->heldInhibitors(), 0);
        QTRY_COMPARE(f->notifications->received().size(), 2);
        QCOMPARE(bodiesOf(f->notifications->received()),
                 (QStringList{"Ejected “Photos” — will remount on wake",
                              "Ejected “Backup” — will remount on wake"}));
        const FakeNotifications::Notification &shown = f->notifications->received().at(0);
        QCOMPARE(shown.summary, QStringLiteral("Quillmere"));
        QCOMPARE(shown.appName, QStringLiteral("Quillmere"));
        QCOMPARE(shown.hints.value("desktop-entry").toString(),
                 QStringLiteral("com.quillmere.app"));

        QCOMPARE(f->controller->ejected().size(), 2);
        QCOMPARE(f->controller->ejected().at(0),
                 (AutoEjectController::EjectedVolume{"/dev/sdb1", "sdb1", "Photos", std::nullopt}));
        QVERIFY(!f->controller->ejectPassInFlight());
    }

    void sleepDuringALockPassWaitsForItBeforeReleasing()
    {
        f->volumes = {usbVolume("Photos", "sdb1")};
        f->prefs->setAutoEjectOnSleep(true);
        f->prefs->setAutoEjectOnLock(true);
        QVERIFY(setUpStarted());
        f->operations.gate.closed = true;
        f->screenSaver->activeChanged(true);
        QTRY_COMPARE(f->operations.ejected, QStringList{"sdb1"});

        f->logind->prepareForSleep(true);
        QVERIFY(syncWith(f->system, f->serviceSystem));
        QCOMPARE(f->logind->heldInhibitors(), 1);
        f->operations.gate.open();
        QTRY_COMPARE(f->logind->heldInhibitors(), 0);
        // The sleep trigger itself was dropped, not run as a second pass.
        QCOMPARE(f->operations.ejected, QStringList{"sdb1"});
    }

    void sleepTakesANewInhibitorAfterWake()
    {
        f->volumes = {usbVolume("Photos", "sdb1")};
        f->prefs->setAutoEjectOnSleep(true);
        QVERIFY(setUpStarted());
        sleepAndWaitForPass();
        f->logind->prepareForSleep(false);
        QTRY_COMPARE(f->logind->inhibitors().size(), 2);
        QTRY_COMPARE(f->logind->heldInhibitors(), 1);
    }

    void sleepWithEjectOnSleepOffEjectsNothing()
    {
        f->volumes = {usbVolume("Photos", "sdb1")};
        f->prefs->setAutoEjectOnLock(true);
        QVERIFY(setUpStarted());
        f->logind->prepareForSleep(true);
        QTRY_COMPARE(f->logind->heldInhibitors(), 0);
        QVERIFY(f->operations.ejected.isEmpty());
        QVERIFY(f->controller->ejected().isEmpty());
    }

    void failedEjectIsRecordedAndNotRemembered()
    {
        f->volumes = {usbVolume("Photos", "sdb1"), usbVolume("Backup", "sdc1")};
        f->operations.failing.insert("sdb1");
        f->prefs->setAutoEjectOnSleep(true);
        QVERIFY(setUpStarted());
        sleepAndWaitForPass();
        QCOMPARE(operationsOf(f->history.lines),
                 (QStringList{"autoEject:sdb1:failed", "autoEject:sdc1:ok"}));
        QCOMPARE(f->history.lines.at(0).detail, std::optional<QString>("The volume is in use."));
        QCOMPARE(f->controller->ejected().size(), 1);
        QCOMPARE(f->controller->ejected().at(0).deviceName, QStringLiteral("sdc1"));
        QTRY_COMPARE(f->notifications->received().size(), 1);
        QCOMPARE(f->notifications->received().at(0).body,
                 QStringLiteral("Ejected “Backup” — will remount on wake"));
    }

    void partitionsThatWentWithTheirDriveAreNotEjectedAgain()
    {
        f->volumes = {usbVolume("First", "sdb1"), usbVolume("Other", "sdc1"),
                      usbVolume("Second", "sdb2")};
        f->prefs->setAutoEjectOnSleep(true);
        QVERIFY(setUpStarted());
        sleepAndWaitForPass();
        // Ejecting sdb1 unmounted every partition of sdb.
        QCOMPARE(f->operations.ejected, (QStringList{"sdb1", "sdc1"}));
        QCOMPARE(operationsOf(f->history.lines),
                 (QStringList{"autoEject:sdb1:ok", "autoEject:sdc1:ok", "autoEject:sdb2:ok"}));
        QCOMPARE(f->controller->ejected().size(), 3);
        QTRY_COMPARE(f->notifications->received().size(), 3);
    }

    void aPartitionIsEjectedItselfWhenItsSiblingFailed()
    {
        f->volumes = {usbVolume("First", "sdb1"), usbVolume("Second", "sdb2")};
        f->operations.failing.insert("sdb1");
        f->prefs->setAutoEjectOnSleep(true);
        QVERIFY(setUpStarted());
        sleepAndWaitForPass();
        QCOMPARE(f->operations.ejected, (QStringList{"sdb1", "sdb2"}));
        QCOMPARE(operationsOf(f->history.lines),
                 (QStringList{"autoEject:sdb1:failed", "autoEject:sdb2:ok"}));
    }

    void wakeRemountsWhatWasEjected()
    {
        f->volumes = {usbVolume("Photos", "sdb1", "UUID-P"), usbVolume("Backup", "sdc1"),
                      usbVolume("Gone", "sdd1")};
        f->prefs->setAutoEjectOnSleep(true);
        QVERIFY(setUpStarted());
        sleepAndWaitForPass();
        QCOMPARE(f->controller->ejected().size(), 3);

        // After wake the devices came back under other names; one did not come back at all.
        f->volumes = {usbVolume("Backup", "sde1"), usbVolume("Renamed", "sdf1", "UUID-P")};
        f->volumes[0].isMounted = false;
        f->volumes[1].isMounted = false;
        QSignalSpy remounted(f->controller.get(), &AutoEjectController::remountPassFinished);
        f->logind->prepareForSleep(false);
        QVERIFY(remounted.wait(10000));
        QVERIFY(f->controller->ejected().isEmpty());
        QCOMPARE(f->operations.remounted, (QStringList{"sdf1", "sde1"}));
        QCOMPARE(operationsOf(f->history.lines.mid(3)),
                 (QStringList{"autoRemount:sdf1:ok", "autoRemount:sde1:ok"}));
        QCOMPARE(f->history.lines.at(3).volumeName, QStringLiteral("Renamed"));
    }

    void wakeSkipsVolumesStillMounted()
    {
        f->volumes = {usbVolume("Photos", "sdb1")};
        f->prefs->setAutoEjectOnSleep(true);
        QVERIFY(setUpStarted());
        sleepAndWaitForPass();
        f->volumes[0].isMounted = true; // mounted again by someone else meanwhile
        QSignalSpy remounted(f->controller.get(), &AutoEjectController::remountPassFinished);
        f->logind->prepareForSleep(false);
        QVERIFY(remounted.wait(10000));
        QVERIFY(f->operations.remounted.isEmpty());
        QCOMPARE(f->history.lines.size(), 1);
    }

    void wakeWithRemountOffForgets()
    {
        f->volumes = {usbVolume("Photos", "sdb1")};
        f->prefs->setAutoEjectOnSleep(true);
        f->prefs->setRemountOnWake(false);
        QVERIFY(setUpStarted());
        sleepAndWaitForPass();
        QTRY_COMPARE(f->notifications->received().size(), 1);
        QCOMPARE(f->notifications->received().at(0).body, QStringLiteral("Ejected “Photos”"));
        QCOMPARE(f->controller->ejected().size(), 1);

        f->controller->handleWake();
        QVERIFY(f->controller->ejected().isEmpty());
        f->prefs->setRemountOnWake(true);
        QSignalSpy remounted(f->controller.get(), &AutoEjectController::remountPassFinished);
        f->controller->handleWake();
        QVERIFY(!remounted.wait(3000));
        QVERIFY(f->operations.remounted.isEmpty());
    }

    void lockAndScreenSaverTogetherMakeOnePass()
    {
        f->volumes = {usbVolume("Photos", "sdb1")};
        f->prefs->setAutoEjectOnLock(true);
        QVERIFY(setUpStarted());
        QSignalSpy locked(f->screenLock.get(), &ScreenLockWatching::locked);
        QSignalSpy unlocked(f->screenLock.get(), &ScreenLockWatching::unlocked);
        QSignalSpy finished(f->controller.get(), &AutoEjectController::ejectPassFinished);
        f->logind->lockSession();
        f->screenSaver->activeChanged(true);
        QVERIFY(finished.wait(5000));
        QVERIFY(syncWith(f->system, f->serviceSystem));
        QVERIFY(syncWith(f->session, f->serviceSession));
        QCOMPARE(locked.size(), 1);
        QCOMPARE(f->operations.ejected, QStringList{"sdb1"});

        // Unlock through the screen saver alone counts; the later logind Unlock adds nothing.
        QSignalSpy remounted(f->controller.get(), &AutoEjectController::remountPassFinished);
        f->screenSaver->activeChanged(false);
        f->logind->unlockSession();
        QVERIFY(remounted.wait(10000));
        QCOMPARE(unlocked.size(), 1);
        QCOMPARE(f->operations.remounted, QStringList{"sdb1"});
        QCOMPARE(operationsOf(f->history.lines),
                 (QStringList{"autoEject:sdb1:ok", "autoRemount:sdb1:ok"}));
    }

    void idleTimerFollowsTheSettings()
    {
        FakeActivity activity;
        QVERIFY(setUpStarted(&activity));
        QVERIFY(!f->controller->idleTimer());

        f->prefs->setAutoEjectIdleMinutes(5);
        QVERIFY(f->controller->idleTimer());
        QVERIFY(f->controller->idleTimer()->isActive());
        QCOMPARE(f->controller->idleTimer()->intervalAsDuration(),
                 std::chrono::milliseconds(60000));
        const QTimer *timer = f->controller->idleTimer();
        f->prefs->setAutoEjectIdleMinutes(10);
        QCOMPARE(f->controller->idleTimer(), timer); // not rescheduled

        f->prefs->setAutoEjectIdleMinutes(0);
        QVERIFY(!f->controller->idleTimer());
    }

    void idleTimerNeedsAnActivityMonitor()
    {
        f->prefs->setAutoEjectIdleMinutes(5);
        QVERIFY(setUpStarted(nullptr));
        QVERIFY(!f->controller->idleTimer());
    }

    void idleTimerFollowsChangesFromAnotherProcess()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString domain = QStringLiteral("com.quillmere.test");
        f->controller.reset();
        f->defaults = std::make_unique<SettingsStore>(
            std::make_unique<JsonFileSettingsBackend>(dir.path(), domain));
        f->prefs = std::make_unique<PreferencesStore>(*f->defaults);
        FakeActivity activity;
        QVERIFY(setUpStarted(&activity));
        QVERIFY(!f->controller->idleTimer());

        // Another process's store writes the same file.
        SettingsStore other(std::make_unique<JsonFileSettingsBackend>(dir.path(), domain));
        PreferencesStore(other).setAutoEjectIdleMinutes(5);
        QTRY_VERIFY_WITH_TIMEOUT(f->controller->idleTimer(), 10000);
        PreferencesStore(other).setAutoEjectIdleMinutes(0);
        QTRY_VERIFY_WITH_TIMEOUT(!f->controller->idleTimer(), 10000);
    }

    void idleCheckEjectsOnlyDisksIdleLongEnough()
    {
        FakeActivity activity;
        activity.idle = {{"sdb", 300.0}, {"sdc", 299.0}};
        f->volumes = {usbVolume("Photos", "sdb1"), usbVolume("Backup", "sdc1"),
                      usbVolume("Unknown", "sdd1")};
        f->prefs->setAutoEjectIdleMinutes(5);
        QVERIFY(setUpStarted(&activity));
        QSignalSpy finished(f->controller.get(), &AutoEjectController::ejectPassFinished);
        f->controller->handleTrigger(AutoEjectTrigger::idleCheck);
        QVERIFY(finished.size() == 1 || finished.wait(5000));
        QCOMPARE(f->operations.ejected, QStringList{"sdb1"});
        QCOMPARE(f->controller->ejected().size(), 1);
    }

    void notificationBodies()
    {
        QCOMPARE(AutoEjectController::notificationBody("Photos", true),
                 QStringLiteral("Ejected “Photos” — will remount on wake"));
        QCOMPARE(AutoEjectController::notificationBody("Photos", false),
                 QStringLiteral("Ejected “Photos”"));
        QCOMPARE(AutoEjectController::notificationTitle(), QStringLiteral("Quillmere"));
    }

    void noNotificationServerShowsNothing()
    {
        f->volumes = {usbVolume("Photos", "sdb1")};
        f->prefs->setAutoEjectOnSleep(true);
        QVERIFY(setUpStarted(nullptr, true, false));
        sleepAndWaitForPass();
        QCOMPARE(f->controller->ejected().size(), 1);
        QVERIFY(!QCoro::waitFor(f->notifier->notify("Quillmere", "nobody listens")));
    }

    void withoutLogindLockStillWorksAndSleepIsReportedOnce()
    {
        static int unavailableMessages = 0;
        unavailableMessages = 0;
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (message.contains(QLatin1String("before sleep is unavailable"))) {
                    ++unavailableMessages;
                }
                previous(type, context, message);
            });
        f->volumes = {usbVolume("Photos", "sdb1")};
        f->prefs->setAutoEjectOnLock(true);
        QVERIFY(setUpStarted(nullptr, false));
        QTRY_COMPARE(unavailableMessages, 1);

        QSignalSpy finished(f->controller.get(), &AutoEjectController::ejectPassFinished);
        f->screenSaver->activeChanged(true);
        QVERIFY(finished.wait(5000));
        QCOMPARE(f->operations.ejected, QStringList{"sdb1"});
        qInstallMessageHandler(previous);
        QCOMPARE(unavailableMessages, 1);
    }
};

QTEST_GUILESS_MAIN(TestAutoEjectController)
#include "tst_autoejectcontroller.moc"
