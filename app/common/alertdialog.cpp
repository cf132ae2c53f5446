#include "common/alertdialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int textWidth = 300;

} // namespace

AlertDialog::AlertDialog(Style style, const QString &message, const QString &informativeText,
                         const QString &firstButtonTitle, bool destructive, QWidget *parent)
    : QDialog(parent), m_style(style)
{
    build(message, informativeText, firstButtonTitle, destructive, true);
}

AlertDialog::AlertDialog(Style style, const QString &message, const QString &informativeText,
                         const QString &buttonTitle, QWidget *parent)
    : QDialog(parent), m_style(style)
{
    build(message, informativeText, buttonTitle, false, false);
}

void AlertDialog::build(const QString &message, const QString &informativeText,
                        const QString &firstButtonTitle, bool destructive, bool cancellable)
{
    setWindowTitle(QGuiApplication::applicationDisplayName());
    setModal(true);

    auto *iconLabel = new QLabel(this);
    const int iconSize = this->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    QIcon icon;
    switch (m_style) {
    case Style::informational:
        icon = QGuiApplication::windowIcon();
        if (icon.isNull())
            icon = this->style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this);
        break;
    case Style::warning:
        icon = this->style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this);
        break;
    case Style::critical:
        icon = this->style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this);
        break;
    }
    iconLabel->setPixmap(icon.pixmap(iconSize));
    iconLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    m_messageLabel = new QLabel(message, this);
    m_messageLabel->setTextFormat(Qt::PlainText);
    m_messageLabel->setWordWrap(true);
    QFont bold = m_messageLabel->font();
    bold.setBold(true);
    m_messageLabel->setFont(bold);

    m_informativeLabel = new QLabel(informativeText, this);
    m_informativeLabel->setTextFormat(Qt::PlainText);
    m_informativeLabel->setWordWrap(true);
    m_informativeLabel->setVisible(!informativeText.isEmpty());

    // Wrapped labels in a fixed-size dialog otherwise settle on a narrow column.
    m_messageLabel->setMinimumWidth(textWidth);
    m_informativeLabel->setMinimumWidth(textWidth);

    m_problemLabel = new QLabel(this);
    m_problemLabel->setTextFormat(Qt::PlainText);
    m_problemLabel->setWordWrap(true);
    m_problemLabel->setMinimumWidth(textWidth);
    m_problemLabel->setMaximumWidth(textWidth);
    QPalette problemPalette = m_problemLabel->palette();
    problemPalette.setColor(QPalette::WindowText, QColor(0xc0, 0x1c, 0x28));
    m_problemLabel->setPalette(problemPalette);
    m_problemLabel->hide();

    m_textColumn = new QVBoxLayout;
    m_textColumn->addWidget(m_messageLabel);
    m_textColumn->addWidget(m_informativeLabel);
    m_textColumn->addWidget(m_problemLabel);
    m_textColumn->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addWidget(iconLabel, 0, Qt::AlignTop);
    top->addLayout(m_textColumn, 1);

    auto *buttons = new QDialogButtonBox(this);
    m_firstButton = buttons->addButton(firstButtonTitle, QDialogButtonBox::AcceptRole);
    m_firstButton->setDefault(true);
    m_firstButton->setProperty("destructive", destructive);
    if (destructive) {
        QPalette palette = m_firstButton->palette();
        palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(0xc0, 0x1c, 0x28));
        palette.setColor(QPalette::Inactive, QPalette::ButtonText, QColor(0xc0, 0x1c, 0x28));
        m_firstButton->setPalette(palette);
    }
    connect(m_firstButton, &QPushButton::clicked, this, &QDialog::accept);
    if (cancellable) {
        m_cancelButton = buttons->addButton(cancelTitle(), QDialogButtonBox::RejectRole);
        connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString AlertDialog::message() const
{
    return m_messageLabel->text();
}

QString AlertDialog::informativeText() const
{
    return m_informativeLabel->text();
}

void AlertDialog::setAccessory(QWidget *accessory)
{
    delete m_accessory;
    m_accessory = accessory;
    if (accessory)
        m_textColumn->insertWidget(2, accessory);
}

void AlertDialog::setProblem(const QString &text)
{
    m_problemLabel->setText(text);
    m_problemLabel->setVisible(!text.isEmpty());
    m_firstButton->setEnabled(text.isEmpty());
}

QString AlertDialog::problem() const
{
    return m_problemLabel->text();
}

bool AlertDialog::run()
{
    return exec() == QDialog::Accepted;
}

QString AlertDialog::cancelTitle()
{
    //: Button
    return QCoreApplication::translate("AlertDialog", "Cancel");
}

void AlertDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A tray application is usually not the active one when it asks.
    raise();
    activateWindow();
}
