#include "window/renameprompt.h"

#include "operations/volumenamerules.h"

#include <QCoreApplication>
#include <QLineEdit>

RenamePrompt::RenamePrompt(const QString &currentName, const QString &fileSystemType,
                           QWidget *parent)
    : AlertDialog(Style::warning,
                  //: Rename prompt title
                  QCoreApplication::translate("RenamePrompt", "Rename “%1”").arg(currentName),
                  //: Rename prompt body
                  QCoreApplication::translate("RenamePrompt", "Enter a new name for the volume."),
                  //: Button
                  QCoreApplication::translate("RenamePrompt", "Rename"), false, parent),
      m_currentName(currentName), m_fileSystemType(fileSystemType)
{
    m_nameField = new QLineEdit(currentName);
    m_nameField->setFixedSize(240, 24);
    m_nameField->setPlaceholderText(
        //: Text-field placeholder
        QCoreApplication::translate("RenamePrompt", "Volume name"));
    m_nameField->selectAll();
    setAccessory(m_nameField);
    m_nameField->setFocus();
    connect(m_nameField, &QLineEdit::textChanged, this, &RenamePrompt::checkName);
    checkName();
}

void RenamePrompt::checkName()
{
    const QString name = m_nameField->text().trimmed();
    setProblem(name.isEmpty()
                   ? QString()
                   : VolumeNameRules::problem(m_fileSystemType, name).value_or(QString()));
}

std::optional<QString> RenamePrompt::present(const QString &currentName,
                                             const QString &fileSystemType, QWidget *parent)
{
    RenamePrompt prompt(currentName, fileSystemType, parent);
    prompt.run();
    return prompt.chosenName();
}

std::optional<QString> RenamePrompt::newName(const QString &text, const QString &currentName)
{
    // trimmed() drops spaces, tabs and line breaks alike.
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == currentName)
        return std::nullopt;
    return trimmed;
}

std::optional<QString> RenamePrompt::chosenName() const
{
    if (result() != QDialog::Accepted)
        return std::nullopt;
    return newName(m_nameField->text(), m_currentName);
}
