#include "format/animationscale.h"
#include "format/fangeometry.h"
#include "format/gridcolumns.h"
#include "format/gridpanelgeometry.h"
#include "format/listpanelgeometry.h"
#include "format/popoverlayout.h"
#include "format/reopenguard.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(std::optional<QString>)
Q_DECLARE_METATYPE(PopoverViewMode)
Q_DECLARE_METATYPE(PopoverLayout::Layout)

using PopoverLayout::Anchor;
using PopoverLayout::Direction;

namespace {

const QRectF fullHd(0, 0, 1920, 1080);

Anchor upFrom(double x, double y)
{
    return {x, y, Direction::up, 0};
}

// The corners of a fan item rotated by its tilt about its centre, y up.
QList<QPointF> corners(const FanGeometry::PlacedItem &item)
{
    const double c = std::cos(item.tilt);
    const double s = std::sin(item.tilt);
    QList<QPointF> result;
    for (double dx : {-0.5, 0.5}) {
        for (double dy : {-0.5, 0.5}) {
            const double x = dx * item.size.width();
            const double y = dy * item.size.height();
            // Clockwise on screen with y up: (x, y) -> (x cos + y sin, -x sin + y cos).
            result.append(item.centre + QPointF(x * c + y * s, -x * s + y * c));
        }
    }
    return result;
}

// Whether two convex outlines, corners in order, overlap: no edge of either separates them.
bool overlaps(const QList<QPointF> &a, const QList<QPointF> &b)
{
    for (const QList<QPointF> *outline : {&a, &b}) {
        for (qsizetype i = 0; i < outline->size(); ++i) {
            const QPointF edge = outline->at((i + 1) % outline->size()) - outline->at(i);
            const QPointF axis(-edge.y(), edge.x());
            const auto span = [&axis](const QList<QPointF> &points) {
                double low = 1e18, high = -1e18;
                for (const QPointF &p : points) {
                    const double d = QPointF::dotProduct(p, axis);
                    low = std::min(low, d);
                    high = std::max(high, d);
                }
                return std::pair(low, high);
            };
            const auto [aLow, aHigh] = span(a);
            const auto [bLow, bHigh] = span(b);
            if (aHigh <= bLow || bHigh <= aLow)
                return false;
        }
    }
    return true;
}

} // namespace

// The popover's geometry and rules: which layout, where it opens, the fan's arc, the grid's
// columns, beak and scroll limit, the list's width, the animation factor and the reopen guard.
class TestPopoverGeometry : public QObject {
    Q_OBJECT

private slots:
    void layoutChoice_data()
    {
        QTest::addColumn<PopoverViewMode>("mode");
        QTest::addColumn<int>("count");
        QTest::addColumn<PopoverLayout::Layout>("layout");
        using L = PopoverLayout::Layout;
        QTest::newRow("automatic, none") << PopoverViewMode::automatic << 0 << L::fan;
        QTest::newRow("automatic, 10") << PopoverViewMode::automatic << 10 << L::fan;
        QTest::newRow("automatic, 11") << PopoverViewMode::automatic << 11 << L::grid;
        QTest::newRow("fan, 14") << PopoverViewMode::fan << 14 << L::fan;
        QTest::newRow("grid, 1") << PopoverViewMode::grid << 1 << L::grid;
        QTest::newRow("list, 40") << PopoverViewMode::list << 40 << L::list;
    }

    void layoutChoice()
    {
        QFETCH(PopoverViewMode, mode);
        QFETCH(int, count);
        QFETCH(PopoverLayout::Layout, layout);
        QCOMPARE(PopoverLayout::choose(mode, count), layout);
    }

