#include "policy/signeddefinitions.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cmath>
#include <sodium.h>

namespace {

std::optional<qint64> integerValue(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    // Doubles hold every integer up to 2^53 exactly.
    if (!std::isfinite(number) || std::trunc(number) != number || std::fabs(number) > 9.0e15)
        return std::nullopt;
    return qint64(number);
}

std::optional<QByteArray> decodeStandard(const QByteArray &base64)
{
    const auto decoded =
        QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return *decoded;
}

} // namespace

namespace SignedDefinitions {

std::optional<Payload> Payload::fromJson(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const auto rev = integerValue(object.value(QLatin1String("rev")));
    const auto minAppBuild = integerValue(object.value(QLatin1String("minAppBuild")));
    const auto rules = MediaPolicyOverrides::fromJson(object.value(QLatin1String("rules")));
    if (!rev || !minAppBuild || !rules)
        return std::nullopt;
    return Payload{*rev, *minAppBuild, rules->entries};
}

std::optional<QByteArray> decodeSegment(const QString &segment)
{
    QByteArray base64 = segment.toLatin1();
    if (QString::fromLatin1(base64) != segment)
        return std::nullopt;
    base64.replace('-', '+').replace('_', '/');
    while (base64.size() % 4 != 0)
        base64.append('=');
    return decodeStandard(base64);
}

VerificationResult verify(const QString &token, const QString &publicKeyBase64, qint64 minimumRev,
                          qint64 appBuild)
{
    const QStringList pieces = token.split(u'.', Qt::KeepEmptyParts);
    if (pieces.size() != 2)
        return VerificationResult::invalid();

    const auto key = decodeStandard(publicKeyBase64.toLatin1());
    if (!key || key->size() != crypto_sign_PUBLICKEYBYTES)
        return VerificationResult::invalid();
    const auto signature = decodeSegment(pieces.at(1));
    const auto payloadBytes = decodeSegment(pieces.at(0));
    if (!signature || signature->size() != crypto_sign_BYTES || !payloadBytes)
        return VerificationResult::invalid();

    if (sodium_init() < 0)
        return VerificationResult::invalid();
    const QByteArray signedText = pieces.at(0).toLatin1();
    if (crypto_sign_verify_detached(reinterpret_cast<const unsigned char *>(signature->constData()),
                                    reinterpret_cast<const unsigned char *>(signedText.constData()),
                                    quint64(signedText.size()),
                                    reinterpret_cast<const unsigned char *>(key->constData())) != 0)
        return VerificationResult::invalid();

    auto payload = Payload::fromJson(*payloadBytes);
    if (!payload || payload->rev < minimumRev || appBuild < payload->minAppBuild)
        return VerificationResult::invalid();
    return VerificationResult::valid(std::move(*payload));
}

VerificationResult verify(const QString &token, qint64 minimumRev, qint64 appBuild)
{
    return verify(token, QLatin1String(MediaDefsKeys::publicKeyBase64), minimumRev, appBuild);
}

} // namespace SignedDefinitions
