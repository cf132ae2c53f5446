#include "appfakes.h"

#include "common/desktopplaces.h"
#include "discovery/volumestore.h"
#include "format/volumerowformatter.h"
#include "surfaces/quillmeremark.h"
#include "surfaces/trayicon.h"
#include "surfaces/volumeactionsmenu.h"
#include "surfaces/volumeiconprovider.h"

#include <QMenu>
#include <QTest>
#include <QWidgetAction>

// The tray menu's exact entries for the states a user meets.
class TestTrayIcon : public QObject {
    Q_OBJECT

    struct Rig {
        std::shared_ptr<FakeDiskSource> source = std::make_shared<FakeDiskSource>();
        VolumeStore store{source, VolumeStore::defaultEnabledKinds()};
        VolumeIconProvider icons;
        VolumeActionsMenu actions;
        std::unique_ptr<TrayIcon> status;
        QStringList ejected;
        QStringList remounted;
        QSet<QString> busy;
        int preferencesOpened = 0;

        explicit Rig(const VolumeList &volumes, bool handlers = true)
        {
            source->volumes = volumes;
            store.start();
            status = std::make_unique<TrayIcon>(&store, &icons, &actions);
            if (handlers) {
                status->volumeHandlers =
                    VolumeSurfaceHandlers{[this](const Volume &v) { ejected.append(v.id); },
                                          [this](const Volume &v) { remounted.append(v.id); }};
            }
            status->busyProvider = [this](const Volume &v) { return busy.contains(v.id); };
            status->offersPreferences = true;
            QObject::connect(status.get(), &TrayIcon::preferencesRequested,
                             [this] { ++preferencesOpened; });
            status->rebuild();
        }
    };

    // One line per entry: "-" for a separator, "[gauge]" for the capacity row, the title
    // otherwise, with " (off)" when disabled and " >" when it opens a submenu.
    static QStringList entries(const QMenu *menu)
    {
        QStringList lines;
        for (const QAction *action : menu->actions()) {
            if (action->isSeparator()) {
                lines.append(QStringLiteral("-"));
                continue;
            }
            if (qobject_cast<const QWidgetAction *>(action)) {
                lines.append(QStringLiteral("[gauge]"));
                continue;
            }
            QString line = action->text();
            if (!action->isEnabled())
                line += QStringLiteral(" (off)");
            if (action->menu())
                line += QStringLiteral(" >");
            lines.append(line);
        }
        return lines;
    }

    static QStringList fixedBlock()
    {
        const bool disks = !DesktopPlaces::disksProgram().isEmpty();
        return {QStringLiteral("-"),
                QStringLiteral("Eject All"),
                QStringLiteral("-"),
                QStringLiteral("Open Removable Media in File Manager"),
                QStringLiteral("-"),
                QStringLiteral("History…"),
                QStringLiteral("Preferences…"),
                disks ? QStringLiteral("Open Disks")
                      : QStringLiteral("Open Disks (off)"),
                QStringLiteral("Quit Quillmere")};
    }

    static QMenu *submenuOf(const Rig &rig, int row)
    {
        return rig.status->volumeItems().at(row).second->menu();
    }

    static QAction *entryTitled(QMenu *menu, const QString &title)
    {
        for (QAction *action : menu->actions()) {
            if (action->text() == title)
                return action;
        }
        return nullptr;
    }

private slots:
    void emptyList()
    {
        Rig rig({});
        QStringList expected{QStringLiteral("Open Quillmere"), QStringLiteral("-"),
                             QStringLiteral("No volumes (off)")};
        expected += fixedBlock();
        QCOMPARE(entries(rig.status->menu()), expected);
        QVERIFY(rig.status->volumeItems().isEmpty());
    }

    void preferencesItemOnlyWhereThereIsAPaneToOpen()
    {
        Rig rig({});
        QAction *preferences = entryTitled(rig.status->menu(), QStringLiteral("Preferences…"));
        QVERIFY(preferences);
        preferences->trigger();
        QCOMPARE(rig.preferencesOpened, 1);

        rig.status->offersPreferences = false;
        rig.status->rebuild();
        QStringList expected{QStringLiteral("Open Quillmere"), QStringLiteral("-"),
                             QStringLiteral("No volumes (off)")};
        expected += fixedBlock();
        expected.removeOne(QStringLiteral("Preferences…"));
        QCOMPARE(entries(rig.status->menu()), expected);
    }

