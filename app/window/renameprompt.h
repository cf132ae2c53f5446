#pragma once

#include "common/alertdialog.h"

#include <optional>

class QLineEdit;

// Asks for a volume's new name. A name the volume's file system cannot hold is explained under
// the field and cannot be confirmed.
class RenamePrompt : public AlertDialog {
    Q_OBJECT
public:
    // fileSystemType decides which names are accepted (none are refused when it is unknown).
    explicit RenamePrompt(const QString &currentName, const QString &fileSystemType = QString(),
                          QWidget *parent = nullptr);

    // The new name, or none when cancelled, blank or unchanged.
    static std::optional<QString> present(const QString &currentName, const QString &fileSystemType,
                                          QWidget *parent = nullptr);
    // Trimmed text when it is a usable new name.
    static std::optional<QString> newName(const QString &text, const QString &currentName);

    QLineEdit *nameField() const { return m_nameField; }
    // The answer once the dialog closed.
    std::optional<QString> chosenName() const;

private:
    void checkName();

    QString m_currentName;
    QString m_fileSystemType;
    QLineEdit *m_nameField = nullptr;
};
