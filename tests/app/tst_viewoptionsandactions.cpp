#include "appfakes.h"

#include "discovery/volumestore.h"
#include "services/singleinstance.h"
#include "shell/application.h"
#include "shell/desktopactions.h"
#include "stores/preferencesstore.h"
#include "surfaces/trayicon.h"
#include "surfaces/viewoptionsmenu.h"
#include "surfaces/volumespopover.h"
#include "surfaces/windowicon.h"

#include "fakes/privatebus.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>

namespace {

// The lines of a menu: "-" for separators, "(title)" for disabled entries, "✓ " before checked
// ones.
QStringList entries(const QMenu *menu)
{
    QStringList lines;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            lines.append(QStringLiteral("-"));
        else if (!action->isEnabled())
            lines.append(QLatin1Char('(') + action->text() + QLatin1Char(')'));
        else
            lines.append((action->isChecked() ? QStringLiteral("✓ ") : QString()) + action->text());
    }
    return lines;
}

QAction *entry(QMenu *menu, const QString &title)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == title)
            return action;
    }
    return nullptr;
}

// A application over fakes with the real popover, shown without animation at a fixed point.
struct Program {
    FakeServices fakes;
    std::unique_ptr<Application> application;
    bool disksDescribed = true;
    std::function<void()> describeDisks;

    explicit Program(const VolumeList &volumes)
    {
        fakes.source->volumes = volumes;
        AppServices services = fakes.make();
        services.reduceMotion = [] { return true; };
        services.makePopover = [](Application &d) -> std::unique_ptr<PopoverSurface> {
            auto popover = std::make_unique<VolumesPopover>(&d.store(), &d.icons(), &d.actions());
            popover->pointerPosition = [] { return QPoint(400, 560); };
            popover->compositing = [] { return false; };
            popover->openFolder = [](const QString &) {};
            return popover;
        };
        services.untilDiskServiceAnswered = [this]() -> QCoro::Task<> { return waitForDisks(); };
        application = std::make_unique<Application>(std::move(services));
    }

    QCoro::Task<> waitForDisks()
    {
        if (!disksDescribed) {
            struct Gate {
                Program *program;
                bool await_ready() const noexcept { return program->disksDescribed; }
                void await_suspend(std::coroutine_handle<> handle)
                {
                    program->describeDisks = [handle] { handle.resume(); };
                }
                void await_resume() const noexcept {}
            };
            co_await Gate{this};
        }
    }

    PreferencesStore &prefs() { return application->prefs(); }
    VolumesPopover *popover() { return static_cast<VolumesPopover *>(application->popover()); }
};

} // namespace

// The view options as the popover's options menu and the window's View menu show them, how a
// choice reaches every surface, and the launcher's desktop actions from the .desktop file to
// the running instance.
class TestViewOptionsAndActions : public QObject {
    Q_OBJECT

private slots:
    void sectionsShowTheStoredValues()
    {
        Program program({removableVolume(QStringLiteral("Stick"))});
        program.prefs().setSortMode(SortMode::size);
        program.prefs().setWindowIconMode(WindowIconMode::stack);
        program.prefs().setPopoverViewMode(PopoverViewMode::list);
        QMenu menu;
        program.application->addViewOptionSections(&menu);
        QCOMPARE(entries(&menu),
                 (QStringList{QStringLiteral("(Sort by)"), QStringLiteral("Name"),
                              QStringLiteral("Kind"), QStringLiteral("✓ Size"),
                              QStringLiteral("Free Space"), QStringLiteral("-"),
                              QStringLiteral("(Window icon)"), QStringLiteral("Program Icon"),
                              QStringLiteral("✓ Volume Stack"), QStringLiteral("-"),
                              QStringLiteral("(View content as)"), QStringLiteral("Fan"),
                              QStringLiteral("Grid"), QStringLiteral("✓ List"),
                              QStringLiteral("Automatic")}));
        QCOMPARE(entry(&menu, QStringLiteral("Free Space"))->data().toString(),
                 QStringLiteral("free"));

        // A menu kept for long (the window's View menu) shows what is stored when it opens.
        program.prefs().setSortMode(SortMode::kind);
        emit menu.aboutToShow();
        QVERIFY(entry(&menu, QStringLiteral("Kind"))->isChecked());
        QVERIFY(!entry(&menu, QStringLiteral("Size"))->isChecked());

        // A menu that already holds entries gets a separator first.
        QMenu view;
        view.addAction(QStringLiteral("as Grid"));
        program.application->addViewOptionSections(&view);
        QCOMPARE(entries(&view).mid(0, 3),
                 (QStringList{QStringLiteral("as Grid"), QStringLiteral("-"),
                              QStringLiteral("(Sort by)")}));
    }

