#include "policy/mediadefinitionsupdater.h"
#include "policy/signeddefinitions.h"
#include "stores/settingsstore.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sodium.h>
#include <sys/stat.h>

namespace {

struct KeyPair {
    QByteArray publicKey;
    QByteArray secretKey;

    QString publicBase64() const { return QString::fromLatin1(publicKey.toBase64()); }
};

KeyPair makeKeys()
{
    KeyPair keys{QByteArray(crypto_sign_PUBLICKEYBYTES, 0),
                 QByteArray(crypto_sign_SECRETKEYBYTES, 0)};
    crypto_sign_keypair(reinterpret_cast<unsigned char *>(keys.publicKey.data()),
                        reinterpret_cast<unsigned char *>(keys.secretKey.data()));
    return keys;
}

QByteArray urlSafe(const QByteArray &bytes)
{
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

QByteArray sign(const KeyPair &keys, const QByteArray &message)
{
    QByteArray signature(crypto_sign_BYTES, 0);
    crypto_sign_detached(reinterpret_cast<unsigned char *>(signature.data()), nullptr,
                         reinterpret_cast<const unsigned char *>(message.constData()),
                         quint64(message.size()),
                         reinterpret_cast<const unsigned char *>(keys.secretKey.constData()));
    return signature;
}

QByteArray payloadJson(qint64 rev, qint64 minAppBuild,
                       const QByteArray &rules = "[{\"match\":{\"deviceModel\":\"Disk Image\"},"
                                                 "\"policy\":{\"canErase\":false}}]")
{
    return "{\"rev\":" + QByteArray::number(rev) +
           ",\"minAppBuild\":" + QByteArray::number(minAppBuild) + ",\"rules\":" + rules +
           ",\"note\":\"x\"}";
}

QString token(const KeyPair &keys, const QByteArray &json)
{
    const QByteArray segment = urlSafe(json);
    return QString::fromLatin1(segment + '.' + urlSafe(sign(keys, segment)));
}

// A transport that answers from a script and counts its calls.
class FakeTransport : public MediaDefinitionsTransport {
public:
    MediaDefinitionsFetchResult answer =
        MediaDefinitionsFetchResult::failure(QStringLiteral("offline"));
    int calls = 0;

    QCoro::Task<MediaDefinitionsFetchResult> fetchToken(QUrl) override
    {
        ++calls;
        co_return answer;
    }
};

} // namespace

class TestSignedDefinitions : public QObject {
    Q_OBJECT

private:
    KeyPair m_keys = makeKeys();

    SignedDefinitions::VerificationResult verify(const QString &text, qint64 minimumRev = 0,
                                                 qint64 appBuild = 1000)
    {
        return SignedDefinitions::verify(text, m_keys.publicBase64(), minimumRev, appBuild);
    }

private slots:
    void initTestCase() { QVERIFY(sodium_init() >= 0); }

    void validTokenGivesThePayload()
    {
        const auto result = verify(token(m_keys, payloadJson(7, 120)));
        QVERIFY(result.isValid());
        QCOMPARE(result.payload()->rev, 7);
        QCOMPARE(result.payload()->minAppBuild, 120);
        QCOMPARE(result.payload()->rules.size(), 1);
        QCOMPARE(result.payload()->rules.first().match.deviceModel,
                 std::optional(QStringLiteral("Disk Image")));
        QCOMPARE(result.payload()->overrides().entries, result.payload()->rules);
    }

    void paddedSegmentsVerifyToo()
    {
        const QByteArray segment = payloadJson(1, 0).toBase64(QByteArray::Base64UrlEncoding);
        QVERIFY(segment.endsWith('='));
        const QString padded = QString::fromLatin1(
            segment + '.' + sign(m_keys, segment).toBase64(QByteArray::Base64UrlEncoding));
        QVERIFY(verify(padded).isValid());
    }

