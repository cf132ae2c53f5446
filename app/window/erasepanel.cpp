#include "window/erasepanel.h"

#include "operations/volumenamerules.h"
#include "udisksoperations.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QVBoxLayout>

ErasePanel::ErasePanel(const Volume &volume, const QStringList &offered, QWidget *parent)
    : AlertDialog(Style::critical,
                  //: Erase panel title
                  QCoreApplication::translate("ErasePanel", "Erase “%1”?").arg(volume.name),
                  //: Erase panel body
                  QCoreApplication::translate("ErasePanel",
                                              "All data on the volume will be permanently "
                                              "destroyed. Choose a format and a name for the "
                                              "erased volume."),
                  //: Destructive button
                  QCoreApplication::translate("ErasePanel", "Erase"), true, parent),
      m_volumeName(volume.name), m_offered(offered)
{
    auto *accessory = new QWidget;
    accessory->setFixedSize(240, 61);
    m_formatBox = new QComboBox(accessory);
    m_formatBox->addItems(m_offered);
    m_formatBox->setCurrentIndex(0);
    m_formatBox->setFixedSize(240, 25);
    m_nameField = new QLineEdit(volume.name, accessory);
    m_nameField->setFixedSize(240, 24);
    m_nameField->setPlaceholderText(
        //: Text-field placeholder
        QCoreApplication::translate("ErasePanel", "New name"));
    auto *layout = new QVBoxLayout(accessory);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addWidget(m_formatBox);
    layout->addWidget(m_nameField);
    setAccessory(accessory);
    m_nameField->setFocus();
    connect(m_nameField, &QLineEdit::textChanged, this, &ErasePanel::checkName);
    connect(m_formatBox, &QComboBox::currentIndexChanged, this, &ErasePanel::checkName);
    checkName();
}

QString ErasePanel::chosenName() const
{
    const QString name = m_nameField->text().trimmed();
    return name.isEmpty() ? m_volumeName : name;
}

void ErasePanel::checkName()
{
    setProblem(
        VolumeNameRules::problem(m_formatBox->currentText(), chosenName()).value_or(QString()));
}

std::optional<ErasePanel::Choice> ErasePanel::present(const Volume &volume,
                                                      const QStringList &offered, QWidget *parent)
{
    ErasePanel panel(volume, offered, parent);
    panel.run();
    return panel.choice();
}

const QStringList &ErasePanel::formats()
{
    return UDisksOperations::eraseFormats();
}

std::optional<ErasePanel::Choice> ErasePanel::choice() const
{
    if (result() != QDialog::Accepted)
        return std::nullopt;
    Choice choice;
    choice.format = m_formatBox->currentIndex() >= 0 ? m_formatBox->currentText()
                                                     : m_offered.value(0, formats().first());
    choice.name = chosenName();
    return choice;
}