    void anchorFollowsThePanelStripThePointerIsIn()
    {
        // A launcher bar 48 high along the bottom, a top bar 32 high.
        const QRectF available(0, 32, 1920, 1000);
        QCOMPARE(PopoverLayout::anchorFor({700, 1060}, fullHd, available),
                 (Anchor{700, 1032, Direction::up, 48}));
        QCOMPARE(PopoverLayout::anchorFor({1800, 10}, fullHd, available),
                 (Anchor{1800, 32, Direction::down, 32}));
        // Elsewhere it opens from the pointer towards the larger room.
        QCOMPARE(PopoverLayout::anchorFor({300, 800}, fullHd, available),
                 (Anchor{300, 800, Direction::up, 0}));
        QCOMPARE(PopoverLayout::anchorFor({300, 200}, fullHd, available),
                 (Anchor{300, 200, Direction::down, 0}));
        // No panels at all (a bare X server).
        QCOMPARE(
            PopoverLayout::anchorFor({512, 600}, QRectF(0, 0, 1024, 640), QRectF(0, 0, 1024, 640)),
            (Anchor{512, 600, Direction::up, 0}));
        // A very tall strip counts 140 at most.
        QCOMPARE(PopoverLayout::anchorFor({10, 1070}, fullHd, QRectF(0, 0, 1920, 880)).panelHeight,
                 140.0);
    }

    void anchorBesideTheTrayIconOrSidePanel()
    {
        // A dock 64 wide along the left edge, one 48 wide along the right, a bar 32 high on top.
        const QRectF available(64, 32, 1920 - 64 - 48, 1048);
        // A pointer or icon in the left dock opens rightwards from the dock's inner edge, at
        // the target's middle; in the right dock leftwards.
        QCOMPARE(PopoverLayout::anchorFor({20, 500}, fullHd, available),
                 (Anchor{64, 500, Direction::right, 64}));
        QCOMPARE(PopoverLayout::anchorAt(QRectF(1880, 600, 32, 32), fullHd, available),
                 (Anchor{1872, 616, Direction::left, 48}));
        // The top bar wins at the corner it shares with the dock.
        QCOMPARE(PopoverLayout::anchorFor({20, 10}, fullHd, available),
                 (Anchor{20, 32, Direction::down, 32}));
        // An icon in the top bar: beneath its middle.
        QCOMPARE(PopoverLayout::anchorAt(QRectF(1700, 4, 24, 24), fullHd, available),
                 (Anchor{1712, 32, Direction::down, 32}));
        // A tray the window manager reserves no room for (a bare X server): the panel stands on
        // the icon's top edge, or hangs from its bottom edge, towards the larger room.
        QCOMPARE(PopoverLayout::anchorAt(QRectF(1000, 1050, 24, 24), fullHd, fullHd),
                 (Anchor{1012, 1050, Direction::up, 0}));
        QCOMPARE(PopoverLayout::anchorAt(QRectF(1000, 2, 24, 24), fullHd, fullHd),
                 (Anchor{1012, 26, Direction::down, 0}));

        // Grid and list stand beside a side dock, vertically centred on the anchor and kept on
        // the screen; the grid's beak points at the anchor from the panel's side.
        GridPanelGeometry::Input input;
        input.tileCount = 3;
        input.tileSize = QSizeF(122, 150);
        input.screen = fullHd;
        input.available = available;
        input.anchor = {64, 500, Direction::right, 64};
        GridPanelGeometry::Geometry g = GridPanelGeometry::compute(input);
        QCOMPARE(g.frame.left(), 64.0 + 2);
        QCOMPARE(g.frame.width(), g.gridSize.width() + 12);
        QCOMPARE(g.frame.height(), 34 + g.visibleGridHeight);
        QCOMPARE(g.frame.center().y(), 500.0);
        QCOMPARE(g.beakCentre, g.frame.height() / 2);
        QCOMPARE(g.body(Direction::right), QRectF(12, 0, g.frame.width() - 12, g.frame.height()));
        input.anchor = {1872, 1060, Direction::left, 48};
        g = GridPanelGeometry::compute(input);
        QCOMPARE(g.frame.right(), 1872.0 - 2);
        QCOMPARE(g.frame.bottom(), 1080.0 - 8);
        // Near the bottom the beak moves down to the anchor, as far as the corner allows.
        QCOMPARE(g.beakCentre, g.frame.height() - 33);
        QCOMPARE(g.body(Direction::left), QRectF(0, 0, g.frame.width() - 12, g.frame.height()));

        const ListPanelGeometry::Geometry list =
            ListPanelGeometry::compute(2, 200, {1872, 300, Direction::left, 48}, fullHd, available);
        QCOMPARE(list.frame, QRectF(1872 - 6 - 200, 300 - (48 + 64) / 2.0, 200, 48 + 64));

        // The fan starts at the dock's edge and rises from the anchor where the room above is
        // larger, else hangs from it.
        const FanGeometry::Layout fan = FanGeometry::layout({{100, 64}, {120, 58}});
        const QSizeF size = fan.containerSize;
        QCOMPARE(FanGeometry::panelFrame(fan, {64, 700, Direction::right, 64}, fullHd),
                 QRectF(QPointF(64, 700 - size.height()), size));
        QCOMPARE(FanGeometry::panelFrame(fan, {1872, 200, Direction::left, 48}, fullHd),
                 QRectF(QPointF(1872 - size.width(), 200), size));
        QCOMPARE(PopoverLayout::verticalDirection({64, 700, Direction::right, 64}, fullHd),
                 Direction::up);
        QCOMPARE(PopoverLayout::verticalDirection({64, 200, Direction::right, 64}, fullHd),
                 Direction::down);
    }

