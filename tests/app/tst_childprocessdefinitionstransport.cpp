#include "cannedhttpserver.h"
#include "shell/childprocessdefinitionstransport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

// The download runs in a child process; the child's exit says what happened, and a child that
// hangs must not outlive its limit.
class TestChildProcessDefinitionsTransport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // A stand-in for the program: a shell script with the given body.
    QString script(const QString &name, const QByteArray &body)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("#!/bin/sh\n" + body + '\n');
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    MediaDefinitionsFetchResult fetch(const QString &program,
                                      std::chrono::milliseconds limit = std::chrono::seconds(20))
    {
        ChildProcessDefinitionsTransport transport(program, limit);
        return QCoro::waitFor(
            transport.fetchToken(QUrl(QStringLiteral("https://example.invalid/defs?a=1 b"))));
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void childOutcomes()
    {
        const QString args = m_dir.filePath(QStringLiteral("args"));
        const QString ok =
            script(QStringLiteral("ok"), "printf '%s\\n' \"$@\" > '" + args.toUtf8() +
                                             "'; printf 'ab\\000\\377cd'; exit 0");
        auto result = fetch(ok);
        QCOMPARE(result.body, std::optional(QByteArray("ab\0\xff"
                                                       "cd",
                                                       6)));
        QFile recorded(args);
        QVERIFY(recorded.open(QIODevice::ReadOnly));
        QCOMPARE(recorded.readAll(),
                 QByteArray("--fetch-media-definitions\nhttps://example.invalid/defs?a=1%20b\n"));

        result = fetch(script(QStringLiteral("refused"), "printf 'HTTP status 404'; exit 1"));
        QCOMPARE(result.body, std::nullopt);
        QCOMPARE(result.error, QStringLiteral("HTTP status 404"));

        // Status 1 without a reason, and any other status, are not mistaken for a body.
        result = fetch(script(QStringLiteral("silent"), "exit 1"));
        QCOMPARE(result.body, std::nullopt);
        QCOMPARE(result.error, QStringLiteral("the download process ended with status 1"));
        result = fetch(script(QStringLiteral("three"), "printf 'half a token'; exit 3"));
        QCOMPARE(result.body, std::nullopt);
        QCOMPARE(result.error, QStringLiteral("the download process ended with status 3"));

        result = fetch(script(QStringLiteral("crash"), "kill -SEGV $$"));
        QCOMPARE(result.body, std::nullopt);
        QCOMPARE(result.error, QStringLiteral("the download process crashed"));

        result = fetch(m_dir.filePath(QStringLiteral("missing")));
        QCOMPARE(result.body, std::nullopt);
        QVERIFY2(result.error.startsWith(QStringLiteral("cannot start the download process")),
                 qPrintable(result.error));
    }

    void hangingChildIsKilled()
    {
        const QString pidFile = m_dir.filePath(QStringLiteral("pid"));
        const auto result = fetch(
            script(QStringLiteral("hang"), "echo $$ > '" + pidFile.toUtf8() + "'; exec sleep 60"),
            std::chrono::milliseconds(500));
        QCOMPARE(result.body, std::nullopt);
        QCOMPARE(result.error, QStringLiteral("the download process did not end within 500 ms"));
        QFile file(pidFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const int pid = file.readAll().trimmed().toInt();
        QVERIFY(pid > 0);
        QVERIFY(!QDir(QStringLiteral("/proc/%1").arg(pid)).exists());
    }

    // The program's helper as the child, against a server on this machine.
    void theProgramDownloads()
    {
        CannedHttpServer server;
        ChildProcessDefinitionsTransport transport(QStringLiteral(QUILLMERE_FETCHER_PATH));
        server.answer(200, "OK", "abc.def");
        auto result = QCoro::waitFor(transport.fetchToken(server.url()));
        QCOMPARE(result.body, std::optional(QByteArray("abc.def")));
        QCOMPARE(server.requestLines,
                 QStringList{QStringLiteral("GET /defs/media-policies.json HTTP/1.1")});

        server.answer(404, "Not Found", "nothing here");
        result = QCoro::waitFor(transport.fetchToken(server.url()));
        QCOMPARE(result.body, std::nullopt);
        QVERIFY2(result.error.contains(QStringLiteral("404")), qPrintable(result.error));
    }

    // The tray program finds its helper, and does not carry the network stack itself.
    void theTrayProgramLeavesTheNetworkToItsHelper()
    {
        QProcess readelf;
        readelf.start(QStringLiteral("readelf"),
                      {QStringLiteral("-d"), QStringLiteral(QUILLMERE_APP_PATH)});
        QVERIFY(readelf.waitForFinished(30000));
        const QByteArray dynamic = readelf.readAllStandardOutput();
        QVERIFY2(dynamic.contains("libQt6Widgets"), dynamic.constData());
        QVERIFY2(!dynamic.contains("libQt6Network"), dynamic.constData());
        QCOMPARE(QFileInfo(QStringLiteral(QUILLMERE_FETCHER_PATH)).absolutePath(),
                 QFileInfo(QStringLiteral(QUILLMERE_APP_PATH)).absolutePath());
    }
};

QTEST_GUILESS_MAIN(TestChildProcessDefinitionsTransport)
#include "tst_childprocessdefinitionstransport.moc"
