#include "appfakes.h"
#include "volumebuilder.h"

#include "surfaces/gridtileview.h"
#include "surfaces/spinnerview.h"
#include "surfaces/tilehoverframe.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QSignalSpy>
#include <QTest>

namespace {

QPixmap solidIcon(const QColor &colour)
{
    QPixmap pixmap(104, 104);
    pixmap.fill(colour);
    return pixmap;
}

void hover(QWidget *widget)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(widget, &enter);
}

void unhover(QWidget *widget)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

Volume networkShare()
{
    return VolumeBuilder(internalVolume(QStringLiteral("Share")))
        .network()
        .device(QString())
        .wholeDisk(std::nullopt)
        .build();
}

} // namespace

// The grid tile on its own: what it shows for each volume state, what it asks its owner to do.
class TestGridTileView : public QObject {
    Q_OBJECT

private slots:
    void geometryOfTheTile()
    {
        GridTileView tile(removableVolume(QStringLiteral("Stick")), solidIcon(Qt::red));
        QCOMPARE(tile.width(), 122);
        QCOMPARE(tile.iconRect(), QRect(9, 8, 104, 104));
        QCOMPARE(tile.titleRect().top(), 8 + 104 + 4);
        QCOMPARE(tile.titleRect().width(), 114);
        QCOMPARE(tile.height(), tile.titleRect().bottom() + 1 + 8);
        QCOMPARE(tile.overlayButton()->geometry(), QRect(6, 6, 20, 20));
        QCOMPARE(tile.spinner()->pos(), QPoint(12, 6));
        QCOMPARE(tile.dotRect().size(), QSize(7, 7));
        QCOMPARE(tile.accessibleName(), QStringLiteral("Stick"));
    }

    void buttonFollowsTheVolume()
    {
        using Kind = EjectRemountSpec::Kind;
        GridTileView stick(removableVolume(QStringLiteral("Stick")), solidIcon(Qt::red));
        stick.show();
        QCOMPARE(stick.buttonKind(), Kind::eject);
        QVERIFY(stick.overlayButton()->isVisible());
        QCOMPARE(stick.overlayButton()->accessibleName(), QStringLiteral("Eject Stick"));
        QVERIFY(!stick.isDimmed());

        GridTileView internal(internalVolume(QStringLiteral("Data")), solidIcon(Qt::red));
        internal.show();
        QCOMPARE(internal.buttonKind(), Kind::none);
        QVERIFY(!internal.overlayButton()->isVisible());

        GridTileView share(networkShare(), solidIcon(Qt::red));
        share.show();
        QCOMPARE(share.buttonKind(), Kind::eject);
        QVERIFY(share.overlayButton()->isVisible());

        GridTileView partition(removableVolume(QStringLiteral("Part"), false), solidIcon(Qt::red));
        partition.show();
        QCOMPARE(partition.buttonKind(), Kind::remount);
        QVERIFY(partition.isDimmed());
        QCOMPARE(partition.overlayButton()->accessibleName(), QStringLiteral("Remount Part"));

        // An owner without handlers takes the button away.
        stick.setButtonKind(Kind::none);
        QVERIFY(!stick.overlayButton()->isVisible());

        GridTileView folder(solidIcon(Qt::blue), QStringLiteral("Open in File Manager"));
        QVERIFY(!folder.volume());
        QCOMPARE(folder.buttonKind(), Kind::none);
    }