    void centredWhereWindowsCannotBePlaced()
    {
        // Wayland: every layout is centred in the free area and the grid has no beak.
        const QRectF available(0, 32, 1920, 1048);
        const Anchor centred = PopoverLayout::centredAnchor(available);
        QVERIFY(centred.centred);
        QCOMPARE(QPointF(centred.x, centred.y), available.center());
        QCOMPARE(PopoverLayout::centredFrame(QSizeF(301, 200), available),
                 QRectF(809, 456, 301, 200));

        GridPanelGeometry::Input input;
        input.tileCount = 21;
        input.tileSize = QSizeF(122, 150);
        input.screen = fullHd;
        input.available = available;
        input.anchor = centred;
        const GridPanelGeometry::Geometry g = GridPanelGeometry::compute(input);
        QCOMPARE(g.beak, 0.0);
        QCOMPARE(g.frame.height(), 34 + g.visibleGridHeight);
        QCOMPARE(g.body(centred.direction), QRectF(QPointF(), g.frame.size()));
        QVERIFY(qAbs(g.frame.center().y() - available.center().y()) <= 0.5);
        QVERIFY(qAbs(g.frame.center().x() - available.center().x()) <= 0.5);
        // The whole free height is its room: 1048 * 0.9.
        QCOMPARE(GridPanelGeometry::availableHeight(centred, available), 1048 * 0.9);

        const ListPanelGeometry::Geometry list =
            ListPanelGeometry::compute(3, 240, centred, fullHd, available);
        QCOMPARE(list.frame, PopoverLayout::centredFrame(QSizeF(240, 3 * 24 + 64), available));

        const FanGeometry::Layout fan = FanGeometry::layout({{100, 64}, {120, 58}});
        const QRectF fanFrame = FanGeometry::panelFrame(fan, centred, fullHd);
        QCOMPARE(fanFrame.size(), fan.containerSize);
        QVERIFY(qAbs(fanFrame.center().x() - available.center().x()) <= 1);
        QVERIFY(qAbs(fanFrame.center().y() - available.center().y()) <= 1);
    }

    void panelsStayEightInsideTheScreen()
    {
        QCOMPARE(PopoverLayout::clampedOriginX(100, 300, fullHd), 100.0);
        QCOMPARE(PopoverLayout::clampedOriginX(1700, 300, fullHd), 1920.0 - 300 - 8);
        QCOMPARE(PopoverLayout::clampedOriginX(-50, 300, fullHd), 8.0);
        // Wider than the screen: its left edge stays visible.
        QCOMPARE(PopoverLayout::clampedOriginX(-50, 2000, fullHd), 8.0);
        // A second screen to the right.
        QCOMPARE(PopoverLayout::clampedOriginX(1900, 300, QRectF(1920, 0, 1280, 1024)), 1928.0);
        QCOMPARE(PopoverLayout::clampedOriginY(-40, 300, fullHd), 8.0);
        QCOMPARE(PopoverLayout::clampedOriginY(900, 300, fullHd), 1080.0 - 300 - 8);
        QCOMPARE(PopoverLayout::clampedOriginY(-40, 2000, fullHd), 8.0);
    }

