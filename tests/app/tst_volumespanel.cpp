#include "appfakes.h"
#include "volumebuilder.h"

#include "format/gridcolumns.h"
#include "surfaces/capacitygaugeview.h"
#include "surfaces/gridtileview.h"
#include "surfaces/spinnerview.h"
#include "surfaces/volumeactionsmenu.h"
#include "surfaces/volumeiconprovider.h"
#include "window/volumespanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace {

Volume networkShare()
{
    return VolumeBuilder(internalVolume(QStringLiteral("Share")))
        .id(QStringLiteral("id-share"))
        .network()
        .device(QString())
        .wholeDisk(std::nullopt)
        .mountPath(QStringLiteral("/mnt/share"))
        .build();
}

} // namespace

// Stands in for the desktop's file manager.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

// The Volumes pane over scripted providers: what each mode shows and what clicks do.
class TestVolumesPanel : public QObject {
    Q_OBJECT

    struct Rig {
        VolumeList volumes;
        QSet<QString> busy;
        QSet<QString> active;
        QStringList ejected;
        QStringList remounted;
        int providerCalls = 0;
        VolumeIconProvider icons;
        VolumeActionsMenu actions;
        std::unique_ptr<VolumesPanel> panel;

        explicit Rig(const VolumeList &list, VolumesPanel::Mode mode = VolumesPanel::Mode::grid)
            : volumes(list)
        {
            VolumesPanel::Dependencies deps;
            deps.volumesProvider = [this] {
                ++providerCalls;
                return volumes;
            };
            deps.icons = &icons;
            deps.actions = &actions;
            deps.handlers =
                VolumeSurfaceHandlers{[this](const Volume &v) { ejected.append(v.id); },
                                      [this](const Volume &v) { remounted.append(v.id); }};
            deps.busyProvider = [this](const Volume &v) { return busy.contains(v.id); };
            deps.activityProvider = [this](const Volume &v) { return active.contains(v.id); };
            panel = std::make_unique<VolumesPanel>(std::move(deps));
            panel->resize(600, 400);
            panel->setMode(mode);
            panel->show();
        }

        QAbstractButton *listButton(int row) const
        {
            QWidget *cell = panel->table()->cellWidget(row, VolumesPanel::actionColumn);
            return cell ? cell->findChild<QAbstractButton *>() : nullptr;
        }
        SpinnerView *listSpinner(int row) const
        {
            QWidget *cell = panel->table()->cellWidget(row, VolumesPanel::actionColumn);
            return cell ? cell->findChild<SpinnerView *>() : nullptr;
        }
        GridTileView *tile(int index) const { return panel->tiles().value(index); }
        QPoint rowCentre(int row, int column = VolumesPanel::nameColumn) const
        {
            QTableWidget *table = panel->table();
            return table->visualRect(table->model()->index(row, column)).center();
        }
    };

