#include "services/localinstance.h"

#include "runtimefolder.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int connectTimeoutMs = 2000;
constexpr qsizetype maxRequest = 4096;
const QByteArray reopenRequest = "reopen\n";
const QByteArray actionPrefix = "action ";

QString socketFolder(const QString &folder)
{
    if (!folder.isEmpty())
        return folder;
    const QString runtime = RuntimeFolder::path();
    return runtime.isEmpty() ? QDir::homePath() : runtime;
}

// False when the path does not fit a socket address.
bool socketAddress(const QString &path, sockaddr_un &address)
{
    const QByteArray encoded = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (encoded.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    return true;
}

bool writeAll(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        pollfd ready{fd, POLLOUT, 0};
        if (::poll(&ready, 1, connectTimeoutMs) <= 0)
            return false;
        const ssize_t n =
            ::send(fd, data.constData() + done, size_t(data.size() - done), MSG_NOSIGNAL);
        if (n < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        if (n > 0)
            done += n;
    }
    return true;
}

// Reads what a client sends until it hangs up, with the same time limit as the connection.
QByteArray readAll(int fd)
{
    QByteArray data;
    char buffer[512];
    while (data.size() < maxRequest) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, connectTimeoutMs) <= 0)
            break;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        data.append(buffer, n);
    }
    return data;
}

} // namespace

LocalInstance::LocalInstance(QString appId, QString folder, QObject *parent)
    : QObject(parent),
      m_socketPath(QDir(socketFolder(folder)).filePath(QStringLiteral(".%1.instance").arg(appId)))
{
}

LocalInstance::~LocalInstance()
{
    if (m_listener >= 0) {
        ::close(m_listener);
        ::unlink(QFile::encodeName(m_socketPath).constData());
    }
}

LocalInstance::Outcome LocalInstance::claim(const std::optional<QString> &action)
{
    sockaddr_un address;
    if (!socketAddress(m_socketPath, address))
        return Outcome::unusable;
    const QByteArray lockName = QFile::encodeName(m_socketPath + QStringLiteral(".lock"));
    const int lock = ::open(lockName.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (lock < 0)
        return Outcome::unusable;
    // Released with the descriptor at the end of the claim.
    ::flock(lock, LOCK_EX);
    const auto unlock = [lock] { ::close(lock); };

    const int client = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (client >= 0 &&
        ::connect(client, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0) {
        const QByteArray request = action ? actionPrefix + action->toUtf8() + '\n' : reopenRequest;
        writeAll(client, request);
        ::close(client);
        unlock();
        return Outcome::secondary;
    }
    if (client >= 0)
        ::close(client);

    // Nobody answers: a socket left by an instance that died. Only a socket is removed.
    struct stat existing;
    if (::lstat(address.sun_path, &existing) == 0 && S_ISSOCK(existing.st_mode))
        ::unlink(address.sun_path);
    m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const mode_t previous = ::umask(077);
    const bool bound =
        m_listener >= 0 &&
        ::bind(m_listener, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 &&
        ::listen(m_listener, 8) == 0;
    ::umask(previous);
    if (!bound) {
        qWarning("Quillmere cannot listen on %s: %s", qPrintable(m_socketPath),
                 std::strerror(errno));
        if (m_listener >= 0)
            ::close(m_listener);
        m_listener = -1;
        unlock();
        return Outcome::unusable;
    }
    unlock();
    m_notifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &LocalInstance::accept);
    return Outcome::primary;
}

void LocalInstance::accept()
{
    while (true) {
        const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            return;
        // Only the same user may hand over a request.
        ucred peer{};
        socklen_t length = sizeof peer;
        const bool sameUser = ::getsockopt(client, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
                              peer.uid == ::getuid();
        const QByteArray data = sameUser ? readAll(client) : QByteArray();
        ::close(client);
        qsizetype start = 0;
        while (start < data.size()) {
            const qsizetype end = data.indexOf('\n', start);
            if (end < 0)
                break;
            handle(data.mid(start, end - start + 1));
            start = end + 1;
        }
    }
}

void LocalInstance::handle(const QByteArray &request)
{
    if (request == reopenRequest) {
        if (onReopen)
            onReopen();
        return;
    }
    if (request.startsWith(actionPrefix) && onAction)
        onAction(QString::fromUtf8(request.mid(actionPrefix.size()).trimmed()));
}
