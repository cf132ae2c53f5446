#include "appfakes.h"

#include "fakes/fakelogind.h"
#include "fakes/privatebus.h"

#include "common/alertdialog.h"
#include "discovery/volumestore.h"
#include "policy/excludedvolume.h"
#include "screenlockmonitor.h"
#include "services/autostartmanager.h"
#include "shell/application.h"
#include "shell/preferencespanefactory.h"
#include "stores/jsonfilesettingsbackend.h"
#include "stores/l10n.h"
#include "stores/preferencesstore.h"
#include "stores/settingskeys.h"
#include "surfaces/markiconengine.h"
#include "surfaces/trayicon.h"
#include "surfaces/volumeactionsmenu.h"
#include "window/languagepicker.h"
#include "window/preferencespane.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace {

// Answers every relaunch question with the button titled `answer` and keeps what was asked.
class RelaunchAnswerer : public QObject {
public:
    explicit RelaunchAnswerer(QString answer) : m_answer(std::move(answer))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *alert = qobject_cast<AlertDialog *>(QApplication::activeModalWidget());
            if (!alert)
                return;
            questions.append(alert->message());
            buttons = {alert->firstButton()->text(), alert->cancelButton()->text()};
            if (beforeAnswer)
                beforeAnswer(alert);
            if (alert->firstButton()->text() == m_answer)
                alert->firstButton()->click();
            else
                alert->cancelButton()->click();
        });
        m_timer.start(10);
    }

    QStringList questions;
    QStringList buttons;
    std::function<void(AlertDialog *)> beforeAnswer;

private:
    QString m_answer;
    QTimer m_timer;
};

// The user's choice in a pop-up.
void choose(QComboBox *popUp, int index)
{
    popUp->setCurrentIndex(index);
    emit popUp->activated(index);
}

void type(QSpinBox *field, const QString &text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

QStringList texts(const QWidget *stack)
{
    QStringList result;
    for (const QLabel *label : stack->findChildren<QLabel *>())
        result.append(label->text());
    return result;
}

// A launched application over fakes and its pane, shown.
struct Fixture {
    FakeServices fakes;
    std::unique_ptr<Application> application;
    std::unique_ptr<PreferencesPane> pane;

    PreferencesStore prefs() const { return PreferencesStore(*fakes.defaults); }

    void launch(AppServices services)
    {
        application = std::make_unique<Application>(std::move(services));
        application->start();
        // The first-start task runs once the event loop turns.
        QTRY_VERIFY(fakes.defaults->contains(SettingsKeys::loginItemDefaultApplied));
    }
    void launch() { launch(fakes.make()); }

    void openPane()
    {
        pane.reset(PreferencesPaneFactory::make(*application));
        pane->resize(680, 560);
        pane->show();
    }

    void reopenPane()
    {
        pane->hide();
        pane->show();
    }
};

// Refuses to remove the autostart entry, as a folder the user cannot write would.
class UndeletableLoginItem : public AutostartManager {
public:
    using AutostartManager::AutostartManager;
    std::optional<QString> setEnabled(bool enabled) override
    {
        if (!enabled)
            return QStringLiteral("Permission denied");
        return AutostartManager::setEnabled(enabled);
    }
};

} // namespace

class TestPreferencesPane : public QObject {
    Q_OBJECT

    std::unique_ptr<Fixture> f;

private slots:
    void init() { f = std::make_unique<Fixture>(); }
    void cleanup() { f.reset(); }

    // --- Surfaces and kinds ----------------------------------------------------------------

    void bothSurfacesOffShowsBothAndAChoiceAppliesAtOnce()
    {
        f->prefs().setMenuBarEnabled(false);
        f->prefs().setPopoverEnabled(false);
        f->launch();
        f->openPane();
        const auto radios = f->pane->surfaceRadios();
        QCOMPARE(radios.size(), 3);
        QCOMPARE(radios.at(0)->text(), QStringLiteral("Tray"));
        QVERIFY(radios.at(2)->isChecked());
        QVERIFY(!f->application->trayIcon());

        radios.at(0)->click();
        QVERIFY(f->prefs().menuBarEnabled());
        QVERIFY(!f->prefs().popoverEnabled());
        QVERIFY(f->application->trayIcon());

        radios.at(1)->click();
        QVERIFY(!f->prefs().menuBarEnabled());
        QVERIFY(f->prefs().popoverEnabled());
        QVERIFY(!f->application->trayIcon());

        radios.at(2)->click();
        QVERIFY(f->prefs().menuBarEnabled() && f->prefs().popoverEnabled());
        QVERIFY(f->application->trayIcon());
    }

