#pragma once

#include <QString>
#include <optional>

struct MediaTraits {
    bool isNetwork = false;
    bool isDiskImage = false;
    bool isSystemManaged = false;
    bool isOptical = false;
    bool sharesBootDevice = false;
    std::optional<QString> deviceModel;

    bool operator==(const MediaTraits &) const = default;

    // True for media-kind names that denote a CD, DVD or Blu-ray disc.
    static bool isOpticalMediaKind(const std::optional<QString> &mediaKind);
};
