#include "fakehome.h"
#include "whenmodal.h"

#include "fakes/privatebus.h"

#include "common/alertdialog.h"
#include "services/movetoapplications.h"
#include "services/singleinstance.h"
#include "stores/appsupport.h"
#include "stores/installlocation.h"
#include "stores/settingskeys.h"
#include "stores/settingsstore.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <QtTest>

namespace {

// Set for a copy of this program that the move starts: it then claims the single-instance name
// like the real program would, writes the outcome and its own path to the named file, and
// ends, instead of running the tests again.
const char standInReport[] = "QUILLMERE_TEST_STANDIN_REPORT";

int runStandIn(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SingleInstance instance(AppSupport::bundleIdentifier());
    const SingleInstance::Outcome outcome = instance.claim();
    QSaveFile report(qEnvironmentVariable(standInReport));
    if (!report.open(QIODevice::WriteOnly))
        return 1;
    const char *name = outcome == SingleInstance::Outcome::primary     ? "primary"
                       : outcome == SingleInstance::Outcome::secondary ? "secondary"
                                                                       : "noBus";
    report.write(QByteArray(name) + ' ' + QCoreApplication::applicationFilePath().toUtf8());
    return report.commit() ? 0 : 1;
}

QByteArray digest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

QStringList declined(SettingsStore &defaults)
{
    return defaults.stringList(QString::fromLatin1(SettingsKeys::moveOfferDeclinedLocations))
        .value_or(QStringList());
}

struct Recorder {
    QStringList relaunched;
    int quits = 0;
};

} // namespace

// The move offer in a home folder of its own, with a copy of this test program standing in for
// the program.
class TestMoveOffer : public QObject {
    Q_OBJECT

    PrivateBus m_bus;
    QString m_busError;

