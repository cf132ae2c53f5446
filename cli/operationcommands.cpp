#include "operationcommands.h"

#include "operationsession.h"
#include "volumeresolver.h"

#include "operations/blockerscanner.h"
#include "policy/autoejectpolicy.h"
#include "udisksoperations.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const QString forceOption = QStringLiteral("force");
const QString formatOption = QStringLiteral("format");
const QString nameOption = QStringLiteral("name");
const QString yesOption = QStringLiteral("yes");

QString text(const char *source, const char *comment)
{
    return QCoreApplication::translate("OperationCommands", source, comment);
}

// The same titles as the application's failure alerts.
QString failureTitle(VolumeOperation operation, const QString &volumeName)
{
    switch (operation) {
    case VolumeOperation::eject:
    case VolumeOperation::autoEject:
        return text("Couldn’t eject “%1”", "Eject failure alert title").arg(volumeName);
    case VolumeOperation::forceEject:
        return text("Couldn’t force eject “%1”", "Force eject failure alert title").arg(volumeName);
    case VolumeOperation::rename:
        return text("Couldn’t rename “%1”", "Rename failure alert title").arg(volumeName);
    case VolumeOperation::erase:
        return text("Couldn’t erase “%1”", "Erase failure alert title").arg(volumeName);
    case VolumeOperation::remount:
    case VolumeOperation::autoRemount:
        return text("Couldn’t remount “%1”", "Remount failure alert title").arg(volumeName);
    }
    return {};
}

QString failureDetail(const OperationResult &result)
{
    return result.detail.value_or(
        text("The operation failed.", "Failure alert text when there is no detail"));
}

} // namespace