    void choosingAnOptionStoresItAndUpdatesEverySurface()
    {
        Program program(
            {removableVolume(QStringLiteral("Stick")), removableVolume(QStringLiteral("Archive"))});
        program.application->start();
        VolumesPopover *popover = program.popover();
        QVERIFY(popover);
        popover->show();
        QCOMPARE(popover->currentLayout(), PopoverLayout::Layout::grid);

        QMenu menu;
        program.application->addViewOptionSections(&menu);
        entry(&menu, QStringLiteral("Free Space"))->trigger();
        QCOMPARE(enumName(program.prefs().sortMode()), enumName(SortMode::free));
        QCOMPARE(enumName(program.application->trayIcon()->sortMode), enumName(SortMode::free));
        QCOMPARE(enumName(popover->sortMode), enumName(SortMode::free));
        QCOMPARE(enumName(program.application->windowIcon()->sortMode), enumName(SortMode::free));
        QVERIFY(entry(&menu, QStringLiteral("Free Space"))->isChecked());

        entry(&menu, QStringLiteral("List"))->trigger();
        QCOMPARE(enumName(program.prefs().popoverViewMode()), enumName(PopoverViewMode::list));
        QCOMPARE(enumName(popover->viewMode), enumName(PopoverViewMode::list));
        // Rebuilt at once while open.
        QCOMPARE(popover->currentLayout(), PopoverLayout::Layout::list);

        entry(&menu, QStringLiteral("Volume Stack"))->trigger();
        QCOMPARE(enumName(program.prefs().windowIconMode()), enumName(WindowIconMode::stack));
        QCOMPARE(enumName(program.application->windowIcon()->mode),
                 enumName(WindowIconMode::stack));
    }

    void anUnknownValueChangesNothing()
    {
        Program program({removableVolume(QStringLiteral("Stick"))});
        program.application->start();
        QMenu menu;
        program.application->addViewOptionSections(&menu);
        QAction *name = entry(&menu, QStringLiteral("Name"));
        QAction *grid = entry(&menu, QStringLiteral("Grid"));
        QAction *icon = entry(&menu, QStringLiteral("Program Icon"));
        QVERIFY(name->isChecked() && grid->isChecked() && icon->isChecked());

        // Stored values that only differ in case are not the raw values either.
        QAction *size = entry(&menu, QStringLiteral("Size"));
        size->setData(QStringLiteral("Size"));
        size->trigger();
        QCOMPARE(enumName(program.prefs().sortMode()), enumName(SortMode::name));
        QVERIFY(name->isChecked());
        QVERIFY(!size->isChecked());

        QAction *fan = entry(&menu, QStringLiteral("Fan"));
        fan->setData(QStringLiteral("spiral"));
        fan->trigger();
        QCOMPARE(enumName(program.prefs().popoverViewMode()), enumName(PopoverViewMode::grid));
        QCOMPARE(enumName(program.popover()->viewMode), enumName(PopoverViewMode::grid));
        QVERIFY(grid->isChecked());

        QAction stray;
        program.application->selectDisplay(&stray);
        program.application->selectDisplay(nullptr);
        QCOMPARE(enumName(program.prefs().windowIconMode()), enumName(WindowIconMode::icon));
    }

    void popoverOptionsMenuCarriesTheSections()
    {
        Program program({removableVolume(QStringLiteral("Stick"))});
        program.prefs().setPopoverViewMode(PopoverViewMode::list);
        program.application->start();
        VolumesPopover *popover = program.popover();
        popover->show();
        popover->optionsButton()->click();
        QMenu *options = popover->openMenu();
        QVERIFY(options);
        QVERIFY(entry(options, QStringLiteral("List"))->isChecked());
        entry(options, QStringLiteral("Fan"))->trigger();
        options->hide();
        QCOMPARE(popover->currentLayout(), PopoverLayout::Layout::fan);
        QCOMPARE(enumName(program.prefs().popoverViewMode()), enumName(PopoverViewMode::fan));
    }

    void reopenTogglesThePopoverAndTheTileFollowsIt()
    {
        Program program({removableVolume(QStringLiteral("Stick"))});
        program.application->start();
        WindowIcon *tile = program.application->windowIcon();
        QCOMPARE(tile->content(), WindowIcon::Content::applicationIcon);

        program.application->reopen();
        QVERIFY(program.popover()->isShown());
        QVERIFY(tile->popoverOpen);
        QCOMPARE(tile->content(), WindowIcon::Content::chevron);

        program.application->reopen();
        QVERIFY(!program.popover()->panel());
        QCOMPARE(tile->content(), WindowIcon::Content::applicationIcon);

        // A launcher action closes the popover first, as the launcher's menu would.
        program.application->reopen();
        QVERIFY(program.popover()->isShown());
        program.application->performAction(DesktopAction::history);
        QVERIFY(!program.popover()->panel());
    }

