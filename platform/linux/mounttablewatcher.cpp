#include "mounttablewatcher.h"

#include <QFile>
#include <QSocketNotifier>
#include <fcntl.h>
#include <unistd.h>

MountTableWatcher::MountTableWatcher(const QString &path, QObject *parent) : QObject(parent)
{
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) {
        return;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Exception, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &MountTableWatcher::changed);
}

MountTableWatcher::~MountTableWatcher()
{
    delete m_notifier;
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}