    // The program's dependencies with the relaunch and quit recorded instead of done.
    static MoveToApplications::Dependencies recorded(SettingsStore &defaults, const QString &program,
                                                     Recorder &recorder)
    {
        MoveToApplications::Dependencies d = MoveToApplications::forThisProgram(defaults);
        d.bundlePath = program;
        d.relaunch = [&recorder](const QString &path) {
            recorder.relaunched.append(path);
            return true;
        };
        d.quit = [&recorder] { ++recorder.quits; };
        return d;
    }

private slots:
    void initTestCase()
    {
        // Whatever copy gets started runs as the stand-in, never as these tests again.
        qputenv(standInReport, QDir::current().filePath(QStringLiteral("stray-report")).toUtf8());
        if (PrivateBus::available() && m_bus.start(&m_busError))
            qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.address().toUtf8());
        else if (m_busError.isEmpty())
            m_busError = QStringLiteral("no dbus-daemon");
    }

    void movesACopyFromDownloadsToApplicationsAndStartsIt()
    {
        if (m_bus.address().isEmpty())
            QSKIP(qPrintable(QStringLiteral("needs a session bus of its own: ") + m_busError));
        FakeHome home;
        QVERIFY(home.isValid());
        // The desktop's own name for the Downloads folder.
        QVERIFY(home.write(QStringLiteral(".config/user-dirs.dirs"),
                           "XDG_DOWNLOAD_DIR=\"$HOME/Telechargements\"\n"));
        const QString program = home.filePath(QStringLiteral("Telechargements/quillmere"));
        QDir().mkpath(QFileInfo(program).path());
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        const QByteArray programDigest = digest(program);
        QVERIFY(home.write(QStringLiteral("Applications/quillmere"), "an older copy"));

        // The running instance holds the single-instance name until it has quit.
        SingleInstance running(AppSupport::bundleIdentifier());
        QCOMPARE(running.claim(), SingleInstance::Outcome::primary);

        const QString report = home.filePath(QStringLiteral("started"));
        qputenv(standInReport, report.toUtf8());
        std::unique_ptr<SettingsStore> defaults = SettingsStore::standard();
        MoveToApplications::Dependencies d = MoveToApplications::forThisProgram(*defaults);
        d.bundlePath = program;
        int quits = 0;
        d.quit = [&quits] { ++quits; };

        QString offered;
        whenModal<AlertDialog>([&offered](AlertDialog *dialog) {
            offered = dialog->message() + u'|' + dialog->informativeText() + u'|' +
                      dialog->firstButton()->text() + u'|' + dialog->cancelButton()->text();
            dialog->firstButton()->click();
        });
        QVERIFY(MoveToApplications(d).offerIfNeeded());
        QCOMPARE(offered.section(u'|', 0, 0),
                 QStringLiteral("Move Quillmere to the Applications folder?"));
        QVERIFY2(
            offered.section(u'|', 1, 1)
                .startsWith(QStringLiteral("Quillmere is running from your Downloads folder. ")),
            qPrintable(offered));
        QCOMPARE(offered.section(u'|', 2), QStringLiteral("Move to Applications|Don’t Move"));
        QCOMPARE(quits, 1);

        // The copy, whole and executable, in place of the older one, which is in the trash
        // with the source.
        const QString moved = home.filePath(QStringLiteral("Applications/quillmere"));
        QCOMPARE(digest(moved), programDigest);
        QVERIFY(QFileInfo(moved).isExecutable());
        QVERIFY(!QFileInfo::exists(program));
        const QDir trash(home.filePath(QStringLiteral(".local/share/Trash/files")));
        const QStringList trashed = trash.entryList(QDir::Files);
        QCOMPARE(trashed.size(), 2);
        QVERIFY(trashed.contains(QStringLiteral("quillmere")));
        QSet<QByteArray> trashedDigests;
        for (const QString &name : trashed)
            trashedDigests.insert(digest(trash.filePath(name)));
        QVERIFY(trashedDigests.contains(programDigest));

        // Its launcher entry starts it from there.
        const QString entry = QString::fromUtf8(
            home.read(QStringLiteral(".local/share/applications/com.quillmere.app.desktop")));
        QVERIFY2(entry.split(u'\n').contains(QStringLiteral("Exec=") + moved), qPrintable(entry));
        QVERIFY(entry.contains(QStringLiteral("\nName=Quillmere\n")));

        // The new copy starts and owns the name, although this instance has not gone yet.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(report), 20000);
        QFile started(report);
        QVERIFY(started.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(started.readAll()),
                 QStringLiteral("primary ") + QFileInfo(moved).canonicalFilePath());
        QVERIFY(declined(*defaults).isEmpty());
    }

    void aDeclinedLocationIsNotOfferedAgain()
    {
        FakeHome home;
        QVERIFY(home.isValid());
        const QString onDesktop = home.filePath(QStringLiteral("Desktop/quillmere"));
        const QString inDownloads = home.filePath(QStringLiteral("Downloads/quillmere"));
        QVERIFY(home.write(QStringLiteral("Desktop/quillmere"), "program"));
        QVERIFY(home.write(QStringLiteral("Downloads/quillmere"), "program"));
        Recorder recorder;
        std::unique_ptr<SettingsStore> defaults = SettingsStore::standard();

        QString body;
        whenModal<AlertDialog>([&body](AlertDialog *dialog) {
            body = dialog->informativeText();
            dialog->cancelButton()->click();
        });
        QVERIFY(!MoveToApplications(recorded(*defaults, onDesktop, recorder)).offerIfNeeded());
        QVERIFY2(body.startsWith(QStringLiteral("Quillmere is running from your Desktop. ")),
                 qPrintable(body));
        QCOMPARE(declined(*defaults), QStringList{onDesktop});

        // Read back from the settings file, as at the next start.
        std::unique_ptr<SettingsStore> nextStart = SettingsStore::standard();
        int asked = 0;
        MoveToApplications::Dependencies again = recorded(*nextStart, onDesktop, recorder);
        again.askToMove = [&asked](const QString &) {
            ++asked;
            return false;
        };
        QVERIFY(!MoveToApplications(again).offerIfNeeded());
        QCOMPARE(asked, 0);

        // Another copy that qualifies is still offered.
        again.bundlePath = inDownloads;
        QVERIFY(!MoveToApplications(again).offerIfNeeded());
        QCOMPARE(asked, 1);
        QCOMPARE(declined(*nextStart), QStringList({onDesktop, inDownloads}));
        QVERIFY(recorder.relaunched.isEmpty());
        QCOMPARE(recorder.quits, 0);
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("Applications"))));
    }

    void aCopyThatCannotBeTrashedStopsTheMove()
    {
        FakeHome home;
        QVERIFY(home.isValid());
        QVERIFY(home.write(QStringLiteral("Downloads/quillmere"), "new"));
        QVERIFY(home.write(QStringLiteral("Applications/quillmere"), "old"));
        // A file where the trash folder would go: nothing can be trashed.
        QVERIFY(home.write(QStringLiteral(".local/share/Trash"), "not a folder"));
        const QSet<QString> before = home.tree();
        Recorder recorder;
        std::unique_ptr<SettingsStore> defaults = SettingsStore::standard();
        MoveToApplications::Dependencies d =
            recorded(*defaults, home.filePath(QStringLiteral("Downloads/quillmere")), recorder);
        d.askToMove = [](const QString &) { return true; };

        QString failure;
        whenModal<AlertDialog>([&failure](AlertDialog *dialog) {
            failure = dialog->message() + u'|' + dialog->informativeText();
            QVERIFY(!dialog->cancelButton());
            dialog->firstButton()->click();
        });
        QVERIFY(!MoveToApplications(d).offerIfNeeded());
        QVERIFY2(failure.startsWith(QStringLiteral(
                     "Couldn’t move Quillmere|Copying to the Applications folder failed: ")),
                 qPrintable(failure));

        QCOMPARE(home.tree(), before);
        QCOMPARE(home.read(QStringLiteral("Applications/quillmere")), QByteArray("old"));
        QVERIFY(recorder.relaunched.isEmpty());
        QCOMPARE(recorder.quits, 0);
        // Not declined: offered again at the next start.
        QVERIFY(declined(*defaults).isEmpty());
    }

    void aFailedCopyChangesNothing()
    {
        FakeHome home;
        QVERIFY(home.isValid());
        QVERIFY(home.write(QStringLiteral("Downloads/quillmere"), "new"));
        // A file where the Applications folder would go.
        QVERIFY(home.write(QStringLiteral("Applications"), "not a folder"));
        Recorder recorder;
        std::unique_ptr<SettingsStore> defaults = SettingsStore::standard();
        const QSet<QString> before = home.tree();
        MoveToApplications::Dependencies d =
            recorded(*defaults, home.filePath(QStringLiteral("Downloads/quillmere")), recorder);
        d.askToMove = [](const QString &) { return true; };
        QStringList failures;
        d.showFailure = [&failures](const QString &error) { failures.append(error); };

        QVERIFY(!MoveToApplications(d).offerIfNeeded());
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures.first().endsWith(u'.'), qPrintable(failures.first()));
        QCOMPARE(home.tree(), before);
        QVERIFY(recorder.relaunched.isEmpty());
        QCOMPARE(recorder.quits, 0);
    }

    void aCopyUnpackedBelowTmpIsLeftThere()
    {
        FakeHome home;
        QVERIFY(home.isValid());
        QTemporaryDir unpacked(QStringLiteral("/tmp/quillmere-unpacked-XXXXXX"));
        QVERIFY(unpacked.isValid());
        const QString program = unpacked.filePath(QStringLiteral("quillmere"));
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("program");
        file.close();
        Recorder recorder;
        std::unique_ptr<SettingsStore> defaults = SettingsStore::standard();
        MoveToApplications::Dependencies d = recorded(*defaults, program, recorder);
        QString where;
        d.askToMove = [&where](const QString &description) {
            where = description;
            return true;
        };

        QVERIFY(MoveToApplications(d).offerIfNeeded());
        QCOMPARE(where, QStringLiteral("a temporary location"));
        const QString moved = home.filePath(QStringLiteral("Applications/quillmere"));
        QCOMPARE(home.read(QStringLiteral("Applications/quillmere")), QByteArray("program"));
        QVERIFY(QFileInfo::exists(program));
        QCOMPARE(recorder.relaunched, QStringList{moved});
        QCOMPARE(recorder.quits, 1);
    }

    void programsInstalledForTheUserAreNotOffered()
    {
        FakeHome home;
        QVERIFY(home.isValid());
        Recorder recorder;
        std::unique_ptr<SettingsStore> defaults = SettingsStore::standard();
        for (const QString &path :
             {home.filePath(QStringLiteral("Applications/quillmere")),
              home.filePath(QStringLiteral(".local/bin/quillmere")),
              home.filePath(QStringLiteral("src/quillmere/build/app/quillmere")),
              QStringLiteral("/usr/bin/quillmere")}) {
            MoveToApplications::Dependencies d = recorded(*defaults, path, recorder);
            d.askToMove = [](const QString &) {
                qFatal("offered a move");
                return false;
            };
            QVERIFY2(!MoveToApplications(d).offerIfNeeded(), qPrintable(path));
        }
        QVERIFY(declined(*defaults).isEmpty());
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(standInReport))
        return runStandIn(argc, argv);
    QApplication app(argc, argv);
    TestMoveOffer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_moveoffer.moc"
