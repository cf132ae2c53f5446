#pragma once

#include "model/enumnames.h"

#include <QHashFunctions>
#include <QList>
#include <QString>
#include <optional>

enum class SortMode { name, kind, size, free };
enum class PopoverViewMode { grid, list, fan, automatic };
enum class WindowIconMode { icon, stack };

// Stored names (the view options in the settings).
inline constexpr EnumEntry<SortMode> sortModeNames[] = {
    {SortMode::name, "name"},
    {SortMode::kind, "kind"},
    {SortMode::size, "size"},
    {SortMode::free, "free"},
};
inline constexpr EnumEntry<PopoverViewMode> popoverViewModeNames[] = {
    {PopoverViewMode::grid, "grid"},
    {PopoverViewMode::list, "list"},
    {PopoverViewMode::fan, "fan"},
    {PopoverViewMode::automatic, "automatic"},
};
inline constexpr EnumEntry<WindowIconMode> windowIconModeNames[] = {
    {WindowIconMode::icon, "icon"},
    {WindowIconMode::stack, "stack"},
};
constexpr std::span<const EnumEntry<SortMode>> enumTable(SortMode)
{
    return sortModeNames;
}
constexpr std::span<const EnumEntry<PopoverViewMode>> enumTable(PopoverViewMode)
{
    return popoverViewModeNames;
}
constexpr std::span<const EnumEntry<WindowIconMode>> enumTable(WindowIconMode)
{
    return windowIconModeNames;
}

inline size_t qHash(SortMode mode, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(mode), seed);
}

inline size_t qHash(PopoverViewMode mode, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(mode), seed);
}

inline size_t qHash(WindowIconMode mode, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(mode), seed);
}
