#include "model/mediatraits.h"

bool MediaTraits::isOpticalMediaKind(const std::optional<QString> &mediaKind)
{
    if (!mediaKind)
        return false;
    const QString &kind = *mediaKind;
    return kind.contains(QLatin1String("CD")) || kind.contains(QLatin1String("DVD")) ||
           kind.contains(QLatin1String("BD"));
}
