#pragma once

#include "model/enumnames.h"
#include "model/mediatraits.h"
#include "model/volume.h"

#include <QList>
#include <QString>
#include <optional>

struct MediaPolicyOverrides;

// How one volume is ejected and which destructive or bulk actions it takes part in.
struct MediaPolicy {
    enum class EjectSemantics { unmountKeepAttached, detachImage, unmountByPath, physicalEject };

    EjectSemantics ejectSemantics = EjectSemantics::unmountKeepAttached;
    bool canErase = false;
    bool canRename = false;
    bool bulkEjectCandidate = false;

    bool operator==(const MediaPolicy &) const = default;

    // The built-in rule alone.
    static MediaPolicy policy(const MediaTraits &traits);
    // Built-in rule, then the pulled definitions, then the local overrides. Any thread.
    static MediaPolicy policy(const Volume &volume);

    static bool allowsErase(const Volume &volume);
    static bool offersEjectAction(const Volume &volume);

    // Why the installed overrides file could not be used; empty when it could (or is absent).
    static QString overridesProblem();

    // Each replaces its layer whole.
    static void installOverrides(const MediaPolicyOverrides &overrides);
    static void installPulledDefinitions(const MediaPolicyOverrides &definitions);
};

// Stored names ("ejectSemantics" in the overrides and pulled definitions files).
inline constexpr EnumEntry<MediaPolicy::EjectSemantics> ejectSemanticsNames[] = {
    {MediaPolicy::EjectSemantics::unmountKeepAttached, "unmountKeepAttached"},
    {MediaPolicy::EjectSemantics::detachImage, "detachImage"},
    {MediaPolicy::EjectSemantics::unmountByPath, "unmountByPath"},
    {MediaPolicy::EjectSemantics::physicalEject, "physicalEject"},
};
constexpr std::span<const EnumEntry<MediaPolicy::EjectSemantics>>
enumTable(MediaPolicy::EjectSemantics)
{
    return ejectSemanticsNames;
}

namespace EraseEligibility {
// Same answer as MediaPolicy::allowsErase.
bool isAllowed(const Volume &volume);
} // namespace EraseEligibility
