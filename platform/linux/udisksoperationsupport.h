#pragma once

#include "model/volume.h"
#include "operations/operationresult.h"

#include <QString>
#include <QVariantList>
#include <QVariantMap>

// What the files of UDisksOperations share: the refusal texts that more than one operation
// gives (translated in the context "UDisksOperations"), and the shape of udisks2's arguments.
namespace UDisksOperationSupport {

OperationResult failure(const QString &detail);
// "Couldn’t open device sdb1": udisks2 is not there or does not know the device.
OperationResult deviceOpenFailure(const QString &deviceName);
// A mount that the running system needs ("/boot") is never unmounted.
OperationResult systemMountRefusal(const QString &name, const QString &mountPath);
OperationResult noDeviceNode(const Volume &volume);
// "unknown error", where a failure came without a detail.
QString unknownError();

// udisks2's methods take their options as the last argument, a{sv}.
QVariantList optionsArgument(const QVariantMap &options);
// The options of an Unmount: force when asked for.
QVariantList unmountArguments(bool force);

bool isFuse(const QString &fsType);

} // namespace UDisksOperationSupport
