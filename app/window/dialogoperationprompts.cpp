#include "window/dialogoperationprompts.h"

#include "common/failurealert.h"
#include "window/confirmationpresenter.h"
#include "window/erasepanel.h"
#include "window/forceejectdialog.h"
#include "window/renameprompt.h"

DialogOperationPrompts::DialogOperationPrompts(QWidget *parent) : m_parent(parent) {}

bool DialogOperationPrompts::forceEject(const QString &volumeName, const QStringList &blockers)
{
    return ForceEjectDialog::present(volumeName, blockers, m_parent);
}

std::optional<QString> DialogOperationPrompts::renameName(const QString &currentName,
                                                          const QString &fileSystemType)
{
    return RenamePrompt::present(currentName, fileSystemType, m_parent);
}

std::optional<EraseChoice> DialogOperationPrompts::eraseChoice(const Volume &volume,
                                                               const QStringList &formats)
{
    return ErasePanel::present(volume, formats, m_parent);
}

bool DialogOperationPrompts::confirm(ConfirmationModel model, VolumeOperation operation,
                                     const QString &volumeName)
{
    return ConfirmationPresenter::confirm(model, operation, volumeName, m_parent);
}

void DialogOperationPrompts::alert(const QString &title, const QString &text)
{
    FailureAlert::present(title, text, m_parent);
}
