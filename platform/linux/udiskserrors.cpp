#include "udiskserrors.h"

#include "operations/operationerror.h"
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

// The client reports a call that ran out of its own time as Timeout; NoReply is a daemon that
// left without answering.
bool isTimeout(const QDBusMessage &reply)
{
    const QDBusError::ErrorType type = QDBusError(reply).type();
    return type == QDBusError::Timeout || type == QDBusError::TimedOut;
}

} // namespace

OperationError UDisksErrors::kind(const QString &errorName, const QString &message)
{
    if (errorName.startsWith(udisksErrorPrefix)) {
        const QStringView name = QStringView(errorName).mid(udisksErrorPrefix.size());
        if (name == QLatin1String("DeviceBusy")) {
            return OperationError::busy;
        }
        if (name == QLatin1String("NotAuthorized")) {
            return OperationError::notAuthorized;
        }
        if (name == QLatin1String("NotAuthorizedCanObtain")) {
            return OperationError::noAuthenticationAgent;
        }
        if (name == QLatin1String("NotAuthorizedDismissed") || name == QLatin1String("Cancelled") ||
            name == QLatin1String("AlreadyCancelled")) {
            return OperationError::cancelled;
        }
        if (name == QLatin1String("NotMounted")) {
            return OperationError::notMounted;
        }
        // Older udisks2 report umount's "target is busy" as a plain failure.
        if (message.contains(QLatin1String("target is busy"))) {
            return OperationError::busy;
        }
        return OperationError::failed;
    }
    static const QStringList gone{QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
                                  QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"),
                                  QStringLiteral("org.freedesktop.DBus.Error.NoReply"),
                                  QStringLiteral("org.freedesktop.DBus.Error.Disconnected")};
    if (gone.contains(errorName)) {
        return OperationError::diskServiceGone;
    }
    return OperationError::failed;
}

OperationResult UDisksErrors::serviceGone()
{
    return {false, OperationErrors::text(OperationError::diskServiceGone, QString()),
            OperationError::diskServiceGone};
}

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
    QString message = messageOf(reply);
    const OperationError error = kind(reply.errorName(), message);
    if (message.isEmpty()) {
        const QString status =
            QString::number(statusOf(reply), 16).toUpper().rightJustified(8, QLatin1Char('0'));
        //: DiskArbitration dissent without a message
        message =
            QCoreApplication::translate("UDisksOperations", "Refused by the system (status 0x%1)")
                .arg(status);
    }
    return {false, OperationErrors::text(error, message), error};
}
