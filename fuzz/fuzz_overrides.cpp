// The user's media-policy-overrides.json.
#include "fuzzcheck.h"
#include "policy/mediapolicy.h"
#include "policy/mediapolicyoverrides.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto overrides = MediaPolicyOverrides::decode(json);
    if (!overrides)
        return 0;
    // Every name and model the rules mention, and one they do not.
    QList<std::pair<QString, std::optional<QString>>> volumes{{QStringLiteral("x"), std::nullopt}};
    for (const MediaPolicyOverride &rule : overrides->entries)
        volumes.append({rule.match.volumeName.value_or(QString()), rule.match.deviceModel});
    for (const auto &[name, model] : volumes) {
        MediaPolicy refused;
        refused.canErase = false;
        // No rule may make erasable what was refused before it.
        FUZZ_CHECK(!overrides->apply(refused, name, model).canErase);
        MediaPolicy allowed;
        allowed.canErase = true;
        overrides->apply(allowed, name, model);
    }
    return 0;
}
