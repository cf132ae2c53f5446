#pragma once

#include <QProcess>

// Ends a process the test started: asks it to terminate and kills it when it has not ended
// within `graceMs`.
inline void stopProcess(QProcess &process, int graceMs = 5000)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(graceMs)) {
        process.kill();
        process.waitForFinished(5000);
    }
}
