#include "appfakes.h"
#include "fakes/fakeportal.h"
#include "fakes/privatebus.h"

#include "shell/application.h"
#include "shortcut/desktopshortcuts.h"
#include "shortcut/shortcutrecorder.h"
#include "shortcuts/shortcutregistry.h"

#include "portalhotkeyservice.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace GlobalShortcuts;

namespace {

const Shortcut ctrlAltE{14, CarbonModifier::controlKey | CarbonModifier::optionKey};
const Shortcut ctrlAltR{15, CarbonModifier::controlKey | CarbonModifier::optionKey};

} // namespace

// The application over a fake desktop portal on a private session bus, as on Wayland.
class TestPortalShortcut : public QObject {
    Q_OBJECT

    struct App {
        FakeServices fakes;
        PortalHotKeyService *portal = nullptr;
        std::unique_ptr<Application> application;
        QStringList lines;

        explicit App(QDBusConnection bus)
        {
            AppServices services = fakes.make();
            auto service = std::make_unique<PortalHotKeyService>(bus, &DesktopShortcuts::describe);
            portal = service.get();
            services.shortcuts = std::make_unique<Registry>(*fakes.defaults, std::move(service));
            services.shortcuts->diagnostic = [this](const QString &line) { lines.append(line); };
            fakes.source->volumes = {removableVolume(QStringLiteral("Stick"))};
            application = std::make_unique<Application>(std::move(services));
            portal->start();
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

    PrivateBus m_bus;
    QDBusConnection m_portalConnection{QString()};
    QDBusConnection m_appConnection{QString()};

private slots:
    void initTestCase()
    {
        if (!PrivateBus::available())
            QSKIP("dbus-daemon is not installed");
        QString error;
        QVERIFY2(m_bus.start(&error), qPrintable(error));
        // The shortcut service the program makes for itself uses the session bus.
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.address().toUtf8());
        m_portalConnection = m_bus.connect(QStringLiteral("portal"));
        m_appConnection = m_bus.connect(QStringLiteral("app"));
        QVERIFY(m_portalConnection.isConnected());
        QVERIFY(m_appConnection.isConnected());
    }

    void theShortcutIsBoundAndItsSignalsRunEjectAllOnce()
    {
        FakePortal portal(m_portalConnection);
        QVERIFY(portal.registerOnBus());
        App app(m_appConnection);
        QSignalSpy bound(app.portal, &PortalHotKeyService::bindingFinished);

        app.shortcuts().setShortcut(ctrlAltE, Name::ejectAll());
        QVERIFY(bound.wait());
        QCOMPARE(portal.sessions.size(), 1);
        QCOMPARE(portal.bindings.size(), 1);
        const FakePortal::Binding binding = portal.bindings[0];
        QCOMPARE(binding.session, portal.sessions[0]);
        QCOMPARE(app.portal->sessionHandle(), portal.sessions[0]);
        QCOMPARE(binding.shortcuts.size(), 1);
        QCOMPARE(binding.shortcuts[0].first, QStringLiteral("ejectAll"));
        QCOMPARE(binding.shortcuts[0].second.value(QStringLiteral("preferred_trigger")).toString(),
                 QStringLiteral("CTRL+ALT+e"));
        QCOMPARE(binding.shortcuts[0].second.value(QStringLiteral("description")).toString(),
                 QStringLiteral("Eject All"));
        QVERIFY(app.lines.isEmpty());

        // Key-down runs nothing; key-up runs Eject All once.
        portal.activate(binding.session, QStringLiteral("ejectAll"), true);
        QTest::qWait(100);
        QCOMPARE(app.ejects(), 0);
        portal.activate(binding.session, QStringLiteral("ejectAll"), false);
        QTRY_COMPARE(app.ejects(), 1);
        QTest::qWait(100);
        QCOMPARE(app.ejects(), 1);

        // Other sessions' and other names' signals are not ours.
        portal.activate(binding.session + QStringLiteral("x"), QStringLiteral("ejectAll"), false);
        portal.activate(binding.session, QStringLiteral("other"), false);
        QTest::qWait(100);
        QCOMPARE(app.ejects(), 1);

        // While a recorder records, the portal's signals run nothing either.
        app.shortcuts().setRecorderActive(true);
        portal.activate(binding.session, QStringLiteral("ejectAll"), false);
        QTest::qWait(100);
        QCOMPARE(app.ejects(), 1);
        app.shortcuts().setRecorderActive(false);
    }

