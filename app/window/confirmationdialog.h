#pragma once

#include "common/alertdialog.h"
#include "operations/confirmationmodel.h"
#include "operations/volumeoperation.h"

class HoldToConfirmButton;
class QLineEdit;
class TypeNameValidator;

// One erase-style confirmation in the alert, type-the-name or hold-the-button style.
class ConfirmationDialog : public AlertDialog {
    Q_OBJECT
public:
    // yolo has no dialog; it is treated as the standard alert here.
    ConfirmationDialog(ConfirmationModel model, VolumeOperation operation,
                       const QString &volumeName, QWidget *parent = nullptr);

    ConfirmationModel model() const { return m_model; }
    QLineEdit *nameField() const { return m_nameField; }
    HoldToConfirmButton *holdButton() const { return m_holdButton; }

    // After the dialog closed: the first button was pressed and, when a name had to be typed,
    // the field still holds it.
    bool isConfirmed() const;

private:
    ConfirmationModel m_model;
    QString m_volumeName;
    QLineEdit *m_nameField = nullptr;
    TypeNameValidator *m_validator = nullptr;
    HoldToConfirmButton *m_holdButton = nullptr;
};
