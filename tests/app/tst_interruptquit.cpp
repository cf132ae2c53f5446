#include "services/interruptquit.h"

#include "interruptwatcher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <csignal>

namespace {

// As the program's main window does: closing only hides it, and a tray program stays.
class StayingWindow : public QMainWindow {
protected:
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

} // namespace

class TestInterruptQuit : public QObject {
    Q_OBJECT
private slots:
    void oneSignalEndsTheProgramWhateverIsOpen()
    {
        InterruptWatcher watcher;
        InterruptQuit::connect(watcher);
        int terminateSteps = 0;
        connect(qApp, &QCoreApplication::aboutToQuit, this,
                [&terminateSteps] { ++terminateSteps; });

        StayingWindow window;
        window.show();
        QMenu menu;
        menu.addAction(QStringLiteral("Eject"));
        QWidget popover(nullptr, Qt::Popup);
        popover.resize(200, 200);
        bool dialogReturned = false;
        bool laterDialogRan = false;
        QTimer::singleShot(0, this, [&] {
            popover.show();
            menu.popup(QPoint(10, 10));
            QDialog dialog(&window);
            dialog.setModal(true);
            QTimer::singleShot(200, [] { ::raise(SIGTERM); });
            dialog.exec();
            dialogReturned = true;
            // A flow that asks again after its dialog was cut short does not hold up the end.
            QDialog again(&window);
            QTimer::singleShot(5000, &again, [&laterDialogRan] { laterDialogRan = true; });
            again.exec();
        });
        // A safety net, so that a failure does not hang the test.
        QTimer::singleShot(20000, [] { QCoreApplication::exit(3); });
        const int code = QApplication::exec();
        QCOMPARE(code, 0);
        QVERIFY(dialogReturned);
        QVERIFY(!laterDialogRan);
        QCOMPARE(terminateSteps, 1);
    }
};

QTEST_MAIN(TestInterruptQuit)
#include "tst_interruptquit.moc"
