#include "shortcut/menutrackingfilter.h"

#include "shortcut/keyeventshortcut.h"
#include "shortcuts/shortcutregistry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

MenuTrackingFilter::MenuTrackingFilter(GlobalShortcuts::Registry &registry, QObject *parent)
    : QObject(parent), m_registry(&registry)
{
    qApp->installEventFilter(this);
    updateMenuOpen();
}

MenuTrackingFilter::~MenuTrackingFilter()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void MenuTrackingFilter::updateMenuOpen()
{
    if (m_registry)
        m_registry->setMenuOpen(QApplication::activePopupWidget() != nullptr);
}

bool MenuTrackingFilter::usesModifier(qint64 carbonModifier) const
{
    for (const auto &[shortcut, registered] : m_registry->hotKeys()) {
        if (shortcut.carbonModifiers & carbonModifier)
            return true;
    }
    return false;
}

bool MenuTrackingFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide: {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->windowType() == Qt::Popup) {
            updateMenuOpen();
            // The application's popup list may change after the event; look again.
            QTimer::singleShot(0, this, &MenuTrackingFilter::updateMenuOpen);
        }
        break;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (!m_registry || !m_registry->listensToRawKeys() || !QApplication::activePopupWidget())
            break;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->isAutoRepeat())
            break;
        // A Qt menu closes when Alt is pressed; then a combination with Alt could never be
        // completed while it is open.
        if (key->key() == Qt::Key_Alt && event->type() == QEvent::KeyPress &&
            usesModifier(GlobalShortcuts::CarbonModifier::optionKey))
            return true;
        const auto shortcut = KeyEventShortcut::from(*key, m_registry->service());
        if (shortcut && m_registry->handleRawKeyEvent(*shortcut, event->type() == QEvent::KeyPress))
            return true;
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
