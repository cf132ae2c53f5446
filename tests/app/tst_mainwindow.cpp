#include "appfakes.h"
#include "whenmodal.h"

#include "shell/application.h"
#include "shell/mainwindowfactory.h"
#include "stores/historystore.h"
#include "stores/settingskeys.h"
#include "surfaces/gridtileview.h"
#include "surfaces/trayicon.h"
#include "window/historypanel.h"
#include "window/historytablemodel.h"
#include "window/mainmenubar.h"
#include "window/mainwindowcontroller.h"
#include "window/sidebarview.h"
#include "window/viewmodecontrol.h"

#include <QActionGroup>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

QStringList titles(const QMenu *menu)
{
    QStringList result;
    for (const QAction *action : menu->actions()) {
        if (action->isVisible())
            result.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return result;
}

// What the program offers beyond the window itself.
struct Options {
    bool preferences = false;
    bool uninstall = false;
};

} // namespace

class PageRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

// The main window as the application opens it, over fake disks and a real log.
class TestMainWindow : public QObject {
    Q_OBJECT

    struct Rig {
        FakeServices fakes;
        HistoryStore *history = nullptr;
        std::unique_ptr<Application> application;
        int preferencesMade = 0;
        int uninstalls = 0;

        explicit Rig(const VolumeList &volumes, Options options = {},
                     std::unique_ptr<SettingsStore> defaults = nullptr)
        {
            if (defaults)
                fakes.defaults = std::move(defaults);
            fakes.source->volumes = volumes;
            AppServices services = fakes.make();
            auto log =
                std::make_unique<HistoryStore>(fakes.folder.filePath(QStringLiteral("support")));
            history = log.get();
            services.makeMainWindow = MainWindowFactory::make(*log);
            services.history = std::move(log);
            if (options.preferences) {
                services.makePreferencesPane = [this](Application &, QWidget *parent) {
                    ++preferencesMade;
                    return new QLabel(QStringLiteral("Preferences content"), parent);
                };
            }
            if (options.uninstall)
                services.uninstall = [this](Application &) { ++uninstalls; };
            application = std::make_unique<Application>(std::move(services));
            application->start();
        }

        ~Rig() { application.reset(); }

        MainWindowController *window() const
        {
            return static_cast<MainWindowController *>(application->mainWindow());
        }
        MainWindowController *open(MainWindowPane pane = MainWindowPane::volumes)
        {
            application->openMainWindow(pane);
            return window();
        }
        SettingsStore &defaults() const { return *fakes.defaults; }
        std::optional<bool> storedOpen() const
        {
            return defaults().boolValue(key(SettingsKeys::mainWindowOpen));
        }
    };

    PageRecorder m_pages;

