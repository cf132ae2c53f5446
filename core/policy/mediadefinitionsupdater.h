#pragma once

#include "policy/mediadefinitionstransport.h"
#include "policy/mediapolicyoverrides.h"
#include "policy/signeddefinitions.h"

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>
#include <qcoro/qcorotask.h>

class SettingsStore;

// Installs the cached signed definitions at launch and fetches fresh ones at most once a day.
// Main thread. Every outcome is logged, none is shown.
class MediaDefinitionsUpdater {
public:
    using Clock = std::function<QDateTime()>;
    using Installer = std::function<void(const MediaPolicyOverrides &)>;

    static constexpr qint64 fetchIntervalSeconds = 86400;
    // A token of some hundred rules is a few tens of kilobytes.
    static constexpr qint64 maxTokenBytes = 1024 * 1024;

    // What the cache holds for this build.
    struct CachedDefinitions {
        enum class State {
            absent,
            // Not a regular file, or not readable: left alone.
            unreadable,
            // A file that does not verify for this build (signature, payload, minimum build).
            rejected,
            valid
        };
        State state = State::absent;
        // Present when valid.
        std::optional<SignedDefinitions::Payload> payload;
    };

    static QUrl defaultFeedURL();
    // "media-definitions.token" in the support folder.
    static QString defaultCachePath();
    // The application's version as a plain decimal build number; 0 when it is not one.
    static qint64 currentAppBuild();
    static qint64 parseAppBuild(const QString &version);

    MediaDefinitionsUpdater(QUrl feedURL, QString cachePath, SettingsStore &defaults,
                            MediaDefinitionsTransport &transport,
                            QString publicKeyBase64 = QLatin1String(MediaDefsKeys::publicKeyBase64),
                            qint64 appBuild = currentAppBuild(), Clock now = {},
                            Installer install = {});

    // The cached payload when it still verifies (and is now installed); a cache that no
    // longer verifies is deleted.
    std::optional<SignedDefinitions::Payload> installCachedDefinitions();
    // The same without an updater, for programs that never download: they read the cache
    // but never delete or rewrite it, so an older build cannot throw away a newer one's.
    static std::optional<SignedDefinitions::Payload> installCachedDefinitions(
        const QString &cachePath,
        const QString &publicKeyBase64 = QLatin1String(MediaDefsKeys::publicKeyBase64),
        qint64 appBuild = currentAppBuild(), const Installer &install = {});
    // Reads and verifies the cache; changes nothing.
    static CachedDefinitions readCache(const QString &cachePath, const QString &publicKeyBase64,
                                       qint64 appBuild);
    QCoro::Task<> fetchIfDue(std::optional<qint64> cachedRev);

private:
    static std::optional<SignedDefinitions::Payload> install(const CachedDefinitions &cached,
                                                             const Installer &install);

    QUrl m_feedURL;
    QString m_cachePath;
    SettingsStore &m_settings;
    MediaDefinitionsTransport &m_transport;
    QString m_publicKeyBase64;
    qint64 m_appBuild;
    Clock m_now;
    Installer m_install;
};
