#include "appfakes.h"

#include "discovery/volumestore.h"
#include "format/capacityformatter.h"
#include "stores/appsupport.h"
#include "stores/historyentrycodec.h"
#include "stores/l10n.h"
#include "stores/preferencesstore.h"
#include "surfaces/trayicon.h"
#include "surfaces/volumeactionsmenu.h"
#include "surfaces/volumeiconprovider.h"
#include "window/confirmationdialog.h"
#include "window/erasepanel.h"

#include <QDir>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// The compiled catalogues of each language, as the programs load them: the status menu and the
// erase panel in that language, numbers in its locale, and the command-line tool following
// LANGUAGE, LANG and the preferences.
class TestTranslations : public QObject {
    Q_OBJECT

    struct Texts {
        QStringList menu;
        QStringList submenu;
        QStringList erasePanel;
    };

    static QStringList titles(const QMenu *menu)
    {
        QStringList lines;
        for (const QAction *action : menu->actions()) {
            // The capacity gauge row has no text; it paints CapacityFormatter's.
            if (!action->isSeparator() && !action->text().isEmpty())
                lines.append(action->text());
        }
        return lines;
    }

    // The status menu with one mounted stick, and the erase panel for it.
    static Texts shownTexts()
    {
        auto source = std::make_shared<FakeDiskSource>();
        source->volumes = {removableVolume(QStringLiteral("Stick"))};
        VolumeStore store(source, VolumeStore::defaultEnabledKinds());
        store.start();
        VolumeIconProvider icons;
        VolumeActionsMenu actions;
        TrayIcon status(&store, &icons, &actions);
        status.volumeHandlers = VolumeSurfaceHandlers{[](const Volume &) {}, [](const Volume &) {}};
        status.refresh();

        Texts texts;
        texts.menu = titles(status.menu());
        texts.submenu = titles(status.volumeItems().at(0).second->menu());
        ErasePanel panel(source->volumes.first());
        texts.erasePanel = {panel.message(), panel.informativeText(), panel.firstButton()->text(),
                            panel.cancelButton()->text(), panel.nameField()->placeholderText()};
        return texts;
    }

    static QString cli() { return QStringLiteral(QUILLMERE_CLI_PATH); }

    QTemporaryDir m_home;
    Texts m_english;

    // The command-line tool in an environment of its own: the settings and history of this
    // test, UTC, and no language but the one given.
    QString runCli(const QStringList &arguments, const QStringList &variables) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name :
             {"LANGUAGE", "LANG", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LC_TIME"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           m_home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           m_home.filePath(QStringLiteral("data")));
        for (const QString &variable : variables)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(cli(), arguments);
        if (!process.waitForFinished(30000))
            return QStringLiteral("(no answer)");
        return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    }

    void setOverride(const std::optional<QString> &code)
    {
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toLocal8Bit());
        PreferencesStore(*SettingsStore::standard()).setLanguageOverride(code);
        qunsetenv("XDG_CONFIG_HOME");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        L10n::install(QStringLiteral("en"), {QUILLMERE_QM_DIR});
        m_english = shownTexts();
        QVERIFY(m_english.menu.contains(QStringLiteral("Eject All")));
        QCOMPARE(m_english.erasePanel.size(), 5);

