// The tray application over a real udisks2 (tests/support): the status menu and the main window
// list a test disk's partitions, and their Eject entries run the whole flow down to the history.
#include "operationfixture.h"

#include "appfakes.h"

#include "udisksclient.h"
#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"
#include "udisksoperations.h"

#include "discovery/volumestore.h"
#include "shell/application.h"
#include "shell/mainwindowfactory.h"
#include "stores/historystore.h"
#include "surfaces/gridtileview.h"
#include "surfaces/trayicon.h"
#include "window/historypanel.h"
#include "window/historytablemodel.h"
#include "window/mainwindowcontroller.h"

#include <QAbstractButton>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <unistd.h>

class TestAppEjectFlow : public QObject {
    Q_OBJECT

    OperationFixture m_fixture;
    QString m_disks;
    QTemporaryDir m_home;
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<Application> m_application;
    HistoryStore *m_history = nullptr;
    UDisksClient *m_client = nullptr;

    // The application as the program builds it, except that it talks to the private udisks2, keeps
    // its history and settings in the test's folders, and answers no dialogs.
    void launch(const QStringList &usbDisks)
    {
        m_fakes = std::make_unique<FakeServices>();
        AppServices services = m_fakes->make();
        services.platform = std::make_shared<QObject>();
        auto *client = new UDisksClient(m_fixture.bus, services.platform.get());
        m_client = client;
        std::shared_ptr<DeviceDescriptionProvider> provider =
            std::make_shared<UDisksDescriptionProvider>(client);
        if (!usbDisks.isEmpty())
            provider = std::make_shared<UsbPresentingProvider>(provider, usbDisks);
        services.makeDiskSource = [provider] {
            return std::make_shared<UDisksDiskSource>(provider);
        };
        services.untilDiskServiceAnswered = [client] { return client->untilAnswered(); };
        services.operations = std::make_unique<UDisksOperations>(client);
        auto history = std::make_unique<HistoryStore>(
            m_home.filePath(QString::fromLatin1(QTest::currentTestFunction())));
        m_history = history.get();
        services.makeMainWindow = MainWindowFactory::make(*history);
        services.history = std::move(history);
        m_application = std::make_unique<Application>(std::move(services));
        m_application->start();
    }

    // Rows of the status menu for the test disk's partitions: label → (mounted, submenu).
    struct Row {
        Volume volume;
        QAction *action;
    };
    QList<Row> diskRows(const QString &loop) const
    {
        QList<Row> rows;
        for (const auto &[volume, action] : m_application->trayIcon()->volumeItems()) {
            if (volume.deviceName.startsWith(loop + QLatin1Char('p')))
                rows.append({volume, action});
        }
        return rows;
    }

    // Mounted rows that udisks2 has described (before its first answer, the mount table alone
    // cannot tell that a loop device is removable).
    int mountedRows(const QString &loop) const
    {
        int count = 0;
        for (const Row &row : diskRows(loop))
            count += row.volume.isMounted && row.volume.isRemovable ? 1 : 0;
        return count;
    }

    static QStringList titles(const QMenu *menu)
    {
        QStringList result;
        for (const QAction *action : menu->actions())
            result.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        return result;
    }

    QStringList historyOperations()
    {
        QStringList result;
        const HistoryEntryList entries = m_history->entries();
        for (auto it = entries.crbegin(); it != entries.crend(); ++it)
            result.append(it->operation + (it->ok ? QString() : QStringLiteral(" failed")));
        return result;
    }

