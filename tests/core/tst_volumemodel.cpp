#include "model/volume.h"
#include "quillmerecore.h"

#include <QTest>

class TestVolumeModel : public QObject {
    Q_OBJECT
private slots:
    void kindsRoundTripTheirRawValues()
    {
        QCOMPARE(allVolumeKinds().size(), 7);
        for (VolumeKind kind : allVolumeKinds())
            QCOMPARE(volumeKindFromString(toString(kind)), std::optional(kind));
        QVERIFY(!volumeKindFromString(QStringLiteral("External")));
        QVERIFY(!volumeKindFromString(QString()));
        QCOMPARE(QString::fromLatin1(QuillmereCore::version), QStringLiteral("0.1.0"));
    }

    void opticalMediaKinds()
    {
        QVERIFY(MediaTraits::isOpticalMediaKind(QStringLiteral("IOBDMedia")));
        QVERIFY(MediaTraits::isOpticalMediaKind(QStringLiteral("OPTICAL_DVD")));
        QVERIFY(MediaTraits::isOpticalMediaKind(QStringLiteral("IOCDMedia")));
        QVERIFY(!MediaTraits::isOpticalMediaKind(QStringLiteral("IOMedia")));
        QVERIFY(!MediaTraits::isOpticalMediaKind(QStringLiteral("optical_cd")));
        QVERIFY(!MediaTraits::isOpticalMediaKind(std::nullopt));
    }

    void equalityCoversEveryFieldAndTrait()
    {
        Volume a{QStringLiteral("sdb1"),
                 QStringLiteral("Backup"),
                 QStringLiteral("/media/u/Backup"),
                 QStringLiteral("sdb1"),
                 1000,
                 500,
                 true,
                 VolumeKind::external,
                 true,
                 true,
                 QStringLiteral("sdb"),
                 QStringLiteral("ABCD"),
                 {}};
        Volume b = a;
        QCOMPARE(a, b);
        b.freeBytes = 499;
        QVERIFY(a != b);
        b = a;
        b.traits.deviceModel = QStringLiteral("Stick");
        QVERIFY(a != b);
    }
};

QTEST_GUILESS_MAIN(TestVolumeModel)
#include "tst_volumemodel.moc"
