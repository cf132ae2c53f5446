#pragma once

#include "model/enumnames.h"

#include <QList>
#include <QString>
#include <optional>

// How an erase is confirmed.
enum class ConfirmationModel { alert, typeName, holdButton, yolo };

// Stored names (the preference), in the order the preferences offer them.
inline constexpr EnumEntry<ConfirmationModel> confirmationModelNames[] = {
    {ConfirmationModel::alert, "alert"},
    {ConfirmationModel::typeName, "typeName"},
    {ConfirmationModel::holdButton, "holdButton"},
    {ConfirmationModel::yolo, "yolo"},
};
constexpr std::span<const EnumEntry<ConfirmationModel>> enumTable(ConfirmationModel)
{
    return confirmationModelNames;
}

// Localised title as offered in the preferences.
QString confirmationModelTitle(ConfirmationModel model);

inline size_t qHash(ConfirmationModel model, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(model), seed);
}
