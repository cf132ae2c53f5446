#pragma once

#include "policy/mediapolicy.h"

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <optional>

// One rule: when the match fits, the present policy fields change the policy.
struct MediaPolicyOverride {
    struct Match {
        std::optional<QString> volumeName;
        std::optional<QString> deviceModel;

        bool operator==(const Match &) const = default;
    };

    struct Partial {
        std::optional<MediaPolicy::EjectSemantics> ejectSemantics;
        std::optional<bool> canErase;
        std::optional<bool> canRename;
        std::optional<bool> bulkEjectCandidate;

        bool operator==(const Partial &) const = default;
    };

    Match match;
    Partial policy;

    bool operator==(const MediaPolicyOverride &) const = default;

    // A rule without any criterion matches nothing.
    bool matches(const QString &volumeName, const std::optional<QString> &deviceModel) const;

    // Absent, with a description in *error, when the value is not a well-formed rule object.
    static std::optional<MediaPolicyOverride> fromJson(const QJsonValue &value,
                                                       QString *error = nullptr);
};

// An ordered list of rules; later matching rules win over earlier ones.
struct MediaPolicyOverrides {
    QList<MediaPolicyOverride> entries;
    // Why the file could not be used (too large, malformed, unreadable); empty when it was.
    // Its rules may have protected volumes from erasing, so while it is set no volume may be
    // erased: a broken file withdraws erase everywhere rather than silently dropping its rules.
    QString problem;

    bool operator==(const MediaPolicyOverrides &) const = default;

    static const MediaPolicyOverrides empty;
    // Far above any real list of rules (tens of thousands of them); a larger file is refused.
    static constexpr qint64 maxFileBytes = 64 * 1024 * 1024;

    // canErase can only be withdrawn, never granted.
    MediaPolicy apply(MediaPolicy policy, const QString &volumeName,
                      const std::optional<QString> &deviceModel) const;

    // A JSON array of rule objects; one bad rule rejects the whole array.
    static std::optional<MediaPolicyOverrides> fromJson(const QJsonValue &rules,
                                                        QString *error = nullptr);
    static std::optional<MediaPolicyOverrides> decode(const QByteArray &json,
                                                      QString *error = nullptr);

    // media-policy-overrides.json in the support folder.
    static QString defaultFileURL();
    // Missing file: empty. Unreadable, malformed, too large, no regular file or a link of another
    // user's: logged as critical, no rules and the problem set.
    static MediaPolicyOverrides load(const QString &path);
};
