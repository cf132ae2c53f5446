#include "appfakes.h"

#include "operations/operationtitles.h"
#include "policy/excludedvolume.h"
#include "shell/operationflows.h"
#include "stores/preferencesstore.h"

#include <QTest>

// Runs the flows over fakes: every ending's history lines, alerts and busy marks.
class TestOperationFlows : public QObject {
    Q_OBJECT

    struct Rig {
        std::unique_ptr<SettingsStore> defaults = SettingsStore::inMemory();
        PreferencesStore prefs{*defaults};
        FakeDiskOperations operations;
        MemoryHistory history;
        FakePrompts prompts;
        VolumeList visible;
        // "+id" when marked busy, "-id" when cleared, in order.
        QStringList busyChanges;
        int historyRefreshes = 0;
        std::unique_ptr<OperationFlows> flows;

        Rig()
        {
            OperationFlows::Dependencies deps;
            deps.operations = &operations;
            deps.history = &history;
            deps.prefs = &prefs;
            deps.prompts = &prompts;
            deps.visibleVolumes = [this] { return visible; };
            deps.setBusy = [this](const Volume &volume, bool busy) {
                busyChanges.append((busy ? QLatin1Char('+') : QLatin1Char('-')) + volume.id);
            };
            deps.historyChanged = [this] { ++historyRefreshes; };
            flows = std::make_unique<OperationFlows>(std::move(deps));
        }
    };

    static OperationResult failed(const QString &detail) { return {false, detail}; }
    static OperationResult busy(const QString &detail)
    {
        return {false, detail, OperationError::busy};
    }

private slots:
    void ejectSuccessWritesOneLine()
    {
        Rig rig;
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        QCoro::waitFor(rig.flows->eject(stick));

        QCOMPARE(rig.history.operations(), QStringList{QStringLiteral("eject")});
        const HistoryEntry line = rig.history.lines.constFirst();
        QCOMPARE(line.volumeName, QStringLiteral("Stick"));
        QCOMPARE(line.deviceName, QStringLiteral("sdb1"));
        QCOMPARE(line.detail, std::optional<QString>());
        QVERIFY(rig.prompts.alerts.isEmpty());
        QVERIFY(rig.prompts.forceOffers.isEmpty());
        QCOMPARE(rig.busyChanges,
                 (QStringList{QStringLiteral("+id-Stick"), QStringLiteral("-id-Stick")}));
        QCOMPARE(rig.historyRefreshes, 1);
    }

    void ejectFailureOffersForceEjectNamingEachCommandOnce()
    {
        Rig rig;
        rig.operations.ejectResults = {busy(QStringLiteral("Target is busy"))};
        rig.operations.blockerList = {{10, QStringLiteral("nautilus")},
                                      {11, QStringLiteral("nautilus")},
                                      {12, QString()},
                                      {13, QStringLiteral("evince")}};
        rig.prompts.forceAnswer = true;
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        QCoro::waitFor(rig.flows->eject(stick));

        QCOMPARE(rig.prompts.forceOffers.size(), 1);
        QCOMPARE(rig.prompts.forceOffers.constFirst(),
                 (QStringList{QStringLiteral("nautilus"), QStringLiteral("evince")}));
        QCOMPARE(rig.operations.calls.size(), 3);
        QVERIFY(!rig.operations.calls.at(0).force);
        QVERIFY(rig.operations.calls.at(2).force);
        // The failed plain eject before an accepted force eject is not logged.
        QCOMPARE(rig.history.operations(), QStringList{QStringLiteral("forceEject")});
        QVERIFY(rig.prompts.alerts.isEmpty());
        QCOMPARE(rig.busyChanges.constLast(), QStringLiteral("-id-Stick"));
    }

    void failedForceEjectIsAlertedWithItsOwnTitle()
    {
        Rig rig;
        rig.operations.ejectResults = {busy(QStringLiteral("busy")),
                                       busy(QStringLiteral("still busy"))};
        rig.operations.blockerList = {{10, QStringLiteral("vim")}};
        rig.prompts.forceAnswer = true;
        QCoro::waitFor(rig.flows->eject(removableVolume(QStringLiteral("Stick"))));

        QCOMPARE(rig.history.operations(), QStringList{QStringLiteral("forceEject failed")});
        QCOMPARE(rig.history.lines.constFirst().detail,
                 std::optional<QString>(QStringLiteral("still busy")));
        QCOMPARE(rig.prompts.alerts,
                 (QList<FakePrompts::Alert>{{QStringLiteral("Couldn’t force eject “Stick”"),
                                             QStringLiteral("still busy")}}));
    }