    void ejectPartitionTwo(const QString &loop)
    {
        QVERIFY2(QTest::qWaitFor([&] { return mountedRows(loop) == 3; }, 15000),
                 "the status menu does not list the three mounted partitions");
        for (const Row &row : diskRows(loop)) {
            if (row.volume.deviceName == loop + QStringLiteral("p2")) {
                QAction *eject = row.action->menu()->actions().constFirst();
                QCOMPARE(eject->text(), QStringLiteral("Eject"));
                eject->trigger();
                return;
            }
        }
        QFAIL("no row for the second partition");
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0)
            QSKIP("Real-device tests need root (loop devices, mounts, udisksd); not root, so "
                  "they are skipped.");
        QString error;
        QVERIFY2(m_fixture.setUp(&error), qPrintable(error));
    }

    void cleanupTestCase() { m_fixture.tearDown(); }

    void init() { m_disks = OperationFixture::newDiskFolder(); }

    void cleanup()
    {
        m_application.reset();
        m_fakes.reset();
        m_history = nullptr;
        m_client = nullptr;
        m_fixture.detachDisks(m_disks);
    }

    void ejectingAPartitionOfARemovableDriveLeavesItsPartitionsListedForRemount()
    {
        const QString loop =
            m_fixture.makeDisks(m_disks, {QStringLiteral("--mount"), QStringLiteral("three")})
                .value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        launch({loop});
        ejectPartitionTwo(loop);

        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         const QList<Row> rows = diskRows(loop);
                         return rows.size() == 3 &&
                                std::none_of(rows.cbegin(), rows.cend(),
                                             [](const Row &row) { return row.volume.isMounted; });
                     },
                     30000),
                 "the partitions are not all listed unmounted");
        // Once the flow has ended its mark is gone and every row offers Remount, greyed.
        QVERIFY(QTest::qWaitFor(
            [&] { return historyOperations().contains(QStringLiteral("eject")); }, 30000));
        m_application->trayIcon()->refresh();
        for (const Row &row : diskRows(loop)) {
            QVERIFY(row.action->property("quillmereSecondary").toBool());
            QVERIFY(row.action->menu());
            QCOMPARE(titles(row.action->menu()), QStringList{QStringLiteral("Remount")});
        }
        QVERIFY2(OperationFixture::isAttached(loop), "the drive stays attached");

        QStringList operations = historyOperations();
        operations.sort();
        QCOMPARE(operations, (QStringList{QStringLiteral("eject"), QStringLiteral("unmount"),
                                          QStringLiteral("unmount"), QStringLiteral("unmount")}));
        QVERIFY(m_fakes->prompts->alerts.isEmpty());
    }

    void theWindowsTileEjectsAPartitionAndItsHistoryShowsTheLines()
    {
        const QString loop =
            m_fixture.makeDisks(m_disks, {QStringLiteral("--mount"), QStringLiteral("three")})
                .value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        launch({loop});
        m_application->openMainWindow(MainWindowPane::volumes);
        auto *window = static_cast<MainWindowController *>(m_application->mainWindow());
        QVERIFY(window && window->isVisible());

        // The tiles of the disk's partitions, by device name.
        const auto diskTiles = [&] {
            QMap<QString, GridTileView *> tiles;
            for (GridTileView *tile : window->volumesPanel()->tiles()) {
                if (tile->volume() &&
                    tile->volume()->deviceName.startsWith(loop + QLatin1Char('p')))
                    tiles.insert(tile->volume()->deviceName, tile);
            }
            return tiles;
        };
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         const auto tiles = diskTiles();
                         return tiles.size() == 3 &&
                                std::all_of(tiles.cbegin(), tiles.cend(), [](GridTileView *t) {
                                    return t->buttonKind() == EjectRemountSpec::Kind::eject;
                                });
                     },
                     15000),
                 "the Volumes pane does not show the three partitions with eject buttons");
        QCOMPARE(diskTiles().value(loop + QStringLiteral("p2"))->title(), QStringLiteral("QMEXT4"));
        QTest::mouseClick(diskTiles().value(loop + QStringLiteral("p2"))->overlayButton(),
                          Qt::LeftButton);

        // The drive stays attached; its partitions come back as tiles that offer Remount.
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         const auto tiles = diskTiles();
                         return tiles.size() == 3 &&
                                std::all_of(tiles.cbegin(), tiles.cend(), [](GridTileView *t) {
                                    return t->buttonKind() == EjectRemountSpec::Kind::remount &&
                                           t->isDimmed() && !t->isBusy();
                                });
                     },
                     30000),
                 "the partitions are not all shown unmounted");

        m_application->openMainWindow(MainWindowPane::history);
        HistoryTableModel *model = window->historyPanel()->model();
        const auto shown = [&] {
            QStringList lines;
            for (int row = 0; row < model->rowCount(); ++row) {
                const auto text = [&](int column) {
                    return model->data(model->index(row, column), Qt::DisplayRole).toString();
                };
                lines.append(text(HistoryTableModel::volumeColumn) + QLatin1Char(' ') +
                             text(HistoryTableModel::operationColumn) + QLatin1Char(' ') +
                             text(HistoryTableModel::resultColumn));
            }
            lines.sort();
            return lines;
        };
        QVERIFY(QTest::qWaitFor([&] { return model->rowCount() == 4; }, 30000));
        QCOMPARE(shown(), (QStringList{QStringLiteral("QMEXT2 Unmounted ✓"),
                                       QStringLiteral("QMEXT4 Eject ✓"),
                                       QStringLiteral("QMEXT4 Unmounted ✓"),
                                       QStringLiteral("QMXFS Unmounted ✓")}));
        QVERIFY(m_fakes->prompts->alerts.isEmpty());
    }

    void theFirstListHoldsTheUnmountedPartitionsAndMarksNothingBusy()
    {
        const QString loop =
            m_fixture.makeDisks(m_disks, {QStringLiteral("three")}).value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const QStringList partitions{loop + QStringLiteral("p1"), loop + QStringLiteral("p2"),
                                     loop + QStringLiteral("p3")};
        QVERIFY(m_fixture.waitForFileSystems(partitions));

        launch({loop});
        // Launched before udisks2 has answered: nothing is published yet.
        QVERIFY(!m_client->hasAnswered());
        QVERIFY(m_application->store().allVolumes().isEmpty());

        QVERIFY(
            QTest::qWaitFor([&] { return !m_application->store().allVolumes().isEmpty(); }, 10000));
        // The first list already holds the attached partitions, not mounted, none settling.
        QStringList listed;
        for (const Volume &volume : m_application->store().allVolumes()) {
            if (partitions.contains(volume.deviceName) && !volume.isMounted)
                listed.append(volume.deviceName);
        }
        listed.sort();
        QCOMPARE(listed, partitions);
        QVERIFY(m_application->busyVolumes().isEmpty());
        // Nor later: the changes udisks2 reports after its answer are no new attachments.
        QTest::qWait(1500);
        QVERIFY(m_application->busyVolumes().isEmpty());
        QCOMPARE(diskRows(loop).size(), 3);
        for (const Row &row : diskRows(loop))
            QCOMPARE(titles(row.action->menu()), QStringList{QStringLiteral("Remount")});
        QVERIFY(m_history->entries().isEmpty());
    }

    void ejectingADiskImageRemovesItFromTheMenu()
    {
        const QString loop =
            m_fixture.makeDisks(m_disks, {QStringLiteral("--mount"), QStringLiteral("three")})
                .value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        launch({});
        ejectPartitionTwo(loop);

        QVERIFY2(QTest::qWaitFor([&] { return diskRows(loop).isEmpty(); }, 30000),
                 "the disk image is still listed");
        QVERIFY(!OperationFixture::isAttached(loop));
        QVERIFY(QTest::qWaitFor(
            [&] { return historyOperations().contains(QStringLiteral("eject")); }, 30000));
        QCOMPARE(historyOperations().count(QStringLiteral("eject")), 1);
        QVERIFY(m_fakes->prompts->alerts.isEmpty());
    }

    // A program holds the second partition: udisks2 answers busy, so the flow names the program
    // and offers force; declined, the failed eject is recorded and nothing is alerted. The other
    // partitions of the image were unmounted, and the line says so.
    void aBusyVolumeLeadsToTheForceOffer()
    {
        const QString loop =
            m_fixture.makeDisks(m_disks, {QStringLiteral("--mount"), QStringLiteral("three")})
                .value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        QVERIFY(m_fixture.waitForFileSystems({loop + QStringLiteral("p2")}));
        QProcess holder;
        holder.setWorkingDirectory(OperationFixture::mountPointOf(loop + QStringLiteral("p2")));
        holder.start(QStringLiteral("sleep"), {QStringLiteral("600")});
        QVERIFY(holder.waitForStarted());
        launch({});
        m_fakes->prompts->forceAnswer = false;
        ejectPartitionTwo(loop);

        QVERIFY(QTest::qWaitFor(
            [&] { return historyOperations().contains(QStringLiteral("eject failed")); }, 30000));
        holder.kill();
        holder.waitForFinished();
        QCOMPARE(m_fakes->prompts->forceOffers, QList<QStringList>{QStringList{"sleep"}});
        QVERIFY(m_fakes->prompts->alerts.isEmpty());
        HistoryEntry line;
        for (const HistoryEntry &entry : m_history->entries()) {
            if (entry.operation == QLatin1String("eject"))
                line = entry;
        }
        QVERIFY(line.detail && line.detail->contains(QLatin1String("target is busy")));
        QVERIFY2(line.detail->contains(QStringLiteral("unmounted, but “QMEXT4” couldn’t be")),
                 qPrintable(*line.detail));
        QVERIFY(m_application->busyVolumes().isEmpty());
        QVERIFY(OperationFixture::isAttached(loop));
    }
};

QTEST_MAIN(TestAppEjectFlow)
#include "tst_appejectflow.moc"
