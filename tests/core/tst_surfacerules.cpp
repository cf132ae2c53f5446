#include "format/ejectremountspec.h"
#include "format/gridcolumns.h"
#include "volumebuilder.h"

#include <QTest>

namespace {

Volume mounted(bool removable)
{
    return VolumeBuilder(QStringLiteral("V"))
        .id(QStringLiteral("v"))
        .mountedAt(QStringLiteral("/media/u/V"))
        .device(QStringLiteral("sdb1"))
        .removable(removable)
        .kind(removable ? VolumeKind::external : VolumeKind::internalExtra)
        .build();
}

} // namespace

// The button and grid rules that the window and popover surfaces share.
class TestSurfaceRules : public QObject {
    Q_OBJECT

private slots:
    void buttonOfEachKindOfVolume()
    {
        using Kind = EjectRemountSpec::Kind;
        QCOMPARE(EjectRemountSpec::forVolume(mounted(true)), Kind::eject);
        QCOMPARE(EjectRemountSpec::forVolume(mounted(false)), Kind::none);

        Volume share = mounted(false);
        share.kind = VolumeKind::network;
        share.deviceName.clear();
        share.traits.isNetwork = true;
        QCOMPARE(EjectRemountSpec::forVolume(share), Kind::eject);

        Volume internalPartition = mounted(false);
        internalPartition.isMounted = false;
        internalPartition.mountPath.clear();
        QCOMPARE(EjectRemountSpec::forVolume(internalPartition), Kind::remount);
        Volume unmountedStick = mounted(true);
        unmountedStick.isMounted = false;
        QCOMPARE(EjectRemountSpec::forVolume(unmountedStick), Kind::remount);
    }

    void volumesPanelColumns_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("columns");
        QTest::newRow("200") << 200 << 1;
        QTest::newRow("300") << 300 << 2;
        QTest::newRow("429: not yet three") << 429 << 2;
        QTest::newRow("430") << 430 << 3;
        // Exactly room for two tiles and the space between: 20 + 122 + 12 + 122 + 20.
        QTest::newRow("two exactly") << 296 << 2;
        QTest::newRow("one pixel short of two") << 295 << 1;
        QTest::newRow("narrower than a tile") << 50 << 1;
        QTest::newRow("nothing") << 0 << 1;
        QTest::newRow("negative") << -100 << 1;
        QTest::newRow("wide") << 1400 << 10;
    }

    void volumesPanelColumns()
    {
        QFETCH(int, width);
        QFETCH(int, columns);
        QCOMPARE(GridColumns::volumesPanel(width), columns);
    }
};

QTEST_GUILESS_MAIN(TestSurfaceRules)
#include "tst_surfacerules.moc"
