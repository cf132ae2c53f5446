#include "stores/appchannel.h"

#include "stores/appsupport.h"

AppChannel AppChannel::current()
{
    return detect(AppSupport::bundleIdentifier());
}

AppChannel AppChannel::detect(const std::optional<QString> &bundleIdentifier)
{
    if (bundleIdentifier && bundleIdentifier->endsWith(QLatin1String(".staging")))
        return staging;
    return production;
}
