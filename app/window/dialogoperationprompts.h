#pragma once

#include "common/operationprompts.h"

#include <QPointer>
#include <QWidget>

// The operation flows' questions answered with the real modal dialogs.
class DialogOperationPrompts : public OperationPrompts {
public:
    // parent: the window the dialogs belong to, if any (a tray application often has none).
    explicit DialogOperationPrompts(QWidget *parent = nullptr);

    bool forceEject(const QString &volumeName, const QStringList &blockers) override;
    std::optional<QString> renameName(const QString &currentName,
                                      const QString &fileSystemType) override;
    std::optional<EraseChoice> eraseChoice(const Volume &volume,
                                           const QStringList &formats) override;
    bool confirm(ConfirmationModel model, VolumeOperation operation,
                 const QString &volumeName) override;
    void alert(const QString &title, const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};