    UrlRecorder m_urls;

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "open");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void init() { m_urls.opened.clear(); }

    void everyGridColumnIsInReachBesideAScrollBar()
    {
        VolumeList volumes;
        for (int n = 0; n < 12; ++n)
            volumes.append(removableVolume(QStringLiteral("Volume %1").arg(n)));
        Rig rig(volumes);
        QScrollArea *scroll = rig.panel->gridView();
        QWidget *viewport = scroll->viewport();
        // Three columns' room in the panel, but not beside the scroll bar that twelve tiles need.
        for (const int width : {431, 440, 300, 431}) {
            rig.panel->resize(width, 260);
            QTRY_VERIFY(scroll->verticalScrollBar()->isVisible());
            QTRY_COMPARE(rig.panel->lastGridColumns(),
                         GridColumns::volumesPanel(viewport->width()));
            QCOMPARE(rig.panel->tiles().size(), 12);
            for (GridTileView *tile : rig.panel->tiles()) {
                const int right = tile->mapTo(viewport, QPoint(tile->width(), 0)).x();
                QVERIFY2(right <= viewport->width(),
                         qPrintable(QStringLiteral("%1: tile ends at %2 of %3")
                                        .arg(width)
                                        .arg(right)
                                        .arg(viewport->width())));
            }
        }
        QCOMPARE(rig.panel->lastGridColumns(), 2);

        // Tall enough for every row, the scroll bar goes and the third column comes back.
        rig.panel->resize(431, 2000);
        QTRY_VERIFY(!scroll->verticalScrollBar()->isVisible());
        QTRY_COMPARE(rig.panel->lastGridColumns(), 3);
    }

    void gridColumnsFollowTheWidth()
    {
        VolumeList volumes;
        for (const char *name : {"A", "B", "C", "D", "E"})
            volumes.append(removableVolume(QString::fromLatin1(name)));
        Rig rig(volumes);
        // Tall enough for every row at one column: no scroll bar takes room (see below).
        rig.panel->resize(300, 1000);
        QCOMPARE(rig.panel->lastGridColumns(), 2);
        // Rows of two: the third tile starts the second row.
        QCOMPARE(rig.tile(2)->mapTo(rig.panel.get(), QPoint()).x(),
                 rig.tile(0)->mapTo(rig.panel.get(), QPoint()).x());
        QVERIFY(rig.tile(2)->mapTo(rig.panel.get(), QPoint()).y() >
                rig.tile(1)->mapTo(rig.panel.get(), QPoint()).y());

        rig.panel->resize(200, 1000);
        QCOMPARE(rig.panel->lastGridColumns(), 1);

        // Growing without reaching a new column keeps the tiles; past 430 they are rebuilt.
        rig.panel->resize(300, 1000);
        const QPointer<GridTileView> before = rig.tile(0);
        rig.panel->resize(429, 1000);
        QCOMPARE(rig.tile(0), before.data());
        rig.panel->resize(431, 1000);
        QCOMPARE(rig.panel->lastGridColumns(), 3);
        QVERIFY(rig.tile(0) != before.data());
        QCOMPARE(rig.tile(3)->mapTo(rig.panel.get(), QPoint()).x(),
                 rig.tile(0)->mapTo(rig.panel.get(), QPoint()).x());

        // Tiles are 20 from the edges and 12 apart.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QPoint first = rig.tile(0)->mapTo(rig.panel->gridView()->widget(), QPoint());
        const QPoint second = rig.tile(1)->mapTo(rig.panel->gridView()->widget(), QPoint());
        QCOMPARE(first, QPoint(20, 20));
        QCOMPARE(second.x() - first.x(), 122 + 12);
    }

    void aChangedCountRebuildsTheGrid()
    {
        Rig rig({removableVolume(QStringLiteral("A"))});
        QCOMPARE(rig.panel->tiles().size(), 1);
        rig.volumes.append(removableVolume(QStringLiteral("B")));
        rig.panel->refresh();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(rig.panel->tiles().size(), 2);
        QCOMPARE(rig.tile(1)->title(), QStringLiteral("B"));
    }

    void emptyListSaysNoVolumesInBothModes()
    {
        for (const auto mode : {VolumesPanel::Mode::grid, VolumesPanel::Mode::list}) {
            Rig rig({}, mode);
            QVERIFY(rig.panel->emptyLabel()->isVisible());
            QCOMPARE(rig.panel->emptyLabel()->text(), QStringLiteral("No Volumes"));
            QCOMPARE(rig.panel->table()->rowCount(), 0);
            QVERIFY(rig.panel->tiles().isEmpty());

            rig.volumes = {removableVolume(QStringLiteral("A"))};
            rig.panel->refresh();
            QVERIFY(!rig.panel->emptyLabel()->isVisible());
        }
    }

    void onlyTheCurrentModeIsVisible()
    {
        Rig rig({removableVolume(QStringLiteral("A"))});
        QVERIFY(rig.panel->gridView()->isVisible());
        QVERIFY(!rig.panel->table()->isVisible());
        rig.panel->setMode(VolumesPanel::Mode::list);
        QVERIFY(!rig.panel->gridView()->isVisible());
        QVERIFY(rig.panel->table()->isVisible());
        QCOMPARE(rig.panel->table()->rowCount(), 1);
    }

    void ejectButtonOnlyWhereEjectingMakesSense()
    {
        const Volume data = internalVolume(QStringLiteral("Data"));
        const Volume share = networkShare();
        const Volume stick = removableVolume(QStringLiteral("Stick"));

        Rig grid({data, share, stick});
        QVERIFY(!grid.tile(0)->overlayButton()->isVisible());
        QVERIFY(grid.tile(1)->overlayButton()->isVisible());
        QVERIFY(grid.tile(2)->overlayButton()->isVisible());
        QTest::mouseClick(grid.tile(1)->overlayButton(), Qt::LeftButton);
        QCOMPARE(grid.ejected, QStringList{share.id});

        Rig list({data, share, stick}, VolumesPanel::Mode::list);
        QVERIFY(!list.listButton(0));
        QVERIFY(list.listButton(1));
        QCOMPARE(list.listButton(1)->accessibleName(), QStringLiteral("Eject Share"));
        QVERIFY(list.listButton(2));
        QTest::mouseClick(list.listButton(2), Qt::LeftButton);
        QCOMPARE(list.ejected, QStringList{stick.id});
        QVERIFY(list.remounted.isEmpty());
    }

    void busyVolumeShowsTheSpinnerInsteadOfTheButton()
    {
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        Rig list({stick}, VolumesPanel::Mode::list);
        list.busy.insert(stick.id);
        list.panel->refresh();
        QVERIFY(list.listSpinner(0));
        QVERIFY(list.listSpinner(0)->isVisible());
        QVERIFY(!list.listButton(0));
        list.busy.clear();
        list.panel->refresh();
        QVERIFY(!list.listSpinner(0));
        QVERIFY(list.listButton(0));

        Rig grid({stick});
        grid.busy.insert(stick.id);
        grid.panel->refresh();
        QVERIFY(grid.tile(0)->isBusy());
        QVERIFY(grid.tile(0)->spinner()->isVisible());
    }

    void clickingAnUnmountedRowRemountsOnce()
    {
        const Volume part = removableVolume(QStringLiteral("Part"), false);
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        Rig rig({part, stick}, VolumesPanel::Mode::list);
        QWidget *viewport = rig.panel->table()->viewport();

        QTest::mouseClick(viewport, Qt::LeftButton, {}, rig.rowCentre(0));
        QCOMPARE(rig.remounted, QStringList{part.id});
        QVERIFY(m_urls.opened.isEmpty());

        // On a cell showing a text, and on the empty space beside the button, all the same.
        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          rig.rowCentre(0, VolumesPanel::spaceColumn));
        QCOMPARE(rig.remounted.size(), 2);

        QTest::mouseClick(viewport, Qt::LeftButton, {}, rig.rowCentre(1));
        QCOMPARE(m_urls.opened, QList<QUrl>{QUrl::fromLocalFile(stick.mountPath)});
        QCOMPARE(rig.remounted.size(), 2);

        // Below the last row nothing happens.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(50, viewport->height() - 5));
        QCOMPARE(rig.remounted.size(), 2);
        QCOMPARE(m_urls.opened.size(), 1);
        QVERIFY(rig.ejected.isEmpty());
    }

    void clickingATileOpensOrRemounts()
    {
        const Volume part = removableVolume(QStringLiteral("Part"), false);
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        Rig rig({part, stick});
        QTest::mouseClick(rig.tile(0), Qt::LeftButton, {}, rig.tile(0)->iconRect().center());
        QCOMPARE(rig.remounted, QStringList{part.id});
        QTest::mouseClick(rig.tile(1), Qt::LeftButton, {}, rig.tile(1)->iconRect().center());
        QCOMPARE(m_urls.opened, QList<QUrl>{QUrl::fromLocalFile(stick.mountPath)});
        QCOMPARE(rig.remounted.size(), 1);
    }

    void contextMenusComeFromTheActionsMenuOrOfferRemount()
    {
        const Volume part = removableVolume(QStringLiteral("Part"), false);
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        Rig rig({part, stick});

        std::unique_ptr<QMenu> mounted(rig.panel->makeContextMenu(stick, nullptr));
        QStringList titles;
        for (const QAction *action : mounted->actions()) {
            if (!action->isSeparator() && !action->text().isEmpty())
                titles.append(action->text());
        }
        QVERIFY2(titles.contains(QStringLiteral("Open in File Manager")),
                 qPrintable(titles.join(',')));
        QVERIFY(titles.contains(QStringLiteral("Eject")));

        std::unique_ptr<QMenu> unmounted(rig.panel->makeContextMenu(part, nullptr));
        QCOMPARE(unmounted->actions().size(), 1);
        QCOMPARE(unmounted->actions().constFirst()->text(), QStringLiteral("Remount"));
        unmounted->actions().constFirst()->trigger();
        QCOMPARE(rig.remounted, QStringList{part.id});
    }

    void rightClickSelectsTheRowAndShowsItsMenu()
    {
        const Volume part = removableVolume(QStringLiteral("Part"), false);
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        Rig rig({part, stick}, VolumesPanel::Mode::list);
        QTableWidget *table = rig.panel->table();
        emit table->customContextMenuRequested(rig.rowCentre(0));
        QCOMPARE(table->currentRow(), 0);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions().constFirst()->text(), QStringLiteral("Remount"));
        menu->close();

        // Outside the rows there is no volume to act on.
        emit table->customContextMenuRequested(QPoint(20, table->viewport()->height() - 4));
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(table->currentRow(), 0);

        // A tile asks for its volume's menu in the same way.
        rig.panel->setMode(VolumesPanel::Mode::grid);
        emit rig.tile(1)->contextMenuRequested(rig.tile(1)->mapToGlobal(QPoint(10, 10)));
        menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QVERIFY(menu->actions().size() > 1);
        menu->close();
    }

    void activityRefreshTouchesOnlyTheDots()
    {
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        Rig grid({stick});
        const QPointer<GridTileView> tile = grid.tile(0);
        const int calls = grid.providerCalls;
        QVERIFY(!tile->isActive());
        grid.active.insert(stick.id);
        grid.panel->refreshActivity();
        QCOMPARE(grid.tile(0), tile.data());
        QVERIFY(tile->isActive());
        QCOMPARE(grid.providerCalls, calls);
        QCOMPARE(grid.panel->activityBindingCount(), 1);

        Rig list({stick}, VolumesPanel::Mode::list);
        QWidget *nameCell = list.panel->table()->cellWidget(0, VolumesPanel::nameColumn);
        const QList<QWidget *> before = nameCell->findChildren<QWidget *>();
        const auto dotVisible = [&] {
            for (QWidget *child : nameCell->findChildren<QWidget *>()) {
                if (child->size() == QSize(6, 6))
                    return child->isVisible();
            }
            return false;
        };
        QVERIFY(!dotVisible());
        list.active.insert(stick.id);
        list.panel->refreshActivity();
        QVERIFY(dotVisible());
        QCOMPARE(list.panel->table()->cellWidget(0, VolumesPanel::nameColumn), nameCell);
        QCOMPARE(nameCell->findChildren<QWidget *>(), before);
        list.active.clear();
        list.panel->refreshActivity();
        QVERIFY(!dotVisible());
    }

    void tableColumnsAndCells()
    {
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        Volume unknownFree = removableVolume(QStringLiteral("Odd"));
        unknownFree.id = QStringLiteral("id-odd");
        unknownFree.freeBytes.reset();
        const Volume part = removableVolume(QStringLiteral("Part"), false);
        Rig rig({stick, unknownFree, part}, VolumesPanel::Mode::list);
        QTableWidget *table = rig.panel->table();

        QStringList headers;
        for (int column = 0; column < table->columnCount(); ++column)
            headers.append(table->horizontalHeaderItem(column)->text());
        QCOMPARE(headers, (QStringList{QStringLiteral("Name"), QStringLiteral("Capacity"),
                                       QStringLiteral("Available"), QString()}));
        QCOMPARE(table->horizontalHeader()->sectionSize(VolumesPanel::capacityColumn), 176);
        QCOMPARE(table->horizontalHeader()->sectionSize(VolumesPanel::spaceColumn), 170);
        QCOMPARE(table->horizontalHeader()->sectionSize(VolumesPanel::actionColumn), 40);
        QCOMPARE(table->rowHeight(0), 32);

        // The gauge only where capacity and free space are known, and mounted.
        const auto gauge = [&](int row) {
            return table->cellWidget(row, VolumesPanel::capacityColumn)
                ->findChild<CapacityGaugeView *>();
        };
        QVERIFY(gauge(0));
        QCOMPARE(gauge(0)->size(), QSize(160, 16));
        QCOMPARE(gauge(0)->level(), 75.0);
        QVERIFY(!gauge(1));
        QVERIFY(!gauge(2));

        const auto available = [&](int row) {
            return qobject_cast<QLabel *>(table->cellWidget(row, VolumesPanel::spaceColumn))
                ->text();
        };
        QCOMPARE(available(0), QStringLiteral("500 MB free of 2 GB"));
        QCOMPARE(available(1), QStringLiteral("—"));

        // The name cell speaks the row summary; the remount button names its volume.
        QVERIFY(table->cellWidget(0, VolumesPanel::nameColumn)
                    ->accessibleName()
                    .startsWith(QStringLiteral("Stick, ")));
        QCOMPARE(rig.listButton(2)->accessibleName(), QStringLiteral("Remount Part"));
        QTest::mouseClick(rig.listButton(2), Qt::LeftButton);
        QCOMPARE(rig.remounted, QStringList{part.id});
    }

    void withoutHandlersThereAreNoButtons()
    {
        VolumeIconProvider icons;
        VolumesPanel::Dependencies deps;
        deps.volumesProvider = [] { return VolumeList{removableVolume(QStringLiteral("A"))}; };
        deps.icons = &icons;
        VolumesPanel panel(std::move(deps));
        panel.show();
        QCOMPARE(panel.tiles().size(), 1);
        QVERIFY(!panel.tiles().constFirst()->overlayButton()->isVisible());
        panel.setMode(VolumesPanel::Mode::list);
        QVERIFY(!panel.table()
                     ->cellWidget(0, VolumesPanel::actionColumn)
                     ->findChild<QAbstractButton *>());
    }
};

QTEST_MAIN(TestVolumesPanel)
#include "tst_volumespanel.moc"