    void malformedTokens_data()
    {
        QTest::addColumn<QString>("text");
        const QString good = token(m_keys, payloadJson(7, 120));
        const QString payloadPart = good.section(u'.', 0, 0);
        const QByteArray json = payloadJson(7, 120);
        QTest::newRow("three pieces") << good + QStringLiteral(".x");
        QTest::newRow("empty signature") << payloadPart + u'.';
        QTest::newRow("no dot") << payloadPart;
        QTest::newRow("empty") << QString();
        QTest::newRow("signed over the decoded JSON")
            << QString::fromLatin1(urlSafe(json) + '.' + urlSafe(sign(m_keys, json)));
        QString tampered = good;
        tampered[3] = tampered[3] == u'A' ? u'B' : u'A';
        QTest::newRow("payload changed") << tampered;
        QTest::newRow("signature not base64") << payloadPart + QStringLiteral(".*!*");
        QTest::newRow("trailing line feed") << good + u'\n';
        QTest::newRow("other signer") << token(makeKeys(), json);
    }

    void malformedTokens()
    {
        QFETCH(QString, text);
        QCOMPARE(verify(text), SignedDefinitions::VerificationResult::invalid());
    }

    void keyMustBeThirtyTwoBytes()
    {
        const QString text = token(m_keys, payloadJson(7, 120));
        const QByteArray key = m_keys.publicKey;
        for (const QByteArray &wrong : {key.left(31), key + '\0', QByteArray()}) {
            QVERIFY(!SignedDefinitions::verify(text, QString::fromLatin1(wrong.toBase64()), 0, 1000)
                         .isValid());
        }
        QVERIFY(!SignedDefinitions::verify(text, QStringLiteral("not base64!"), 0, 1000).isValid());
        // The program's own key is not the test signer's.
        QVERIFY(!SignedDefinitions::verify(text, 0, 1000).isValid());
        QCOMPARE(QByteArray::fromBase64(MediaDefsKeys::publicKeyBase64).size(), 32);
    }

    void revisionAndBuildBounds()
    {
        const QString rev7 = token(m_keys, payloadJson(7, 0));
        QVERIFY(verify(rev7, 7).isValid());
        QVERIFY(!verify(rev7, 8).isValid());
        const QString build120 = token(m_keys, payloadJson(1, 120));
        QVERIFY(!verify(build120, 0, 119).isValid());
        QVERIFY(verify(build120, 0, 120).isValid());
    }

    void signedButUndecodablePayloads_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("no rules") << QByteArray("{\"rev\":1,\"minAppBuild\":0}");
        QTest::newRow("fractional rev")
            << QByteArray("{\"rev\":1.5,\"minAppBuild\":0,\"rules\":[]}");
        QTest::newRow("rev as text")
            << QByteArray("{\"rev\":\"1\",\"minAppBuild\":0,\"rules\":[]}");
        QTest::newRow("one bad rule") << payloadJson(1, 0,
                                                     "[{\"match\":{},\"policy\":{}},{\"match\":{},"
                                                     "\"policy\":{\"ejectSemantics\":\"eject\"}}]");
        QTest::newRow("not JSON") << QByteArray("rev=1");
    }

    void signedButUndecodablePayloads()
    {
        QFETCH(QByteArray, json);
        QVERIFY(!verify(token(m_keys, json)).isValid());
    }

    void cachedTokenIsInstalled()
    {
        QTemporaryDir dir;
        const QString cache = dir.filePath(QStringLiteral("media-definitions.token"));
        QFile file(cache);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(token(m_keys, payloadJson(9, 100)).toUtf8());
        file.close();

        auto defaults = SettingsStore::inMemory();
        FakeTransport transport;
        QList<MediaPolicyOverrides> installed;
        MediaDefinitionsUpdater updater(
            MediaDefinitionsUpdater::defaultFeedURL(), cache, *defaults, transport,
            m_keys.publicBase64(), 100, {},
            [&](const MediaPolicyOverrides &o) { installed.append(o); });
        QTest::ignoreMessage(QtInfoMsg, "Applied cached media definitions rev 9.");
        const auto payload = updater.installCachedDefinitions();
        QVERIFY(payload);
        QCOMPARE(payload->rev, 9);
        QCOMPARE(installed.size(), 1);
        QCOMPARE(installed.first(), payload->overrides());
        QCOMPARE(transport.calls, 0);
    }

