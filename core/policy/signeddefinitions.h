#pragma once

#include "policy/mediadefskeys.h"
#include "policy/mediapolicyoverrides.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Media-policy rules from the definitions feed, as a token "<payload>.<signature>": the
// payload's JSON and its Ed25519 signature, both URL-safe Base64. The signature covers the
// payload segment's text exactly as written in the token.
namespace SignedDefinitions {

struct Payload {
    qint64 rev = 0;
    qint64 minAppBuild = 0;
    QList<MediaPolicyOverride> rules;

    bool operator==(const Payload &) const = default;

    MediaPolicyOverrides overrides() const { return MediaPolicyOverrides{rules, QString()}; }

    // All three keys are required; one bad rule rejects the payload.
    static std::optional<Payload> fromJson(const QByteArray &json);
};

class VerificationResult {
public:
    static VerificationResult valid(Payload payload)
    {
        return VerificationResult(std::move(payload));
    }
    static VerificationResult invalid() { return VerificationResult(std::nullopt); }

    bool isValid() const { return m_payload.has_value(); }
    // Present only when valid.
    const std::optional<Payload> &payload() const { return m_payload; }

    bool operator==(const VerificationResult &) const = default;

private:
    explicit VerificationResult(std::optional<Payload> payload) : m_payload(std::move(payload)) {}
    std::optional<Payload> m_payload;
};

// Valid when the signature checks with the key, the payload decodes, its rev is at least
// minimumRev and appBuild is at least its minAppBuild.
VerificationResult verify(const QString &token, const QString &publicKeyBase64, qint64 minimumRev,
                          qint64 appBuild);
// With the program's own key.
VerificationResult verify(const QString &token, qint64 minimumRev, qint64 appBuild);

// URL-safe (or standard) Base64 with optional padding; absent on any other character.
std::optional<QByteArray> decodeSegment(const QString &segment);

} // namespace SignedDefinitions
