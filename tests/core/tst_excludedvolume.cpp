#include "policy/excludedvolume.h"
#include "volumebuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

namespace {

Volume volume(const QString &name, std::optional<QString> uuid)
{
    return VolumeBuilder(name).id(name).uuid(std::move(uuid)).build();
}

const QString uuidA = QStringLiteral("AAAA-1111");
const QString uuidB = QStringLiteral("BBBB-2222");

} // namespace

class TestExcludedVolume : public QObject {
    Q_OBJECT
private slots:
    void matchesByUuidOrByName()
    {
        const ExcludedVolumeList byUuid{ExcludedVolume{uuidA, QStringLiteral("Backup")}};
        // Renamed volume with the same UUID stays covered.
        QVERIFY(ExcludedVolume::covers(volume(QStringLiteral("Renamed"), uuidA), byUuid));
        // The name matches even when both UUIDs are present and differ.
        QVERIFY(ExcludedVolume::covers(volume(QStringLiteral("Backup"), uuidB), byUuid));
        QVERIFY(!ExcludedVolume::covers(volume(QStringLiteral("Other"), uuidB), byUuid));

        const ExcludedVolumeList byName{ExcludedVolume{std::nullopt, QStringLiteral("Share")}};
        QVERIFY(ExcludedVolume::covers(volume(QStringLiteral("Share"), uuidA), byName));
        // Without a UUID, renaming ends the match.
        QVERIFY(!ExcludedVolume::covers(volume(QStringLiteral("Share 2"), std::nullopt), byName));
        // Name comparison is exact.
        QVERIFY(!ExcludedVolume::covers(volume(QStringLiteral("share"), std::nullopt), byName));
        QVERIFY(!ExcludedVolume::covers(volume(QStringLiteral("Share"), uuidA), {}));
    }

    void togglingAddsNewestFirstAndRemovesEveryMatch()
    {
        const ExcludedVolume old{uuidB, QStringLiteral("Old")};
        const ExcludedVolumeList start{old};
        const Volume v = volume(QStringLiteral("Backup"), uuidA);

        const ExcludedVolumeList added = ExcludedVolume::toggling(start, v);
        QCOMPARE(added, (ExcludedVolumeList{ExcludedVolume{uuidA, QStringLiteral("Backup")}, old}));
        QCOMPARE(ExcludedVolume::toggling(added, v), start);

        // One entry matches by UUID, another by name: both go.
        const ExcludedVolumeList two{ExcludedVolume{uuidA, QStringLiteral("Elsewhere")}, old,
                                     ExcludedVolume{std::nullopt, QStringLiteral("Backup")}};
        QCOMPARE(ExcludedVolume::toggling(two, v), start);

        // Two volumes with the same name share an entry; toggling either removes it.
        const Volume twin = volume(QStringLiteral("Backup"), QStringLiteral("CCCC-3333"));
        QVERIFY(ExcludedVolume::covers(twin, added));
        QCOMPARE(ExcludedVolume::toggling(added, twin), start);
    }

    void jsonFormOmitsAbsentUuid()
    {
        const ExcludedVolumeList list{ExcludedVolume{std::nullopt, QStringLiteral("Share")},
                                      ExcludedVolume{uuidA, QStringLiteral("Disk \u00e9")}};
        const QByteArray data = ExcludedVolume::encodeList(list);
        const QJsonArray array = QJsonDocument::fromJson(data).array();
        QCOMPARE(array.size(), 2);
        QVERIFY(!array.at(0).toObject().contains(QStringLiteral("volumeUUID")));
        QCOMPARE(array.at(1).toObject().value(QStringLiteral("volumeUUID")).toString(), uuidA);
        QCOMPARE(ExcludedVolume::decodeList(data), std::optional(list));
    }

    void decodingRejectsDamagedData_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("missing name") << QByteArray(R"([{"volumeUUID":"A"}])");
        QTest::newRow("name not a string") << QByteArray(R"([{"name":3}])");
        QTest::newRow("uuid not a string") << QByteArray(R"([{"name":"a","volumeUUID":7}])");
        QTest::newRow("entry not an object") << QByteArray(R"([{"name":"a"},"b"])");
        QTest::newRow("not an array") << QByteArray(R"({"name":"a"})");
        QTest::newRow("truncated") << QByteArray(R"([{"name":"a"})");
        QTest::newRow("empty") << QByteArray();
    }

    void decodingRejectsDamagedData()
    {
        QFETCH(QByteArray, data);
        QVERIFY(!ExcludedVolume::decodeList(data));
    }

    void decodingToleratesNullUuidAndExtraKeys()
    {
        const auto list =
            ExcludedVolume::decodeList(R"([{"name":"a","volumeUUID":null,"extra":1}])");
        QCOMPARE(list, std::optional(ExcludedVolumeList{ExcludedVolume{std::nullopt, "a"}}));
        QCOMPARE(ExcludedVolume::decodeList("[]"), std::optional(ExcludedVolumeList{}));
    }
};

QTEST_GUILESS_MAIN(TestExcludedVolume)
#include "tst_excludedvolume.moc"
