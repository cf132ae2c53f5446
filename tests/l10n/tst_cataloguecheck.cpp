#include "cataloguecheck.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace CatalogueCheck;

// The check that keeps the catalogues complete: what it finds in small catalogues written here,
// and the check program run over a tiny module of code with lupdate.
class TestCatalogueCheck : public QObject {
    Q_OBJECT

    static QByteArray ts(const char *language, const QByteArray &messages)
    {
        return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                          "<TS version=\"2.1\" language=\"") +
               language + "\" sourcelanguage=\"en\">\n<context>\n    <name>Menu</name>\n" +
               messages + "</context>\n</TS>\n";
    }

    static QByteArray message(const QByteArray &source, const QByteArray &translation,
                              const QByteArray &type = {})
    {
        const QByteArray attribute = type.isEmpty() ? QByteArray() : " type=\"" + type + "\"";
        return "    <message>\n        <source>" + source + "</source>\n        <translation" +
               attribute + ">" + translation + "</translation>\n    </message>\n";
    }

    static QByteArray plural(const QByteArray &source, const QList<QByteArray> &forms)
    {
        QByteArray text = "    <message numerus=\"yes\">\n        <source>" + source +
                          "</source>\n        <translation>\n";
        for (const QByteArray &form : forms)
            text += "            <numerusform>" + form + "</numerusform>\n";
        return text + "        </translation>\n    </message>\n";
    }

    static QStringList problemsOf(const char *language, const QByteArray &messages)
    {
        return problems(parse(ts(language, messages), QStringLiteral("quillmere_app_x.ts")));
    }

    static void write(const QString &path, const QByteArray &data)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

