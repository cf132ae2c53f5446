#include "surfaces/capacitygaugeview.h"
#include "surfaces/volumeactionsmenu.h"
#include "volumebuilder.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QWidgetAction>
#include <QtTest>
#include <memory>

namespace {

const QString gaugeRow = QStringLiteral("<gauge>");
const QString separator = QStringLiteral("---");
const QString ignoreTitle = QStringLiteral("Ignore in Auto-Eject & Eject All");

Volume removableStick()
{
    return VolumeBuilder(QStringLiteral("Stick"))
        .id(QStringLiteral("stick"))
        .mountedAt(QStringLiteral("/media/user/Stick"))
        .device(QStringLiteral("sdb1"))
        .wholeDisk(QStringLiteral("sdb"))
        .external()
        .removable()
        .ejectable()
        .size(1'000'000'000, 250'000'000)
        .build();
}

Volume internalData()
{
    return VolumeBuilder(QStringLiteral("Data"))
        .id(QStringLiteral("data"))
        .mountedAt(QStringLiteral("/mnt/data"))
        .device(QStringLiteral("nvme0n1p3"))
        .internalExtra()
        .size(2'000'000'000) // free space unknown
        .build();
}

Volume unmountedPartition()
{
    return VolumeBuilder(removableStick())
        .id(QStringLiteral("stick2"))
        .name(QStringLiteral("Second"))
        .device(QStringLiteral("sdb2"))
        .unmounted()
        .build();
}

// The title as shown, without the mnemonic escaping.
QString shownText(const QAction *action)
{
    return QString(action->text()).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// Titles in order; separators as "---", the capacity row as "<gauge>", checkable items with
// their state in front.
QStringList entries(QMenu *menu)
{
    QStringList result;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            result << separator;
        else if (qobject_cast<QWidgetAction *>(action))
            result << gaugeRow;
        else if (action->isCheckable())
            result << (action->isChecked() ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) +
                          shownText(action);
        else
            result << shownText(action);
    }
    return result;
}

QAction *findItem(QMenu *menu, const QString &title)
{
    for (QAction *action : menu->actions()) {
        if (shownText(action) == title)
            return action;
    }
    return nullptr;
}

} // namespace

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestVolumeActionsMenu : public QObject {
    Q_OBJECT

private slots:
    void removableMountedVolume();
    void internalVolumeHasNoEject();
    void unmountedPartition();
    void bootVolumeNeverRenames();
    void networkShareEjectsByPath();
    void ignoreItemNeedsProvider();
    void capacityRow();
    void itemsReachHandlers();
    void withoutHandlersOnlyEjectFallsBack();
    void weakHandlersStopWithOwner();
    void openAndCopyPath();
};

void TestVolumeActionsMenu::removableMountedVolume()
{
    VolumeActionsMenu actions;
    actions.exclusionProvider = [](const Volume &) { return true; };
    std::unique_ptr<QMenu> menu(actions.makeMenu(removableStick()));
    QCOMPARE(entries(menu.get()),
             QStringList({gaugeRow, separator, "Open in File Manager", "Copy Path", separator, "Eject",
                          "Rename…", separator, "Erase…", separator, "[x] " + ignoreTitle}));
    // Escaped, so the menu shows the ampersand instead of taking it as a mnemonic.
    QCOMPARE(menu->actions().last()->text(), QStringLiteral("Ignore in Auto-Eject && Eject All"));
}

void TestVolumeActionsMenu::internalVolumeHasNoEject()
{
    VolumeActionsMenu actions;
    actions.exclusionProvider = [](const Volume &) { return false; };
    std::unique_ptr<QMenu> menu(actions.makeMenu(internalData()));
    QCOMPARE(entries(menu.get()),
             QStringList({"Open in File Manager", "Copy Path", separator, "Rename…"}));
}

void TestVolumeActionsMenu::unmountedPartition()
{
    VolumeActionsMenu actions;
    actions.exclusionProvider = [](const Volume &) { return false; };
    std::unique_ptr<QMenu> menu(actions.makeMenu(::unmountedPartition()));
    QCOMPARE(entries(menu.get()),
             QStringList({"Remount", separator, "Erase…", separator, "[ ] " + ignoreTitle}));
}

void TestVolumeActionsMenu::bootVolumeNeverRenames()
{
    Volume boot = internalData();
    boot.kind = VolumeKind::boot;
    boot.mountPath = QStringLiteral("/");
    VolumeActionsMenu actions;
    std::unique_ptr<QMenu> menu(actions.makeMenu(boot));
    QCOMPARE(entries(menu.get()), QStringList({"Open in File Manager", "Copy Path"}));
}

void TestVolumeActionsMenu::networkShareEjectsByPath()
{
    Volume share;
    share.id = QStringLiteral("share");
    share.name = QStringLiteral("Team");
    share.mountPath = QStringLiteral("/mnt/team");
    share.kind = VolumeKind::network;
    share.isMounted = true;
    share.traits.isNetwork = true;
    VolumeActionsMenu actions;
    actions.exclusionProvider = [](const Volume &) { return false; };
    std::unique_ptr<QMenu> menu(actions.makeMenu(share));
    QCOMPARE(entries(menu.get()), QStringList({"Open in File Manager", "Copy Path", separator, "Eject"}));
}

void TestVolumeActionsMenu::ignoreItemNeedsProvider()
{
    VolumeActionsMenu actions;
    std::unique_ptr<QMenu> menu(actions.makeMenu(::unmountedPartition()));
    // The separator that would lead to the item stays.
    QCOMPARE(entries(menu.get()), QStringList({"Remount", separator, "Erase…", separator}));
}

void TestVolumeActionsMenu::capacityRow()
{
    VolumeActionsMenu actions;
    std::unique_ptr<QMenu> menu(actions.makeMenu(removableStick()));
    auto *row = qobject_cast<QWidgetAction *>(menu->actions().first());
    QVERIFY(row);
    QVERIFY(!row->isEnabled());
    QWidget *container = row->defaultWidget();
    QCOMPARE(container->size(), QSize(190, 24));
    auto *gauge = container->findChild<CapacityGaugeView *>();
    QVERIFY(gauge);
    QCOMPARE(gauge->geometry(), QRect(14, 4, 160, 16));
    QCOMPARE(gauge->level(), 75.0);

    // More free than capacity (a stale reading) shows nothing used rather than a negative.
    Volume odd = removableStick();
    odd.freeBytes = 2'000'000'000;
    std::unique_ptr<QMenu> oddMenu(actions.makeMenu(odd));
    auto *oddRow = qobject_cast<QWidgetAction *>(oddMenu->actions().first());
    QVERIFY(oddRow);
    QCOMPARE(oddRow->defaultWidget()->findChild<CapacityGaugeView *>()->level(), 0.0);

    Volume unmounted = ::unmountedPartition();
    std::unique_ptr<QMenu> none(actions.makeMenu(unmounted));
    QCOMPARE(entries(none.get()).count(gaugeRow), 0);

    Volume empty = removableStick();
    empty.capacityBytes = 0;
    std::unique_ptr<QMenu> zero(actions.makeMenu(empty));
    QCOMPARE(entries(zero.get()).first(), QStringLiteral("Open in File Manager"));
}

void TestVolumeActionsMenu::itemsReachHandlers()
{
    VolumeActionsMenu actions;
    QStringList calls;
    auto recorder = [&calls](const char *name) {
        return [&calls, name](const Volume &volume) {
            calls << QString::fromLatin1(name) + QLatin1Char(':') + volume.id;
        };
    };
    actions.handlers = VolumeActionHandlers{recorder("eject"), recorder("remount"),
                                            recorder("rename"), recorder("erase")};
    actions.exclusionProvider = [](const Volume &) { return false; };
    actions.onToggleExclusion = recorder("toggle");

    std::unique_ptr<QMenu> mounted(actions.makeMenu(removableStick()));
    findItem(mounted.get(), QStringLiteral("Eject"))->trigger();
    findItem(mounted.get(), QStringLiteral("Rename…"))->trigger();
    findItem(mounted.get(), QStringLiteral("Erase…"))->trigger();
    findItem(mounted.get(), ignoreTitle)->trigger();
    std::unique_ptr<QMenu> unmounted(actions.makeMenu(::unmountedPartition()));
    findItem(unmounted.get(), QStringLiteral("Remount"))->trigger();

    QCOMPARE(calls, QStringList({"eject:stick", "rename:stick", "erase:stick", "toggle:stick",
                                 "remount:stick2"}));
    QCOMPARE(VolumeActionsMenu::volumeOf(findItem(mounted.get(), QStringLiteral("Eject"))),
             std::optional(removableStick()));
}

void TestVolumeActionsMenu::withoutHandlersOnlyEjectFallsBack()
{
    VolumeActionsMenu actions;
    std::unique_ptr<QMenu> unmounted(actions.makeMenu(::unmountedPartition()));
    // Nothing to call and nothing to fall back to: the item does nothing.
    findItem(unmounted.get(), QStringLiteral("Remount"))->trigger();
    findItem(unmounted.get(), QStringLiteral("Erase…"))->trigger();

    // Handlers set, but without an eject callback: no fallback either.
    bool renamed = false;
    actions.handlers = VolumeActionHandlers{};
    actions.handlers->rename = [&](const Volume &) { renamed = true; };
    std::unique_ptr<QMenu> mounted(actions.makeMenu(removableStick()));
    findItem(mounted.get(), QStringLiteral("Eject"))->trigger();
    findItem(mounted.get(), QStringLiteral("Rename…"))->trigger();
    QVERIFY(renamed);
}

void TestVolumeActionsMenu::weakHandlersStopWithOwner()
{
    class Owner : public QObject {
    public:
        QStringList ejected;
        void eject(const Volume &volume) { ejected << volume.id; }
        void remount(const Volume &volume) { ejected << QStringLiteral("remount ") + volume.id; }
    };
    auto *owner = new Owner;
    const VolumeSurfaceHandlers handlers =
        VolumeSurfaceHandlers::weakly(owner, &Owner::eject, &Owner::remount);
    handlers.eject(removableStick());
    handlers.remount(::unmountedPartition());
    QCOMPARE(owner->ejected, QStringList({"stick", "remount stick2"}));
    delete owner;
    handlers.eject(removableStick()); // must not reach the deleted owner
}

void TestVolumeActionsMenu::openAndCopyPath()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    VolumeActionsMenu actions;
    std::unique_ptr<QMenu> menu(actions.makeMenu(removableStick()));
    findItem(menu.get(), QStringLiteral("Open in File Manager"))->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(catcher.urls, QList<QUrl>({QUrl::fromLocalFile(QStringLiteral("/media/user/Stick"))}));

    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    findItem(menu.get(), QStringLiteral("Copy Path"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("/media/user/Stick"));
}

QTEST_MAIN(TestVolumeActionsMenu)
#include "tst_volumeactionsmenu.moc"