    void fanArcRisesSixtyFourApartAndBendsRight()
    {
        QCOMPARE(FanGeometry::arcPoint(0), QPointF(0, 41));
        const QPointF p1 = FanGeometry::arcPoint(1);
        QVERIFY(qAbs(p1.x() - (1 - std::cos(64.0 / 2450)) * 2450) < 1e-9);
        QVERIFY(qAbs(p1.x() - 0.8359) < 1e-3);
        QVERIFY(qAbs(p1.y() - 104.99) < 1e-2);
        for (int j = 0; j < 11; ++j) {
            const QPointF a = FanGeometry::arcPoint(j);
            const QPointF b = FanGeometry::arcPoint(j + 1);
            // 64 along the arc: the chord is a hair shorter.
            const double chord = std::hypot(b.x() - a.x(), b.y() - a.y());
            QVERIFY2(chord < 64 && chord > 63.99, qPrintable(QString::number(chord)));
            QVERIFY(b.x() > a.x());
            QCOMPARE(FanGeometry::theta(j), j * 64.0 / 2450);
        }
        QCOMPARE(FanGeometry::pillWidth(80.2), 81.0 + 27);
        QCOMPARE(FanGeometry::pillWidth(80), 80.0 + 27);
    }

    void singleItemFanContainerAndShift()
    {
        const FanGeometry::Layout fan = FanGeometry::layout({{100, 64}});
        const FanGeometry::PlacedItem &item = fan.items.constFirst();
        QCOMPARE(item.size, QSizeF(171, 64));
        QCOMPARE(item.iconInset, 107.0);
        // Its left edge (centre 53.5 left of the icon centre, half width 85.5) lands at 18.
        QCOMPARE(fan.shift, 18.0 + 53.5 + 85.5);
        // One item leaves no room beside its icon: the container widens for the options button
        // (a pill gap right of the icon, 22 wide, then the margin).
        QCOMPARE(fan.containerSize, QSizeF(fan.shift + 32 + 7 + 22 + 18, 41 + 32 + 18));
        QCOMPARE(fan.optionsCentre, QPointF(fan.shift + 32 + 7 + 11, 41));
        QCOMPARE(item.iconCentre, QPointF(fan.shift, 41));
        QCOMPARE(fan.collapseCentre, QPointF(fan.shift, 41));
        // Unclamped, the first icon sits over the anchor.
        QCOMPARE(FanGeometry::originX(fan, 500) + item.iconCentre.x(), 500.0);
    }

    void fanContainerHoldsEveryTiltedItemWithItsMargins()
    {
        QList<FanGeometry::ItemShape> shapes;
        for (int j = 0; j < 10; ++j)
            shapes.append({40.0 + 13 * j, 64});
        shapes.append({150, FanGeometry::folderSize});
        const FanGeometry::Layout fan = FanGeometry::layout(shapes);
        QCOMPARE(fan.items.size(), 11);

        double left = 1e9, right = -1e9, top = -1e9;
        for (int j = 0; j < fan.items.size(); ++j) {
            const FanGeometry::PlacedItem &item = fan.items.at(j);
            QCOMPARE(item.tilt, FanGeometry::theta(j));
            QCOMPARE(item.iconCentre.y(), FanGeometry::arcPoint(j).y());
            QVERIFY(qAbs(item.iconCentre.x() - fan.shift - FanGeometry::arcPoint(j).x()) < 1e-9);
            // The icon centre lies half the inset from the item's centre along the item's axis.
            const QPointF d = item.iconCentre - item.centre;
            QVERIFY(qAbs(std::hypot(d.x(), d.y()) - item.iconInset / 2) < 1e-9);
            QVERIFY(qAbs(std::atan2(-d.y(), d.x()) - item.tilt) < 1e-9);
            for (const QPointF &corner : corners(item)) {
                left = std::min(left, corner.x());
                right = std::max(right, corner.x());
                top = std::max(top, corner.y());
                QVERIFY(corner.y() > 0);
            }
        }
        QCOMPARE(fan.items.last().size, QSizeF(150 + 7 + 58, 58));
        QVERIFY(qAbs(left - 18) < 1e-9);
        // The arc bends right above the first icon: the options button fits beside it, clear
        // of every item, without widening the container.
        QVERIFY(qAbs(fan.containerSize.width() - 18 - right) < 1e-9);
        const QRectF options(fan.optionsCentre - QPointF(11, 11), QSizeF(22, 22));
        QCOMPARE(options.center().y(), fan.items.first().iconCentre.y());
        const QList<QPointF> button{options.topLeft(), options.topRight(), options.bottomRight(),
                                    options.bottomLeft()};
        for (const FanGeometry::PlacedItem &item : fan.items) {
            // corners() gives them in a zigzag; swap the last two for an outline.
            QList<QPointF> outline = corners(item);
            outline.swapItemsAt(2, 3);
            QVERIFY(!overlaps(outline, button));
        }
        QVERIFY(overlaps(button, button));
        QVERIFY(qAbs(fan.containerSize.height() - 18 - top) < 1e-9);
        // Eleven items rise about 640 points.
        QVERIFY(fan.containerSize.height() > 41 + 10 * 63.9);
    }

