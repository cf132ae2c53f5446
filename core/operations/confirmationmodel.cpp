#include "operations/confirmationmodel.h"

#include <QCoreApplication>

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
