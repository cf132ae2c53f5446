#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a Qt signal on the main thread, so that a program that is
// interrupted (Ctrl+C, logout, a service manager) can end its event loop normally and run its
// own clean-up instead of dying mid-way. One at a time per process.
class InterruptWatcher : public QObject {
    Q_OBJECT
public:
    explicit InterruptWatcher(QObject *parent = nullptr);
    ~InterruptWatcher() override;

signals:
    void interrupted();

private:
    QSocketNotifier *m_notifier = nullptr;
};
