#include "appfakes.h"
#include "xvfbserver.h"

#include "shell/application.h"
#include "shortcut/shortcutrecorder.h"
#include "shortcuts/shortcutregistry.h"
#include "surfaces/trayicon.h"

#include "x11hotkeyservice.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

using namespace GlobalShortcuts;

namespace {

const Shortcut ctrlAltE{14, CarbonModifier::controlKey | CarbonModifier::optionKey};
const Shortcut ctrlAltR{15, CarbonModifier::controlKey | CarbonModifier::optionKey};

QString xvfbError;

// Another X client: a window of its own and, when asked, a grab of Ctrl+Alt+<key> on the root
// window. Prints "<window> <grab status>" and lives until its input closes.
int runOtherClient(const char *grabKeysym)
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 600, 400, 200, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    xcb_map_window(connection, window);
    int grabStatus = 0;
    if (grabKeysym) {
        xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(connection);
        xcb_keycode_t *codes = xcb_key_symbols_get_keycode(symbols, xcb_keysym_t(grabKeysym[0]));
        if (codes) {
            xcb_generic_error_t *error = xcb_request_check(
                connection, xcb_grab_key_checked(connection, 1, screen->root,
                                                 XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1, codes[0],
                                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
            grabStatus = error ? error->error_code : 0;
            std::free(error);
            std::free(codes);
        }
        xcb_key_symbols_free(symbols);
    }
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    std::printf("%u %d\n", window, grabStatus);
    std::fflush(stdout);
    char buffer[64];
    while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
    xcb_disconnect(connection);
    return 0;
}

class OtherClient {
public:
    explicit OtherClient(const QString &grabKey = {})
    {
        QStringList arguments{QStringLiteral("--other-x-client")};
        if (!grabKey.isEmpty())
            arguments.append(grabKey);
        m_process.start(QCoreApplication::applicationFilePath(), arguments);
    }
    ~OtherClient()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }

    // Window id and grab status, once the client is ready.
    bool ready()
    {
        if (!m_process.waitForStarted(5000))
            return false;
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(5000))
                return false;
        }
        const QStringList fields =
            QString::fromLatin1(m_process.readLine()).split(QLatin1Char(' '));
        if (fields.size() != 2)
            return false;
        window = fields[0].trimmed();
        grabStatus = fields[1].trimmed().toInt();
        return true;
    }

    QString window;
    int grabStatus = -1;

private:
    QProcess m_process;
};

// Whether some client holds the keyboard (a grab of our own is then refused).
bool keyboardIsGrabbed()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_grab_keyboard_reply_t *reply =
        xcb_grab_keyboard_reply(connection,
                                xcb_grab_keyboard(connection, 0, screen->root, XCB_CURRENT_TIME,
                                                  XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                nullptr);
    const bool grabbed = reply && reply->status == XCB_GRAB_STATUS_ALREADY_GRABBED;
    std::free(reply);
    xcb_disconnect(connection);
    return grabbed;
}

// Runs xdotool on the test's display; its output, trimmed.
QString xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

} // namespace

// The application with a recorded shortcut on a real X server, another client focused, the
// keys sent through the server by xdotool.
class TestGlobalShortcutX11 : public QObject {
    Q_OBJECT

    struct App {
        FakeServices fakes;
        std::unique_ptr<Application> application;
        QStringList lines;

        App()
        {
            AppServices services = fakes.make();
            services.shortcuts =
                std::make_unique<Registry>(*fakes.defaults, X11HotKeyService::open());
            services.shortcuts->diagnostic = [this](const QString &line) { lines.append(line); };
            fakes.source->volumes = {removableVolume(QStringLiteral("Stick"))};
            application = std::make_unique<Application>(std::move(services));
            application->start();
        }

        Registry &shortcuts() { return *application->shortcuts(); }
        int ejects() const
        {
            int count = 0;
            for (const FakeDiskOperations::Call &call : fakes.operations->calls)
                count += call.operation == QLatin1String("eject");
            return count;
        }
    };