    void onlyOneSurfaceShowsThatOne()
    {
        f->prefs().setPopoverEnabled(false);
        f->launch();
        f->openPane();
        QVERIFY(f->pane->surfaceRadios().at(0)->isChecked());
        QVERIFY(!f->pane->surfaceRadios().at(2)->isChecked());
    }

    void shownKindsReachTheTrayAtOnce()
    {
        f->fakes.source->volumes = {removableVolume(QStringLiteral("Stick")),
                                    internalVolume(QStringLiteral("Data"))};
        f->launch();
        f->openPane();
        QCOMPARE(f->application->trayIcon()->volumeItems().size(), 2);
        QCOMPARE(f->pane->kindBox(VolumeKind::internalExtra)->text(), QStringLiteral("Internal"));
        QVERIFY(f->pane->kindBox(VolumeKind::internalExtra)->isChecked());
        QVERIFY(!f->pane->kindBox(VolumeKind::boot)->isChecked());

        f->pane->kindBox(VolumeKind::internalExtra)->click();
        f->pane->kindBox(VolumeKind::boot)->click();
        const VolumeKindSet expected{VolumeKind::external, VolumeKind::diskImage,
                                     VolumeKind::network, VolumeKind::boot};
        QCOMPARE(f->prefs().enabledKinds(), expected);
        QCOMPARE(f->application->store().enabledKinds(), expected);
        QCOMPARE(f->application->trayIcon()->volumeItems().size(), 1);
        QCOMPARE(f->application->trayIcon()->volumeItems().at(0).first.name,
                 QStringLiteral("Stick"));
    }

    void noKindAtAllIsKeptAsChosen()
    {
        f->prefs().setEnabledKinds({VolumeKind::external});
        f->launch();
        f->openPane();
        f->pane->kindBox(VolumeKind::external)->click();
        QVERIFY(f->prefs().enabledKinds().isEmpty());
        QVERIFY(f->application->store().visibleVolumes().isEmpty());
    }

    // --- Auto-eject ------------------------------------------------------------------------

    void idleOffShowsFiveDisabledAndTurningItOnStoresFive()
    {
        f->launch();
        f->openPane();
        QVERIFY(!f->pane->idleBox()->isChecked());
        QCOMPARE(f->pane->idleField()->value(), 5);
        QVERIFY(!f->pane->idleField()->isEnabled());

        QVERIFY(!f->application->autoEject()->idleTimer());
        f->pane->idleBox()->click();
        QCOMPARE(f->prefs().autoEjectIdleMinutes(), 5);
        QVERIFY(f->pane->idleField()->isEnabled());
        // The running controller follows without a restart.
        QVERIFY(f->application->autoEject()->idleTimer());

        f->pane->idleBox()->click();
        QCOMPARE(f->prefs().autoEjectIdleMinutes(), 0);
        QVERIFY(!f->pane->idleField()->isEnabled());
        QVERIFY(!f->application->autoEject()->idleTimer());
    }

    void storedIdleMinutesAreShown()
    {
        f->prefs().setAutoEjectIdleMinutes(17);
        f->launch();
        f->openPane();
        QVERIFY(f->pane->idleBox()->isChecked());
        QCOMPARE(f->pane->idleField()->value(), 17);
        QVERIFY(f->pane->idleField()->isEnabled());
    }

