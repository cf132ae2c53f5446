#include "stores/jsonfilesettingsbackend.h"
#include "stores/preferencesstore.h"
#include "stores/settingsstore.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(SortMode)

namespace {

VolumeKindSet kinds(std::initializer_list<VolumeKind> list)
{
    return VolumeKindSet(list);
}

} // namespace

class TestPreferencesStore : public QObject {
    Q_OBJECT

private slots:
    void freshInstallReadsTheDefaults()
    {
        auto defaults = SettingsStore::inMemory();
        const PreferencesStore store(*defaults);
        QCOMPARE(store.menuBarEnabled(), true);
        QCOMPARE(store.popoverEnabled(), true);
        QCOMPARE(enumName(store.sortMode()), enumName(SortMode::name));
        QCOMPARE(enumName(store.popoverViewMode()), enumName(PopoverViewMode::grid));
        QCOMPARE(enumName(store.windowIconMode()), enumName(WindowIconMode::icon));
        QCOMPARE(enumName(store.confirmationModel()), enumName(ConfirmationModel::alert));
        QCOMPARE(store.autoEjectOnSleep(), false);
        QCOMPARE(store.autoEjectOnLock(), false);
        QCOMPARE(store.autoEjectIdleMinutes(), 0);
        QCOMPARE(store.remountOnWake(), true);
        QVERIFY(store.excludedVolumes().isEmpty());
        QCOMPARE(store.languageOverride(), std::nullopt);
        QCOMPARE(store.launchAtLogin(), false);
        QCOMPARE(store.enabledKinds(), kinds({VolumeKind::external, VolumeKind::diskImage,
                                              VolumeKind::network, VolumeKind::internalExtra}));
    }

    void enabledKindsReading()
    {
        auto defaults = SettingsStore::inMemory();
        const PreferencesStore store(*defaults);
        const QString key = QLatin1String(PreferencesStore::enabledKindsKey);

        defaults->setStringList(key, {QStringLiteral("network"), QStringLiteral("floppy")});
        QCOMPARE(store.enabledKinds(), kinds({VolumeKind::network}));
        defaults->setStringList(key, {});
        QCOMPARE(store.enabledKinds(), VolumeKindSet());
        const VolumeKindSet fallback = kinds({VolumeKind::external, VolumeKind::diskImage,
                                              VolumeKind::network, VolumeKind::internalExtra});
        defaults->setObject(key, QVariantList{qint64(1), qint64(2)});
        QCOMPARE(store.enabledKinds(), fallback);
        defaults->setObject(key, QVariantList{QStringLiteral("boot"), true});
        QCOMPARE(store.enabledKinds(), fallback);
        defaults->setString(key, QStringLiteral("network"));
        QCOMPARE(store.enabledKinds(), fallback);
    }

    void enabledKindsAreStoredAsRawValues()
    {
        auto defaults = SettingsStore::inMemory();
        PreferencesStore store(*defaults);
        store.setEnabledKinds(kinds({VolumeKind::systemHidden, VolumeKind::boot}));
        QCOMPARE(
            defaults->stringList(QLatin1String(PreferencesStore::enabledKindsKey)),
            std::optional(QStringList{QStringLiteral("boot"), QStringLiteral("systemHidden")}));
        QCOMPARE(store.enabledKinds(), kinds({VolumeKind::systemHidden, VolumeKind::boot}));
    }

