#include "stores/appchannel.h"
#include "stores/applanguage.h"
#include "stores/appsupport.h"
#include "stores/l10n.h"
#include "stores/ownedfile.h"
#include "stores/userhome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A catalogue with one message in context "Test", compiled by the installed lrelease.
bool makeCatalogue(const QString &directory, const QString &name, const QString &language,
                   const QString &source, const QString &translation)
{
    const QString ts = QDir(directory).filePath(name + QStringLiteral(".ts"));
    QFile file(ts);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                              "<!DOCTYPE TS><TS version=\"2.1\" language=\"%1\">"
                              "<context><name>Test</name><message><source>%2</source>"
                              "%3</message></context></TS>\n")
                   .arg(language, source,
                        // What lupdate writes for a text nobody has translated yet.
                        translation.isEmpty()
                            ? QStringLiteral("<translation type=\"unfinished\"></translation>")
                            : QStringLiteral("<translation>%1</translation>").arg(translation))
                   .toUtf8());
    file.close();
    const QString lrelease =
        QDir(QLibraryInfo::path(QLibraryInfo::BinariesPath)).filePath(QStringLiteral("lrelease"));
    QProcess process;
    process.start(lrelease, {QStringLiteral("-silent"), ts, QStringLiteral("-qm"),
                             QDir(directory).filePath(name + QStringLiteral(".qm"))});
    return process.waitForFinished(30000) && process.exitCode() == 0;
}

QString translated(const char *source)
{
    return QCoreApplication::translate("Test", source);
}

} // namespace

class TestAppSupport : public QObject {
    Q_OBJECT

private slots:
    void theHomeIsNeverTheRootFolderNorSomeoneElsesForRoot()
    {
        using UserHome::Candidate;
        using UserHome::choose;
        const Candidate none{QString(), std::nullopt};
        const Candidate root{QStringLiteral("/"), 0};
        const Candidate missing{QStringLiteral("/nonexistent"), std::nullopt};
        const Candidate alice{QStringLiteral("/home/alice"), 1000};
        const Candidate rootHome{QStringLiteral("/root"), 0};
        QCOMPARE(choose(alice, missing, 1000), std::optional(QStringLiteral("/home/alice")));
        QCOMPARE(choose(none, alice, 1000), std::optional(QStringLiteral("/home/alice")));
        QCOMPARE(choose(root, alice, 1000), std::optional(QStringLiteral("/home/alice")));
        QCOMPARE(choose(missing, alice, 1000), std::optional(QStringLiteral("/home/alice")));
        QCOMPARE(choose(Candidate{QStringLiteral("relative"), 1000}, alice, 1000),
                 std::optional(QStringLiteral("/home/alice")));
        QCOMPARE(choose(none, missing, 999), std::nullopt);
        QCOMPARE(choose(root, root, 999), std::nullopt);
        // Root through sudo with the user's HOME still keeps to its own folders.
        QCOMPARE(choose(alice, rootHome, 0), std::optional(QStringLiteral("/root")));
        QCOMPARE(choose(alice, missing, 0), std::nullopt);
    }

