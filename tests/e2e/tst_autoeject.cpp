// Automatic ejection before sleep and remounting after wake, with real loop-device disks, a
// real udisks2 and a stand-in for logind on the private system bus (tests/support).
#include "operationfixture.h"

#include "fakes/fakelogind.h"

#include "logindsleepmonitor.h"
#include "udisksclient.h"
#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"
#include "udisksoperations.h"

#include "discovery/volumestore.h"
#include "services/autoejectcontroller.h"
#include "stores/historystore.h"
#include "stores/preferencesstore.h"
#include "stores/settingsstore.h"

#include <QSignalSpy>
#include <QTest>
#include <unistd.h>

namespace {

// The real operations, noting for each eject whether the sleep inhibitor was still held and
// what was still mounted when it finished.
class ObservedOperations : public DiskOperations {
public:
    ObservedOperations(DiskOperations &inner, FakeLogind *&logind, QStringList watched)
        : m_inner(inner), m_logind(logind), m_watched(std::move(watched))
    {
    }

    struct Finished {
        QString deviceName;
        bool inhibitorHeld = false;
        QStringList stillMounted;
    };
    QList<Finished> ejects;

    QCoro::Task<OperationResult> eject(Volume volume, bool force) override
    {
        const OperationResult result = co_await m_inner.eject(volume, force);
        QStringList mounted;
        for (const QString &name : OperationFixture::mountedDevices()) {
            if (m_watched.contains(DiskMerger::wholeDiskName(name).value_or(QString()))) {
                mounted.append(name);
            }
        }
        ejects.append(Finished{volume.deviceName, m_logind->heldInhibitors() == 1, mounted});
        co_return result;
    }
    QCoro::Task<OperationResult> remount(Volume volume) override
    {
        co_return co_await m_inner.remount(volume);
    }
    QCoro::Task<OperationResult> rename(Volume volume, QString name) override
    {
        co_return co_await m_inner.rename(volume, name);
    }
    QCoro::Task<OperationResult> erase(Volume volume, QString format, QString name) override
    {
        co_return co_await m_inner.erase(volume, format, name);
    }
    QCoro::Task<BlockerList> blockers(Volume volume) override
    {
        co_return co_await m_inner.blockers(volume);
    }
    QCoro::Task<QStringList> availableEraseFormats() override
    {
        co_return co_await m_inner.availableEraseFormats();
    }

private:
    DiskOperations &m_inner;
    FakeLogind *&m_logind;
    QStringList m_watched;
};

QStringList linesOf(const HistoryEntryList &entries, const QString &operation)
{
    QStringList lines;
    for (const HistoryEntry &e : entries) {
        if (e.operation == operation) {
            lines.append(e.volumeName + (e.ok ? QStringLiteral(":ok") : QStringLiteral(":failed")));
        }
    }
    lines.sort();
    return lines;
}

} // namespace

class TestAutoEject : public QObject {
    Q_OBJECT

private:
    static constexpr const char *logindConnection = "quillmere-autoeject-logind";

    OperationFixture m_fixture;
    QString m_disks;
    QTemporaryDir m_historyDir;
    std::unique_ptr<UDisksClient> m_client;
    std::unique_ptr<VolumeStore> m_store;
    FakeLogind *m_logind = nullptr;

