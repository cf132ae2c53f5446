#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

// The shared shape of every confirmation: icon, message, informative text, an optional
// accessory widget, a confirming first button and "Cancel". Confirmed means the first button
// was pressed (the dialog is then accepted).
class AlertDialog : public QDialog {
    Q_OBJECT
public:
    // Informational shows the application's icon.
    enum class Style { informational, warning, critical };

    AlertDialog(Style style, const QString &message, const QString &informativeText,
                const QString &firstButtonTitle, bool destructive, QWidget *parent = nullptr);
    // Single-button form: no "Cancel".
    AlertDialog(Style style, const QString &message, const QString &informativeText,
                const QString &buttonTitle, QWidget *parent);

    QPushButton *firstButton() const { return m_firstButton; }
    // Null in the single-button form.
    QPushButton *cancelButton() const { return m_cancelButton; }
    QString message() const;
    QString informativeText() const;
    Style alertStyle() const { return m_style; }

    // Placed between the texts and the buttons; the dialog takes ownership.
    void setAccessory(QWidget *accessory);
    QWidget *accessory() const { return m_accessory; }

    // A note under the accessory saying why the first button cannot be used; while it is
    // shown the button is disabled. An empty text hides it.
    void setProblem(const QString &text);
    QString problem() const;

    // Brings the application to the front and blocks until answered.
    bool run();

    static QString cancelTitle();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void build(const QString &message, const QString &informativeText,
               const QString &firstButtonTitle, bool destructive, bool cancellable);

    Style m_style;
    QLabel *m_messageLabel = nullptr;
    QLabel *m_informativeLabel = nullptr;
    QLabel *m_problemLabel = nullptr;
    QVBoxLayout *m_textColumn = nullptr;
    QWidget *m_accessory = nullptr;
    QPushButton *m_firstButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
