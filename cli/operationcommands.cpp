#include "operationcommands.h"

#include "operationsession.h"
#include "terminaltext.h"
#include "volumeresolver.h"

#include "format/volumeactiongate.h"
#include "operations/blockerscanner.h"
#include "operations/operationtitles.h"
#include "operations/volumenamerules.h"
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

QString shown(const QString &text)
{
    return TerminalText::escaped(text);
}

QString failureTitle(VolumeOperation operation, const QString &name)
{
    return operationFailureTitle(operation, shown(name));
}

QString failureDetail(const OperationResult &result)
{
    if (result.detail) {
        return shown(*result.detail);
    }
    //: Failure alert text when there is no detail
    return QCoreApplication::translate("OperationCommands", "The operation failed.");
}

// 5 when another operation holds the disk, 1 for any other failure.
} // namespace

OperationCommands::OperationCommands(QTextStream &out, QTextStream &err, SessionFactory makeSession)
    : m_out(out), m_err(err), m_makeSession(std::move(makeSession))
{
    if (!m_makeSession) {
        m_makeSession = [] { return std::make_unique<OperationSession>(); };
    }
}

OperationCommands::~OperationCommands() = default;

void OperationCommands::addOptions(QCommandLineParser &parser)
{
    parser.addOption(
        //: quillmere-cli --help
        QCommandLineOption(
            forceOption,
            QCoreApplication::translate("OperationCommands",
                                        "eject: unmount even while programs hold files open.")));
    parser.addOption(QCommandLineOption(
        formatOption,
        //: quillmere-cli --help
        QCoreApplication::translate(
            "OperationCommands",
            "erase: the new file system (ext4, ExFAT, MS-DOS FAT32 or NTFS; default ext4)."),
        QStringLiteral("format")));
    parser.addOption(QCommandLineOption(
        nameOption,
        //: quillmere-cli --help
        QCoreApplication::translate("OperationCommands", "erase: the new volume name."),
        QStringLiteral("name")));
    parser.addOption(QCommandLineOption(
        //: quillmere-cli --help
        yesOption, QCoreApplication::translate(
                       "OperationCommands",
                       "erase: confirm that everything on the volume may be destroyed.")));
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
    //: quillmere-cli usage of the operation commands
    return QCoreApplication::translate(
        "OperationCommands", "       quillmere-cli eject [--force] VOLUME\n"
                             "       quillmere-cli eject-all\n"
                             "       quillmere-cli remount VOLUME\n"
                             "       quillmere-cli rename VOLUME NAME\n"
                             "       quillmere-cli erase VOLUME [--format F] --name N --yes\n"
                             "       quillmere-cli blockers VOLUME\n"
                             "VOLUME is a device name, a mount point or a volume name.");
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

int OperationCommands::exitCode(const OperationResult &result)
{
    if (result.ok) {
        return 0;
    }
    // Another operation holds the disk.
    if (result.held) {
        return 5;
    }
    switch (result.error) {
    case OperationError::cancelled:
        return 3;
    case OperationError::notAuthorized:
    case OperationError::noAuthenticationAgent:
        return 4;
    case OperationError::busy:
        return 5;
    case OperationError::diskServiceGone:
        return 6;
    case OperationError::notMounted:
    case OperationError::failed:
        break;
    }
    return 1;
}

int OperationCommands::reportFailure(VolumeOperation operation, const Volume &volume,
                                     const OperationResult &result)
{
    if (result.error == OperationError::cancelled) {
        m_err << failureDetail(result) << Qt::endl;
    } else {
        m_err << failureTitle(operation, volume.name) << ": " << failureDetail(result) << Qt::endl;
    }
    return exitCode(result);
}

int OperationCommands::usageError(const QString &message)
{
    //: quillmere-cli usage heading
    const QString heading = QCoreApplication::translate("OperationCommands", "Usage:");
    m_err << message << '\n' << heading << '\n' << usage() << Qt::endl;
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

bool OperationCommands::isOffered(const Volume &volume, VolumeOperation operation)
{
    const std::optional<QString> refusal = VolumeActionGate::refusal(volume, operation);
    if (!refusal) {
        return true;
    }
    //: quillmere-cli: after an operation that no menu offers for the volume was refused
    const QString nothingDone =
        QCoreApplication::translate("OperationCommands", "Nothing was done.");
    m_err << failureTitle(operation, volume.name) << ": " << *refusal << ' ' << nothingDone
          << Qt::endl;
    return false;
}

QCoro::Task<int> OperationCommands::run(const QCommandLineParser &parser)
{
    const QStringList arguments = parser.positionalArguments();
    const QString command = arguments.value(0);
    const QStringList operands = arguments.mid(1);
    const auto wrongCount = [this, &command] {
        return usageError(
            //: quillmere-cli usage error
            QCoreApplication::translate("OperationCommands",
                                        "quillmere-cli %1: wrong number of arguments.")
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
    if (command != QLatin1String("eject-all") && operands[0].trimmed().isEmpty()) {
        co_return usageError(
            //: quillmere-cli usage error
            QCoreApplication::translate("OperationCommands",
                                        "quillmere-cli %1: VOLUME is empty; name a device, a "
                                        "mount point or a volume.")
                .arg(command));
    }
    if (command == QLatin1String("rename") && operands[1].trimmed().isEmpty()) {
        co_return usageError(
            //: quillmere-cli usage error
            QCoreApplication::translate("OperationCommands",
                                        "quillmere-cli rename: the new name is empty."));
    }

    QString format = UDisksOperations::eraseFormats().constFirst();
    if (command == QLatin1String("erase")) {
        if (parser.isSet(formatOption)) {
            const auto chosen = eraseFormat(parser.value(formatOption));
            if (!chosen) {
                co_return usageError(
                    //: quillmere-cli usage error
                    QCoreApplication::translate(
                        "OperationCommands",
                        "quillmere-cli erase: unknown format “%1”; choose one of: %2.")
                        .arg(TerminalText::echoed(parser.value(formatOption)),
                             UDisksOperations::eraseFormats().join(QLatin1String(", "))));
            }
            format = *chosen;
        }
        if (!parser.isSet(nameOption) || parser.value(nameOption).trimmed().isEmpty()) {
            //: quillmere-cli usage error
            co_return usageError(QCoreApplication::translate(
                "OperationCommands", "quillmere-cli erase: give the new name with --name."));
        }
    }

    const std::unique_ptr<OperationSession> made = m_makeSession();
    OperationSession &session = *made;
    co_await session.start();
    if (!session.isDiskServiceAvailable()) {
        //: quillmere-cli warning when the disk service is absent
        m_err << QCoreApplication::translate(
                     "OperationCommands",
                     "quillmere-cli: udisks2 is not running on the system bus.")
              << Qt::endl;
    }
    if (command == QLatin1String("erase")) {
        const QStringList makeable = co_await session.operations().availableEraseFormats();
        if (!makeable.contains(format)) {
            co_return usageError(
                //: quillmere-cli usage error; %2 lists the formats that can be made
                QCoreApplication::translate("OperationCommands",
                                            "quillmere-cli erase: this computer can’t make %1 "
                                            "file systems; it can make: %2.")
                    .arg(format, makeable.join(QLatin1String(", "))));
        }
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

QCoro::Task<int> OperationCommands::ejectOne(OperationSession &session, Volume volume, bool force)
{
    const OperationResult result = co_await session.operations().eject(volume, force);
    const VolumeOperation operation = force ? VolumeOperation::forceEject : VolumeOperation::eject;
    session.recorder().record(operation, volume, result);
    if (result.ok) {
        //: quillmere-cli eject success
        m_out << QCoreApplication::translate("OperationCommands", "Ejected “%1”.")
                     .arg(shown(volume.name))
              << Qt::endl;
        co_return 0;
    }
    const int code = reportFailure(operation, volume, result);
    // Only programs that hold the volume open can be named; no other refusal is helped by force.
    if (!force && result.error == OperationError::busy) {
        const BlockerList holders =
            BlockerScanner::uniqueCommands(co_await session.operations().blockers(volume));
        if (!holders.isEmpty()) {
            QStringList names;
            for (const Blocker &b : holders) {
                names.append(
                    QStringLiteral("%1 (%2)").arg(shown(b.command), QString::number(b.pid)));
            }
            //: quillmere-cli hint after an eject that programs prevented
            m_err << QCoreApplication::translate(
                         "OperationCommands",
                         "In use by: %1. “quillmere-cli eject --force” ejects it anyway.")
                         .arg(names.join(QLatin1String(", ")))
                  << Qt::endl;
        }
    }
    co_return code;
}

QCoro::Task<int> OperationCommands::eject(OperationSession &session, QString argument, bool force)
{
    const auto volume = resolve(session, argument);
    if (!volume) {
        co_return 2;
    }
    if (!isOffered(*volume, force ? VolumeOperation::forceEject : VolumeOperation::eject)) {
        co_return 1;
    }
    co_return co_await ejectOne(session, *volume, force);
}

QCoro::Task<int> OperationCommands::ejectAll(OperationSession &session)
{
    const VolumeList targets =
        AutoEjectPolicy::volumesForEjectAll(session.visibleVolumes(), session.excludedVolumes());
    if (targets.isEmpty()) {
        //: quillmere-cli eject-all without targets
        m_out << QCoreApplication::translate("OperationCommands", "Nothing to eject.") << Qt::endl;
        co_return 0;
    }
    // One disk at a time, as the disk locks would have it anyway; the first failure's status.
    int code = 0;
    for (const Volume &target : targets) {
        const int one = co_await ejectOne(session, target, false);
        if (code == 0) {
            code = one;
        }
    }
    co_return code;
}

QCoro::Task<int> OperationCommands::remount(OperationSession &session, QString argument)
{
    const auto volume = resolve(session, argument);
    if (!volume) {
        co_return 2;
    }
    if (!isOffered(*volume, VolumeOperation::remount)) {
        co_return 1;
    }
    const OperationResult result = co_await session.operations().remount(*volume);
    session.recorder().record(VolumeOperation::remount, *volume, result);
    if (!result.ok) {
        co_return reportFailure(VolumeOperation::remount, *volume, result);
    }
    //: quillmere-cli remount success
    m_out << QCoreApplication::translate("OperationCommands", "Mounted “%1”.")
                 .arg(shown(volume->name))
          << Qt::endl;
    co_return 0;
}

QCoro::Task<int> OperationCommands::rename(OperationSession &session, QString argument,
                                           QString newName)
{
    const auto volume = resolve(session, argument);
    if (!volume) {
        co_return 2;
    }
    if (!isOffered(*volume, VolumeOperation::rename)) {
        co_return 1;
    }
    if (const auto problem = VolumeNameRules::problem(volume->fileSystemType, newName)) {
        m_err << failureTitle(VolumeOperation::rename, volume->name) << ": " << *problem
              << Qt::endl;
        co_return 2;
    }
    const OperationResult result = co_await session.operations().rename(*volume, newName);
    session.recorder().record(VolumeOperation::rename, *volume, result);
    if (!result.ok) {
        co_return reportFailure(VolumeOperation::rename, *volume, result);
    }
    // What the disk holds now, which is what the user will see.
    const QString label = (co_await session.currentLabel(volume->deviceName)).value_or(newName);
    m_out
        //: quillmere-cli rename success
        << QCoreApplication::translate("OperationCommands", "Renamed “%1” to “%2”.")
               .arg(shown(volume->name), shown(label))
        << Qt::endl;
    co_return 0;
}

QCoro::Task<int> OperationCommands::erase(OperationSession &session, QString argument,
                                          QString format, QString newName, bool confirmed)
{
    const auto volume = resolve(session, argument);
    if (!volume) {
        co_return 2;
    }
    // Before the confirmation: asking for one that cannot be used helps nobody.
    if (!isOffered(*volume, VolumeOperation::erase)) {
        co_return 1;
    }
    if (const auto problem =
            VolumeNameRules::problem(UDisksOperations::filesystemType(format), newName)) {
        m_err << failureTitle(VolumeOperation::erase, volume->name) << ": " << *problem << Qt::endl;
        co_return 2;
    }
    if (!confirmed) {
        // An unconfirmed erase is a declined confirmation: nothing runs, nothing is recorded.
        //: quillmere-cli erase without confirmation
        m_err << QCoreApplication::translate(
                     "OperationCommands",
                     "Erasing “%1” destroys everything on it. Add --yes to erase it.")
                     .arg(shown(volume->name))
              << Qt::endl;
        co_return 2;
    }
    // Written first: an erase outlives a command line killed meanwhile.
    session.recorder().recordStart(VolumeOperation::erase, *volume);
    const OperationResult result = co_await session.operations().erase(*volume, format, newName);
    session.recorder().record(VolumeOperation::erase, *volume, result);
    if (!result.ok) {
        co_return reportFailure(VolumeOperation::erase, *volume, result);
    }
    // The erase is done only once the device itself was read back with this name.
    const QString label = newName;
    //: quillmere-cli erase success
    m_out << QCoreApplication::translate("OperationCommands", "Erased “%1” as %2 “%3”.")
                 .arg(shown(volume->name), format, shown(label))
          << Qt::endl;
    co_return 0;
}

QCoro::Task<int> OperationCommands::blockers(OperationSession &session, QString argument)
{
    const auto volume = resolve(session, argument);
    if (!volume) {
        co_return 2;
    }
    const BlockerList found = co_await session.operations().blockers(*volume);
    if (found.isEmpty()) {
        //: quillmere-cli blockers
        m_out << QCoreApplication::translate("OperationCommands",
                                             "No program holds files open on “%1”.")
                     .arg(shown(volume->name))
              << Qt::endl;
        co_return 0;
    }
    for (const Blocker &b : found) {
        m_out << b.pid << '\t' << shown(b.command) << '\n';
    }
    m_out.flush();
    co_return 0;
}
