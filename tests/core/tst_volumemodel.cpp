#include "model/enumnames.h"
#include "model/viewoptions.h"
#include "model/volume.h"
#include "model/volumeclassifier.h"
#include "operations/confirmationmodel.h"
#include "operations/volumeoperation.h"
#include "policy/mediapolicy.h"
#include "quillmerecore.h"

#include <QSet>
#include <QTest>

namespace {

// Flags as a string of letters so each row reads at a glance:
// r removable, i internal, n network, e ejectable, b browsable, R root, d disk image.
VolumeProbe probe(const QString &path, const QString &flags)
{
    VolumeProbe p;
    p.mountPath = path;
    p.isRemovable = flags.contains(u'r');
    p.isInternal = flags.contains(u'i');
    p.isNetwork = flags.contains(u'n');
    p.isEjectable = flags.contains(u'e');
    p.isBrowsable = flags.contains(u'b');
    p.isRootFileSystem = flags.contains(u'R');
    p.isDiskImage = flags.contains(u'd');
    return p;
}

// The stored names of E are exactly storedNames, in that order (they are written into settings,
// history and overrides files and printed by the command line, so a renamed enumerator must not
// change them); each name reads back as its value, and nothing else reads back as a value.
template <NamedEnum E> void checkEnumNames(const QStringList &storedNames)
{
    const QList<E> &values = enumValues<E>();
    QStringList names;
    for (const E value : values)
        names << enumName(value);
    QCOMPARE(names, storedNames);

    QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());
    // The table lists every enumerator from the first on, each once, and nothing past the last.
    QList<int> underlying;
    for (const E value : values)
        underlying << static_cast<int>(value);
    std::sort(underlying.begin(), underlying.end());
    for (int i = 0; i < underlying.size(); ++i)
        QCOMPARE(underlying.at(i), i);
    QCOMPARE(enumName(static_cast<E>(values.size())), QString());

    for (const E value : values) {
        const QString name = enumName(value);
        QVERIFY2(!name.isEmpty(), qPrintable(name));
        QVERIFY2(enumFromName<E>(name) == std::optional(value), qPrintable(name));
        // Exact match only: case, padding and prefixes are unknown names.
        QVERIFY2(!enumFromName<E>(name.toUpper()), qPrintable(name));
        QVERIFY2(!enumFromName<E>(name.left(1).toUpper() + name.mid(1)), qPrintable(name));
        QVERIFY2(!enumFromName<E>(u' ' + name), qPrintable(name));
        QVERIFY2(!enumFromName<E>(name + u' '), qPrintable(name));
        QVERIFY2(!enumFromName<E>(name.chopped(1)), qPrintable(name));
        QVERIFY2(!enumFromName<E>(name + u'x'), qPrintable(name));
    }
    QVERIFY(!enumFromName<E>(QString()));
    QVERIFY(!enumFromName<E>(QStringLiteral("unknown")));
    QVERIFY(!enumFromName<E>(QStringLiteral("0")));
}

} // namespace

Q_DECLARE_METATYPE(VolumeKind)

class TestVolumeModel : public QObject {
    Q_OBJECT
private slots:
    void storedEnumNamesStayAsTheyAre()
    {
        checkEnumNames<VolumeKind>({"external", "diskImage", "systemImage", "network",
                                    "internalExtra", "boot", "systemHidden"});
        if (QTest::currentTestFailed())
            return;
        checkEnumNames<SortMode>({"name", "kind", "size", "free"});
        if (QTest::currentTestFailed())
            return;
        checkEnumNames<PopoverViewMode>({"grid", "list", "fan", "automatic"});
        if (QTest::currentTestFailed())
            return;
        checkEnumNames<WindowIconMode>({"icon", "stack"});
        if (QTest::currentTestFailed())
            return;
        checkEnumNames<MediaPolicy::EjectSemantics>(
            {"unmountKeepAttached", "detachImage", "unmountByPath", "physicalEject"});
        if (QTest::currentTestFailed())
            return;
        checkEnumNames<VolumeOperation>(
            {"eject", "forceEject", "remount", "rename", "erase", "autoEject", "autoRemount"});
        if (QTest::currentTestFailed())
            return;
        checkEnumNames<ConfirmationModel>({"alert", "typeName", "holdButton", "yolo"});
    }

