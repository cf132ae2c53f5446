// A check by hand against KDE's real stack (scripts/kde-shortcut-check.sh starts it): the
// program's global shortcut through xdg-desktop-portal and its KDE backend, with kglobalaccel
// in kwin_wayland. The user's assignment in System Settings is made through kglobalaccel's
// D-Bus interface, a key press is its component's invokeShortcut. Runs on the session bus it
// is given, once per fresh desktop (kglobalaccel keeps what it was told); skips when
// kglobalaccel is not there.

#include "portalshortcutapp.h"

#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QSignalSpy>
#include <QTest>

using namespace GlobalShortcuts;

namespace {

const Shortcut ctrlAltE{14, CarbonModifier::controlKey | CarbonModifier::optionKey};
const Shortcut ctrlAltR{15, CarbonModifier::controlKey | CarbonModifier::optionKey};
// The same combinations as Qt 5 key codes, kglobalaccel's encoding.
constexpr int qtCtrl = 0x04000000;
constexpr int qtAlt = 0x08000000;
constexpr int qtKeyE = 0x45;
constexpr int qtMeta = 0x10000000;

const QString kglobalaccel = QStringLiteral("org.kde.kglobalaccel");
const QString waitingText =
    QStringLiteral("Assign it in your desktop's keyboard shortcut settings");

// Generous: KDE's portal answers a binding after starting its shortcut settings.
constexpr int answerTimeout = 30000;

} // namespace

class KdePortalShortcutCheck : public QObject {
    Q_OBJECT

    QDBusConnection m_bus{QString()};
    int m_nextConnection = 0;
    std::unique_ptr<PortalShortcutApp> m_app;
    std::unique_ptr<SettingsStore> m_settings;

    // A connection of its own for each start, as a new process has.
    QDBusConnection connection()
    {
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                             QStringLiteral("start%1").arg(++m_nextConnection));
    }

    QDBusMessage call(const QString &path, const QString &interface, const QString &method,
                      const QVariantList &arguments)
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(kglobalaccel, path, interface, method);
        message.setArguments(arguments);
        return m_bus.call(message, QDBus::Block, 10000);
    }

    // kglobalaccel's component that holds the session's shortcuts (KDE names it after the
    // session's token when the program has no app id).
    QString componentPath()
    {
        const QDBusMessage reply =
            call(QStringLiteral("/kglobalaccel"), QStringLiteral("org.kde.KGlobalAccel"),
                 QStringLiteral("allComponents"), {});
        const QDBusArgument list = reply.arguments().value(0).value<QDBusArgument>();
        const QList<QDBusObjectPath> paths = qdbus_cast<QList<QDBusObjectPath>>(list);
        for (const QDBusObjectPath &path : paths) {
            if (path.path().endsWith(QStringLiteral("/quillmere")))
                return path.path();
        }
        return {};
    }

    // A key press in another program.
    bool press()
    {
        const QString component = componentPath();
        if (component.isEmpty())
            return false;
        const QDBusMessage reply =
            call(component, QStringLiteral("org.kde.kglobalaccel.Component"),
                 QStringLiteral("invokeShortcut"), {QStringLiteral("ejectAll")});
        return reply.type() == QDBusMessage::ReplyMessage;
    }

    // The user sets the keys of the shortcut in System Settings.
    bool assign(const QList<int> &keys)
    {
        const QVariantList arguments{QStringList{QStringLiteral("quillmere"),
                                                 QStringLiteral("ejectAll"), QString(), QString()},
                                     QVariant::fromValue(keys)};
        const QDBusMessage reply =
            call(QStringLiteral("/kglobalaccel"), QStringLiteral("org.kde.KGlobalAccel"),
                 QStringLiteral("setForeignShortcut"), arguments);
        if (reply.type() != QDBusMessage::ReplyMessage)
            qWarning() << reply.errorMessage();
        return reply.type() == QDBusMessage::ReplyMessage;
    }

    void report(const char *what)
    {
        qInfo().noquote() << what << "| session" << m_app->portal->sessionHandle()
                          << "| row:" << m_app->recorder()->text() << "/"
                          << (m_app->hintText().isEmpty() ? QStringLiteral("(no hint)")
                                                          : m_app->hintText())
                          << "| diagnostic lines:"
                          << (m_app->lines.isEmpty() ? QStringLiteral("none")
                                                     : m_app->lines.join(QStringLiteral("; ")));
    }

