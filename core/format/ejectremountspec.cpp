#include "format/ejectremountspec.h"

#include "policy/mediapolicy.h"

EjectRemountSpec::Kind EjectRemountSpec::forVolume(const Volume &volume)
{
    if (!volume.isMounted)
        return Kind::remount;
    return MediaPolicy::offersEjectAction(volume) ? Kind::eject : Kind::none;
}
