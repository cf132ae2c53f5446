#include "policy/runningsystemguard.h"

#include "policy/systemmounts.h"

#include <QCoreApplication>

namespace RunningSystemGuard {

// Why an action is refused; the action gate gives the same sentences, so a refusal reads alike
// from every front end.
QString bootVolumeReason()
{
    //: Why an action is refused: "Couldn’t eject “X”: " + this
    return QCoreApplication::translate("VolumeActionGate",
                                       "it is the boot volume, which Quillmere leaves alone.");
}

QString onBootDiskReason()
{
    //: Why an action is refused: "Couldn’t eject “X”: " + this
    return QCoreApplication::translate("VolumeActionGate",
                                       "it is on the boot disk, which Quillmere leaves alone.");
}

QString systemVolumeReason()
{
    //: Why an action is refused: "Couldn’t eject “X”: " + this
    return QCoreApplication::translate("VolumeActionGate",
                                       "it is a system volume, which Quillmere leaves alone.");
}

bool isRunningSystem(const Volume &volume)
{
    if (volume.kind == VolumeKind::boot || volume.kind == VolumeKind::systemHidden)
        return true;
    return !volume.mountPath.isEmpty() && SystemMounts::isSystemMountPoint(volume.mountPath);
}

std::optional<QString> refusal(const Volume &volume, VolumeOperation operation)
{
    if (volume.kind == VolumeKind::boot)
        return bootVolumeReason();
    if (isRunningSystem(volume))
        return systemVolumeReason();
    if (!volume.traits.sharesBootDevice)
        return std::nullopt;
    switch (operation) {
    case VolumeOperation::eject:
    case VolumeOperation::forceEject:
    case VolumeOperation::autoEject:
    case VolumeOperation::erase:
        return onBootDiskReason();
    case VolumeOperation::remount:
    case VolumeOperation::autoRemount:
    case VolumeOperation::rename:
        break;
    }
    return std::nullopt;
}

bool mayUnmountByPath(const QString &fileSystemType)
{
    static const QStringList network{QStringLiteral("nfs"), QStringLiteral("nfs4"),
                                     QStringLiteral("cifs"), QStringLiteral("smb3")};
    static const QStringList desktopHelpers{QStringLiteral("fuse.gvfsd-fuse"),
                                            QStringLiteral("fuse.portal")};
    if (network.contains(fileSystemType))
        return true;
    return fileSystemType.startsWith(QLatin1String("fuse.")) && fileSystemType.size() > 5 &&
           !desktopHelpers.contains(fileSystemType);
}

MediaPolicy limited(const Volume &volume, const MediaPolicy &builtIn, const MediaPolicy &overridden)
{
    MediaPolicy result = overridden;
    if (isRunningSystem(volume) || volume.traits.sharesBootDevice) {
        result.ejectSemantics = builtIn.ejectSemantics;
        result.canErase = builtIn.canErase && overridden.canErase;
        result.canRename = builtIn.canRename && overridden.canRename;
        result.bulkEjectCandidate = builtIn.bulkEjectCandidate && overridden.bulkEjectCandidate;
        return result;
    }
    if (result.ejectSemantics == MediaPolicy::EjectSemantics::unmountByPath &&
        builtIn.ejectSemantics != MediaPolicy::EjectSemantics::unmountByPath &&
        !mayUnmountByPath(volume.fileSystemType))
        result.ejectSemantics = builtIn.ejectSemantics;
    return result;
}

} // namespace RunningSystemGuard
