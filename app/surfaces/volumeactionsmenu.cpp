#include "surfaces/volumeactionsmenu.h"

#include "common/failurealert.h"
#include "format/volumemenumodel.h"
#include "operations/operationtitles.h"
#include "operations/toollauncher.h"
#include "surfaces/capacitygaugeview.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QUrl>
#include <QWidgetAction>
#include <algorithm>

namespace {

const char *const volumeProperty = "quillmereVolume";

} // namespace

VolumeActionsMenu::VolumeActionsMenu(QObject *parent) : QObject(parent) {}

QMenu *VolumeActionsMenu::makeMenu(const Volume &volume, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    fillMenu(menu, volume);
    return menu;
}

void VolumeActionsMenu::fillMenu(QMenu *menu, const Volume &volume)
{
    addCapacityRow(menu, volume);

    const bool isExcluded = exclusionProvider ? exclusionProvider(volume) : false;
    const VolumeMenuModel model = VolumeMenuModel::make(volume, isExcluded);
    for (const VolumeMenuModel::Item &item : model.items) {
        const QString title = item.title().value_or(QString());
        switch (item.kind()) {
        case VolumeMenuModel::Item::Kind::separator:
            menu->addSeparator();
            break;
        case VolumeMenuModel::Item::Kind::openInFileManager:
            addItem(menu, title, volume, &VolumeActionsMenu::open);
            break;
        case VolumeMenuModel::Item::Kind::copyPath:
            addItem(menu, title, volume, &VolumeActionsMenu::copyPath);
            break;
        case VolumeMenuModel::Item::Kind::eject:
            addItem(menu, title, volume, &VolumeActionsMenu::eject);
            break;
        case VolumeMenuModel::Item::Kind::remount:
            addItem(menu, title, volume, &VolumeActionsMenu::remount);
            break;
        case VolumeMenuModel::Item::Kind::rename:
            addItem(menu, title, volume, &VolumeActionsMenu::rename);
            break;
        case VolumeMenuModel::Item::Kind::erase:
            addItem(menu, title, volume, &VolumeActionsMenu::erase);
            break;
        case VolumeMenuModel::Item::Kind::toggleExclusion:
            if (exclusionProvider) {
                QAction *toggle = addItem(menu, title, volume, &VolumeActionsMenu::toggleExclusion);
                toggle->setCheckable(true);
                toggle->setChecked(item.excluded());
            }
            break;
        }
    }
}

std::optional<Volume> VolumeActionsMenu::volumeOf(const QAction *item)
{
    if (!item)
        return std::nullopt;
    const QVariant value = item->property(volumeProperty);
    if (!value.canConvert<Volume>())
        return std::nullopt;
    return value.value<Volume>();
}

QAction *VolumeActionsMenu::addItem(QMenu *menu, const QString &title, const Volume &volume,
                                    ItemAction action)
{
    // A lone "&" would mark a mnemonic ("Auto-Eject & Eject All" would lose it).
    QAction *item = menu->addAction(QString(title).replace(QLatin1Char('&'), QStringLiteral("&&")));
    item->setProperty(volumeProperty, QVariant::fromValue(volume));
    connect(item, &QAction::triggered, this, [this, item, action] {
        if (const std::optional<Volume> chosen = volumeOf(item))
            (this->*action)(*chosen);
    });
    return item;
}

void VolumeActionsMenu::addCapacityRow(QMenu *menu, const Volume &volume)
{
    if (!volume.isMounted || !volume.capacityBytes || *volume.capacityBytes <= 0 ||
        !volume.freeBytes)
        return;
    const qint64 capacity = *volume.capacityBytes;
    const qint64 used = std::max<qint64>(capacity - *volume.freeBytes, 0);

    auto *row = new QWidget;
    row->setFixedSize(capacityRowSize);
    auto *gauge = new CapacityGaugeView(used, capacity, capacityGaugeWidth, row);
    gauge->move(capacityGaugeOrigin);

    auto *action = new QWidgetAction(menu);
    action->setDefaultWidget(row);
    action->setEnabled(false);
    menu->addAction(action);
    menu->addSeparator();
}

void VolumeActionsMenu::open(const Volume &volume)
{
    if (volume.mountPath.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(volume.mountPath));
}

void VolumeActionsMenu::copyPath(const Volume &volume)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(volume.mountPath);
}

void VolumeActionsMenu::eject(const Volume &volume)
{
    if (handlers && handlers->eject)
        handlers->eject(volume);
    else if (!handlers)
        fallbackEject(volume);
}

void VolumeActionsMenu::remount(const Volume &volume)
{
    if (handlers && handlers->remount)
        handlers->remount(volume);
}

void VolumeActionsMenu::rename(const Volume &volume)
{
    if (handlers && handlers->rename)
        handlers->rename(volume);
}

void VolumeActionsMenu::erase(const Volume &volume)
{
    if (handlers && handlers->erase)
        handlers->erase(volume);
}

void VolumeActionsMenu::toggleExclusion(const Volume &volume)
{
    if (onToggleExclusion)
        onToggleExclusion(volume);
}

QCoro::Task<> VolumeActionsMenu::fallbackEject(Volume volume)
{
    // What the desktop itself would do: udisks2 for a device, umount for anything else.
    constexpr double timeoutSeconds = 60;
    OperationResult result;
    if (!volume.deviceName.isEmpty()) {
        QStringList unmount{QStringLiteral("unmount"), QStringLiteral("--block-device"),
                            QStringLiteral("/dev/") + volume.deviceName};
        const CommandResult unmounted = co_await ToolLauncher::run(
            QStringLiteral("/usr/bin/udisksctl"), unmount, timeoutSeconds);
        result = ToolLauncher::result(unmounted, QStringLiteral("udisksctl"));
        if (result.ok && volume.isEjectable && volume.wholeDiskName) {
            QStringList powerOff{QStringLiteral("power-off"), QStringLiteral("--block-device"),
                                 QStringLiteral("/dev/") + *volume.wholeDiskName};
            const CommandResult poweredOff = co_await ToolLauncher::run(
                QStringLiteral("/usr/bin/udisksctl"), powerOff, timeoutSeconds);
            result = ToolLauncher::result(poweredOff, QStringLiteral("udisksctl"));
        }
    } else {
        QStringList unmount{volume.mountPath};
        const CommandResult unmounted =
            co_await ToolLauncher::run(QStringLiteral("/usr/bin/umount"), unmount, timeoutSeconds);
        result = ToolLauncher::result(unmounted, QStringLiteral("umount"));
    }
    if (result.ok)
        co_return;
    FailureAlert::present(operationFailureTitle(VolumeOperation::eject, volume.name),
        result.detail.value_or(QString()));
}