    void ownFilesAreOnlyWrittenWhenTheyAreWhatTheySeem()
    {
        using OwnedFile::Facts;
        const uint me = 1000;
        Facts plain;
        plain.exists = plain.targetExists = plain.folderExists = true;
        plain.targetOwner = plain.folderOwner = me;
        QVERIFY(OwnedFile::writeProblem(plain, me).isEmpty());
        QVERIFY(OwnedFile::readProblem(plain, me).isEmpty());

        Facts absent;
        absent.folderExists = true;
        absent.folderOwner = me;
        QVERIFY(OwnedFile::writeProblem(absent, me).isEmpty());
        absent.folderOwner = 0;
        QVERIFY(!OwnedFile::writeProblem(absent, me).isEmpty());

        Facts link = plain;
        link.isLink = true;
        link.linkOwner = me;
        QVERIFY(OwnedFile::writeProblem(link, me).isEmpty());
        link.linkOwner = 1001;
        QVERIFY(!OwnedFile::writeProblem(link, me).isEmpty());
        QVERIFY(!OwnedFile::readProblem(link, me).isEmpty());
        link.linkOwner = me;
        link.targetOwner = 1001;
        QVERIFY(!OwnedFile::writeProblem(link, 0).isEmpty());

        Facts dangling;
        dangling.exists = dangling.isLink = true;
        dangling.linkOwner = me;
        dangling.folderExists = true;
        dangling.folderOwner = me;
        QVERIFY(!OwnedFile::writeProblem(dangling, me).isEmpty());
        QVERIFY(!OwnedFile::readProblem(dangling, me).isEmpty());

        // The atomic replacement keeps an allowed link and writes its target.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString target = dir.filePath(QStringLiteral("target.json"));
        const QString path = dir.filePath(QStringLiteral("link.json"));
        QFile(target).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(target, path));
        QVERIFY(OwnedFile::replace(path, "{}"));
        QVERIFY(QFileInfo(path).isSymLink());
        QFile written(target);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("{}"));
        QVERIFY(QFile::remove(target));
        QVERIFY(!OwnedFile::replace(path, "{}"));
        QVERIFY(!QFileInfo::exists(target));
    }

    void directoryName_data()
    {
        QTest::addColumn<std::optional<QString>>("identifier");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << std::optional<QString>() << QStringLiteral("Quillmere");
        QTest::newRow("base") << std::optional(QStringLiteral("com.quillmere.app"))
                              << QStringLiteral("Quillmere");
        QTest::newRow("beta") << std::optional(QStringLiteral("com.quillmere.app.beta"))
                              << QStringLiteral("Quillmere Beta");
        QTest::newRow("staging") << std::optional(QStringLiteral("com.quillmere.app.staging"))
                                 << QStringLiteral("Quillmere Staging");
        QTest::newRow("empty rest")
            << std::optional(QStringLiteral("com.quillmere.app.")) << QStringLiteral("Quillmere ");
        QTest::newRow("other prefix")
            << std::optional(QStringLiteral("com.quillmere.apple")) << QStringLiteral("Quillmere");
        QTest::newRow("foreign") << std::optional(QStringLiteral("org.example.tool"))
                                 << QStringLiteral("Quillmere");
    }

    void directoryName()
    {
        QFETCH(std::optional<QString>, identifier);
        QFETCH(QString, expected);
        QCOMPARE(AppSupport::directoryName(identifier), expected);
    }

    void directoryUnderTheUsersDataFolder()
    {
        QTemporaryDir data;
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        QCOMPARE(AppSupport::baseURL(), data.path());
        QCOMPARE(
            AppSupport::directoryURL(),
            QDir(data.path()).filePath(AppSupport::directoryName(AppSupport::bundleIdentifier())));
        QVERIFY(!QFile::exists(AppSupport::directoryURL()));
        qputenv("XDG_DATA_HOME", saved);
    }

    void channel()
    {
        QVERIFY(AppChannel::detect(QStringLiteral("com.quillmere.app.staging")).isStaging());
        QVERIFY(AppChannel::detect(QStringLiteral("org.other.staging")).isStaging());
        QVERIFY(!AppChannel::detect(QStringLiteral("com.quillmere.app")).isStaging());
        QVERIFY(!AppChannel::detect(QStringLiteral("com.quillmere.app.stagingx")).isStaging());
        QVERIFY(!AppChannel::detect(std::nullopt).isStaging());
        QCOMPARE(AppChannel::current(), AppChannel::detect(AppSupport::bundleIdentifier()));
    }

    void languages()
    {
        QStringList codes;
        QStringList endonyms;
        for (const AppLanguage language : AppLanguage::allCases()) {
            codes.append(language.code());
            endonyms.append(language.endonym());
        }
        QCOMPARE(codes, (QStringList{"en", "de", "fr", "ja", "es"}));
        QCOMPARE(endonyms, (QStringList{QStringLiteral("English"), QStringLiteral("Deutsch"),
                                        QStringLiteral("Français"), QStringLiteral("日本語"),
                                        QStringLiteral("Español")}));
        QCOMPARE(AppLanguage::fromCode(QStringLiteral("ja")),
                 std::optional(AppLanguage(AppLanguage::ja)));
        QCOMPARE(AppLanguage::fromCode(QStringLiteral("JA")), std::nullopt);
        QCOMPARE(AppLanguage::fromCode(QStringLiteral("pt")), std::nullopt);
    }

    void catalogues()
    {
        QTemporaryDir dir;
        if (!makeCatalogue(dir.path(), QStringLiteral("quillmere_core_de"), QStringLiteral("de"),
                           QStringLiteral("Eject"), QStringLiteral("Auswerfen")) ||
            !makeCatalogue(dir.path(), QStringLiteral("quillmere_core_en"), QStringLiteral("en"),
                           QStringLiteral("Open in Finder"),
                           QStringLiteral("Open in File Manager")))
            QSKIP("lrelease is not available to build test catalogues");

        // German on top of English: what German lacks shows in the Linux wording.
        QStringList loaded = L10n::install(QStringLiteral("de"), {dir.path()});
        QCOMPARE(loaded, (QStringList{dir.filePath(QStringLiteral("quillmere_core_en.qm")),
                                      dir.filePath(QStringLiteral("quillmere_core_de.qm"))}));
        QCOMPARE(translated("Eject"), QStringLiteral("Auswerfen"));
        QCOMPARE(translated("Open in Finder"), QStringLiteral("Open in File Manager"));

        // No French catalogue: the German one is gone and the English one remains.
        loaded = L10n::install(QStringLiteral("fr"), {dir.path()});
        QCOMPARE(loaded, QStringList{dir.filePath(QStringLiteral("quillmere_core_en.qm"))});
        QCOMPARE(translated("Eject"), QStringLiteral("Eject"));
        QCOMPARE(translated("Open in Finder"), QStringLiteral("Open in File Manager"));

        // A Spanish catalogue nobody has translated yet does not hide the English one.
        QVERIFY(makeCatalogue(dir.path(), QStringLiteral("quillmere_core_es"), QStringLiteral("es"),
                              QStringLiteral("Eject"), QString()));
        loaded = L10n::install(QStringLiteral("es"), {dir.path()});
        QCOMPARE(loaded, QStringList{dir.filePath(QStringLiteral("quillmere_core_en.qm"))});
        QCOMPARE(translated("Open in Finder"), QStringLiteral("Open in File Manager"));

        // English asks for nothing else.
        loaded = L10n::install(QStringLiteral("en_GB"), {dir.path()});
        QCOMPARE(loaded, QStringList{dir.filePath(QStringLiteral("quillmere_core_en.qm"))});

        // No catalogue at all is not an error; the source texts show.
        QTemporaryDir empty;
        QVERIFY(L10n::install(QStringLiteral("de"), {empty.path()}).isEmpty());
        QCOMPARE(translated("Open in Finder"), QStringLiteral("Open in Finder"));
    }

    void localeFollowsTheOverride()
    {
        QCOMPARE(L10n::localeFor(QStringLiteral("ja")).language(), QLocale::Japanese);
        QCOMPARE(L10n::localeFor(std::nullopt), QLocale::system());
    }

    void formatsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("override");
        QTest::addColumn<QString>("systemFormats");
        // Stands in for QLocale::system(): its formats, or on a C system its first language
        // (LANGUAGE), which is all formatsLocale reads of it there.
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("expected");
        // The preference brings its language's formats, over whatever the system uses...
        QTest::newRow("override, C system") << "fr"
                                            << "C.UTF-8"
                                            << "C"
                                            << "fr_FR";
        QTest::newRow("override, other system") << "ja"
                                                << "de_DE.UTF-8"
                                                << "de_DE"
                                                << "ja_JP";
        // ...but a system of the same language keeps its region.
        QTest::newRow("override, same language") << "de"
                                                 << "de_CH.UTF-8"
                                                 << "de_CH"
                                                 << "de_CH";
        // Without one, the system's formats hold, as LC_NUMERIC and LANG set them.
        QTest::newRow("system formats") << QString() << "es_ES.UTF-8"
                                        << "es_ES"
                                        << "es_ES";
        // A C system has no formats of its own: those of the language the texts are in.
        QTest::newRow("LANGUAGE on a C system") << QString() << "C.UTF-8"
                                                << "de-AT"
                                                << "de_AT";
        QTest::newRow("LANGUAGE, no LANG") << QString() << ""
                                           << "ja"
                                           << "ja_JP";
        QTest::newRow("POSIX, no language") << QString() << "POSIX"
                                            << "C"
                                            << "C";
    }

    void formatsFollowTheLanguage()
    {
        QFETCH(QString, override);
        QFETCH(QString, systemFormats);
        QFETCH(QString, system);
        QFETCH(QString, expected);
        const QLocale locale = L10n::formatsLocale(
            override.isEmpty() ? std::nullopt : std::optional<QString>(override), systemFormats,
            QLocale(system));
        QCOMPARE(locale.name(), expected);
    }
};

QTEST_GUILESS_MAIN(TestAppSupport)
#include "tst_appsupport.moc"
