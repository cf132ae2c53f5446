#include "fakes/fakehotkeyservice.h"

#include "common/alertdialog.h"
#include "shortcut/shortcutrecorder.h"
#include "shortcuts/shortcutregistry.h"
#include "stores/settingsstore.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace GlobalShortcuts;

namespace {

const Shortcut ctrlAltE{14, CarbonModifier::controlKey | CarbonModifier::optionKey};
const Shortcut ctrlAltR{15, CarbonModifier::controlKey | CarbonModifier::optionKey};
const Qt::KeyboardModifiers ctrlAlt = Qt::ControlModifier | Qt::AltModifier;

// The preferences row as the pane builds it, over a fake hot-key service.
struct Rig {
    std::unique_ptr<SettingsStore> defaults = SettingsStore::inMemory();
    FakeHotKeyService *service = nullptr;
    std::unique_ptr<Registry> registry;
    QWidget window;
    ShortcutRecorder *recorder = nullptr;
    QLineEdit *other = nullptr;
    QList<ShortcutRecorder::Alert> alerts;
    std::function<bool(const ShortcutRecorder::Alert &)> dialogPresenter;
    bool forceAnswer = false;
    int beeps = 0;
    int ejectAlls = 0;
    QList<std::optional<Shortcut>> changes;
    QStringList lines;

    explicit Rig(bool available = true)
    {
        auto fake = std::make_unique<FakeHotKeyService>();
        fake->available = available;
        service = fake.get();
        registry = std::make_unique<Registry>(*defaults, std::move(fake));
        registry->diagnostic = [this](const QString &line) { lines.append(line); };
        registry->onKeyUp(Name::ejectAll(), [this] { ++ejectAlls; });

        auto *row = new QHBoxLayout(&window);
        row->addWidget(new QLabel(QStringLiteral("Eject All shortcut:")));
        recorder = new ShortcutRecorder(registry.get(), Name::ejectAll());
        row->addWidget(recorder);
        row->addWidget(new QLabel(QStringLiteral("Works from any app")));
        other = new QLineEdit;
        row->addWidget(other);
        dialogPresenter = recorder->presentAlert;
        recorder->presentAlert = [this](const ShortcutRecorder::Alert &alert) {
            alerts.append(alert);
            return forceAnswer;
        };
        recorder->beep = [this] { ++beeps; };
        recorder->onChange = [this](const std::optional<Shortcut> &s) { changes.append(s); };
    }

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }

    // Starts recording the way a user does: a click on the field.
    void click() { QTest::mouseClick(recorder, Qt::LeftButton); }

    std::optional<Shortcut> stored() const { return registry->shortcut(Name::ejectAll()); }

    // With QUILLMERE_SHOT_DIR set, keeps a picture of the row for a person to look at.
    void shoot(const QString &name)
    {
        const QString folder = qEnvironmentVariable("QUILLMERE_SHOT_DIR");
        if (folder.isEmpty())
            return;
        // The test screen is small; a window gets its full width there only when asked.
        window.resize(window.sizeHint());
        // The clear button fades in.
        QTest::qWait(400);
        window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
};

// The field's own clear button.
QAction *clearAction(QLineEdit *field)
{
    return field->findChild<QAction *>(QStringLiteral("_q_qlineeditclearaction"));
}

} // namespace

class TestShortcutRecorder : public QObject {
    Q_OBJECT

private slots:
    void showsTheStoredCombinationAndWaitsForAClick()
    {
        Rig rig;
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        QVERIFY(rig.show());
        QVERIFY(rig.recorder->width() >= ShortcutRecorder::minimumFieldWidth);
        QCOMPARE(rig.recorder->text(), QStringLiteral("Ctrl+Alt+E"));
        QVERIFY(rig.recorder->isClearButtonEnabled());
        // The window gave it the focus when it opened; that does not start recording.
        QTRY_VERIFY(!rig.recorder->hasFocus());
        QVERIFY(!rig.recorder->isRecording());
        QVERIFY(!rig.registry->isPaused());
        QCOMPARE(rig.recorder->placeholderText(), QStringLiteral("Record shortcut"));
        rig.shoot(QStringLiteral("recorder-set"));
    }

