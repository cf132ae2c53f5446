#include "appfakes.h"

#include "common/desktopplaces.h"
#include "discovery/volumestore.h"
#include "format/fangeometry.h"
#include "format/gridpanelgeometry.h"
#include "format/listpanelgeometry.h"
#include "surfaces/fanview.h"
#include "surfaces/gridtileview.h"
#include "surfaces/listrowview.h"
#include "surfaces/listscrollcolumn.h"
#include "surfaces/popoverpanel.h"
#include "surfaces/spinnerview.h"
#include "surfaces/volumeactionsmenu.h"
#include "surfaces/volumeiconprovider.h"
#include "surfaces/volumespopover.h"

#include <QAbstractButton>
#include <QMenu>
#include <QPainterPath>
#include <QPolygonF>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QVariantAnimation>
#include <QWheelEvent>
#include <QWidgetAction>
#include <cmath>

namespace {

VolumeList sticks(int count)
{
    VolumeList volumes;
    for (int i = 0; i < count; ++i)
        volumes.append(removableVolume(QStringLiteral("Stick %1").arg(i, 2, 10, QLatin1Char('0'))));
    return volumes;
}

} // namespace

// The popover as the user meets it: which layout for how many volumes, where its panel and
// entries sit, what each entry does, how it opens and closes and when it refuses to reopen.
class TestVolumesPopover : public QObject {
    Q_OBJECT

    struct Rig {
        std::shared_ptr<FakeDiskSource> source = std::make_shared<FakeDiskSource>();
        VolumeStore store{source, VolumeStore::defaultEnabledKinds()};
        VolumeIconProvider icons;
        VolumeActionsMenu actions;
        VolumesPopover popover{&store, &icons, &actions};
        double now = 100;
        QPoint pointer{400, 560};
        bool reduced = true;
        QStringList opened;
        QStringList ejected;
        QStringList remounted;
        QSet<QString> busy;
        QSet<QString> active;
        QList<bool> visibility;

        explicit Rig(const VolumeList &volumes, PopoverViewMode mode = PopoverViewMode::automatic)
        {
            source->volumes = volumes;
            store.start();
            popover.viewMode = mode;
            popover.clock = [this] { return now; };
            popover.pointerPosition = [this] { return pointer; };
            popover.openFolder = [this](const QString &path) { opened.append(path); };
            popover.compositing = [] { return false; };
            popover.reduceMotion = [this] { return reduced; };
            popover.volumeHandlers =
                VolumeSurfaceHandlers{[this](const Volume &v) { ejected.append(v.id); },
                                      [this](const Volume &v) { remounted.append(v.id); }};
            popover.busyProvider = [this](const Volume &v) { return busy.contains(v.id); };
            popover.activityProvider = [this](const Volume &v) { return active.contains(v.id); };
            popover.onVisibilityChange = [this](bool visible) { visibility.append(visible); };
        }

        QRect screen() const { return QGuiApplication::primaryScreen()->geometry(); }
    };

    static QPoint globalIconCentre(const Rig &rig, int index)
    {
        FanView *fan = rig.popover.fanView();
        const FanView::Item &item = fan->items().at(index);
        const QPointF local = fan->transformOf(index).map(
            QPointF(item.iconInset + item.iconSize / 2, item.size.height() / 2));
        return fan->mapToGlobal(local.toPoint());
    }

private slots:
    void automaticIsAFanUpToTenAndAGridFromEleven()
    {
        Rig ten(sticks(10));
        ten.popover.show();
        QCOMPARE(ten.popover.currentLayout(), PopoverLayout::Layout::fan);
        QCOMPARE(ten.popover.fanView()->items().size(), 11);
        QCOMPARE(ten.popover.fanView()->items().last().title,
                 QStringLiteral("Open in File Manager"));

        Rig eleven(sticks(11));
        eleven.popover.show();
        QCOMPARE(eleven.popover.currentLayout(), PopoverLayout::Layout::grid);
        // Eleven tiles and the folder tile.
        QCOMPARE(eleven.popover.tiles().size(), 12);
    }

