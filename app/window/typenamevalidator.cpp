#include "window/typenamevalidator.h"

#include <QLineEdit>

TypeNameValidator::TypeNameValidator(const QString &expectedName, QAbstractButton *confirmButton,
                                     QObject *parent)
    : QObject(parent), m_expectedName(expectedName), m_confirmButton(confirmButton)
{
}

bool TypeNameValidator::matches(const QString &text, const QString &expectedName)
{
    return text == expectedName;
}

void TypeNameValidator::watch(QLineEdit *field)
{
    connect(field, &QLineEdit::textChanged, this, &TypeNameValidator::textChanged);
    textChanged(field->text());
}

void TypeNameValidator::textChanged(const QString &text)
{
    if (m_confirmButton)
        m_confirmButton->setEnabled(matches(text, m_expectedName));
}