    void turningTheSurfaceOffAndOn()
    {
        Program program({removableVolume(QStringLiteral("Stick"))});
        program.application->start();
        program.application->reopen();
        QVERIFY(program.popover()->isShown());

        program.prefs().setPopoverEnabled(false);
        program.application->applyConfiguration();
        QVERIFY(!program.application->popover());
        QVERIFY(!program.application->windowIcon()->popoverOpen);
        // The tray menu shows instead.
        program.application->reopen();
        QVERIFY(program.application->trayIcon()->menu()->isVisible());
        program.application->trayIcon()->menu()->hide();

        program.prefs().setSortMode(SortMode::kind);
        program.prefs().setPopoverViewMode(PopoverViewMode::list);
        program.prefs().setPopoverEnabled(true);
        program.application->applyConfiguration();
        QVERIFY(program.popover());
        QCOMPARE(enumName(program.popover()->sortMode), enumName(SortMode::kind));
        QCOMPARE(enumName(program.popover()->viewMode), enumName(PopoverViewMode::list));
        QVERIFY(program.popover()->volumeHandlers);
        QVERIFY(program.popover()->optionsMenuProvider);
    }

    void ejectAllActionWaitsForTheDisks()
    {
        Program program(
            {removableVolume(QStringLiteral("Stick")), internalVolume(QStringLiteral("Data"))});
        program.disksDescribed = false;
        program.application->start();
        program.application->performAction(DesktopAction::ejectAll);
        QVERIFY(program.fakes.operations->calls.isEmpty());

        // Once described, the store reads them afresh before ejecting.
        Volume card = removableVolume(QStringLiteral("Card"));
        card.id = QStringLiteral("id-Card");
        card.deviceName = QStringLiteral("sdc1");
        program.fakes.source->volumes.append(card);
        program.disksDescribed = true;
        program.describeDisks();
        QStringList ejected;
        for (const FakeDiskOperations::Call &call : program.fakes.operations->calls)
            ejected.append(call.operation + QLatin1Char(' ') + call.volumeId);
        ejected.sort();
        QCOMPARE(ejected,
                 (QStringList{QStringLiteral("eject id-Card"), QStringLiteral("eject id-Stick")}));
    }

    void desktopFileDeclaresEveryAction()
    {
        const QString path =
            QStringLiteral(QUILLMERE_SOURCE_DIR "/resources/com.quillmere.app.desktop");
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(path));
        QString group;
        QStringList declared;
        QHash<QString, QHash<QString, QString>> groups;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1Char('['))) {
                group = line.mid(1, line.size() - 2);
                continue;
            }
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq > 0)
                groups[group].insert(line.left(eq), line.mid(eq + 1));
        }
        declared = groups.value(QStringLiteral("Desktop Entry"))
                       .value(QStringLiteral("Actions"))
                       .split(QLatin1Char(';'), Qt::SkipEmptyParts);
        QCOMPARE(declared, DesktopActions::names());
        for (const QString &name : declared) {
            const auto action = groups.value(QStringLiteral("Desktop Action ") + name);
            QVERIFY2(!action.value(QStringLiteral("Name")).isEmpty(), qPrintable(name));
            QCOMPARE(action.value(QStringLiteral("Exec")),
                     QStringLiteral("quillmere --action ") + name);
            QCOMPARE(DesktopActions::name(*DesktopActions::fromName(name)), name);
        }
        QVERIFY(!DesktopActions::fromName(QStringLiteral("Eject-All")));
        QVERIFY(!DesktopActions::fromName(QString()));
    }

    void actionsAreHandedToTheRunningInstance()
    {
        if (!PrivateBus::available())
            QSKIP("dbus-daemon is not installed");
        PrivateBus bus;
        QString error;
        QVERIFY2(bus.start(&error), qPrintable(error));
        QDBusConnection first = bus.connect(QStringLiteral("first"));
        QDBusConnection second = bus.connect(QStringLiteral("second"));
        const QString appId = QStringLiteral("com.quillmere.app.test");
        QStringList handed;
        int reopened = 0;
        {
            SingleInstance running(appId, first);
            running.onAction = [&handed](const QString &name) { handed.append(name); };
            running.onReopen = [&reopened] { ++reopened; };
            QCOMPARE(running.claim(QStringLiteral("open")), SingleInstance::Outcome::primary);
            // The first instance keeps its own action for after its launch.
            QVERIFY(handed.isEmpty());

            SingleInstance launched(appId, second);
            QCOMPARE(launched.claim(QStringLiteral("eject-all")),
                     SingleInstance::Outcome::secondary);
            QCOMPARE(handed, QStringList{QStringLiteral("eject-all")});
            QCOMPARE(reopened, 0);
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("first"));
        QDBusConnection::disconnectFromBus(QStringLiteral("second"));
    }
};

QTEST_MAIN(TestViewOptionsAndActions)
#include "tst_viewoptionsandactions.moc"