OperationCommands::OperationCommands(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

void OperationCommands::addOptions(QCommandLineParser &parser)
{
    parser.addOption(
        QCommandLineOption(forceOption, text("eject: unmount even while programs hold files open.",
                                             "quillmere-cli --help")));
    parser.addOption(QCommandLineOption(
        formatOption,
        text("erase: the new file system (ext4, ExFAT, MS-DOS FAT32 or NTFS; default ext4).",
             "quillmere-cli --help"),
        QStringLiteral("format")));
    parser.addOption(QCommandLineOption(nameOption,
                                        text("erase: the new volume name.", "quillmere-cli --help"),
                                        QStringLiteral("name")));
    parser.addOption(QCommandLineOption(
        yesOption, text("erase: confirm that everything on the volume may be destroyed.",
                        "quillmere-cli --help")));
}

bool OperationCommands::handles(const QString &command)
{
    static const QStringList commands{QStringLiteral("eject"),   QStringLiteral("eject-all"),
                                      QStringLiteral("remount"), QStringLiteral("rename"),
                                      QStringLiteral("erase"),   QStringLiteral("blockers")};
    return commands.contains(command);
}

QString OperationCommands::usage()
{
    return text("       quillmere-cli eject [--force] VOLUME\n"
                "       quillmere-cli eject-all\n"
                "       quillmere-cli remount VOLUME\n"
                "       quillmere-cli rename VOLUME NAME\n"
                "       quillmere-cli erase VOLUME [--format F] --name N --yes\n"
                "       quillmere-cli blockers VOLUME\n"
                "VOLUME is a device name, a mount point or a volume name.",
                "quillmere-cli usage of the operation commands");
}

std::optional<QString> OperationCommands::eraseFormat(const QString &argument)
{
    for (const QString &format : UDisksOperations::eraseFormats()) {
        if (argument.compare(format, Qt::CaseInsensitive) == 0 ||
            argument.compare(UDisksOperations::filesystemType(format), Qt::CaseInsensitive) == 0) {
            return format;
        }
    }
    if (argument.compare(QLatin1String("fat32"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("MS-DOS FAT32");
    }
    return std::nullopt;
}

int OperationCommands::usageError(const QString &message)
{
    m_err << message << '\n'
          << text("Usage:", "quillmere-cli usage heading") << '\n'
          << usage() << Qt::endl;
    return 2;
}

std::optional<Volume> OperationCommands::resolve(OperationSession &session, const QString &argument)
{
    const VolumeResolver::Resolution found =
        VolumeResolver::resolve(session.allVolumes(), argument);
    if (!found.volume) {
        m_err << found.error << Qt::endl;
    }
    return found.volume;
}

QCoro::Task<int> OperationCommands::run(const QCommandLineParser &parser)
{
    const QStringList arguments = parser.positionalArguments();
    const QString command = arguments.value(0);
    const QStringList operands = arguments.mid(1);
    const auto wrongCount = [this, &command] {
        return usageError(
            text("quillmere-cli %1: wrong number of arguments.", "quillmere-cli usage error")
                .arg(command));
    };

    if (command == QLatin1String("eject-all")) {
        if (!operands.isEmpty()) {
            co_return wrongCount();
        }
    } else if (command == QLatin1String("rename")) {
        if (operands.size() != 2) {
            co_return wrongCount();
        }
    } else if (operands.size() != 1) {
        co_return wrongCount();
    }

    QString format = UDisksOperations::eraseFormats().constFirst();
    if (command == QLatin1String("erase")) {
        if (parser.isSet(formatOption)) {
            const auto chosen = eraseFormat(parser.value(formatOption));
            if (!chosen) {
                co_return usageError(
                    text("quillmere-cli erase: unknown format “%1”; choose one of: %2.",
                         "quillmere-cli usage error")
                        .arg(parser.value(formatOption),
                             UDisksOperations::eraseFormats().join(QLatin1String(", "))));
            }
            format = *chosen;
        }
        if (!parser.isSet(nameOption)) {
            co_return usageError(text("quillmere-cli erase: give the new name with --name.",
                                      "quillmere-cli usage error"));
        }
    }

    OperationSession session;
    co_await session.start();
    if (!session.isDiskServiceAvailable()) {
        m_err << text("quillmere-cli: udisks2 is not running on the system bus.",
                      "quillmere-cli warning when the disk service is absent")
              << Qt::endl;
    }

    if (command == QLatin1String("eject")) {
        co_return co_await eject(session, operands[0], parser.isSet(forceOption));
    }
    if (command == QLatin1String("eject-all")) {
        co_return co_await ejectAll(session);
    }
    if (command == QLatin1String("remount")) {
        co_return co_await remount(session, operands[0]);
    }
    if (command == QLatin1String("rename")) {
        co_return co_await rename(session, operands[0], operands[1]);
    }
    if (command == QLatin1String("erase")) {
        co_return co_await erase(session, operands[0], format, parser.value(nameOption),
                                 parser.isSet(yesOption));
    }
    co_return co_await blockers(session, operands[0]);
}

QCoro::Task<bool> OperationCommands::ejectOne(OperationSession &session, Volume volume, bool force)
{
    const OperationResult result = co_await session.operations().eject(volume, force);
    const VolumeOperation operation = force ? VolumeOperation::forceEject : VolumeOperation::eject;
    session.recorder().record(operation, volume, result);
    if (result.ok) {
        m_out << text("Ejected “%1”.", "quillmere-cli eject success").arg(volume.name) << Qt::endl;
        co_return true;
    }
    m_err << failureTitle(operation, volume.name) << ": " << failureDetail(result) << Qt::endl;
    if (!force) {
        const BlockerList holders =
            BlockerScanner::uniqueCommands(co_await session.operations().blockers(volume));
        if (!holders.isEmpty()) {
            QStringList names;
            for (const Blocker &b : holders) {
                names.append(QStringLiteral("%1 (%2)").arg(b.command).arg(b.pid));
            }
            m_err << text("In use by: %1. “quillmere-cli eject --force” ejects it anyway.",
                          "quillmere-cli hint after an eject that programs prevented")
                         .arg(names.join(QLatin1String(", ")))
                  << Qt::endl;
        }
    }
    co_return false;
}

QCoro::Task<int> OperationCommands::eject(OperationSession &session, QString argument, bool force)
{
    const auto volume = resolve(session, argument);
    if (!volume) {
        co_return 1;
    }
    co_return co_await ejectOne(session, *volume, force) ? 0 : 1;
}

QCoro::Task<int> OperationCommands::ejectAll(OperationSession &session)
{
    const VolumeList targets =
        AutoEjectPolicy::volumesForEjectAll(session.visibleVolumes(), session.excludedVolumes());
    if (targets.isEmpty()) {
        m_out << text("Nothing to eject.", "quillmere-cli eject-all without targets") << Qt::endl;
        co_return 0;
    }
    // Tasks start running when created, so all ejects are in flight before the first await.
    std::vector<QCoro::Task<bool>> running;
    running.reserve(targets.size());
    for (const Volume &target : targets) {
        running.push_back(ejectOne(session, target, false));
    }
    bool allDone = true;
    for (auto &task : running) {
        allDone = co_await task && allDone;
    }
    co_return allDone ? 0 : 1;
}

QCoro::Task<int> OperationCommands::remount(OperationSession &session, QString argument)
{
    const auto volume = resolve(session, argument);
    if (!volume) {
        co_return 1;
    }
    const OperationResult result = co_await session.operations().remount(*volume);
    session.recorder().record(VolumeOperation::remount, *volume, result);
    if (!result.ok) {
        m_err << failureTitle(VolumeOperation::remount, volume->name) << ": "
              << failureDetail(result) << Qt::endl;
        co_return 1;
    }
    m_out << text("Mounted “%1”.", "quillmere-cli remount success").arg(volume->name) << Qt::endl;
    co_return 0;
}

QCoro::Task<int> OperationCommands::rename(OperationSession &session, QString argument,
                                           QString newName)
{
    const auto volume = resolve(session, argument);
    if (!volume) {
        co_return 1;
    }
    const OperationResult result = co_await session.operations().rename(*volume, newName);
    session.recorder().record(VolumeOperation::rename, *volume, result);
    if (!result.ok) {
        m_err << failureTitle(VolumeOperation::rename, volume->name) << ": "
              << failureDetail(result) << Qt::endl;
        co_return 1;
    }
    m_out
        << text("Renamed “%1” to “%2”.", "quillmere-cli rename success").arg(volume->name, newName)
        << Qt::endl;
    co_return 0;
}

QCoro::Task<int> OperationCommands::erase(OperationSession &session, QString argument,
                                          QString format, QString newName, bool confirmed)
{
    const auto volume = resolve(session, argument);
    if (!volume) {
        co_return 1;
    }
    if (!confirmed) {
        // An unconfirmed erase is a declined confirmation: nothing runs, nothing is recorded.
        m_err << text("Erasing “%1” destroys everything on it. Add --yes to erase it.",
                      "quillmere-cli erase without confirmation")
                     .arg(volume->name)
              << Qt::endl;
        co_return 2;
    }
    const OperationResult result = co_await session.operations().erase(*volume, format, newName);
    session.recorder().record(VolumeOperation::erase, *volume, result);
    if (!result.ok) {
        m_err << failureTitle(VolumeOperation::erase, volume->name) << ": " << failureDetail(result)
              << Qt::endl;
        co_return 1;
    }
    m_out << text("Erased “%1” as %2 “%3”.", "quillmere-cli erase success")
                 .arg(volume->name, format, newName)
          << Qt::endl;
    co_return 0;
}

QCoro::Task<int> OperationCommands::blockers(OperationSession &session, QString argument)
{
    const auto volume = resolve(session, argument);
    if (!volume) {
        co_return 1;
    }
    const BlockerList found = co_await session.operations().blockers(*volume);
    if (found.isEmpty()) {
        m_out << text("No program holds files open on “%1”.", "quillmere-cli blockers")
                     .arg(volume->name)
              << Qt::endl;
        co_return 0;
    }
    for (const Blocker &b : found) {
        m_out << b.pid << '\t' << b.command << '\n';
    }
    m_out.flush();
    co_return 0;
}
