#include "model/volumesorter.h"
#include "volumebuilder.h"

#include <QTest>

namespace {

Volume volume(const QString &id, const QString &name, VolumeKind kind = VolumeKind::external,
              std::optional<qint64> capacity = std::nullopt,
              std::optional<qint64> free = std::nullopt)
{
    return VolumeBuilder(name).id(id).kind(kind).size(capacity, free).build();
}

QStringList ids(const VolumeList &volumes)
{
    QStringList result;
    for (const Volume &v : volumes)
        result.append(v.id);
    return result;
}

} // namespace

class TestVolumeSorter : public QObject {
    Q_OBJECT
private slots:
    void viewOptionsRoundTripTheirRawValues()
    {
        QCOMPARE(enumValues<SortMode>().size(), 4);
        for (SortMode mode : enumValues<SortMode>())
            QCOMPARE(enumFromName<SortMode>(enumName(mode)), std::optional(mode));
        QCOMPARE(enumValues<PopoverViewMode>().size(), 4);
        for (PopoverViewMode mode : enumValues<PopoverViewMode>())
            QCOMPARE(enumFromName<PopoverViewMode>(enumName(mode)), std::optional(mode));
        QCOMPARE(enumValues<WindowIconMode>().size(), 2);
        for (WindowIconMode mode : enumValues<WindowIconMode>())
            QCOMPARE(enumFromName<WindowIconMode>(enumName(mode)), std::optional(mode));
        QCOMPARE(enumName(PopoverViewMode::automatic), QStringLiteral("automatic"));

        // Stored values are case-sensitive.
        QVERIFY(!enumFromName<SortMode>(QStringLiteral("Size")));
        QVERIFY(!enumFromName<PopoverViewMode>(QStringLiteral("Grid")));
        QVERIFY(!enumFromName<WindowIconMode>(QString()));
    }

    void nameIgnoresCaseAndKeepsTiesInInputOrder()
    {
        const VolumeList input{volume("1", "disk"), volume("2", "beta"), volume("3", "Disk"),
                               volume("4", "Alpha"), volume("5", "DISK")};
        QCOMPARE(ids(VolumeSorter::sorted(input, SortMode::name)),
                 (QStringList{"4", "2", "1", "3", "5"}));
        // Reversed input keeps the reversed tie order: the sort is stable, not by id.
        const VolumeList reversed{input.at(4), input.at(2), input.at(0)};
        QCOMPARE(ids(VolumeSorter::sorted(reversed, SortMode::name)), (QStringList{"5", "3", "1"}));
    }

    void kindFollowsDeclarationOrderThenName()
    {
        const VolumeList input{volume("net", "Share", VolumeKind::network),
                               volume("img-b", "b", VolumeKind::diskImage),
                               volume("ext", "Zeta", VolumeKind::external),
                               volume("img-a", "A", VolumeKind::diskImage),
                               volume("boot", "Root", VolumeKind::boot)};
        QCOMPARE(ids(VolumeSorter::sorted(input, SortMode::kind)),
                 (QStringList{"ext", "img-a", "img-b", "net", "boot"}));
    }

    void sizeAndFreePutLargestFirstAndUnknownLast()
    {
        const VolumeList input{volume("share", "Share", VolumeKind::network),
                               volume("one", "One", VolumeKind::external, 1, 0),
                               volume("big", "Big", VolumeKind::external, 1000, 10),
                               volume("b", "b", VolumeKind::external, 1000, 500),
                               volume("a", "A", VolumeKind::external, 1000, 10)};
        QCOMPARE(ids(VolumeSorter::sorted(input, SortMode::size)),
                 (QStringList{"a", "b", "big", "one", "share"}));
        QCOMPARE(ids(VolumeSorter::sorted(input, SortMode::free)),
                 (QStringList{"b", "a", "big", "one", "share"}));
    }

    void emptyListAndInputUntouched()
    {
        QVERIFY(VolumeSorter::sorted({}, SortMode::kind).isEmpty());
        const VolumeList input{volume("2", "b"), volume("1", "a")};
        const VolumeList copy = input;
        VolumeSorter::sorted(input, SortMode::name);
        QCOMPARE(input, copy);
    }
};

QTEST_GUILESS_MAIN(TestVolumeSorter)
#include "tst_volumesorter.moc"