    void aClickStartsRecordingAndPausesTheShortcuts()
    {
        Rig rig;
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        QVERIFY(rig.show());
        QSignalSpy status(rig.registry.get(), &Registry::recorderActiveStatusDidChange);
        rig.click();
        QVERIFY(rig.recorder->isRecording());
        QCOMPARE(rig.recorder->placeholderText(), QStringLiteral("Press shortcut"));
        QVERIFY(rig.registry->isPaused());
        QCOMPARE(status.size(), 1);
        QCOMPARE(status[0][0].toBool(), true);

        // Eject All does not run while the recorder has the focus.
        rig.service->press(ctrlAltE);
        QCOMPARE(rig.ejectAlls, 0);

        // A click outside ends recording; the combination runs again.
        QTest::mouseClick(&rig.window, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!rig.recorder->isRecording());
        QVERIFY(!rig.registry->isPaused());
        rig.service->press(ctrlAltE);
        QCOMPARE(rig.ejectAlls, 1);
        QCOMPARE(status.size(), 2);
    }

    void aCombinationIsStoredAndEndsRecording()
    {
        Rig rig;
        QVERIFY(rig.show());
        rig.click();
        QTest::keyClick(rig.recorder, Qt::Key_R, ctrlAlt);

        QCOMPARE(rig.stored(), std::optional<Shortcut>(ctrlAltR));
        QCOMPARE(rig.recorder->text(), QStringLiteral("Ctrl+Alt+R"));
        QCOMPARE(rig.changes, (QList<std::optional<Shortcut>>{ctrlAltR}));
        QVERIFY(!rig.recorder->isRecording());
        QVERIFY(!rig.recorder->hasFocus());
        QCOMPARE(rig.service->active.values(), QList<Shortcut>{ctrlAltR});
        QVERIFY(rig.alerts.isEmpty());
        QCOMPARE(rig.beeps, 0);
    }

    void modifierKeysAloneWaitForTheKey()
    {
        Rig rig;
        QVERIFY(rig.show());
        rig.click();
        QTest::keyPress(rig.recorder, Qt::Key_Control, Qt::ControlModifier);
        QTest::keyPress(rig.recorder, Qt::Key_Alt, ctrlAlt);
        QVERIFY(rig.recorder->isRecording());
        QCOMPARE(rig.beeps, 0);
        QTest::keyClick(rig.recorder, Qt::Key_R, ctrlAlt);
        QCOMPARE(rig.stored(), std::optional<Shortcut>(ctrlAltR));
    }

    void escapeEndsWithoutAChange()
    {
        Rig rig;
        rig.registry->setShortcut(ctrlAltR, Name::ejectAll());
        QVERIFY(rig.show());
        rig.click();
        QTest::keyClick(rig.recorder, Qt::Key_Escape);
        QVERIFY(!rig.recorder->isRecording());
        QCOMPARE(rig.stored(), std::optional<Shortcut>(ctrlAltR));
        QCOMPARE(rig.recorder->text(), QStringLiteral("Ctrl+Alt+R"));
        QVERIFY(rig.changes.isEmpty());
    }

