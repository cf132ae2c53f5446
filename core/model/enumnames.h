#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <concepts>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

// One value of an enumeration and the name it is stored and printed under (settings, history,
// overrides files, `quillmere-cli list --json`). The name is written out by hand and never taken
// from the enumerator's spelling, so renaming an enumerator cannot change what is stored.
template <class E> struct EnumEntry {
    E value;
    std::string_view name;
};

// An enumeration takes part by declaring, next to itself (so argument-dependent lookup finds it),
//   constexpr std::span<const EnumEntry<E>> enumTable(E);
// returning one entry per value, in the order enumValues<E>() lists them.
template <class E>
concept NamedEnum = std::is_enum_v<E> && requires(E value) {
    { enumTable(value) } -> std::convertible_to<std::span<const EnumEntry<E>>>;
};

namespace EnumNamesDetail {

// Every value once and every name once; names are non-empty.
template <class E> consteval bool isWellFormed(std::span<const EnumEntry<E>> table)
{
    if (table.empty())
        return false;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].name.empty())
            return false;
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            if (table[i].value == table[j].value || table[i].name == table[j].name)
                return false;
        }
    }
    return true;
}

template <NamedEnum E> constexpr std::span<const EnumEntry<E>> table()
{
    constexpr std::span<const EnumEntry<E>> entries = enumTable(E{});
    static_assert(isWellFormed<E>(entries), "enum table repeats a value or a name");
    return entries;
}

} // namespace EnumNamesDetail

// The stored name of value; empty for a value the table does not list.
template <NamedEnum E> QString enumName(E value)
{
    for (const EnumEntry<E> &entry : EnumNamesDetail::table<E>()) {
        if (entry.value == value)
            return QString::fromLatin1(entry.name.data(), qsizetype(entry.name.size()));
    }
    return {};
}

// The value stored under name, compared exactly (case and spaces count).
template <NamedEnum E> std::optional<E> enumFromName(QStringView name)
{
    for (const EnumEntry<E> &entry : EnumNamesDetail::table<E>()) {
        if (name == QLatin1StringView(entry.name.data(), qsizetype(entry.name.size())))
            return entry.value;
    }
    return std::nullopt;
}

// Every value, in table order.
template <NamedEnum E> const QList<E> &enumValues()
{
    static const QList<E> values = [] {
        QList<E> list;
        for (const EnumEntry<E> &entry : EnumNamesDetail::table<E>())
            list.append(entry.value);
        return list;
    }();
    return values;
}
