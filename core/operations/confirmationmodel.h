#pragma once

#include <QList>
#include <QString>
#include <optional>

// How an erase is confirmed. Raw values are the stored preference.
enum class ConfirmationModel { alert, typeName, holdButton, yolo };

QString toString(ConfirmationModel model);
std::optional<ConfirmationModel> confirmationModelFromString(const QString &raw);
const QList<ConfirmationModel> &allConfirmationModels();
// Localised title as offered in the preferences.
QString confirmationModelTitle(ConfirmationModel model);

inline size_t qHash(ConfirmationModel model, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(model), seed);
}
