#pragma once

#include "stores/sharedfile.h"
#include "stores/settingsbackend.h"

#include <QDateTime>
#include <QJsonObject>
#include <QMutex>
#include <QVariantMap>

class QFileSystemWatcher;

// One JSON file per domain ("<directory>/<domain>.json"). Reads see changes made by other
// processes; every change is a locked read-modify-write replaced atomically, so concurrent
// writers of different keys keep each other's values. A file that does not parse, or is no
// regular file, is left in place (defaults apply) and renamed aside before the next write,
// never overwritten.
class JsonFileSettingsBackend : public SettingsBackend {
    Q_OBJECT
public:
    // Settings are a few kilobytes; anything far larger is not a settings file.
    static constexpr qint64 maxFileBytes = 8 * 1024 * 1024;

    JsonFileSettingsBackend(const QString &directory, const QString &domain);
    ~JsonFileSettingsBackend() override;

    // "$XDG_CONFIG_HOME/quillmere".
    static QString defaultDirectory();
    // "<configHome>/quillmere".
    static QString directoryBelow(const QString &configHome);
    // The file of a domain in a directory, and the lock file beside it.
    static QString filePath(const QString &directory, const QString &domain);
    static QString lockFilePath(const QString &filePath);
    // A domain becomes a file name: no separators, no leading dot, nothing empty.
    static bool isUsableDomain(const QString &domain);

    QString filePath() const { return m_filePath; }

    QString domain() const override { return m_domain; }
    QVariant value(const QString &key) override;
    QStringList keys() override;
    void write(const QString &key, const QVariant &value) override;
    void removeAll() override;
    std::unique_ptr<SettingsBackend> forDomain(const QString &domain) const override;
    void watchForChanges() override;

private:
    using Stamp = SharedFile::Stamp;
    struct Contents {
        QJsonObject root;
        bool malformed = false;
        QString error;
    };

    Stamp currentStamp() const;
    Contents readFile() const;
    // Brings the cache up to date; true when the values differ from before.
    bool refreshLocked();
    void adopt(const Contents &contents, const Stamp &stamp);
    bool moveMalformedAsideLocked();
    bool replaceFileLocked(const QJsonObject &root);
    void watchDirectory();
    void checkForOutsideChange();

    QString m_directory;
    QString m_domain;
    QString m_filePath;
    QMutex m_mutex;
    bool m_loaded = false;
    Stamp m_stamp;
    QDateTime m_readAt;
    QJsonObject m_root;
    QVariantMap m_values;
    Stamp m_reportedMalformed;
    bool m_watchRequested = false;
    QFileSystemWatcher *m_watcher = nullptr;
};