    void aNewCombinationIsBoundInANewSession()
    {
        FakePortal portal(m_portalConnection);
        QVERIFY(portal.registerOnBus());
        App app(m_appConnection);
        QSignalSpy bound(app.portal, &PortalHotKeyService::bindingFinished);
        app.shortcuts().setShortcut(ctrlAltE, Name::ejectAll());
        QVERIFY(bound.wait());

        app.shortcuts().setShortcut(ctrlAltR, Name::ejectAll());
        QVERIFY(bound.wait());
        // Released and registered in one go: one new binding, the old session closed.
        QCOMPARE(portal.bindings.size(), 2);
        QCOMPARE(portal.bindings[1]
                     .shortcuts[0]
                     .second.value(QStringLiteral("preferred_trigger"))
                     .toString(),
                 QStringLiteral("CTRL+ALT+r"));
        QTRY_COMPARE(portal.closedSessions, QStringList{portal.sessions[0]});
        portal.activate(portal.sessions[0], QStringLiteral("ejectAll"), false);
        portal.activate(portal.sessions[1], QStringLiteral("ejectAll"), false);
        QTRY_COMPARE(app.ejects(), 1);
        QTest::qWait(100);
        QCOMPARE(app.ejects(), 1);

        // Clearing closes the session and binds nothing.
        app.shortcuts().setShortcut(std::nullopt, Name::ejectAll());
        QVERIFY(bound.wait());
        QTRY_COMPARE(portal.closedSessions.size(), 2);
        QCOMPARE(portal.bindings.size(), 2);
    }

    void aDeclinedBindingPrintsTheDiagnostic()
    {
        FakePortal portal(m_portalConnection);
        portal.bindResponse = 1;
        QVERIFY(portal.registerOnBus());
        App app(m_appConnection);
        QSignalSpy bound(app.portal, &PortalHotKeyService::bindingFinished);
        app.shortcuts().setShortcut(ctrlAltE, Name::ejectAll());
        QVERIFY(bound.wait());
        QCOMPARE(app.lines, QStringList{QStringLiteral("Error registering hotkey Ctrl+Alt+E: 1")});
        QVERIFY(app.shortcuts().hotKeys().isEmpty());
        QCOMPARE(app.shortcuts().shortcut(Name::ejectAll()), std::optional<Shortcut>(ctrlAltE));
    }

    void withoutThePortalTheRecorderSaysSo()
    {
        // Nobody owns the portal's name on this bus.
        App app(m_appConnection);
        QSignalSpy availability(&app.shortcuts(), &Registry::availabilityChanged);
        ShortcutRecorder recorder(&app.shortcuts(), Name::ejectAll());
        QVERIFY(recorder.isEnabled());
        QVERIFY(availability.wait());
        QVERIFY(!app.shortcuts().isAvailable());
        QVERIFY(!recorder.isEnabled());
        QCOMPARE(recorder.placeholderText(), ShortcutRecorder::unavailableText());
        app.shortcuts().setShortcut(ctrlAltE, Name::ejectAll());
        QVERIFY(app.shortcuts().hotKeys().isEmpty());
    }

    // Where no service can carry a global shortcut, the program says why in its log.
    void withoutAnyServiceTheLogSaysWhy()
    {
        FakeServices fakes;
        qputenv("XDG_SESSION_TYPE", "");
        qputenv("WAYLAND_DISPLAY", "");
        qputenv("DISPLAY", "");
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^No global shortcuts: neither an "
                                                               "X11 display .* nor a Wayland")));
        std::unique_ptr<Registry> none = DesktopShortcuts::make(*fakes.defaults);
        QVERIFY(!none->isAvailable());

        // A Wayland session whose portal has no GlobalShortcuts (nobody owns its name here).
        qputenv("XDG_SESSION_TYPE", "wayland");
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(QStringLiteral("^No global shortcuts: the desktop portal offers no "
                                              "org.freedesktop.portal.GlobalShortcuts interface")));
        std::unique_ptr<Registry> portal = DesktopShortcuts::make(*fakes.defaults);
        QSignalSpy availability(portal.get(), &Registry::availabilityChanged);
        QVERIFY(availability.wait());
        QVERIFY(!portal->isAvailable());
        qunsetenv("XDG_SESSION_TYPE");
    }
};

QTEST_MAIN(TestPortalShortcut)
#include "tst_portalshortcut.moc"
