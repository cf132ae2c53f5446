#pragma once

#include <QObject>
#include <QPointer>

namespace GlobalShortcuts {
class Registry;
}

// The menu-open path of the global shortcut. A Qt popup (a menu, the popover) holds the
// keyboard while it is open, so hot keys do not arrive then: this application event filter
// tells the names layer when a popup opens and closes, and hands it the key events the popup
// receives meanwhile. A matched combination is consumed.
class MenuTrackingFilter : public QObject {
    Q_OBJECT
public:
    explicit MenuTrackingFilter(GlobalShortcuts::Registry &registry, QObject *parent = nullptr);
    ~MenuTrackingFilter() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateMenuOpen();
    // Whether one of the hot keys needs this modifier (a Carbon modifier bit).
    bool usesModifier(qint64 carbonModifier) const;

    QPointer<GlobalShortcuts::Registry> m_registry;
};
