#include "surfaces/volumeactionsmenu.h"

#include "common/failurealert.h"
#include "format/capacityformatter.h"
#include "format/volumemenumodel.h"
#include "operations/operationtitles.h"
#include "operations/toollauncher.h"
#include "surfaces/capacitygaugeview.h"
#include "surfaces/keyedmenurows.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHash>
#include <QMenu>
#include <QPointer>
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
    showEntries(menu, volume, entries(volume));
}

VolumeActionsMenu::Entry VolumeActionsMenu::item(const QString &key, const QString &title,
                                                 ItemAction action)
{
    Entry entry;
    entry.key = key;
    entry.text = title;
    entry.run = [guard = QPointer<VolumeActionsMenu>(this), action](const Volume &volume) {
        if (guard)
            (guard.data()->*action)(volume);
    };
    return entry;
}

QList<VolumeActionsMenu::Entry> VolumeActionsMenu::entries(const Volume &volume)
{
    QList<Entry> list;
    if (volume.isMounted && volume.capacityBytes && *volume.capacityBytes > 0 && volume.freeBytes) {
        Entry gauge;
        gauge.kind = Entry::Kind::gauge;
        gauge.key = QStringLiteral("capacity");
        gauge.capacityBytes = *volume.capacityBytes;
        gauge.usedBytes = std::max<qint64>(gauge.capacityBytes - *volume.freeBytes, 0);
        // A tray host shows the menu over dbusmenu, where no widget travels: there the row is
        // this text.
        gauge.text = CapacityFormatter::describe(volume.freeBytes, volume.capacityBytes);
        gauge.enabled = false;
        list.append(gauge);
        list.append(Entry::separatorNamed(QStringLiteral("separator:capacity")));
    }

    const bool isExcluded = exclusionProvider ? exclusionProvider(volume) : false;
    const VolumeMenuModel model = VolumeMenuModel::make(volume, isExcluded);
    for (const VolumeMenuModel::Item &modelItem : model.items) {
        const QString title = modelItem.title().value_or(QString());
        switch (modelItem.kind()) {
        case VolumeMenuModel::Item::Kind::separator:
            list.append(Entry::separatorNamed(QStringLiteral("separator:") +
                                              (list.isEmpty() ? QString() : list.constLast().key)));
            break;
        case VolumeMenuModel::Item::Kind::openInFileManager:
            list.append(item(QStringLiteral("open"), title, &VolumeActionsMenu::open));
            break;
        case VolumeMenuModel::Item::Kind::copyPath:
            list.append(item(QStringLiteral("copyPath"), title, &VolumeActionsMenu::copyPath));
            break;
        case VolumeMenuModel::Item::Kind::eject:
            list.append(item(QStringLiteral("eject"), title, &VolumeActionsMenu::eject));
            break;
        case VolumeMenuModel::Item::Kind::remount:
            list.append(item(QStringLiteral("remount"), title, &VolumeActionsMenu::remount));
            break;
        case VolumeMenuModel::Item::Kind::rename:
            list.append(item(QStringLiteral("rename"), title, &VolumeActionsMenu::rename));
            break;
        case VolumeMenuModel::Item::Kind::erase:
            list.append(item(QStringLiteral("erase"), title, &VolumeActionsMenu::erase));
            break;
        case VolumeMenuModel::Item::Kind::toggleExclusion:
            if (exclusionProvider) {
                Entry toggle =
                    item(QStringLiteral("ignore"), title, &VolumeActionsMenu::toggleExclusion);
                toggle.checked = modelItem.excluded();
                list.append(toggle);
            }
            break;
        }
    }
    return list;
}

void VolumeActionsMenu::showEntries(QMenu *menu, const Volume &volume, const QList<Entry> &entries)
{
    QHash<QString, Entry> byKey;
    QStringList keys;
    for (const Entry &entry : entries) {
        byKey.insert(entry.key, entry);
        keys.append(entry.key);
    }

    KeyedMenuRows::Handlers handlers;
    handlers.create = [menu, &byKey](const QString &key) -> QAction * {
        const Entry &entry = byKey[key];
        if (entry.kind == Entry::Kind::gauge) {
            auto *row = new QWidget;
            row->setFixedSize(capacityRowSize);
            auto *gauge = new CapacityGaugeView(entry.usedBytes, entry.capacityBytes,
                                                capacityGaugeWidth, row);
            gauge->move(capacityGaugeOrigin);
            auto *action = new QWidgetAction(menu);
            action->setDefaultWidget(row);
            return action;
        }
        auto *action = new QAction(menu);
        if (entry.kind == Entry::Kind::separator) {
            action->setSeparator(true);
            return action;
        }
        if (entry.run) {
            QObject::connect(action, &QAction::triggered, action, [action, run = entry.run] {
                if (const std::optional<Volume> chosen = volumeOf(action))
                    run(*chosen);
            });
        }
        return action;
    };
    handlers.update = [&byKey, &volume](const QString &key, QAction *action) {
        const Entry &entry = byKey[key];
        action->setProperty(volumeProperty, QVariant::fromValue(volume));
        if (entry.kind == Entry::Kind::separator)
            return;
        // A lone "&" would mark a mnemonic ("Auto-Eject & Eject All" would lose it).
        action->setText(QString(entry.text).replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setIcon(entry.icon);
        action->setEnabled(entry.enabled);
        action->setCheckable(entry.checked.has_value());
        if (entry.checked)
            action->setChecked(*entry.checked);
        if (auto *widgetAction = qobject_cast<QWidgetAction *>(action)) {
            if (QWidget *row = widgetAction->defaultWidget()) {
                if (auto *gauge = row->findChild<CapacityGaugeView *>())
                    gauge->setUsage(entry.usedBytes, entry.capacityBytes);
            }
        }
    };
    KeyedMenuRows(menu).update(keys, handlers);
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
