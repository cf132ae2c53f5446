#include "appfakes.h"
#include "fakes/fakeportal.h"
#include "fakes/privatebus.h"
#include "portalshortcutapp.h"

#include "shortcut/desktopshortcuts.h"
#include "stores/settingskeys.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace GlobalShortcuts;

namespace {

const Shortcut ctrlAltE{14, CarbonModifier::controlKey | CarbonModifier::optionKey};
const Shortcut ctrlAltR{15, CarbonModifier::controlKey | CarbonModifier::optionKey};

} // namespace

Q_DECLARE_METATYPE(FakePortal::Desktop)

// The application over a fake desktop portal on a private session bus, as on Wayland.
class TestPortalShortcut : public QObject {
    Q_OBJECT

    using App = PortalShortcutApp;

    PrivateBus m_bus;
    QDBusConnection m_portalConnection{QString()};
    QDBusConnection m_appConnection{QString()};
    int m_nextConnection = 0;

    // A connection of its own for each start, as a new process has.
    QDBusConnection appConnection()
    {
        return m_bus.connect(QStringLiteral("app%1").arg(++m_nextConnection));
    }

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
        QCOMPARE(app.hintText(), QString());

        app.shortcuts().setShortcut(ctrlAltE, Name::ejectAll());
        QVERIFY(bound.wait());
        QCOMPARE(portal.sessions.size(), 1);
        QVERIFY(portal.sessions[0].endsWith(QStringLiteral("/quillmere")));
        // Asked what the desktop knows before binding.
        QCOMPARE(portal.lists, 1);
        QCOMPARE(portal.sessionShortcuts.value(0).value(0).first, QStringLiteral("ejectAll"));
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
        // The row repeats the key the desktop reported.
        QCOMPARE(app.hintText(), QStringLiteral("CTRL+ALT+e works from any app"));

        // Activated is the whole press and runs Eject All once; Deactivated (which KDE does not
        // always send) adds nothing.
        portal.activate(binding.session, QStringLiteral("ejectAll"), true);
        QTRY_COMPARE(app.ejects(), 1);
        portal.activate(binding.session, QStringLiteral("ejectAll"), false);
        QTest::qWait(100);
        QCOMPARE(app.ejects(), 1);

        // Other sessions' and other names' signals are not ours.
        portal.activate(binding.session + QStringLiteral("x"), QStringLiteral("ejectAll"), true);
        portal.activate(binding.session, QStringLiteral("other"), true);
        QTest::qWait(100);
        QCOMPARE(app.ejects(), 1);