    void sortModeTakesOnlyExactRawValues_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<SortMode>("expected");
        QTest::newRow("size") << QVariant(QStringLiteral("size")) << SortMode::size;
        QTest::newRow("free") << QVariant(QStringLiteral("free")) << SortMode::free;
        QTest::newRow("capitalised") << QVariant(QStringLiteral("Size")) << SortMode::name;
        QTest::newRow("unknown word") << QVariant(QStringLiteral("date")) << SortMode::name;
        QTest::newRow("not a string") << QVariant(qint64(2)) << SortMode::name;
    }

    void sortModeTakesOnlyExactRawValues()
    {
        QFETCH(QVariant, stored);
        QFETCH(SortMode, expected);
        auto defaults = SettingsStore::inMemory();
        defaults->setObject(QLatin1String(PreferencesStore::sortKey), stored);
        QCOMPARE(enumName(PreferencesStore(*defaults).sortMode()), enumName(expected));
    }

    void enumerationsRoundTripAsRawStrings()
    {
        auto defaults = SettingsStore::inMemory();
        PreferencesStore store(*defaults);
        store.setPopoverViewMode(PopoverViewMode::fan);
        store.setWindowIconMode(WindowIconMode::stack);
        store.setConfirmationModel(ConfirmationModel::holdButton);
        QCOMPARE(defaults->string(QLatin1String(PreferencesStore::viewKey)),
                 std::optional(QStringLiteral("fan")));
        QCOMPARE(defaults->string(QLatin1String(PreferencesStore::windowIconKey)),
                 std::optional(QStringLiteral("stack")));
        QCOMPARE(defaults->string(QStringLiteral("confirmationModel")),
                 std::optional(QStringLiteral("holdButton")));
        QCOMPARE(enumName(store.popoverViewMode()), enumName(PopoverViewMode::fan));
        QCOMPARE(enumName(store.windowIconMode()), enumName(WindowIconMode::stack));
        QCOMPARE(enumName(store.confirmationModel()), enumName(ConfirmationModel::holdButton));
    }

    void booleansTakeOnlyBooleans()
    {
        auto defaults = SettingsStore::inMemory();
        PreferencesStore store(*defaults);
        defaults->setString(QLatin1String(PreferencesStore::menuBarKey), QStringLiteral("false"));
        defaults->setInteger(QStringLiteral("remountOnWake"), 0);
        defaults->setInteger(QStringLiteral("autoEjectOnSleep"), 1);
        QCOMPARE(store.menuBarEnabled(), true);
        QCOMPARE(store.remountOnWake(), true);
        QCOMPARE(store.autoEjectOnSleep(), false);

        store.setMenuBarEnabled(false);
        store.setAutoEjectOnLock(true);
        QCOMPARE(defaults->boolValue(QLatin1String(PreferencesStore::menuBarKey)),
                 std::optional(false));
        QCOMPARE(store.menuBarEnabled(), false);
        QCOMPARE(store.autoEjectOnLock(), true);
    }

    void idleMinutesTakeOnlyIntegers()
    {
        auto defaults = SettingsStore::inMemory();
        PreferencesStore store(*defaults);
        const QString key = QStringLiteral("autoEjectIdleMinutes");
        defaults->setString(key, QStringLiteral("5"));
        QCOMPARE(store.autoEjectIdleMinutes(), 0);
        defaults->setDouble(key, 5.0);
        QCOMPARE(store.autoEjectIdleMinutes(), 0);
        store.setAutoEjectIdleMinutes(-3);
        QCOMPARE(defaults->integer(key), std::optional<qint64>(-3));
        QCOMPARE(store.autoEjectIdleMinutes(), -3);
    }

    void excludedVolumes()
    {
        auto defaults = SettingsStore::inMemory();
        PreferencesStore store(*defaults);
        const QString key = QStringLiteral("excludedVolumes");
        const ExcludedVolumeList list{{QStringLiteral("1234-ABCD"), QStringLiteral("Backup")},
                                      {std::nullopt, QStringLiteral("Scratch")}};
        store.setExcludedVolumes(list);
        QVERIFY(defaults->data(key).has_value());
        QCOMPARE(store.excludedVolumes(), list);

        defaults->setData(key, "[{\"name\":");
        QVERIFY(store.excludedVolumes().isEmpty());
        defaults->setString(key, QString::fromLatin1(ExcludedVolume::encodeList(list)));
        QVERIFY(store.excludedVolumes().isEmpty());
    }

    void languageOverrideWritesTheLanguageList()
    {
        auto defaults = SettingsStore::inMemory();
        PreferencesStore store(*defaults);
        store.setLanguageOverride(QStringLiteral("de"));
        QCOMPARE(defaults->string(QStringLiteral("QMLanguageOverride")),
                 std::optional(QStringLiteral("de")));
        QCOMPARE(defaults->stringList(QStringLiteral("AppleLanguages")),
                 std::optional(QStringList{QStringLiteral("de")}));
        QCOMPARE(store.languageOverride(), std::optional(QStringLiteral("de")));

        store.setLanguageOverride(std::nullopt);
        QVERIFY(!defaults->contains(QStringLiteral("QMLanguageOverride")));
        QVERIFY(!defaults->contains(QStringLiteral("AppleLanguages")));
        QCOMPARE(store.languageOverride(), std::nullopt);
    }

    void readsAreNeverCached()
    {
        QTemporaryDir dir;
        auto make = [&] {
            return std::make_unique<SettingsStore>(std::make_unique<JsonFileSettingsBackend>(
                dir.path(), QStringLiteral("com.quillmere.app")));
        };
        auto mine = make();
        auto other = make();
        const PreferencesStore store(*mine);
        QCOMPARE(enumName(store.sortMode()), enumName(SortMode::name));
        other->setString(QLatin1String(PreferencesStore::sortKey), QStringLiteral("kind"));
        QCOMPARE(enumName(store.sortMode()), enumName(SortMode::kind));
    }

    void migrationCopiesMissingKeysOnce()
    {
        auto standard = SettingsStore::inMemory(QStringLiteral("com.quillmere.app"));
        auto legacy = standard->suite(QStringLiteral("com.jtarnwick.Kestrin"));
        legacy->setBool(QStringLiteral("autoEjectOnSleep"), true);
        legacy->setBool(QStringLiteral("dockEnabled"), false);
        legacy->setString(QStringLiteral("sortMode"), QStringLiteral("Size"));
        legacy->setData(QStringLiteral("excludedVolumes"), "[]");
        legacy->setString(QStringLiteral("QMLanguageOverride"), QStringLiteral("fr"));
        standard->setBool(QStringLiteral("dockEnabled"), true);

        PreferencesStore::migrateFromKestrinDefaults(*standard);
        QCOMPARE(standard->boolValue(QStringLiteral("autoEjectOnSleep")), std::optional(true));
        QCOMPARE(standard->boolValue(QStringLiteral("dockEnabled")), std::optional(true));
        // Copied unchanged, whatever it holds.
        QCOMPARE(standard->string(QStringLiteral("sortMode")),
                 std::optional(QStringLiteral("Size")));
        QVERIFY(!standard->contains(QStringLiteral("excludedVolumes")));
        QVERIFY(!standard->contains(QStringLiteral("QMLanguageOverride")));
        QCOMPARE(standard->boolValue(QStringLiteral("migratedFromKestrinDefaults")),
                 std::optional(true));

        standard->remove(QStringLiteral("autoEjectOnSleep"));
        PreferencesStore::migrateFromKestrinDefaults(*standard);
        QVERIFY(!standard->contains(QStringLiteral("autoEjectOnSleep")));
    }

    void migrationWithoutPredecessorStillMarksItselfDone()
    {
        QTemporaryDir dir;
        SettingsStore standard(std::make_unique<JsonFileSettingsBackend>(
            dir.path(), QStringLiteral("com.quillmere.app")));
        PreferencesStore::migrateFromKestrinDefaults(standard);
        QCOMPARE(standard.keys(), QStringList{QStringLiteral("migratedFromKestrinDefaults")});
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("com.jtarnwick.Kestrin.json"))));
    }
};

QTEST_GUILESS_MAIN(TestPreferencesStore)
#include "tst_preferencesstore.moc"