    static int viewModeItems(const MainWindowController *window)
    {
        return int(window->toolbar()->actions().count(window->viewModeItem()));
    }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_pages, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_pages, "open");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    void init() { m_pages.opened.clear(); }

    void windowIsMadeOnFirstOpenWithItsDefaults()
    {
        Rig rig({removableVolume(QStringLiteral("Stick"))});
        QVERIFY(!rig.application->mainWindow());
        MainWindowController *window = rig.open();
        QVERIFY(window);
        QMainWindow *frame = window->window();
        QVERIFY(frame->isVisible());
        QCOMPARE(frame->size(), QSize(900, 560));
        QCOMPARE(frame->minimumSize(), QSize(640, 400));
        QCOMPARE(frame->windowTitle(), QStringLiteral("Quillmere — Volumes"));
        QCOMPARE(window->currentPane(), MainWindowPane::volumes);
        QCOMPARE(rig.storedOpen(), std::optional<bool>(true));
        QCOMPARE(rig.defaults().integer(key(SettingsKeys::mainWindowPane)), 0);

        // The same controller on every later open.
        rig.open(MainWindowPane::history);
        QCOMPARE(rig.window(), window);
        QCOMPARE(frame->windowTitle(), QStringLiteral("Quillmere — History"));
        QCOMPARE(rig.defaults().integer(key(SettingsKeys::mainWindowPane)), 1);

        QListWidget *rows = window->sidebar()->list();
        QCOMPARE(rows->count(), 3);
        QCOMPARE(rows->item(0)->text(), QStringLiteral("Volumes"));
        QCOMPARE(rows->item(1)->text(), QStringLiteral("History"));
        QVERIFY(!rows->item(0)->icon().isNull());
        QCOMPARE(window->sidebar()->feedbackButton()->text(), QStringLiteral("Send Feedback…"));
        window->sidebar()->feedbackButton()->click();
        QCOMPARE(m_pages.opened,
                 QList<QUrl>{QUrl(QStringLiteral("https://quillmere.app/feedback"))});

        // The Volumes pane lists the store's volumes.
        window->showPane(MainWindowPane::volumes);
        QCOMPARE(window->volumesPanel()->tiles().size(), 1);
        QCOMPARE(window->volumesPanel()->tiles().constFirst()->title(), QStringLiteral("Stick"));
    }

    void viewModeItemLeavesAndComesBackOnce()
    {
        Rig rig({});
        MainWindowController *window = rig.open();
        QCOMPARE(viewModeItems(window), 1);
        QCOMPARE(window->toolbar()->actions().constLast(), window->viewModeItem());
        window->showPane(MainWindowPane::history);
        QCOMPARE(viewModeItems(window), 0);
        window->showPane(MainWindowPane::volumes);
        QCOMPARE(viewModeItems(window), 1);
        window->showPane(MainWindowPane::volumes);
        rig.open(MainWindowPane::volumes);
        QCOMPARE(viewModeItems(window), 1);
        QCOMPARE(window->toolbar()->actions().constLast(), window->viewModeItem());
        QTRY_VERIFY(window->viewModeControl()->isVisible());
        window->showPane(MainWindowPane::history);
        QVERIFY(!window->viewModeControl()->isVisible());
    }

    void storedViewModeMustBeTheExactWord()
    {
        {
            Rig rig({});
            rig.defaults().setString(key(SettingsKeys::mainWindowViewMode), QStringLiteral("LIST"));
            QCOMPARE(rig.open()->viewMode(), VolumesPanel::Mode::grid);
            QCOMPARE(rig.window()->volumesPanel()->mode(), VolumesPanel::Mode::grid);
        }
        Rig rig({});
        rig.defaults().setString(key(SettingsKeys::mainWindowViewMode), QStringLiteral("list"));
        MainWindowController *window = rig.open();
        QCOMPARE(window->volumesPanel()->mode(), VolumesPanel::Mode::list);
        QCOMPARE(window->viewModeControl()->selectedSegment(), int(ViewModeControl::listSegment));
        QVERIFY(window->menuBar()->listAction()->isChecked());
        QVERIFY(!window->menuBar()->gridAction()->isChecked());
    }

    void viewModeSwitchesFromTheControlTheMenuAndTheKeys()
    {
        Rig rig({removableVolume(QStringLiteral("Stick"))});
        MainWindowController *window = rig.open();
        const auto stored = [&] {
            return rig.defaults().string(key(SettingsKeys::mainWindowViewMode)).value_or(QString());
        };

        window->viewModeControl()->segmentButton(ViewModeControl::listSegment)->click();
        QCOMPARE(window->volumesPanel()->mode(), VolumesPanel::Mode::list);
        QCOMPARE(window->volumesPanel()->table()->rowCount(), 1);
        QCOMPARE(stored(), QStringLiteral("list"));
        QVERIFY(window->menuBar()->listAction()->isChecked());

        window->menuBar()->gridAction()->trigger();
        QCOMPARE(window->volumesPanel()->mode(), VolumesPanel::Mode::grid);
        QCOMPARE(stored(), QStringLiteral("grid"));
        QCOMPARE(window->viewModeControl()->selectedSegment(), int(ViewModeControl::gridSegment));
        QVERIFY(window->menuBar()->gridAction()->isChecked());

        QCOMPARE(window->menuBar()->listAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_2));
        QCOMPARE(window->menuBar()->gridAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_1));
        QVERIFY(QTest::qWaitForWindowActive(window->window()));
        QTest::keyClick(window->window(), Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(window->viewMode(), VolumesPanel::Mode::list);
        QTest::keyClick(window->window(), Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(window->viewMode(), VolumesPanel::Mode::grid);
    }

    void onlyTheUsersChoiceCallsOnSelect()
    {
        Rig rig({});
        MainWindowController *window = rig.open();
        SidebarView *sidebar = window->sidebar();
        QList<MainWindowPane> chosen;
        const auto original = sidebar->onSelect;
        sidebar->onSelect = [&](MainWindowPane pane) {
            chosen.append(pane);
            original(pane);
        };

        window->showPane(MainWindowPane::history);
        rig.open(MainWindowPane::volumes);
        window->show(MainWindowPane::history);
        QVERIFY(chosen.isEmpty());
        QCOMPARE(sidebar->selectedPane(), std::optional(MainWindowPane::history));

        QListWidget *rows = sidebar->list();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                          rows->visualItemRect(rows->item(0)).center());
        QCOMPARE(chosen, QList<MainWindowPane>{MainWindowPane::volumes});
        QCOMPARE(window->currentPane(), MainWindowPane::volumes);
        QCOMPARE(window->detail()->currentWidget(), window->volumesPanel());

        // A click below the rows leaves one of them chosen.
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                          QPoint(10, rows->viewport()->height() - 3));
        QCOMPARE(sidebar->selectedPane(), std::optional(MainWindowPane::volumes));
        QCOMPARE(chosen.size(), 1);
    }

    void showingTheShownPaneLeavesTheDetailAlone()
    {
        Rig rig({}, {.preferences = true});
        MainWindowController *window = rig.open(MainWindowPane::history);
        QSignalSpy switches(window->detail(), &QStackedWidget::currentChanged);
        window->showPane(MainWindowPane::history);
        rig.open(MainWindowPane::history);
        QCOMPARE(switches.count(), 0);
        window->showPane(MainWindowPane::preferences);
        window->showPane(MainWindowPane::preferences);
        QCOMPARE(switches.count(), 1);
        QCOMPARE(rig.preferencesMade, 1);
    }

    void preferencesPaneOnlyWhenTheProgramHasOne()
    {
        {
            Rig rig({});
            QMenu *tray = rig.application->trayIcon()->menu();
            QVERIFY(!titles(tray).contains(QStringLiteral("Preferences…")));
            MainWindowController *window = rig.open();
            QVERIFY(!window->sidebar()->isPaneAvailable(MainWindowPane::preferences));
            QVERIFY(
                !titles(window->menuBar()->editMenu()).contains(QStringLiteral("Preferences…")));
            // Asked for anyway (a pane stored by another build): the Volumes pane.
            rig.open(MainWindowPane::preferences);
            QCOMPARE(window->currentPane(), MainWindowPane::volumes);
        }

        Rig rig({}, {.preferences = true});
        QMenu *tray = rig.application->trayIcon()->menu();
        QAction *trayItem = nullptr;
        for (QAction *action : tray->actions()) {
            if (action->text() == QStringLiteral("Preferences…"))
                trayItem = action;
        }
        QVERIFY(trayItem);
        QCOMPARE(rig.preferencesMade, 0);
        trayItem->trigger();
        MainWindowController *window = rig.window();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->currentPane(), MainWindowPane::preferences);
        QVERIFY(window->sidebar()->isPaneAvailable(MainWindowPane::preferences));
        QCOMPARE(window->detail()->currentWidget(), window->preferencesPanel());
        QCOMPARE(qobject_cast<QLabel *>(window->preferencesPanel())->text(),
                 QStringLiteral("Preferences content"));
        QCOMPARE(window->window()->windowTitle(), QStringLiteral("Quillmere — Preferences"));
        QCOMPARE(viewModeItems(window), 0);

        window->showPane(MainWindowPane::volumes);
        QStringList edit = titles(window->menuBar()->editMenu());
        QCOMPARE(edit.constLast(), QStringLiteral("Preferences…"));
        QAction *editItem = window->menuBar()->editMenu()->actions().constLast();
        QCOMPARE(editItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
        editItem->trigger();
        QCOMPARE(window->currentPane(), MainWindowPane::preferences);
        QCOMPARE(rig.preferencesMade, 1);
    }

    void menuBarAsTheDesktopExpectsIt()
    {
        Rig rig({}, {.uninstall = true});
        MainMenuBar *menus = rig.open()->menuBar();
        QStringList menuTitles;
        for (const QAction *action : menus->actions())
            menuTitles.append(action->text());
        QCOMPARE(menuTitles, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"),
                                          QStringLiteral("&View"), QStringLiteral("&Window"),
                                          QStringLiteral("&Help")}));
        QCOMPARE(
            titles(menus->fileMenu()),
            (QStringList{QStringLiteral("Eject All"), QStringLiteral("-"), QStringLiteral("Close"),
                         QStringLiteral("-"), QStringLiteral("Uninstall Quillmere…"),
                         QStringLiteral("-"), QStringLiteral("Quit Quillmere")}));
        QCOMPARE(titles(menus->editMenu()),
                 (QStringList{QStringLiteral("Undo"), QStringLiteral("Redo"), QStringLiteral("-"),
                              QStringLiteral("Cut"), QStringLiteral("Copy"),
                              QStringLiteral("Paste"), QStringLiteral("Select All")}));
        // The view options follow the two modes, below a separator, with a check mark each.
        const QStringList view = titles(menus->viewMenu());
        QCOMPARE(view.mid(0, 3), (QStringList{QStringLiteral("as Grid"), QStringLiteral("as List"),
                                              QStringLiteral("-")}));
        QVERIFY(view.indexOf(QStringLiteral("Sort by")) > 2);
        QVERIFY(view.contains(QStringLiteral("View content as")));
        QVERIFY(view.contains(QStringLiteral("Window icon")));
        QCOMPARE(titles(menus->windowMenu()),
                 (QStringList{QStringLiteral("Minimize"), QStringLiteral("Maximize")}));
        QCOMPARE(titles(menus->helpMenu()),
                 (QStringList{QStringLiteral("Quillmere Help"), QStringLiteral("Send Feedback…"),
                              QStringLiteral("-"), QStringLiteral("License Agreement"),
                              QStringLiteral("Privacy Policy"), QStringLiteral("-"),
                              QStringLiteral("About Quillmere")}));
        QCOMPARE(menus->fileMenu()->actions().constFirst()->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));

        QList<QAction *> file = menus->fileMenu()->actions();
        file.at(4)->trigger();
        QCOMPARE(rig.uninstalls, 1);

        for (QAction *action : menus->helpMenu()->actions()) {
            if (!action->isSeparator() && action->text() != QStringLiteral("About Quillmere"))
                action->trigger();
        }
        QCOMPARE(m_pages.opened,
                 (QList<QUrl>{QUrl(QStringLiteral("https://quillmere.app/help")),
                              QUrl(QStringLiteral("https://quillmere.app/feedback")),
                              QUrl(QStringLiteral("https://quillmere.app/legal/eula")),
                              QUrl(QStringLiteral("https://quillmere.app/legal/privacy"))}));

        // Without an uninstaller there is no dead item in its place.
        Rig plain({});
        QVERIFY(!titles(plain.open()->menuBar()->fileMenu())
                     .contains(QStringLiteral("Uninstall Quillmere…")));
    }

    void ejectAllFromTheFileMenu()
    {
        Rig rig({removableVolume(QStringLiteral("A")), removableVolume(QStringLiteral("B"))});
        rig.open()->menuBar()->fileMenu()->actions().constFirst()->trigger();
        QTRY_COMPARE(rig.fakes.operations->calls.size(), 2);
        QCOMPARE(rig.fakes.operations->calls.at(0).operation, QStringLiteral("eject"));
    }

    void viewMenuHasRoomForTheViewOptions()
    {
        int filled = 0;
        MainWindowController::Dependencies deps;
        FakeServices fakes;
        HistoryStore history(fakes.folder.filePath(QStringLiteral("support")));
        deps.history = &history;
        deps.addViewOptionSections = [&filled](QMenu *menu) {
            ++filled;
            menu->addAction(QStringLiteral("Sort by Name"))->setCheckable(true);
        };
        MainWindowController window(std::move(deps));
        window.showPane(MainWindowPane::volumes);
        QVERIFY(!window.window()->isVisible());
        QMenu *view = window.menuBar()->viewMenu();
        const int before = filled;
        emit view->aboutToShow();
        emit view->aboutToShow();
        QCOMPARE(filled, before + 2);
        // Rebuilt each time, never added twice.
        QCOMPARE(titles(view), (QStringList{QStringLiteral("as Grid"), QStringLiteral("as List"),
                                            QStringLiteral("-"), QStringLiteral("Sort by Name")}));
    }

    void viewMenuOpenedManyTimesKeepsItsSize()
    {
        Rig rig({});
        QMenu *view = rig.open()->menuBar()->viewMenu();
        const auto groups = [view] { return view->findChildren<QActionGroup *>().size(); };
        const auto settle = [] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        emit view->aboutToShow();
        settle();
        const qsizetype groupsBefore = groups();
        const qsizetype childrenBefore = view->children().size();
        QCOMPARE(groupsBefore, 3);
        for (int opening = 0; opening < 50; ++opening) {
            emit view->aboutToShow();
            settle();
        }
        QCOMPARE(groups(), groupsBefore);
        QCOMPARE(view->children().size(), childrenBefore);
        QCOMPARE(titles(view).count(QStringLiteral("Sort by")), 1);

        // The check marks still follow the preferences after all those openings.
        QAction *kind = nullptr;
        for (QAction *action : view->actions()) {
            if (action->text() == QStringLiteral("Kind"))
                kind = action;
        }
        QVERIFY(kind);
        kind->trigger();
        emit view->aboutToShow();
        for (QAction *action : view->actions()) {
            if (action->text() == QStringLiteral("Kind"))
                QVERIFY(action->isChecked());
        }
    }

    void editItemsActOnTheFocusedField()
    {
        Rig rig({});
        MainMenuBar *menus = rig.open()->menuBar();
        auto *field = new QLineEdit(QStringLiteral("hello"), rig.window()->window());
        field->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.window()->window()));
        field->setFocus();
        QVERIFY(field->hasFocus());
        emit menus->editMenu()->aboutToShow();
        QAction *selectAll = menus->editMenu()->actions().at(6);
        QAction *copy = menus->editMenu()->actions().at(4);
        QCOMPARE(selectAll->text(), QStringLiteral("Select All"));
        QVERIFY(selectAll->isEnabled());
        QVERIFY(!copy->isEnabled());
        selectAll->trigger();
        QCOMPARE(field->selectedText(), QStringLiteral("hello"));
        emit menus->editMenu()->aboutToShow();
        QVERIFY(copy->isEnabled());
    }

    void aboutBoxShowsTheVersion()
    {
        Rig rig({});
        QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
        MainWindowController *window = rig.open();
        QString text;
        whenModal<QMessageBox>([&](QMessageBox *box) {
            text = box->text() + QLatin1Char(' ') + box->informativeText();
            box->accept();
        });
        window->menuBar()->helpMenu()->actions().constLast()->trigger();
        QVERIFY2(text.contains(QStringLiteral("Quillmere")) &&
                     text.contains(QStringLiteral("Version 9.8.7")),
                 qPrintable(text));
    }

    void trayItemsOpenTheirPanes()
    {
        Rig rig({});
        TrayIcon *tray = rig.application->trayIcon();
        tray->openHistory();
        QVERIFY(rig.window()->isVisible());
        QCOMPARE(rig.window()->currentPane(), MainWindowPane::history);
        tray->openMainWindow();
        QCOMPARE(rig.window()->currentPane(), MainWindowPane::volumes);
    }

    void openQuillmereWithTheWindowShownGoesBackToVolumes()
    {
        Rig rig({}, {.preferences = true});
        TrayIcon *tray = rig.application->trayIcon();
        QAction *openItem = nullptr;
        for (QAction *action : tray->menu()->actions()) {
            if (action->text() == QStringLiteral("Open Quillmere"))
                openItem = action;
        }
        QVERIFY(openItem);
        for (const MainWindowPane away : {MainWindowPane::history, MainWindowPane::preferences}) {
            // From the tray menu's item and from the launcher's action alike.
            for (const bool fromLauncher : {false, true}) {
                MainWindowController *window = rig.open(away);
                QVERIFY(QTest::qWaitForWindowExposed(window->window()));
                QCOMPARE(window->currentPane(), away);
                if (fromLauncher)
                    rig.application->performAction(DesktopAction::open);
                else
                    openItem->trigger();
                QVERIFY(window->window()->isVisible());
                QCOMPARE(window->currentPane(), MainWindowPane::volumes);
                QCOMPARE(window->detail()->currentWidget(), window->volumesPanel());
                QCOMPARE(window->sidebar()->selectedPane(), std::optional(MainWindowPane::volumes));
            }
        }
    }

    void historyPaneFollowsTheApplicationsRecords()
    {
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        Rig rig({stick});
        MainWindowController *window = rig.open(MainWindowPane::history);
        QCOMPARE(window->historyPanel()->model()->rowCount(), 0);
        rig.application->eject(stick);
        QTRY_COMPARE(window->historyPanel()->model()->rowCount(), 1);
        QCOMPARE(window->historyPanel()->model()->entries().constFirst().operation,
                 QStringLiteral("eject"));

        // A volume that disappears is logged as unmounted and shown at once.
        rig.fakes.source->publish({});
        QTRY_COMPARE(window->historyPanel()->model()->rowCount(), 2);
        QCOMPARE(window->historyPanel()->model()->entries().constFirst().operation,
                 QStringLiteral("unmount"));
    }

    void volumesPaneFollowsTheStore()
    {
        Rig rig({removableVolume(QStringLiteral("b-stick"))});
        MainWindowController *window = rig.open();
        QCOMPARE(window->volumesPanel()->volumes().size(), 1);
        Volume other = removableVolume(QStringLiteral("A-disk"));
        rig.fakes.source->publish({removableVolume(QStringLiteral("b-stick")), other});
        QTRY_COMPARE(window->volumesPanel()->volumes().size(), 2);
        // In the user's sort order (by name).
        QCOMPARE(window->volumesPanel()->volumes().constFirst().name, QStringLiteral("A-disk"));
    }

    void closedWindowLetsGoOfItsWidgets()
    {
        Rig rig({removableVolume(QStringLiteral("Stick"))});
        MainWindowController *window = rig.open();
        window->viewAsList();
        QList<bool> seen;
        connect(window, &MainWindowController::visibilityChanged,
                [&seen](bool visible) { seen.append(visible); });
        const QPointer<QMainWindow> frame = window->window();
        frame->close();
        QVERIFY(!window->window());
        QTRY_VERIFY(!frame);
        // The application may still ask for redraws; there is nothing to redraw.
        window->refreshVolumes();
        window->refreshHistory();

        rig.open();
        QCOMPARE(rig.window(), window);
        QVERIFY(window->window() && window->window()->isVisible());
        QCOMPARE(window->volumesPanel()->mode(), VolumesPanel::Mode::list);
        QCOMPARE(window->volumesPanel()->table()->rowCount(), 1);
        rig.open(MainWindowPane::history);
        QCOMPARE(seen, (QList<bool>{false, true}));
    }

    void placeAndSizeAreRestoredAtTheNextStart()
    {
        QRect placed;
        std::unique_ptr<SettingsStore> defaults;
        {
            Rig rig({});
            QMainWindow *frame = rig.open()->window();
            frame->setGeometry(QRect(QPoint(40, 50), QSize(700, 450)));
            placed = frame->geometry();
            frame->close();
            defaults = std::move(rig.fakes.defaults);
            rig.fakes.defaults = SettingsStore::inMemory();
        }
        QVERIFY(defaults->data(key(SettingsKeys::mainWindowGeometry)));
        Rig again({}, {}, std::move(defaults));
        QCOMPARE(again.storedOpen(), std::optional<bool>(false));
        QVERIFY(!again.application->mainWindow());
        QCOMPARE(again.open()->window()->geometry(), placed);
    }

    // Last: the quit closes every window of the test.
    void closingByHandForgetsTheWindowQuittingKeepsIt()
    {
        std::unique_ptr<SettingsStore> defaults;
        {
            Rig rig({});
            MainWindowController *window = rig.open(MainWindowPane::history);
            window->window()->close();
            QVERIFY(!window->isVisible());
            QCOMPARE(rig.storedOpen(), std::optional<bool>(false));

            rig.open(MainWindowPane::history);
            QCOMPARE(rig.storedOpen(), std::optional<bool>(true));
            // What a quit from any menu does: the application closes its windows first.
            QEvent quit(QEvent::Quit);
            QCoreApplication::sendEvent(qApp, &quit);
            QVERIFY(!window->window()->isVisible());
            rig.application->shutdown();
            QCOMPARE(rig.storedOpen(), std::optional<bool>(true));
            defaults = std::move(rig.fakes.defaults);
            rig.fakes.defaults = SettingsStore::inMemory();
        }
        // The next start opens it again, on its pane.
        Rig again({}, {}, std::move(defaults));
        QVERIFY(again.window());
        QVERIFY(again.window()->isVisible());
        QCOMPARE(again.window()->currentPane(), MainWindowPane::history);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
