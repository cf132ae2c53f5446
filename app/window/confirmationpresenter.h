#pragma once

#include "operations/confirmationmodel.h"
#include "operations/volumeoperation.h"

#include <QString>

class QWidget;

// The texts of a confirmation and the three ways of asking for it. Only erase is confirmed by
// the application; the other operations have texts so every operation has an answer.
namespace ConfirmationPresenter {

QString title(VolumeOperation operation, const QString &volumeName);
QString warning(VolumeOperation operation, const QString &volumeName);
QString verb(VolumeOperation operation);

bool alertConfirm(VolumeOperation operation, const QString &volumeName, QWidget *parent = nullptr);
bool typeNameConfirm(VolumeOperation operation, const QString &volumeName,
                     QWidget *parent = nullptr);
bool holdButtonConfirm(VolumeOperation operation, const QString &volumeName,
                       QWidget *parent = nullptr);

// The dialog the model asks for; yolo needs none and is always confirmed.
bool confirm(ConfirmationModel model, VolumeOperation operation, const QString &volumeName,
             QWidget *parent = nullptr);

} // namespace ConfirmationPresenter
