#pragma once

#include "model/volume.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <type_traits>

using VolumeCallback = std::function<void(const Volume &)>;

// Calls owner->method(volume) while the owner lives; afterwards does nothing, so surfaces may
// outlive the object that runs the operations.
template <typename Owner, typename Method>
VolumeCallback weakVolumeCallback(Owner *owner, Method method)
{
    static_assert(std::is_base_of_v<QObject, Owner>, "the owner is tracked through QPointer");
    return [guard = QPointer<Owner>(owner), method](const Volume &volume) {
        if (Owner *alive = guard.data())
            std::invoke(method, alive, volume);
    };
}

// How the actions menu reaches the operation flows.
struct VolumeActionHandlers {
    VolumeCallback eject;
    VolumeCallback remount;
    VolumeCallback rename;
    VolumeCallback erase;

    template <typename Owner, typename Method>
    static VolumeActionHandlers weakly(Owner *owner, Method eject, Method remount, Method rename,
                                       Method erase)
    {
        return {weakVolumeCallback(owner, eject), weakVolumeCallback(owner, remount),
                weakVolumeCallback(owner, rename), weakVolumeCallback(owner, erase)};
    }
};

// The direct eject and remount buttons of the surfaces.
struct VolumeSurfaceHandlers {
    VolumeCallback eject;
    VolumeCallback remount;

    template <typename Owner, typename Method>
    static VolumeSurfaceHandlers weakly(Owner *owner, Method eject, Method remount)
    {
        return {weakVolumeCallback(owner, eject), weakVolumeCallback(owner, remount)};
    }
};