    void fanPanelStandsOnTheAnchorOrHangsFromIt()
    {
        const FanGeometry::Layout fan = FanGeometry::layout({{100, 64}, {120, 58}});
        const QSizeF size = fan.containerSize;
        // Over a launcher bar 48 high: from the screen's edge, so items rise out of the bar.
        const QRectF up = FanGeometry::panelFrame(fan, {600, 1032, Direction::up, 48}, fullHd);
        QCOMPARE(up.bottom(), 1080.0);
        QCOMPARE(up.height(), size.height() + 48);
        QCOMPARE(up.left() + fan.items.first().iconCentre.x(), 600.0);
        const QRectF down = FanGeometry::panelFrame(fan, {600, 32, Direction::down, 32}, fullHd);
        QCOMPARE(down.top(), 0.0);
        // Without a bar it stands on the pointer.
        QCOMPARE(FanGeometry::panelFrame(fan, upFrom(600, 700), fullHd).bottom(), 700.0);
        // Near the right edge it is clamped, and the first icon no longer sits over the anchor.
        const QRectF clamped = FanGeometry::panelFrame(fan, upFrom(1915, 900), fullHd);
        QCOMPARE(clamped.right(), 1920.0 - 8);
    }

    void fanShowsTenAndCountsTheRest()
    {
        QCOMPARE(FanGeometry::split(14).shown, 10);
        QCOMPARE(FanGeometry::split(14).overflow, 4);
        QCOMPARE(FanGeometry::split(10).shown, 10);
        QCOMPARE(FanGeometry::split(10).overflow, 0);
        QCOMPARE(FanGeometry::split(3).shown, 3);
        QCOMPARE(FanGeometry::split(0).overflow, 0);
    }

    void gridColumns_data()
    {
        QTest::addColumn<int>("tiles");
        QTest::addColumn<double>("visibleWidth");
        QTest::addColumn<int>("columns");
        QTest::newRow("one") << 1 << 1920.0 << 1;
        QTest::newRow("six in a row") << 6 << 1920.0 << 6;
        QTest::newRow("seven: ceil(sqrt(9.1))") << 7 << 1920.0 << 4;
        QTest::newRow("twelve: ceil(sqrt(15.6))") << 12 << 1920.0 << 4;
        QTest::newRow("21: ceil(sqrt(27.3))") << 21 << 1920.0 << 6;
        QTest::newRow("narrow screen") << 6 << 600.0 << 4;
        // (0.9 * 600 - 32 + 6) / 128 = 4.02; four need 597.8.
        QTest::newRow("just four") << 6 << 597.8 << 4;
        QTest::newRow("just under four") << 6 << 597.7 << 3;
        QTest::newRow("tiny screen") << 6 << 100.0 << 1;
        QTest::newRow("nothing") << 0 << 1920.0 << 1;
    }

    void gridColumns()
    {
        QFETCH(int, tiles);
        QFETCH(double, visibleWidth);
        QFETCH(int, columns);
        QCOMPARE(GridColumns::popover(tiles, visibleWidth), columns);
    }