    void declinedForceEjectLogsTheFailedEjectWithoutAlert()
    {
        Rig rig;
        rig.operations.ejectResults = {busy(QStringLiteral("Target is busy"))};
        rig.operations.blockerList = {{10, QStringLiteral("bash")}};
        rig.prompts.forceAnswer = false;
        QCoro::waitFor(rig.flows->eject(removableVolume(QStringLiteral("Stick"))));

        QCOMPARE(rig.prompts.forceOffers.size(), 1);
        QCOMPARE(rig.history.operations(), QStringList{QStringLiteral("eject failed")});
        QCOMPARE(rig.history.lines.constFirst().detail,
                 std::optional<QString>(QStringLiteral("Target is busy")));
        QVERIFY(rig.prompts.alerts.isEmpty());
        QCOMPARE(rig.operations.calls.size(), 2); // eject, blockers: no forced eject
        QCOMPARE(rig.busyChanges,
                 (QStringList{QStringLiteral("+id-Stick"), QStringLiteral("-id-Stick")}));
    }

    void ejectFailureWithoutBlockersIsAlerted_data()
    {
        QTest::addColumn<std::optional<QString>>("detail");
        QTest::addColumn<QString>("text");
        QTest::newRow("with detail") << std::optional<QString>(QStringLiteral("Device is gone"))
                                     << QStringLiteral("Device is gone");
        QTest::newRow("without detail")
            << std::optional<QString>() << QStringLiteral("The volume couldn’t be ejected.");
    }

    void ejectFailureWithoutBlockersIsAlerted()
    {
        QFETCH(std::optional<QString>, detail);
        QFETCH(QString, text);
        Rig rig;
        rig.operations.ejectResults = {OperationResult{false, detail}};
        QCoro::waitFor(rig.flows->eject(removableVolume(QStringLiteral("Stick"))));

        QVERIFY(rig.prompts.forceOffers.isEmpty());
        QCOMPARE(rig.history.operations(), QStringList{QStringLiteral("eject failed")});
        QCOMPARE(rig.prompts.alerts,
                 (QList<FakePrompts::Alert>{{QStringLiteral("Couldn’t eject “Stick”"), text}}));
        QCOMPARE(rig.busyChanges.constLast(), QStringLiteral("-id-Stick"));
    }

    // A dismissed password prompt ends every operation quietly: one line marked cancelled, the
    // busy mark cleared, no alert, no blocker scan and no force offer. Any other refusal than
    // a busy volume is alerted without a blocker scan.
    void onlyABusyVolumeLeadsToTheForceOfferAndACancelledPromptIsQuiet()
    {
        const OperationResult cancelled{false, QStringLiteral("Authentication was cancelled."),
                                        OperationError::cancelled};
        Rig rig;
        rig.operations.ejectResults = {cancelled};
        rig.operations.otherResults = {cancelled, cancelled, cancelled};
        rig.operations.blockerList = {{10, QStringLiteral("bash")}};
        rig.prompts.renameAnswer = QStringLiteral("New");
        rig.prompts.eraseAnswer = EraseChoice{QStringLiteral("ext4"), QStringLiteral("New")};
        rig.prefs.setConfirmationModel(ConfirmationModel::yolo);
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        QCoro::waitFor(rig.flows->eject(stick));
        QCoro::waitFor(rig.flows->remount(removableVolume(QStringLiteral("Data"), false)));
        QCoro::waitFor(rig.flows->rename(stick));
        QCoro::waitFor(rig.flows->erase(stick));

        QCOMPARE(rig.history.operations(),
                 (QStringList{QStringLiteral("eject failed"), QStringLiteral("remount failed"),
                              QStringLiteral("rename failed"), QStringLiteral("erase failed")}));
        for (const HistoryEntry &line : std::as_const(rig.history.lines))
            QCOMPARE(line.state, std::optional(QStringLiteral("cancelled")));
        QVERIFY(rig.prompts.alerts.isEmpty());
        QVERIFY(rig.prompts.forceOffers.isEmpty());
        QCOMPARE(rig.busyChanges,
                 (QStringList{QStringLiteral("+id-Stick"), QStringLiteral("-id-Stick"),
                              QStringLiteral("+id-Data"), QStringLiteral("-id-Data")}));
        for (const auto &call : std::as_const(rig.operations.calls))
            QVERIFY(call.operation != QLatin1String("blockers"));

        for (const OperationError refusal :
             {OperationError::notAuthorized, OperationError::noAuthenticationAgent,
              OperationError::diskServiceGone, OperationError::failed}) {
            Rig refused;
            refused.operations.ejectResults = {{false, QStringLiteral("why"), refusal}};
            refused.operations.blockerList = {{10, QStringLiteral("bash")}};
            QCoro::waitFor(refused.flows->eject(stick));
            QVERIFY(refused.prompts.forceOffers.isEmpty());
            QCOMPARE(refused.operations.calls.size(), 1); // no blocker scan
            QCOMPARE(refused.prompts.alerts,
                     (QList<FakePrompts::Alert>{
                         {QStringLiteral("Couldn’t eject “Stick”"), QStringLiteral("why")}}));
            QCOMPARE(refused.history.lines.constFirst().state, std::nullopt);
            QCOMPARE(refused.busyChanges.constLast(), QStringLiteral("-id-Stick"));
        }
    }