    void typedMinutesAreClampedAndStoredOnlyWhileOn()
    {
        f->launch();
        f->openPane();
        QSpinBox *field = f->pane->idleField();
        // The field is disabled while off, yet keeps and clamps what it is given.
        field->setEnabled(true);
        type(field, QStringLiteral("0"));
        QCOMPARE(field->value(), 1);
        QCOMPARE(field->text(), QStringLiteral("1"));
        type(field, QStringLiteral("500"));
        QCOMPARE(field->value(), 120);
        QVERIFY(!f->fakes.defaults->contains(SettingsKeys::autoEjectIdleMinutes));

        f->pane->idleBox()->click();
        QCOMPARE(f->prefs().autoEjectIdleMinutes(), 120);
        type(field, QStringLiteral("0"));
        QCOMPARE(field->value(), 1);
        QCOMPARE(f->prefs().autoEjectIdleMinutes(), 1);
        type(field, QStringLiteral("45"));
        QCOMPARE(f->prefs().autoEjectIdleMinutes(), 45);

        // The stepper stays inside the range and does not wrap.
        field->stepBy(1);
        QCOMPARE(f->prefs().autoEjectIdleMinutes(), 46);
        field->setValue(120);
        field->stepBy(1);
        QCOMPARE(field->value(), 120);
        QCOMPARE(f->prefs().autoEjectIdleMinutes(), 120);
        field->setValue(1);
        field->stepBy(-1);
        QCOMPARE(field->value(), 1);
        QCOMPARE(f->prefs().autoEjectIdleMinutes(), 1);
    }

    void triggersAreWrittenTogetherAndRemountFollowsThem()
    {
        f->prefs().setAutoEjectOnSleep(true);
        f->prefs().setAutoEjectOnLock(true);
        f->launch();
        f->openPane();
        QVERIFY(f->pane->remountBox()->isEnabled());
        QVERIFY(f->pane->remountBox()->isChecked());

        f->pane->sleepBox()->click();
        QVERIFY(!f->prefs().autoEjectOnSleep());
        QVERIFY(f->prefs().autoEjectOnLock());
        QVERIFY(f->pane->remountBox()->isEnabled());

        f->pane->lockBox()->click();
        QVERIFY(!f->prefs().autoEjectOnLock());
        QVERIFY(!f->pane->remountBox()->isEnabled());
        QVERIFY(f->pane->remountBox()->isChecked());
        QVERIFY(f->prefs().remountOnWake());

        f->pane->idleBox()->click();
        QVERIFY(f->pane->remountBox()->isEnabled());
        f->pane->remountBox()->click();
        QVERIFY(!f->prefs().remountOnWake());
        f->pane->idleBox()->click();
        QVERIFY(!f->pane->remountBox()->isEnabled());
        QVERIFY(!f->prefs().remountOnWake());
    }

    void remountStartsDisabledWithoutAnyTrigger()
    {
        f->prefs().setRemountOnWake(false);
        f->launch();
        f->openPane();
        QVERIFY(!f->pane->remountBox()->isEnabled());
        QVERIFY(!f->pane->remountBox()->isChecked());
    }

    // --- Ignored volumes and confirmation --------------------------------------------------

    void removingTheOnlyIgnoredVolumeStoresAnEmptyListAndShowsNone()
    {
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        f->fakes.source->volumes = {stick};
        f->prefs().setExcludedVolumes({ExcludedVolume::entry(stick)});
        f->launch();
        f->openPane();
        QCOMPARE(texts(f->pane->exclusionsStack()), QStringList{QStringLiteral("Stick")});
        QVERIFY(f->application->actions().exclusionProvider(stick));

        const auto buttons = f->pane->exclusionsStack()->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.at(0)->text(), QStringLiteral("Remove"));
        buttons.at(0)->click();

