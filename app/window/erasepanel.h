#pragma once

#include "common/alertdialog.h"
#include "common/operationprompts.h"
#include "model/volume.h"

#include <QStringList>
#include <optional>

class QComboBox;
class QLineEdit;

// Asks for the format and the name an erased volume gets. A name the chosen format cannot
// hold is explained under the fields and cannot be confirmed.
class ErasePanel : public AlertDialog {
    Q_OBJECT
public:
    using Choice = EraseChoice;

    // offered: the formats this machine can make, in the order of formats().
    explicit ErasePanel(const Volume &volume, const QStringList &offered = formats(),
                        QWidget *parent = nullptr);

    static std::optional<Choice> present(const Volume &volume, const QStringList &offered,
                                         QWidget *parent = nullptr);

    // Every erase format, the one list the operations use; the first offered one is
    // preselected and the fallback. Passed to the operations as they stand.
    static const QStringList &formats();

    QComboBox *formatBox() const { return m_formatBox; }
    QLineEdit *nameField() const { return m_nameField; }
    // The answer once the dialog closed.
    std::optional<Choice> choice() const;

private:
    // The name the volume will get: the field's, or the current one when it is blank.
    QString chosenName() const;
    void checkName();

    QString m_volumeName;
    QStringList m_offered;
    QComboBox *m_formatBox = nullptr;
    QLineEdit *m_nameField = nullptr;
};