    void fanOfFourteenShowsTenAndFourMore()
    {
        Rig rig(sticks(14), PopoverViewMode::fan);
        rig.popover.show();
        const QList<FanView::Item> &items = rig.popover.fanView()->items();
        QCOMPARE(items.size(), 11);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(items.at(i).volume->name,
                     QStringLiteral("Stick %1").arg(i, 2, 10, QLatin1Char('0')));
        QVERIFY(!items.last().volume);
        QCOMPARE(items.last().title, QStringLiteral("4 More in File Manager"));
        QCOMPARE(items.last().iconSize, 58.0);
    }

    void fanStandsOnThePointerAlongItsArc()
    {
        Rig rig(sticks(3), PopoverViewMode::fan);
        rig.popover.show();
        PopoverPanel *panel = rig.popover.panel();
        QVERIFY(panel && panel->isVisible());
        // An offscreen screen has no panels: the fan rises from the pointer itself.
        QCOMPARE(rig.popover.anchor().direction, PopoverLayout::Direction::up);
        QCOMPARE(rig.popover.panelHeight(), 0.0);
        QCOMPARE(panel->geometry().bottom() + 1, rig.pointer.y());
        QCOMPARE(panel->margin(), 0);

        // The first icon's centre sits over the pointer, 41 above the panel's bottom edge; the
        // next ones follow the arc.
        for (int j = 0; j < 4; ++j) {
            const QPointF arc = FanGeometry::arcPoint(j);
            const QPoint expected(qRound(rig.pointer.x() + arc.x()),
                                  qRound(rig.pointer.y() - arc.y()));
            const QPoint centre = globalIconCentre(rig, j);
            QVERIFY2((centre - expected).manhattanLength() <= 2,
                     qPrintable(QStringLiteral("item %1 at %2,%3, expected %4,%5")
                                    .arg(j)
                                    .arg(centre.x())
                                    .arg(centre.y())
                                    .arg(expected.x())
                                    .arg(expected.y())));
            QCOMPARE(rig.popover.fanView()->items().at(j).tilt, FanGeometry::theta(j) * 180 / M_PI);
        }
    }

    void fanNearTheRightEdgeStaysOnScreen()
    {
        Rig rig(sticks(2), PopoverViewMode::fan);
        rig.pointer = QPoint(rig.screen().right() - 2, 500);
        rig.popover.show();
        QCOMPARE(rig.popover.panel()->geometry().right() + 1, rig.screen().right() + 1 - 8);
    }

    void gridNearTheRightEdgeKeepsItsBeakAtThePointer()
    {
        Rig rig(sticks(2), PopoverViewMode::grid);
        rig.pointer = QPoint(rig.screen().right() - 3, 560);
        rig.popover.show();
        PopoverPanel *panel = rig.popover.panel();
        const QRect frame = panel->frame();
        QCOMPARE(frame.right() + 1, rig.screen().right() + 1 - 8);
        QCOMPARE(frame.bottom() + 1, 560 - 2);
        // Three tiles in one row, margins of 16 and 6 between.
        QCOMPARE(frame.width(), 16 + 3 * 122 + 2 * 6 + 16);
        // The beak's tip: as far right as the rounded corner allows.
        const QPainterPath body = panel->look().body;
        QVERIFY(body.contains(QPointF(frame.width() - 33, frame.height() - 1.5)));
        QVERIFY(!body.contains(QPointF(frame.width() - 33 - 14, frame.height() - 1.5)));
        // The window carries a shadow around the frame.
        QCOMPARE(panel->geometry(), frame.adjusted(-14, -14, 14, 14));

        const QList<GridTileView *> tiles = rig.popover.tiles();
        QCOMPARE(tiles.size(), 3);
        QCOMPARE(tiles.last()->title(), QStringLiteral("Open in File Manager"));
        QCOMPARE(tiles.at(0)->mapTo(panel, QPoint()), QPoint(14 + 16, 14 + 34 + 16));
        QCOMPARE(tiles.at(1)->mapTo(panel, QPoint()), QPoint(14 + 16 + 128, 14 + 34 + 16));
    }

    void gridScrollsWhenTheRoomRunsOut()
    {
        Rig rig(sticks(30), PopoverViewMode::grid);
        rig.pointer = QPoint(400, 420);
        rig.popover.show();
        QScrollArea *scroll = rig.popover.gridScrollArea();
        QVERIFY(scroll);
        // 420 * 0.9 - 12 = 366 of room, less the title bar.
        QCOMPARE(scroll->height(), 366 - 34);
        QVERIFY(scroll->widget()->height() > scroll->height());
        QCOMPARE(rig.popover.panel()->frame().height(), 34 + 332 + 12);
    }