    void cachedTokenForANewerBuildIsRemoved()
    {
        QTemporaryDir dir;
        const QString cache = dir.filePath(QStringLiteral("media-definitions.token"));
        QFile file(cache);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(token(m_keys, payloadJson(9, 101)).toUtf8());
        file.close();

        auto defaults = SettingsStore::inMemory();
        FakeTransport transport;
        int installs = 0;
        MediaDefinitionsUpdater updater(MediaDefinitionsUpdater::defaultFeedURL(), cache, *defaults,
                                        transport, m_keys.publicBase64(), 100, {},
                                        [&](const MediaPolicyOverrides &) { ++installs; });
        QTest::ignoreMessage(
            QtInfoMsg,
            "Cached media definitions no longer verify — removed; compiled defaults apply.");
        QCOMPARE(updater.installCachedDefinitions(), std::nullopt);
        QVERIFY(!QFile::exists(cache));
        QCOMPARE(installs, 0);
    }

    void programsThatNeverDownloadLeaveTheCacheAlone()
    {
        // A cache a newer build wrote, as an older command line finds it.
        QTemporaryDir dir;
        const QString cache = dir.filePath(QStringLiteral("media-definitions.token"));
        const QByteArray newer = token(m_keys, payloadJson(9, 101)).toUtf8();
        QFile file(cache);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(newer);
        file.close();

        int installs = 0;
        const auto count = [&](const MediaPolicyOverrides &) { ++installs; };
        QCOMPARE(MediaDefinitionsUpdater::installCachedDefinitions(cache, m_keys.publicBase64(),
                                                                   100, count),
                 std::nullopt);
        QCOMPARE(installs, 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), newer);
        file.close();
        QCOMPARE(MediaDefinitionsUpdater::readCache(cache, m_keys.publicBase64(), 100).state,
                 MediaDefinitionsUpdater::CachedDefinitions::State::rejected);

