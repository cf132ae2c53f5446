#include "model/viewoptions.h"

QString toString(SortMode mode)
{
    return enumName(mode);
}

QString toString(PopoverViewMode mode)
{
    return enumName(mode);
}

QString toString(WindowIconMode mode)
{
    return enumName(mode);
}

std::optional<SortMode> sortModeFromString(const QString &raw)
{
    return enumFromName<SortMode>(raw);
}

std::optional<PopoverViewMode> popoverViewModeFromString(const QString &raw)
{
    return enumFromName<PopoverViewMode>(raw);
}

std::optional<WindowIconMode> windowIconModeFromString(const QString &raw)
{
    return enumFromName<WindowIconMode>(raw);
}

const QList<SortMode> &allSortModes()
{
    return enumValues<SortMode>();
}

const QList<PopoverViewMode> &allPopoverViewModes()
{
    return enumValues<PopoverViewMode>();
}

const QList<WindowIconMode> &allWindowIconModes()
{
    return enumValues<WindowIconMode>();
}
