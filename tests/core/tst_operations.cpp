#include "operations/blocker.h"
#include "operations/confirmationmodel.h"
#include "operations/diskoperations.h"
#include "operations/operationresult.h"
#include "operations/volumeoperation.h"

#include <QCoro/QCoroTask>
#include <QCoro/QCoroTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTest>
#include <QTimer>

namespace {

// Completes only after the event loop has turned, as real operations do.
class DeferredOperations : public DiskOperations {
public:
    QStringList calls;

    QCoro::Task<OperationResult> eject(Volume volume, bool force) override
    {
        calls << QStringLiteral("eject %1 %2").arg(volume.bsdName).arg(force);
        co_await later();
        co_return OperationResult{false, QStringLiteral("busy")};
    }
    QCoro::Task<OperationResult> remount(Volume volume) override
    {
        calls << QStringLiteral("remount %1").arg(volume.bsdName);
        co_await later();
        co_return OperationResult{true, std::nullopt};
    }
    QCoro::Task<OperationResult> rename(Volume volume, QString newName) override
    {
        calls << QStringLiteral("rename %1 %2").arg(volume.bsdName, newName);
        co_await later();
        co_return OperationResult{true, std::nullopt};
    }
    QCoro::Task<OperationResult> erase(Volume volume, QString format, QString newName) override
    {
        calls << QStringLiteral("erase %1 %2 %3").arg(volume.bsdName, format, newName);
        co_await later();
        co_return OperationResult{true, std::nullopt};
    }
    QCoro::Task<BlockerList> blockers(Volume volume) override
    {
        calls << QStringLiteral("blockers %1").arg(volume.bsdName);
        co_await later();
        BlockerList list;
        list << Blocker{42, QStringLiteral("vim")};
        co_return list;
    }
    QCoro::Task<QStringList> availableEraseFormats() override
    {
        co_await later();
        co_return QStringList{QStringLiteral("ext4")};
    }

private:
    static QCoro::Task<> later()
    {
        QTimer timer;
        timer.setSingleShot(true);
        timer.start(0);
        co_await timer;
    }
};

} // namespace

class TestOperations : public QObject {
    Q_OBJECT
private slots:
    void volumeOperationsKeepTheirOrderAndRawValues()
    {
        QStringList raws;
        for (VolumeOperation operation : allVolumeOperations())
            raws << toString(operation);
        QCOMPARE(raws, QStringList({"eject", "forceEject", "remount", "rename", "erase",
                                    "autoEject", "autoRemount"}));
        for (VolumeOperation operation : allVolumeOperations())
            QCOMPARE(volumeOperationFromString(toString(operation)), std::optional(operation));
    }

    void unknownOperationStringsHaveNoValue_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::newRow("wrong case") << QStringLiteral("forceeject");
        QTest::newRow("mount event") << QStringLiteral("mount");
        QTest::newRow("unmount event") << QStringLiteral("unmount");
        QTest::newRow("empty") << QString();
        QTest::newRow("padded") << QStringLiteral(" eject");
    }
    void unknownOperationStringsHaveNoValue()
    {
        QFETCH(QString, raw);
        QCOMPARE(volumeOperationFromString(raw), std::optional<VolumeOperation>());
    }

    void operationEncodesAsOneJsonString()
    {
        const QJsonArray array{toString(VolumeOperation::autoRemount)};
        QCOMPARE(QJsonDocument(array).toJson(QJsonDocument::Compact),
                 QByteArray(R"(["autoRemount"])"));
    }

    void operationsHashByCase()
    {
        QSet<VolumeOperation> seen;
        for (VolumeOperation operation : allVolumeOperations())
            seen.insert(operation);
        seen.insert(VolumeOperation::eject);
        QCOMPARE(seen.size(), 7);
        QVERIFY(seen.contains(VolumeOperation::autoEject));
    }

    void confirmationModelsRawValuesAndTitles()
    {
        QStringList raws;
        QStringList titles;
        for (ConfirmationModel model : allConfirmationModels()) {
            raws << toString(model);
            titles << confirmationModelTitle(model);
            QCOMPARE(confirmationModelFromString(toString(model)), std::optional(model));
        }
        QCOMPARE(raws, QStringList({"alert", "typeName", "holdButton", "yolo"}));
        QCOMPARE(titles, QStringList({"Standard confirmation", "Type the volume name",
                                      "Hold to confirm", "No confirmation (YOLO)"}));
        QCOMPARE(confirmationModelFromString(QStringLiteral("YOLO")),
                 std::optional<ConfirmationModel>());
        QCOMPARE(confirmationModelFromString(QStringLiteral("Standard confirmation")),
                 std::optional<ConfirmationModel>());
    }

    void absentDetailDiffersFromEmptyDetail()
    {
        const OperationResult success{true, std::nullopt};
        QCOMPARE(success, (OperationResult{true, std::nullopt}));
        QVERIFY(success != (OperationResult{true, QString()}));
        QVERIFY((OperationResult{false, QStringLiteral("x")}) !=
                (OperationResult{false, QStringLiteral("y")}));
    }

    void blockersCompareBothFields()
    {
        const Blocker a{12, QStringLiteral("Preview")};
        QCOMPARE(a, (Blocker{12, QStringLiteral("Preview")}));
        QVERIFY(a != (Blocker{34, QStringLiteral("Preview")}));
        QVERIFY(a != (Blocker{12, QStringLiteral("preview")}));
    }

    void operationsAreAwaitedThroughTheInterface()
    {
        DeferredOperations fake;
        DiskOperations &operations = fake;
        Volume volume;
        volume.bsdName = QStringLiteral("sdb1");

        QCOMPARE(QCoro::waitFor(operations.eject(volume, true)),
                 (OperationResult{false, QStringLiteral("busy")}));
        QVERIFY(QCoro::waitFor(operations.remount(volume)).ok);
        QVERIFY(QCoro::waitFor(operations.rename(volume, QStringLiteral("Backup"))).ok);
        QVERIFY(
            QCoro::waitFor(operations.erase(volume, QStringLiteral("ext4"), QStringLiteral("Work")))
                .ok);
        QCOMPARE(QCoro::waitFor(operations.blockers(volume)),
                 BlockerList({Blocker{42, QStringLiteral("vim")}}));
        QCOMPARE(fake.calls, QStringList({"eject sdb1 1", "remount sdb1", "rename sdb1 Backup",
                                          "erase sdb1 ext4 Work", "blockers sdb1"}));
    }
};

QTEST_GUILESS_MAIN(TestOperations)
#include "tst_operations.moc"
