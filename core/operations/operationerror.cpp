#include "operations/operationerror.h"

#include <QCoreApplication>

QString OperationErrors::text(OperationError error, const QString &serviceMessage)
{
    switch (error) {
    case OperationError::notAuthorized:
        //: Failure detail when the system refused the operation (no permission, or a password that
        //: was not accepted)
        return QCoreApplication::translate(
            "OperationErrors",
            "Authentication was refused: the password wasn’t accepted, or this user account "
            "isn’t allowed to do this. An administrator can give it the permission.");
    case OperationError::noAuthenticationAgent:
        //: Failure detail when a password is needed but no program can ask for it
        return QCoreApplication::translate(
            "OperationErrors",
            "A password is needed, but no authentication agent is running to ask for it. Start "
            "your desktop’s authentication agent (or log in to a full desktop session) and try "
            "again.");
    case OperationError::cancelled:
        //: History detail when the user dismissed the password prompt
        return QCoreApplication::translate("OperationErrors", "Authentication was cancelled.");
    case OperationError::diskServiceGone:
        //: Failure detail when the disk service is not there or stopped answering
        return QCoreApplication::translate(
            "OperationErrors",
            "udisks2, the disk service, isn’t running or stopped answering. Start it again "
            "(“systemctl start udisks2”) and try again.");
    case OperationError::busy:
        if (serviceMessage.isEmpty()) {
            //: Failure detail when a program holds files open on the volume
            return QCoreApplication::translate("OperationErrors",
                                               "The volume is in use by a program.");
        }
        return serviceMessage;
    case OperationError::notMounted:
        if (serviceMessage.isEmpty()) {
            //: Failure detail when the volume was no longer mounted
            return QCoreApplication::translate("OperationErrors", "The volume isn’t mounted.");
        }
        return serviceMessage;
    case OperationError::failed:
        break;
    }
    if (serviceMessage.isEmpty()) {
        //: Failure detail when nothing more is known
        return QCoreApplication::translate("OperationErrors", "The operation failed.");
    }
    return serviceMessage;
}
