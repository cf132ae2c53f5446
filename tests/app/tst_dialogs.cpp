#include "common/failurealert.h"
#include "volumebuilder.h"
#include "whenmodal.h"
#include "window/confirmationdialog.h"
#include "window/confirmationpresenter.h"
#include "window/dialogoperationprompts.h"
#include "window/erasepanel.h"
#include "window/forceejectdialog.h"
#include "window/holdtoconfirmbutton.h"
#include "window/renameprompt.h"
#include "window/typenamevalidator.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

using namespace std::chrono_literals;

// A clock the test moves by hand.
struct ManualClock {
    std::chrono::milliseconds now{10'000};
    HoldToConfirmButton::Clock function()
    {
        return [this] { return now; };
    }
};

void sendMouse(QWidget *widget, QEvent::Type type, QPoint position, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(position), QPointF(widget->mapToGlobal(position)), button,
                      buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void press(QWidget *widget)
{
    sendMouse(widget, QEvent::MouseButtonPress, widget->rect().center(), Qt::LeftButton,
              Qt::LeftButton);
}

void release(QWidget *widget)
{
    sendMouse(widget, QEvent::MouseButtonRelease, widget->rect().center(), Qt::LeftButton,
              Qt::NoButton);
}

void dragTo(QWidget *widget, QPoint position)
{
    sendMouse(widget, QEvent::MouseMove, position, Qt::NoButton, Qt::LeftButton);
}

Volume volumeNamed(const QString &name)
{
    return VolumeBuilder(name)
        .id(name)
        .mountedAt(QStringLiteral("/media/user/") + name)
        .device(QStringLiteral("sdb1"))
        .removable()
        .build();
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void typeNameEnablesOnlyOnExactName();
    void typeNameConfirmsOnlyWithNameStillTyped();
    void holdReleasedEarlyStaysDisabled();
    void holdForFullDurationEnables();
    void holdDraggedOutsideAborts();
    void holdStillAllowsAnotherTry();
    void renameTrimsAndRejectsBlankOrUnchanged();
    void renamePromptDialog();
    void erasePanelDefaults();
    void erasePanelChoice();
    void namesTheFileSystemCannotHoldAreRefused();
    void forceEjectTexts();
    void confirmationTexts_data();
    void confirmationTexts();
    void confirmationStyles();
    void promptsRunTheDialogs();
};

void TestDialogs::typeNameEnablesOnlyOnExactName()
{
    ConfirmationDialog dialog(ConfirmationModel::typeName, VolumeOperation::erase,
                              QStringLiteral("Backup"));
    QLineEdit *field = dialog.nameField();
    QVERIFY(field);
    QPushButton *confirm = dialog.firstButton();
    QVERIFY(!confirm->isEnabled());
    QCOMPARE(field->placeholderText(), QStringLiteral("Backup"));

    QTest::keyClicks(field, QStringLiteral("Backup "));
    QVERIFY2(!confirm->isEnabled(), "a trailing space is not the name");
    QTest::keyClick(field, Qt::Key_Backspace);
    QVERIFY(confirm->isEnabled());

    field->setText(QStringLiteral("backup"));
    QVERIFY2(!confirm->isEnabled(), "case matters");
    field->setText(QStringLiteral(" Backup"));
    QVERIFY(!confirm->isEnabled());

    QVERIFY(!TypeNameValidator::matches(QStringLiteral("BACKUP"), QStringLiteral("Backup")));
    QVERIFY(TypeNameValidator::matches(QStringLiteral("Backup"), QStringLiteral("Backup")));
}

void TestDialogs::typeNameConfirmsOnlyWithNameStillTyped()
{
    ConfirmationDialog dialog(ConfirmationModel::typeName, VolumeOperation::erase,
                              QStringLiteral("Backup"));
    dialog.nameField()->setText(QStringLiteral("Backup"));
    dialog.open();
    dialog.firstButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.isConfirmed());

    ConfirmationDialog cancelled(ConfirmationModel::typeName, VolumeOperation::erase,
                                 QStringLiteral("Backup"));
    cancelled.nameField()->setText(QStringLiteral("Backup"));
    cancelled.open();
    cancelled.cancelButton()->click();
    QVERIFY(!cancelled.isConfirmed());
}

void TestDialogs::holdReleasedEarlyStaysDisabled()
{
    ConfirmationDialog dialog(ConfirmationModel::holdButton, VolumeOperation::erase,
                              QStringLiteral("Backup"));
    HoldToConfirmButton *hold = dialog.holdButton();
    QVERIFY(hold);
    ManualClock clock;
    hold->setClock(clock.function());
    dialog.show();
    QVERIFY(!dialog.firstButton()->isEnabled());
    QCOMPARE(hold->text(), QStringLiteral("Hold to Confirm"));

    press(hold);
    QVERIFY(hold->isHolding());
    QVERIFY(hold->isDown());
    QCOMPARE(hold->text(), QStringLiteral("Hold… 3"));
    clock.now += 1500ms;
    QTRY_COMPARE(hold->text(), QStringLiteral("Hold… 2"));
    clock.now += 1000ms; // 2.5 s held
    QTRY_COMPARE(hold->text(), QStringLiteral("Hold… 1"));

    release(hold);
    QVERIFY(!hold->isHolding());
    QVERIFY(!hold->isDown());
    QCOMPARE(hold->text(), QStringLiteral("Hold to Confirm"));
    clock.now += 1000ms;
    QTest::qWait(120); // a stray tick must not complete a released hold
    QVERIFY(!hold->isCompleted());
    QVERIFY(hold->isEnabled());
    QVERIFY(!dialog.firstButton()->isEnabled());
}

void TestDialogs::holdForFullDurationEnables()
{
    ConfirmationDialog dialog(ConfirmationModel::holdButton, VolumeOperation::erase,
                              QStringLiteral("Backup"));
    HoldToConfirmButton *hold = dialog.holdButton();
    ManualClock clock;
    hold->setClock(clock.function());
    dialog.show();
    QSignalSpy completed(hold, &HoldToConfirmButton::holdCompleted);

    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY2(dialog.isVisible(), "Return must not confirm before the hold");

    press(hold);
    clock.now += 2999ms;
    QTRY_COMPARE(hold->text(), QStringLiteral("Hold… 1"));
    QVERIFY(!dialog.firstButton()->isEnabled());
    clock.now += 1ms;
    QTRY_COMPARE(hold->text(), QStringLiteral("Confirmed"));
    QCOMPARE(completed.count(), 1);
    QVERIFY(!hold->isEnabled());
    QVERIFY(!hold->isDown());
    QVERIFY(dialog.firstButton()->isEnabled());

    // The release that follows changes nothing.
    release(hold);
    QCOMPARE(hold->text(), QStringLiteral("Confirmed"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QVERIFY(dialog.isConfirmed());
}

void TestDialogs::holdDraggedOutsideAborts()
{
    HoldToConfirmButton hold;
    hold.resize(240, 28);
    ManualClock clock;
    hold.setClock(clock.function());
    bool completed = false;
    hold.onHoldCompleted = [&] { completed = true; };
    hold.show();

    press(&hold);
    clock.now += 1000ms;
    dragTo(&hold, QPoint(200, 10)); // still inside
    QVERIFY(hold.isHolding());
    dragTo(&hold, QPoint(250, 10));
    QVERIFY(!hold.isHolding());
    QCOMPARE(hold.text(), QStringLiteral("Hold to Confirm"));
    clock.now += 5000ms;
    QTest::qWait(120);
    QVERIFY(!completed);
}

void TestDialogs::holdStillAllowsAnotherTry()
{
    HoldToConfirmButton hold;
    ManualClock clock;
    hold.setClock(clock.function());
    bool completed = false;
    hold.onHoldCompleted = [&] { completed = true; };
    hold.show();

    press(&hold);
    clock.now += 2000ms;
    release(&hold);
    press(&hold);
    QCOMPARE(hold.text(), QStringLiteral("Hold… 3")); // the clock starts over
    clock.now += 3000ms;
    QTRY_VERIFY(completed);
}

void TestDialogs::renameTrimsAndRejectsBlankOrUnchanged()
{
    const QString current = QStringLiteral("Photos");
    QCOMPARE(RenamePrompt::newName(QStringLiteral("  Trips \n"), current),
             std::optional(QStringLiteral("Trips")));
    QCOMPARE(RenamePrompt::newName(QStringLiteral("   "), current), std::nullopt);
    QCOMPARE(RenamePrompt::newName(QString(), current), std::nullopt);
    QCOMPARE(RenamePrompt::newName(QStringLiteral("Photos"), current), std::nullopt);
    QCOMPARE(RenamePrompt::newName(QStringLiteral("\tPhotos "), current), std::nullopt);
    QCOMPARE(RenamePrompt::newName(QStringLiteral("photos"), current),
             std::optional(QStringLiteral("photos")));
}

void TestDialogs::renamePromptDialog()
{
    RenamePrompt prompt(QStringLiteral("Photos"));
    QCOMPARE(prompt.message(), QStringLiteral("Rename “Photos”"));
    QCOMPARE(prompt.informativeText(), QStringLiteral("Enter a new name for the volume."));
    QCOMPARE(prompt.alertStyle(), AlertDialog::Style::warning);
    QCOMPARE(prompt.firstButton()->text(), QStringLiteral("Rename"));
    QCOMPARE(prompt.nameField()->text(), QStringLiteral("Photos"));
    QCOMPARE(prompt.nameField()->placeholderText(), QStringLiteral("Volume name"));

    prompt.nameField()->setText(QStringLiteral("  Trips  "));
    prompt.open();
    prompt.firstButton()->click();
    QCOMPARE(prompt.chosenName(), std::optional(QStringLiteral("Trips")));

    RenamePrompt cancelled(QStringLiteral("Photos"));
    cancelled.nameField()->setText(QStringLiteral("Trips"));
    cancelled.open();
    cancelled.cancelButton()->click();
    QCOMPARE(cancelled.chosenName(), std::nullopt);
}

void TestDialogs::erasePanelDefaults()
{
    ErasePanel panel(volumeNamed(QStringLiteral("Stick")));
    QCOMPARE(panel.message(), QStringLiteral("Erase “Stick”?"));
    QCOMPARE(panel.alertStyle(), AlertDialog::Style::critical);
    QCOMPARE(panel.firstButton()->text(), QStringLiteral("Erase"));
    QVERIFY(panel.firstButton()->property("destructive").toBool());

    const QStringList expected{QStringLiteral("ext4"), QStringLiteral("ExFAT"),
                               QStringLiteral("MS-DOS FAT32"), QStringLiteral("NTFS")};
    QCOMPARE(ErasePanel::formats(), expected);
    QStringList offered;
    for (int i = 0; i < panel.formatBox()->count(); ++i)
        offered << panel.formatBox()->itemText(i);
    QCOMPARE(offered, expected);
    QCOMPARE(panel.formatBox()->currentText(), QStringLiteral("ext4"));
    QCOMPARE(panel.nameField()->text(), QStringLiteral("Stick"));
    QCOMPARE(panel.nameField()->placeholderText(), QStringLiteral("New name"));
    QCOMPARE(panel.accessory()->size(), QSize(240, 61));

    // Pressing Erase straight away keeps the name and takes the default format.
    panel.open();
    panel.firstButton()->click();
    QCOMPARE(panel.choice(),
             std::optional(EraseChoice{QStringLiteral("ext4"), QStringLiteral("Stick")}));
}

void TestDialogs::erasePanelChoice()
{
    ErasePanel cleared(volumeNamed(QStringLiteral("Stick")));
    cleared.nameField()->setText(QStringLiteral("   "));
    cleared.open();
    cleared.firstButton()->click();
    QCOMPARE(cleared.choice(),
             std::optional(EraseChoice{QStringLiteral("ext4"), QStringLiteral("Stick")}));

    ErasePanel chosen(volumeNamed(QStringLiteral("Stick")));
    chosen.formatBox()->setCurrentIndex(3);
    chosen.nameField()->setText(QStringLiteral(" Archive\n"));
    chosen.open();
    chosen.firstButton()->click();
    QCOMPARE(chosen.choice(),
             std::optional(EraseChoice{QStringLiteral("NTFS"), QStringLiteral("Archive")}));

    ErasePanel cancelled(volumeNamed(QStringLiteral("Stick")));
    cancelled.open();
    cancelled.cancelButton()->click();
    QCOMPARE(cancelled.choice(), std::nullopt);

    // Only what this machine can make is offered.
    ErasePanel limited(volumeNamed(QStringLiteral("Stick")),
                       {QStringLiteral("ExFAT"), QStringLiteral("NTFS")});
    QCOMPARE(limited.formatBox()->count(), 2);
    QCOMPARE(limited.formatBox()->itemText(1), QStringLiteral("NTFS"));
    limited.open();
    limited.firstButton()->click();
    QCOMPARE(limited.choice(),
             std::optional(EraseChoice{QStringLiteral("ExFAT"), QStringLiteral("Stick")}));
}

void TestDialogs::namesTheFileSystemCannotHoldAreRefused()
{
    RenamePrompt prompt(QStringLiteral("PHOTOS"), QStringLiteral("vfat"));
    QVERIFY(prompt.problem().isEmpty());
    QVERIFY(prompt.firstButton()->isEnabled());
    prompt.nameField()->setText(QStringLiteral("Holiday Photos"));
    QCOMPARE(prompt.problem(), QStringLiteral("Names of FAT volumes can be at most 11 bytes long; "
                                              "this one has 14. Letters with accents and other "
                                              "symbols take two bytes or more."));
    QVERIFY(!prompt.firstButton()->isEnabled());
    prompt.nameField()->setText(QStringLiteral(" HOLIDAY "));
    QVERIFY(prompt.problem().isEmpty());
    QVERIFY(prompt.firstButton()->isEnabled());

    // Unknown file system: only control characters are refused.
    RenamePrompt unknown(QStringLiteral("Photos"));
    unknown.nameField()->setText(QString(300, u'x'));
    QVERIFY(unknown.problem().isEmpty());

    // The current name is checked against the default format at once.
    ErasePanel panel(volumeNamed(QStringLiteral("My Long Volume Name")));
    QVERIFY(panel.problem().contains(QLatin1String("ext4 volumes can be at most 16 bytes")));
    QVERIFY(!panel.firstButton()->isEnabled());
    panel.nameField()->setText(QStringLiteral("my.stick"));
    QVERIFY(panel.problem().isEmpty());
    panel.formatBox()->setCurrentText(QStringLiteral("MS-DOS FAT32"));
    QCOMPARE(panel.problem(), QStringLiteral("Names of FAT volumes can’t contain “.”."));
    panel.formatBox()->setCurrentText(QStringLiteral("NTFS"));
    QVERIFY(panel.problem().isEmpty());
    panel.open();
    panel.firstButton()->click();
    QCOMPARE(panel.choice(),
             std::optional(EraseChoice{QStringLiteral("NTFS"), QStringLiteral("my.stick")}));
}

void TestDialogs::forceEjectTexts()
{
    ForceEjectDialog dialog(QStringLiteral("Stick"),
                            {QStringLiteral("Finder"), QStringLiteral("Preview")});
    QCOMPARE(dialog.message(), QStringLiteral("“Stick” is in use"));
    QCOMPARE(dialog.informativeText(),
             QStringLiteral("“Stick” is in use by: Finder, Preview. Force ejecting may cause "
                            "data loss."));
    QCOMPARE(dialog.firstButton()->text(), QStringLiteral("Force Eject"));
    QCOMPARE(dialog.alertStyle(), AlertDialog::Style::warning);

    // Placeholders inside a name are not filled again.
    ForceEjectDialog odd(QStringLiteral("Disk %2"), {QStringLiteral("vim")});
    QCOMPARE(odd.informativeText(),
             QStringLiteral("“Disk %2” is in use by: vim. Force ejecting may cause data loss."));
}

void TestDialogs::confirmationTexts_data()
{
    QTest::addColumn<VolumeOperation>("operation");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("verb");
    QTest::newRow("eject") << VolumeOperation::eject << "Eject “X”?"
                           << "Are you sure you want to eject “X”?"
                           << "Eject";
    QTest::newRow("autoEject") << VolumeOperation::autoEject << "Eject “X”?"
                               << "Are you sure you want to eject “X”?"
                               << "Eject";
    QTest::newRow("forceEject") << VolumeOperation::forceEject << "Force Eject “X”?"
                                << "Apps using “X” may lose unsaved data."
                                << "Force Eject";
    QTest::newRow("remount") << VolumeOperation::remount << "Remount “X”?"
                             << "Are you sure you want to remount “X”?"
                             << "Remount";
    QTest::newRow("autoRemount") << VolumeOperation::autoRemount << "Remount “X”?"
                                 << "Are you sure you want to remount “X”?"
                                 << "Remount";
    QTest::newRow("rename") << VolumeOperation::rename << "Rename “X”?"
                            << "Are you sure you want to rename “X”?"
                            << "Rename";
    QTest::newRow("erase") << VolumeOperation::erase << "Erase “X”?"
                           << "All data on “X” will be permanently destroyed. This can’t be "
                              "undone."
                           << "Erase";
}

void TestDialogs::confirmationTexts()
{
    QFETCH(VolumeOperation, operation);
    QFETCH(QString, title);
    QFETCH(QString, body);
    QFETCH(QString, verb);
    QCOMPARE(ConfirmationPresenter::title(operation, QStringLiteral("X")), title);
    QCOMPARE(ConfirmationPresenter::warning(operation, QStringLiteral("X")), body);
    QCOMPARE(ConfirmationPresenter::verb(operation), verb);
}

void TestDialogs::confirmationStyles()
{
    const QString body =
        QStringLiteral("All data on “X” will be permanently destroyed. This can’t be undone.");

    ConfirmationDialog alert(ConfirmationModel::alert, VolumeOperation::erase, QStringLiteral("X"));
    QCOMPARE(alert.alertStyle(), AlertDialog::Style::critical);
    QCOMPARE(alert.informativeText(), body);
    QVERIFY(alert.firstButton()->isEnabled());
    QVERIFY(alert.firstButton()->property("destructive").toBool());
    QCOMPARE(alert.cancelButton()->text(), QStringLiteral("Cancel"));
    QVERIFY(!alert.nameField() && !alert.holdButton());

    ConfirmationDialog typed(ConfirmationModel::typeName, VolumeOperation::erase,
                             QStringLiteral("X"));
    QCOMPARE(typed.informativeText(), body + QStringLiteral(" Type the volume name to confirm."));
    QCOMPARE(typed.nameField()->size(), QSize(240, 24));

    ConfirmationDialog held(ConfirmationModel::holdButton, VolumeOperation::erase,
                            QStringLiteral("X"));
    QCOMPARE(held.informativeText(),
             body + QStringLiteral(" Hold the button below for 3 seconds to enable Erase."));
    QCOMPARE(held.holdButton()->size(), QSize(240, 28));
}

void TestDialogs::promptsRunTheDialogs()
{
    DialogOperationPrompts prompts;
    // yolo asks nothing; with a dialog it would block here.
    QVERIFY(prompts.confirm(ConfirmationModel::yolo, VolumeOperation::erase, QStringLiteral("X")));

    whenModal<RenamePrompt>([](RenamePrompt *prompt) {
        prompt->nameField()->setText(QStringLiteral(" Trips "));
        prompt->firstButton()->click();
    });
    QCOMPARE(prompts.renameName(QStringLiteral("Photos"), QStringLiteral("ext4")),
             std::optional(QStringLiteral("Trips")));

    whenModal<ForceEjectDialog>([](ForceEjectDialog *dialog) { dialog->cancelButton()->click(); });
    QVERIFY(!prompts.forceEject(QStringLiteral("Stick"), {QStringLiteral("vim")}));

    whenModal<ConfirmationDialog>([](ConfirmationDialog *dialog) {
        QVERIFY(dialog->model() == ConfirmationModel::typeName);
        dialog->nameField()->setText(QStringLiteral("Stick"));
        dialog->firstButton()->click();
    });
    QVERIFY(prompts.confirm(ConfirmationModel::typeName, VolumeOperation::erase,
                            QStringLiteral("Stick")));

    whenModal<ErasePanel>([](ErasePanel *panel) {
        panel->formatBox()->setCurrentIndex(1);
        panel->firstButton()->click();
    });
    QCOMPARE(prompts.eraseChoice(volumeNamed(QStringLiteral("Stick")), ErasePanel::formats()),
             std::optional(EraseChoice{QStringLiteral("ExFAT"), QStringLiteral("Stick")}));

    whenModal<FailureAlert>([](FailureAlert *alert) {
        QCOMPARE(alert->message(), QStringLiteral("Couldn’t erase “Stick”"));
        QVERIFY(!alert->cancelButton());
        alert->firstButton()->click();
    });
    prompts.alert(QStringLiteral("Couldn’t erase “Stick”"),
                  QStringLiteral("The operation failed."));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
