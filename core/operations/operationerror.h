#pragma once

#include "model/enumnames.h"

#include <QString>

// Why an operation failed, as far as the flows and the command line must tell the cases apart.
// The disk service's own error names are mapped to these by the platform.
enum class OperationError {
    failed,                // anything not named below
    busy,                  // a program holds files open on the volume
    notAuthorized,         // refused: no permission, or a password that was not accepted
    noAuthenticationAgent, // a password could have been asked for, but no agent runs
    cancelled,             // the user dismissed or cancelled the password prompt
    notMounted,
    diskServiceGone, // udisks2 is not running, left the bus or stopped answering
};

// Logged names.
inline constexpr EnumEntry<OperationError> operationErrorNames[] = {
    {OperationError::failed, "failed"},
    {OperationError::busy, "busy"},
    {OperationError::notAuthorized, "notAuthorized"},
    {OperationError::noAuthenticationAgent, "noAuthenticationAgent"},
    {OperationError::cancelled, "cancelled"},
    {OperationError::notMounted, "notMounted"},
    {OperationError::diskServiceGone, "diskServiceGone"},
};
constexpr std::span<const EnumEntry<OperationError>> enumTable(OperationError)
{
    return operationErrorNames;
}

namespace OperationErrors {

// The text a user reads for an error of this kind. serviceMessage is the disk service's own text
// ("Error unmounting /dev/sdb1: target is busy"); it is kept where it says more than the kind
// (busy, not mounted, failed), and replaced where the kind says what to do.
QString text(OperationError error, const QString &serviceMessage);

} // namespace OperationErrors
