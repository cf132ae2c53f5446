#include "services/localinstance.h"

#include "runtimefolder.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int connectTimeoutMs = 2000;
const QByteArray reopenRequest = "reopen\n";
const QByteArray actionPrefix = "action ";

QString socketFolder(const QString &folder)
{
    if (!folder.isEmpty())
        return folder;
    const QString runtime = RuntimeFolder::path();
    return runtime.isEmpty() ? QDir::homePath() : runtime;
}

} // namespace

LocalInstance::LocalInstance(QString appId, QString folder, QObject *parent)
    : QObject(parent),
      m_socketPath(QDir(socketFolder(folder)).filePath(QStringLiteral(".%1.instance").arg(appId)))
{
}

LocalInstance::~LocalInstance()
{
    if (m_server != nullptr)
        m_server->close();
}

LocalInstance::Outcome LocalInstance::claim(const std::optional<QString> &action)
{
    const QByteArray lockName = QFile::encodeName(m_socketPath + QStringLiteral(".lock"));
    const int lock = ::open(lockName.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (lock < 0)
        return Outcome::unusable;
    // Released with the descriptor at the end of the claim.
    ::flock(lock, LOCK_EX);
    const auto unlock = [lock] { ::close(lock); };

    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (socket.waitForConnected(connectTimeoutMs)) {
        socket.write(action ? actionPrefix + action->toUtf8() + '\n' : reopenRequest);
        socket.waitForBytesWritten(connectTimeoutMs);
        socket.disconnectFromServer();
        unlock();
        return Outcome::secondary;
    }
    // Nobody answers: a socket left by an instance that died.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_socketPath)) {
        qWarning("Quillmere cannot listen on %s: %s", qPrintable(m_socketPath),
                 qPrintable(m_server->errorString()));
        unlock();
        return Outcome::unusable;
    }
    unlock();
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                while (client->canReadLine())
                    handle(client->readLine(4096));
            });
        }
    });
    return Outcome::primary;
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
