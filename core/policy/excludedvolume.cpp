#include "policy/excludedvolume.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace {

const QLatin1String uuidKey("volumeUUID");
const QLatin1String nameKey("name");

bool matches(const ExcludedVolume &entry, const Volume &volume)
{
    if (entry.volumeUUID && volume.volumeUUID && *entry.volumeUUID == *volume.volumeUUID)
        return true;
    return entry.name == volume.name;
}

} // namespace

ExcludedVolume ExcludedVolume::entry(const Volume &volume)
{
    return ExcludedVolume{volume.volumeUUID, volume.name};
}

bool ExcludedVolume::covers(const Volume &volume, const QList<ExcludedVolume> &list)
{
    for (const ExcludedVolume &entry : list) {
        if (matches(entry, volume))
            return true;
    }
    return false;
}

QList<ExcludedVolume> ExcludedVolume::toggling(const QList<ExcludedVolume> &list,
                                               const Volume &volume)
{
    QList<ExcludedVolume> result;
    if (covers(volume, list)) {
        for (const ExcludedVolume &entry : list) {
            if (!matches(entry, volume))
                result.append(entry);
        }
        return result;
    }
    result.reserve(list.size() + 1);
    result.append(entry(volume));
    result.append(list);
    return result;
}

QJsonObject ExcludedVolume::toJson() const
{
    QJsonObject object;
    if (volumeUUID)
        object.insert(uuidKey, *volumeUUID);
    object.insert(nameKey, name);
    return object;
}

std::optional<ExcludedVolume> ExcludedVolume::fromJson(const QJsonObject &object)
{
    const QJsonValue nameValue = object.value(nameKey);
    if (!nameValue.isString())
        return std::nullopt;
    ExcludedVolume result;
    result.name = nameValue.toString();
    const QJsonValue uuidValue = object.value(uuidKey);
    if (uuidValue.isString())
        result.volumeUUID = uuidValue.toString();
    else if (!uuidValue.isUndefined() && !uuidValue.isNull())
        return std::nullopt; // a UUID of the wrong type is a damaged entry, not "no UUID"
    return result;
}

QByteArray ExcludedVolume::encodeList(const QList<ExcludedVolume> &list)
{
    QJsonArray array;
    for (const ExcludedVolume &entry : list)
        array.append(entry.toJson());
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

std::optional<QList<ExcludedVolume>> ExcludedVolume::decodeList(const QByteArray &data)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    const QJsonArray array = document.array();
    QList<ExcludedVolume> result;
    result.reserve(array.size());
    for (const QJsonValue &value : array) {
        if (!value.isObject())
            return std::nullopt;
        std::optional<ExcludedVolume> entry = fromJson(value.toObject());
        if (!entry)
            return std::nullopt;
        result.append(*entry);
    }
    return result;
}