private slots:
    void placeholdersAreTheNumberedOnesAndN()
    {
        QCOMPARE(placeholders(QStringLiteral("%1% (%2/%3 %4)")),
                 QStringList({"%1", "%2", "%3", "%4"}));
        QCOMPARE(placeholders(QStringLiteral("%2 then %1 and %1 again")),
                 QStringList({"%1", "%2"}));
        QCOMPARE(placeholders(QStringLiteral("%n files, %Ln bytes, %L1 of %12")),
                 QStringList({"%12", "%L1", "%Ln", "%n"}));
        QCOMPARE(placeholders(QStringLiteral("50 % done, 0x%1, %a %0")), QStringList({"%1"}));
    }

    void aCompleteCatalogueHasNoFaults()
    {
        const QByteArray messages = message("Eject “%1”?", "„%1“ auswerfen?") +
                                    message("Free: %1 of %2", "%2 – davon %1 frei") +
                                    plural("%n volume(s)", {"%n Datenträger", "%n Datenträger"});
        QCOMPARE(problemsOf("de", messages), QStringList());
    }

    void findsUnfinishedObsoleteAndEmptyMessages()
    {
        const QStringList found =
            problemsOf("de", message("Eject All", "", "unfinished") +
                                 message("Old text", "Alter Text", "obsolete") +
                                 message("Gone text", "Weg", "vanished") + message("History…", ""));
        QCOMPARE(found.size(), 4);
        QVERIFY(found[0].contains(QStringLiteral("“Eject All”: unfinished")));
        QVERIFY(found[0].startsWith(QLatin1String("quillmere_app_x.ts:")));
        QVERIFY(found[1].contains(QStringLiteral("“Old text”: obsolete")));
        QVERIFY(found[2].contains(QStringLiteral("“Gone text”: obsolete")));
        QVERIFY(found[3].contains(QStringLiteral("“History…”: empty")));
    }

    // The source texts are the English wording; the English catalogue only adds plural forms.
    void theEnglishCatalogueRewritesNothing()
    {
        QCOMPARE(problemsOf("en", message("Eject All", "", "unfinished")), QStringList());
        QCOMPARE(problemsOf("en", message("Old", "Old", "vanished")).size(), 1);
        const QStringList rewritten =
            problemsOf("en", message("Open in Finder", "Open in File Manager"));
        QCOMPARE(rewritten.size(), 1);
        QVERIFY(rewritten[0].contains(QStringLiteral("rewrites the source text")));
    }

    void findsDroppedAddedAndChangedPlaceholders()
    {
        const QStringList found = problemsOf(
            "fr", message("Renamed “%1” to “%2”.", "« %1 » renommé.") +
                      message("Couldn’t eject “%1”", "Impossible d’éjecter « %1 » (%2)") +
                      message("%1 free", "%L1 libres") + message("%1% used", "%1 % utilisés"));
        QCOMPARE(found.size(), 4);
        QVERIFY(found[0].endsWith(QLatin1String(": drops %2")));
        QVERIFY(found[1].endsWith(QLatin1String(": adds %2")));
        QVERIFY(found[2].endsWith(QLatin1String(": drops %1")));
        QVERIFY(found[3].endsWith(QLatin1String(": adds %L1")));
    }

    void checksEveryPluralForm()
    {
        QCOMPARE(problemsOf("ja", plural("%n volume(s)", {"%n 個のボリューム"})), QStringList());
        const QStringList found =
            problemsOf("fr", plural("%n volume(s)", {"%n volume", "des volumes"}) +
                                 plural("%n file(s)", {"%n fichier", ""}));
        QCOMPARE(found.size(), 2);
        QVERIFY(found[0].endsWith(QLatin1String("(plural form 2): drops %n")));
        QVERIFY(found[1].endsWith(QLatin1String("(plural form 2): empty")));
    }

    void aBrokenFileIsAFault()
    {
        const QStringList found = problems(parse(
            "<TS language=\"de\"><context><name>x</name><message>", QStringLiteral("broken.ts")));
        QCOMPARE(found.size(), 1);
        QVERIFY(found[0].startsWith(QLatin1String("broken.ts: line")));
        QCOMPARE(problems(read(QStringLiteral("/nonexistent/quillmere_app_de.ts"))).size(), 1);
    }

    void staleCataloguesAreFaults()
    {
        const Catalogue committed =
            parse(ts("de", message("Eject", "Auswerfen") + message("Old", "Alt", "vanished")),
                  QStringLiteral("quillmere_app_de.ts"));
        QCOMPARE(staleness(committed, committed), QStringList());
        const Catalogue refreshed = parse(ts("de", message("Eject", "Auswerfen", "vanished") +
                                                       message("Old", "Alt", "vanished") +
                                                       message("Eject All", "", "unfinished")));
        const QStringList found = staleness(committed, refreshed);
        QCOMPARE(found.size(), 2);
        QVERIFY(found[0].contains(QStringLiteral("“Eject”: no longer in the code")));
        QVERIFY(
            found[1].contains(QStringLiteral("“Eject All”: in the code but not in the catalogue")));
    }

    // The program as CTest runs it, over a module whose code gained a text.
    void theCheckProgramComparesWithTheCode()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("code")));
        write(dir.filePath(QStringLiteral("code/menu.cpp")),
              "#include <QCoreApplication>\n"
              "QString a() { return QCoreApplication::translate(\"Menu\", \"Eject %1\"); }\n");
        const QString catalogue = dir.filePath(QStringLiteral("demo_de.ts"));
        write(catalogue, ts("de", message("Eject %1", "%1 auswerfen")));

        const auto check = [&](QStringList extra) {
            QProcess process;
            process.setProcessChannelMode(QProcess::MergedChannels);
            process.start(
                QStringLiteral(QUILLMERE_CATALOGUE_CHECK),
                QStringList{QStringLiteral("--lupdate"), QStringLiteral(QUILLMERE_LUPDATE),
                            QStringLiteral("--module"),
                            QStringLiteral("demo=") + dir.filePath(QStringLiteral("code"))} +
                    extra + QStringList{catalogue});
            process.waitForFinished(60000);
            return std::pair{process.exitCode(), QString::fromUtf8(process.readAll())};
        };

        auto [code, output] = check({});
        QVERIFY2(code == 0, qPrintable(output));
        QVERIFY(output.contains(QLatin1String("1 catalogues, 0 faults")));

        write(dir.filePath(QStringLiteral("code/more.cpp")),
              "#include <QCoreApplication>\n"
              "QString b() { return QCoreApplication::translate(\"Menu\", \"Eject All\"); }\n");
        std::tie(code, output) = check({});
        QCOMPARE(code, 1);
        QVERIFY2(
            output.contains(QStringLiteral("demo_de.ts: Menu: “Eject All”: in the code but not "
                                           "in the catalogue")),
            qPrintable(output));
        // The committed file is left as it was.
        QCOMPARE(read(catalogue).messages.size(), 1);

        std::tie(code, output) = check({QStringLiteral("--status")});
        QCOMPARE(code, 0);
        QVERIFY2(output.contains(QLatin1String("demo_de.ts: 1 texts, 0 unfinished")) &&
                     output.contains(QLatin1String("not yet in the catalogue")) &&
                     output.contains(QStringLiteral("Menu: “Eject All”")),
                 qPrintable(output));
    }
};

QTEST_MAIN(TestCatalogueCheck)
#include "tst_cataloguecheck.moc"
