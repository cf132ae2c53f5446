#pragma once

#include "window/alertdialog.h"

#include <optional>

class QLineEdit;

// Asks for a volume's new name.
class RenamePrompt : public AlertDialog {
    Q_OBJECT
public:
    explicit RenamePrompt(const QString &currentName, QWidget *parent = nullptr);

    // The new name, or none when cancelled, blank or unchanged.
    static std::optional<QString> present(const QString &currentName, QWidget *parent = nullptr);
    // Trimmed text when it is a usable new name.
    static std::optional<QString> newName(const QString &text, const QString &currentName);

    QLineEdit *nameField() const { return m_nameField; }
    // The answer once the dialog closed.
    std::optional<QString> chosenName() const;

private:
    QString m_currentName;
    QLineEdit *m_nameField = nullptr;
};
