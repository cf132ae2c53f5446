#include "volumejson.h"

namespace {
template <typename T>
void putOptional(QJsonObject &object, const char *key, const std::optional<T> &value)
{
    if (value) {
        object.insert(QLatin1String(key), *value);
    }
}
} // namespace

QJsonObject VolumeJson::toJson(const Volume &v)
{
    QJsonObject traits;
    traits.insert(QLatin1String("isNetwork"), v.traits.isNetwork);
    traits.insert(QLatin1String("isDiskImage"), v.traits.isDiskImage);
    traits.insert(QLatin1String("isSystemManaged"), v.traits.isSystemManaged);
    traits.insert(QLatin1String("isOptical"), v.traits.isOptical);
    traits.insert(QLatin1String("sharesBootDevice"), v.traits.sharesBootDevice);
    putOptional(traits, "deviceModel", v.traits.deviceModel);

    QJsonObject object;
    object.insert(QLatin1String("id"), v.id);
    object.insert(QLatin1String("name"), v.name);
    object.insert(QLatin1String("mountPath"), v.mountPath);
    // bsdName and wholeDiskBSD are the first names of these keys; scripts read them still.
    object.insert(QLatin1String("bsdName"), v.deviceName);
    object.insert(QLatin1String("deviceName"), v.deviceName);
    putOptional(object, "capacityBytes", v.capacityBytes);
    putOptional(object, "freeBytes", v.freeBytes);
    object.insert(QLatin1String("isEjectable"), v.isEjectable);
    object.insert(QLatin1String("kind"), enumName(v.kind));
    object.insert(QLatin1String("isMounted"), v.isMounted);
    object.insert(QLatin1String("isRemovable"), v.isRemovable);
    putOptional(object, "wholeDiskBSD", v.wholeDiskName);
    putOptional(object, "wholeDiskName", v.wholeDiskName);
    putOptional(object, "volumeUUID", v.volumeUUID);
    if (!v.fileSystemType.isEmpty()) {
        object.insert(QLatin1String("fileSystemType"), v.fileSystemType);
    }
    object.insert(QLatin1String("traits"), traits);
    return object;
}
