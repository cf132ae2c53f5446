#include "udisksoperationsupport.h"

#include <QCoreApplication>

OperationResult UDisksOperationSupport::failure(const QString &detail)
{
    return OperationResult{false, detail};
}

OperationResult UDisksOperationSupport::deviceOpenFailure(const QString &deviceName)
{
    //: Device open failure
    return failure(
        QCoreApplication::translate("UDisksOperations", "Couldn’t open device %1").arg(deviceName));
}

OperationResult UDisksOperationSupport::systemMountRefusal(const QString &name,
                                                           const QString &mountPath)
{
    //: Eject refusal; %1 is the volume's (or device's) name, %2 its mount point ("/boot")
    return failure(QCoreApplication::translate("UDisksOperations",
                                               "“%1” is mounted at %2, which the running system "
                                               "needs; Quillmere leaves it alone.")
                       .arg(name, mountPath));
}

OperationResult UDisksOperationSupport::noDeviceNode(const Volume &volume)
{
    //: Eject failure
    return failure(
        QCoreApplication::translate("UDisksOperations", "“%1” has no device node to eject.")
            .arg(volume.name));
}

QString UDisksOperationSupport::unknownError()
{
    //: Fallback failure detail
    return QCoreApplication::translate("UDisksOperations", "unknown error");
}

QVariantList UDisksOperationSupport::optionsArgument(const QVariantMap &options)
{
    return QVariantList{QVariant::fromValue(options)};
}

QVariantList UDisksOperationSupport::unmountArguments(bool force)
{
    QVariantMap options;
    if (force) {
        options.insert(QStringLiteral("force"), true);
    }
    return optionsArgument(options);
}

bool UDisksOperationSupport::isFuse(const QString &fsType)
{
    return fsType == QLatin1String("fuse") || fsType == QLatin1String("fuseblk") ||
           fsType.startsWith(QLatin1String("fuse."));
}
