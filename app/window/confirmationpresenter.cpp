#include "window/confirmationpresenter.h"

#include "window/confirmationdialog.h"

#include <QCoreApplication>

namespace {

bool present(ConfirmationModel model, VolumeOperation operation, const QString &volumeName,
             QWidget *parent)
{
    ConfirmationDialog dialog(model, operation, volumeName, parent);
    dialog.run();
    return dialog.isConfirmed();
}

} // namespace

namespace ConfirmationPresenter {

QString title(VolumeOperation operation, const QString &volumeName)
{
    switch (operation) {
    case VolumeOperation::eject:
    case VolumeOperation::autoEject:
        //: Confirmation title
        return QCoreApplication::translate("ConfirmationPresenter", "Eject “%1”?").arg(volumeName);
    case VolumeOperation::forceEject:
        //: Confirmation title
        return QCoreApplication::translate("ConfirmationPresenter", "Force Eject “%1”?")
            .arg(volumeName);
    case VolumeOperation::remount:
    case VolumeOperation::autoRemount:
        //: Confirmation title
        return QCoreApplication::translate("ConfirmationPresenter", "Remount “%1”?")
            .arg(volumeName);
    case VolumeOperation::rename:
        //: Confirmation title
        return QCoreApplication::translate("ConfirmationPresenter", "Rename “%1”?").arg(volumeName);
    case VolumeOperation::erase:
        //: Erase panel title
        return QCoreApplication::translate("ErasePanel", "Erase “%1”?").arg(volumeName);
    }
    return {};
}

QString warning(VolumeOperation operation, const QString &volumeName)
{
    switch (operation) {
    case VolumeOperation::eject:
    case VolumeOperation::autoEject:
        //: Confirmation body
        return QCoreApplication::translate("ConfirmationPresenter",
                                           "Are you sure you want to eject “%1”?")
            .arg(volumeName);
    case VolumeOperation::forceEject:
        //: Force-eject confirmation warning
        return QCoreApplication::translate("ConfirmationPresenter",
                                           "Apps using “%1” may lose unsaved data.")
            .arg(volumeName);
    case VolumeOperation::remount:
    case VolumeOperation::autoRemount:
        //: Confirmation body
        return QCoreApplication::translate("ConfirmationPresenter",
                                           "Are you sure you want to remount “%1”?")
            .arg(volumeName);
    case VolumeOperation::rename:
        //: Confirmation body
        return QCoreApplication::translate("ConfirmationPresenter",
                                           "Are you sure you want to rename “%1”?")
            .arg(volumeName);
    case VolumeOperation::erase:
        //: Erase confirmation warning
        return QCoreApplication::translate(
                   "ConfirmationPresenter",
                   "All data on “%1” will be permanently destroyed. This can’t be undone.")
            .arg(volumeName);
    }
    return {};
}

QString verb(VolumeOperation operation)
{
    switch (operation) {
    case VolumeOperation::eject:
    case VolumeOperation::autoEject:
        //: Confirm button / operation name
        return QCoreApplication::translate("ConfirmationPresenter", "Eject");
    case VolumeOperation::forceEject:
        //: Destructive button
        return QCoreApplication::translate("ConfirmationPresenter", "Force Eject");
    case VolumeOperation::remount:
    case VolumeOperation::autoRemount:
        //: Confirm button / operation name
        return QCoreApplication::translate("ConfirmationPresenter", "Remount");
    case VolumeOperation::rename:
        //: Button
        return QCoreApplication::translate("ConfirmationPresenter", "Rename");
    case VolumeOperation::erase:
        //: Destructive button
        return QCoreApplication::translate("ConfirmationPresenter", "Erase");
    }
    return {};
}

bool alertConfirm(VolumeOperation operation, const QString &volumeName, QWidget *parent)
{
    return present(ConfirmationModel::alert, operation, volumeName, parent);
}

bool typeNameConfirm(VolumeOperation operation, const QString &volumeName, QWidget *parent)
{
    return present(ConfirmationModel::typeName, operation, volumeName, parent);
}

bool holdButtonConfirm(VolumeOperation operation, const QString &volumeName, QWidget *parent)
{
    return present(ConfirmationModel::holdButton, operation, volumeName, parent);
}

bool confirm(ConfirmationModel model, VolumeOperation operation, const QString &volumeName,
             QWidget *parent)
{
    switch (model) {
    case ConfirmationModel::alert:
        return alertConfirm(operation, volumeName, parent);
    case ConfirmationModel::typeName:
        return typeNameConfirm(operation, volumeName, parent);
    case ConfirmationModel::holdButton:
        return holdButtonConfirm(operation, volumeName, parent);
    case ConfirmationModel::yolo:
        return true;
    }
    return false;
}

} // namespace ConfirmationPresenter