    void gridPanelNearTheRightEdgeKeepsItsBeakAtThePointer()
    {
        GridPanelGeometry::Input input;
        input.tileCount = 3;
        input.tileSize = QSizeF(122, 150);
        input.screen = fullHd;
        input.available = fullHd;
        input.anchor = upFrom(1910, 1040);
        const GridPanelGeometry::Geometry g = GridPanelGeometry::compute(input);
        QCOMPARE(g.columns, 3);
        QCOMPARE(g.gridSize.width(), 16 + 3 * 122 + 2 * 6 + 16.0);
        QCOMPARE(g.frame.right(), 1920.0 - 8);
        // As near the pointer as the corner allows: 20 + 13 from the right edge.
        QCOMPARE(g.beakCentre, g.frame.width() - 33);
        // Stands 2 above the anchor; the beak is 12 of its height.
        QCOMPARE(g.frame.bottom(), 1038.0);
        QCOMPARE(g.frame.height(), 34 + g.visibleGridHeight + 12);
        QCOMPARE(g.body(Direction::up), QRectF(0, 0, g.frame.width(), g.frame.height() - 12));

        // Well inside the screen it is centred on the pointer, beak in the middle.
        input.anchor = upFrom(900, 1040);
        const GridPanelGeometry::Geometry centred = GridPanelGeometry::compute(input);
        QCOMPARE(centred.frame.center().x(), 900.0);
        QCOMPARE(centred.beakCentre, centred.frame.width() / 2);

        // At the left edge.
        input.anchor = upFrom(2, 1040);
        QCOMPARE(GridPanelGeometry::compute(input).frame.left(), 8.0);
        QCOMPARE(GridPanelGeometry::compute(input).beakCentre, 33.0);

        // Opening downwards from a top bar.
        input.anchor = {900, 32, Direction::down, 32};
        const GridPanelGeometry::Geometry down = GridPanelGeometry::compute(input);
        QCOMPARE(down.frame.top(), 34.0);
        QCOMPARE(down.body(Direction::down).top(), 12.0);
    }

    void aGridTooNarrowForItsTitleWidensAndKeepsItsTilesInTheMiddle()
    {
        GridPanelGeometry::Input input;
        input.tileCount = 1;
        input.tileSize = QSizeF(122, 150);
        input.screen = fullHd;
        input.available = fullHd;
        input.anchor = upFrom(900, 1040);
        input.minimumWidth = 220;
        GridPanelGeometry::Geometry g = GridPanelGeometry::compute(input);
        QCOMPARE(g.gridSize.width(), 220.0);
        QCOMPARE(g.frame.width(), 220.0);
        // 154 wide with its insets, so 33 more on each side.
        QCOMPARE(g.tilesLeft, 33.0);
        QCOMPARE(g.frame.center().x(), 900.0);

        input.tileCount = 3;
        g = GridPanelGeometry::compute(input);
        QCOMPARE(g.tilesLeft, 0.0);
        QCOMPARE(g.gridSize.width(), 16 + 3 * 122 + 2 * 6 + 16.0);
    }

    void gridScrollsBeyondTheRoomItHas()
    {
        GridPanelGeometry::Input input;
        input.tileCount = 21;
        input.tileSize = QSizeF(122, 150);
        input.screen = fullHd;
        input.available = fullHd;
        input.anchor = upFrom(900, 1000);
        GridPanelGeometry::Geometry g = GridPanelGeometry::compute(input);
        QCOMPARE(g.columns, 6);
        QCOMPARE(g.rows, 4);
        QCOMPARE(g.gridSize.height(), 16 + 4 * 150 + 3 * 10 + 16.0);
        QVERIFY(!g.scrolls());
        QCOMPARE(g.visibleGridHeight, g.gridSize.height());

        // Room 400: 400 * 0.9 - 12 = 348, less the title bar.
        input.anchor = upFrom(900, 400);
        g = GridPanelGeometry::compute(input);
        QVERIFY(g.scrolls());
        QCOMPARE(g.visibleGridHeight, 348.0 - 34);
        QCOMPARE(GridPanelGeometry::availableHeight(input.anchor, input.available), 348.0);

        // Hardly any room: 140 at least, so 106 of grid.
        input.anchor = upFrom(900, 60);
        g = GridPanelGeometry::compute(input);
        QCOMPARE(g.visibleGridHeight, 106.0);

        QCOMPARE(GridPanelGeometry::tileOrigin(0, 6, input.tileSize), QPointF(16, 16));
        QCOMPARE(GridPanelGeometry::tileOrigin(7, 6, input.tileSize), QPointF(16 + 128, 16 + 160));
    }

