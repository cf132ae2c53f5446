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
            status->refresh();
        }
    };

    // One line per entry: "-" for a separator, "[gauge]" for the capacity row, the title
    // otherwise, with " (off)" when disabled and " >" when it opens a submenu.
    static QStringList entries(const QMenu *menu)
    {
        QStringList lines;
        for (const QAction *action : menu->actions()) {
            if (!action->isVisible())
                continue;
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
                disks ? QStringLiteral("Open Disks") : QStringLiteral("Open Disks (off)"),
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
        rig.status->refresh();
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
        rig.status->refresh();

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
        rig.status->refresh();
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
        rig.status->refresh();
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
        const QImage image =
            TrayIcon::composeRowIcon(plain, true, true).pixmap(TrayIcon::rowIconSize).toImage();
        const QColor centre = image.pixelColor(15, 15);
        QVERIFY2(centre.green() > 150 && centre.red() < 120, qPrintable(centre.name()));
        QCOMPARE(image.pixelColor(3, 3), QColor(Qt::black));

        // Unmounted rows are drawn faded.
        const QImage faded =
            TrayIcon::composeRowIcon(plain, false, false).pixmap(TrayIcon::rowIconSize).toImage();
        QVERIFY(qAbs(faded.pixelColor(3, 3).alpha() - qRound(0.4 * 255)) <= 2);
    }

    // A volume arriving, changing and leaving never rebuilds the menu: every other row keeps
    // its action and submenu (and so its exported id), and actions follow the volume, not the
    // row number.
    void menuHoldsStillAcrossVolumeChanges()
    {
        const Volume alpha = removableVolume(QStringLiteral("Alpha"));
        const Volume charlie = removableVolume(QStringLiteral("Charlie"));
        Rig rig({alpha, charlie});
        // What the store lists: identifiers and free space.
        const auto listed = [](const VolumeList &volumes) {
            QStringList lines;
            for (const Volume &volume : volumes)
                lines.append(volume.id + u' ' + QString::number(volume.freeBytes.value_or(-1)));
            return lines;
        };
        const auto publish = [&](const VolumeList &next) {
            rig.source->publish(next);
            QTRY_COMPARE(listed(rig.store.visibleVolumes()), listed(next));
            rig.status->refresh();
        };
        QAction *alphaRow = rig.status->volumeItems().at(0).second;
        QAction *charlieRow = rig.status->volumeItems().at(1).second;
        QMenu *alphaMenu = alphaRow->menu();
        const QList<QAction *> alphaEntries = alphaMenu->actions();
        QAction *alphaEject = alphaEntries.constFirst();

        // Bravo takes its sorted place between them.
        const Volume bravo = removableVolume(QStringLiteral("Bravo"));
        publish({alpha, bravo, charlie});
        const auto items = rig.status->volumeItems();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items.at(0).second, alphaRow);
        QCOMPARE(items.at(1).first.id, bravo.id);
        QCOMPARE(items.at(2).second, charlieRow);
        QCOMPARE(alphaRow->menu(), alphaMenu);
        QCOMPARE(alphaMenu->actions(), alphaEntries);
        // Alpha's Eject, read before Bravo came, still ejects Alpha.
        alphaEject->trigger();
        QCOMPARE(rig.ejected, QStringList{alpha.id});

        // New figures change the gauge's text in place.
        Volume fuller = alpha;
        fuller.freeBytes = 100'000'000;
        publish({fuller, bravo, charlie});
        QCOMPARE(alphaMenu->actions(), alphaEntries);
        auto *gauge = qobject_cast<QWidgetAction *>(alphaEntries.at(2));
        QVERIFY(gauge);
        QVERIFY2(gauge->text().contains(QStringLiteral("100 MB")), qPrintable(gauge->text()));

        // While the menu is open, a departed volume's row stays, disabled, until it closes.
        rig.status->menu()->popup(QPoint(0, 0));
        QTRY_VERIFY(rig.status->menu()->isVisible());
        publish({fuller, bravo});
        QVERIFY(rig.status->menu()->actions().contains(charlieRow));
        QVERIFY(!charlieRow->isEnabled());
        QCOMPARE(rig.status->volumeItems().size(), 2);
        rig.status->menu()->hide();
        QTRY_VERIFY(!rig.status->menu()->actions().contains(charlieRow));
        QCOMPARE(rig.status->volumeItems().at(0).second, alphaRow);

        // A closed menu (or one a tray host shows) loses the row at once.
        publish({bravo});
        QVERIFY(!rig.status->menu()->actions().contains(alphaRow));
        QCOMPARE(entries(rig.status->menu()).mid(2, 2),
                 (QStringList{VolumeRowFormatter::menuLabel(bravo) + QStringLiteral(" >"),
                              QStringLiteral("-")}));
    }

    // Over dbusmenu a widget cannot travel: every row that is not a separator has a label.
    void everyRowHasALabel()
    {
        Rig rig({removableVolume(QStringLiteral("Stick")), internalVolume(QStringLiteral("Data")),
                 removableVolume(QStringLiteral("Part"), false)});
        QList<QMenu *> menus{rig.status->menu()};
        for (const auto &[volume, row] : rig.status->volumeItems())
            menus.append(row->menu());
        for (QMenu *menu : std::as_const(menus)) {
            QVERIFY(menu);
            for (const QAction *action : menu->actions()) {
                if (!action->isSeparator())
                    QVERIFY2(!action->text().isEmpty(), qPrintable(entries(menu).join(u'|')));
            }
        }
    }

    // The tray icon has a theme name for hosts that tint it, and pixels that show on dark and
    // light panels: a dark mark inside a light outline.
    void trayIconShowsOnAnyPanel()
    {
        const QIcon icon = TrayIcon::statusIcon(false);
        QCOMPARE(icon.name(), QStringLiteral("quillmere-symbolic"));
        QVERIFY(TrayIcon::statusIcon(true).name().isEmpty());
        for (int side : {16, 22, 32}) {
            const QImage image = icon.pixmap(side).toImage();
            int dark = 0;
            int light = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor colour = image.pixelColor(x, y);
                    if (colour.alpha() < 200)
                        continue;
                    if (colour.lightness() < 100)
                        ++dark;
                    else if (colour.lightness() > 180)
                        ++light;
                }
            }
            QVERIFY2(
                dark > side && light > side,
                qPrintable(
                    QStringLiteral("%1 px: %2 dark, %3 light").arg(side).arg(dark).arg(light)));
        }
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
