#include "stores/userhome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool usable(const UserHome::Candidate &candidate, uint user)
{
    const QString cleaned = QDir::cleanPath(candidate.path);
    if (candidate.path.isEmpty() || !QDir::isAbsolutePath(candidate.path) ||
        cleaned == QLatin1String("/") || !candidate.owner)
        return false;
    // Root keeps its files only in root's folders; anyone else may name any folder of theirs.
    return user != 0 || *candidate.owner == 0;
}

std::optional<uint> folderOwner(const QString &path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0 ||
        !S_ISDIR(info.st_mode))
        return std::nullopt;
    return info.st_uid;
}

UserHome::Candidate candidate(const QString &path)
{
    return UserHome::Candidate{path, folderOwner(path)};
}

} // namespace

namespace UserHome {

std::optional<QString> choose(const Candidate &environment, const Candidate &passwordDatabase,
                              uint user)
{
    if (usable(environment, user))
        return QDir::cleanPath(environment.path);
    if (usable(passwordDatabase, user))
        return QDir::cleanPath(passwordDatabase.path);
    return std::nullopt;
}

QString establish()
{
    const uint user = ::geteuid();
    QString fromDatabase;
    if (const struct passwd *entry = ::getpwuid(user); entry != nullptr && entry->pw_dir)
        fromDatabase = QFile::decodeName(entry->pw_dir);
    const QString fromEnvironment = qEnvironmentVariable("HOME");
    const std::optional<QString> home =
        choose(candidate(fromEnvironment), candidate(fromDatabase), user);
    if (!home) {
        //: Printed when the program will not start; %1 is $HOME, %2 the password database's home
        return QCoreApplication::translate(
                   "UserHome",
                   "Quillmere needs a home folder of its user to keep its settings and history, "
                   "but neither HOME (“%1”) nor the user’s entry in the password database (“%2”) "
                   "names one. Set HOME to a folder of yours.")
            .arg(fromEnvironment.left(200), fromDatabase.left(200));
    }
    if (*home != fromEnvironment)
        qputenv("HOME", QFile::encodeName(*home));
    for (const char *name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        const QString value = qEnvironmentVariable(name);
        if (value.isEmpty())
            continue;
        const std::optional<uint> owner = folderOwner(value);
        if (!QDir::isAbsolutePath(value) || (user == 0 && owner && *owner != 0))
            qunsetenv(name);
    }
    return {};
}

} // namespace UserHome