    void remountRecordsAndAlertsFailure()
    {
        Rig rig;
        rig.operations.otherResults = {failed(QStringLiteral("Not authorized"))};
        const Volume part = removableVolume(QStringLiteral("Data"), false);
        QCoro::waitFor(rig.flows->remount(part));

        QCOMPARE(rig.history.operations(), QStringList{QStringLiteral("remount failed")});
        QCOMPARE(rig.prompts.alerts,
                 (QList<FakePrompts::Alert>{{QStringLiteral("Couldn’t remount “Data”"),
                                             QStringLiteral("Not authorized")}}));
        QCOMPARE(rig.busyChanges,
                 (QStringList{QStringLiteral("+id-Data"), QStringLiteral("-id-Data")}));
    }

    void renameRunsOnlyWithANameAndNeverMarksBusy()
    {
        Rig rig;
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        QCoro::waitFor(rig.flows->rename(stick));
        QCOMPARE(rig.prompts.renameAsked, 1);
        QVERIFY(rig.operations.calls.isEmpty());
        QVERIFY(rig.history.lines.isEmpty());

        rig.prompts.renameAnswer = QStringLiteral("Photos");
        rig.operations.otherResults = {OperationResult{false, std::nullopt}};
        QCoro::waitFor(rig.flows->rename(stick));
        QCOMPARE(rig.operations.calls.constLast().argument, QStringLiteral("Photos"));
        QCOMPARE(rig.history.operations(), QStringList{QStringLiteral("rename failed")});
        QCOMPARE(rig.prompts.alerts,
                 (QList<FakePrompts::Alert>{{QStringLiteral("Couldn’t rename “Stick”"),
                                             QStringLiteral("The operation failed.")}}));
        QVERIFY(rig.busyChanges.isEmpty());
    }

    void eraseFollowsTheStoredConfirmationModel()
    {
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        {
            Rig rig;
            rig.prefs.setConfirmationModel(ConfirmationModel::holdButton);
            rig.prompts.eraseAnswer = EraseChoice{QStringLiteral("ExFAT"), QStringLiteral("Clean")};
            rig.prompts.confirmAnswer = false;
            QCoro::waitFor(rig.flows->erase(stick));
            QCOMPARE(rig.prompts.confirmations.size(), 1);
            QVERIFY(rig.prompts.confirmations.constFirst() == ConfirmationModel::holdButton);
            QVERIFY(rig.operations.calls.isEmpty());
            QVERIFY(rig.history.lines.isEmpty());
        }
        {
            Rig rig;
            rig.prefs.setConfirmationModel(ConfirmationModel::yolo);
            rig.prompts.eraseAnswer = EraseChoice{QStringLiteral("ext4"), QStringLiteral("Clean")};
            QCoro::waitFor(rig.flows->erase(stick));
            QVERIFY(rig.prompts.confirmations.isEmpty());
            QCOMPARE(rig.operations.calls.size(), 1);
            QCOMPARE(rig.operations.calls.constFirst().argument, QStringLiteral("ext4/Clean"));
            QCOMPARE(rig.history.operations(), QStringList{QStringLiteral("erase")});
            QVERIFY(rig.busyChanges.isEmpty());
        }
        {
            // A cancelled panel ends the flow before any confirmation.
            Rig rig;
            QCoro::waitFor(rig.flows->erase(stick));
            QCOMPARE(rig.prompts.eraseAsked, 1);
            QVERIFY(rig.prompts.confirmations.isEmpty());
            QVERIFY(rig.history.lines.isEmpty());
        }
    }

