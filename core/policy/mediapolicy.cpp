#include "policy/mediapolicy.h"

#include "policy/mediapolicyoverrides.h"
#include "policy/runningsystemguard.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

// The two installed layers. The lock only guards swapping and copying them (the lists are
// implicitly shared, so a copy is cheap); rules are applied outside it.
struct InstalledLayers {
    QMutex lock;
    MediaPolicyOverrides pulledDefinitions;
    MediaPolicyOverrides localOverrides;
};

InstalledLayers &installedLayers()
{
    static InstalledLayers layers;
    return layers;
}

} // namespace

MediaPolicy MediaPolicy::policy(const MediaTraits &traits)
{
    using ES = EjectSemantics;
    if (traits.isNetwork)
        return {ES::unmountByPath, false, false, false};
    if (traits.sharesBootDevice)
        return {ES::unmountKeepAttached, false, true, false};
    if (traits.isSystemManaged)
        return {ES::detachImage, false, false, false};
    if (traits.isDiskImage)
        return {ES::detachImage, true, true, true};
    if (traits.isOptical)
        return {ES::physicalEject, false, false, true};
    return {ES::unmountKeepAttached, true, true, true};
}

MediaPolicy MediaPolicy::policy(const Volume &volume)
{
    MediaPolicyOverrides pulled;
    MediaPolicyOverrides local;
    {
        InstalledLayers &layers = installedLayers();
        QMutexLocker locker(&layers.lock);
        pulled = layers.pulledDefinitions;
        local = layers.localOverrides;
    }
    const MediaPolicy builtIn = policy(volume.traits);
    MediaPolicy p = pulled.apply(builtIn, volume.name, volume.traits.deviceModel);
    p = local.apply(p, volume.name, volume.traits.deviceModel);
    return RunningSystemGuard::limited(volume, builtIn, p);
}

bool MediaPolicy::allowsErase(const Volume &volume)
{
    if (!policy(volume).canErase)
        return false;
    switch (volume.kind) {
    case VolumeKind::boot:
    case VolumeKind::systemHidden:
        return false;
    case VolumeKind::external:
    case VolumeKind::diskImage:
        return true;
    case VolumeKind::systemImage:
    case VolumeKind::network:
    case VolumeKind::internalExtra:
        return volume.isRemovable;
    }
    return false;
}

bool MediaPolicy::offersEjectAction(const Volume &volume)
{
    if (!volume.isMounted)
        return false;
    return volume.isRemovable || policy(volume).ejectSemantics == EjectSemantics::unmountByPath;
}

void MediaPolicy::installOverrides(const MediaPolicyOverrides &overrides)
{
    InstalledLayers &layers = installedLayers();
    QMutexLocker locker(&layers.lock);
    layers.localOverrides = overrides;
}

QString MediaPolicy::overridesProblem()
{
    InstalledLayers &layers = installedLayers();
    QMutexLocker locker(&layers.lock);
    return layers.localOverrides.problem;
}

void MediaPolicy::installPulledDefinitions(const MediaPolicyOverrides &definitions)
{
    InstalledLayers &layers = installedLayers();
    QMutexLocker locker(&layers.lock);
    layers.pulledDefinitions = definitions;
}

bool EraseEligibility::isAllowed(const Volume &volume)
{
    return MediaPolicy::allowsErase(volume);
}
