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
        return QCoreApplication::translate("ConfirmationPresenter", "Eject “%1”?",
                                           "Confirmation title")
            .arg(volumeName);
    case VolumeOperation::forceEject:
        return QCoreApplication::translate("ConfirmationPresenter", "Force Eject “%1”?",
                                           "Confirmation title")
            .arg(volumeName);
    case VolumeOperation::remount:
    case VolumeOperation::autoRemount:
        return QCoreApplication::translate("ConfirmationPresenter", "Remount “%1”?",
                                           "Confirmation title")
            .arg(volumeName);
    case VolumeOperation::rename:
        return QCoreApplication::translate("ConfirmationPresenter", "Rename “%1”?",
                                           "Confirmation title")
            .arg(volumeName);
    case VolumeOperation::erase:
        return QCoreApplication::translate("ErasePanel", "Erase “%1”?", "Erase panel title")
            .arg(volumeName);
    }
    return {};
}

QString warning(VolumeOperation operation, const QString &volumeName)
{
    switch (operation) {
    case VolumeOperation::eject:
    case VolumeOperation::autoEject:
        return QCoreApplication::translate("ConfirmationPresenter",
                                           "Are you sure you want to eject “%1”?",
                                           "Confirmation body")
            .arg(volumeName);
    case VolumeOperation::forceEject:
        return QCoreApplication::translate("ConfirmationPresenter",
                                           "Apps using “%1” may lose unsaved data.",
                                           "Force-eject confirmation warning")
            .arg(volumeName);
    case VolumeOperation::remount:
    case VolumeOperation::autoRemount:
        return QCoreApplication::translate("ConfirmationPresenter",
                                           "Are you sure you want to remount “%1”?",
                                           "Confirmation body")
            .arg(volumeName);
    case VolumeOperation::rename:
        return QCoreApplication::translate("ConfirmationPresenter",
                                           "Are you sure you want to rename “%1”?",
                                           "Confirmation body")
            .arg(volumeName);
    case VolumeOperation::erase:
        return QCoreApplication::translate(
                   "ConfirmationPresenter",
                   "All data on “%1” will be permanently destroyed. This can’t be undone.",
                   "Erase confirmation warning")
            .arg(volumeName);
    }
    return {};
}

QString verb(VolumeOperation operation)
{
    switch (operation) {
    case VolumeOperation::eject:
    case VolumeOperation::autoEject:
        return QCoreApplication::translate("ConfirmationPresenter", "Eject",
                                           "Confirm button / operation name");
    case VolumeOperation::forceEject:
        return QCoreApplication::translate("ConfirmationPresenter", "Force Eject",
                                           "Destructive button");
    case VolumeOperation::remount:
    case VolumeOperation::autoRemount:
        return QCoreApplication::translate("ConfirmationPresenter", "Remount",
                                           "Confirm button / operation name");
    case VolumeOperation::rename:
        return QCoreApplication::translate("ConfirmationPresenter", "Rename", "Button");
    case VolumeOperation::erase:
        return QCoreApplication::translate("ConfirmationPresenter", "Erase", "Destructive button");
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
