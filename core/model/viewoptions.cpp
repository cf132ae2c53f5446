#include "model/viewoptions.h"

namespace {

template <typename Enum> std::optional<Enum> fromRaw(const QList<Enum> &all, const QString &raw)
{
    for (Enum value : all) {
        if (toString(value) == raw)
            return value;
    }
    return std::nullopt;
}

} // namespace

QString toString(SortMode mode)
{
    switch (mode) {
    case SortMode::name:
        return QStringLiteral("name");
    case SortMode::kind:
        return QStringLiteral("kind");
    case SortMode::size:
        return QStringLiteral("size");
    case SortMode::free:
        return QStringLiteral("free");
    }
    return {};
}

QString toString(PopoverViewMode mode)
{
    switch (mode) {
    case PopoverViewMode::grid:
        return QStringLiteral("grid");
    case PopoverViewMode::list:
        return QStringLiteral("list");
    case PopoverViewMode::fan:
        return QStringLiteral("fan");
    case PopoverViewMode::automatic:
        return QStringLiteral("automatic");
    }
    return {};
}

QString toString(WindowIconMode mode)
{
    switch (mode) {
    case WindowIconMode::icon:
        return QStringLiteral("icon");
    case WindowIconMode::stack:
        return QStringLiteral("stack");
    }
    return {};
}

std::optional<SortMode> sortModeFromString(const QString &raw)
{
    return fromRaw(allSortModes(), raw);
}

std::optional<PopoverViewMode> popoverViewModeFromString(const QString &raw)
{
    return fromRaw(allPopoverViewModes(), raw);
}

std::optional<WindowIconMode> windowIconModeFromString(const QString &raw)
{
    return fromRaw(allWindowIconModes(), raw);
}

const QList<SortMode> &allSortModes()
{
    static const QList<SortMode> modes{SortMode::name, SortMode::kind, SortMode::size,
                                       SortMode::free};
    return modes;
}

const QList<PopoverViewMode> &allPopoverViewModes()
{
    static const QList<PopoverViewMode> modes{PopoverViewMode::grid, PopoverViewMode::list,
                                              PopoverViewMode::fan, PopoverViewMode::automatic};
    return modes;
}

const QList<WindowIconMode> &allWindowIconModes()
{
    static const QList<WindowIconMode> modes{WindowIconMode::icon, WindowIconMode::stack};
    return modes;
}