    // Waits until the store lists exactly these devices of the test's disks in this state.
    bool storeShows(const QStringList &disks, const QStringList &deviceNames, bool mounted)
    {
        return QTest::qWaitFor(
            [&] {
                m_store->reload();
                QStringList seen;
                for (const Volume &v : m_store->visibleVolumes()) {
                    if (v.wholeDiskName && disks.contains(*v.wholeDiskName) &&
                        v.isMounted == mounted) {
                        seen.append(v.deviceName);
                    }
                }
                seen.sort();
                QStringList wanted = deviceNames;
                wanted.sort();
                return seen == wanted;
            },
            20000);
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0) {
            QSKIP("Real-device tests need root (loop devices, mounts, udisksd); not root, so "
                  "they are skipped.");
        }
        QString error;
        QVERIFY2(m_fixture.setUp(&error), qPrintable(error));
        QVERIFY(m_historyDir.isValid());
    }

    void cleanupTestCase() { m_fixture.tearDown(); }

    void init() { m_disks = OperationFixture::newDiskFolder(); }

    // Runs after every test function, also after a failed one.
    void cleanup()
    {
        m_store.reset();
        m_client.reset();
        delete m_logind;
        m_logind = nullptr;
        QDBusConnection::disconnectFromBus(QLatin1String(logindConnection));
        m_fixture.detachDisks(m_disks);
    }

    void sleepEjectsBeforeTheInhibitorIsReleasedAndWakeRemounts()
    {
        const auto disks = m_fixture.makeDisks(
            m_disks, {QStringLiteral("--mount"), QStringLiteral("three"), QStringLiteral("plain")});
        const QString drive = disks.value(QStringLiteral("three"));
        const QString image = disks.value(QStringLiteral("plain"));
        QVERIFY(!drive.isEmpty() && !image.isEmpty());
        const QStringList mine{drive, image};
        const QStringList partitions{drive + QStringLiteral("p1"), drive + QStringLiteral("p2"),
                                     drive + QStringLiteral("p3")};

        // logind's name on the private system bus, owned by the stand-in.
        QDBusConnection logindBus =
            QDBusConnection::connectToBus(m_fixture.busAddress, QLatin1String(logindConnection));
        QVERIFY(logindBus.isConnected());
        m_logind = new FakeLogind(logindBus);
        QVERIFY2(m_logind->registerOnBus(), qPrintable(logindBus.lastError().message()));

        // The drive is presented as a removable USB drive; the image stays a disk image.
        m_client = std::make_unique<UDisksClient>(m_fixture.bus);
        auto real = std::make_shared<UDisksDescriptionProvider>(m_client.get());
        auto usb = std::make_shared<UsbPresentingProvider>(real, QStringList{drive});
        m_store = std::make_unique<VolumeStore>(std::make_shared<UDisksDiskSource>(usb),
                                                VolumeStore::defaultEnabledKinds());
        QVERIFY(QTest::qWaitFor([this] { return m_client->hasAnswered(); }, 10000));
        QVERIFY(m_client->isAvailable());
        m_store->start();
        QVERIFY(storeShows(mine, partitions + QStringList{image}, true));

        auto defaults = SettingsStore::inMemory();
        PreferencesStore prefs(*defaults);
        prefs.setAutoEjectOnSleep(true);
        HistoryStore history(m_historyDir.path());
        UDisksOperations udisks(m_client.get());
        ObservedOperations operations(udisks, m_logind, mine);
        LogindSleepMonitor sleep(m_fixture.bus, QStringLiteral("Quillmere test"),
                                 QStringLiteral("Ejecting test disks"));
        // Only the test's own disks: other tests' loop devices may be attached meanwhile.
        const auto volumes = [this, mine] {
            VolumeList result;
            for (const Volume &v : m_store->visibleVolumes()) {
                if (v.wholeDiskName && mine.contains(*v.wholeDiskName)) {
                    result.append(v);
                }
            }
            return result;
        };
        AutoEjectController controller(prefs, volumes, operations, history, nullptr,
                                       AutoEjectController::SystemEvents{&sleep, nullptr, nullptr});
        controller.start();
        QVERIFY(QTest::qWaitFor([this] { return m_logind->heldInhibitors() == 1; }, 10000));
        QCOMPARE(m_logind->inhibitors().constFirst().mode, QStringLiteral("delay"));

        QSignalSpy ejected(&controller, &AutoEjectController::ejectPassFinished);
        m_logind->prepareForSleep(true);
        QVERIFY(ejected.wait(60000));
        // One eject takes the drive's three partitions down, one detaches the image; both
        // finished while logind was still held back.
        QCOMPARE(operations.ejects.size(), 2);
        for (const auto &finished : std::as_const(operations.ejects)) {
            QVERIFY2(finished.inhibitorHeld, qPrintable(finished.deviceName));
        }
        QVERIFY2(operations.ejects.constLast().stillMounted.isEmpty(),
                 qPrintable(operations.ejects.constLast().stillMounted.join(u' ')));
        QTRY_COMPARE(m_logind->heldInhibitors(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!OperationFixture::isAttached(image), 10000);
        QCOMPARE(linesOf(history.entries(), QStringLiteral("autoEject")),
                 (QStringList{"QMEXT2:ok", "QMEXT4:ok", "QMPLAIN:ok", "QMXFS:ok"}));

        // Back from sleep: a new inhibitor, and the drive's partitions mounted again.
        QVERIFY(storeShows(mine, partitions, false));
        QSignalSpy remounted(&controller, &AutoEjectController::remountPassFinished);
        m_logind->prepareForSleep(false);
        QVERIFY(remounted.wait(60000));
        QTRY_COMPARE(m_logind->heldInhibitors(), 1);
        for (const QString &partition : partitions) {
            QVERIFY2(!OperationFixture::mountPointOf(partition).isEmpty(), qPrintable(partition));
        }
        // The detached image is gone and leaves no line.
        QCOMPARE(linesOf(history.entries(), QStringLiteral("autoRemount")),
                 (QStringList{"QMEXT2:ok", "QMEXT4:ok", "QMXFS:ok"}));
    }
};

QTEST_GUILESS_MAIN(TestAutoEject)
#include "tst_autoeject.moc"
