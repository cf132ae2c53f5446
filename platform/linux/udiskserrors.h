#pragma once

#include "operations/operationresult.h"

#include <QDBusMessage>
#include <QString>

// udisks2's answers to the operations, read in one place.
namespace UDisksErrors {

// The kind of a refusal from its D-Bus error name (and, for udisks2 versions that report a busy
// device as Failed, its message): DeviceBusy is busy; NotAuthorized refused; NotAuthorizedCanObtain
// a password no agent could ask for; NotAuthorizedDismissed and Cancelled a prompt the user
// dismissed; NotMounted; the bus's ServiceUnknown, NameHasNoOwner, NoReply and Disconnected a
// daemon that is gone; anything else failed.
OperationError kind(const QString &errorName, const QString &message);

// A reply of udisks2 as a result: success for a reply; on refusal its kind, and as detail the
// text of that kind, made with the error's message (without the error name GDBus puts in front
// of a relayed one), or "Refused by the system (status 0x…)" with the number of udisks2's error
// when the refusal carries no message. With a step named, a call that got no answer in time is
// "<step> timed out" instead.
OperationResult result(const QDBusMessage &reply, const QString &timedOutStep = QString());

// The failure of an operation that found udisks2 absent.
OperationResult serviceGone();

} // namespace UDisksErrors
