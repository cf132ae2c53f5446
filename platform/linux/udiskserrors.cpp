#include "udiskserrors.h"

#include "operations/toollauncher.h"

#include <QCoreApplication>
#include <QDBusError>
#include <QStringList>

namespace {

const QString udisksErrorPrefix = QStringLiteral("org.freedesktop.UDisks2.Error.");

// udisks2's error names in the order of its error codes, so that a refusal without a message
// still reports which one it was.
const QStringList &udisksErrorNames()
{
    static const QStringList names{
        QStringLiteral("Failed"),
        QStringLiteral("Cancelled"),
        QStringLiteral("AlreadyCancelled"),
        QStringLiteral("NotAuthorized"),
        QStringLiteral("NotAuthorizedCanObtain"),
        QStringLiteral("NotAuthorizedDismissed"),
        QStringLiteral("AlreadyMounted"),
        QStringLiteral("NotMounted"),
        QStringLiteral("OptionNotPermitted"),
        QStringLiteral("MountedByOtherUser"),
        QStringLiteral("AlreadyUnmounting"),
        QStringLiteral("NotSupported"),
        QStringLiteral("Timedout"),
        QStringLiteral("WouldWakeup"),
        QStringLiteral("DeviceBusy"),
    };
    return names;
}

quint32 statusOf(const QDBusMessage &reply)
{
    const QString name = reply.errorName();
    if (name.startsWith(udisksErrorPrefix)) {
        const qsizetype index = udisksErrorNames().indexOf(name.mid(udisksErrorPrefix.size()));
        if (index >= 0) {
            return static_cast<quint32>(index);
        }
    }
    return static_cast<quint32>(QDBusError(reply).type());
}

// A message relayed by GDBus from another service repeats the error name in front of it.
QString messageOf(const QDBusMessage &reply)
{
    QString message = reply.errorMessage().trimmed();
    if (message.startsWith(QLatin1String("GDBus.Error:"))) {
        const qsizetype separator = message.indexOf(QLatin1String(": "));
        if (separator >= 0) {
            message = message.mid(separator + 2).trimmed();
        }
    }
    return message;
}

bool isTimeout(const QDBusMessage &reply)
{
    const QDBusError::ErrorType type = QDBusError(reply).type();
    return type == QDBusError::NoReply || type == QDBusError::Timeout ||
           type == QDBusError::TimedOut;
}

} // namespace

OperationResult UDisksErrors::result(const QDBusMessage &reply, const QString &timedOutStep)
{
    if (reply.type() == QDBusMessage::ReplyMessage) {
        return {true, std::nullopt};
    }
    if (!timedOutStep.isEmpty() && isTimeout(reply)) {
        CommandResult timedOut;
        timedOut.timedOut = true;
        return ToolLauncher::result(timedOut, timedOutStep);
    }
    const QString message = messageOf(reply);
    if (!message.isEmpty()) {
        return {false, message};
    }
    const QString status =
        QString::number(statusOf(reply), 16).toUpper().rightJustified(8, QLatin1Char('0'));
    return {false,
            //: DiskArbitration dissent without a message
            QCoreApplication::translate("UDisksOperations", "Refused by the system (status 0x%1)")
                .arg(status)};
}
