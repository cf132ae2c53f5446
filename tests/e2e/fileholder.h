#pragma once

#include <QFile>
#include <QProcess>
#include <QTest>

// A process that keeps a file open until it is stopped, so the volume holding the file is busy;
// named "sleep" in the process table.
class FileHolder {
public:
    explicit FileHolder(const QString &file)
    {
        m_process.start(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), QStringLiteral("exec 3<\"$0\"; exec sleep 600"), file});
        m_process.waitForStarted();
        // Ready once sleep has replaced the shell with the file open.
        m_ready = QTest::qWaitFor(
            [this] {
                QFile comm(QStringLiteral("/proc/%1/comm").arg(pid()));
                return comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "sleep";
            },
            5000);
    }
    ~FileHolder()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    FileHolder(const FileHolder &) = delete;
    FileHolder &operator=(const FileHolder &) = delete;

    qint64 pid() const { return m_process.processId(); }
    bool isReady() const { return m_ready; }

private:
    QProcess m_process;
    bool m_ready = false;
};
