#pragma once

#include "operations/operationresult.h"

#include <QDBusMessage>
#include <QString>

// udisks2's answers to the operations, read in one place.
namespace UDisksErrors {

// A reply of udisks2 as a result: success for a reply; on refusal the error's message (without
// the error name GDBus puts in front of a relayed one), or "Refused by the system (status 0x…)"
// with the number of udisks2's error when the refusal carries no message. With a step named, a
// call that got no answer in time is "<step> timed out" instead.
OperationResult result(const QDBusMessage &reply, const QString &timedOutStep = QString());

} // namespace UDisksErrors
