#include "stores/regularfilereader.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Result = RegularFileReader::Result;
using Status = RegularFileReader::Result::Status;

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        //: What stands where a file was expected
        return QCoreApplication::translate("RegularFileReader", "a folder");
    if (S_ISFIFO(mode))
        //: What stands where a file was expected
        return QCoreApplication::translate("RegularFileReader", "a FIFO");
    if (S_ISCHR(mode))
        //: What stands where a file was expected
        return QCoreApplication::translate("RegularFileReader", "a character device");
    if (S_ISBLK(mode))
        //: What stands where a file was expected
        return QCoreApplication::translate("RegularFileReader", "a block device");
    if (S_ISSOCK(mode))
        //: What stands where a file was expected
        return QCoreApplication::translate("RegularFileReader", "a socket");
    //: What stands where a file was expected
    return QCoreApplication::translate("RegularFileReader", "not a regular file");
}

Result failure(Status status, const QString &error)
{
    Result result;
    result.status = status;
    result.error = error;
    return result;
}

Result notRegular(mode_t mode)
{
    //: Why a file was not read; %1 is what stands there instead ("a FIFO")
    return failure(Status::notRegular,
                   QCoreApplication::translate("RegularFileReader", "not a regular file but %1")
                       .arg(kindOf(mode)));
}

Result tooLarge(qint64 maxBytes)
{
    //: Why a file was not read
    return failure(
        Status::tooLarge,
        QCoreApplication::translate("RegularFileReader", "larger than %1 bytes").arg(maxBytes));
}

Result readFile(const QString &path, qint64 maxBytes, bool tail)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    if (::stat(name.constData(), &before) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        return failure(Status::unreadable, QString::fromLocal8Bit(std::strerror(errno)));
    }
    // Checked before opening: opening some devices already does something.
    if (!S_ISREG(before.st_mode))
        return notRegular(before.st_mode);
    if (before.st_size > maxBytes && !tail)
        return tooLarge(maxBytes);

    // Non-blocking, in case a FIFO took the file's place since the check.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT)
            return {};
        return failure(Status::unreadable, QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        const mode_t mode = opened.st_mode;
        ::close(fd);
        return notRegular(mode);
    }

    Result result;
    result.status = Status::ok;
    if (opened.st_size > maxBytes) {
        if (!tail) {
            ::close(fd);
            return tooLarge(maxBytes);
        }
        if (::lseek(fd, opened.st_size - maxBytes, SEEK_SET) < 0) {
            const QString error = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            return failure(Status::unreadable, error);
        }
        result.truncated = true;
    }
    // One byte more than allowed tells a file that grew since it was measured.
    const qint64 wanted = maxBytes + 1;
    result.data.resize(std::min<qint64>(opened.st_size, maxBytes) + 1);
    qint64 filled = 0;
    while (filled < wanted) {
        if (filled == result.data.size())
            result.data.resize(std::min<qint64>(wanted, result.data.size() * 2));
        const ssize_t n = ::read(fd, result.data.data() + filled, result.data.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const QString error = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            return failure(Status::unreadable, error);
        }
        if (n == 0)
            break;
        filled += n;
    }
    ::close(fd);
    if (filled > maxBytes) {
        if (!tail)
            return tooLarge(maxBytes);
        filled = maxBytes;
        result.truncated = true;
    }
    result.data.truncate(filled);
    return result;
}

} // namespace

namespace RegularFileReader {

Result read(const QString &path, qint64 maxBytes)
{
    return readFile(path, maxBytes, false);
}

Result readTail(const QString &path, qint64 maxBytes)
{
    return readFile(path, maxBytes, true);
}

QString nonRegularKind(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    return kindOf(info.st_mode);
}

} // namespace RegularFileReader
