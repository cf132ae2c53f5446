#include "stores/jsonfiledefaultsbackend.h"

#include "stores/defaultsvaluecodec.h"
#include "stores/regularfilereader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QJsonDocument>
#include <QLockFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

namespace {

Q_LOGGING_CATEGORY(lcDefaults, "com.tarnwick.quillmere.Defaults")

// File times are coarse (kernel ticks, then whole milliseconds): a file changed this shortly
// before it was read may change again without a visible difference, so it is read again.
constexpr qint64 racyWindowMs = 2000;

} // namespace

JsonFileDefaultsBackend::JsonFileDefaultsBackend(const QString &directory, const QString &domain)
    : m_directory(directory), m_domain(domain), m_filePath(filePath(directory, domain))
{
}

JsonFileDefaultsBackend::~JsonFileDefaultsBackend() = default;

QString JsonFileDefaultsBackend::defaultDirectory()
{
    return directoryBelow(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

QString JsonFileDefaultsBackend::directoryBelow(const QString &configHome)
{
    return QDir(configHome).filePath(QStringLiteral("quillmere"));
}

QString JsonFileDefaultsBackend::filePath(const QString &directory, const QString &domain)
{
    return QDir(directory).filePath(domain + QStringLiteral(".json"));
}

QString JsonFileDefaultsBackend::lockFilePath(const QString &filePath)
{
    return filePath + QStringLiteral(".lock");
}

bool JsonFileDefaultsBackend::isUsableDomain(const QString &domain)
{
    return !domain.isEmpty() && domain.size() <= 200 && !domain.startsWith(u'.') &&
           !domain.contains(u'/') && !domain.contains(u'\\') && !domain.contains(QChar(0));
}

QVariant JsonFileDefaultsBackend::value(const QString &key)
{
    QMutexLocker locker(&m_mutex);
    refreshLocked();
    return m_values.value(key);
}

QStringList JsonFileDefaultsBackend::keys()
{
    QMutexLocker locker(&m_mutex);
    refreshLocked();
    return m_values.keys();
}

void JsonFileDefaultsBackend::write(const QString &key, const QVariant &value)
{
    std::optional<QJsonObject> encoded;
    if (value.isValid()) {
        encoded = DefaultsValueCodec::encode(value);
        if (!encoded) {
            qCWarning(lcDefaults) << "Not storing" << key << "in" << m_domain
                                  << "- unsupported type" << value.typeName();
            return;
        }
    }

    QMutexLocker locker(&m_mutex);
    if (!QDir().mkpath(m_directory)) {
        qCWarning(lcDefaults) << "Cannot create the settings folder" << m_directory;
        return;
    }
    watchDirectory();

    QLockFile lock(lockFilePath(m_filePath));
    if (!SharedFile::acquire(lock))
        qCWarning(lcDefaults) << "Settings lock" << lock.error() << "for" << m_filePath
                              << "- writing without it";

    const Stamp stamp = currentStamp();
    Contents disk = readFile();
    if (disk.malformed) {
        if (!moveMalformedAsideLocked()) {
            adopt(disk, stamp);
            return;
        }
        disk = Contents{};
    }

    QJsonObject root = disk.root;
    if (encoded)
        root.insert(key, *encoded);
    else
        root.remove(key);

    if (root == disk.root && (stamp.exists || root.isEmpty())) {
        adopt(disk, stamp);
        return;
    }
    if (!replaceFileLocked(root)) {
        adopt(disk, stamp);
        return;
    }
    adopt(Contents{root, false, {}}, currentStamp());
}

void JsonFileDefaultsBackend::removeAll()
{
    QMutexLocker locker(&m_mutex);
    QLockFile lock(lockFilePath(m_filePath));
    const bool locked = SharedFile::acquire(lock);
    if (QFile::exists(m_filePath) && !QFile::remove(m_filePath))
        qCWarning(lcDefaults) << "Cannot remove" << m_filePath;
    if (locked)
        lock.unlock();
    QFile::remove(lockFilePath(m_filePath));
    adopt(Contents{}, currentStamp());
}

std::unique_ptr<UserDefaultsBackend> JsonFileDefaultsBackend::forDomain(const QString &domain) const
{
    if (!isUsableDomain(domain))
        return nullptr;
    return std::make_unique<JsonFileDefaultsBackend>(m_directory, domain);
}

JsonFileDefaultsBackend::Stamp JsonFileDefaultsBackend::currentStamp() const
{
    return SharedFile::stamp(m_filePath);
}

JsonFileDefaultsBackend::Contents JsonFileDefaultsBackend::readFile() const
{
    const RegularFileReader::Result file = RegularFileReader::read(m_filePath, maxFileBytes);
    if (file.status == RegularFileReader::Result::Status::missing)
        return {};
    if (!file.isOk())
        return Contents{{}, true, file.error};
    const QByteArray &bytes = file.data;
    if (bytes.trimmed().isEmpty())
        return {};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return Contents{{}, true, error.errorString()};
    if (!document.isObject())
        return Contents{{}, true, QStringLiteral("not a JSON object")};
    return Contents{document.object(), false, {}};
}

bool JsonFileDefaultsBackend::refreshLocked()
{
    const Stamp stamp = currentStamp();
    const bool racy =
        m_stamp.exists && m_readAt.toMSecsSinceEpoch() - m_stamp.modifiedMs < racyWindowMs;
    if (m_loaded && stamp == m_stamp && !racy)
        return false;

    const bool wasLoaded = m_loaded;
    const QVariantMap before = m_values;
    adopt(readFile(), stamp);
    if (!wasLoaded || m_values == before)
        return false;
    QMetaObject::invokeMethod(this, &UserDefaultsBackend::changedElsewhere, Qt::QueuedConnection);
    return true;
}

void JsonFileDefaultsBackend::adopt(const Contents &contents, const Stamp &stamp)
{
    if (contents.malformed && !(stamp == m_reportedMalformed)) {
        qCWarning(lcDefaults).noquote()
            << QStringLiteral("Ignoring unreadable settings file %1 (%2); defaults apply")
                   .arg(m_filePath, contents.error);
        m_reportedMalformed = stamp;
    }
    m_root = contents.root;
    m_values.clear();
    for (auto it = m_root.constBegin(); it != m_root.constEnd(); ++it) {
        if (const auto decoded = DefaultsValueCodec::decode(it.value()))
            m_values.insert(it.key(), *decoded);
    }
    m_stamp = stamp;
    m_readAt = QDateTime::currentDateTimeUtc();
    m_loaded = true;
}

bool JsonFileDefaultsBackend::moveMalformedAsideLocked()
{
    const QString base =
        m_filePath + QStringLiteral(".corrupt-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(m_filePath, target)) {
        qCWarning(lcDefaults) << "Cannot move the unreadable settings file" << m_filePath
                              << "aside; the change is not written";
        return false;
    }
    qCWarning(lcDefaults).noquote()
        << QStringLiteral("Kept the unreadable settings file as %1").arg(target);
    return true;
}

bool JsonFileDefaultsBackend::replaceFileLocked(const QJsonObject &root)
{
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(root).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        qCWarning(lcDefaults) << "Cannot write" << m_filePath << file.errorString();
        return false;
    }
    return true;
}

void JsonFileDefaultsBackend::watchForChanges()
{
    QMutexLocker locker(&m_mutex);
    m_watchRequested = true;
    watchDirectory();
}

void JsonFileDefaultsBackend::watchDirectory()
{
    if (!m_watchRequested || m_watcher || QThread::currentThread() != thread() ||
        !QFileInfo(m_directory).isDir())
        return;
    m_watcher = new QFileSystemWatcher(this);
    m_watcher->addPath(m_directory);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &JsonFileDefaultsBackend::checkForOutsideChange);
}

void JsonFileDefaultsBackend::checkForOutsideChange()
{
    QMutexLocker locker(&m_mutex);
    refreshLocked();
}
