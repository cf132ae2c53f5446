#include "services/autostartmanager.h"

#include "services/programfile.h"
#include "stores/appsupport.h"
#include "stores/autostartentry.h"
#include "stores/settingskeys.h"
#include "stores/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString describe(const QString &path, const QString &error)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), error);
}

} // namespace

AutostartManager::AutostartManager(QString entryPath, QString program)
    : m_entryPath(std::move(entryPath)), m_program(std::move(program))
{
}

AutostartManager::~AutostartManager() = default;

QString AutostartManager::defaultEntryPath()
{
    const QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return config.filePath(QStringLiteral("autostart/") +
                           AutostartEntry::fileName(AppSupport::bundleIdentifier()));
}

QString AutostartManager::program() const
{
    return m_program.isEmpty() ? ProgramFile::current().path : m_program;
}

bool AutostartManager::isEnabled() const
{
    QFile file(m_entryPath);
    if (!QFileInfo(m_entryPath).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray contents = file.readAll();
    if (!AutostartEntry::isInEffect(contents))
        return false;
    // The desktop skips an entry whose program was moved or deleted. The program running now
    // is there; any other needs looking for.
    const QString wanted = AutostartEntry::programToFind(contents);
    if (wanted == program())
        return true;
    const QStringList searchPath =
        QString::fromLocal8Bit(qgetenv("PATH")).split(u':', Qt::SkipEmptyParts);
    return AutostartEntry::programExists(wanted, searchPath, [](const QString &path) {
        const QFileInfo info(path);
        return info.isFile() && info.isExecutable();
    });
}

std::optional<QString> AutostartManager::setEnabled(bool enabled)
{
    if (!enabled) {
        QFile file(m_entryPath);
        if (!file.exists() || file.remove())
            return std::nullopt;
        return describe(m_entryPath, file.errorString());
    }

    const QString folder = QFileInfo(m_entryPath).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (QFileInfo(folder).exists() || QFileInfo(folder).isSymLink())
            //: Login-item error detail: a file stands where the autostart folder goes
            return describe(folder,
                            QCoreApplication::translate("AutostartManager", "not a folder"));
        //: Login-item error detail
        return describe(folder, QCoreApplication::translate("AutostartManager",
                                                            "the folder cannot be created"));
    }
    QSaveFile file(m_entryPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(AutostartEntry::contents(program())) < 0 ||
        !file.commit())
        return describe(m_entryPath, file.errorString());
    return std::nullopt;
}

void AutostartManager::applyFirstStartDefault(SettingsStore &defaults)
{
    const QString key = QString::fromLatin1(SettingsKeys::loginItemDefaultApplied);
    if (defaults.boolValue(key).value_or(false))
        return;
    // Set before the attempt, so that a refused registration is not tried again.
    defaults.setBool(key, true);
    setEnabled(true);
}