        // Two history lines of a known time for the command-line tool.
        qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toLocal8Bit());
        const QString folder = AppSupport::directoryURL();
        qunsetenv("XDG_DATA_HOME");
        QVERIFY(QDir().mkpath(folder));
        QFile log(QDir(folder).filePath(QStringLiteral("history.jsonl")));
        QVERIFY(log.open(QIODevice::WriteOnly));
        const QDateTime date(QDate(2025, 3, 4), QTime(14, 5, 6), Qt::UTC);
        log.write(
            HistoryEntryCodec::encode({date, QStringLiteral("Stick"), QStringLiteral("sdb1"),
                                       QStringLiteral("eject"), true, std::nullopt, std::nullopt}) +
            '\n');
        log.write(HistoryEntryCodec::encode({date.addSecs(60), QStringLiteral("Stick"),
                                             QStringLiteral("sdb1"), QStringLiteral("eject"), false,
                                             QStringLiteral("busy"), std::nullopt}) +
                  '\n');
    }

    void cleanup() { L10n::install(QStringLiteral("en"), {QUILLMERE_QM_DIR}); }

    void everyLanguageTranslatesTheMenuAndTheErasePanel_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("ejectAll");
        QTest::addColumn<QString>("openDisks");
        QTest::addColumn<QString>("eraseButton");
        for (const auto &row :
             {std::array{"de", "Alle auswerfen", "Laufwerke öffnen", "Formatieren"},
              std::array{"fr", "Tout éjecter", "Ouvrir Disques", "Formater"},
              std::array{"ja", "すべて取り出す", "「ディスク」を開く", "フォーマット"},
              std::array{"es", "Expulsar todo", "Abrir Discos", "Formatear"}})
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1])
                                  << QString::fromUtf8(row[2]) << QString::fromUtf8(row[3]);
    }

    void everyLanguageTranslatesTheMenuAndTheErasePanel()
    {
        QFETCH(QString, language);
        QFETCH(QString, ejectAll);
        QFETCH(QString, openDisks);
        QFETCH(QString, eraseButton);

        const QStringList loaded = L10n::install(language, {QUILLMERE_QM_DIR});
        for (const QString &module : L10n::modules()) {
            QVERIFY2(loaded.contains(QStringLiteral("%1/%2_%3.qm")
                                         .arg(QStringLiteral(QUILLMERE_QM_DIR), module, language)),
                     qPrintable(loaded.join(u' ')));
        }
        const Texts texts = shownTexts();

        QCOMPARE(texts.menu.size(), m_english.menu.size());
        for (qsizetype i = 0; i < texts.menu.size(); ++i)
            QVERIFY2(texts.menu[i] != m_english.menu[i], qPrintable(texts.menu[i]));
        QCOMPARE(texts.submenu.size(), m_english.submenu.size());
        for (qsizetype i = 0; i < texts.submenu.size(); ++i)
            QVERIFY2(texts.submenu[i] != m_english.submenu[i], qPrintable(texts.submenu[i]));
        for (qsizetype i = 0; i < texts.erasePanel.size(); ++i)
            QVERIFY2(texts.erasePanel[i] != m_english.erasePanel[i],
                     qPrintable(texts.erasePanel[i]));

        // Translated for Linux, not from the macOS source text.
        QVERIFY(texts.menu.contains(ejectAll));
        QVERIFY(texts.menu.contains(openDisks));
        QCOMPARE(texts.erasePanel[2], eraseButton);
        const QString all = (texts.menu + texts.submenu + texts.erasePanel).join(u'|');
        QVERIFY2(!all.contains(QLatin1String("Finder")) &&
                     !all.contains(QLatin1String("Volumes")) &&
                     !all.contains(QLatin1String("Disk Utility")),
                 qPrintable(all));
    }

    // A confirmation body is two sentences; Japanese puts no space after its full stop.
    void confirmationSentencesJoinAsTheLanguageWrites()
    {
        L10n::install(QStringLiteral("ja"), {QUILLMERE_QM_DIR});
        const QString japanese = ConfirmationDialog(ConfirmationModel::holdButton,
                                                    VolumeOperation::erase, QStringLiteral("Stick"))
                                     .informativeText();
        QVERIFY2(japanese.contains(QStringLiteral("取り消せません。下のボタン")),
                 qPrintable(japanese));
        L10n::install(QStringLiteral("de"), {QUILLMERE_QM_DIR});
        const QString german = ConfirmationDialog(ConfirmationModel::typeName,
                                                  VolumeOperation::eject, QStringLiteral("Stick"))
                                   .informativeText();
        QVERIFY2(german.contains(QStringLiteral("auswerfen? Geben Sie")), qPrintable(german));
    }

    void numbersFollowTheChosenLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("kilobytes");
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("two");
        QTest::addColumn<QString>("gauge");
        QTest::newRow("en") << "en"
                            << "1.5 KB"
                            << "1 bytes"
                            << "2 bytes"
                            << "50% (0.5/1.0 TB)";
        QTest::newRow("de") << "de"
                            << "1,5 kB"
                            << "1 Byte"
                            << "2 Byte"
                            << "50\u00a0% (0,5/1,0 TB)";
        QTest::newRow("fr") << "fr"
                            << "1,5 ko"
                            << "1 octet"
                            << "2 octets"
                            << "50\u202f% (0,5/1,0\u00a0To)";
        QTest::newRow("ja") << "ja"
                            << "1.5 KB"
                            << "1 バイト"
                            << "2 バイト"
                            << "50% (0.5/1.0 TB)";
        QTest::newRow("es") << "es"
                            << "1,5 kB"
                            << "1 byte"
                            << "2 bytes"
                            << "50\u00a0% (0,5/1,0 TB)";
    }

    void numbersFollowTheChosenLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, kilobytes);
        QFETCH(QString, one);
        QFETCH(QString, two);
        QFETCH(QString, gauge);
        L10n::install(language, {QUILLMERE_QM_DIR});
        QCOMPARE(QLocale().language(), QLocale(language).language());
        QCOMPARE(CapacityFormatter::humanBytes(1500), kilobytes);
        QCOMPARE(CapacityFormatter::humanBytes(1), one);
        QCOMPARE(CapacityFormatter::humanBytes(2), two);
        QCOMPARE(CapacityFormatter::usageSummary(500'000'000'000, 1'000'000'000'000), gauge);
    }

    // The tool as a user starts it: the language from LANGUAGE, LANG or the preferences, and
    // dates in that language's order.
    void theCommandLineToolFollowsTheEnvironmentAndThePreferences_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("override");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("failedLine");
        QTest::newRow("LANG=C") << QStringList{QStringLiteral("LANG=C.UTF-8")} << QString()
                                << "Lists the volumes Quillmere sees."
                                << "4 Mar 2025 14:06:06  eject       failed Stick (sdb1): busy";
        QTest::newRow("LANGUAGE=de")
            << QStringList{QStringLiteral("LANGUAGE=de"), QStringLiteral("LANG=C.UTF-8")}
            << QString() << "Listet die Datenträger auf, die Quillmere sieht."
            << "04.03.2025 14:06:06  eject       Fehler Stick (sdb1): busy";
        QTest::newRow("LANG=fr_FR") << QStringList{QStringLiteral("LANG=fr_FR.UTF-8")} << QString()
                                    << "Liste les volumes que voit Quillmere."
                                    << "04/03/2025 14:06:06  eject       échec Stick (sdb1): busy";
        QTest::newRow("LANGUAGE=ja") << QStringList{QStringLiteral("LANGUAGE=ja")} << QString()
                                     << "Quillmere が認識しているボリュームを一覧表示します。"
                                     << "2025/03/04 14:06:06  eject       失敗 Stick (sdb1): busy";
        QTest::newRow("override es over LANGUAGE=de")
            << QStringList{QStringLiteral("LANGUAGE=de"), QStringLiteral("LANG=C.UTF-8")} << "es"
            << "Muestra los volúmenes que ve Quillmere."
            << "4/3/2025 14:06:06  eject       error Stick (sdb1): busy";
    }

    void theCommandLineToolFollowsTheEnvironmentAndThePreferences()
    {
        QFETCH(QStringList, variables);
        QFETCH(QString, override);
        QFETCH(QString, description);
        QFETCH(QString, failedLine);
        setOverride(override.isEmpty() ? std::nullopt : std::optional<QString>(override));

        const QString help = runCli({QStringLiteral("--help")}, variables);
        QVERIFY2(help.contains(description), qPrintable(help));

        const QStringList lines =
            runCli({QStringLiteral("history")}, variables).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], failedLine);
    }

    // Qt's own words in the tool's help ("Options:", the help option) are translated too: by
    // Qt's catalogue of the language, or where it lacks them, by the program's.
    void qtsOwnTextsAreTranslatedToo()
    {
        setOverride(std::nullopt);
        const QString qtCatalogue = QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                                        .filePath(QStringLiteral("qtbase_de.qm"));
        QVERIFY2(QFile::exists(qtCatalogue),
                 "Qt's catalogues are missing: scripts/install-deps.sh installs them");
        for (const char *language : {"de", "fr", "ja", "es"}) {
            const QString help = runCli({QStringLiteral("--help")},
                                        {QStringLiteral("LANGUAGE=") + QLatin1String(language)});
            QVERIFY2(help.contains(QLatin1String("--help-all")), qPrintable(help));
            for (const char *english : {"Options:", "Usage:", "Displays", "Show every"})
                QVERIFY2(!help.contains(QLatin1String(english)), qPrintable(help));
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
