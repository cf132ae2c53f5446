// The program on a Wayland desktop nobody here wrote: sway, headless, with waybar's tray as the
// StatusNotifier host. The popover, opened from the tray item as waybar does on a click and by
// a second launch, is a floating, borderless, fixed-size window centred on the screen; it closes
// when it loses the focus; and the program never asks the compositor for window opacity.
// sway refuses to run as root: as root the test runs sway and waybar as a test user of its own,
// with its own runtime folder, on a session bus both may use.
#include "stopprocess.h"

#include "stores/jsonfilesettingsbackend.h"
#include "stores/preferencesstore.h"
#include "stores/settingskeys.h"
#include "stores/settingsstore.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <unistd.h>

namespace {

const QString userName = QStringLiteral("quillmere-test-sway");

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

// A sway window as get_tree tells it.
struct SwayWindow {
    QString type;
    QString border;
    QRect rect;
    QRect decoration;
    bool focused = false;
};

std::optional<SwayWindow> findWindow(const QJsonObject &node, qint64 pid)
{
    if (node.value(QLatin1String("pid")).toInteger() == pid) {
        const auto rectOf = [](const QJsonValue &value) {
            const QJsonObject r = value.toObject();
            return QRect(r.value(QLatin1String("x")).toInt(), r.value(QLatin1String("y")).toInt(),
                         r.value(QLatin1String("width")).toInt(),
                         r.value(QLatin1String("height")).toInt());
        };
        return SwayWindow{node.value(QLatin1String("type")).toString(),
                          node.value(QLatin1String("border")).toString(),
                          rectOf(node.value(QLatin1String("rect"))),
                          rectOf(node.value(QLatin1String("deco_rect"))),
                          node.value(QLatin1String("focused")).toBool()};
    }
    for (const char *children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue &child : node.value(QLatin1String(children)).toArray()) {
            if (auto found = findWindow(child.toObject(), pid))
                return found;
        }
    }
    return std::nullopt;
}

} // namespace

class TestWaylandPopover : public QObject {
    Q_OBJECT

    QTemporaryDir m_root{QStringLiteral("/tmp/quillmere-sway-XXXXXX")};
    bool m_userCreated = false;
    uint m_uid = 0;
    uint m_gid = 0;
    QProcess m_bus;
    QString m_busAddress;
    QProcess m_sway;
    QProcess m_program;
    QString m_programOutput;
    QDBusConnection m_connection{QString()};

    QString path(const QString &name) const { return m_root.filePath(name); }
    QString runtimeDir() const { return path(QStringLiteral("runtime")); }
    // The compositor's socket, empty until it listens.
    QString waylandDisplay() const
    {
        const QStringList sockets =
            QDir(runtimeDir()).entryList({QStringLiteral("wayland-*")}, QDir::System);
        for (const QString &socket : sockets) {
            if (!socket.endsWith(QLatin1String(".lock")))
                return runtimeDir() + u'/' + socket;
        }
        return {};
    }

