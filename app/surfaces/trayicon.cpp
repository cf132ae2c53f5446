#include "trayicon.h"

#include "quillmeremark.h"
#include "traymarkiconengine.h"
#include "volumeactionsmenu.h"
#include "volumeiconprovider.h"

#include "common/desktopplaces.h"
#include "discovery/volumestore.h"
#include "format/volumemenumodel.h"
#include "format/volumerowformatter.h"
#include "model/volumesorter.h"
#include "policy/mediapolicy.h"
#include "services/trayhostwatcher.h"
#include "stores/appchannel.h"

#include <QApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QMenu>
#include <QMetaMethod>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QSystemTrayIcon>
#include <QTimer>

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

TrayIcon::TrayIcon(VolumeStore *store, VolumeIconProvider *icons, VolumeActionsMenu *actions,
                   QObject *parent)
    : QObject(parent), m_store(store), m_icons(icons), m_actions(actions),
      m_hostWatcher(new TrayHostWatcher(QDBusConnection::sessionBus(), this)),
      m_menu(std::make_unique<QMenu>()), m_menuStyle(std::make_unique<SecondaryTitleStyle>())
{
    m_menu->setStyle(m_menuStyle.get());
    buildFixedRows();
    connect(m_menu.get(), &QMenu::aboutToHide, this, &TrayIcon::refreshWhenClosed);
    refresh();

    // Made only once a tray is there: Qt picks StatusNotifierItem or XEmbed when the icon is
    // made and never again.
    connect(m_hostWatcher, &TrayHostWatcher::hostAppeared, this, &TrayIcon::showInTray);
    m_hostWatcher->start();
}

TrayIcon::~TrayIcon()
{
    if (m_trayIcon) {
        m_trayIcon->hide();
        m_trayIcon->setContextMenu(nullptr);
    }
    for (const Row &row : std::as_const(m_rows))
        delete row.submenu;
}

void TrayIcon::showInTray()
{
    if (m_trayIcon) {
        // A panel that restarted knows nothing of the icon; showing it again registers it
        // with the new one.
        m_trayIcon->hide();
        m_trayIcon->show();
        return;
    }
    m_trayIcon = new QSystemTrayIcon(this);
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
    m_trayIcon->show();
}

