#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>
#include <optional>

enum class SortMode { name, kind, size, free };
enum class PopoverViewMode { grid, list, fan, automatic };
enum class WindowIconMode { icon, stack };

QString toString(SortMode mode);
QString toString(PopoverViewMode mode);
QString toString(WindowIconMode mode);

std::optional<SortMode> sortModeFromString(const QString &raw);
std::optional<PopoverViewMode> popoverViewModeFromString(const QString &raw);
std::optional<WindowIconMode> windowIconModeFromString(const QString &raw);

const QList<SortMode> &allSortModes();
const QList<PopoverViewMode> &allPopoverViewModes();
const QList<WindowIconMode> &allWindowIconModes();

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