    // The desktop user's process: as root the test user, with nothing of root's environment.
    QStringList asDesktopUser(const QStringList &command) const
    {
        QStringList env{QStringLiteral("env"),
                        QStringLiteral("-i"),
                        QStringLiteral("HOME=") + path(QStringLiteral("home")),
                        QStringLiteral("PATH=/usr/bin:/bin"),
                        QStringLiteral("LANG=C.UTF-8"),
                        QStringLiteral("XDG_RUNTIME_DIR=") + runtimeDir(),
                        QStringLiteral("DBUS_SESSION_BUS_ADDRESS=") + m_busAddress,
                        QStringLiteral("WLR_BACKENDS=headless"),
                        QStringLiteral("WLR_LIBINPUT_NO_DEVICES=1"),
                        QStringLiteral("WLR_RENDERER=pixman")};
        if (::geteuid() != 0)
            return env + command;
        return QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(m_uid),
                           QStringLiteral("--regid=%1").arg(m_gid),
                           QStringLiteral("--clear-groups")} +
               env + command;
    }

    QString swaySocket() const
    {
        const QStringList sockets = QDir(runtimeDir())
                                        .entryList({QStringLiteral("sway-ipc.*.sock")},
                                                   QDir::System | QDir::Hidden | QDir::Files);
        return sockets.isEmpty() ? QString() : runtimeDir() + u'/' + sockets.constFirst();
    }

    // swaymsg's output, empty when it failed.
    QByteArray swaymsg(const QStringList &arguments) const
    {
        QProcess process;
        process.start(QStringLiteral("swaymsg"),
                      QStringList{QStringLiteral("-s"), swaySocket()} + arguments);
        if (!process.waitForFinished(10000) || process.exitCode() != 0)
            return {};
        return process.readAllStandardOutput();
    }

    std::optional<SwayWindow> programWindow() const
    {
        const QByteArray tree = swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")});
        return findWindow(QJsonDocument::fromJson(tree).object(), m_program.processId());
    }

    QProcessEnvironment programEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("XDG_SESSION_ID"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        // An absolute path: the program's runtime folder is not the compositor's.
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), waylandDisplay());
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_busAddress);
        // No udisks2 there: the program lists the mount table only.
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_busAddress);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("program/config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("program/data")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), path(QStringLiteral("program/cache")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("program/runtime")));
        return env;
    }

    int launchAgain() const
    {
        QProcess again;
        again.setProcessEnvironment(programEnvironment());
        again.start(QStringLiteral(QUILLMERE_APP_PATH));
        if (!again.waitForFinished(20000)) {
            again.kill();
            again.waitForFinished(5000);
            return -1;
        }
        return again.exitCode();
    }

    QString output()
    {
        m_programOutput += QString::fromLocal8Bit(m_program.readAll());
        return m_programOutput;
    }

    // The program's item as waybar registered it: "service/path".
    QString trayItem() const
    {
        QDBusInterface watcher(QStringLiteral("org.kde.StatusNotifierWatcher"),
                               QStringLiteral("/StatusNotifierWatcher"),
                               QStringLiteral("org.kde.StatusNotifierWatcher"), m_connection);
        const QStringList items = watcher.property("RegisteredStatusNotifierItems").toStringList();
        return items.isEmpty() ? QString() : items.constFirst();
    }

    // What waybar does on a primary click on the item.
    bool activateTrayItem() const
    {
        const QString item = trayItem();
        const qsizetype slash = item.indexOf(u'/');
        if (slash < 0)
            return false;
        QDBusMessage call = QDBusMessage::createMethodCall(
            item.left(slash), item.mid(slash), QStringLiteral("org.kde.StatusNotifierItem"),
            QStringLiteral("Activate"));
        call << 0 << 0;
        return m_connection.call(call, QDBus::Block, 10000).type() == QDBusMessage::ReplyMessage;
    }

    void screenshot(const QString &name) const
    {
        const QString folder = qEnvironmentVariable("QUILLMERE_SCREENSHOT_DIR");
        if (folder.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("grim")).isEmpty())
            return;
        // Where the desktop user may write.
        const QString file = path(QStringLiteral("home/") + name);
        const QStringList command = asDesktopUser(
            {QStringLiteral("WAYLAND_DISPLAY=") + waylandDisplay(), QStringLiteral("grim"), file});
        QProcess grim;
        grim.start(command.constFirst(), command.mid(1));
        if (grim.waitForFinished(20000) && grim.exitCode() == 0) {
            QFile::remove(folder + u'/' + name);
            QFile::copy(file, folder + u'/' + name);
        }
    }

    // The popover as sway shows it: a floating window without decoration, centred on the
    // output, of the size it asked for, which a second look finds unchanged.
    void verifyFloatingPanel(const SwayWindow &window)
    {
        QCOMPARE(window.type, QStringLiteral("floating_con"));
        QVERIFY2(window.border == QLatin1String("csd") || window.border == QLatin1String("none"),
                 qPrintable(window.border));
        QCOMPARE(window.decoration.height(), 0);
        QVERIFY(window.rect.width() > 100 && window.rect.width() < 1280);
        QVERIFY(window.rect.height() > 100 && window.rect.height() < 800);
        QVERIFY2(qAbs(window.rect.center().x() - 640) <= 2,
                 qPrintable(QStringLiteral("centre x %1").arg(window.rect.center().x())));
        QTest::qWait(500);
        const std::optional<SwayWindow> later = programWindow();
        QVERIFY(later);
        QCOMPARE(later->rect.size(), window.rect.size());
    }