QIcon TrayIcon::statusIcon(bool staging)
{
    // Dark inside light shows on any panel; a host that knows the name draws the installed
    // symbolic icon in its own colours instead. Staging builds stay red (the system red of the
    // other platform), so they carry no name that a host would tint.
    if (staging)
        return QIcon(new TrayMarkIconEngine(QColor(255, 59, 48), Qt::white, false));
    return QIcon(new TrayMarkIconEngine(QColor(0x2e, 0x34, 0x36), QColor(0xee, 0xee, 0xec), true));
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

void TrayIcon::buildFixedRows()
{
    //: Menu item
    m_menu->addAction(tr("Open Quillmere"), this, &TrayIcon::openMainWindow);
    m_menu->addSeparator();
    // The volume rows go above this one, which shows only while there are none.
    //: Empty menu placeholder
    m_noVolumes = m_menu->addAction(tr("No volumes"));
    m_noVolumes->setEnabled(false);
    m_volumeRows = std::make_unique<KeyedMenuRows>(m_menu.get(), m_noVolumes);

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
    //: Menu item
    m_preferences = m_menu->addAction(tr("Preferences…"), this, &TrayIcon::openPreferences);
    m_preferences->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    //: Menu item
    m_disks = m_menu->addAction(tr("Open Disks"), this, &TrayIcon::openDisks);
    //: Menu item
    m_menu->addAction(tr("Quit Quillmere"), this, &TrayIcon::quit)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

QList<QPair<Volume, QAction *>> TrayIcon::volumeItems() const
{
    QList<QPair<Volume, QAction *>> items;
    const QStringList keys = m_volumeRows->keys();
    for (const QString &key : keys) {
        const Row row = m_rows.value(key);
        if (!row.volume.id.isEmpty())
            items.append({row.volume, m_volumeRows->row(key)});
    }
    return items;
}

void TrayIcon::refresh()
{
    m_refreshQueued = false;
    const VolumeList volumes =
        m_store ? VolumeSorter::sorted(m_store->visibleVolumes(), sortMode) : VolumeList();
    QHash<QString, Volume> byId;
    QStringList ids;
    for (const Volume &volume : volumes) {
        byId.insert(volume.id, volume);
        ids.append(volume.id);
    }

    KeyedMenuRows::Handlers handlers;
    handlers.create = [this](const QString &id) -> QAction * {
        m_rows.insert(id, Row{});
        return new QAction(m_menu.get());
    };
    handlers.update = [this, &byId](const QString &id, QAction *row) {
        updateRow(byId.value(id), row);
    };
    handlers.dropped = [this](const QString &id, QAction *) {
        // A submenu may be open while its volume leaves; it goes once control returns to the
        // event loop.
        if (QMenu *submenu = m_rows.take(id).submenu)
            submenu->deleteLater();
    };
    m_volumeRows->update(ids, handlers);

    // Rows held still for an open menu are not listed any more.
    for (auto it = m_rows.begin(); it != m_rows.end(); ++it) {
        if (!byId.contains(it.key()))
            it->volume.id.clear();
    }

    m_noVolumes->setVisible(volumes.isEmpty());
    // Only where there is a Preferences pane to open.
    m_preferences->setVisible(offersPreferences);
    // Disks may not be installed; the entry stays in its place but cannot be chosen.
    m_disks->setEnabled(!DesktopPlaces::disksProgram().isEmpty());
}

void TrayIcon::refreshWhenClosed()
{
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    // After the menu has hidden (isVisible() is still true while it hides), and after the
    // chosen action has run.
    QTimer::singleShot(0, this, [this] {
        if (m_refreshQueued)
            refresh();
    });
}

QList<VolumeActionsMenu::Entry> TrayIcon::submenuEntries(const Volume &volume)
{
    using Entry = VolumeActionsMenu::Entry;
    const bool busy = busyProvider && busyProvider(volume);
    if (!volume.isMounted) {
        // Nothing else can be done with it here; without handlers, not even that.
        if (!volumeHandlers)
            return {};
        Entry remount;
        remount.key = QStringLiteral("trayRemount");
        //: In-flight menu item
        const QString mounting = tr("Mounting…");
        //: Menu item
        const QString remountText = tr("Remount");
        remount.text = busy ? mounting : remountText;
        remount.icon = VolumeIconProvider::remountIcon();
        remount.enabled = !busy;
        remount.run = [guard = QPointer<TrayIcon>(this)](const Volume &chosen) {
            if (guard && guard->volumeHandlers && guard->volumeHandlers->remount)
                guard->volumeHandlers->remount(chosen);
        };
        return {remount};
    }

    QList<Entry> entries = m_actions->entries(volume);
    const bool handled = volume.isRemovable || MediaPolicy::policy(volume).ejectSemantics ==
                                                   MediaPolicy::EjectSemantics::unmountByPath;
    if (!handled || !volumeHandlers)
        return entries;

    // The tray's own Eject leads, through the surface's handler, in place of the generic one.
    entries.removeIf([](const Entry &entry) { return entry.key == QLatin1String("eject"); });
    while (!entries.isEmpty() && entries.constLast().kind == Entry::Kind::separator)
        entries.removeLast();
    // Where the icon theme has no eject symbol, the program's mark is one.
    static const QIcon ejectIcon = QIcon::fromTheme(
        QStringLiteral("media-eject"), QIcon(QPixmap::fromImage(QuillmereMark::image(
                                           32, QApplication::palette().color(QPalette::Text)))));
    Entry eject;
    eject.key = QStringLiteral("trayEject");
    //: In-flight menu item
    const QString ejecting = tr("Ejecting…");
    //: Menu item
    const QString ejectText = tr("Eject");
    eject.text = busy ? ejecting : ejectText;
    eject.icon = ejectIcon;
    eject.enabled = !busy;
    eject.run = [guard = QPointer<TrayIcon>(this)](const Volume &chosen) {
        if (guard && guard->volumeHandlers && guard->volumeHandlers->eject)
            guard->volumeHandlers->eject(chosen);
    };
    if (!entries.isEmpty())
        entries.prepend(Entry::separatorNamed(QStringLiteral("separator:trayEject")));
    entries.prepend(eject);
    return entries;
}

void TrayIcon::updateRow(const Volume &volume, QAction *row)
{
    Row &state = m_rows[volume.id];
    state.volume = volume;
    state.active = isActive(volume);

    // A single ampersand in a volume's name would be taken for a mnemonic mark.
    QString title = VolumeRowFormatter::menuLabel(volume);
    title.replace(QLatin1Char('&'), QStringLiteral("&&"));
    row->setText(title);
    row->setIcon(rowIcon(volume, state.active));
    row->setProperty(secondaryProperty, !volume.isMounted);

    const QList<VolumeActionsMenu::Entry> entries = submenuEntries(volume);
    if (!state.submenu) {
        state.submenu = new QMenu();
        state.submenu->setStyle(m_menuStyle.get());
        connect(state.submenu, &QMenu::aboutToHide, this, &TrayIcon::refreshWhenClosed);
    }
    VolumeActionsMenu::showEntries(state.submenu, volume, entries);
    // Nothing to choose reads as unavailable.
    QMenu *wanted = entries.isEmpty() ? nullptr : state.submenu;
    if (row->menu() != wanted)
        row->setMenu(wanted);
    row->setEnabled(!entries.isEmpty());
}

void TrayIcon::refreshActivity()
{
    if (!activityProvider)
        return;
    // Called every second: a row whose activity did not change keeps the icon it has.
    for (auto it = m_rows.begin(); it != m_rows.end(); ++it) {
        if (it->volume.id.isEmpty())
            continue;
        const bool active = isActive(it->volume);
        if (active == it->active)
            continue;
        it->active = active;
        if (QAction *row = m_volumeRows->row(it.key()))
            row->setIcon(rowIcon(it->volume, active));
    }
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
