#pragma once

#include "model/volume.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

// A volume the user chose to ignore, matched by UUID or by name.
struct ExcludedVolume {
    std::optional<QString> volumeUUID;
    QString name;

    bool operator==(const ExcludedVolume &) const = default;

    static ExcludedVolume entry(const Volume &volume);
    static bool covers(const Volume &volume, const QList<ExcludedVolume> &list);
    static QList<ExcludedVolume> toggling(const QList<ExcludedVolume> &list, const Volume &volume);

    QJsonObject toJson() const;
    // Absent when "name" is missing or not a string, or "volumeUUID" is neither a string nor null.
    static std::optional<ExcludedVolume> fromJson(const QJsonObject &object);
    // The persisted form: a JSON array of entries, in list order.
    static QByteArray encodeList(const QList<ExcludedVolume> &list);
    // Absent when the data is not such an array or any entry does not decode.
    static std::optional<QList<ExcludedVolume>> decodeList(const QByteArray &data);
};

using ExcludedVolumeList = QList<ExcludedVolume>;
