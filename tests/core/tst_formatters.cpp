#include "format/capacityformatter.h"
#include "format/dateformatter.h"
#include "format/textcolumns.h"
#include "format/volumeactiongate.h"
#include "format/volumemenumodel.h"
#include "format/volumerowformatter.h"
#include "policy/mediapolicy.h"
#include "policy/mediapolicyoverrides.h"
#include "volumebuilder.h"

#include <QLocale>
#include <QTest>
#include <algorithm>

using Item = VolumeMenuModel::Item;

namespace {

Volume makeVolume(const QString &name, VolumeKind kind, bool isMounted, bool isRemovable)
{
    VolumeBuilder v(name);
    v.id(QStringLiteral("sdb1")).device(QStringLiteral("sdb1")).kind(kind).removable(isRemovable);
    if (isMounted)
        v.mountedAt(QStringLiteral("/media/u/") + name);
    else
        v.unmounted();
    return v.build();
}

QStringList describe(const VolumeMenuModel &model)
{
    QStringList out;
    for (const Item &item : model.items) {
        if (item.kind() == Item::Kind::separator)
            out.append(QStringLiteral("-"));
        else if (item.kind() == Item::Kind::toggleExclusion)
            out.append(item.excluded() ? QStringLiteral("[x] ignore")
                                       : QStringLiteral("[ ] ignore"));
        else
            out.append(item.title().value_or(QStringLiteral("?")));
    }
    return out;
}

} // namespace

