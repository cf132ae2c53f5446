#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QSocketNotifier;

// Keeps the program to one instance where there is no session bus: the first one listens on a
// local socket in the user's runtime folder (or home); a later launch connects to it and hands
// over "reopen" or a desktop action instead of starting a second one. A socket left behind by a
// dead instance is replaced. Claims of processes starting at once are serialised by a lock
// beside the socket.
class LocalInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        primary,   // this process listens
        secondary, // another instance listens and was handed the request
        unusable   // no folder for the socket: nothing to coordinate with, so run
    };

    // folder: where the socket lives; empty for the runtime folder, else the home.
    explicit LocalInstance(QString appId, QString folder = QString(), QObject *parent = nullptr);
    ~LocalInstance() override;

    Outcome claim(const std::optional<QString> &action = std::nullopt);

    QString socketPath() const { return m_socketPath; }

    std::function<void()> onReopen;
    std::function<void(const QString &)> onAction;

private:
    void accept();
    void handle(const QByteArray &request);

    QString m_socketPath;
    // A plain Unix socket: Qt's local sockets would load its network library into the tray
    // program for this alone.
    int m_listener = -1;
    QSocketNotifier *m_notifier = nullptr;
};
