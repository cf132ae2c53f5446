#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// Tells when the mount table changes: the kernel flags the open mountinfo file with POLLPRI
// after every mount, unmount or remount.
class MountTableWatcher : public QObject {
    Q_OBJECT
public:
    explicit MountTableWatcher(const QString &path = QStringLiteral("/proc/self/mountinfo"),
                               QObject *parent = nullptr);
    ~MountTableWatcher() override;

    bool isWatching() const { return m_notifier != nullptr; }

signals:
    void changed();

private:
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
};
