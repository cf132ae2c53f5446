#include "stores/settingsvaluecodec.h"

#include <QDateTime>
#include <QJsonArray>
#include <QStringList>
#include <cmath>
#include <limits>

namespace {

// Integers beyond this are not exact as JSON numbers (doubles), so they travel as text.
constexpr qint64 largestExactInteger = qint64(1) << 53;

const QString typeKey = QStringLiteral("type");
const QString valueKey = QStringLiteral("value");

QJsonObject typed(const QString &type, const QJsonValue &value)
{
    QJsonObject object;
    object.insert(typeKey, type);
    object.insert(valueKey, value);
    return object;
}

std::optional<qint64> decodeInteger(const QJsonValue &value)
{
    if (value.isString()) {
        bool ok = false;
        const qint64 parsed = value.toString().toLongLong(&ok);
        return ok ? std::optional(parsed) : std::nullopt;
    }
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::trunc(number) != number ||
        std::fabs(number) > double(largestExactInteger))
        return std::nullopt;
    return qint64(number);
}

std::optional<double> decodeDouble(const QJsonValue &value)
{
    if (value.isDouble())
        return value.toDouble();
    const QString text = value.toString();
    if (text == u"nan")
        return std::numeric_limits<double>::quiet_NaN();
    if (text == u"inf")
        return std::numeric_limits<double>::infinity();
    if (text == u"-inf")
        return -std::numeric_limits<double>::infinity();
    return std::nullopt;
}

} // namespace

namespace SettingsValueCodec {

std::optional<QVariant> normalise(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return QVariant(value.toBool());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return QVariant(value.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        if (value.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return QVariant(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return QVariant(value.toDouble());
    case QMetaType::QString:
        return QVariant(value.toString());
    case QMetaType::QByteArray:
        return QVariant(value.toByteArray());
    case QMetaType::QDateTime: {
        const QDateTime date = value.toDateTime();
        if (!date.isValid())
            return std::nullopt;
        return QVariant(date.toUTC());
    }
    case QMetaType::QStringList: {
        QVariantList list;
        for (const QString &text : value.toStringList())
            list.append(text);
        return QVariant(list);
    }
    case QMetaType::QVariantList: {
        QVariantList list;
        for (const QVariant &element : value.toList()) {
            const auto normalised = normalise(element);
            if (!normalised)
                return std::nullopt;
            list.append(*normalised);
        }
        return QVariant(list);
    }
    default:
        return std::nullopt;
    }
}

std::optional<QJsonObject> encode(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return typed(QStringLiteral("bool"), value.toBool());
    case QMetaType::LongLong: {
        const qint64 number = value.toLongLong();
        if (number > largestExactInteger || number < -largestExactInteger)
            return typed(QStringLiteral("int"), QString::number(number));
        return typed(QStringLiteral("int"), double(number));
    }
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (std::isnan(number))
            return typed(QStringLiteral("double"), QStringLiteral("nan"));
        if (std::isinf(number))
            return typed(QStringLiteral("double"),
                         number > 0 ? QStringLiteral("inf") : QStringLiteral("-inf"));
        return typed(QStringLiteral("double"), number);
    }
    case QMetaType::QString:
        return typed(QStringLiteral("string"), value.toString());
    case QMetaType::QByteArray:
        return typed(QStringLiteral("bytes"), QString::fromLatin1(value.toByteArray().toBase64()));
    case QMetaType::QDateTime:
        return typed(QStringLiteral("date"),
                     value.toDateTime().toUTC().toString(Qt::ISODateWithMs));
    case QMetaType::QVariantList: {
        QJsonArray array;
        for (const QVariant &element : value.toList()) {
            const auto encoded = encode(element);
            if (!encoded)
                return std::nullopt;
            array.append(*encoded);
        }
        return typed(QStringLiteral("array"), array);
    }
    default: {
        const auto normalised = normalise(value);
        if (!normalised || normalised->typeId() == value.typeId())
            return std::nullopt;
        return encode(*normalised);
    }
    }
}

std::optional<QVariant> decode(const QJsonValue &json)
{
    if (!json.isObject())
        return std::nullopt;
    const QJsonObject object = json.toObject();
    const QString type = object.value(typeKey).toString();
    const QJsonValue value = object.value(valueKey);

    if (type == u"bool") {
        if (!value.isBool())
            return std::nullopt;
        return QVariant(value.toBool());
    }
    if (type == u"int") {
        const auto number = decodeInteger(value);
        return number ? std::optional(QVariant(*number)) : std::nullopt;
    }
    if (type == u"double") {
        const auto number = decodeDouble(value);
        return number ? std::optional(QVariant(*number)) : std::nullopt;
    }
    if (type == u"string") {
        if (!value.isString())
            return std::nullopt;
        return QVariant(value.toString());
    }
    if (type == u"bytes") {
        if (!value.isString())
            return std::nullopt;
        const auto decoded = QByteArray::fromBase64Encoding(
            value.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return std::nullopt;
        return QVariant(*decoded);
    }
    if (type == u"date") {
        const QDateTime date = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
        if (!value.isString() || !date.isValid())
            return std::nullopt;
        return QVariant(date.toUTC());
    }
    if (type == u"array") {
        if (!value.isArray())
            return std::nullopt;
        QVariantList list;
        for (const QJsonValue &element : value.toArray()) {
            const auto decoded = decode(element);
            if (!decoded)
                return std::nullopt;
            list.append(*decoded);
        }
        return QVariant(list);
    }
    return std::nullopt;
}

} // namespace SettingsValueCodec