    void removableMountedVolumeGetsTheHandledEject()
    {
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        Rig rig({stick});
        QStringList expected{QStringLiteral("Open Quillmere"), QStringLiteral("-"),
                             VolumeRowFormatter::menuLabel(stick) + QStringLiteral(" >")};
        expected += fixedBlock();
        QCOMPARE(entries(rig.status->menu()), expected);

        // The actions menu's own Eject gives way to the one on top.
        QMenu *submenu = submenuOf(rig, 0);
        QCOMPARE(entries(submenu),
                 (QStringList{QStringLiteral("Eject"), QStringLiteral("-"),
                              QStringLiteral("[gauge]"), QStringLiteral("-"),
                              QStringLiteral("Open in File Manager"), QStringLiteral("Copy Path"),
                              QStringLiteral("-"), QStringLiteral("Rename…"), QStringLiteral("-"),
                              QStringLiteral("Erase…")}));

        submenu->actions().constFirst()->trigger();
        QCOMPARE(rig.ejected, QStringList{stick.id});
    }

    void internalVolumeKeepsTheActionsMenu()
    {
        const Volume data = internalVolume(QStringLiteral("Data"));
        Rig rig({data});
        QCOMPARE(entries(submenuOf(rig, 0)),
                 (QStringList{QStringLiteral("[gauge]"), QStringLiteral("-"),
                              QStringLiteral("Open in File Manager"), QStringLiteral("Copy Path"),
                              QStringLiteral("-"), QStringLiteral("Rename…")}));
    }

    void unmountedPartitionWithHandlersOffersRemount()
    {
        const Volume part = removableVolume(QStringLiteral("Part"), false);
        Rig rig({part});
        const QAction *row = rig.status->volumeItems().constFirst().second;
        QVERIFY(row->isEnabled());
        QVERIFY(row->property("quillmereSecondary").toBool());
        QMenu *submenu = submenuOf(rig, 0);
        QCOMPARE(entries(submenu), QStringList{QStringLiteral("Remount")});
        submenu->actions().constFirst()->trigger();
        QCOMPARE(rig.remounted, QStringList{part.id});
    }

    void unmountedPartitionWithoutHandlersIsGreyedWithoutSubmenu()
    {
        const Volume part = removableVolume(QStringLiteral("Part"), false);
        Rig rig({part}, false);
        QStringList expected{QStringLiteral("Open Quillmere"), QStringLiteral("-"),
                             VolumeRowFormatter::menuLabel(part) + QStringLiteral(" (off)")};
        expected += fixedBlock();
        QCOMPARE(entries(rig.status->menu()), expected);
    }

    void mountedRemovableWithoutHandlersKeepsTheGenericEject()
    {
        Rig rig({removableVolume(QStringLiteral("Stick"))}, false);
        const QStringList lines = entries(submenuOf(rig, 0));
        QCOMPARE(lines.constFirst(), QStringLiteral("[gauge]"));
        QCOMPARE(lines.count(QStringLiteral("Eject")), 1);
        QVERIFY(lines.indexOf(QStringLiteral("Eject")) >
                lines.indexOf(QStringLiteral("Copy Path")));
    }

    void busyVolumesShowInFlightEntriesThatDoNothing()
    {
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        Volume part = removableVolume(QStringLiteral("Part"), false);
        part.id = QStringLiteral("id-part");
        Rig rig({stick, part});
        rig.busy = {stick.id, part.id};
        rig.status->rebuild();

        QMenu *partMenu = submenuOf(rig, 0); // "Part" sorts before "Stick"
        QMenu *stickMenu = submenuOf(rig, 1);
        QCOMPARE(entries(partMenu), QStringList{QStringLiteral("Mounting… (off)")});
        QCOMPARE(entries(stickMenu).constFirst(), QStringLiteral("Ejecting… (off)"));
        stickMenu->actions().constFirst()->trigger();
        partMenu->actions().constFirst()->trigger();
        QVERIFY(rig.ejected.isEmpty());
        QVERIFY(rig.remounted.isEmpty());

        // Once the mark is gone the next rebuild brings the normal entries back.
        rig.busy.clear();
        rig.status->rebuild();
        QCOMPARE(entries(submenuOf(rig, 1)).constFirst(), QStringLiteral("Eject"));
        QCOMPARE(entries(submenuOf(rig, 0)), QStringList{QStringLiteral("Remount")});
    }

