#include "cannedhttpserver.h"
#include "networkmediadefinitionstransport.h"
#include "policy/mediadefinitionsupdater.h"
#include "stores/settingsstore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sodium.h>

namespace {

QByteArray urlSafe(const QByteArray &bytes)
{
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

} // namespace

class TestMediaDefinitionsTransport : public QObject {
    Q_OBJECT

private:
    QByteArray m_publicKey = QByteArray(crypto_sign_PUBLICKEYBYTES, 0);
    QByteArray m_secretKey = QByteArray(crypto_sign_SECRETKEYBYTES, 0);
    QDateTime m_now = QDateTime(QDate(2026, 12, 8), QTime(1, 0), Qt::UTC);
    int m_installs = 0;

    QByteArray token(qint64 rev)
    {
        const QByteArray segment =
            urlSafe("{\"rev\":" + QByteArray::number(rev) + ",\"minAppBuild\":0,\"rules\":[]}");
        QByteArray signature(crypto_sign_BYTES, 0);
        crypto_sign_detached(reinterpret_cast<unsigned char *>(signature.data()), nullptr,
                             reinterpret_cast<const unsigned char *>(segment.constData()),
                             quint64(segment.size()),
                             reinterpret_cast<const unsigned char *>(m_secretKey.constData()));
        return segment + '.' + urlSafe(signature);
    }

    std::unique_ptr<MediaDefinitionsUpdater> updater(const QUrl &url, const QString &cache,
                                                     SettingsStore &defaults,
                                                     MediaDefinitionsTransport &transport)
    {
        return std::make_unique<MediaDefinitionsUpdater>(
            url, cache, defaults, transport, QString::fromLatin1(m_publicKey.toBase64()), 100,
            [this] { return m_now; }, [this](const MediaPolicyOverrides &) { ++m_installs; });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(sodium_init() >= 0);
        crypto_sign_keypair(reinterpret_cast<unsigned char *>(m_publicKey.data()),
                            reinterpret_cast<unsigned char *>(m_secretKey.data()));
    }

    void init()
    {
        m_installs = 0;
        m_now = QDateTime(QDate(2026, 12, 8), QTime(1, 0), Qt::UTC);
    }

    void transportReturnsTheBody()
    {
        CannedHttpServer server;
        server.answer(200, "OK", "abc.def");
        NetworkMediaDefinitionsTransport transport;
        const auto result = QCoro::waitFor(transport.fetchToken(server.url()));
        QCOMPARE(result.body, std::optional(QByteArray("abc.def")));
        QCOMPARE(server.requestLines,
                 QStringList{QStringLiteral("GET /defs/media-policies.json HTTP/1.1")});
    }

    void statusOutsideTwoHundredsFails_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("404") << 404;
        QTest::newRow("500") << 500;
        QTest::newRow("302 without location") << 302;
    }

    void statusOutsideTwoHundredsFails()
    {
        QFETCH(int, status);
        CannedHttpServer server;
        server.answer(status, "Nope", "a token-looking body");
        NetworkMediaDefinitionsTransport transport;
        const auto result = QCoro::waitFor(transport.fetchToken(server.url()));
        QCOMPARE(result.body, std::nullopt);
        QVERIFY(result.error.contains(QString::number(status)));
    }

    void silentServerTimesOut()
    {
        CannedHttpServer server;
        server.silent = true;
        NetworkMediaDefinitionsTransport transport(std::chrono::milliseconds(300));
        const auto result = QCoro::waitFor(transport.fetchToken(server.url()));
        QCOMPARE(result.body, std::nullopt);
        QVERIFY(result.error.contains(QStringLiteral("timed out")));
    }

    void fetchesAtMostOncePerDay()
    {
        QTemporaryDir dir;
        const QString cache = dir.filePath(QStringLiteral("media-definitions.token"));
        CannedHttpServer server;
        auto defaults = SettingsStore::inMemory();
        NetworkMediaDefinitionsTransport transport;
        auto first = updater(server.url(), cache, *defaults, transport);

        server.answer(404, "Not Found", "missing");
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression("^Media definitions fetch failed \\(.*404.*\\) — "
                                                "keeping current layer\\.$"));
        QCoro::waitFor(first->fetchIfDue(std::nullopt));
        QCOMPARE(server.requestLines.size(), 1);

        // A second launch within the day does not download, even after a failure.
        server.answer(200, "OK", token(3));
        m_now = m_now.addSecs(86399);
        auto second = updater(server.url(), cache, *defaults, transport);
        QCoro::waitFor(second->fetchIfDue(std::nullopt));
        QCOMPARE(server.requestLines.size(), 1);
        QCOMPARE(m_installs, 0);

        m_now = m_now.addSecs(1);
        QTest::ignoreMessage(QtInfoMsg, "Applied fetched media definitions rev 3.");
        QCoro::waitFor(second->fetchIfDue(std::nullopt));
        QCOMPARE(server.requestLines.size(), 2);
        QCOMPARE(m_installs, 1);
        QFile file(cache);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), token(3));
        QCOMPARE(defaults->date(QStringLiteral("QMMediaDefsLastFetch")), std::optional(m_now));
    }

    void serverErrorKeepsTheCurrentLayer()
    {
        QTemporaryDir dir;
        const QString cache = dir.filePath(QStringLiteral("media-definitions.token"));
        CannedHttpServer server;
        server.answer(500, "Internal Server Error", token(9));
        auto defaults = SettingsStore::inMemory();
        NetworkMediaDefinitionsTransport transport;
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression("^Media definitions fetch failed \\(.*500.*\\)"));
        QCoro::waitFor(updater(server.url(), cache, *defaults, transport)->fetchIfDue(1));
        QCOMPARE(m_installs, 0);
        QVERIFY(!QFile::exists(cache));
        QCOMPARE(defaults->date(QStringLiteral("QMMediaDefsLastFetch")), std::optional(m_now));
    }

    void emptyNoContentIsARejectedToken()
    {
        QTemporaryDir dir;
        const QString cache = dir.filePath(QStringLiteral("media-definitions.token"));
        CannedHttpServer server;
        server.answer(204, "No Content", {});
        auto defaults = SettingsStore::inMemory();
        NetworkMediaDefinitionsTransport transport;
        QTest::ignoreMessage(QtCriticalMsg,
                             "Fetched media definitions rejected (bad signature/stale rev/newer "
                             "app required) — keeping current layer.");
        QCoro::waitFor(
            updater(server.url(), cache, *defaults, transport)->fetchIfDue(std::nullopt));
        QCOMPARE(m_installs, 0);
        QVERIFY(!QFile::exists(cache));
    }
};

QTEST_GUILESS_MAIN(TestMediaDefinitionsTransport)
#include "tst_mediadefinitionstransport.moc"