    void eraseOffersOnlyTheFormatsThisMachineCanMake()
    {
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        {
            Rig rig;
            rig.operations.eraseFormats = {QStringLiteral("ext4"), QStringLiteral("NTFS")};
            QCoro::waitFor(rig.flows->erase(stick));
            QCOMPARE(rig.prompts.offeredFormats,
                     (QStringList{QStringLiteral("ext4"), QStringLiteral("NTFS")}));
        }
        {
            Rig rig;
            rig.operations.eraseFormats.clear();
            rig.prompts.eraseAnswer = EraseChoice{QStringLiteral("ext4"), QStringLiteral("x")};
            QCoro::waitFor(rig.flows->erase(stick));
            QCOMPARE(rig.prompts.eraseAsked, 0);
            QVERIFY(rig.operations.calls.isEmpty());
            QCOMPARE(rig.prompts.alerts.size(), 1);
            QCOMPARE(rig.prompts.alerts.constFirst().title,
                     QStringLiteral("Couldn’t erase “Stick”"));
            QVERIFY(rig.history.lines.isEmpty());
        }
    }

    void eraseIsNotOfferedWhereThePolicyForbidsIt()
    {
        Rig rig;
        Volume share = removableVolume(QStringLiteral("Share"));
        share.kind = VolumeKind::network;
        share.traits.isNetwork = true;
        rig.prompts.eraseAnswer = EraseChoice{QStringLiteral("ext4"), QStringLiteral("x")};
        QCoro::waitFor(rig.flows->erase(share));
        QCOMPARE(rig.prompts.eraseAsked, 0);
        QVERIFY(rig.operations.calls.isEmpty());
    }

    void ejectAllWithNothingToEjectDoesNothing()
    {
        Rig rig;
        Volume ignored = removableVolume(QStringLiteral("Ignored"));
        rig.prefs.setExcludedVolumes({ExcludedVolume::entry(ignored)});
        rig.visible = {ignored, removableVolume(QStringLiteral("Unmounted"), false),
                       internalVolume(QStringLiteral("Internal"))};
        QCoro::waitFor(rig.flows->ejectAll());

        QVERIFY(rig.operations.calls.isEmpty());
        QVERIFY(rig.history.lines.isEmpty());
        QVERIFY(rig.prompts.alerts.isEmpty());
        QVERIFY(rig.busyChanges.isEmpty());
    }

    void ejectAllTakesOneTargetAtATime()
    {
        Rig rig;
        rig.visible = {removableVolume(QStringLiteral("A")),
                       internalVolume(QStringLiteral("Inside")),
                       removableVolume(QStringLiteral("B"))};
        rig.operations.holdEjects = true;
        rig.operations.ejectResults = {OperationResult{true, std::nullopt},
                                       failed(QStringLiteral("gone"))};
        QCoro::Task<> all = rig.flows->ejectAll();

        // Both are marked busy at once, but the second eject starts only once the first has
        // answered: each holds its disk, and two on one disk would only wait for each other.
        QCOMPARE(rig.operations.ejectsWaiting, 1);
        QCOMPARE(rig.busyChanges, (QStringList{QStringLiteral("+id-A"), QStringLiteral("+id-B")}));
        QVERIFY(rig.history.lines.isEmpty());

        rig.operations.release();
        QCOMPARE(rig.operations.ejectsWaiting, 1);
        QCOMPARE(rig.history.operations(), QStringList{QStringLiteral("eject")});
        rig.operations.release();
        QCoro::waitFor(all);
        QCOMPARE(rig.history.operations(),
                 (QStringList{QStringLiteral("eject"), QStringLiteral("eject failed")}));
        QCOMPARE(rig.prompts.alerts,
                 (QList<FakePrompts::Alert>{
                     {QStringLiteral("Couldn’t eject “B”"), QStringLiteral("gone")}}));
        QCOMPARE(rig.busyChanges.mid(2),
                 (QStringList{QStringLiteral("-id-A"), QStringLiteral("-id-B")}));
    }

    void failureTitlesNameOperationAndVolume()
    {
        const QString name = QStringLiteral("Backup");
        QCOMPARE(operationFailureTitle(VolumeOperation::autoEject, name),
                 QStringLiteral("Couldn’t eject “Backup”"));
        QCOMPARE(operationFailureTitle(VolumeOperation::erase, name),
                 QStringLiteral("Couldn’t erase “Backup”"));
        QCOMPARE(operationFailureTitle(VolumeOperation::autoRemount, name),
                 QStringLiteral("Couldn’t remount “Backup”"));
        // A name that looks like a placeholder stays as it is.
        QCOMPARE(operationFailureTitle(VolumeOperation::rename, QStringLiteral("%1 %2")),
                 QStringLiteral("Couldn’t rename “%1 %2”"));
    }
};

QTEST_MAIN(TestOperationFlows)
#include "tst_operationflows.moc"
