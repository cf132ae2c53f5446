#include "trayicon.h"

#include "quillmeremark.h"
#include "volumeactionsmenu.h"
#include "volumeiconprovider.h"

#include "common/desktopplaces.h"
#include "discovery/volumestore.h"
#include "format/volumemenumodel.h"
#include "format/volumerowformatter.h"
#include "model/volumesorter.h"
#include "policy/mediapolicy.h"
#include "stores/appchannel.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMetaMethod>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QSystemTrayIcon>

namespace {

constexpr char secondaryProperty[] = "quillmereSecondary";

// Menus cannot colour one entry's title; this draws the titles of entries marked secondary in
// the disabled text colour while they stay usable (their submenus still open).
class SecondaryTitleStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *menu = qobject_cast<const QMenu *>(widget);
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (element == CE_MenuItem && menu && item) {
            const QAction *action = menu->actionAt(option->rect.center());
            if (action && action->property(secondaryProperty).toBool()) {
                QStyleOptionMenuItem greyed(*item);
                const QColor colour = greyed.palette.color(QPalette::Disabled, QPalette::Text);
                greyed.palette.setColor(QPalette::Text, colour);
                greyed.palette.setColor(QPalette::ButtonText, colour);
                greyed.palette.setColor(QPalette::WindowText, colour);
                QProxyStyle::drawControl(element, &greyed, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

TrayIcon::TrayIcon(VolumeStore *store, VolumeIconProvider *icons,
                                           VolumeActionsMenu *actions, QObject *parent)
    : QObject(parent), m_store(store), m_icons(icons), m_actions(actions),
      m_trayIcon(new QSystemTrayIcon(this)), m_menu(std::make_unique<QMenu>()),
      m_menuStyle(std::make_unique<SecondaryTitleStyle>())
{
    m_menu->setStyle(m_menuStyle.get());

    const bool staging = AppChannel::current().isStaging();
    m_trayIcon->setIcon(statusIcon(staging));
    //: Status item tooltip
    const QString stagingToolTip = tr("Quillmere (Staging)");
    //: Status item accessibility description
    const QString toolTip = tr("Quillmere");
    m_trayIcon->setToolTip(staging ? stagingToolTip : toolTip);
    m_trayIcon->setContextMenu(m_menu.get());
    connect(m_trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason != QSystemTrayIcon::Trigger)
                    return;
                if (isSignalConnected(QMetaMethod::fromSignal(&TrayIcon::activated)))
                    emit activated();
                else
                    m_menu->popup(QCursor::pos());
            });
    rebuild();
    m_trayIcon->show();
}

TrayIcon::~TrayIcon()
{
    m_trayIcon->hide();
    m_trayIcon->setContextMenu(nullptr);
    clearMenu();
}

QIcon TrayIcon::statusIcon(bool staging)
{
    // The system red of the other platform; otherwise the panel text colour stands in for
    // the template image that the system would tint.
    const QColor colour =
        staging ? QColor(255, 59, 48) : QApplication::palette().color(QPalette::WindowText);
    QIcon icon;
    for (int side : {16, 22, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(QuillmereMark::image(side, colour)));
    icon.setIsMask(!staging);
    return icon;
}

QIcon TrayIcon::composeRowIcon(const QPixmap &icon, bool mounted, bool active)
{
    if (mounted && !active)
        return QIcon(icon);
    const qreal ratio = icon.devicePixelRatio();
    QPixmap canvas(QSize(rowIconSize, rowIconSize) * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(mounted ? 1.0 : 0.4);
    painter.drawPixmap(QRectF(0, 0, rowIconSize, rowIconSize), icon, QRectF(icon.rect()));
    if (active) {
        painter.setOpacity(1.0);
        // Bottom right: the lower left corner of the 6 × 6 dot at (12, 0) counted from below.
        const QRectF dot(12, rowIconSize - 6, 6, 6);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(52, 199, 89));
        painter.drawEllipse(dot);
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(dot.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter.end();
    return QIcon(canvas);
}

bool TrayIcon::isActive(const Volume &volume) const
{
    return activityProvider && activityProvider(volume);
}

QIcon TrayIcon::rowIcon(const Volume &volume, bool active) const
{
    return composeRowIcon(m_icons->pixmap(volume, rowIconSize), volume.isMounted, active);
}

void TrayIcon::clearMenu()
{
    m_volumeItems.clear();
    m_rowActivity.clear();
    m_handlerVolumes.clear();
    m_menu->clear();
    // A submenu may be open while the list changes; it goes once control returns to the loop.
    for (const QPointer<QMenu> &submenu : std::as_const(m_submenus)) {
        if (submenu)
            submenu->deleteLater();
    }
    m_submenus.clear();
}

QMenu *TrayIcon::newSubmenu()
{
    auto *submenu = new QMenu();
    m_submenus.append(submenu);
    return submenu;
}

void TrayIcon::rebuild()
{
    clearMenu();

    //: Menu item
    m_menu->addAction(tr("Open Quillmere"), this, &TrayIcon::openMainWindow);
    m_menu->addSeparator();

    const VolumeList volumes =
        m_store ? VolumeSorter::sorted(m_store->visibleVolumes(), sortMode) : VolumeList();
    for (const Volume &volume : volumes)
        addVolumeRow(volume);
    if (volumes.isEmpty())
        //: Empty menu placeholder
        m_menu->addAction(tr("No volumes"))->setEnabled(false);

    m_menu->addSeparator();
    //: Menu item
    m_menu->addAction(tr("Eject All"), this, &TrayIcon::ejectAllTapped);
    m_menu->addSeparator();
    //: Menu item
    m_menu->addAction(tr("Open Removable Media in File Manager"), this,
                      &TrayIcon::openVolumesFolder);
    m_menu->addSeparator();
    //: Menu item
    m_menu->addAction(tr("History…"), this, &TrayIcon::openHistory);
    // Only where there is a Preferences pane to open.
    if (offersPreferences) {
        //: Menu item
        m_menu->addAction(tr("Preferences…"), this, &TrayIcon::openPreferences)
            ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    }
    //: Menu item
    QAction *diskUtility =
        m_menu->addAction(tr("Open Disks"), this, &TrayIcon::openDisks);
    // Disks may not be installed; the entry stays in its place but cannot be chosen.
    diskUtility->setEnabled(!DesktopPlaces::disksProgram().isEmpty());
    //: Menu item
    m_menu->addAction(tr("Quit Quillmere"), this, &TrayIcon::quit)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void TrayIcon::addVolumeRow(const Volume &volume)
{
    // A single ampersand in a volume's name would be taken for a mnemonic mark.
    QString title = VolumeRowFormatter::menuLabel(volume);
    title.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const bool active = isActive(volume);
    QAction *row = m_menu->addAction(rowIcon(volume, active), title);
    if (volume.isMounted) {
        row->setMenu(mountedSubmenu(volume));
    } else {
        row->setProperty(secondaryProperty, true);
        if (volumeHandlers) {
            QMenu *submenu = newSubmenu();
            const bool busy = busyProvider && busyProvider(volume);
            //: In-flight menu item
            const QString mounting = tr("Mounting…");
            //: Menu item
            const QString remountText = tr("Remount");
            QAction *remount = submenu->addAction(VolumeIconProvider::remountIcon(),
                                                  busy ? mounting : remountText);
            remount->setData(volume.id);
            if (busy)
                remount->setEnabled(false);
            else
                connect(remount, &QAction::triggered, this,
                        [this, remount] { remountVolume(remount); });
            m_handlerVolumes.insert(volume.id, volume);
            row->setMenu(submenu);
        } else {
            // Nothing can be done with it here, so it reads as unavailable.
            row->setEnabled(false);
        }
    }
    m_volumeItems.append({volume, row});
    m_rowActivity.append(active);
}

QMenu *TrayIcon::mountedSubmenu(const Volume &volume)
{
    QMenu *submenu = newSubmenu();
    m_actions->fillMenu(submenu, volume);

    const bool handled = volume.isRemovable || MediaPolicy::policy(volume).ejectSemantics ==
                                                   MediaPolicy::EjectSemantics::unmountByPath;
    if (!handled || !volumeHandlers)
        return submenu;

    QString genericTitle = VolumeMenuModel::Item::eject().title().value_or(QString());
    genericTitle.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QList<QAction *> entries = submenu->actions();
    for (QAction *entry : entries) {
        if (!entry->isSeparator() && entry->text() == genericTitle) {
            submenu->removeAction(entry);
            entry->deleteLater();
            break;
        }
    }
    while (!submenu->actions().isEmpty() && submenu->actions().constLast()->isSeparator()) {
        QAction *last = submenu->actions().constLast();
        submenu->removeAction(last);
        last->deleteLater();
    }

    const bool busy = busyProvider && busyProvider(volume);
    // Where the icon theme has no eject symbol, the program's mark is one.
    static const QIcon ejectIcon = QIcon::fromTheme(
        QStringLiteral("media-eject"), QIcon(QPixmap::fromImage(QuillmereMark::image(
                                           32, QApplication::palette().color(QPalette::Text)))));
    //: In-flight menu item
    const QString ejecting = tr("Ejecting…");
    //: Menu item
    const QString ejectText = tr("Eject");
    auto *eject = new QAction(ejectIcon, busy ? ejecting : ejectText, submenu);
    eject->setData(volume.id);
    if (busy)
        eject->setEnabled(false);
    else
        connect(eject, &QAction::triggered, this, [this, eject] { ejectVolume(eject); });
    QAction *first = submenu->actions().value(0, nullptr);
    submenu->insertAction(first, eject);
    submenu->insertSeparator(first);
    m_handlerVolumes.insert(volume.id, volume);
    return submenu;
}

void TrayIcon::refreshActivity()
{
    if (!activityProvider || m_volumeItems.isEmpty())
        return;
    // Called every second: a row whose activity did not change keeps the icon it has.
    for (qsizetype i = 0; i < m_volumeItems.size(); ++i) {
        const auto &[volume, row] = m_volumeItems.at(i);
        const bool active = isActive(volume);
        if (active != m_rowActivity.at(i)) {
            m_rowActivity[i] = active;
            row->setIcon(rowIcon(volume, active));
        }
    }
}

void TrayIcon::ejectVolume(const QAction *item)
{
    if (!item || item->data().typeId() != QMetaType::QString || !volumeHandlers)
        return;
    const auto found = m_handlerVolumes.constFind(item->data().toString());
    if (found != m_handlerVolumes.cend() && volumeHandlers->eject)
        volumeHandlers->eject(*found);
}

void TrayIcon::remountVolume(const QAction *item)
{
    if (!item || item->data().typeId() != QMetaType::QString || !volumeHandlers)
        return;
    const auto found = m_handlerVolumes.constFind(item->data().toString());
    if (found != m_handlerVolumes.cend() && volumeHandlers->remount)
        volumeHandlers->remount(*found);
}

void TrayIcon::ejectAllTapped()
{
    emit ejectAllRequested();
}

void TrayIcon::openMainWindow()
{
    emit mainWindowRequested();
}

void TrayIcon::openVolumesFolder()
{
    DesktopPlaces::openFolder(DesktopPlaces::volumesFolder());
}

void TrayIcon::openHistory()
{
    emit historyRequested();
}

void TrayIcon::openPreferences()
{
    emit preferencesRequested();
}

void TrayIcon::openDisks()
{
    DesktopPlaces::launchDisks();
}

void TrayIcon::quit()
{
    QCoreApplication::quit();
}
