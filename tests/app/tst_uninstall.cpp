#include "appfakes.h"
#include "fakehome.h"
#include "whenmodal.h"

#include "common/alertdialog.h"
#include "services/uninstallui.h"
#include "shell/application.h"
#include "shell/mainwindowfactory.h"
#include "stores/historystore.h"
#include "stores/settingskeys.h"
#include "stores/settingsstore.h"
#include "window/mainwindowcontroller.h"

#include <QMainWindow>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// What a user who has used Quillmere has in the home folder, relative to it.
const QStringList quillmereFiles{
    QStringLiteral(".config/autostart/com.quillmere.app.desktop"),
    QStringLiteral(".local/share/Quillmere/history.jsonl"),
    QStringLiteral(".local/share/Quillmere/media-definitions.token"),
    QStringLiteral(".config/quillmere/com.quillmere.app.json.lock"),
    QStringLiteral(".cache/com.quillmere.app/icons/drive.png"),
    QStringLiteral(".local/share/applications/com.quillmere.app.desktop"),
};
// And what is not Quillmere's, although some of it sits beside its files.
const QStringList otherFiles{
    QStringLiteral(".config/autostart/org.example.Other.desktop"),
    QStringLiteral(".local/share/applications/org.example.Other.desktop"),
    QStringLiteral(".local/share/Quillmere Staging/history.jsonl"),
    QStringLiteral(".cache/org.example.Other/cache"),
    QStringLiteral(".config/user-dirs.dirs"),
    QStringLiteral("Documents/notes.txt"),
};
// Removed with their contents.
const QStringList quillmereFolders{
    QStringLiteral(".local/share/Quillmere"),
    QStringLiteral(".cache/com.quillmere.app"),
};

// Everything in `tree` that uninstalling removes.
QSet<QString> removedFrom(const QSet<QString> &tree, bool settingsFolderEmptied)
{
    QSet<QString> removed;
    for (const QString &entry : tree) {
        bool gone = quillmereFiles.contains(entry) ||
                    entry == QLatin1String(".config/quillmere/com.quillmere.app.json") ||
                    (settingsFolderEmptied && entry == QLatin1String(".config/quillmere"));
        for (const QString &folder : quillmereFolders)
            gone = gone || entry == folder || entry.startsWith(folder + u'/');
        if (gone)
            removed.insert(entry);
    }
    return removed;
}

struct UsedHome {
    FakeHome home;
    std::unique_ptr<SettingsStore> defaults;

    explicit UsedHome(bool otherSettings)
    {
        defaults = SettingsStore::standard();
        defaults->setBool(QString::fromLatin1(SettingsKeys::mainWindowOpen), true);
        for (const QString &file : quillmereFiles + otherFiles)
            home.write(file, "x");
        if (otherSettings)
            home.write(QStringLiteral(".config/quillmere/com.jtarnwick.Kestrin.json"), "{}");
        // The lock a program left behind when it crashed long ago.
        QFile lock(home.filePath(QStringLiteral(".config/quillmere/com.quillmere.app.json.lock")));
        if (lock.open(QIODevice::Append))
            lock.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600),
                             QFileDevice::FileModificationTime);
    }
};

} // namespace

// Uninstalling in a home folder of its own. The "uninstalling" mark stays for the rest of the
// process, so the cases that need it unset come first.
class TestUninstall : public QObject {
    Q_OBJECT

    static UninstallUI::Dependencies dependencies(SettingsStore &defaults, const QString &program,
                                                  int &quits)
    {
        UninstallUI::Dependencies d = UninstallUI::forThisProgram(defaults);
        d.program = ProgramFile{program, false};
        d.quit = [&quits] { ++quits; };
        return d;
    }

private slots:
    void cancelChangesNothing()
    {
        UsedHome used(false);
        FakeHome &home = used.home;
        QVERIFY(home.isValid());
        const QString program = home.filePath(QStringLiteral("Applications/quillmere"));
        QVERIFY(home.write(QStringLiteral("Applications/quillmere"), "program"));
        const QSet<QString> before = home.tree();
        int quits = 0;

        QString shown;
        bool destructive = false;
        whenModal<AlertDialog>([&shown, &destructive](AlertDialog *dialog) {
            shown = dialog->message() + u'|' + dialog->firstButton()->text() + u'|' +
                    dialog->cancelButton()->text();
            destructive = dialog->firstButton()->property("destructive").toBool();
            dialog->cancelButton()->click();
        });
        QVERIFY(!UninstallUI(dependencies(*used.defaults, program, quits)).present());
        QCOMPARE(shown, QStringLiteral("Uninstall Quillmere?|Uninstall|Cancel"));
        QVERIFY(destructive);

        QCOMPARE(home.tree(), before);
        QVERIFY(used.defaults->boolValue(QString::fromLatin1(SettingsKeys::mainWindowOpen))
                    .value_or(false));
        QCOMPARE(quits, 0);
        QVERIFY(!UninstallUI::isUninstalling());
    }

