#include "stores/autostartentry.h"

#include <QTest>

// The autostart entry as written, and as the desktop reads an entry someone else changed.
class TestAutostartEntry : public QObject {
    Q_OBJECT

private slots:
    void execValue_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "/usr/bin/quillmere"
                               << "/usr/bin/quillmere";
        QTest::newRow("space") << "/home/ann/My Apps/Quillmere.AppImage"
                               << "\"/home/ann/My Apps/Quillmere.AppImage\"";
        // Inside quotes ", `, $ and \ take a backslash; the string escape then doubles every
        // backslash, so a literal one is four.
        QTest::newRow("shell characters") << "/opt/a$b\"c`d"
                                          << "\"/opt/a\\\\$b\\\\\"c\\\\`d\"";
        QTest::newRow("backslash") << "/opt/a\\b"
                                   << "\"/opt/a\\\\\\\\b\"";
        QTest::newRow("percent") << "/opt/100%/quillmere"
                                 << "/opt/100%%/quillmere";
        QTest::newRow("newline") << "/opt/a\nb"
                                 << "\"/opt/a\\nb\"";
    }

    void execValue()
    {
        QFETCH(QString, program);
        QFETCH(QString, expected);
        QCOMPARE(AutostartEntry::execValue(program), expected);
    }

    void writtenEntryStartsTheProgram()
    {
        const QString program = QStringLiteral("/home/ann/Apps/Quillmere.AppImage");
        const QByteArray contents = AutostartEntry::contents(program);
        const QList<QByteArray> lines = contents.split('\n');
        QCOMPARE(lines.constFirst(), QByteArray("[Desktop Entry]"));
        QVERIFY(lines.contains("Type=Application"));
        QVERIFY(lines.contains("Exec=/home/ann/Apps/Quillmere.AppImage"));
        QVERIFY(lines.contains("TryExec=/home/ann/Apps/Quillmere.AppImage"));
        QVERIFY(contents.endsWith('\n'));
        QVERIFY(AutostartEntry::isInEffect(contents));
        QCOMPARE(AutostartEntry::fileName(QStringLiteral("com.quillmere.app.staging")),
                 QStringLiteral("com.quillmere.app.staging.desktop"));
    }

    void inEffect_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("inEffect");
        const QByteArray head = "[Desktop Entry]\nType=Application\nExec=quillmere\n";
        QTest::newRow("plain") << head << true;
        QTest::newRow("hidden") << head + "Hidden=true\n" << false;
        QTest::newRow("hidden with spaces") << head + "Hidden = true \n" << false;
        QTest::newRow("hidden as 1") << head + "Hidden=1\n" << false;
        QTest::newRow("not hidden") << head + "Hidden=false\n" << true;
        QTest::newRow("hidden other case") << head + "Hidden=True\n" << true;
        QTest::newRow("gnome off") << head + "X-GNOME-Autostart-enabled=false\n" << false;
        QTest::newRow("gnome on") << head + "X-GNOME-Autostart-enabled=true\n" << true;
        QTest::newRow("localised key is another key") << head + "Hidden[de]=true\n" << true;
        QTest::newRow("other group")
            << head + "[Desktop Action eject]\nHidden=true\nX-GNOME-Autostart-enabled=false\n"
            << true;
        QTest::newRow("hidden after other group")
            << QByteArray("[Desktop Action eject]\nExec=x\n[Desktop Entry]\nHidden=true\n")
            << false;
        QTest::newRow("commented out") << head + "# Hidden=true\n" << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("no entry group") << QByteArray("Exec=quillmere\n") << false;
        QTest::newRow("crlf") << QByteArray("[Desktop Entry]\r\nHidden=true\r\n") << false;
    }

    void inEffect()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, inEffect);
        QCOMPARE(AutostartEntry::isInEffect(contents), inEffect);
    }

    void programToFind_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("program");
        const QByteArray head = "[Desktop Entry]\nType=Application\n";
        QTest::newRow("bare name") << head + "Exec=quillmere\n" << QStringLiteral("quillmere");
        QTest::newRow("field code and arguments") << head + "Exec=quillmere --action open %u\n"
                                                  << QStringLiteral("quillmere");
        QTest::newRow("field code first") << head + "Exec=%U /opt/q/run\n"
                                          << QStringLiteral("/opt/q/run");
        QTest::newRow("quoted path with space")
            << head + "Exec=\"/home/ann/My Apps/Quillmere.AppImage\" %F\n"
            << QStringLiteral("/home/ann/My Apps/Quillmere.AppImage");
        QTest::newRow("escaped quote and dollar in quotes")
            << head + "Exec=\"/home/ann/a\\\\\"b\\\\$c/q\"\n"
            << QStringLiteral("/home/ann/a\"b$c/q");
        QTest::newRow("percent sign") << head + "Exec=/opt/100%%/q\n"
                                      << QStringLiteral("/opt/100%/q");
        QTest::newRow("string escape in quotes") << head + "Exec=\"/opt/a\\sb/q\" %u\n"
                                                 << QStringLiteral("/opt/a b/q");
        QTest::newRow("TryExec first") << head + "TryExec=/opt/q/bin/q\nExec=env Q=1 q\n"
                                       << QStringLiteral("/opt/q/bin/q");
        QTest::newRow("TryExec after Exec") << head + "Exec=q\nTryExec=/opt/q\n"
                                            << QStringLiteral("/opt/q");
        QTest::newRow("action's Exec is not the entry's")
            << head + "Exec=q\n[Desktop Action open]\nExec=other\nTryExec=other\n"
            << QStringLiteral("q");
        QTest::newRow("no Exec") << head << QString();
        QTest::newRow("only a field code") << head + "Exec=%u\n" << QString();
        QTest::newRow("empty quotes") << head + "Exec=\"\" q\n" << QStringLiteral("q");
    }

    void programToFind()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, program);
        QCOMPARE(AutostartEntry::programToFind(contents), program);
    }

    void programIsLookedUpWhereTheDesktopLooks()
    {
        const QSet<QString> executables{QStringLiteral("/usr/bin/quillmere"),
                                        QStringLiteral("/home/ann/My Apps/Q.AppImage")};
        const auto isExecutable = [&executables](const QString &path) {
            return executables.contains(path);
        };
        const QStringList path{QStringLiteral("/usr/local/bin"), QStringLiteral("/usr/bin")};
        QVERIFY(AutostartEntry::programExists(QStringLiteral("quillmere"), path, isExecutable));
        QVERIFY(!AutostartEntry::programExists(QStringLiteral("quillmere"),
                                               {QStringLiteral("/usr/local/bin")}, isExecutable));
        QVERIFY(AutostartEntry::programExists(QStringLiteral("/home/ann/My Apps/Q.AppImage"), path,
                                              isExecutable));
        // Deleted or moved: the desktop would skip the entry.
        QVERIFY(!AutostartEntry::programExists(QStringLiteral("/home/ann/Downloads/Q.AppImage"),
                                               path, isExecutable));
        // A path is not looked up on PATH, a bare name not in the working folder.
        QVERIFY(!AutostartEntry::programExists(QStringLiteral("bin/quillmere"),
                                               {QStringLiteral("/usr")}, isExecutable));
        QVERIFY(!AutostartEntry::programExists(QString(), path, isExecutable));
    }
};

QTEST_GUILESS_MAIN(TestAutostartEntry)
#include "tst_autostartentry.moc"
