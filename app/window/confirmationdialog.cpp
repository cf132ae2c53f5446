#include "window/confirmationdialog.h"

#include "window/confirmationpresenter.h"
#include "window/holdtoconfirmbutton.h"
#include "window/typenamevalidator.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {

// Japanese and Chinese sentences follow a full stop without a space.
QString appendSentence(const QString &text, const QString &sentence)
{
    const bool fullWidthEnd = text.endsWith(QChar(0x3002)) || text.endsWith(QChar(0xFF01)) ||
                              text.endsWith(QChar(0xFF1F));
    return fullWidthEnd ? text + sentence : text + QLatin1Char(' ') + sentence;
}

QString bodyText(ConfirmationModel model, VolumeOperation operation, const QString &volumeName)
{
    const QString body = ConfirmationPresenter::warning(operation, volumeName);
    switch (model) {
    case ConfirmationModel::typeName:
        return appendSentence(body,
                              //: Appended to a confirmation body
                              QCoreApplication::translate("ConfirmationPresenter",
                                                          "Type the volume name to confirm."));
    case ConfirmationModel::holdButton:
        return appendSentence(
            body,
            //: Appended to a confirmation body; %1 is the confirm-button title
            QCoreApplication::translate("ConfirmationPresenter",
                                        "Hold the button below for 3 seconds to enable %1.")
                .arg(ConfirmationPresenter::verb(operation)));
    case ConfirmationModel::alert:
    case ConfirmationModel::yolo:
        break;
    }
    return body;
}

} // namespace

ConfirmationDialog::ConfirmationDialog(ConfirmationModel model, VolumeOperation operation,
                                       const QString &volumeName, QWidget *parent)
    : AlertDialog(Style::critical, ConfirmationPresenter::title(operation, volumeName),
                  bodyText(model, operation, volumeName), ConfirmationPresenter::verb(operation),
                  true, parent),
      m_model(model), m_volumeName(volumeName)
{
    switch (model) {
    case ConfirmationModel::typeName: {
        firstButton()->setEnabled(false);
        m_nameField = new QLineEdit;
        m_nameField->setFixedSize(240, 24);
        m_nameField->setPlaceholderText(volumeName);
        setAccessory(m_nameField);
        m_validator = new TypeNameValidator(volumeName, firstButton(), this);
        m_validator->watch(m_nameField);
        m_nameField->setFocus();
        break;
    }
    case ConfirmationModel::holdButton: {
        firstButton()->setEnabled(false);
        m_holdButton = new HoldToConfirmButton;
        m_holdButton->setFixedSize(240, 28);
        // Return must never stand in for holding; once enabled, the confirm button takes it.
        m_holdButton->setAutoDefault(false);
        m_holdButton->onHoldCompleted = [confirm = QPointer<QPushButton>(firstButton())] {
            if (!confirm)
                return;
            confirm->setEnabled(true);
            // The hold button is disabled now; focus would otherwise fall to "Cancel".
            confirm->setFocus();
        };
        setAccessory(m_holdButton);
        m_holdButton->setFocus();
        break;
    }
    case ConfirmationModel::alert:
    case ConfirmationModel::yolo:
        break;
    }
}

bool ConfirmationDialog::isConfirmed() const
{
    if (result() != QDialog::Accepted)
        return false;
    if (m_nameField)
        return TypeNameValidator::matches(m_nameField->text(), m_volumeName);
    return true;
}
