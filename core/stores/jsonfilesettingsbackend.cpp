#include "stores/jsonfilesettingsbackend.h"

#include "stores/ownedfile.h"
#include "stores/regularfilereader.h"
#include "stores/settingsvaluecodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QJsonDocument>
#include <QLockFile>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QThread>

namespace {

Q_LOGGING_CATEGORY(lcSettings, "quillmere.settings")

// File times are coarse (kernel ticks, then whole milliseconds): a file changed this shortly
// before it was read may change again without a visible difference, so it is read again.
constexpr qint64 racyWindowMs = 2000;

} // namespace

JsonFileSettingsBackend::JsonFileSettingsBackend(const QString &directory, const QString &domain)
    : m_directory(directory), m_domain(domain), m_filePath(filePath(directory, domain))
{
}

JsonFileSettingsBackend::~JsonFileSettingsBackend() = default;

QString JsonFileSettingsBackend::defaultDirectory()
{
    return directoryBelow(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

QString JsonFileSettingsBackend::directoryBelow(const QString &configHome)
{
    return QDir(configHome).filePath(QStringLiteral("quillmere"));
}

QString JsonFileSettingsBackend::filePath(const QString &directory, const QString &domain)
{
    return QDir(directory).filePath(domain + QStringLiteral(".json"));
}

QString JsonFileSettingsBackend::lockFilePath(const QString &filePath)
{
    return filePath + QStringLiteral(".lock");
}

bool JsonFileSettingsBackend::isUsableDomain(const QString &domain)
{
    return !domain.isEmpty() && domain.size() <= 200 && !domain.startsWith(u'.') &&
           !domain.contains(u'/') && !domain.contains(u'\\') && !domain.contains(QChar(0));
}

QVariant JsonFileSettingsBackend::value(const QString &key)
{
    QMutexLocker locker(&m_mutex);
    refreshLocked();
    return m_values.value(key);
}

QStringList JsonFileSettingsBackend::keys()
{
    QMutexLocker locker(&m_mutex);
    refreshLocked();
    return m_values.keys();
}

void JsonFileSettingsBackend::write(const QString &key, const QVariant &value)
{
    std::optional<QJsonObject> encoded;
    if (value.isValid()) {
        encoded = SettingsValueCodec::encode(value);
        if (!encoded) {
            qCWarning(lcSettings) << "Not storing" << key << "in" << m_domain
                                  << "- unsupported type" << value.typeName();
            return;
        }
    }

    QMutexLocker locker(&m_mutex);
    if (!QDir().mkpath(m_directory)) {
        qCWarning(lcSettings) << "Cannot create the settings folder" << m_directory;
        return;
    }
    watchDirectory();

    QLockFile lock(lockFilePath(m_filePath));
    if (!SharedFile::acquire(lock))
        qCWarning(lcSettings) << "Settings lock" << lock.error() << "for" << m_filePath
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

void JsonFileSettingsBackend::removeAll()
{
    QMutexLocker locker(&m_mutex);
    QLockFile lock(lockFilePath(m_filePath));
    const bool locked = SharedFile::acquire(lock);
    if (QFile::exists(m_filePath) && !QFile::remove(m_filePath))
        qCWarning(lcSettings) << "Cannot remove" << m_filePath;
    if (locked)
        lock.unlock();
    QFile::remove(lockFilePath(m_filePath));
    adopt(Contents{}, currentStamp());
}

std::unique_ptr<SettingsBackend> JsonFileSettingsBackend::forDomain(const QString &domain) const
{
    if (!isUsableDomain(domain))
        return nullptr;
    return std::make_unique<JsonFileSettingsBackend>(m_directory, domain);
}

JsonFileSettingsBackend::Stamp JsonFileSettingsBackend::currentStamp() const
{
    return SharedFile::stamp(m_filePath);
}

JsonFileSettingsBackend::Contents JsonFileSettingsBackend::readFile() const
{
    if (const QString problem = OwnedFile::readProblem(m_filePath); !problem.isEmpty()) {
        qCWarning(lcSettings) << "Not reading" << m_filePath << problem;
        return {};
    }
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

bool JsonFileSettingsBackend::refreshLocked()
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
    QMetaObject::invokeMethod(this, &SettingsBackend::changedElsewhere, Qt::QueuedConnection);
    return true;
}

void JsonFileSettingsBackend::adopt(const Contents &contents, const Stamp &stamp)
{
    if (contents.malformed && !(stamp == m_reportedMalformed)) {
        qCWarning(lcSettings).noquote()
            << QStringLiteral("Ignoring unreadable settings file %1 (%2); defaults apply")
                   .arg(m_filePath, contents.error);
        m_reportedMalformed = stamp;
    }
    m_root = contents.root;
    m_values.clear();
    for (auto it = m_root.constBegin(); it != m_root.constEnd(); ++it) {
        if (const auto decoded = SettingsValueCodec::decode(it.value()))
            m_values.insert(it.key(), *decoded);
    }
    m_stamp = stamp;
    m_readAt = QDateTime::currentDateTimeUtc();
    m_loaded = true;
}

bool JsonFileSettingsBackend::moveMalformedAsideLocked()
{
    const QString base =
        m_filePath + QStringLiteral(".corrupt-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(m_filePath, target)) {
        qCWarning(lcSettings) << "Cannot move the unreadable settings file" << m_filePath
                              << "aside; the change is not written";
        return false;
    }
    qCWarning(lcSettings).noquote()
        << QStringLiteral("Kept the unreadable settings file as %1").arg(target);
    return true;
}

bool JsonFileSettingsBackend::replaceFileLocked(const QJsonObject &root)
{
    // Not QSaveFile: it would follow a link planted in the file's place.
    QString problem;
    if (!OwnedFile::replace(m_filePath, QJsonDocument(root).toJson(QJsonDocument::Indented),
                            &problem)) {
        qCWarning(lcSettings) << "Cannot write" << m_filePath << problem;
        return false;
    }
    return true;
}

void JsonFileSettingsBackend::watchForChanges()
{
    QMutexLocker locker(&m_mutex);
    m_watchRequested = true;
    watchDirectory();
}

void JsonFileSettingsBackend::watchDirectory()
{
    if (!m_watchRequested || m_watcher || QThread::currentThread() != thread() ||
        !QFileInfo(m_directory).isDir())
        return;
    m_watcher = new QFileSystemWatcher(this);
    m_watcher->addPath(m_directory);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &JsonFileSettingsBackend::checkForOutsideChange);
}

void JsonFileSettingsBackend::checkForOutsideChange()
{
    QMutexLocker locker(&m_mutex);
    refreshLocked();
}