        // While a recorder records, the portal's signals run nothing either.
        app.shortcuts().setRecorderActive(true);
        portal.activate(binding.session, QStringLiteral("ejectAll"), true);
        QTest::qWait(100);
        QCOMPARE(app.ejects(), 1);
        app.shortcuts().setRecorderActive(false);
    }

    void aNewCombinationIsBoundInANewSessionUnderTheSameToken()
    {
        FakePortal portal(m_portalConnection);
        QVERIFY(portal.registerOnBus());
        App app(m_appConnection);
        QSignalSpy bound(app.portal, &PortalHotKeyService::bindingFinished);
        app.shortcuts().setShortcut(ctrlAltE, Name::ejectAll());
        QVERIFY(bound.wait());

        app.shortcuts().setShortcut(ctrlAltR, Name::ejectAll());
        QVERIFY(bound.wait());
        // Released and registered in one go: one new binding, in a session under the same
        // token once the old one was closed (the fake refuses a second open session).
        QCOMPARE(portal.bindings.size(), 2);
        QCOMPARE(portal.bindings[1]
                     .shortcuts[0]
                     .second.value(QStringLiteral("preferred_trigger"))
                     .toString(),
                 QStringLiteral("CTRL+ALT+r"));
        QCOMPARE(portal.sessions.size(), 2);
        QCOMPARE(portal.sessions[1], portal.sessions[0]);
        QCOMPARE(portal.closedSessions, QStringList{portal.sessions[0]});
        QCOMPARE(app.portal->sessionHandle(), portal.sessions[1]);
        QVERIFY(app.lines.isEmpty());
        QCOMPARE(app.hintText(), QStringLiteral("CTRL+ALT+r works from any app"));
        portal.activate(portal.sessions[1], QStringLiteral("ejectAll"), true);
        QTRY_COMPARE(app.ejects(), 1);

        // The same combination again binds nothing: the desktop has it.
        app.shortcuts().setShortcut(std::nullopt, Name::ejectAll());
        QVERIFY(bound.wait());
        QTRY_COMPARE(portal.closedSessions.size(), 2);
        QCOMPARE(app.hintText(), QString());
        app.shortcuts().setShortcut(ctrlAltR, Name::ejectAll());
        QVERIFY(bound.wait());
        QCOMPARE(portal.bindings.size(), 2);
        QCOMPARE(app.hintText(), QStringLiteral("CTRL+ALT+r works from any app"));
    }

    void twoStartsBindOnce_data()
    {
        QTest::addColumn<FakePortal::Desktop>("desktop");
        QTest::addColumn<QString>("hint");
        QTest::newRow("binds at once")
            << FakePortal::Desktop::bindsAtOnce << QStringLiteral("CTRL+ALT+e works from any app");
        QTest::newRow("waits for the user")
            << FakePortal::Desktop::waitsForUser
            << QStringLiteral("Assign it in your desktop's keyboard shortcut settings");
    }

    void twoStartsBindOnce()
    {
        QFETCH(FakePortal::Desktop, desktop);
        QFETCH(QString, hint);
        FakePortal portal(m_portalConnection, desktop);
        QVERIFY(portal.registerOnBus());

        auto first = std::make_unique<App>(appConnection());
        QSignalSpy bound(first->portal, &PortalHotKeyService::bindingFinished);
        first->shortcuts().setShortcut(ctrlAltE, Name::ejectAll());
        QVERIFY(bound.wait());
        QCOMPARE(portal.bindings.size(), 1);
        QCOMPARE(first->hintText(), hint);
        QVERIFY(first->lines.isEmpty());
        QVERIFY(first->fakes.defaults->contains(SettingsKeys::portalBoundShortcuts));
        std::unique_ptr<SettingsStore> settings = first->quit();
        first.reset();
        QTRY_COMPARE(portal.openSessions(), QStringList());

        // The next start lists what the desktop kept under the token and binds nothing.
        App second(appConnection(), std::move(settings));
        QSignalSpy listed(second.portal, &PortalHotKeyService::bindingFinished);
        QVERIFY(listed.wait());
        QCOMPARE(portal.lists, 2);
        QCOMPARE(portal.bindings.size(), 1);
        QCOMPARE(FakePortal::token(second.portal->sessionHandle()), QStringLiteral("quillmere"));
        QCOMPARE(second.hintText(), hint);
        QVERIFY(second.lines.isEmpty());
        portal.activate(second.portal->sessionHandle(), QStringLiteral("ejectAll"), true);
        QTRY_COMPARE(second.ejects(), 1);
    }

    void aKeyAssignedLaterInTheDesktopsSettingsRunsEjectAll()
    {
        // KDE: the binding is answered with an empty list, and the user gives the shortcut a
        // key in System Settings afterwards.
        FakePortal portal(m_portalConnection, FakePortal::Desktop::waitsForUser);
        QVERIFY(portal.registerOnBus());
        App app(m_appConnection);
        QSignalSpy bound(app.portal, &PortalHotKeyService::bindingFinished);
        app.shortcuts().setShortcut(ctrlAltE, Name::ejectAll());
        QVERIFY(bound.wait());
        QCOMPARE(portal.bindings.size(), 1);
        // Not a refusal: no diagnostic, the hot key and the session stay.
        QVERIFY(app.lines.isEmpty());
        QCOMPARE(app.shortcuts().hotKeys().size(), 1);
        QCOMPARE(app.portal->sessionHandle(), portal.sessions[0]);
        QVERIFY(portal.closedSessions.isEmpty());
        QCOMPARE(app.recorder()->text(), QStringLiteral("Ctrl+Alt+E"));
        QCOMPARE(app.hintText(),
                 QStringLiteral("Assign it in your desktop's keyboard shortcut settings"));

        portal.assign(QStringLiteral("quillmere"), QStringLiteral("ejectAll"),
                      QStringLiteral("Meta+E"));
        QTRY_COMPARE(app.hintText(), QStringLiteral("Meta+E works from any app"));
        // Activated alone, as KDE sends it.
        portal.activate(portal.sessions[0], QStringLiteral("ejectAll"), true);
        QTRY_COMPARE(app.ejects(), 1);
        QVERIFY(app.lines.isEmpty());
    }

    void aDeclinedBindingPrintsTheDiagnosticWithItsReason()
    {
        FakePortal portal(m_portalConnection);
        portal.bindResponse = 1;
        QVERIFY(portal.registerOnBus());
        App app(m_appConnection);
        QSignalSpy bound(app.portal, &PortalHotKeyService::bindingFinished);
        app.shortcuts().setShortcut(ctrlAltE, Name::ejectAll());
        QVERIFY(bound.wait());
        QCOMPARE(app.lines, QStringList{QStringLiteral("Error registering hotkey Ctrl+Alt+E: 1 "
                                                       "(declined in the desktop's dialog)")});
        QVERIFY(app.shortcuts().hotKeys().isEmpty());
        QCOMPARE(app.shortcuts().shortcut(Name::ejectAll()), std::optional<Shortcut>(ctrlAltE));
        QCOMPARE(app.hintText(), QStringLiteral("Declined in the desktop's shortcut dialog"));
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

    void aPortalWithoutTheInterfaceLeavesTheRowSayingSo()
    {
        // GNOME 43: the portal runs, its GlobalShortcuts interface does not exist. A stored
        // combination is neither shown as working nor editable.
        FakePortal portal(m_portalConnection, FakePortal::Desktop::withoutInterface);
        QVERIFY(portal.registerOnBus());
        auto settings = SettingsStore::inMemory();
        settings->setString(Name::ejectAll().settingsKey(), ctrlAltE.toJson());
        App app(m_appConnection, std::move(settings));
        QSignalSpy availability(&app.shortcuts(), &Registry::availabilityChanged);
        ShortcutRecorder *recorder = app.recorder();
        QVERIFY(availability.wait());
        QVERIFY(!recorder->isEnabled());
        QCOMPARE(recorder->text(), QString());
        QCOMPARE(recorder->placeholderText(),
                 QStringLiteral("This desktop has no global shortcuts"));
        QCOMPARE(app.hintText(), QString());
        QVERIFY(app.lines.isEmpty());
        QVERIFY(portal.sessions.isEmpty());
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
