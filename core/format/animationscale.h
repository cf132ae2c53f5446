#pragma once

#include <QString>
#include <optional>

// A factor for the popover's fan opening, from the environment variable KESTRIN_ANIM_SCALE,
// so the animation can be slowed down to look at it.
namespace AnimationScale {

inline constexpr char variable[] = "KESTRIN_ANIM_SCALE";

inline constexpr double fanOpenSeconds = 0.35;

// The fan's opening time under a factor.
inline double fanOpeningSeconds(double factor)
{
    return fanOpenSeconds * factor;
}

// The whole text must be a decimal number ("3", "0.5", "1e1"); anything else, a negative
// number or no text at all gives 1.
double parse(const std::optional<QString> &value);
// Read once per process.
double fromEnvironment();

} // namespace AnimationScale