    void deleteBackspaceAndTheClearButtonClear_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Delete") << int(Qt::Key_Delete);
        QTest::newRow("Backspace") << int(Qt::Key_Backspace);
        QTest::newRow("clear button") << 0;
    }

    void deleteBackspaceAndTheClearButtonClear()
    {
        QFETCH(int, key);
        Rig rig;
        rig.registry->setShortcut(ctrlAltR, Name::ejectAll());
        QVERIFY(rig.show());
        if (key) {
            rig.click();
            QTest::keyClick(rig.recorder, Qt::Key(key));
        } else {
            QAction *clear = clearAction(rig.recorder);
            QVERIFY(clear);
            QVERIFY(clear->isVisible());
            auto *button = rig.recorder->findChild<QToolButton *>();
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QVERIFY(!rig.defaults->contains(QStringLiteral("GlobalShortcuts_ejectAll")));
        QCOMPARE(rig.recorder->text(), QString());
        QVERIFY(rig.service->active.isEmpty());
        QCOMPARE(rig.changes, (QList<std::optional<Shortcut>>{std::nullopt}));
        // It takes the focus again for the next combination.
        QVERIFY(rig.recorder->isRecording());
        QVERIFY(rig.recorder->hasFocus());
    }

    void aBareKeyIsRefusedWithABeep()
    {
        Rig rig;
        QVERIFY(rig.show());
        rig.shoot(QStringLiteral("recorder-empty"));
        rig.click();
        rig.shoot(QStringLiteral("recorder-recording"));
        QTest::keyClick(rig.recorder, Qt::Key_E);
        QTest::keyClick(rig.recorder, Qt::Key_Space);
        QTest::keyClick(rig.recorder, Qt::Key_Tab);
        QCOMPARE(rig.beeps, 3);
        QVERIFY(rig.recorder->isRecording());
        QCOMPARE(rig.stored(), std::nullopt);
        // A key outside the table, even with modifiers, gives no combination.
        QTest::keyClick(rig.recorder, Qt::Key_Exclam, ctrlAlt);
        QCOMPARE(rig.beeps, 4);

        // Function keys may stand alone.
        QTest::keyClick(rig.recorder, Qt::Key_F5);
        QCOMPARE(rig.stored(), std::optional<Shortcut>(Shortcut{0x60, 0}));
        QCOMPARE(rig.recorder->text(), QStringLiteral("F5"));
    }

    void aCombinationOfOurMenuBarIsRefused_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("item");
        QTest::newRow("Eject All") << int(Qt::Key_E) << int(ctrlAlt) << "Eject All";
        QTest::newRow("Close") << int(Qt::Key_W) << int(Qt::ControlModifier) << "Close";
        QTest::newRow("Preferences")
            << int(Qt::Key_Comma) << int(Qt::ControlModifier) << "Preferences…";
        QTest::newRow("Help") << int(Qt::Key_F1) << 0 << "Quillmere Help";
    }

    void aCombinationOfOurMenuBarIsRefused()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, item);
        Rig rig;
        rig.registry->setShortcut(ctrlAltR, Name::ejectAll());
        // Menu-bar shortcuts do not fire while recording: the key is the recorder's.
        int closed = 0;
        auto *close = new QAction(&rig.window);
        close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
        rig.window.addAction(close);
        connect(close, &QAction::triggered, [&closed] { ++closed; });
        QVERIFY(rig.show());
        rig.click();
        QTest::keyClick(rig.recorder, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        QCOMPARE(closed, 0);
        QCOMPARE(rig.alerts.size(), 1);
        QCOMPARE(rig.alerts[0].message,
                 QStringLiteral("This shortcut cannot be used because it is already used by the "
                                "menu item “%1”.")
                     .arg(item));
        QVERIFY(rig.alerts[0].forceButtonTitle.isEmpty());
        QCOMPARE(rig.stored(), std::optional<Shortcut>(ctrlAltR));
        QVERIFY(!rig.recorder->isRecording());
        QVERIFY(rig.changes.isEmpty());
    }

    void shiftWithATypingKeyIsDisallowed()
    {
        Rig rig;
        QVERIFY(rig.show());
        rig.click();
        QTest::keyClick(rig.recorder, Qt::Key_E, Qt::ShiftModifier);
        QCOMPARE(rig.alerts.size(), 1);
        QCOMPARE(rig.alerts[0].message, QStringLiteral("This shortcut cannot be used."));
        QVERIFY(rig.alerts[0].informativeText.contains(QStringLiteral("Shift")));
        QCOMPARE(rig.stored(), std::nullopt);
    }

    void aCombinationAnotherProgramHoldsAsksFirst()
    {
        Rig rig;
        rig.service->probeStatus = 10;
        QVERIFY(rig.show());
        rig.click();
        QTest::keyClick(rig.recorder, Qt::Key_R, ctrlAlt);

        QCOMPARE(rig.alerts.size(), 1);
        QCOMPARE(rig.alerts[0].message,
                 QStringLiteral("This shortcut is already used by another program or by the "
                                "desktop."));
        QCOMPARE(rig.alerts[0].forceButtonTitle, QStringLiteral("Use Anyway"));
        QCOMPARE(rig.lines, QStringList{QStringLiteral("Error registering hotkey Ctrl+Alt+R: 10")});
        QCOMPARE(rig.stored(), std::nullopt);
        // Afterwards the recorder records again.
        QVERIFY(rig.recorder->isRecording());
        QVERIFY(rig.recorder->hasFocus());

        rig.forceAnswer = true;
        rig.service->refusals.insert(ctrlAltR, 10);
        QTest::keyClick(rig.recorder, Qt::Key_R, ctrlAlt);
        QCOMPARE(rig.alerts.size(), 2);
        QCOMPARE(rig.stored(), std::optional<Shortcut>(ctrlAltR));
        QCOMPARE(rig.recorder->text(), QStringLiteral("Ctrl+Alt+R"));
        QVERIFY(!rig.recorder->isRecording());
        QCOMPARE(rig.lines.size(), 3); // the probe twice, the refused registration once
    }

    void theAlertIsADialogWithTheForceButtonSecond()
    {
        Rig rig;
        rig.service->probeStatus = 10;
        rig.recorder->presentAlert = rig.dialogPresenter;
        QVERIFY(rig.show());
        rig.click();
        QString message;
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<AlertDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            message = dialog->message();
            buttons = {dialog->firstButton()->text(), dialog->cancelButton()->text()};
            const QString folder = qEnvironmentVariable("QUILLMERE_SHOT_DIR");
            if (!folder.isEmpty())
                dialog->grab().save(folder + QStringLiteral("/recorder-alert.png"));
            dialog->cancelButton()->click();
        });
        QTest::keyClick(rig.recorder, Qt::Key_R, ctrlAlt);

        QCOMPARE(message, QStringLiteral("This shortcut is already used by another program or "
                                         "by the desktop."));
        QCOMPARE(buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Use Anyway")}));
        QCOMPARE(rig.stored(), std::optional<Shortcut>(ctrlAltR));
    }

    void anotherChangeOfTheNameShowsInTheField()
    {
        Rig rig;
        QVERIFY(rig.show());
        rig.registry->setShortcut(ctrlAltR, Name::ejectAll());
        QCOMPARE(rig.recorder->text(), QStringLiteral("Ctrl+Alt+R"));
        rig.registry->setShortcut(std::nullopt, Name::ejectAll());
        QCOMPARE(rig.recorder->text(), QString());
    }

    void goingAwayWhileRecordingUnpauses()
    {
        Rig rig;
        QVERIFY(rig.show());
        rig.click();
        QVERIFY(rig.registry->isPaused());
        delete rig.recorder;
        QVERIFY(!rig.registry->isPaused());

        Rig hidden;
        QVERIFY(hidden.show());
        hidden.click();
        hidden.window.hide();
        QVERIFY(!hidden.recorder->isRecording());
        QVERIFY(!hidden.registry->isPaused());
    }

    void withoutGlobalShortcutsTheFieldSaysSo()
    {
        Rig rig(false);
        rig.defaults->setString(QStringLiteral("GlobalShortcuts_ejectAll"), ctrlAltR.toJson());
        QSignalSpy availability(rig.recorder, &ShortcutRecorder::availabilityChanged);
        QVERIFY(rig.show());
        QVERIFY(!rig.recorder->isEnabled());
        QCOMPARE(rig.recorder->text(), QString());
        QCOMPARE(rig.recorder->placeholderText(),
                 QStringLiteral("This desktop has no global shortcuts"));
        QVERIFY(!rig.recorder->toolTip().isEmpty());
        rig.shoot(QStringLiteral("recorder-unavailable"));
        QVERIFY(rig.recorder->sizeHint().width() >
                rig.recorder->fontMetrics().horizontalAdvance(rig.recorder->placeholderText()));
        rig.click();
        QVERIFY(!rig.recorder->isRecording());
        QVERIFY(!rig.registry->isPaused());

        // The portal answered late after all.
        rig.service->available = true;
        rig.service->onAvailabilityChanged();
        QCOMPARE(availability.size(), 1);
        QVERIFY(rig.recorder->isEnabled());
        QCOMPARE(rig.recorder->text(), QStringLiteral("Ctrl+Alt+R"));
        QCOMPARE(rig.recorder->placeholderText(), QStringLiteral("Record shortcut"));

        // And a recorder without any registry.
        ShortcutRecorder none(nullptr, Name::ejectAll());
        QVERIFY(!none.isEnabled());
        QCOMPARE(none.placeholderText(), QStringLiteral("This desktop has no global shortcuts"));
    }
};

QTEST_MAIN(TestShortcutRecorder)
#include "tst_shortcutrecorder.moc"