    void quittingAfterAnUninstallWritesNoWindowState()
    {
        FakeHome home;
        QVERIFY(home.isValid());
        FakeServices fakes;
        SettingsStore &defaults = *fakes.defaults;
        Application application(fakes.make());
        const QString key = QString::fromLatin1(SettingsKeys::mainWindowOpen);
        application.shutdown();
        QVERIFY(defaults.contains(key));

        int quits = 0;
        UninstallUI::Dependencies d =
            dependencies(defaults, QStringLiteral("/usr/bin/quillmere"), quits);
        d.confirm = [](const QString &) { return true; };
        QVERIFY(UninstallUI(d).present());
        QCOMPARE(quits, 1);
        QVERIFY(UninstallUI::isUninstalling());
        QVERIFY(defaults.keys().isEmpty());

        application.shutdown();
        QVERIFY(!defaults.contains(key));
    }

    void removesWhatQuillmereStoredAndTrashesTheUsersCopy()
    {
        UsedHome used(false);
        FakeHome &home = used.home;
        QVERIFY(home.isValid());
        const QString program = home.filePath(QStringLiteral("Applications/quillmere"));
        QVERIFY(home.write(QStringLiteral("Applications/quillmere"), "program"));
        const QSet<QString> before = home.tree();
        QVERIFY(before.contains(QStringLiteral(".config/quillmere/com.quillmere.app.json")));
        int quits = 0;

        QString body;
        whenModal<AlertDialog>([&body](AlertDialog *dialog) {
            body = dialog->informativeText();
            dialog->firstButton()->click();
        });
        QVERIFY(UninstallUI(dependencies(*used.defaults, program, quits)).present());
        QCOMPARE(body, UninstallUI::confirmationBody(true));
        QCOMPARE(quits, 1);

        // Exactly Quillmere's files went, the program to the trash.
        QSet<QString> expected = before - removedFrom(before, true);
        expected.remove(QStringLiteral("Applications/quillmere"));
        const QSet<QString> trash{QStringLiteral(".local/share/Trash"),
                                  QStringLiteral(".local/share/Trash/files"),
                                  QStringLiteral(".local/share/Trash/files/quillmere"),
                                  QStringLiteral(".local/share/Trash/info"),
                                  QStringLiteral(".local/share/Trash/info/quillmere.trashinfo")};
        QCOMPARE(home.tree(), expected + trash);
        QCOMPARE(home.read(QStringLiteral(".local/share/Trash/files/quillmere")),
                 QByteArray("program"));
        QVERIFY(used.defaults->keys().isEmpty());
    }

    void leavesAProgramThePackageManagerInstalledAlone()
    {
        UsedHome used(true);
        FakeHome &home = used.home;
        QVERIFY(home.isValid());
        // Outside the home folder, like /usr/bin.
        QTemporaryDir system(QDir::current().filePath(QStringLiteral("usr-XXXXXX")));
        const QString program = system.filePath(QStringLiteral("quillmere"));
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("program");
        file.close();
        const QSet<QString> before = home.tree();
        int quits = 0;

        QString body;
        whenModal<AlertDialog>([&body](AlertDialog *dialog) {
            body = dialog->informativeText();
            dialog->firstButton()->click();
        });
        QVERIFY(UninstallUI(dependencies(*used.defaults, program, quits)).present());
        QCOMPARE(body, UninstallUI::confirmationBody(false));
        QVERIFY(body.contains(QStringLiteral("package manager")));
        QCOMPARE(quits, 1);

        QVERIFY(QFileInfo::exists(program));
        // The predecessor's settings keep their folder.
        QCOMPARE(home.tree(), before - removedFrom(before, false));
        QVERIFY(
            home.tree().contains(QStringLiteral(".config/quillmere/com.jtarnwick.Kestrin.json")));
    }

    void uninstallWithTheMainWindowOpenLeavesNoSettings()
    {
        // Last: the quit it sends ends this process's event loops for good.
        FakeHome home;
        QVERIFY(home.isValid());
        FakeServices fakes;
        fakes.defaults = SettingsStore::standard();
        SettingsStore &defaults = *fakes.defaults;
        AppServices services = fakes.make();
        auto log = std::make_unique<HistoryStore>(fakes.folder.filePath(QStringLiteral("support")));
        services.makeMainWindow = MainWindowFactory::make(*log);
        services.history = std::move(log);
        Application application(std::move(services));
        application.start();
        application.openMainWindow(MainWindowPane::history);
        QWidget *window = static_cast<MainWindowController *>(application.mainWindow())->window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QString settingsFolder = home.filePath(QStringLiteral(".config/quillmere"));
        QVERIFY(QFileInfo::exists(settingsFolder + QStringLiteral("/com.quillmere.app.json")));

        int quits = 0;
        UninstallUI::Dependencies d =
            dependencies(defaults, QStringLiteral("/usr/bin/quillmere"), quits);
        d.confirm = [](const QString &) { return true; };
        // As the program quits: every window closes, then the application shuts down.
        d.quit = [&quits, &application] {
            ++quits;
            QEvent quit(QEvent::Quit);
            QCoreApplication::sendEvent(qApp, &quit);
            application.shutdown();
        };
        QVERIFY(UninstallUI(d).present());
        QCOMPARE(quits, 1);
        QVERIFY(!window->isVisible());
        // The window that closed by itself afterwards writes nothing either.
        QCoreApplication::processEvents();
        QVERIFY2(!QFileInfo::exists(settingsFolder), qPrintable(settingsFolder));
        QVERIFY(!home.tree().contains(QStringLiteral(".config/quillmere")));
    }
};

QTEST_MAIN(TestUninstall)
#include "tst_uninstall.moc"