class TestFormatters : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        MediaPolicy::installOverrides(MediaPolicyOverrides::empty);
        MediaPolicy::installPulledDefinitions(MediaPolicyOverrides::empty);
    }

    void humanBytes_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0 bytes";
        QTest::newRow("negative") << qint64(-12345) << "-12345 bytes";
        QTest::newRow("999") << qint64(999) << "999 bytes";
        QTest::newRow("1000") << qint64(1000) << "1 KB";
        QTest::newRow("1500") << qint64(1500) << "1.5 KB";
        QTest::newRow("999 949") << qint64(999949) << "999.9 KB";
        QTest::newRow("999 950 rolls over") << qint64(999950) << "1 MB";
        QTest::newRow("rounds half up") << qint64(1250000) << "1.3 MB";
        QTest::newRow("2 TB") << qint64(2000000000000) << "2 TB";
        QTest::newRow("999.95 TB") << qint64(999950000000000) << "1 PB";
        QTest::newRow("1000 PB stays PB") << qint64(1000000000000000000) << "1000 PB";
        QTest::newRow("1234.5 PB has no grouping") << qint64(1234500000000000000) << "1234.5 PB";
    }

    void humanBytes()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(CapacityFormatter::humanBytes(bytes), text);
    }

    void numbersFollowTheDefaultLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(CapacityFormatter::humanBytes(1500), QStringLiteral("1,5 KB"));
        QCOMPARE(CapacityFormatter::humanBytes(2000), QStringLiteral("2 KB"));
        QCOMPARE(CapacityFormatter::humanBytes(1234500000000000000), QStringLiteral("1234,5 PB"));
        QCOMPARE(CapacityFormatter::usageSummary(1250000000, 4000000000),
                 QStringLiteral("31% (1,2/4,0 GB)"));
    }

    void usageSummary_data()
    {
        QTest::addColumn<qint64>("used");
        QTest::addColumn<qint64>("capacity");
        QTest::addColumn<QString>("text");
        QTest::newRow("half a terabyte")
            << qint64(500000000000) << qint64(1000000000000) << "50% (0.5/1.0 TB)";
        QTest::newRow("zero capacity") << qint64(250) << qint64(0) << "0% (250.0/0.0 B)";
        QTest::newRow("bytes") << qint64(1) << qint64(999) << "0% (1.0/999.0 B)";
        QTest::newRow("half percent rounds up") << qint64(5) << qint64(1000) << "1% (0.0/1.0 KB)";
        QTest::newRow("unit from capacity")
            << qint64(999999) << qint64(999999) << "100% (1000.0/1000.0 KB)";
        QTest::newRow("beyond PB")
            << qint64(0) << qint64(2000000000000000000) << "0% (0.0/2000.0 PB)";
    }

    void usageSummary()
    {
        QFETCH(qint64, used);
        QFETCH(qint64, capacity);
        QFETCH(QString, text);
        QCOMPARE(CapacityFormatter::usageSummary(used, capacity), text);
    }

    void describeNeedsBothValues()
    {
        QCOMPARE(CapacityFormatter::describe(12300000000, 64000000000),
                 QStringLiteral("12.3 GB free of 64 GB"));
        QCOMPARE(CapacityFormatter::describe(std::nullopt, 64000000000), QStringLiteral("—"));
        QCOMPARE(CapacityFormatter::describe(100, std::nullopt), QStringLiteral("—"));
    }

    void rowTexts()
    {
        Volume backup = makeVolume(QStringLiteral("Backup"), VolumeKind::external, true, true);
        backup.freeBytes = 1200000000000;
        backup.capacityBytes = 2000000000000;
        QCOMPARE(VolumeRowFormatter::menuLabel(backup),
                 QStringLiteral("Backup  —  External · 1.2 TB free of 2 TB"));
        QCOMPARE(VolumeRowFormatter::accessibilitySummary(backup),
                 QStringLiteral("Backup, External, 1.2 TB free of 2 TB"));

        // Placeholders in a volume name are not expanded again.
        Volume odd = makeVolume(QStringLiteral("%2 %3"), VolumeKind::internalExtra, false, true);
        odd.capacityBytes = 1000;
        QCOMPARE(VolumeRowFormatter::menuLabel(odd), QStringLiteral("%2 %3  —  Internal · —"));
        QCOMPARE(VolumeRowFormatter::accessibilitySummary(odd),
                 QStringLiteral("%2 %3, Internal, not mounted"));

        const QStringList kinds{"External", "Disk Image", "System Image", "Network",
                                "Internal", "Boot",       "System"};
        for (qsizetype i = 0; i < kinds.size(); ++i)
            QCOMPARE(VolumeRowFormatter::displayKind(enumValues<VolumeKind>().at(i)), kinds.at(i));
    }

    void itemsCompareByValue()
    {
        QCOMPARE(Item::toggleExclusion(true), Item::toggleExclusion(true));
        QVERIFY(Item::toggleExclusion(true) != Item::toggleExclusion(false));
        QVERIFY(Item::eject() != Item::remount());
        QCOMPARE(Item::separator().title(), std::optional<QString>());
        QCOMPARE(Item::rename().title(), std::optional(QStringLiteral("Rename…")));
        QCOMPARE(Item::toggleExclusion(false).title(),
                 std::optional(QStringLiteral("Ignore in Auto-Eject & Eject All")));
    }

    void menuModel_data()
    {
        QTest::addColumn<Volume>("volume");
        QTest::addColumn<bool>("excluded");
        QTest::addColumn<QStringList>("items");

        const Volume usb = makeVolume(QStringLiteral("Stick"), VolumeKind::external, true, true);
        QTest::newRow("usb stick")
            << usb << true
            << QStringList{"Open in File Manager", "Copy Path", "-",         "Eject", "Rename…", "-",
                           "Erase…",         "-",         "[x] ignore"};

        Volume unmounted = makeVolume(QStringLiteral("Part"), VolumeKind::external, false, true);
        QTest::newRow("unmounted partition")
            << unmounted << false << QStringList{"Remount", "-", "Erase…", "-", "[ ] ignore"};

        Volume unmountedBoot = unmounted;
        unmountedBoot.traits.sharesBootDevice = true;
        QTest::newRow("unmounted boot-disk partition")
            << unmountedBoot << false << QStringList{"Remount"};

        const Volume internal =
            makeVolume(QStringLiteral("Data"), VolumeKind::internalExtra, true, false);
        QTest::newRow("internal volume")
            << internal << false << QStringList{"Open in File Manager", "Copy Path", "-", "Rename…"};

        Volume boot = makeVolume(QStringLiteral("/"), VolumeKind::boot, true, false);
        boot.traits.sharesBootDevice = true;
        QTest::newRow("boot volume") << boot << false << QStringList{"Open in File Manager", "Copy Path"};

        Volume share = makeVolume(QStringLiteral("Share"), VolumeKind::network, true, false);
        share.deviceName.clear();
        share.traits.isNetwork = true;
        QTest::newRow("network share")
            << share << false << QStringList{"Open in File Manager", "Copy Path", "-", "Eject"};

        Volume cd = makeVolume(QStringLiteral("Audio CD"), VolumeKind::external, true, true);
        cd.traits.isOptical = true;
        QTest::newRow("optical disc")
            << cd << false
            << QStringList{"Open in File Manager", "Copy Path", "-", "Eject", "-", "[ ] ignore"};
    }

    void menuModel()
    {
        QFETCH(Volume, volume);
        QFETCH(bool, excluded);
        QFETCH(QStringList, items);
        const VolumeMenuModel model = VolumeMenuModel::make(volume, excluded);
        QCOMPARE(describe(model), items);
        QVERIFY(model.items.first().kind() != Item::Kind::separator);
        QVERIFY(model.items.last().kind() != Item::Kind::separator);
    }

    void menuModelFollowsTheEffectivePolicy()
    {
        const Volume usb = makeVolume(QStringLiteral("Stick"), VolumeKind::external, true, true);
        QString error;
        const auto layer = MediaPolicyOverrides::decode(
            R"([{"match": {"volumeName": "Stick"},
                 "policy": {"canRename": false, "canErase": false, "bulkEjectCandidate": false}}])",
            &error);
        QVERIFY2(layer, qPrintable(error));
        MediaPolicy::installOverrides(*layer);
        QCOMPARE(describe(VolumeMenuModel::make(usb, false)),
                 (QStringList{"Open in File Manager", "Copy Path", "-", "Eject"}));
        QVERIFY(VolumeActionGate::isOffered(usb, VolumeOperation::eject));
        QCOMPARE(VolumeActionGate::refusal(usb, VolumeOperation::rename),
                 std::optional(QStringLiteral("its media policy doesn’t allow it.")));
    }

    void gateOffersWhatTheMenuOffers()
    {
        // Every operation over volumes of every kind and state: the gate and the menu agree.
        const QList<std::pair<VolumeOperation, Item::Kind>> pairs{
            {VolumeOperation::eject, Item::Kind::eject},
            {VolumeOperation::forceEject, Item::Kind::eject},
            {VolumeOperation::remount, Item::Kind::remount},
            {VolumeOperation::rename, Item::Kind::rename},
            {VolumeOperation::erase, Item::Kind::erase}};
        for (const VolumeKind kind : enumValues<VolumeKind>()) {
            for (const bool mounted : {true, false}) {
                for (const bool removable : {true, false}) {
                    Volume v = makeVolume(QStringLiteral("V"), kind, mounted, removable);
                    v.traits.isNetwork = kind == VolumeKind::network;
                    const QList<Item> items = VolumeMenuModel::make(v, false).items;
                    for (const auto &[operation, item] : pairs) {
                        const bool inMenu =
                            std::any_of(items.cbegin(), items.cend(),
                                        [item](const Item &i) { return i.kind() == item; });
                        QCOMPARE(VolumeActionGate::isOffered(v, operation), inMenu);
                        QCOMPARE(VolumeActionGate::refusal(v, operation).has_value(), !inMenu);
                    }
                }
            }
        }
    }

    void gateNamesWhyItRefuses()
    {
        Volume root = makeVolume(QStringLiteral("Root"), VolumeKind::boot, true, false);
        root.mountPath = QStringLiteral("/");
        root.traits.sharesBootDevice = true;
        const QString boot = QStringLiteral("it is the boot volume, which Quillmere leaves alone.");
        QCOMPARE(VolumeActionGate::refusal(root, VolumeOperation::eject), std::optional(boot));
        QCOMPARE(VolumeActionGate::refusal(root, VolumeOperation::forceEject), std::optional(boot));
        QCOMPARE(VolumeActionGate::refusal(root, VolumeOperation::rename), std::optional(boot));
        QCOMPARE(VolumeActionGate::refusal(root, VolumeOperation::erase), std::optional(boot));
        QCOMPARE(VolumeActionGate::refusal(root, VolumeOperation::remount),
                 std::optional(QStringLiteral("it is already mounted.")));

        Volume home = makeVolume(QStringLiteral("Home"), VolumeKind::internalExtra, true, false);
        home.traits.sharesBootDevice = true;
        const QString bootDisk =
            QStringLiteral("it is on the boot disk, which Quillmere leaves alone.");
        QCOMPARE(VolumeActionGate::refusal(home, VolumeOperation::eject), std::optional(bootDisk));
        QCOMPARE(VolumeActionGate::refusal(home, VolumeOperation::erase), std::optional(bootDisk));
        // Partitions of the boot disk may be renamed, as the menu offers.
        QVERIFY(VolumeActionGate::isOffered(home, VolumeOperation::rename));

        const Volume data =
            makeVolume(QStringLiteral("Data"), VolumeKind::internalExtra, true, false);
        QVERIFY(VolumeActionGate::refusal(data, VolumeOperation::eject)->contains(u"internal"));
        QVERIFY(VolumeActionGate::refusal(data, VolumeOperation::erase)->contains(u"removable"));

        Volume gone = makeVolume(QStringLiteral("Gone"), VolumeKind::external, false, true);
        QCOMPARE(VolumeActionGate::refusal(gone, VolumeOperation::eject),
                 std::optional(QStringLiteral("it isn’t mounted.")));
        QCOMPARE(VolumeActionGate::refusal(gone, VolumeOperation::rename),
                 std::optional(QStringLiteral("it isn’t mounted.")));
        QVERIFY(VolumeActionGate::isOffered(gone, VolumeOperation::remount));

        Volume share = makeVolume(QStringLiteral("Share"), VolumeKind::network, true, false);
        share.deviceName.clear();
        share.traits.isNetwork = true;
        QVERIFY(VolumeActionGate::isOffered(share, VolumeOperation::eject));
        QCOMPARE(VolumeActionGate::refusal(share, VolumeOperation::rename),
                 std::optional(QStringLiteral("it has no device node.")));
    }

    void mediumDates_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_US") << "en_US"
                               << "3/4/2025 2:05:06 PM";
        QTest::newRow("de") << "de"
                            << "04.03.2025 14:05:06";
        QTest::newRow("fr") << "fr"
                            << "04/03/2025 14:05:06";
        QTest::newRow("ja") << "ja"
                            << "2025/03/04 14:05:06";
        QTest::newRow("es") << "es"
                            << "4/3/2025 14:05:06";
        QTest::newRow("fi: dots between hours and minutes") << "fi"
                                                            << "4.3.2025 14.05.06";
        QTest::newRow("C") << "C"
                           << "4 Mar 2025 14:05:06";
    }

    void mediumDates()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        // Shown in local time: the same instant reads the same in every zone once converted.
        const QDateTime instant =
            QDateTime(QDate(2025, 3, 4), QTime(14, 5, 6), Qt::LocalTime).toUTC();
        QCOMPARE(DateFormatter::medium(instant, QLocale(locale)), text);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(DateFormatter::medium(instant), text);
    }

    void terminalColumns()
    {
        QCOMPARE(TextColumns::width(QStringLiteral("MOUNTED")), 7);
        QCOMPARE(TextColumns::width(QStringLiteral("マウント")), 8);
        QCOMPARE(TextColumns::width(QStringLiteral("空き 1.5 GB")), 11);
        QCOMPARE(TextColumns::width(QStringLiteral("EINGEHÄNGT")), 10);
        // A decomposed Ä takes one column, as the composed one does.
        QCOMPARE(TextColumns::width(QStringLiteral("A\u0308")), 1);
        QCOMPARE(TextColumns::width(QStringLiteral("Ｆｕｌｌ")), 8);
        QCOMPARE(TextColumns::width(QString::fromUcs4(U"\U00020B9F")), 2);
        QCOMPARE(TextColumns::padded(QStringLiteral("名前"), 6), QStringLiteral("名前  "));
        QCOMPARE(TextColumns::padded(QStringLiteral("NAME"), 6), QStringLiteral("NAME  "));
        QCOMPARE(TextColumns::padded(QStringLiteral("デバイス"), 4), QStringLiteral("デバイス"));
    }
};

QTEST_GUILESS_MAIN(TestFormatters)
#include "tst_formatters.moc"
