#include "policy/mediapolicyoverrides.h"

#include "policy/logging.h"
#include "stores/appsupport.h"
#include "stores/ownedfile.h"
#include "stores/regularfilereader.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

const MediaPolicyOverrides MediaPolicyOverrides::empty{};

namespace {

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

// Missing and null keys are absent; any other non-string value is an error.
bool readOptionalString(const QJsonObject &object, const QString &key, std::optional<QString> *out,
                        QString *error)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isString()) {
        setError(error, QStringLiteral("\"%1\" must be a string").arg(key));
        return false;
    }
    *out = value.toString();
    return true;
}

bool readOptionalBool(const QJsonObject &object, const QString &key, std::optional<bool> *out,
                      QString *error)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isBool()) {
        setError(error, QStringLiteral("\"%1\" must be true or false").arg(key));
        return false;
    }
    *out = value.toBool();
    return true;
}

bool readRequiredObject(const QJsonObject &object, const QString &key, QJsonObject *out,
                        QString *error)
{
    const QJsonValue value = object.value(key);
    if (!value.isObject()) {
        setError(error, value.isUndefined() ? QStringLiteral("missing \"%1\"").arg(key)
                                            : QStringLiteral("\"%1\" must be an object").arg(key));
        return false;
    }
    *out = value.toObject();
    return true;
}

} // namespace

bool MediaPolicyOverride::matches(const QString &volumeName,
                                  const std::optional<QString> &deviceModel) const
{
    if (!match.volumeName && !match.deviceModel)
        return false;
    if (match.volumeName && *match.volumeName != volumeName)
        return false;
    if (match.deviceModel && match.deviceModel != deviceModel)
        return false;
    return true;
}

std::optional<MediaPolicyOverride> MediaPolicyOverride::fromJson(const QJsonValue &value,
                                                                 QString *error)
{
    if (!value.isObject()) {
        setError(error, QStringLiteral("a rule must be an object"));
        return std::nullopt;
    }
    const QJsonObject rule = value.toObject();
    QJsonObject matchObject;
    QJsonObject policyObject;
    if (!readRequiredObject(rule, QStringLiteral("match"), &matchObject, error) ||
        !readRequiredObject(rule, QStringLiteral("policy"), &policyObject, error))
        return std::nullopt;

    MediaPolicyOverride result;
    if (!readOptionalString(matchObject, QStringLiteral("volumeName"), &result.match.volumeName,
                            error) ||
        !readOptionalString(matchObject, QStringLiteral("deviceModel"), &result.match.deviceModel,
                            error))
        return std::nullopt;

    std::optional<QString> semantics;
    if (!readOptionalString(policyObject, QStringLiteral("ejectSemantics"), &semantics, error))
        return std::nullopt;
    if (semantics) {
        result.policy.ejectSemantics = enumFromName<MediaPolicy::EjectSemantics>(*semantics);
        if (!result.policy.ejectSemantics) {
            setError(error,
                     QStringLiteral("unknown \"ejectSemantics\" value \"%1\"").arg(*semantics));
            return std::nullopt;
        }
    }
    if (!readOptionalBool(policyObject, QStringLiteral("canErase"), &result.policy.canErase,
                          error) ||
        !readOptionalBool(policyObject, QStringLiteral("canRename"), &result.policy.canRename,
                          error) ||
        !readOptionalBool(policyObject, QStringLiteral("bulkEjectCandidate"),
                          &result.policy.bulkEjectCandidate, error))
        return std::nullopt;
    return result;
}

MediaPolicy MediaPolicyOverrides::apply(MediaPolicy policy, const QString &volumeName,
                                        const std::optional<QString> &deviceModel) const
{
    for (const MediaPolicyOverride &entry : entries) {
        if (!entry.matches(volumeName, deviceModel))
            continue;
        const MediaPolicyOverride::Partial &partial = entry.policy;
        if (partial.ejectSemantics)
            policy.ejectSemantics = *partial.ejectSemantics;
        if (partial.canRename)
            policy.canRename = *partial.canRename;
        if (partial.bulkEjectCandidate)
            policy.bulkEjectCandidate = *partial.bulkEjectCandidate;
        // Withdraw only: a rule must never make erasable what was refused before it.
        if (policy.canErase)
            policy.canErase = partial.canErase.value_or(true);
    }
    if (!problem.isEmpty())
        policy.canErase = false;
    return policy;
}

std::optional<MediaPolicyOverrides> MediaPolicyOverrides::fromJson(const QJsonValue &rules,
                                                                   QString *error)
{
    if (!rules.isArray()) {
        setError(error, QStringLiteral("expected an array of rules"));
        return std::nullopt;
    }
    const QJsonArray array = rules.toArray();
    MediaPolicyOverrides result;
    result.entries.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        QString ruleError;
        std::optional<MediaPolicyOverride> rule =
            MediaPolicyOverride::fromJson(array.at(i), &ruleError);
        if (!rule) {
            setError(error, QStringLiteral("rule %1: %2").arg(i + 1).arg(ruleError));
            return std::nullopt;
        }
        result.entries.append(*rule);
    }
    return result;
}

std::optional<MediaPolicyOverrides> MediaPolicyOverrides::decode(const QByteArray &json,
                                                                 QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        setError(
            error,
            QStringLiteral("%1 at offset %2").arg(parseError.errorString()).arg(parseError.offset));
        return std::nullopt;
    }
    if (!document.isArray()) {
        setError(error, QStringLiteral("expected an array of rules"));
        return std::nullopt;
    }
    return fromJson(document.array(), error);
}

QString MediaPolicyOverrides::defaultFileURL()
{
    return QDir(AppSupport::directoryURL()).filePath(QStringLiteral("media-policy-overrides.json"));
}

MediaPolicyOverrides MediaPolicyOverrides::load(const QString &path)
{
    QString error = OwnedFile::readProblem(path);
    std::optional<MediaPolicyOverrides> loaded;
    if (error.isEmpty()) {
        const RegularFileReader::Result file = RegularFileReader::read(path, maxFileBytes);
        if (file.status == RegularFileReader::Result::Status::missing)
            return empty;
        error = file.error;
        if (file.isOk())
            loaded = decode(file.data, &error);
    }
    if (!loaded) {
        qCCritical(lcMediaPolicy,
                   "Cannot use %s (%s): no volume may be erased until it is fixed or removed",
                   qUtf8Printable(path), qUtf8Printable(error));
        MediaPolicyOverrides unusable;
        unusable.problem = error;
        return unusable;
    }
    return *loaded;
}
