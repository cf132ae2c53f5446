#include "desktopanimationsetting.h"

#include "fakes/privatebus.h"

#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>

namespace {

// Stands in for the desktop portal's settings: answers Read for the animations key, wrapped
// in a second variant as older portals do, and announces changes.
class FakeSettingsPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    bool enabled = false;
    int reads = 0;

    explicit FakeSettingsPortal(QDBusConnection bus) : m_bus(bus) {}

    bool publish()
    {
        return m_bus.registerObject(DesktopAnimationSetting::portalPath, this,
                                    QDBusConnection::ExportScriptableSlots) &&
               m_bus.registerService(DesktopAnimationSetting::portalService);
    }

    void announce(const QString &ns, const QString &key, const QVariant &value)
    {
        QDBusMessage signal = QDBusMessage::createSignal(DesktopAnimationSetting::portalPath,
                                                         DesktopAnimationSetting::settingsInterface,
                                                         QStringLiteral("SettingChanged"));
        signal << ns << key << QVariant::fromValue(QDBusVariant(value));
        m_bus.send(signal);
    }

public slots:
    Q_SCRIPTABLE QDBusVariant Read(const QString &ns, const QString &key)
    {
        ++reads;
        if (ns != DesktopAnimationSetting::settingNamespace ||
            key != DesktopAnimationSetting::settingKey)
            return QDBusVariant(QString());
        return QDBusVariant(QVariant::fromValue(QDBusVariant(enabled)));
    }

private:
    QDBusConnection m_bus;
};

} // namespace

// Reduced motion as the desktop portal reports it.
class TestDesktopAnimationSetting : public QObject {
    Q_OBJECT

private slots:
    void decodesPlainAndWrappedBooleans()
    {
        QCOMPARE(DesktopAnimationSetting::decode(QVariant(false)), std::optional(false));
        QCOMPARE(DesktopAnimationSetting::decode(QVariant::fromValue(QDBusVariant(true))),
                 std::optional(true));
        const QVariant twice =
            QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusVariant(false))));
        QCOMPARE(DesktopAnimationSetting::decode(twice), std::optional(false));
        QCOMPARE(DesktopAnimationSetting::decode(QVariant(QStringLiteral("false"))), std::nullopt);
        QCOMPARE(DesktopAnimationSetting::decode(QVariant()), std::nullopt);
    }

    void withoutAPortalAnimationsStayOn()
    {
        if (!PrivateBus::available())
            QSKIP("dbus-daemon is not installed");
        PrivateBus bus;
        QString error;
        QVERIFY2(bus.start(&error), qPrintable(error));
        {
            DesktopAnimationSetting setting(bus.connect(QStringLiteral("app")));
            QVERIFY(setting.animationsEnabled());
            QVERIFY(QTest::qWaitFor([&] { return setting.hasAnswered(); }, 10000));
            QVERIFY(setting.animationsEnabled());
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("app"));

        // No session bus at all.
        DesktopAnimationSetting nowhere(QDBusConnection(QStringLiteral("none")));
        QVERIFY(nowhere.hasAnswered());
        QVERIFY(nowhere.animationsEnabled());
    }

    void followsThePortal()
    {
        if (!PrivateBus::available())
            QSKIP("dbus-daemon is not installed");
        PrivateBus bus;
        QString error;
        QVERIFY2(bus.start(&error), qPrintable(error));
        FakeSettingsPortal portal(bus.connect(QStringLiteral("portal")));
        QVERIFY(portal.publish());
        {
            DesktopAnimationSetting setting(bus.connect(QStringLiteral("app")));
            QSignalSpy changed(&setting, &DesktopAnimationSetting::changed);
            // On until the answer comes.
            QVERIFY(setting.animationsEnabled());
            QVERIFY(QTest::qWaitFor([&] { return setting.hasAnswered(); }, 10000));
            QCOMPARE(portal.reads, 1);
            QVERIFY(!setting.animationsEnabled());
            QCOMPARE(changed.size(), 1);

            // Another key changes nothing; this one does.
            portal.announce(DesktopAnimationSetting::settingNamespace, QStringLiteral("gtk-theme"),
                            QVariant(true));
            portal.announce(DesktopAnimationSetting::settingNamespace,
                            DesktopAnimationSetting::settingKey, QVariant(true));
            QVERIFY(QTest::qWaitFor([&] { return setting.animationsEnabled(); }, 10000));
            QCOMPARE(changed.size(), 2);
            QCOMPARE(changed.last().constFirst().toBool(), true);
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("app"));
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    }
};

QTEST_GUILESS_MAIN(TestDesktopAnimationSetting)
#include "tst_desktopanimationsetting.moc"
