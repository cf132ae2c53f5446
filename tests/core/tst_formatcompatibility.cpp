#include "policy/excludedvolume.h"
#include "shortcuts/shortcut.h"
#include "shortcuts/shortcutname.h"
#include "stores/historystore.h"
#include "stores/jsonfilesettingsbackend.h"
#include "stores/preferencesstore.h"
#include "stores/settingskeys.h"
#include "stores/settingsstore.h"
#include "volumebuilder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

QString fixture(const QString &name)
{
    return qEnvironmentVariable("QUILLMERE_TEST_DATA") + u'/' + name;
}

// Copies a fixture into the folder under the name the stores look for.
bool install(const QString &name, const QString &folder, const QString &as)
{
    const QString target = folder + u'/' + as;
    return QFile::copy(fixture(name), target) &&
           QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace

// Files written in the format of version 1 (tests/core/data/*-v1.*, written by the program as
// it was at commit 1e5dab5) read back whole with today's stores: every settings key with a
// value other than its default, every stored value type, and a history line of every
// operation, succeeded and failed, with and without a detail.
class TestFormatCompatibility : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

private slots:
    void settingsOfVersion1ReadBack()
    {
        QVERIFY(m_folder.isValid());
        const QString domain = QStringLiteral("com.quillmere.app");
        QVERIFY(install(QStringLiteral("settings-v1.json"), m_folder.path(),
                        domain + QStringLiteral(".json")));
        SettingsStore settings(std::make_unique<JsonFileSettingsBackend>(m_folder.path(), domain));
        const PreferencesStore preferences(settings);

        // Nothing more and nothing less than the file holds.
        const QString shortcutKey = GlobalShortcuts::Name::ejectAll().settingsKey();
        QStringList expectedKeys{key(SettingsKeys::enabledKinds),
                                 key(SettingsKeys::menuBarEnabled),
                                 key(SettingsKeys::popoverEnabled),
                                 key(SettingsKeys::sortMode),
                                 key(SettingsKeys::popoverViewMode),
                                 key(SettingsKeys::windowIconMode),
                                 key(SettingsKeys::confirmationModel),
                                 key(SettingsKeys::autoEjectOnSleep),
                                 key(SettingsKeys::autoEjectOnLock),
                                 key(SettingsKeys::autoEjectIdleMinutes),
                                 key(SettingsKeys::remountOnWake),
                                 key(SettingsKeys::excludedVolumes),
                                 key(SettingsKeys::languageOverride),
                                 key(SettingsKeys::launchAtLogin),
                                 key(SettingsKeys::migratedFromKestrinDefaults),
                                 key(SettingsKeys::mainWindowOpen),
                                 key(SettingsKeys::mainWindowPane),
                                 key(SettingsKeys::mainWindowViewMode),
                                 key(SettingsKeys::mainWindowGeometry),
                                 key(SettingsKeys::loginItemDefaultApplied),
                                 key(SettingsKeys::mediaDefsLastFetch),
                                 key(SettingsKeys::moveOfferDeclinedLocations),
                                 key(SettingsKeys::appleLanguages),
                                 shortcutKey,
                                 QStringLiteral("compatibility.double"),
                                 QStringLiteral("compatibility.negativeInfinity"),
                                 QStringLiteral("compatibility.largeInteger"),
                                 QStringLiteral("compatibility.negativeInteger"),
                                 QStringLiteral("compatibility.mixedArray")};
        QStringList keys = settings.keys();
        keys.sort();
        expectedKeys.sort();
        QCOMPARE(keys, expectedKeys);

        // The preferences, each one off its default.
        QCOMPARE(preferences.enabledKinds(),
                 (VolumeKindSet{VolumeKind::external, VolumeKind::systemImage, VolumeKind::boot}));
        QCOMPARE(preferences.menuBarEnabled(), false);
        QCOMPARE(preferences.popoverEnabled(), false);
        QVERIFY(preferences.sortMode() == SortMode::free);
        QVERIFY(preferences.popoverViewMode() == PopoverViewMode::fan);
        QVERIFY(preferences.windowIconMode() == WindowIconMode::stack);
        QVERIFY(preferences.confirmationModel() == ConfirmationModel::holdButton);
        QCOMPARE(preferences.autoEjectOnSleep(), true);
        QCOMPARE(preferences.autoEjectOnLock(), true);
        QCOMPARE(preferences.autoEjectIdleMinutes(), 25);
        QCOMPARE(preferences.remountOnWake(), false);
        QCOMPARE(preferences.excludedVolumes(),
                 (ExcludedVolumeList{
                     ExcludedVolume{QStringLiteral("1234-ABCD"), QStringLiteral("Time Machine")},
                     ExcludedVolume{std::nullopt, QStringLiteral("Cam\u00e9ra \"SD\"")}}));
        QCOMPARE(preferences.languageOverride(), std::optional<QString>(QStringLiteral("de")));
        QCOMPARE(preferences.launchAtLogin(), true);

        // The values other parts read directly, by their types.
        QCOMPARE(settings.stringList(key(SettingsKeys::enabledKinds)),
                 std::optional(QStringList{QStringLiteral("external"),
                                           QStringLiteral("systemImage"), QStringLiteral("boot")}));
        QCOMPARE(settings.boolValue(key(SettingsKeys::migratedFromKestrinDefaults)),
                 std::optional(true));
        QCOMPARE(settings.boolValue(key(SettingsKeys::mainWindowOpen)), std::optional(true));
        QCOMPARE(settings.integer(key(SettingsKeys::mainWindowPane)), std::optional<qint64>(2));
        QCOMPARE(settings.string(key(SettingsKeys::mainWindowViewMode)),
                 std::optional<QString>(QStringLiteral("list")));
        QCOMPARE(settings.data(key(SettingsKeys::mainWindowGeometry)),
                 std::optional(
                     QByteArray::fromHex("01d9d0cb000300000000001e00000032000003ff000002ff00ff")));
        QCOMPARE(settings.boolValue(key(SettingsKeys::loginItemDefaultApplied)),
                 std::optional(true));
        QCOMPARE(settings.date(key(SettingsKeys::mediaDefsLastFetch)),
                 std::optional(QDateTime(QDate(2026, 11, 30), QTime(8, 15, 42, 123), Qt::UTC)));
        QCOMPARE(settings.stringList(key(SettingsKeys::moveOfferDeclinedLocations)),
                 std::optional(
                     QStringList{QStringLiteral("/home/user/Downloads"),
                                 QStringLiteral("/media/user/STICK/Logiciels \u00e9t\u00e9")}));
        QCOMPARE(settings.stringList(key(SettingsKeys::appleLanguages)),
                 std::optional(QStringList{QStringLiteral("de")}));
        const std::optional<QString> shortcut = settings.string(shortcutKey);
        QVERIFY(shortcut);
        QCOMPARE(GlobalShortcuts::Shortcut::fromJson(*shortcut),
                 std::optional(GlobalShortcuts::Shortcut{
                     14, GlobalShortcuts::CarbonModifier::controlKey |
                             GlobalShortcuts::CarbonModifier::optionKey}));

        // The value types no key uses today.
        QCOMPARE(settings.doubleValue(QStringLiteral("compatibility.double")), std::optional(2.75));
        const std::optional<double> infinite =
            settings.doubleValue(QStringLiteral("compatibility.negativeInfinity"));
        QVERIFY(infinite && std::isinf(*infinite) && *infinite < 0);
        QCOMPARE(settings.integer(QStringLiteral("compatibility.largeInteger")),
                 std::optional<qint64>(9007199254740993LL));
        QCOMPARE(settings.integer(QStringLiteral("compatibility.negativeInteger")),
                 std::optional<qint64>(-42));
        QCOMPARE(settings.array(QStringLiteral("compatibility.mixedArray")),
                 std::optional(QVariantList{
                     true, qlonglong(7), 0.5, QStringLiteral("text"), QByteArray("\x00\x01", 2),
                     QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC)}));
    }

    void historyOfVersion1ReadsBack()
    {
        QVERIFY(m_folder.isValid());
        QVERIFY(install(QStringLiteral("history-v1.jsonl"), m_folder.path(),
                        QStringLiteral("history.jsonl")));
        HistoryStore history(m_folder.path());

        const QDateTime base(QDate(2026, 12, 1), QTime(9, 0, 0), Qt::UTC);
        const QStringList operations{QStringLiteral("eject"),       QStringLiteral("forceEject"),
                                     QStringLiteral("remount"),     QStringLiteral("rename"),
                                     QStringLiteral("erase"),       QStringLiteral("autoEject"),
                                     QStringLiteral("autoRemount"), QStringLiteral("mount"),
                                     QStringLiteral("unmount")};
        HistoryEntryList expected; // oldest first, as written
        int line = 0;
        for (const QString &operation : operations) {
            expected.append(HistoryEntryBuilder(operation)
                                .at(base.addSecs(60 * line))
                                .volume(QStringLiteral("Stick %1").arg(line))
                                .device(QStringLiteral("sdb%1").arg(line + 1))
                                .build());
            ++line;
            expected.append(
                HistoryEntryBuilder(operation)
                    .at(base.addSecs(60 * line))
                    .volume(QStringLiteral("Backup/2026 \"\u00e9\""))
                    .device(QStringLiteral("nvme0n1p%1").arg(line))
                    .failed(QStringLiteral("Failed: %1\nbusy\t(target is busy)").arg(operation))
                    .build());
            ++line;
        }
        // Present but empty: a detail, not none.
        expected.append(HistoryEntryBuilder(QStringLiteral("eject"))
                            .at(base.addSecs(60 * line))
                            .volume(QStringLiteral("Share"))
                            .detail(QString())
                            .build());
        std::reverse(expected.begin(), expected.end());

        const HistoryReading reading = history.read();
        QCOMPARE(reading.problem, QString());
        QCOMPARE(reading.damagedLines, 0);
        QCOMPARE(reading.entries.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(reading.entries.at(i), expected.at(i));
        QCOMPARE(history.entries(3), expected.first(3));
    }
};

QTEST_GUILESS_MAIN(TestFormatCompatibility)
#include "tst_formatcompatibility.moc"