    void listRowsAndBottomArea()
    {
        VolumeList volumes{removableVolume(QStringLiteral("Stick")),
                           removableVolume(QStringLiteral("Old"), false),
                           internalVolume(QStringLiteral("Data"))};
        Rig rig(volumes, PopoverViewMode::list);
        rig.busy.insert(QStringLiteral("id-Stick"));
        rig.popover.show();
        QCOMPARE(rig.popover.currentLayout(), PopoverLayout::Layout::list);
        const QList<ListRowView *> rows = rig.popover.rows();
        QCOMPARE(rows.size(), 3);
        // Sorted by name.
        QCOMPARE(rows.at(0)->title(), QStringLiteral("Data"));
        QCOMPARE(rows.at(1)->title(), QStringLiteral("Old"));
        QCOMPARE(rows.at(0)->accessory(), ListRowView::Accessory::none);
        QCOMPARE(rows.at(1)->accessory(), ListRowView::Accessory::remount);
        QVERIFY(rows.at(1)->isDimmed());
        QVERIFY(rows.at(2)->isBusy());
        QVERIFY(rows.at(2)->spinner()->isVisibleTo(rows.at(2)));
        QVERIFY(!rows.at(2)->button()->isVisibleTo(rows.at(2)));

        const QRect frame = rig.popover.panel()->frame();
        QCOMPARE(frame.height(), 3 * 24 + 64);
        QCOMPARE(frame.bottom() + 1, 560 - 6);
        QVERIFY(frame.width() >= 180);
        QCOMPARE(rows.at(0)->width(), frame.width());
        QCOMPARE(rows.at(0)->height(), 24);
        QVERIFY(!rig.popover.scrollColumn());
        QVERIFY(rig.popover.optionsButton());
    }

    void longListScrollsInAColumn()
    {
        Rig rig(sticks(40), PopoverViewMode::list);
        rig.pointer = QPoint(400, 500);
        rig.popover.show();
        ListScrollColumn *column = rig.popover.scrollColumn();
        QVERIFY(column);
        // 500 * 0.9 - 6 - 64.
        QCOMPARE(column->height(), 380);
        QVERIFY(!column->canScrollUp());
        QVERIFY(column->canScrollDown());
        QVERIFY(!column->upChevron()->isVisibleTo(column));
        QVERIFY(column->downChevron()->isVisibleTo(column));

        QWheelEvent down(QPointF(20, 20), column->mapToGlobal(QPointF(20, 20)), QPoint(),
                         QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(column, &down);
        QCOMPARE(column->offset(), 48);
        QVERIFY(column->upChevron()->isVisibleTo(column));

        // Resting on the down chevron keeps scrolling until the end.
        column->setHoverScroll(1);
        QVERIFY(QTest::qWaitFor([column] { return !column->canScrollDown(); }, 5000));
        QCOMPARE(column->offset(), 40 * 24 - 380);
        QCOMPARE(column->hoverScroll(), 0);
    }

    void outsideClickClosesAndBlocksAReopenForAThirdOfASecond()
    {
        Rig rig(sticks(2), PopoverViewMode::grid);
        rig.popover.toggle();
        QVERIFY(rig.popover.isShown());
        QCOMPARE(rig.visibility, QList<bool>{true});

        PopoverPanel *panel = rig.popover.panel();
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(-30, -30));
        QVERIFY(!rig.popover.panel());
        QCOMPARE(rig.visibility, (QList<bool>{true, false}));

        // The click on the launcher or tray icon that closed it toggles right after.
        rig.now += 0.2;
        rig.popover.toggle();
        QVERIFY(!rig.popover.panel());
        rig.now += 0.2;
        rig.popover.toggle();
        QVERIFY(rig.popover.isShown());

        // A toggle while open closes it, and does not block the next one.
        rig.popover.toggle();
        QVERIFY(!rig.popover.panel());
        rig.popover.toggle();
        QVERIFY(rig.popover.isShown());
    }