    void buttonClicksBecomeRequestsOfTheirKind()
    {
        GridTileView stick(removableVolume(QStringLiteral("Stick")), solidIcon(Qt::red));
        stick.show();
        QSignalSpy ejects(&stick, &GridTileView::ejectRequested);
        QSignalSpy remounts(&stick, &GridTileView::remountRequested);
        QSignalSpy opens(&stick, &GridTileView::openRequested);
        QTest::mouseClick(stick.overlayButton(), Qt::LeftButton);
        QCOMPARE(ejects.count(), 1);
        QCOMPARE(remounts.count(), 0);
        QCOMPARE(opens.count(), 0);

        GridTileView partition(removableVolume(QStringLiteral("Part"), false), solidIcon(Qt::red));
        partition.show();
        QSignalSpy partitionRemounts(&partition, &GridTileView::remountRequested);
        QSignalSpy partitionEjects(&partition, &GridTileView::ejectRequested);
        QTest::mouseClick(partition.overlayButton(), Qt::LeftButton);
        QCOMPARE(partitionRemounts.count(), 1);
        QCOMPARE(partitionEjects.count(), 0);
    }

    void busyShowsTheSpinnerInsteadOfTheButton()
    {
        GridTileView stick(removableVolume(QStringLiteral("Stick")), solidIcon(Qt::red));
        stick.show();
        QVERIFY(!stick.spinner()->isVisible());
        stick.setBusy(true);
        QVERIFY(stick.spinner()->isVisible());
        QVERIFY(stick.spinner()->isSpinning());
        QVERIFY(!stick.overlayButton()->isVisible());
        stick.setBusy(false);
        QVERIFY(!stick.spinner()->isVisible());
        QVERIFY(!stick.spinner()->isSpinning());
        QVERIFY(stick.overlayButton()->isVisible());

        // A volume without a button shows the spinner all the same.
        GridTileView internal(internalVolume(QStringLiteral("Data")), solidIcon(Qt::red));
        internal.show();
        internal.setBusy(true);
        QVERIFY(internal.spinner()->isVisible());
    }

    void activityDotIsDrawnOnlyWhileActive()
    {
        GridTileView stick(removableVolume(QStringLiteral("Stick")), solidIcon(Qt::white));
        const QPoint centre = stick.dotRect().center();
        const auto isGreen = [](QColor c) { return c.green() > 150 && c.red() < 120; };
        QVERIFY(!isGreen(stick.grab().toImage().pixelColor(centre)));
        stick.setActive(true);
        QVERIFY(stick.isActive());
        QVERIFY(isGreen(stick.grab().toImage().pixelColor(centre)));
        stick.setActive(false);
        QVERIFY(!isGreen(stick.grab().toImage().pixelColor(centre)));
    }

    void unmountedIconIsDimmed()
    {
        const QPoint inIcon(60, 100);
        GridTileView mountedTile(removableVolume(QStringLiteral("A")), solidIcon(Qt::red));
        const QColor full = mountedTile.grab().toImage().pixelColor(inIcon);
        QCOMPARE(full, QColor(Qt::red));
        GridTileView unmountedTile(removableVolume(QStringLiteral("B"), false), solidIcon(Qt::red));
        const QColor dimmed = unmountedTile.grab().toImage().pixelColor(inIcon);
        QVERIFY2(dimmed != full && dimmed.green() > 100, qPrintable(dimmed.name()));
    }