    // Presses and releases the combination while `window` has the X focus.
    static void sendFrom(const OtherClient &client, const QString &keys)
    {
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), client.window});
        QCOMPARE(xdotool({QStringLiteral("getwindowfocus")}), client.window);
        xdotool({QStringLiteral("key"), keys});
    }

    // Lets late events arrive: a second Eject All would show by now.
    static void settle() { QTest::qWait(300); }

private slots:
    void initTestCase()
    {
        if (!xvfbError.isEmpty())
            QSKIP(qPrintable(xvfbError));
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed");
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    void theCombinationRunsEjectAllOnceFromAnotherClient()
    {
        App app;
        QVERIFY(app.shortcuts().isAvailable());
        app.shortcuts().setShortcut(ctrlAltE, Name::ejectAll());
        QCOMPARE(app.shortcuts().hotKeys(), (QList<std::pair<Shortcut, bool>>{{ctrlAltE, true}}));

        OtherClient other;
        QVERIFY(other.ready());
        sendFrom(other, QStringLiteral("ctrl+alt+e"));
        QTRY_COMPARE(app.ejects(), 1);
        settle();
        QCOMPARE(app.ejects(), 1);

        // Other combinations and the key alone are not ours.
        sendFrom(other, QStringLiteral("ctrl+e"));
        sendFrom(other, QStringLiteral("e"));
        settle();
        QCOMPARE(app.ejects(), 1);

        // NumLock and CapsLock do not get in the way.
        xdotool({QStringLiteral("key"), QStringLiteral("Num_Lock")});
        sendFrom(other, QStringLiteral("ctrl+alt+e"));
        QTRY_COMPARE(app.ejects(), 2);
        xdotool({QStringLiteral("key"), QStringLiteral("Caps_Lock")});
        sendFrom(other, QStringLiteral("ctrl+alt+e"));
        QTRY_COMPARE(app.ejects(), 3);
        xdotool({QStringLiteral("key"), QStringLiteral("Num_Lock")});
        sendFrom(other, QStringLiteral("ctrl+alt+e"));
        QTRY_COMPARE(app.ejects(), 4);
        xdotool({QStringLiteral("key"), QStringLiteral("Caps_Lock")});
        settle();
        QCOMPARE(app.ejects(), 4);
        QVERIFY(app.lines.isEmpty());
    }

    void itStillWorksWhileAMenuOfOursIsOpen()
    {
        App app;
        app.shortcuts().setShortcut(ctrlAltE, Name::ejectAll());
        OtherClient other;
        QVERIFY(other.ready());
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), other.window});

        QMenu *menu = app.application->trayIcon()->menu();
        menu->popup(QPoint(100, 100));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTRY_VERIFY(app.shortcuts().isMenuOpen());
        QCOMPARE(app.shortcuts().hotKeys(), (QList<std::pair<Shortcut, bool>>{{ctrlAltE, false}}));
        // The menu holds the keyboard: no passive grab could deliver the keys now.
        QTRY_VERIFY(keyboardIsGrabbed());

        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+e")});
        QTRY_COMPARE(app.ejects(), 1);
        settle();
        QCOMPARE(app.ejects(), 1);

        menu->hide();
        QTRY_VERIFY(!app.shortcuts().isMenuOpen());
        QCOMPARE(app.shortcuts().hotKeys(), (QList<std::pair<Shortcut, bool>>{{ctrlAltE, true}}));
        sendFrom(other, QStringLiteral("ctrl+alt+e"));
        QTRY_COMPARE(app.ejects(), 2);
        QVERIFY(app.lines.isEmpty());
    }

    void notWhileTheRecorderHasTheFocus()
    {
        App app;
        app.shortcuts().setShortcut(ctrlAltR, Name::ejectAll());
        QWidget window;
        auto *row = new QHBoxLayout(&window);
        row->addWidget(new QLabel(QStringLiteral("Eject All shortcut:")));
        auto *recorder = new ShortcutRecorder(&app.shortcuts(), Name::ejectAll());
        row->addWidget(recorder);
        QList<ShortcutRecorder::Alert> alerts;
        recorder->presentAlert = [&alerts](const ShortcutRecorder::Alert &alert) {
            alerts.append(alert);
            return false;
        };
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(recorder, Qt::LeftButton);
        QVERIFY(recorder->isRecording());
        QTest::qWait(200);

        // The recorder takes the keys: it records the stored combination again.
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+r")});
        QTRY_VERIFY(!recorder->isRecording());
        settle();
        QCOMPARE(app.ejects(), 0);
        QVERIFY(alerts.isEmpty());
        QCOMPARE(app.shortcuts().shortcut(Name::ejectAll()), std::optional<Shortcut>(ctrlAltR));

        // And refuses the menu bar's Eject All combination, still without ejecting.
        QTest::mouseClick(recorder, Qt::LeftButton);
        QVERIFY(recorder->isRecording());
        QTest::qWait(200);
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+e")});
        QTRY_COMPARE(alerts.size(), 1);
        QVERIFY(alerts[0].message.contains(QStringLiteral("“Eject All”")));
        settle();
        QCOMPARE(app.ejects(), 0);

        // Once recording has ended the combination works from another client again.
        OtherClient other;
        QVERIFY(other.ready());
        sendFrom(other, QStringLiteral("ctrl+alt+r"));
        QTRY_COMPARE(app.ejects(), 1);
    }

    void aCombinationAnotherClientHoldsIsRefused()
    {
        App app;
        OtherClient holder(QStringLiteral("r"));
        QVERIFY(holder.ready());
        QCOMPARE(holder.grabStatus, 0);

        QWidget window;
        auto *row = new QHBoxLayout(&window);
        auto *recorder = new ShortcutRecorder(&app.shortcuts(), Name::ejectAll());
        row->addWidget(recorder);
        QList<ShortcutRecorder::Alert> alerts;
        recorder->presentAlert = [&alerts](const ShortcutRecorder::Alert &alert) {
            alerts.append(alert);
            return false;
        };
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(recorder, Qt::LeftButton);
        QVERIFY(recorder->isRecording());
        QTest::qWait(200);

        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+r")});
        QTRY_COMPARE(alerts.size(), 1);
        QCOMPARE(alerts[0].message, QStringLiteral("This shortcut is already used by another "
                                                   "program or by the desktop."));
        QCOMPARE(alerts[0].forceButtonTitle, QStringLiteral("Use Anyway"));
        QCOMPARE(app.lines, QStringList{QStringLiteral("Error registering hotkey Ctrl+Alt+R: 10")});
        QCOMPARE(app.shortcuts().shortcut(Name::ejectAll()), std::nullopt);
        recorder->clearFocus();

        // Stored anyway (the alert's second button), the grab is refused and nothing runs.
        app.shortcuts().setShortcut(ctrlAltR, Name::ejectAll());
        QCOMPARE(app.lines.size(), 2);
        QCOMPARE(app.lines[1], QStringLiteral("Error registering hotkey Ctrl+Alt+R: 10"));
        QVERIFY(app.shortcuts().hotKeys().isEmpty());
        OtherClient other;
        QVERIFY(other.ready());
        sendFrom(other, QStringLiteral("ctrl+alt+r"));
        settle();
        QCOMPARE(app.ejects(), 0);
    }
};

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--other-x-client") == 0)
        return runOtherClient(argc >= 3 ? argv[2] : nullptr);

    XvfbServer xvfb;
    if (!XvfbServer::available())
        xvfbError = QStringLiteral("Xvfb is not installed");
    else if (QString error; !xvfb.start(&error))
        xvfbError = QStringLiteral("Xvfb did not start: ") + error;
    if (xvfbError.isEmpty()) {
        qputenv("DISPLAY", xvfb.display().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("WAYLAND_DISPLAY");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    TestGlobalShortcutX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_globalshortcutx11.moc"
