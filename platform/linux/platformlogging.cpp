#include "platformlogging.h"

Q_LOGGING_CATEGORY(lcUDisks, "quillmere.udisks")
Q_LOGGING_CATEGORY(lcTools, "quillmere.tools")

void PlatformLogging::logRefusal(const QString &method, const QString &deviceName,
                                 const QString &objectPath, const QDBusMessage &reply)
{
    const QString device =
        deviceName.isEmpty() ? objectPath : QStringLiteral("%1 (%2)").arg(deviceName, objectPath);
    qCWarning(lcUDisks).noquote() << QStringLiteral("udisks2 refused %1 of %2: %3: %4")
                                         .arg(method, device, reply.errorName(),
                                              reply.errorMessage().trimmed());
}

void PlatformLogging::logToolFailure(const QString &program, const QStringList &arguments,
                                     const CommandResult &outcome)
{
    const QString command = (QStringList{program} + arguments).join(QLatin1Char(' '));
    QString how;
    if (outcome.timedOut) {
        how = QStringLiteral("timed out");
    } else if (outcome.status < 0) {
        how = QStringLiteral("did not start");
    } else {
        how = QStringLiteral("exit status %1").arg(outcome.status);
    }
    const QString firstLine = outcome.standardError.trimmed().section(QLatin1Char('\n'), 0, 0);
    if (firstLine.isEmpty()) {
        qCWarning(lcTools).noquote() << QStringLiteral("%1 failed: %2").arg(command, how);
    } else {
        qCWarning(lcTools).noquote()
            << QStringLiteral("%1 failed: %2: %3").arg(command, how, firstLine.trimmed());
    }
}
