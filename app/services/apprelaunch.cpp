#include "services/apprelaunch.h"

#include "services/singleinstance.h"

#include <QProcess>

bool AppRelaunch::relaunch(const QString &program)
{
    // Released before the new instance can exist: a quitting instance that still held the name
    // would be asked to reopen and the new one would exit at once.
    SingleInstance *holder = SingleInstance::holder();
    if (holder)
        holder->release();

    // "$0" is the program, so its path needs no quoting of its own.
    const bool started = QProcess::startDetached(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("sleep 0.4; exec \"$0\""), program});
    if (!started && holder)
        holder->claim();
    return started;
}
