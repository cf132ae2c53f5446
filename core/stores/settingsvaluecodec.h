#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QVariant>
#include <optional>

// The typed JSON form of one user-defaults value, e.g. {"type":"bool","value":true}, so that
// every type reads back as itself. Values in memory are normalised to bool, qlonglong, double,
// QString, QVariantList (of such values), QByteArray or a UTC QDateTime.
namespace SettingsValueCodec {

// The normalised form of a value, or absent when its type cannot be stored.
std::optional<QVariant> normalise(const QVariant &value);

// Encodes a normalised value; absent for a type that cannot be stored.
std::optional<QJsonObject> encode(const QVariant &value);

// Absent when the JSON is not a well-formed typed value.
std::optional<QVariant> decode(const QJsonValue &json);

} // namespace SettingsValueCodec