private slots:
    void initTestCase()
    {
        for (const char *tool : {"sway", "swaymsg", "waybar", "dbus-daemon", "setpriv"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed (scripts/install-deps.sh)")
                                     .arg(QLatin1String(tool))));
        }
        const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                               QStringLiteral("/platforms/libqwayland-generic.so");
        if (!QFileInfo::exists(plugin))
            QSKIP("Qt's Wayland platform is not installed (qt6-wayland)");
        QVERIFY(m_root.isValid());
        // The desktop user passes through the test's folder to its own.
        QVERIFY(
            QFile::setPermissions(m_root.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                                     QFileDevice::ExeOther));

        if (::geteuid() == 0) {
            QProcess create;
            create.start(QStringLiteral(QUILLMERE_TEST_SUPPORT_DIR "/test-user.sh"),
                         {QStringLiteral("create"), userName});
            QVERIFY(create.waitForFinished(30000) && create.exitCode() == 0);
            m_userCreated = true;
            const QStringList ids =
                QString::fromUtf8(create.readAllStandardOutput()).split(u' ', Qt::SkipEmptyParts);
            QCOMPARE(ids.size(), 2);
            m_uid = ids[0].toUInt();
            m_gid = ids[1].trimmed().toUInt();
        } else {
            m_uid = ::geteuid();
            m_gid = ::getegid();
        }
        for (const QString &folder : {QStringLiteral("runtime"), QStringLiteral("home")}) {
            QVERIFY(QDir().mkpath(path(folder)));
            QVERIFY(::chown(QFile::encodeName(path(folder)).constData(), m_uid, m_gid) == 0);
        }
        QVERIFY(QFile::setPermissions(runtimeDir(), QFileDevice::ReadOwner |
                                                        QFileDevice::WriteOwner |
                                                        QFileDevice::ExeOwner));
        QVERIFY(QDir().mkpath(path(QStringLiteral("program/runtime"))));
        QVERIFY(QFile::setPermissions(path(QStringLiteral("program/runtime")),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner));

        // A session bus both the desktop user and the program may use.
        const QString busConfig = QStringLiteral(
            "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
            " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
            "<busconfig>\n"
            "  <type>session</type>\n"
            "  <listen>unix:path=%1/bus</listen>\n"
            "  <auth>EXTERNAL</auth>\n"
            "  <policy context=\"default\">\n"
            "    <allow user=\"*\"/>\n"
            "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
            // Without it the bus's own replies do not arrive.
            "    <allow eavesdrop=\"true\"/>\n"
            "    <allow own=\"*\"/>\n"
            "  </policy>\n"
            "</busconfig>\n");
        QVERIFY(writeFile(path(QStringLiteral("bus.conf")), busConfig.arg(m_root.path())));
        m_bus.start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                     QStringLiteral("--config-file=") + path(QStringLiteral("bus.conf"))});
        QVERIFY(m_bus.waitForStarted(5000));
        QVERIFY(QTest::qWaitFor([this] { return m_bus.canReadLine(); }, 5000));
        m_busAddress = QString::fromUtf8(m_bus.readLine()).trimmed();
        m_connection =
            QDBusConnection::connectToBus(m_busAddress, QStringLiteral("quillmere-sway-test"));
        QVERIFY(m_connection.isConnected());

        // sway and waybar with configurations of their own; nothing about borders or floating:
        // sway's defaults decide those.
        const QJsonObject waybar{
            {QStringLiteral("layer"), QStringLiteral("top")},
            {QStringLiteral("position"), QStringLiteral("top")},
            {QStringLiteral("height"), 28},
            {QStringLiteral("modules-left"), QJsonArray{QStringLiteral("sway/workspaces")}},
            {QStringLiteral("modules-right"), QJsonArray{QStringLiteral("tray")}},
            {QStringLiteral("tray"), QJsonObject{{QStringLiteral("spacing"), 6}}}};
        QVERIFY(writeFile(path(QStringLiteral("waybar.json")),
                          QString::fromUtf8(QJsonDocument(waybar).toJson())));
        QVERIFY(writeFile(path(QStringLiteral("sway.conf")),
                          QStringLiteral("output HEADLESS-1 resolution 1280x800 bg #4c566a "
                                         "solid_color\nexec waybar -c %1\n")
                              .arg(path(QStringLiteral("waybar.json")))));
        for (const QString &file : {QStringLiteral("waybar.json"), QStringLiteral("sway.conf")})
            QVERIFY(QFile::setPermissions(path(file), QFileDevice::ReadOwner |
                                                          QFileDevice::WriteOwner |
                                                          QFileDevice::ReadOther));
        const QStringList sway = asDesktopUser(
            {QStringLiteral("sway"), QStringLiteral("-c"), path(QStringLiteral("sway.conf"))});
        m_sway.setProcessChannelMode(QProcess::MergedChannels);
        m_sway.start(sway.constFirst(), sway.mid(1));
        QVERIFY(m_sway.waitForStarted(5000));
        QVERIFY2(
            QTest::qWaitFor(
                [this] { return !swaySocket().isEmpty() && !waylandDisplay().isEmpty(); }, 20000),
            m_sway.readAll().constData());
        QVERIFY2(QTest::qWaitFor(
                     [this] {
                         return m_connection.interface()
                             ->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"))
                             .value();
                     },
                     20000),
                 "waybar's tray did not come up");

        // The program, with the popover as grid, so a beak would show.
        {
            SettingsStore defaults(std::make_unique<JsonFileSettingsBackend>(
                path(QStringLiteral("program/config/quillmere")),
                QStringLiteral(QUILLMERE_APP_ID)));
            defaults.setStringList(
                QString::fromLatin1(SettingsKeys::moveOfferDeclinedLocations),
                {QFileInfo(QStringLiteral(QUILLMERE_APP_PATH)).canonicalFilePath()});
            PreferencesStore prefs(defaults);
            prefs.setPopoverEnabled(true);
            prefs.setPopoverViewMode(PopoverViewMode::grid);
        }
        m_program.setProcessEnvironment(programEnvironment());
        m_program.setProcessChannelMode(QProcess::MergedChannels);
        m_program.start(QStringLiteral(QUILLMERE_APP_PATH));
        QVERIFY(m_program.waitForStarted(10000));
        QVERIFY2(QTest::qWaitFor([this] { return !trayItem().isEmpty(); }, 20000),
                 qPrintable(output()));
        QVERIFY2(!programWindow(), "a window opened at the start");
    }

    void cleanupTestCase()
    {
        stopProcess(m_program);
        stopProcess(m_sway);
        stopProcess(m_bus);
        if (m_userCreated) {
            QProcess remove;
            remove.start(QStringLiteral(QUILLMERE_TEST_SUPPORT_DIR "/test-user.sh"),
                         {QStringLiteral("remove"), userName});
            remove.waitForFinished(30000);
        }
    }

    void trayActivationOpensAFloatingBorderlessPanel()
    {
        QVERIFY(activateTrayItem());
        QVERIFY2(QTest::qWaitFor([this] { return programWindow().has_value(); }, 10000),
                 qPrintable(output()));
        // Let the opening end.
        QTest::qWait(600);
        const std::optional<SwayWindow> window = programWindow();
        QVERIFY(window);
        verifyFloatingPanel(*window);
        if (QTest::currentTestFailed())
            return;
        screenshot(QStringLiteral("popover-sway.png"));

        QVERIFY(activateTrayItem());
        QVERIFY2(QTest::qWaitFor([this] { return !programWindow(); }, 10000),
                 "a second activation did not close it");
    }

    void secondLaunchOpensItAndFocusLossClosesIt()
    {
        QCOMPARE(launchAgain(), 0);
        QVERIFY2(QTest::qWaitFor([this] { return programWindow().has_value(); }, 10000),
                 qPrintable(output()));
        QTest::qWait(600);
        const std::optional<SwayWindow> window = programWindow();
        QVERIFY(window);
        verifyFloatingPanel(*window);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(window->focused);

        // Another workspace takes the focus: the popover closes.
        QVERIFY(!swaymsg({QStringLiteral("workspace"), QStringLiteral("2")}).isEmpty());
        QVERIFY2(QTest::qWaitFor([this] { return !programWindow(); }, 10000),
                 "it stayed open without the focus");
        swaymsg({QStringLiteral("workspace"), QStringLiteral("1")});
        QVERIFY(m_program.state() == QProcess::Running);
    }

    void noWindowOpacityAsked()
    {
        const QString log = output();
        QVERIFY2(!log.contains(QLatin1String("window opacity")), qPrintable(log));
    }
};

QTEST_GUILESS_MAIN(TestWaylandPopover)
#include "tst_waylandpopover.moc"