    void ampersandsInNamesStayVisible()
    {
        const Volume stick = removableVolume(QStringLiteral("Tom & Jerry"));
        Rig rig({stick});
        QAction *row = rig.status->volumeItems().constFirst().second;
        QCOMPARE(row->text(), VolumeRowFormatter::menuLabel(stick).replace(QStringLiteral("&"),
                                                                           QStringLiteral("&&")));
    }

    void rowsFollowTheSortModeAndHiddenKinds()
    {
        Volume small = removableVolume(QStringLiteral("alpha"));
        Volume big = removableVolume(QStringLiteral("Zulu"));
        big.capacityBytes = 9'000'000'000;
        Volume snap = removableVolume(QStringLiteral("core22"));
        snap.id = QStringLiteral("id-snap");
        snap.kind = VolumeKind::systemImage;
        Rig rig({small, snap, big});
        auto names = [&rig] {
            QStringList result;
            for (const auto &[volume, row] : rig.status->volumeItems())
                result.append(volume.name);
            return result;
        };
        QCOMPARE(names(), (QStringList{QStringLiteral("alpha"), QStringLiteral("Zulu")}));
        rig.status->sortMode = SortMode::size;
        rig.status->rebuild();
        QCOMPARE(names(), (QStringList{QStringLiteral("Zulu"), QStringLiteral("alpha")}));
    }

    void activityRefreshChangesOnlyIcons()
    {
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        Rig rig({stick});
        QAction *row = rig.status->volumeItems().constFirst().second;
        QMenu *submenu = row->menu();
        const qint64 before = row->icon().pixmap(TrayIcon::rowIconSize).cacheKey();
        rig.status->activityProvider = [](const Volume &) { return true; };
        rig.status->refreshActivity();
        QCOMPARE(rig.status->volumeItems().constFirst().second, row);
        QCOMPARE(row->menu(), submenu);
        const qint64 active = row->icon().cacheKey();
        QVERIFY(row->icon().pixmap(TrayIcon::rowIconSize).cacheKey() != before);
        // Nothing changed since: the icon is left as it is.
        rig.status->refreshActivity();
        QCOMPARE(row->icon().cacheKey(), active);
    }

    void activityDotSitsBottomRight()
    {
        QPixmap plain(TrayIcon::rowIconSize, TrayIcon::rowIconSize);
        plain.fill(Qt::black);
        const QImage image = TrayIcon::composeRowIcon(plain, true, true)
                                 .pixmap(TrayIcon::rowIconSize)
                                 .toImage();
        const QColor centre = image.pixelColor(15, 15);
        QVERIFY2(centre.green() > 150 && centre.red() < 120, qPrintable(centre.name()));
        QCOMPARE(image.pixelColor(3, 3), QColor(Qt::black));

        // Unmounted rows are drawn faded.
        const QImage faded = TrayIcon::composeRowIcon(plain, false, false)
                                 .pixmap(TrayIcon::rowIconSize)
                                 .toImage();
        QVERIFY(qAbs(faded.pixelColor(3, 3).alpha() - qRound(0.4 * 255)) <= 2);
    }

    void markIsAnEjectSymbol()
    {
        const QImage mark = QuillmereMark::image(64, Qt::red);
        QCOMPARE(mark.pixelColor(31, 20), QColor(Qt::red)); // inside the triangle
        QCOMPARE(mark.pixelColor(31, 57), QColor(Qt::red)); // inside the bar
        QCOMPARE(mark.pixelColor(31, 46).alpha(), 0);       // the gap between them
        QCOMPARE(mark.pixelColor(2, 5).alpha(), 0);         // beside the apex

        // A staging build shows it in red.
        const QImage staging = TrayIcon::statusIcon(true).pixmap(64).toImage();
        QCOMPARE(staging.pixelColor(31, 57), QColor(255, 59, 48));
        QVERIFY(TrayIcon::statusIcon(false).pixmap(64).toImage().pixelColor(31, 57) !=
                QColor(255, 59, 48));
    }
};

QTEST_MAIN(TestTrayIcon)
#include "tst_trayicon.moc"