    void listWidthAndHeight()
    {
        QCOMPARE(ListPanelGeometry::rowWidth(100.3, false, false), 101.0 + 41 + 19);
        QCOMPARE(ListPanelGeometry::rowWidth(100, true, true), 100.0 + 41 + 19 + 11 + 22);
        // 180 at least; the folder row's text with a row's margins; the widest row; 90 % of
        // the screen.
        QCOMPARE(ListPanelGeometry::width({120, 150}, 90, 1920), 180.0);
        QCOMPARE(ListPanelGeometry::width({120}, 160.5, 1920), 161.0 + 41 + 19);
        QCOMPARE(ListPanelGeometry::width({120, 260, 200}, 90, 1920), 260.0);
        QCOMPARE(ListPanelGeometry::width({1900}, 90, 1920), 1728.0);

        const ListPanelGeometry::Geometry fits =
            ListPanelGeometry::compute(5, 220, upFrom(900, 1000), fullHd, fullHd);
        QVERIFY(!fits.scrolls);
        QCOMPARE(fits.rowsHeight, 5 * 24.0);
        QCOMPARE(fits.frame, QRectF(790, 1000 - 6 - 120 - 64, 220, 120 + 64));

        // Room 300: 300 * 0.9 - 6 - 64 = 200 for rows.
        const ListPanelGeometry::Geometry scrolls =
            ListPanelGeometry::compute(30, 220, upFrom(900, 300), fullHd, fullHd);
        QVERIFY(scrolls.scrolls);
        QCOMPARE(scrolls.rowsHeight, 200.0);
        QCOMPARE(scrolls.frame.bottom(), 294.0);

        const ListPanelGeometry::Geometry down = ListPanelGeometry::compute(
            30, 220, {900, 32, Direction::down, 32}, fullHd, QRectF(0, 32, 1920, 1048));
        QCOMPARE(down.frame.top(), 38.0);
        QVERIFY(!down.scrolls);
    }

    void animationScaleParsesTheWholeValue_data()
    {
        QTest::addColumn<std::optional<QString>>("value");
        QTest::addColumn<double>("factor");
        QTest::newRow("3") << std::optional<QString>(QStringLiteral("3")) << 3.0;
        QTest::newRow("0.5") << std::optional<QString>(QStringLiteral("0.5")) << 0.5;
        QTest::newRow("1e1") << std::optional<QString>(QStringLiteral("1e1")) << 10.0;
        QTest::newRow(".25") << std::optional<QString>(QStringLiteral(".25")) << 0.25;
        QTest::newRow("leading space") << std::optional<QString>(QStringLiteral(" 3")) << 1.0;
        QTest::newRow("trailing space") << std::optional<QString>(QStringLiteral("3 ")) << 1.0;
        QTest::newRow("letters") << std::optional<QString>(QStringLiteral("abc")) << 1.0;
        QTest::newRow("number then letters") << std::optional<QString>(QStringLiteral("3x")) << 1.0;
        QTest::newRow("empty") << std::optional<QString>(QString()) << 1.0;
        QTest::newRow("negative") << std::optional<QString>(QStringLiteral("-2")) << 1.0;
        QTest::newRow("overflow") << std::optional<QString>(QStringLiteral("1e999")) << 1.0;
        QTest::newRow("unset") << std::optional<QString>() << 1.0;
    }

    void animationScaleParsesTheWholeValue()
    {
        QFETCH(std::optional<QString>, value);
        QFETCH(double, factor);
        QCOMPARE(AnimationScale::parse(value), factor);
    }

    void fanOpeningTimeScales()
    {
        QCOMPARE(AnimationScale::fanOpeningSeconds(AnimationScale::parse(QStringLiteral("3"))),
                 1.05);
        QCOMPARE(AnimationScale::fanOpeningSeconds(AnimationScale::parse(QStringLiteral(" 3"))),
                 0.35);
        QCOMPARE(AnimationScale::fanOpeningSeconds(AnimationScale::parse(QStringLiteral("abc"))),
                 0.35);
    }

    void reopenGuardHoldsForAThirdOfASecond()
    {
        ReopenGuard guard;
        QVERIFY(guard.allowsShow(0));
        guard.noteOutsideClick(10);
        QVERIFY(!guard.allowsShow(10));
        QVERIFY(!guard.allowsShow(10.2));
        QVERIFY(!guard.allowsShow(10.35));
        QVERIFY(guard.allowsShow(10.351));
        // A later click starts the time again.
        guard.noteOutsideClick(20);
        QVERIFY(!guard.allowsShow(20.1));
    }
};

QTEST_GUILESS_MAIN(TestPopoverGeometry)
#include "tst_popovergeometry.moc"
