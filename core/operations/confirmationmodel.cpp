#include "operations/confirmationmodel.h"

#include <QCoreApplication>

QString toString(ConfirmationModel model)
{
    switch (model) {
    case ConfirmationModel::alert:
        return QStringLiteral("alert");
    case ConfirmationModel::typeName:
        return QStringLiteral("typeName");
    case ConfirmationModel::holdButton:
        return QStringLiteral("holdButton");
    case ConfirmationModel::yolo:
        return QStringLiteral("yolo");
    }
    return {};
}

std::optional<ConfirmationModel> confirmationModelFromString(const QString &raw)
{
    for (ConfirmationModel model : allConfirmationModels()) {
        if (toString(model) == raw)
            return model;
    }
    return std::nullopt;
}

const QList<ConfirmationModel> &allConfirmationModels()
{
    static const QList<ConfirmationModel> models{
        ConfirmationModel::alert, ConfirmationModel::typeName, ConfirmationModel::holdButton,
        ConfirmationModel::yolo};
    return models;
}

QString confirmationModelTitle(ConfirmationModel model)
{
    switch (model) {
    case ConfirmationModel::alert:
        //: Confirmation model
        return QCoreApplication::translate("ConfirmationModel", "Standard confirmation");
    case ConfirmationModel::typeName:
        //: Confirmation model
        return QCoreApplication::translate("ConfirmationModel", "Type the volume name");
    case ConfirmationModel::holdButton:
        //: Confirmation model
        return QCoreApplication::translate("ConfirmationModel", "Hold to confirm");
    case ConfirmationModel::yolo:
        //: Confirmation model
        return QCoreApplication::translate("ConfirmationModel", "No confirmation (YOLO)");
    }
    return {};
}
