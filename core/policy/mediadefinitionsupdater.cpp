#include "policy/mediadefinitionsupdater.h"

#include "policy/logging.h"
#include "policy/mediapolicy.h"
#include "stores/appsupport.h"
#include "stores/settingskeys.h"
#include "stores/regularfilereader.h"
#include "stores/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

std::optional<QString> utf8Text(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QUrl MediaDefinitionsUpdater::defaultFeedURL()
{
    return QUrl(QStringLiteral("https://definitions.quillmere.app/defs/media-policies.json"));
}

QString MediaDefinitionsUpdater::defaultCachePath()
{
    return QDir(AppSupport::directoryURL()).filePath(QStringLiteral("media-definitions.token"));
}

qint64 MediaDefinitionsUpdater::currentAppBuild()
{
#ifdef QUILLMERE_APP_BUILD
    return parseAppBuild(QStringLiteral(QUILLMERE_APP_BUILD));
#else
    return parseAppBuild(QCoreApplication::applicationVersion());
#endif
}

qint64 MediaDefinitionsUpdater::parseAppBuild(const QString &version)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(version).hasMatch())
        return 0;
    bool ok = false;
    const qint64 build = version.toLongLong(&ok);
    return ok ? build : 0;
}

MediaDefinitionsUpdater::MediaDefinitionsUpdater(QUrl feedURL, QString cachePath,
                                                 SettingsStore &defaults,
                                                 MediaDefinitionsTransport &transport,
                                                 QString publicKeyBase64, qint64 appBuild,
                                                 Clock now, Installer install)
    : m_feedURL(std::move(feedURL)), m_cachePath(std::move(cachePath)), m_settings(defaults),
      m_transport(transport), m_publicKeyBase64(std::move(publicKeyBase64)), m_appBuild(appBuild),
      m_now(now ? std::move(now) : Clock(&QDateTime::currentDateTimeUtc)),
      m_install(install ? std::move(install) : Installer(&MediaPolicy::installPulledDefinitions))
{
}

std::optional<SignedDefinitions::Payload> MediaDefinitionsUpdater::installCachedDefinitions()
{
    const CachedDefinitions cached = readCache(m_cachePath, m_publicKeyBase64, m_appBuild);
    if (cached.state == CachedDefinitions::State::rejected) {
        // Only the program that downloads the definitions manages its cache.
        QFile::remove(m_cachePath);
        qCInfo(lcMediaDefs).noquote()
            << "Cached media definitions no longer verify — removed; compiled defaults apply.";
        return std::nullopt;
    }
    return install(cached, m_install);
}

std::optional<SignedDefinitions::Payload>
MediaDefinitionsUpdater::installCachedDefinitions(const QString &cachePath,
                                                  const QString &publicKeyBase64, qint64 appBuild,
                                                  const Installer &install)
{
    return MediaDefinitionsUpdater::install(readCache(cachePath, publicKeyBase64, appBuild),
                                            install);
}

MediaDefinitionsUpdater::CachedDefinitions
MediaDefinitionsUpdater::readCache(const QString &cachePath, const QString &publicKeyBase64,
                                   qint64 appBuild)
{
    CachedDefinitions cached;
    const RegularFileReader::Result file = RegularFileReader::read(cachePath, maxTokenBytes);
    switch (file.status) {
    case RegularFileReader::Result::Status::missing:
        return cached;
    case RegularFileReader::Result::Status::ok:
        break;
    case RegularFileReader::Result::Status::tooLarge:
        cached.state = CachedDefinitions::State::rejected;
        return cached;
    case RegularFileReader::Result::Status::notRegular:
    case RegularFileReader::Result::Status::unreadable:
        qCWarning(lcMediaDefs).noquote()
            << QStringLiteral("Ignoring cached media definitions %1: %2")
                   .arg(cachePath, file.error);
        cached.state = CachedDefinitions::State::unreadable;
        return cached;
    }
    const auto token = utf8Text(file.data);
    const auto result = token ? SignedDefinitions::verify(*token, publicKeyBase64, 0, appBuild)
                              : SignedDefinitions::VerificationResult::invalid();
    if (!result.isValid()) {
        cached.state = CachedDefinitions::State::rejected;
        return cached;
    }
    cached.state = CachedDefinitions::State::valid;
    cached.payload = result.payload();
    return cached;
}

std::optional<SignedDefinitions::Payload>
MediaDefinitionsUpdater::install(const CachedDefinitions &cached, const Installer &install)
{
    if (!cached.payload)
        return std::nullopt;
    const SignedDefinitions::Payload &payload = *cached.payload;
    if (install)
        install(payload.overrides());
    else
        MediaPolicy::installPulledDefinitions(payload.overrides());
    qCInfo(lcMediaDefs).noquote()
        << QStringLiteral("Applied cached media definitions rev %1.").arg(payload.rev);
    return payload;
}

QCoro::Task<> MediaDefinitionsUpdater::fetchIfDue(std::optional<qint64> cachedRev)
{
    const QString lastFetchKey = QLatin1String(SettingsKeys::mediaDefsLastFetch);
    const QDateTime now = m_now();
    if (const auto last = m_settings.date(lastFetchKey)) {
        if (last->secsTo(now) < fetchIntervalSeconds)
            co_return;
    }
    // Before the download, so that a failed attempt waits a day too.
    m_settings.setDate(lastFetchKey, now);

    const MediaDefinitionsFetchResult fetched = co_await m_transport.fetchToken(m_feedURL);
    if (!fetched.body) {
        qCInfo(lcMediaDefs).noquote()
            << QStringLiteral("Media definitions fetch failed (%1) — keeping current layer.")
                   .arg(fetched.error);
        co_return;
    }

    const auto token = utf8Text(*fetched.body);
    const auto result = token ? SignedDefinitions::verify(*token, m_publicKeyBase64,
                                                          cachedRev.value_or(0), m_appBuild)
                              : SignedDefinitions::VerificationResult::invalid();
    if (!result.isValid()) {
        qCCritical(lcMediaDefs).noquote()
            << "Fetched media definitions rejected (bad signature/stale rev/newer app required) "
               "— keeping current layer.";
        co_return;
    }

    QString cacheError;
    const QString folder = QFileInfo(m_cachePath).absolutePath();
    if (!QDir().mkpath(folder)) {
        cacheError = QStringLiteral("cannot create the folder %1").arg(folder);
    } else {
        QSaveFile cache(m_cachePath);
        const QByteArray bytes = token->toUtf8();
        if (!cache.open(QIODevice::WriteOnly) || cache.write(bytes) != bytes.size() ||
            !cache.commit())
            cacheError = cache.errorString();
    }
    if (!cacheError.isEmpty())
        qCCritical(lcMediaDefs).noquote()
            << QStringLiteral("Couldn't cache media definitions: %1").arg(cacheError);

    const SignedDefinitions::Payload &payload = *result.payload();
    m_install(payload.overrides());
    qCInfo(lcMediaDefs).noquote()
        << QStringLiteral("Applied fetched media definitions rev %1.").arg(payload.rev);
}
