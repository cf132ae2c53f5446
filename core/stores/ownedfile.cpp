#include "stores/ownedfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString notOwnLink()
{
    //: Why one of the program's files is not used
    return QCoreApplication::translate("OwnedFile",
                                       "it is a symbolic link that belongs to another user");
}

QString danglingLink()
{
    //: Why one of the program's files is not used
    return QCoreApplication::translate("OwnedFile", "it is a symbolic link to nothing");
}

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

} // namespace

namespace OwnedFile {

QString readProblem(const Facts &facts, uint user)
{
    if (!facts.isLink)
        return {};
    if (facts.linkOwner != user && facts.linkOwner != 0)
        return notOwnLink();
    if (!facts.targetExists)
        return danglingLink();
    return {};
}

QString writeProblem(const Facts &facts, uint user)
{
    if (facts.isLink) {
        if (facts.linkOwner != user)
            return notOwnLink();
        if (!facts.targetExists)
            return danglingLink();
    }
    if (facts.targetExists && facts.targetOwner != user) {
        //: Why one of the program's files is not written
        return QCoreApplication::translate("OwnedFile", "it belongs to another user");
    }
    if (facts.folderExists && facts.folderOwner != user) {
        //: Why one of the program's files is not written
        return QCoreApplication::translate("OwnedFile", "its folder belongs to another user");
    }
    return {};
}

Facts factsOf(const QString &path)
{
    Facts facts;
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) == 0) {
        facts.exists = true;
        facts.isLink = S_ISLNK(info.st_mode);
        facts.linkOwner = info.st_uid;
        if (!facts.isLink) {
            facts.targetExists = true;
            facts.targetOwner = info.st_uid;
        } else if (::stat(name.constData(), &info) == 0) {
            facts.targetExists = true;
            facts.targetOwner = info.st_uid;
        }
    }
    const QString written =
        facts.isLink && facts.targetExists ? QFileInfo(path).canonicalFilePath() : path;
    if (::stat(QFile::encodeName(folderOf(written)).constData(), &info) == 0 &&
        S_ISDIR(info.st_mode)) {
        facts.folderExists = true;
        facts.folderOwner = info.st_uid;
    }
    return facts;
}

QString readProblem(const QString &path)
{
    return readProblem(factsOf(path), ::geteuid());
}

QString writeProblem(const QString &path)
{
    return writeProblem(factsOf(path), ::geteuid());
}

QString writtenPath(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty())
            return target;
    }
    return path;
}

int openForAppend(const QString &path, QString *error)
{
    const QString problem = writeProblem(path);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return -1;
    }
    // O_NOFOLLOW on the checked path: a link put there since the check is refused, not followed.
    const QByteArray name = QFile::encodeName(writtenPath(path));
    const int fd =
        ::open(name.constData(),
               O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600);
    if (fd < 0) {
        if (error)
            *error = errnoText();
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        ::close(fd);
        if (error)
            //: Why one of the program's files is not written
            *error =
                QCoreApplication::translate("OwnedFile", "it is not a regular file of this user");
        return -1;
    }
    return fd;
}

bool replace(const QString &path, const QByteArray &data, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QString problem = writeProblem(path);
    if (!problem.isEmpty())
        return fail(problem);
    const QFileInfo target(writtenPath(path));
    const int folder = ::open(QFile::encodeName(target.absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return fail(errnoText());
    struct stat folderInfo {};
    if (::fstat(folder, &folderInfo) != 0 || folderInfo.st_uid != ::geteuid()) {
        ::close(folder);
        //: Why one of the program's files is not written
        return fail(QCoreApplication::translate("OwnedFile", "its folder belongs to another user"));
    }
    const QByteArray finalName = QFile::encodeName(target.fileName());
    mode_t mode = 0600;
    struct stat old {};
    if (::fstatat(folder, finalName.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(old.st_mode))
        mode = old.st_mode & 07777;
    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        tempName = '.' + finalName + '.' +
                   QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        fd = ::openat(folder, tempName.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const QString why = errnoText();
        ::close(folder);
        return fail(why);
    }
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + written, data.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    const bool complete = written == data.size() && ::fsync(fd) == 0;
    const QString writeError = complete ? QString() : errnoText();
    ::close(fd);
    if (!complete || ::renameat(folder, tempName.constData(), folder, finalName.constData()) != 0) {
        const QString why = complete ? errnoText() : writeError;
        ::unlinkat(folder, tempName.constData(), 0);
        ::close(folder);
        return fail(why);
    }
    ::close(folder);
    return true;
}

} // namespace OwnedFile