private slots:
    void initTestCase()
    {
        qDBusRegisterMetaType<QList<int>>();
        qDBusRegisterMetaType<QList<QDBusObjectPath>>();
        m_bus = QDBusConnection::sessionBus();
        if (!m_bus.isConnected() || !m_bus.interface()->isServiceRegistered(kglobalaccel))
            QSKIP("no kglobalaccel on the session bus: run scripts/kde-shortcut-check.sh");
    }

    void theFirstStartBindsAndTheDesktopReportsTheKey()
    {
        m_app = std::make_unique<PortalShortcutApp>(connection());
        QSignalSpy finished(m_app->portal, &PortalHotKeyService::bindingFinished);
        m_app->shortcuts().setShortcut(ctrlAltE, Name::ejectAll());
        QVERIFY(finished.wait(answerTimeout));
        report("first start, Ctrl+Alt+E recorded");
        QVERIFY(m_app->portal->sessionHandle().endsWith(QStringLiteral("/quillmere")));
        QVERIFY(m_app->lines.isEmpty());
        QCOMPARE(m_app->shortcuts().hotKeys().size(), 1);
        QVERIFY2(!componentPath().isEmpty(), "kglobalaccel has no component named quillmere");
        QCOMPARE(m_app->hintText(), QStringLiteral("Ctrl+Alt+E works from any app"));
        QVERIFY(press());
        QTRY_COMPARE_WITH_TIMEOUT(m_app->ejects(), 1, answerTimeout);
        qInfo() << "key press: Eject All ran" << m_app->ejects() << "time(s)";
    }

    void whileTheDesktopWaitsForTheUserTheRowSaysSo()
    {
        // The user removes the key in System Settings.
        QVERIFY(assign({}));
        QTRY_COMPARE_WITH_TIMEOUT(m_app->hintText(), waitingText, answerTimeout);
        report("key removed in kglobalaccel");
        QVERIFY(m_app->lines.isEmpty());
    }

    void theKeyTheUserAssignsIsShownAndRunsEjectAll()
    {
        QVERIFY(assign({qtMeta | qtCtrl | qtKeyE}));
        QTRY_COMPARE_WITH_TIMEOUT(m_app->hintText(),
                                  QStringLiteral("Meta+Ctrl+E works from any app"), answerTimeout);
        report("Meta+Ctrl+E assigned in kglobalaccel");
        QVERIFY(press());
        QTRY_COMPARE_WITH_TIMEOUT(m_app->ejects(), 2, answerTimeout);
        qInfo() << "key press: Eject All ran" << m_app->ejects() << "time(s)";
        QVERIFY(m_app->lines.isEmpty());
    }

    void theSecondStartBindsNothingAndStillEjects()
    {
        m_settings = m_app->quit();
        m_app.reset();
        QTest::qWait(500);
        m_app = std::make_unique<PortalShortcutApp>(connection(), std::move(m_settings));
        QSignalSpy finished(m_app->portal, &PortalHotKeyService::bindingFinished);
        QVERIFY(finished.wait(answerTimeout));
        report("second start");
        QVERIFY(m_app->portal->sessionHandle().endsWith(QStringLiteral("/quillmere")));
        QCOMPARE(m_app->hintText(), QStringLiteral("Meta+Ctrl+E works from any app"));
        QVERIFY(press());
        QTRY_COMPARE_WITH_TIMEOUT(m_app->ejects(), 1, answerTimeout);
        qInfo() << "key press: Eject All ran" << m_app->ejects() << "time(s) in this start";
        QVERIFY(m_app->lines.isEmpty());
    }

    void aReBindKeepsTheSessionTokenAndTheUsersKey()
    {
        QSignalSpy finished(m_app->portal, &PortalHotKeyService::bindingFinished);
        m_app->shortcuts().setShortcut(ctrlAltR, Name::ejectAll());
        QVERIFY(finished.wait(answerTimeout));
        report("Ctrl+Alt+R recorded, bound again");
        QVERIFY(m_app->portal->sessionHandle().endsWith(QStringLiteral("/quillmere")));
        QVERIFY(m_app->lines.isEmpty());
        // What the user assigned under the token is still found, and the row says which key.
        QCOMPARE(m_app->hintText(), QStringLiteral("Meta+Ctrl+E works from any app"));
        QVERIFY(press());
        QTRY_COMPARE_WITH_TIMEOUT(m_app->ejects(), 2, answerTimeout);
        qInfo() << "key press: Eject All ran" << m_app->ejects() << "time(s) in this start";
    }

    void cleanupTestCase()
    {
        if (m_app)
            m_app->quit();
        m_app.reset();
    }
};

QTEST_MAIN(KdePortalShortcutCheck)
#include "kdeportalshortcutcheck.moc"