        // The build it was made for installs it.
        QTest::ignoreMessage(QtInfoMsg, "Applied cached media definitions rev 9.");
        QVERIFY(MediaDefinitionsUpdater::installCachedDefinitions(cache, m_keys.publicBase64(), 101,
                                                                  count));
        QCOMPARE(installs, 1);
    }

    void aFifoInPlaceOfTheCacheIsSkippedAndKept()
    {
        QTemporaryDir dir;
        const QString cache = dir.filePath(QStringLiteral("media-definitions.token"));
        QVERIFY(::mkfifo(QFile::encodeName(cache).constData(), 0600) == 0);
        auto defaults = SettingsStore::inMemory();
        FakeTransport transport;
        MediaDefinitionsUpdater updater(MediaDefinitionsUpdater::defaultFeedURL(), cache, *defaults,
                                        transport, m_keys.publicBase64(), 100, {},
                                        [](const MediaPolicyOverrides &) { QFAIL("installed"); });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Ignoring cached media .*FIFO"));
        QCOMPARE(updater.installCachedDefinitions(), std::nullopt);
        QVERIFY(QFileInfo(cache).exists());
    }

    void missingCacheIsSilent()
    {
        QTemporaryDir dir;
        auto defaults = SettingsStore::inMemory();
        FakeTransport transport;
        MediaDefinitionsUpdater updater(MediaDefinitionsUpdater::defaultFeedURL(),
                                        dir.filePath(QStringLiteral("none.token")), *defaults,
                                        transport, m_keys.publicBase64(), 100, {},
                                        [](const MediaPolicyOverrides &) { QFAIL("installed"); });
        QCOMPARE(updater.installCachedDefinitions(), std::nullopt);
    }

    void acceptedFetchIsCachedAndInstalled()
    {
        QTemporaryDir dir;
        const QString cache = dir.filePath(QStringLiteral("new/folder/media-definitions.token"));
        auto defaults = SettingsStore::inMemory();
        FakeTransport transport;
        const QString text = token(m_keys, payloadJson(4, 0));
        transport.answer = MediaDefinitionsFetchResult::success(text.toUtf8());
        const QDateTime now(QDate(2026, 12, 8), QTime(1, 0), Qt::UTC);
        int installs = 0;
        MediaDefinitionsUpdater updater(
            MediaDefinitionsUpdater::defaultFeedURL(), cache, *defaults, transport,
            m_keys.publicBase64(), 100, [now] { return now; },
            [&](const MediaPolicyOverrides &) { ++installs; });

        // A revision equal to the cached one is accepted.
        QTest::ignoreMessage(QtInfoMsg, "Applied fetched media definitions rev 4.");
        QCoro::waitFor(updater.fetchIfDue(4));
        QCOMPARE(installs, 1);
        QFile file(cache);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), text.toUtf8());
        QCOMPARE(defaults->date(QStringLiteral("QMMediaDefsLastFetch")), std::optional(now));
    }

    void staleFetchIsRejectedAndTheCacheKept()
    {
        QTemporaryDir dir;
        const QString cache = dir.filePath(QStringLiteral("media-definitions.token"));
        QFile file(cache);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("cached");
        file.close();
        auto defaults = SettingsStore::inMemory();
        FakeTransport transport;
        transport.answer =
            MediaDefinitionsFetchResult::success(token(m_keys, payloadJson(4, 0)).toUtf8());
        MediaDefinitionsUpdater updater(MediaDefinitionsUpdater::defaultFeedURL(), cache, *defaults,
                                        transport, m_keys.publicBase64(), 100, {},
                                        [](const MediaPolicyOverrides &) { QFAIL("installed"); });
        QTest::ignoreMessage(
            QtCriticalMsg, "Fetched media definitions rejected (bad signature/stale rev/newer app "
                           "required) — keeping current layer.");
        QCoro::waitFor(updater.fetchIfDue(5));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("cached"));
    }

    void unwritableCacheStillInstalls()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto defaults = SettingsStore::inMemory();
        FakeTransport transport;
        transport.answer =
            MediaDefinitionsFetchResult::success(token(m_keys, payloadJson(2, 0)).toUtf8());
        int installs = 0;
        MediaDefinitionsUpdater updater(MediaDefinitionsUpdater::defaultFeedURL(),
                                        dir.filePath(QStringLiteral("file/cache.token")), *defaults,
                                        transport, m_keys.publicBase64(), 100, {},
                                        [&](const MediaPolicyOverrides &) { ++installs; });
        QTest::ignoreMessage(QtCriticalMsg,
                             QRegularExpression("^Couldn't cache media definitions: "));
        QTest::ignoreMessage(QtInfoMsg, "Applied fetched media definitions rev 2.");
        QCoro::waitFor(updater.fetchIfDue(std::nullopt));
        QCOMPARE(installs, 1);
    }

    void appBuildParsing()
    {
        QCOMPARE(MediaDefinitionsUpdater::parseAppBuild(QStringLiteral("120")), 120);
        QCOMPARE(MediaDefinitionsUpdater::parseAppBuild(QStringLiteral("0.1.0")), 0);
        QCOMPARE(MediaDefinitionsUpdater::parseAppBuild(QStringLiteral(" 12")), 0);
        QCOMPARE(MediaDefinitionsUpdater::parseAppBuild(QString()), 0);
    }
};

QTEST_GUILESS_MAIN(TestSignedDefinitions)
#include "tst_signeddefinitions.moc"