    void primaryClickOpensSecondaryClickAsksForTheMenu()
    {
        GridTileView stick(removableVolume(QStringLiteral("Stick")), solidIcon(Qt::red));
        stick.show();
        QSignalSpy opens(&stick, &GridTileView::openRequested);
        QSignalSpy menus(&stick, &GridTileView::contextMenuRequested);

        QTest::mouseClick(&stick, Qt::LeftButton, {}, stick.iconRect().center());
        QCOMPARE(opens.count(), 1);

        // Pressed on the tile, released elsewhere: nothing.
        QTest::mousePress(&stick, Qt::LeftButton, {}, stick.iconRect().center());
        QTest::mouseRelease(&stick, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(opens.count(), 1);

        QContextMenuEvent context(QContextMenuEvent::Mouse, QPoint(30, 40),
                                  stick.mapToGlobal(QPoint(30, 40)));
        QCoreApplication::sendEvent(&stick, &context);
        QCOMPARE(menus.count(), 1);
        QCOMPARE(menus.at(0).at(0).toPoint(), stick.mapToGlobal(QPoint(30, 40)));
        QCOMPARE(opens.count(), 1);

        stick.setFocus();
        QTest::keyClick(&stick, Qt::Key_Return);
        QCOMPARE(opens.count(), 2);
    }

    void truncatedTitleShowsThePillWhileHovered()
    {
        QWidget window;
        window.resize(600, 300);
        auto *layout = new QHBoxLayout(&window);
        layout->setContentsMargins(0, 40, 0, 0);
        const QString longName = QStringLiteral("A Volume With A Rather Long Name Indeed");
        auto *tile = new GridTileView(removableVolume(longName), solidIcon(Qt::red));
        auto *shortTile =
            new GridTileView(removableVolume(QStringLiteral("Key")), solidIcon(Qt::red));
        layout->addWidget(tile, 0, Qt::AlignTop);
        layout->addWidget(shortTile, 0, Qt::AlignTop);
        layout->addStretch();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QVERIFY(tile->isTitleTruncated());
        QVERIFY(!tile->titlePill());
        hover(tile);
        QWidget *pill = tile->titlePill();
        QVERIFY(pill);
        QCOMPARE(pill->parentWidget(), &window);
        QVERIFY(pill->isVisible());

        // The capsule (the pill less its shadow margin) ends 12 above the tile's lower edge, or
        // lower where the title would show below it, and stays 6 inside the window's left edge
        // although the tile sits at x = 0.
        const QRect tileInWindow(tile->mapTo(&window, QPoint(0, 0)), tile->size());
        const int shadow =
            (pill->width() - QFontMetrics(pill->font()).horizontalAdvance(longName) - 24) / 2;
        const QRect capsule = pill->geometry().adjusted(shadow, shadow, -shadow, -shadow);
        const int titleBottom = tileInWindow.top() + tile->titleRect().bottom();
        QCOMPARE(capsule.bottom(), std::max(tileInWindow.bottom() - 12, titleBottom));
        QCOMPARE(capsule.left(), 6);

        unhover(tile);
        QVERIFY(!tile->titlePill());

        // A title that fits has no pill.
        QVERIFY(!shortTile->isTitleTruncated());
        hover(shortTile);
        QVERIFY(!shortTile->titlePill());

        // A tile that goes while its pill shows takes the pill with it.
        hover(tile);
        QPointer<QWidget> shown = tile->titlePill();
        QVERIFY(shown);
        delete tile;
        QVERIFY(!shown);
    }

    void pillIsCentredOnATileAwayFromTheEdges()
    {
        QWidget window;
        window.resize(800, 300);
        const QString longName = QStringLiteral("Another Volume With A Long Name");
        auto *tile = new GridTileView(removableVolume(longName), solidIcon(Qt::red), &window);
        tile->move(300, 20);
        window.show();
        hover(tile);
        QWidget *pill = tile->titlePill();
        QVERIFY(pill);
        // Within the rounding of halving odd widths.
        QVERIFY(qAbs(pill->geometry().center().x() - tile->geometry().center().x()) <= 1);
    }

    void hoverFrameHighlightsWhilePointerIsOver()
    {
        TileHoverFrame frame(
            new GridTileView(removableVolume(QStringLiteral("Stick")), solidIcon(Qt::red)));
        frame.show();
        QCOMPARE(frame.size(), frame.content()->size());
        QVERIFY(!frame.isHighlighted());
        hover(&frame);
        QVERIFY(frame.isHighlighted());
        const QColor corner = frame.grab().toImage().pixelColor(frame.width() - 12, 4);
        QCOMPARE(corner.rgb(), TileHoverFrame::highlightColour(frame.palette()).rgb());
        unhover(&frame);
        QVERIFY(!frame.isHighlighted());
    }
};

QTEST_MAIN(TestGridTileView)
#include "tst_gridtileview.moc"