    void clicksOnTheBodyOrWhileAMenuIsOpenKeepItOpen()
    {
        Rig rig(sticks(2), PopoverViewMode::grid);
        rig.popover.show();
        PopoverPanel *panel = rig.popover.panel();
        // Between the tiles, on the panel's own material.
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(20, 30));
        QVERIFY(rig.popover.isShown());
        // In the shadow's corner, off the body.
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!rig.popover.panel());

        rig.now += 1;
        rig.popover.show();
        rig.popover.suspendDismiss = true;
        QTest::mousePress(rig.popover.panel(), Qt::LeftButton, {}, QPoint(-30, -30));
        QVERIFY(rig.popover.isShown());
    }

    void escapeCloses()
    {
        Rig rig(sticks(2), PopoverViewMode::list);
        rig.popover.show();
        QTest::keyClick(rig.popover.panel(), Qt::Key_Escape);
        QVERIFY(!rig.popover.panel());
        QCOMPARE(rig.visibility, (QList<bool>{true, false}));
        // Escape sets no guard.
        rig.popover.toggle();
        QVERIFY(rig.popover.isShown());
    }

    void entriesOpenRemountOrOpenTheFolder()
    {
        VolumeList volumes{removableVolume(QStringLiteral("Alpha")),
                           removableVolume(QStringLiteral("Beta"), false)};
        Rig rig(volumes, PopoverViewMode::fan);
        rig.popover.show();
        // An unmounted volume is remounted and the panel stays.
        QTest::mouseClick(rig.popover.fanView(), Qt::LeftButton, {},
                          rig.popover.fanView()->mapFromGlobal(globalIconCentre(rig, 1)));
        QCOMPARE(rig.remounted, QStringList{QStringLiteral("id-Beta")});
        QVERIFY(rig.popover.isShown());
        QVERIFY(rig.opened.isEmpty());
        // A mounted one opens in the file manager and the panel closes.
        QTest::mouseClick(rig.popover.fanView(), Qt::LeftButton, {},
                          rig.popover.fanView()->mapFromGlobal(globalIconCentre(rig, 0)));
        QCOMPARE(rig.opened, QStringList{QStringLiteral("/media/user/Alpha")});
        QVERIFY(!rig.popover.panel());

        rig.popover.viewMode = PopoverViewMode::grid;
        rig.popover.show();
        QTest::mouseClick(rig.popover.tiles().last(), Qt::LeftButton);
        QCOMPARE(rig.opened.last(), DesktopPlaces::volumesFolder());
        QVERIFY(!rig.popover.panel());
    }

    void emptySpaceOfTheFanIsOutside()
    {
        Rig rig(sticks(1), PopoverViewMode::fan);
        rig.popover.show();
        FanView *fan = rig.popover.fanView();
        QCOMPARE(fan->itemAt(QPointF(2, 2)), -1);
        QTest::mousePress(fan, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!rig.popover.panel());
    }

    void buttonsSpinnersAndActivityDots()
    {
        VolumeList volumes{removableVolume(QStringLiteral("Alpha")),
                           removableVolume(QStringLiteral("Beta"), false),
                           internalVolume(QStringLiteral("Gamma"))};
        Rig rig(volumes, PopoverViewMode::grid);
        rig.busy.insert(QStringLiteral("id-Beta"));
        rig.active.insert(QStringLiteral("id-Alpha"));
        rig.popover.show();
        const QList<GridTileView *> tiles = rig.popover.tiles();
        using Kind = EjectRemountSpec::Kind;
        QCOMPARE(tiles.at(0)->buttonKind(), Kind::eject);
        QCOMPARE(tiles.at(1)->buttonKind(), Kind::remount);
        QCOMPARE(tiles.at(2)->buttonKind(), Kind::none);
        QVERIFY(tiles.at(1)->isBusy());
        QVERIFY(tiles.at(0)->isActive());
        QVERIFY(!tiles.at(2)->isActive());
        QCOMPARE(rig.popover.activityBindingCount(), 3);

        tiles.at(0)->overlayButton()->click();
        QCOMPARE(rig.ejected, QStringList{QStringLiteral("id-Alpha")});

        // Activity changes redraw the dots of the same tiles.
        rig.active = {QStringLiteral("id-Gamma")};
        rig.popover.refreshActivity();
        QCOMPARE(rig.popover.tiles(), tiles);
        QVERIFY(!tiles.at(0)->isActive());
        QVERIFY(tiles.at(2)->isActive());

        // Without handlers no entry has a button.
        Rig bare(volumes, PopoverViewMode::grid);
        bare.popover.volumeHandlers.reset();
        bare.popover.show();
        for (GridTileView *tile : bare.popover.tiles())
            QCOMPARE(tile->buttonKind(), Kind::none);
    }

    void contextMenus()
    {
        VolumeList volumes{removableVolume(QStringLiteral("Alpha")),
                           removableVolume(QStringLiteral("Beta"), false)};
        Rig rig(volumes, PopoverViewMode::grid);
        rig.popover.show();
        const QList<GridTileView *> tiles = rig.popover.tiles();

        emit tiles.at(0)->contextMenuRequested(QPoint(100, 100));
        QMenu *actions = rig.popover.openMenu();
        QVERIFY(actions);
        QVERIFY(rig.popover.suspendDismiss);
        // The volume's own actions menu, as every surface shows it.
        QStringList acting;
        for (const QAction *item : actions->actions()) {
            if (const auto volume = VolumeActionsMenu::volumeOf(item))
                acting.append(volume->id);
        }
        QVERIFY(!acting.isEmpty());
        QCOMPARE(acting.count(QStringLiteral("id-Alpha")), acting.size());
        actions->hide();
        QVERIFY(!rig.popover.suspendDismiss);

        emit tiles.at(1)->contextMenuRequested(QPoint(100, 100));
        QMenu *remount = rig.popover.openMenu();
        QVERIFY(remount && remount != actions);
        QCOMPARE(remount->actions().size(), 1);
        QAction *entry = remount->actions().constFirst();
        QCOMPARE(entry->text(), QStringLiteral("Remount"));
        QCOMPARE(entry->data().toString(), QStringLiteral("id-Beta"));
        QVERIFY(rig.popover.remountMenuVolumes().contains(QStringLiteral("id-Beta")));
        entry->trigger();
        QCOMPARE(rig.remounted, QStringList{QStringLiteral("id-Beta")});
        remount->hide();

        // An unknown identifier does nothing.
        QAction stray;
        stray.setData(QStringLiteral("id-Nobody"));
        rig.popover.remountFromMenu(&stray);
        QCOMPARE(rig.remounted.size(), 1);

        // Without handlers an unmounted volume has no menu at all.
        rig.popover.volumeHandlers.reset();
        rig.popover.rebuildContentsAndLayout();
        emit rig.popover.tiles().at(1)->contextMenuRequested(QPoint(100, 100));
        QVERIFY(!rig.popover.openMenu());
    }

    // A volume change while a context menu is open updates the menu in place; the entries of
    // a volume that left go grey rather than acting on whatever took its place.
    void openContextMenuFollowsItsVolume()
    {
        const Volume alpha = removableVolume(QStringLiteral("Alpha"));
        const Volume beta = removableVolume(QStringLiteral("Beta"), false);
        Rig rig({alpha, beta}, PopoverViewMode::grid);
        rig.popover.show();
        emit rig.popover.tiles().at(0)->contextMenuRequested(QPoint(100, 100));
        QMenu *menu = rig.popover.openMenu();
        QVERIFY(menu);
        const QList<QAction *> entries = menu->actions();
        auto *gauge = qobject_cast<QWidgetAction *>(entries.constFirst());
        QVERIFY(gauge);

        Volume fuller = alpha;
        fuller.freeBytes = 100'000'000;
        rig.source->publish({fuller, beta});
        QTRY_COMPARE(rig.store.visibleVolumes().constFirst().freeBytes, fuller.freeBytes);
        rig.popover.rebuildContentsAndLayout();
        QCOMPARE(rig.popover.openMenu(), menu);
        QCOMPARE(menu->actions(), entries);
        QVERIFY2(gauge->text().contains(QStringLiteral("100 MB")), qPrintable(gauge->text()));

        // Beta's Remount still reaches Beta after a change.
        menu->hide();
        emit rig.popover.tiles().at(1)->contextMenuRequested(QPoint(100, 100));
        QMenu *remount = rig.popover.openMenu();
        QVERIFY(remount);
        rig.source->publish({fuller, beta, removableVolume(QStringLiteral("Gamma"))});
        QTRY_COMPARE(rig.store.visibleVolumes().size(), 3);
        rig.popover.rebuildContentsAndLayout();
        remount->actions().constFirst()->trigger();
        QCOMPARE(rig.remounted, QStringList{beta.id});

        // Beta leaves: its open menu stays where it is, greyed.
        rig.source->publish({fuller});
        QTRY_COMPARE(rig.store.visibleVolumes().size(), 1);
        rig.popover.rebuildContentsAndLayout();
        QCOMPARE(rig.popover.openMenu(), remount);
        QVERIFY(!remount->actions().constFirst()->isEnabled());
    }

    void optionsRowPopsUpTheOptionsMenu()
    {
        Rig rig(sticks(2), PopoverViewMode::list);
        int built = 0;
        rig.popover.optionsMenuProvider = [&built] {
            ++built;
            auto *menu = new QMenu();
            menu->addAction(QStringLiteral("Sort by"));
            return menu;
        };
        rig.popover.show();
        QAbstractButton *button = rig.popover.optionsButton();
        QVERIFY(button);
        button->click();
        QCOMPARE(built, 1);
        QMenu *menu = rig.popover.openMenu();
        QVERIFY(menu && menu->isVisible());
        QVERIFY(rig.popover.suspendDismiss);
        QCOMPARE(VolumesPopover::optionsMenuPosition(button),
                 button->mapToGlobal(QPoint(button->width() - 6, 0)));
        // An outside click only closes the menu.
        QTest::mousePress(rig.popover.panel(), Qt::LeftButton, {}, QPoint(-30, -30));
        QVERIFY(rig.popover.isShown());
        menu->hide();
        QVERIFY(!rig.popover.suspendDismiss);
    }

    void rebuildFollowsTheStoreWhileOpen()
    {
        Rig rig(sticks(2), PopoverViewMode::list);
        rig.popover.show();
        QCOMPARE(rig.popover.rows().size(), 2);
        rig.source->volumes = sticks(5);
        rig.store.reload();
        rig.popover.rebuildContentsAndLayout();
        QCOMPARE(rig.popover.rows().size(), 5);
        QCOMPARE(rig.popover.panel()->frame().height(), 5 * 24 + 64);
        rig.popover.viewMode = PopoverViewMode::automatic;
        rig.popover.rebuildContentsAndLayout();
        QCOMPARE(rig.popover.currentLayout(), PopoverLayout::Layout::fan);
    }

    void fanOpensOverTheScaledTimeAndIgnoresClicksMeanwhile()
    {
        Rig rig(sticks(3), PopoverViewMode::fan);
        rig.reduced = false;
        rig.popover.animationScale = [] { return 3.0; };
        rig.popover.show();
        QVariantAnimation *animation = rig.popover.animation();
        QVERIFY(animation);
        QCOMPARE(animation->duration(), 1050);
        QVERIFY(!rig.popover.acceptsMouse());
        QVERIFY(rig.popover.panel()->content()->testAttribute(Qt::WA_TransparentForMouseEvents));
        // Items start collapsed at the launch point, half transparent.
        QVERIFY(rig.popover.fanView()->travel() < 0.5);
        QVERIFY(QTest::qWaitFor([&] { return rig.popover.acceptsMouse(); }, 5000));
        QCOMPARE(rig.popover.fanView()->travel(), 1.0);
        QCOMPARE(rig.popover.fanView()->opacity(), 1.0);

        // Closing takes 0.28 s whatever the factor, and the panel goes at its end.
        rig.popover.toggle();
        QVERIFY(rig.popover.isClosing());
        QVERIFY(!rig.popover.isShown());
        QCOMPARE(rig.popover.animation()->duration(), 280);
        QVERIFY(QTest::qWaitFor([&] { return !rig.popover.panel(); }, 5000));
        QVERIFY(!rig.popover.isClosing());

        rig.popover.animationScale = [] { return 1.0; };
        rig.popover.show();
        QCOMPARE(rig.popover.animation()->duration(), 350);
    }

    void panelsFadeInAndSlideUp()
    {
        Rig rig(sticks(2), PopoverViewMode::list);
        rig.reduced = false;
        rig.popover.show();
        QCOMPARE(rig.popover.animation()->duration(), 200);
        PopoverPanel *panel = rig.popover.panel();
        QVERIFY(panel->slide() > 0);
        QVERIFY(QTest::qWaitFor([&] { return panel->slide() == 0; }, 5000));
        rig.popover.close();
        QCOMPARE(rig.popover.animation()->duration(), 180);
        // A toggle during the close animation neither reopens nor closes twice.
        rig.popover.toggle();
        QVERIFY(rig.popover.isClosing());
        QVERIFY(QTest::qWaitFor([&] { return !rig.popover.panel(); }, 5000));
        QCOMPARE(rig.visibility, (QList<bool>{true, false}));
    }

    void reducedMotionOpensAndClosesAtOnce()
    {
        Rig rig(sticks(3), PopoverViewMode::fan);
        rig.popover.show();
        QVERIFY(!rig.popover.animation());
        QCOMPARE(rig.popover.fanView()->travel(), 1.0);
        QVERIFY(rig.popover.acceptsMouse());
        rig.popover.close();
        QVERIFY(!rig.popover.panel());
    }

    void opensBesideTheTrayIconWhenTheDesktopTellsWhere()
    {
        // An XEmbed tray tells where its icon is: the panel points at the icon, wherever the
        // pointer is (a second launch from a terminal, say).
        Rig rig(sticks(3), PopoverViewMode::grid);
        rig.pointer = QPoint(100, 100);
        const QRect icon(388, 560, 24, 24);
        rig.popover.anchorArea = [icon] { return icon; };
        rig.popover.show();
        QCOMPARE(rig.popover.anchor(),
                 (PopoverLayout::Anchor{400, 560, PopoverLayout::Direction::up, 0}));
        PopoverPanel *panel = rig.popover.panel();
        const QRect frame = panel->frame();
        QCOMPARE(frame.bottom() + 1, 560 - 2);
        // The beak's tip is at the icon's middle, not beside it.
        const QPainterPath &body = panel->look().body;
        QVERIFY(body.contains(QPointF(400 - frame.left(), frame.height() - 3)));
        QVERIFY(!body.contains(QPointF(400 - frame.left() - 20, frame.height() - 3)));
        rig.popover.close();

        // A tray that does not tell (a StatusNotifier host): at the pointer.
        rig.popover.anchorArea = [] { return QRect(); };
        rig.pointer = QPoint(300, 500);
        rig.popover.show();
        QCOMPARE(rig.popover.anchor(),
                 (PopoverLayout::Anchor{300, 500, PopoverLayout::Direction::up, 0}));
    }

    void compositorPlacedPanelFloatsCentredWithoutBeak()
    {
        // Wayland: a fixed-size frameless tool window (floated, no title bar, no taskbar
        // entry), centred, its fade painted; it closes when it loses the focus.
        QStringList warnings;
        static QStringList *captured = nullptr;
        captured = &warnings;
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
                if (captured)
                    captured->append(text);
            });
        const auto restore = qScopeGuard([previous] {
            qInstallMessageHandler(previous);
            captured = nullptr;
        });

        Rig rig(sticks(3), PopoverViewMode::grid);
        rig.reduced = false;
        rig.popover.compositorPlacesWindows = [] { return true; };
        rig.popover.show();
        PopoverPanel *panel = rig.popover.panel();
        QCOMPARE(panel->placement(), PopoverPanel::Placement::compositor);
        QCOMPARE(panel->windowType(), Qt::Tool);
        QVERIFY(panel->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(panel->minimumSize(), panel->maximumSize());
        QCOMPARE(panel->minimumSize(), panel->size());
        QVERIFY(rig.popover.anchor().centred);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((panel->frame().center() - available.center()).manhattanLength() <= 2);
        // No beak: the body is the frame's rounded rectangle.
        QCOMPARE(panel->look().body.boundingRect(),
                 QRectF(QPointF(), QSizeF(panel->frame().size())));
        // It fades in by painting, never by window opacity, and does not slide.
        QVERIFY(panel->fade() < 1);
        QVERIFY(QTest::qWaitFor([&] { return panel->fade() == 1; }, 5000));
        QCOMPARE(panel->windowOpacity(), 1.0);
        QCOMPARE(panel->pos(), panel->frame().topLeft() - QPoint(panel->margin(), panel->margin()));

        // Losing the focus to another window closes it.
        panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(panel));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(QTest::qWaitFor([&] { return !rig.popover.panel(); }, 5000));
        QCOMPARE(rig.visibility, (QList<bool>{true, false}));

        // Escape closes it too, and the fan and list are centred alike.
        rig.reduced = true;
        rig.popover.viewMode = PopoverViewMode::fan;
        rig.popover.show();
        QVERIFY((rig.popover.panel()->frame().center() - available.center()).manhattanLength() <=
                2);
        QTest::keyClick(rig.popover.panel(), Qt::Key_Escape);
        QVERIFY(!rig.popover.panel());
        rig.popover.viewMode = PopoverViewMode::list;
        rig.popover.show();
        QVERIFY((rig.popover.panel()->frame().center() - available.center()).manhattanLength() <=
                2);
        rig.popover.close();
        for (const QString &warning : std::as_const(warnings))
            QVERIFY2(!warning.contains(QLatin1String("opacity")), qPrintable(warning));
    }

    void fanOffersTheViewOptions()
    {
        // Fan, and automatic up to ten volumes: the options button stands beside the first
        // icon, clear of every item, and pops up the same options menu as grid and list.
        for (const PopoverViewMode mode : {PopoverViewMode::fan, PopoverViewMode::automatic}) {
            for (int count : {1, 10}) {
                Rig rig(sticks(count), mode);
                int built = 0;
                rig.popover.optionsMenuProvider = [&built] {
                    ++built;
                    auto *menu = new QMenu();
                    menu->addAction(QStringLiteral("Sort by"));
                    return menu;
                };
                rig.popover.show();
                QCOMPARE(rig.popover.currentLayout(), PopoverLayout::Layout::fan);
                FanView *fan = rig.popover.fanView();
                QAbstractButton *button = rig.popover.optionsButton();
                QVERIFY(button && button->isVisible());
                QCOMPARE(button->parentWidget(), fan);
                QVERIFY(fan->rect().contains(button->geometry()));
                // Level with the first icon, right of it.
                const QPoint first = globalIconCentre(rig, 0);
                const QRect onScreen(button->mapToGlobal(QPoint()), button->size());
                QVERIFY(qAbs(onScreen.center().y() - first.y()) <= 1);
                QVERIFY(onScreen.left() > first.x() + 32);
                for (int j = 0; j < fan->items().size(); ++j) {
                    const FanView::Item &item = fan->items().at(j);
                    const QRectF itemRect(QPointF(), item.size);
                    const QTransform transform = fan->transformOf(j);
                    const QPolygonF outline = transform.map(QPolygonF(itemRect));
                    QVERIFY2(!outline.intersects(QPolygonF(QRectF(button->geometry()))),
                             qPrintable(QStringLiteral("%1 volumes, item %2").arg(count).arg(j)));
                }
                button->click();
                QCOMPARE(built, 1);
                QMenu *menu = rig.popover.openMenu();
                QVERIFY(menu && menu->isVisible());
                QCOMPARE(VolumesPopover::optionsMenuPosition(button),
                         button->mapToGlobal(QPoint(button->width() - 6, 0)));
                menu->hide();
            }
        }
    }

    void openingDownwardsFromATopBar()
    {
        // Offscreen screens have no panels; a pointer above the middle opens downwards.
        Rig rig(sticks(3), PopoverViewMode::list);
        rig.pointer = QPoint(300, 40);
        rig.popover.show();
        QCOMPARE(rig.popover.anchor().direction, PopoverLayout::Direction::down);
        QCOMPARE(rig.popover.panel()->frame().top(), 40 + 6);

        rig.popover.close();
        rig.popover.viewMode = PopoverViewMode::fan;
        rig.popover.show();
        QCOMPARE(rig.popover.panel()->geometry().top(), 40);
        // The first icon hangs 41 below the pointer, tilted the other way.
        const QPoint first = globalIconCentre(rig, 0);
        QVERIFY(qAbs(first.y() - (40 + 41)) <= 1);
        QVERIFY(rig.popover.fanView()->items().at(1).tilt < 0);
    }
};

QTEST_MAIN(TestVolumesPopover)
#include "tst_volumespopover.moc"