    void kindsRoundTripTheirRawValues()
    {
        QCOMPARE(enumValues<VolumeKind>().size(), 7);
        for (VolumeKind kind : enumValues<VolumeKind>())
            QCOMPARE(enumFromName<VolumeKind>(enumName(kind)), std::optional(kind));
        QVERIFY(!enumFromName<VolumeKind>(QStringLiteral("External")));
        QVERIFY(!enumFromName<VolumeKind>(QString()));
        QCOMPARE(QString::fromLatin1(QuillmereCore::version),
                 QStringLiteral(QUILLMERE_PROJECT_VERSION));
    }

    void classification_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<VolumeKind>("kind");

        // Root wins over everything, including network and image.
        QTest::newRow("root flag beats network") << "/mnt/share"
                                                 << "Rndb" << VolumeKind::boot;
        QTest::newRow("slash path without root flag") << "/"
                                                      << "" << VolumeKind::boot;
        QTest::newRow("slash path, hidden image") << "/"
                                                  << "d" << VolumeKind::boot;
        // Network before image.
        QTest::newRow("network image") << "/media/u/x"
                                       << "ndb" << VolumeKind::network;
        QTest::newRow("hidden network") << "/net/x"
                                        << "n" << VolumeKind::network;
        // Images.
        QTest::newRow("browsable image") << "/media/u/App"
                                         << "db" << VolumeKind::diskImage;
        QTest::newRow("developer image") << "/Library/Developer/CoreSimulator/x"
                                         << "db" << VolumeKind::systemImage;
        QTest::newRow("developer prefix without slash") << "/Library/DeveloperX"
                                                        << "db" << VolumeKind::diskImage;
        QTest::newRow("hidden image") << "/snap/core/1"
                                      << "dre" << VolumeKind::systemImage;
        // Local volumes.
        QTest::newRow("not browsable") << "/boot/efi"
                                       << "ire" << VolumeKind::systemHidden;
        QTest::newRow("system volumes even removable") << "/System/Volumes/Data"
                                                       << "rbe" << VolumeKind::systemHidden;
        QTest::newRow("system volumes prefix without slash") << "/System/VolumesX"
                                                             << "ib" << VolumeKind::internalExtra;
        QTest::newRow("removable") << "/media/u/Stick"
                                   << "rib" << VolumeKind::external;
        QTest::newRow("ejectable internal") << "/media/u/Card"
                                            << "ieb" << VolumeKind::external;
        QTest::newRow("internal") << "/mnt/data"
                                  << "ib" << VolumeKind::internalExtra;
        QTest::newRow("neither internal nor removable") << "/mnt/data"
                                                        << "b" << VolumeKind::external;
    }

    void classification()
    {
        QFETCH(QString, path);
        QFETCH(QString, flags);
        QFETCH(VolumeKind, kind);
        QCOMPARE(enumName(VolumeClassifier::classify(probe(path, flags))), enumName(kind));
    }

    void systemManagedImageAgreesWithClassification()
    {
        const QStringList paths{"/media/u/x", "/Library/Developer/x", "/Library/Developer",
                                "/System/Volumes/x"};
        for (const QString &path : paths) {
            for (bool browsable : {false, true}) {
                const VolumeProbe p = probe(path, browsable ? "db" : "d");
                QCOMPARE(VolumeClassifier::isSystemManagedImage(p),
                         VolumeClassifier::classify(p) == VolumeKind::systemImage);
            }
        }
    }

    void automounterPlaceholdersMatchExactly()
    {
        QVERIFY(VolumeClassifier::isLegacyAutofsMount("/home"));
        QVERIFY(VolumeClassifier::isLegacyAutofsMount("/net"));
        QVERIFY(VolumeClassifier::isLegacyAutofsMount("/System/Volumes/Data/home"));
        QVERIFY(!VolumeClassifier::isLegacyAutofsMount("/home/"));
        QVERIFY(!VolumeClassifier::isLegacyAutofsMount("/net2"));
        QVERIFY(!VolumeClassifier::isLegacyAutofsMount("/Home"));
        QVERIFY(!VolumeClassifier::isLegacyAutofsMount(QString()));
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
                 QStringLiteral("ext4"),
                 {}};
        Volume b = a;
        QCOMPARE(a, b);
        b.freeBytes = 499;
        QVERIFY(a != b);
        b = a;
        b.fileSystemType = QStringLiteral("vfat");
        QVERIFY(a != b);
        b = a;
        b.traits.deviceModel = QStringLiteral("Stick");
        QVERIFY(a != b);
    }
};

QTEST_GUILESS_MAIN(TestVolumeModel)
#include "tst_volumemodel.moc"