        QCOMPARE(f->fakes.defaults->data(SettingsKeys::excludedVolumes), QByteArray("[]"));
        QCOMPARE(texts(f->pane->exclusionsStack()), QStringList{QStringLiteral("None")});
        QVERIFY(f->pane->exclusionsStack()->findChildren<QPushButton *>().isEmpty());
        // The tray's menu of the volume no longer shows it ignored.
        QMenu *submenu = f->application->trayIcon()->volumeItems().at(0).second->menu();
        bool toggleFound = false;
        for (const QAction *action : submenu->actions()) {
            if (action->isCheckable()) {
                toggleFound = true;
                QVERIFY(!action->isChecked());
            }
        }
        QVERIFY(toggleFound);
    }

    void removeTakesTheEntryOfItsRow()
    {
        ExcludedVolume a{QStringLiteral("UUID-A"), QStringLiteral("Alpha")};
        ExcludedVolume b{std::nullopt, QStringLiteral("Beta")};
        ExcludedVolume c{QStringLiteral("UUID-C"), QStringLiteral("Gamma")};
        f->prefs().setExcludedVolumes({a, b, c});
        f->launch();
        f->openPane();
        QCOMPARE(texts(f->pane->exclusionsStack()),
                 (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta"),
                              QStringLiteral("Gamma")}));
        f->pane->exclusionsStack()->findChildren<QPushButton *>().at(1)->click();
        QCOMPARE(f->prefs().excludedVolumes(), (ExcludedVolumeList{a, c}));
        QCOMPARE(texts(f->pane->exclusionsStack()),
                 (QStringList{QStringLiteral("Alpha"), QStringLiteral("Gamma")}));
    }

    void ignoredListIsRebuiltEachTimeThePaneAppears()
    {
        const Volume stick = removableVolume(QStringLiteral("Stick"));
        f->fakes.source->volumes = {stick};
        f->launch();
        f->openPane();
        QCOMPARE(texts(f->pane->exclusionsStack()), QStringList{QStringLiteral("None")});
        // Ignored from the volume's menu while the pane is hidden.
        f->pane->hide();
        f->application->actions().onToggleExclusion(stick);
        f->pane->show();
        QCOMPARE(texts(f->pane->exclusionsStack()), QStringList{QStringLiteral("Stick")});
    }

    void confirmationStyle()
    {
        f->prefs().setConfirmationModel(ConfirmationModel::holdButton);
        f->launch();
        f->openPane();
        QComboBox *popUp = f->pane->confirmationPopUp();
        QStringList titles;
        for (int i = 0; i < popUp->count(); ++i)
            titles.append(popUp->itemText(i));
        QCOMPARE(titles, (QStringList{"Standard confirmation", "Type the volume name",
                                      "Hold to confirm", "No confirmation (YOLO)"}));
        QCOMPARE(popUp->currentText(), QStringLiteral("Hold to confirm"));
        choose(popUp, 3);
        QCOMPARE(enumName(f->prefs().confirmationModel()), QStringLiteral("yolo"));
        // An item without a known value changes nothing.
        popUp->addItem(QStringLiteral("Odd"), QStringLiteral("sometimes"));
        choose(popUp, 4);
        QCOMPARE(enumName(f->prefs().confirmationModel()), QStringLiteral("yolo"));
    }

    // --- Language --------------------------------------------------------------------------

    void pickerSelectsTheCurrentLanguage()
    {
        std::unique_ptr<QComboBox> popUp(LanguagePicker::makePopUp(QStringLiteral("ja")));
        QStringList items;
        for (int i = 0; i < popUp->count(); ++i)
            items.append(popUp->itemText(i));
        QCOMPARE(items, (QStringList{QStringLiteral("System Default"), QString(),
                                     QStringLiteral("English"), QStringLiteral("Deutsch"),
                                     QStringLiteral("Français"), QStringLiteral("日本語"),
                                     QStringLiteral("Español")}));
        QCOMPARE(popUp->currentText(), QStringLiteral("日本語"));
        QCOMPARE(LanguagePicker::selectedOverride(popUp.get()),
                 std::optional(QStringLiteral("ja")));

        std::unique_ptr<QComboBox> unknown(LanguagePicker::makePopUp(QStringLiteral("pt")));
        QCOMPARE(unknown->currentIndex(), 0);
        QCOMPARE(LanguagePicker::selectedOverride(unknown.get()), std::nullopt);
        std::unique_ptr<QComboBox> none(LanguagePicker::makePopUp(std::nullopt));
        QCOMPARE(none->currentText(), QStringLiteral("System Default"));

        std::unique_ptr<QComboBox> discreet(LanguagePicker::makePopUp(std::nullopt, true));
        QVERIFY(discreet->font().pointSizeF() < none->font().pointSizeF());
    }

    void choosingTheStoredLanguageAsksNothing()
    {
        f->prefs().setLanguageOverride(QStringLiteral("de"));
        f->launch();
        f->openPane();
        QCOMPARE(f->pane->languagePopUp()->currentText(), QStringLiteral("Deutsch"));
        RelaunchAnswerer answerer(QStringLiteral("Relaunch Now"));
        choose(f->pane->languagePopUp(), f->pane->languagePopUp()->currentIndex());
        QTest::qWait(50);
        QVERIFY(answerer.questions.isEmpty());
        QVERIFY(f->fakes.relaunches.isEmpty());
        QCOMPARE(f->prefs().languageOverride(), std::optional(QStringLiteral("de")));
    }

    void systemDefaultAfterGermanRemovesTheOverrideAndAsks()
    {
        f->prefs().setLanguageOverride(QStringLiteral("de"));
        f->launch();
        f->openPane();
        RelaunchAnswerer answerer(QStringLiteral("Later"));
        choose(f->pane->languagePopUp(), 0);
        QCOMPARE(answerer.questions,
                 QStringList{QStringLiteral("Relaunch Quillmere to switch language?")});
        QCOMPARE(answerer.buttons,
                 (QStringList{QStringLiteral("Relaunch Now"), QStringLiteral("Later")}));
        QCOMPARE(f->prefs().languageOverride(), std::nullopt);
        QVERIFY(!f->fakes.defaults->contains(SettingsKeys::languageOverride));
        QVERIFY(!f->fakes.defaults->contains(SettingsKeys::appleLanguages));
        // "Later": the next start applies it.
        QVERIFY(f->fakes.relaunches.isEmpty());
    }

    void relaunchNowStartsTheProgramAnew()
    {
        f->launch();
        f->openPane();
        RelaunchAnswerer answerer(QStringLiteral("Relaunch Now"));
        choose(f->pane->languagePopUp(), f->pane->languagePopUp()->findText("Français"));
        QCOMPARE(answerer.questions.size(), 1);
        QCOMPARE(f->prefs().languageOverride(), std::optional(QStringLiteral("fr")));
        QCOMPARE(f->fakes.defaults->stringList(SettingsKeys::appleLanguages),
                 std::optional(QStringList{QStringLiteral("fr")}));
        QCOMPARE(f->fakes.relaunches, QStringList{QCoreApplication::applicationFilePath()});
    }

    // --- Launch at login -------------------------------------------------------------------

    void firstStartRegistersOnceAndNeverAgain()
    {
        f->launch();
        QCOMPARE(f->fakes.defaults->boolValue(SettingsKeys::loginItemDefaultApplied),
                 std::optional(true));
        QVERIFY(QFile::exists(f->fakes.autostartEntryPath()));
        f->openPane();
        QVERIFY(f->pane->launchAtLoginBox()->isChecked());

        // The user turns it off; the next start leaves it off.
        f->pane->launchAtLoginBox()->click();
        QVERIFY(!QFile::exists(f->fakes.autostartEntryPath()));
        QCOMPARE(f->prefs().launchAtLogin(), false);
        f->pane.reset();
        f->application.reset();
        f->launch();
        QTest::qWait(50);
        QVERIFY(!QFile::exists(f->fakes.autostartEntryPath()));
    }

    void refusedFirstRegistrationLeavesTheKeySetAndTheBoxOff()
    {
        // A file where the autostart folder belongs: refused even for root.
        const QString folder = QFileInfo(f->fakes.autostartEntryPath()).absolutePath();
        QVERIFY(QDir().mkpath(QFileInfo(folder).absolutePath()));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        f->launch();
        QCOMPARE(f->fakes.defaults->boolValue(SettingsKeys::loginItemDefaultApplied),
                 std::optional(true));
        f->openPane();
        QVERIFY(!f->pane->launchAtLoginBox()->isChecked());
        QVERIFY(!f->pane->launchAtLoginError()->isVisible());

        // Asked again by hand, the refusal is shown and the box goes back.
        f->pane->launchAtLoginBox()->click();
        QVERIFY(!f->pane->launchAtLoginBox()->isChecked());
        QVERIFY(f->pane->launchAtLoginError()->isVisible());
        const QString message = f->pane->launchAtLoginError()->text();
        QVERIFY2(message.startsWith(QStringLiteral("Couldn't enable launch at login: ")),
                 qPrintable(message));
        QVERIFY2(message.contains(folder), qPrintable(message));
        QVERIFY(!f->fakes.defaults->contains(SettingsKeys::launchAtLogin));

        // Shown again, the pane starts without the old message.
        f->reopenPane();
        QVERIFY(!f->pane->launchAtLoginError()->isVisible());
    }

    void failedDisableKeepsTheBoxOnWithTheReason()
    {
        AppServices services = f->fakes.make();
        services.autostart = std::make_unique<UndeletableLoginItem>(
            f->fakes.autostartEntryPath(), QStringLiteral("/usr/bin/quillmere"));
        f->launch(std::move(services));
        f->openPane();
        QVERIFY(f->pane->launchAtLoginBox()->isChecked());

        f->pane->launchAtLoginBox()->click();
        QVERIFY(f->pane->launchAtLoginBox()->isChecked());
        QVERIFY(f->pane->launchAtLoginError()->isVisible());
        QCOMPARE(f->pane->launchAtLoginError()->text(),
                 QStringLiteral("Couldn't disable launch at login: Permission denied"));
        QVERIFY(QFile::exists(f->fakes.autostartEntryPath()));
    }

    void entryChangedOutsideShowsTheNextTimeThePaneAppears()
    {
        f->launch();
        f->openPane();
        QVERIFY(f->pane->launchAtLoginBox()->isChecked());

        // The desktop's startup settings turn it off.
        QFile entry(f->fakes.autostartEntryPath());
        QVERIFY(entry.open(QIODevice::Append));
        entry.write("Hidden=true\n");
        entry.close();
        QVERIFY(f->pane->launchAtLoginBox()->isChecked());
        f->reopenPane();
        QVERIFY(!f->pane->launchAtLoginBox()->isChecked());

        // Turning it on again replaces the entry; removing it outside shows as off.
        f->pane->launchAtLoginBox()->click();
        QVERIFY(f->application->autostart()->isEnabled());
        QCOMPARE(f->prefs().launchAtLogin(), true);
        QVERIFY(QFile::remove(f->fakes.autostartEntryPath()));
        f->reopenPane();
        QVERIFY(!f->pane->launchAtLoginBox()->isChecked());
    }

    // --- Auto-eject settings reach the running controller ----------------------------------

    void lockEjectTurnedOnInThePaneEjectsAtTheNextLock()
    {
        if (!PrivateBus::available())
            QSKIP("dbus-daemon is not installed; the lock comes from a fake logind on a bus");
        PrivateBus systemBus;
        PrivateBus sessionBus;
        QString error;
        QVERIFY2(systemBus.start(&error) && sessionBus.start(&error), qPrintable(error));
        QDBusConnection system = systemBus.connect(QStringLiteral("pane-system"));
        QDBusConnection service = systemBus.connect(QStringLiteral("pane-logind"));
        QDBusConnection session = sessionBus.connect(QStringLiteral("pane-session"));
        auto disconnect = qScopeGuard([] {
            for (const char *name : {"pane-system", "pane-logind", "pane-session"})
                QDBusConnection::disconnectFromBus(QLatin1String(name));
        });
        FakeLogind logind(service);
        QVERIFY(logind.registerOnBus());

        // The settings file on disk, so that another process can write it too.
        QTemporaryDir config;
        const QString domain = QStringLiteral("com.quillmere.test");
        f->fakes.defaults = std::make_unique<SettingsStore>(
            std::make_unique<JsonFileSettingsBackend>(config.path(), domain));
        f->fakes.source->volumes = {removableVolume(QStringLiteral("Stick"))};
        AppServices services = f->fakes.make();
        services.platform = std::make_shared<QObject>();
        auto *screenLock =
            new ScreenLockMonitor(system, session, FakeLogind::sessionId, services.platform.get());
        services.autoEjectEvents.screenLock = screenLock;
        QSignalSpy resolved(screenLock, &ScreenLockMonitor::sessionResolved);
        f->launch(std::move(services));
        QVERIFY(resolved.count() == 1 || resolved.wait(5000));
        f->openPane();
        AutoEjectController *controller = f->application->autoEject();
        QSignalSpy passes(controller, &AutoEjectController::ejectPassFinished);
        QSignalSpy locks(screenLock, &ScreenLockWatching::locked);
        QSignalSpy unlocks(screenLock, &ScreenLockWatching::unlocked);
        const auto lockAndUnlock = [&] {
            logind.lockSession();
            QTRY_COMPARE(locks.size() > 0, true);
            logind.unlockSession();
            QTRY_COMPARE(unlocks.size() > 0, true);
            QVERIFY(syncWith(system, service));
            locks.clear();
            unlocks.clear();
        };

        // Off: a lock ejects nothing.
        lockAndUnlock();
        QCOMPARE(passes.size(), 0);

        QVERIFY(!f->pane->lockBox()->isChecked());
        f->pane->lockBox()->click();
        logind.lockSession();
        QVERIFY(passes.wait(5000));
        QCOMPARE(f->fakes.operations->calls.size(), 1);
        QCOMPARE(f->fakes.operations->calls.at(0).operation, QStringLiteral("eject"));
        QCOMPARE(f->fakes.operations->calls.at(0).volumeId, QStringLiteral("id-Stick"));
        QCOMPARE(f->fakes.history->operations(), QStringList{QStringLiteral("autoEject")});
        logind.unlockSession();
        QTRY_COMPARE(unlocks.size() > 0, true);
        locks.clear();
        unlocks.clear();

        // Another process turns it off again in the settings file.
        {
            SettingsStore other(std::make_unique<JsonFileSettingsBackend>(config.path(), domain));
            PreferencesStore(other).setAutoEjectOnLock(false);
        }
        f->fakes.operations->calls.clear();
        lockAndUnlock();
        QVERIFY(std::none_of(f->fakes.operations->calls.cbegin(), f->fakes.operations->calls.cend(),
                             [](const FakeDiskOperations::Call &call) {
                                 return call.operation == QLatin1String("eject");
                             }));
    }

    // --- Pictures --------------------------------------------------------------------------

    // Saves the pane as it looks in the window and at full length, in English and German,
    // into $QUILLMERE_SCREENSHOT_DIR (scripts/screenshots.sh sets it).
    void captureForScreenshots()
    {
        const QString folder = qEnvironmentVariable("QUILLMERE_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("QUILLMERE_SCREENSHOT_DIR is not set");
        f->prefs().setAutoEjectOnLock(true);
        f->prefs().setAutoEjectIdleMinutes(10);
        f->prefs().setExcludedVolumes(
            {ExcludedVolume{QStringLiteral("UUID-1"), QStringLiteral("Time Machine Backup")},
             ExcludedVolume{std::nullopt, QStringLiteral("CAMERA")}});
        // The German picture also shows a refused launch at login: a file stands where the
        // autostart folder belongs.
        const QString autostart = QFileInfo(f->fakes.autostartEntryPath()).absolutePath();
        QVERIFY(QDir().mkpath(QFileInfo(autostart).absolutePath()));
        QFile blocker(autostart);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        f->launch();
        for (const QString &language : {QStringLiteral("en"), QStringLiteral("de")}) {
            L10n::install(language, {QStringLiteral(QUILLMERE_QM_DIR)});
            f->openPane();
            if (language == QLatin1String("de"))
                f->pane->launchAtLoginBox()->click();
            QVERIFY(QTest::qWaitForWindowExposed(f->pane.get()));
            QVERIFY(f->pane->grab().save(
                QDir(folder).filePath(QStringLiteral("preferences-%1.png").arg(language))));
            QWidget *content = f->pane->findChild<QScrollArea *>()->widget();
            f->pane->resize(680, content->sizeHint().height());
            QTest::qWait(50);
            QVERIFY(f->pane->grab().save(
                QDir(folder).filePath(QStringLiteral("preferences-%1-full.png").arg(language))));
        }
        L10n::install(QStringLiteral("en"), {QStringLiteral(QUILLMERE_QM_DIR)});

        // The relaunch question, with the program's icon as the program sets it.
        QApplication::setWindowIcon(QIcon(new MarkIconEngine(QColor(43, 93, 140))));
        RelaunchAnswerer answerer(QStringLiteral("Later"));
        answerer.beforeAnswer = [&folder](AlertDialog *alert) {
            QVERIFY(QTest::qWaitForWindowExposed(alert));
            QVERIFY(alert->grab().save(QDir(folder).filePath(QStringLiteral("relaunch.png"))));
        };
        choose(f->pane->languagePopUp(), f->pane->languagePopUp()->findText("Deutsch"));
        QCOMPARE(answerer.questions.size(), 1);
    }
};

QTEST_MAIN(TestPreferencesPane)
#include "tst_preferencespane.moc"
