#include "stores/desktopentry.h"
#include "stores/installlocation.h"
#include "stores/jsonfilesettingsbackend.h"
#include "stores/uninstallplan.h"
#include "stores/settingsstore.h"
#include "stores/userfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Where a copy of the program is offered a move, where it goes, and what uninstalling removes,
// for a made-up user "u".
class TestInstallation : public QObject {
    Q_OBJECT

    static UserFolders home() { return UserFolders::below(QStringLiteral("/home/u")); }

private slots:
    void offersAMoveOnlyFromPlacesOfFreshDownloads_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("offered");

        // System and user installs never.
        QTest::newRow("package") << "/usr/bin/quillmere" << false;
        QTest::newRow("local build installed") << "/usr/local/bin/quillmere" << false;
        QTest::newRow("opt") << "/opt/Quillmere/quillmere" << false;
        QTest::newRow("user Applications") << "/home/u/Applications/quillmere" << false;
        QTest::newRow("below user Applications") << "/home/u/Applications/Tools/quillmere" << false;
        QTest::newRow("user bin") << "/home/u/.local/bin/quillmere" << false;
        // Removable media and temporary folders always.
        QTest::newRow("stick") << "/media/u/STICK/Quillmere.AppImage" << true;
        QTest::newRow("stick, run/media") << "/run/media/u/STICK/quillmere" << true;
        QTest::newRow("media root") << "/media" << true;
        QTest::newRow("temporary") << "/tmp/unpacked/quillmere" << true;
        // Downloads and Desktop, directly and below.
        QTest::newRow("Downloads") << "/home/u/Downloads/Quillmere.AppImage" << true;
        QTest::newRow("below Downloads") << "/home/u/Downloads/quillmere-0.1/quillmere" << true;
        QTest::newRow("Desktop") << "/home/u/Desktop/quillmere" << true;
        QTest::newRow("trailing slash") << "/home/u/Downloads/quillmere/" << true;
        // Anywhere else not.
        QTest::newRow("home itself") << "/home/u/quillmere" << false;
        QTest::newRow("a build tree") << "/home/u/src/quillmere/build/app/quillmere" << false;
        QTest::newRow("look-alike folder") << "/home/u/DownloadsOld/quillmere" << false;
        QTest::newRow("look-alike Applications") << "/home/u/ApplicationsOld/quillmere" << false;
        QTest::newRow("another user's Downloads") << "/home/v/Downloads/quillmere" << false;
        QTest::newRow("elsewhere") << "/srv/tools/quillmere" << false;
        QTest::newRow("tmp itself") << "/tmp" << false;
    }

    void offersAMoveOnlyFromPlacesOfFreshDownloads()
    {
        QFETCH(QString, path);
        QFETCH(bool, offered);
        QCOMPARE(InstallLocation::shouldOfferMove(path, home()), offered);
    }

    void followsTheDesktopsOwnFolders()
    {
        // A German desktop names its Downloads folder itself.
        UserFolders folders = home();
        folders.downloads = QStringLiteral("/home/u/Downloads-de/");
        folders.home = QStringLiteral("/home/u/");
        QVERIFY(InstallLocation::shouldOfferMove(QStringLiteral("/home/u/Downloads-de/quillmere"),
                                                 folders));
        QVERIFY(!InstallLocation::shouldOfferMove(QStringLiteral("/home/u/Downloads/quillmere"),
                                                  folders));
        QVERIFY(!InstallLocation::shouldOfferMove(QStringLiteral("/home/u/Applications/quillmere"),
                                                  folders));

        // A desktop without those folders points them at home: home is not a download.
        folders = home();
        folders.downloads = folders.home;
        folders.desktop = folders.home + u'/';
        QVERIFY(!InstallLocation::shouldOfferMove(QStringLiteral("/home/u/quillmere"), folders));
        QVERIFY(
            !InstallLocation::shouldOfferMove(QStringLiteral("/home/u/bin/quillmere"), folders));
        QCOMPARE(InstallLocation::locationDescription(QStringLiteral("/home/u/quillmere"), folders),
                 QStringLiteral("its current location"));

        // A home folder below /tmp still has its own Applications folder.
        folders = UserFolders::below(QStringLiteral("/tmp/h"));
        QVERIFY(!InstallLocation::shouldOfferMove(QStringLiteral("/tmp/h/Applications/quillmere"),
                                                  folders));
        QVERIFY(InstallLocation::shouldOfferMove(QStringLiteral("/tmp/h/Downloads/quillmere"),
                                                 folders));
        // ... and its folders, not /tmp, decide: a build in it is not offered, its Downloads
        // folder is named as such.
        QVERIFY(!InstallLocation::shouldOfferMove(
            QStringLiteral("/tmp/h/src/quillmere/build/app/quillmere"), folders));
        QCOMPARE(InstallLocation::locationDescription(QStringLiteral("/tmp/h/Downloads/quillmere"),
                                                      folders),
                 QStringLiteral("your Downloads folder"));
        QVERIFY(
            InstallLocation::shouldOfferMove(QStringLiteral("/tmp/elsewhere/quillmere"), folders));
    }

    void describesTheLocationInTheOffer_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("description");
        QTest::newRow("stick") << "/media/u/STICK/quillmere"
                               << "a removable drive";
        QTest::newRow("run/media") << "/run/media/u/STICK/quillmere"
                                   << "a removable drive";
        QTest::newRow("temporary") << "/tmp/x/quillmere"
                                   << "a temporary location";
        QTest::newRow("Downloads") << "/home/u/Downloads/quillmere"
                                   << "your Downloads folder";
        QTest::newRow("below Downloads") << "/home/u/Downloads/a/b/quillmere"
                                         << "your Downloads folder";
        QTest::newRow("Desktop") << "/home/u/Desktop/quillmere"
                                 << "your Desktop";
        QTest::newRow("home") << "/home/u/quillmere"
                              << "its current location";
        QTest::newRow("look-alike") << "/home/u/Desktop2/quillmere"
                                    << "its current location";
    }

    void describesTheLocationInTheOffer()
    {
        QFETCH(QString, path);
        QFETCH(QString, description);
        QCOMPARE(InstallLocation::locationDescription(path, home()), description);
    }

    void theProgramFileIsTheAppImageWhenThereIsOne()
    {
        QCOMPARE(InstallLocation::bundlePath(QStringLiteral("/home/u/Downloads/Q.AppImage"),
                                             QStringLiteral("/tmp/.mount_Q1/usr/bin/quillmere")),
                 QStringLiteral("/home/u/Downloads/Q.AppImage"));
        QCOMPARE(
            InstallLocation::bundlePath(QString(), QStringLiteral("/home/u/Desktop/quillmere")),
            QStringLiteral("/home/u/Desktop/quillmere"));
        QVERIFY(InstallLocation::isTemporaryLocation(QStringLiteral("/tmp/.mount_Q1/quillmere"),
                                                     QStringLiteral("/home/u")));
        QVERIFY(!InstallLocation::isTemporaryLocation(QStringLiteral("/tmpfiles/quillmere"),
                                                      QStringLiteral("/home/u")));
        QVERIFY(!InstallLocation::isTemporaryLocation(QStringLiteral("/tmp/h/Downloads/quillmere"),
                                                      QStringLiteral("/tmp/h")));
    }

    void aMovedCopyGoesToApplicationsInTheHomeFolder()
    {
        QCOMPARE(InstallLocation::destination(QStringLiteral("/media/u/S/Quillmere.AppImage"),
                                              QStringLiteral("/home/u")),
                 QStringLiteral("/home/u/Applications/Quillmere.AppImage"));
        QCOMPARE(InstallLocation::destination(QStringLiteral("/home/u/Downloads/quillmere"),
                                              QStringLiteral("/home/u/")),
                 QStringLiteral("/home/u/Applications/quillmere"));
        QCOMPARE(InstallLocation::desktopEntryPath(QStringLiteral("/home/u/.local/share"),
                                                   QStringLiteral("com.quillmere.app")),
                 QStringLiteral("/home/u/.local/share/applications/com.quillmere.app.desktop"));
    }

    void quotesTheCopysPathInTheLauncherEntry_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain") << "/home/u/Applications/quillmere"
                               << "/home/u/Applications/quillmere";
        QTest::newRow("space") << "/home/u/My Apps/quillmere"
                               << "\"/home/u/My Apps/quillmere\"";
        QTest::newRow("percent") << "/home/u/100%/quillmere"
                                 << "/home/u/100%%/quillmere";
        // The dollar is escaped for the quoting, that backslash once more for the file.
        QTest::newRow("dollar") << "/home/u/a$b/quillmere"
                                << "\"/home/u/a\\\\$b/quillmere\"";
        QTest::newRow("backslash") << "/home/u/a\\b/quillmere"
                                   << "\"/home/u/a\\\\\\\\b/quillmere\"";
        QTest::newRow("double quote") << "/home/u/\"x\"/q"
                                      << "\"/home/u/\\\\\"x\\\\\"/q\"";
        QTest::newRow("tab") << "/home/u/a\tb/q"
                             << "\"/home/u/a\\tb/q\"";
    }

    void quotesTheCopysPathInTheLauncherEntry()
    {
        QFETCH(QString, path);
        QFETCH(QString, stored);
        QCOMPARE(DesktopEntry::execArgument(path), stored);
    }

    void theCopysLauncherEntryIsTheInstalledOneStartingTheCopy()
    {
        const QString installed = QStringLiteral("[Desktop Entry]\n"
                                                 "Name=Quillmere\n"
                                                 "Exec=quillmere\n"
                                                 "TryExec=quillmere\n"
                                                 "Icon=quillmere\n"
                                                 "Actions=eject-all;list;\n"
                                                 "\n"
                                                 "[Desktop Action eject-all]\n"
                                                 "Exec=quillmere --action eject-all\n"
                                                 "\n"
                                                 "[Desktop Action list]\n"
                                                 "Exec=quillmere-cli list");
        const QString copy = DesktopEntry::forCopy(installed, QStringLiteral("quillmere"),
                                                   QStringLiteral("/home/u/My Apps/quillmere"));
        QCOMPARE(copy, QStringLiteral("[Desktop Entry]\n"
                                      "Name=Quillmere\n"
                                      "Exec=\"/home/u/My Apps/quillmere\"\n"
                                      "TryExec=/home/u/My Apps/quillmere\n"
                                      "Icon=quillmere\n"
                                      "Actions=eject-all;list;\n"
                                      "\n"
                                      "[Desktop Action eject-all]\n"
                                      "Exec=\"/home/u/My Apps/quillmere\" --action eject-all\n"
                                      "\n"
                                      "[Desktop Action list]\n"
                                      "Exec=quillmere-cli list\n"));
    }

    void theStateOfVariantsIsTheirOwn()
    {
        const QString production = QStringLiteral("com.quillmere.app");
        QCOMPARE(UninstallPlan::stateDomain(production), production);
        QCOMPARE(UninstallPlan::stateDomain(QStringLiteral("com.quillmere.app.staging")),
                 QStringLiteral("com.quillmere.app.staging"));
        QCOMPARE(UninstallPlan::stateDomain(QStringLiteral("com.quillmere.application")),
                 production);
        QCOMPARE(UninstallPlan::stateDomain(QStringLiteral("org.example.volumes")), production);
        QCOMPARE(UninstallPlan::stateDomain(std::nullopt), production);
        QCOMPARE(UninstallPlan::defaultsDomain(), UninstallPlan::stateDomain(QUILLMERE_APP_ID));
    }

    void uninstallRemovesTheseFiles()
    {
        const UserFolders folders = home();
        const QString id = QStringLiteral("com.quillmere.app");
        QCOMPARE(UninstallPlan::autostartFile(folders, id),
                 QStringLiteral("/home/u/.config/autostart/com.quillmere.app.desktop"));
        QCOMPARE(UninstallPlan::supportDirectory(folders, id),
                 QStringLiteral("/home/u/.local/share/Quillmere"));
        QCOMPARE(
            UninstallPlan::defaultsFiles(folders, id),
            QStringList({QStringLiteral("/home/u/.config/quillmere/com.quillmere.app.json"),
                         QStringLiteral("/home/u/.config/quillmere/com.quillmere.app.json.lock")}));
        QCOMPARE(UninstallPlan::defaultsDirectory(folders),
                 QStringLiteral("/home/u/.config/quillmere"));
        QCOMPARE(UninstallPlan::auxiliaryPaths(folders, id),
                 QStringList({QStringLiteral("/home/u/.cache/com.quillmere.app"),
                              QStringLiteral(
                                  "/home/u/.local/share/applications/com.quillmere.app.desktop")}));
        // No id is the production one.
        QCOMPARE(UninstallPlan::auxiliaryPaths(folders, std::nullopt),
                 UninstallPlan::auxiliaryPaths(folders, id));
    }

    void uninstallFollowsTheXdgFoldersAndTheStagingBuild()
    {
        UserFolders folders = home();
        folders.dataHome = QStringLiteral("/data/u");
        folders.configHome = QStringLiteral("/conf/u");
        folders.cacheHome = QStringLiteral("/var/cache/u");
        const QString staging = QStringLiteral("com.quillmere.app.staging");
        QCOMPARE(UninstallPlan::supportDirectory(folders, staging),
                 QStringLiteral("/data/u/Quillmere Staging"));
        QCOMPARE(UninstallPlan::autostartFile(folders, staging),
                 QStringLiteral("/conf/u/autostart/com.quillmere.app.staging.desktop"));
        QCOMPARE(UninstallPlan::defaultsFiles(folders, staging).first(),
                 QStringLiteral("/conf/u/quillmere/com.quillmere.app.staging.json"));
        QCOMPARE(UninstallPlan::auxiliaryPaths(folders, staging),
                 QStringList(
                     {QStringLiteral("/var/cache/u/com.quillmere.app.staging"),
                      QStringLiteral("/data/u/applications/com.quillmere.app.staging.desktop")}));
    }

    void theSettingsFilesAreTheOnesTheSettingsAreWrittenTo()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const UserFolders folders = UserFolders::below(dir.path());
        const QString domain = UninstallPlan::stateDomain(std::nullopt);
        SettingsStore defaults(std::make_unique<JsonFileSettingsBackend>(
            JsonFileSettingsBackend::directoryBelow(folders.configHome), domain));
        defaults.setBool(QStringLiteral("QMMainWindowOpen"), true);

        const QStringList files = UninstallPlan::defaultsFiles(folders, domain);
        QVERIFY(QFileInfo::exists(files.first()));
        QCOMPARE(QFileInfo(files.first()).dir().path(), UninstallPlan::defaultsDirectory(folders));
        defaults.removeAll();
        QVERIFY(!QFileInfo::exists(files.first()));
        QVERIFY(!QFileInfo::exists(files.last()));
    }

    void onlyAUsersOwnCopyGoesToTheTrash()
    {
        const QString home = QStringLiteral("/home/u");
        QVERIFY(UninstallPlan::isUserCopy(QStringLiteral("/home/u/Applications/quillmere"), false,
                                          home));
        QVERIFY(UninstallPlan::isUserCopy(QStringLiteral("/home/u/Downloads/quillmere"), false,
                                          QStringLiteral("/home/u/")));
        QVERIFY(!UninstallPlan::isUserCopy(QStringLiteral("/usr/bin/quillmere"), false, home));
        QVERIFY(!UninstallPlan::isUserCopy(QStringLiteral("/home/u2/Applications/quillmere"), false,
                                           home));
        QVERIFY(!UninstallPlan::isUserCopy(QStringLiteral("/usr/bin/quillmere"), false,
                                           QStringLiteral("/")));
        // An AppImage is the user's wherever it was put.
        QVERIFY(UninstallPlan::isUserCopy(QStringLiteral("/opt/Quillmere.AppImage"), true, home));
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
