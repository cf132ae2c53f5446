#include "fakes/fakehotkeyservice.h"

#include "shortcuts/hotkeybackend.h"
#include "shortcuts/keymapping.h"
#include "shortcuts/keyrepeatfilter.h"
#include "shortcuts/menubarshortcuts.h"
#include "shortcuts/portalbinding.h"
#include "shortcuts/recorderrules.h"
#include "shortcuts/shortcutregistry.h"
#include "stores/settingsstore.h"

#include <QSignalSpy>
#include <QTest>

using namespace GlobalShortcuts;

namespace {

const Shortcut ctrlAltE{14, CarbonModifier::controlKey | CarbonModifier::optionKey};
const Shortcut ctrlAltR{15, CarbonModifier::controlKey | CarbonModifier::optionKey};
const QString ejectAllKey = QStringLiteral("GlobalShortcuts_ejectAll");

struct Rig {
    std::unique_ptr<SettingsStore> defaults = SettingsStore::inMemory();
    FakeHotKeyService *service = nullptr;
    std::unique_ptr<Registry> registry;
    QStringList lines;
    int keyUps = 0;
    int keyDowns = 0;

    explicit Rig(bool withService = true)
    {
        std::unique_ptr<FakeHotKeyService> fake;
        if (withService) {
            fake = std::make_unique<FakeHotKeyService>();
            service = fake.get();
        }
        registry = std::make_unique<Registry>(*defaults, std::move(fake));
        registry->diagnostic = [this](const QString &line) { lines.append(line); };
    }

    void countEjectAll()
    {
        registry->onKeyUp(Name::ejectAll(), [this] { ++keyUps; });
        registry->onKeyDown(Name::ejectAll(), [this] { ++keyDowns; });
    }
};

} // namespace

Q_DECLARE_METATYPE(GlobalShortcuts::Shortcut)
Q_DECLARE_METATYPE(GlobalShortcuts::HotKeyBackend)

class TestGlobalShortcuts : public QObject {
    Q_OBJECT

private slots:
    void heldKeyRepeatsAreNoNewPress()
    {
        using GlobalShortcuts::KeyRepeatFilter;
        using Event = KeyRepeatFilter::KeyEvent;
        const Event press{true, 26, 1000, 0x0c};
        const Event repeatRelease{false, 26, 1500, 0x0c};
        const Event repeatPress{true, 26, 1500, 0x0c};
        const Event keyUp{false, 26, 1720, 0x0c};

        // The pair in one read.
        KeyRepeatFilter oneRead;
        QCOMPARE(oneRead.take({press, repeatRelease, repeatPress, keyUp}), QList<Event>{press});
        QVERIFY(oneRead.isHoldingRelease());
        QCOMPARE(oneRead.expire(), std::optional(keyUp));

        // The pair split over two reads: still one press and one key-up.
        KeyRepeatFilter split;
        QCOMPARE(split.take({press, repeatRelease}), QList<Event>{press});
        QVERIFY(split.isHoldingRelease());
        // A read with nothing in it keeps waiting.
        QCOMPARE(split.take({}), QList<Event>{});
        QCOMPARE(split.take({repeatPress}), QList<Event>{});
        QVERIFY(!split.isHoldingRelease());
        QCOMPARE(split.take({keyUp}), QList<Event>{});
        QCOMPARE(split.expire(), std::optional(keyUp));
        QCOMPARE(split.expire(), std::nullopt);

        // A release followed by a press at another time, or of another key, is a real key-up.
        KeyRepeatFilter twice;
        const Event again{true, 26, 1800, 0x0c};
        QCOMPARE(twice.take({press, keyUp}), QList<Event>{press});
        QCOMPARE(twice.take({again}), (QList<Event>{keyUp, again}));
        const Event otherKey{true, 27, 1720, 0x0c};
        QCOMPARE(twice.take({keyUp, otherKey}), (QList<Event>{keyUp, otherKey}));
    }

    // --- The stored form -------------------------------------------------------------------

    void storedFormIsTheJsonObject()
    {
        QCOMPARE(ctrlAltE.toJson(),
                 QStringLiteral(R"({"carbonKeyCode":14,"carbonModifiers":6144})"));
        QCOMPARE(Shortcut::fromJson(ctrlAltE.toJson()), std::optional<Shortcut>(ctrlAltE));
        // Other writers may order the keys differently or add keys.
        QCOMPARE(Shortcut::fromJson(
                     QStringLiteral(R"({ "carbonModifiers": 256, "x": 1, "carbonKeyCode": 0 })")),
                 std::optional<Shortcut>(Shortcut{0, 256}));
    }

    void textsThatAreNoShortcut_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("not json") << QStringLiteral("ctrl+alt+e");
        QTest::newRow("array") << QStringLiteral("[14, 6144]");
        QTest::newRow("missing modifiers") << QStringLiteral(R"({"carbonKeyCode":14})");
        QTest::newRow("fraction") << QStringLiteral(
            R"({"carbonKeyCode":14.5,"carbonModifiers":0})");
        QTest::newRow("quoted number")
            << QStringLiteral(R"({"carbonKeyCode":"14","carbonModifiers":6144})");
        QTest::newRow("boolean") << QStringLiteral(R"({"carbonKeyCode":true,"carbonModifiers":0})");
        QTest::newRow("null") << QStringLiteral(R"({"carbonKeyCode":null,"carbonModifiers":0})");
        QTest::newRow("huge") << QStringLiteral(R"({"carbonKeyCode":1e300,"carbonModifiers":0})");
    }

    void textsThatAreNoShortcut()
    {
        QFETCH(QString, text);
        QCOMPARE(Shortcut::fromJson(text), std::nullopt);
    }

    // --- Storing and clearing --------------------------------------------------------------

    void recordingStoresRegistersAndNotifiesOnce()
    {
        Rig rig;
        rig.countEjectAll();
        QVERIFY(rig.service->registrations.isEmpty());
        QSignalSpy changes(rig.registry.get(), &Registry::shortcutByNameDidChange);

        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());

        QCOMPARE(rig.defaults->string(ejectAllKey),
                 std::optional<QString>(
                     QStringLiteral(R"({"carbonKeyCode":14,"carbonModifiers":6144})")));
        QCOMPARE(rig.service->registrations.size(), 1);
        QCOMPARE(rig.service->registrations[0].shortcut, ctrlAltE);
        QCOMPARE(rig.service->registrations[0].name, QStringLiteral("ejectAll"));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes[0][0].toString(), QStringLiteral("ejectAll"));
        QCOMPARE(rig.registry->registeredShortcuts(), QSet<Shortcut>{ctrlAltE});

        rig.service->press(ctrlAltE);
        QCOMPARE(rig.keyDowns, 1);
        QCOMPARE(rig.keyUps, 1);
    }

    void recordingTheSameAgainKeepsOneHotKey()
    {
        Rig rig;
        rig.countEjectAll();
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        QSignalSpy changes(rig.registry.get(), &Registry::shortcutByNameDidChange);
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());

        QCOMPARE(changes.size(), 1);
        QCOMPARE(rig.service->active.size(), 1);
        QCOMPARE(rig.registry->hotKeys().size(), 1);
        rig.service->press(ctrlAltE);
        QCOMPARE(rig.keyUps, 1);

        // A second name with the same combination registers nothing new either.
        const Name other{QStringLiteral("other"), std::nullopt};
        const int before = rig.service->registrations.size();
        rig.registry->setShortcut(ctrlAltE, other);
        QCOMPARE(rig.service->registrations.size(), before);
        QCOMPARE(rig.service->active.size(), 1);
    }

    void changingTheCombinationReleasesTheOldOne()
    {
        Rig rig;
        rig.countEjectAll();
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        rig.registry->setShortcut(ctrlAltR, Name::ejectAll());

        QCOMPARE(rig.service->active.values(), QList<Shortcut>{ctrlAltR});
        QCOMPARE(rig.registry->registeredShortcuts(), QSet<Shortcut>{ctrlAltR});
        rig.service->press(ctrlAltE);
        QCOMPARE(rig.keyUps, 0);
        rig.service->press(ctrlAltR);
        QCOMPARE(rig.keyUps, 1);
    }

    void clearingANameWithoutDefaultRemovesTheKey()
    {
        Rig rig;
        rig.countEjectAll();
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        QSignalSpy changes(rig.registry.get(), &Registry::shortcutByNameDidChange);

        rig.registry->setShortcut(std::nullopt, Name::ejectAll());
        QVERIFY(!rig.registry->settingsContain(Name::ejectAll()));
        QVERIFY(!rig.defaults->contains(ejectAllKey));
        QVERIFY(rig.service->active.isEmpty());
        QVERIFY(rig.registry->registeredShortcuts().isEmpty());
        QVERIFY(rig.registry->hotKeys().isEmpty());
        QCOMPARE(changes.size(), 1);

        // Nothing stored: nothing happens, no notification.
        rig.registry->setShortcut(std::nullopt, Name::ejectAll());
        QCOMPARE(changes.size(), 1);
        QCOMPARE(rig.service->unregistrations.size(), 1);
    }

    void clearingANameWithDefaultStoresFalse()
    {
        Rig rig;
        const Name named{QStringLiteral("toggle"), ctrlAltR};
        QSignalSpy changes(rig.registry.get(), &Registry::shortcutByNameDidChange);

        rig.registry->declare(named);
        QCOMPARE(rig.registry->shortcut(named), std::optional<Shortcut>(ctrlAltR));
        QCOMPARE(changes.size(), 1);

        rig.registry->setShortcut(std::nullopt, named);
        QCOMPARE(rig.defaults->boolValue(QStringLiteral("GlobalShortcuts_toggle")),
                 std::optional<bool>(false));
        QCOMPARE(rig.registry->shortcut(named), std::nullopt);
        QVERIFY(rig.registry->settingsContain(named));
        QCOMPARE(changes.size(), 2);

        // The next start does not store the default again.
        Registry next(*rig.defaults, std::make_unique<FakeHotKeyService>());
        next.declare(named);
        QCOMPARE(next.shortcut(named), std::nullopt);
    }

    void otherValuesUnderTheKeyReadAsNoShortcut_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("number") << QVariant(qint64(14));
        QTest::newRow("false") << QVariant(false);
        QTest::newRow("true") << QVariant(true);
        QTest::newRow("text") << QVariant(QStringLiteral("Ctrl+Alt+E"));
        QTest::newRow("list") << QVariant(QStringList{QStringLiteral("14")});
        QTest::newRow("bytes") << QVariant(ctrlAltE.toJson().toUtf8());
    }

    void otherValuesUnderTheKeyReadAsNoShortcut()
    {
        QFETCH(QVariant, value);
        Rig rig;
        QVERIFY(rig.defaults->setObject(ejectAllKey, value));
        QCOMPARE(rig.registry->shortcut(Name::ejectAll()), std::nullopt);
        QVERIFY(rig.registry->settingsContain(Name::ejectAll()));
        rig.countEjectAll();
        QVERIFY(rig.service->registrations.isEmpty());
        QVERIFY(rig.lines.isEmpty());
    }

    // --- Registration through callbacks ----------------------------------------------------

    void callbacksRegisterTheStoredCombinationOnce()
    {
        Rig rig;
        rig.defaults->setString(ejectAllKey, ctrlAltE.toJson());
        QStringList calls;
        rig.registry->onKeyUp(Name::ejectAll(), [&] { calls.append(QStringLiteral("first")); });
        rig.registry->onKeyUp(Name::ejectAll(), [&] { calls.append(QStringLiteral("second")); });

        QCOMPARE(rig.service->registrations.size(), 1);
        QCOMPARE(rig.registry->registeredShortcuts(), QSet<Shortcut>{ctrlAltE});
        rig.service->press(ctrlAltE);
        QCOMPARE(calls, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
    }

    void dispatchReadsEachNamesCombinationAfresh()
    {
        Rig rig;
        const Name other{QStringLiteral("other"), std::nullopt};
        int others = 0;
        rig.countEjectAll();
        rig.registry->onKeyUp(other, [&] { ++others; });
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        rig.registry->setShortcut(ctrlAltR, other);

        rig.service->press(ctrlAltE);
        QCOMPARE(rig.keyUps, 1);
        QCOMPARE(others, 0);

        // Another process stores a different combination: the old hot key no longer matches.
        rig.defaults->setString(ejectAllKey, Shortcut{16, CarbonModifier::controlKey}.toJson());
        rig.service->press(ctrlAltE);
        QCOMPARE(rig.keyUps, 1);
    }

    void unknownHotKeyIdsAreLeftAlone()
    {
        Rig rig;
        rig.countEjectAll();
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        rig.service->onHotKeyEvent(4711, false);
        QCOMPARE(rig.keyUps, 0);
    }

    // --- Pausing -----------------------------------------------------------------------------

    void noCallbackRunsWhileARecorderRecords()
    {
        Rig rig;
        rig.countEjectAll();
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        QSignalSpy status(rig.registry.get(), &Registry::recorderActiveStatusDidChange);

        rig.registry->setRecorderActive(true);
        QVERIFY(rig.registry->isPaused());
        rig.service->press(ctrlAltE);
        QCOMPARE(rig.keyDowns, 0);
        QCOMPARE(rig.keyUps, 0);

        rig.registry->setRecorderActive(false);
        rig.service->press(ctrlAltE);
        QCOMPARE(rig.keyUps, 1);
        QCOMPARE(status.size(), 2);
        QCOMPARE(status[0][0].toBool(), true);
        QCOMPARE(status[1][0].toBool(), false);
    }

    // --- Menus -----------------------------------------------------------------------------

    void whileAMenuIsOpenRawKeysStandIn()
    {
        Rig rig;
        rig.countEjectAll();
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        const quint32 id = rig.service->registrations[0].id;

        rig.registry->setMenuOpen(true);
        QVERIFY(rig.service->active.isEmpty());
        QCOMPARE(rig.registry->hotKeys(), (QList<std::pair<Shortcut, bool>>{{ctrlAltE, false}}));
        QVERIFY(rig.registry->listensToRawKeys());

        // CapsLock's bit is not part of a hot key.
        const Shortcut withCapsLock{14, ctrlAltE.carbonModifiers | CarbonModifier::alphaLock};
        QVERIFY(rig.registry->handleRawKeyEvent(withCapsLock, true));
        QVERIFY(rig.registry->handleRawKeyEvent(withCapsLock, false));
        QCOMPARE(rig.keyDowns, 1);
        QCOMPARE(rig.keyUps, 1);
        QVERIFY(!rig.registry->handleRawKeyEvent(ctrlAltR, false));
        QVERIFY(!rig.registry->handleRawKeyEvent(Shortcut{14, CarbonModifier::controlKey}, false));
        QCOMPARE(rig.keyUps, 1);

        // Modifiers let go before the key: its release is still the key-up, once.
        QVERIFY(rig.registry->handleRawKeyEvent(ctrlAltE, true));
        QVERIFY(!rig.registry->handleRawKeyEvent(Shortcut{15, 0}, false));
        QVERIFY(rig.registry->handleRawKeyEvent(Shortcut{14, 0}, false));
        QVERIFY(!rig.registry->handleRawKeyEvent(Shortcut{14, 0}, false));
        QCOMPARE(rig.keyDowns, 2);
        QCOMPARE(rig.keyUps, 2);

        rig.registry->setMenuOpen(false);
        QCOMPARE(rig.service->active.keys(), QList<quint32>{id});
        QVERIFY(!rig.registry->listensToRawKeys());
        QVERIFY(!rig.registry->handleRawKeyEvent(ctrlAltE, false));
        rig.service->press(ctrlAltE);
        QCOMPARE(rig.keyUps, 3);
    }

    void aHotKeyTakenWhileTheMenuWasOpenStaysInTheTable()
    {
        Rig rig;
        rig.countEjectAll();
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        rig.registry->setMenuOpen(true);
        rig.service->refusals.insert(ctrlAltE, 10);
        rig.registry->setMenuOpen(false);

        QCOMPARE(rig.lines, QStringList{QStringLiteral("Error registering hotkey Ctrl+Alt+E: 10")});
        QCOMPARE(rig.registry->hotKeys(), (QList<std::pair<Shortcut, bool>>{{ctrlAltE, false}}));
        rig.service->refusals.clear();
        rig.registry->setMenuOpen(true);
        rig.registry->setMenuOpen(false);
        QCOMPARE(rig.registry->hotKeys(), (QList<std::pair<Shortcut, bool>>{{ctrlAltE, true}}));
    }

    void aServiceThatDeliversDuringMenusKeepsItsHotKeys()
    {
        Rig rig;
        rig.service->menuPath = false;
        rig.countEjectAll();
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        rig.registry->setMenuOpen(true);
        QCOMPARE(rig.service->active.size(), 1);
        QVERIFY(!rig.registry->listensToRawKeys());
        rig.service->press(ctrlAltE);
        QCOMPARE(rig.keyUps, 1);
    }

    // --- Refusals ----------------------------------------------------------------------------

    void aRefusedRegistrationPrintsTheDiagnosticAndKeepsTheSetting()
    {
        Rig rig;
        rig.countEjectAll();
        rig.service->refusals.insert(ctrlAltE, 10);
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());

        QCOMPARE(rig.lines, QStringList{QStringLiteral("Error registering hotkey Ctrl+Alt+E: 10")});
        QVERIFY(rig.registry->hotKeys().isEmpty());
        QCOMPARE(rig.registry->shortcut(Name::ejectAll()), std::optional<Shortcut>(ctrlAltE));
    }

    void aLateRefusalDropsTheHotKey()
    {
        Rig rig;
        rig.countEjectAll();
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        rig.service->onRegistrationFailed(rig.service->registrations[0].id, 2, QString());
        QCOMPARE(rig.lines, QStringList{QStringLiteral("Error registering hotkey Ctrl+Alt+E: 2")});
        QVERIFY(rig.registry->hotKeys().isEmpty());

        // The desktop's reason follows the status.
        rig.registry->setShortcut(ctrlAltR, Name::ejectAll());
        rig.service->onRegistrationFailed(rig.service->registrations.last().id, 1,
                                          QStringLiteral("declined"));
        QCOMPARE(rig.lines.last(),
                 QStringLiteral("Error registering hotkey Ctrl+Alt+R: 1 (declined)"));
    }

    void theRowsStateFollowsTheRegistration()
    {
        Rig rig;
        QSignalSpy changes(rig.registry.get(), &Registry::deliveryStatusChanged);
        QCOMPARE(rig.registry->deliveryStatus(Name::ejectAll()).state, DeliveryState::none);
        rig.countEjectAll();
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        QCOMPARE(rig.registry->deliveryStatus(Name::ejectAll()),
                 (DeliveryStatus{DeliveryState::delivered, {}}));
        rig.service->onRegistrationFailed(rig.service->registrations[0].id, 2, QString());
        QCOMPARE(rig.registry->deliveryStatus(Name::ejectAll()).state, DeliveryState::failed);
        QCOMPARE(changes.size(), 1);
        rig.service->available = false;
        QCOMPARE(rig.registry->deliveryStatus(Name::ejectAll()).state, DeliveryState::unsupported);
    }

    // --- The desktop portal's bindings ---------------------------------------------------------

    void onlyMissingOrChangedNamesAreBound()
    {
        using PortalBinding::Request;
        const Request ctrlAltEjectAll{QStringLiteral("Eject All"), QStringLiteral("CTRL+ALT+e")};
        const QMap<QString, Request> wanted{{QStringLiteral("ejectAll"), ctrlAltEjectAll}};
        const QSet<QString> listed{QStringLiteral("ejectAll")};
        // A plain start: the desktop knows it as it was bound.
        QCOMPARE(PortalBinding::namesToBind(wanted, wanted, listed), QStringList());
        // Never bound, or the desktop forgot it.
        QCOMPARE(PortalBinding::namesToBind(wanted, {}, listed),
                 QStringList{QStringLiteral("ejectAll")});
        QCOMPARE(PortalBinding::namesToBind(wanted, wanted, {}),
                 QStringList{QStringLiteral("ejectAll")});
        // Another combination, or another description (another language).
        QMap<QString, Request> before = wanted;
        before[QStringLiteral("ejectAll")].preferredTrigger = QStringLiteral("CTRL+ALT+r");
        QCOMPARE(PortalBinding::namesToBind(wanted, before, listed),
                 QStringList{QStringLiteral("ejectAll")});
        before = wanted;
        before[QStringLiteral("ejectAll")].description = QStringLiteral("Alles auswerfen");
        QCOMPARE(PortalBinding::namesToBind(wanted, before, listed),
                 QStringList{QStringLiteral("ejectAll")});
        QCOMPARE(PortalBinding::namesToBind({}, wanted, listed), QStringList());

        // Kept in the settings and read back; anything else reads as nothing bound.
        QCOMPARE(PortalBinding::decode(PortalBinding::encode(wanted)), wanted);
        for (const char *bad :
             {"", "[1]", "{\"ejectAll\": 3}", "{\"ejectAll\": {\"description\": 1}}", "not json"})
            QCOMPARE(PortalBinding::decode(QString::fromUtf8(bad)), (QMap<QString, Request>()));
    }

    void theDesktopsAnswerGivesTheRowsState()
    {
        using PortalBinding::NameState;
        QCOMPARE(PortalBinding::deliveryStatus(NameState{}).state, DeliveryState::pending);
        // KDE's empty answer: taken, waiting for the user.
        QCOMPARE(PortalBinding::deliveryStatus(NameState{true, {}, DeliveryState::none}).state,
                 DeliveryState::awaitingUser);
        QCOMPARE(PortalBinding::deliveryStatus(
                     NameState{true, QStringLiteral("Ctrl+Alt+E"), DeliveryState::none}),
                 (DeliveryStatus{DeliveryState::delivered, QStringLiteral("Ctrl+Alt+E")}));
        QCOMPARE(PortalBinding::deliveryStatus(NameState{true, {}, DeliveryState::declined}).state,
                 DeliveryState::declined);
        QCOMPARE(PortalBinding::deliveryStatus(NameState{true, {}, DeliveryState::failed}).state,
                 DeliveryState::failed);
        // A key assigned in the desktop's settings after all wins over the refusal.
        QCOMPARE(PortalBinding::deliveryStatus(
                     NameState{true, QStringLiteral("Meta+E"), DeliveryState::declined})
                     .state,
                 DeliveryState::delivered);
    }

    void combinationsOfOtherProgramsAreFoundByProbing()
    {
        Rig rig;
        rig.service->probeStatus = 10;
        QVERIFY(rig.registry->isTakenElsewhere(ctrlAltR));
        QCOMPARE(rig.lines, QStringList{QStringLiteral("Error registering hotkey Ctrl+Alt+R: 10")});

        // Our own combination is not probed (a probe would release our grab).
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        QVERIFY(!rig.registry->isTakenElsewhere(ctrlAltE));
        QCOMPARE(rig.service->probed, QList<Shortcut>{ctrlAltR});

        rig.service->probeStatus = 0;
        QVERIFY(!rig.registry->isTakenElsewhere(ctrlAltR));
    }

    void withoutAServiceNamesStillStore()
    {
        Rig rig(false);
        QVERIFY(!rig.registry->isAvailable());
        rig.countEjectAll();
        rig.registry->setShortcut(ctrlAltE, Name::ejectAll());
        QCOMPARE(rig.registry->shortcut(Name::ejectAll()), std::optional<Shortcut>(ctrlAltE));
        QVERIFY(!rig.registry->isTakenElsewhere(ctrlAltE));
        QVERIFY(rig.lines.isEmpty());
    }

    void availabilityFollowsTheService()
    {
        Rig rig;
        QSignalSpy spy(rig.registry.get(), &Registry::availabilityChanged);
        QVERIFY(rig.registry->isAvailable());
        rig.service->available = false;
        rig.service->onAvailabilityChanged();
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].toBool(), false);
        QVERIFY(!rig.registry->isAvailable());
    }

    // --- Key mapping -------------------------------------------------------------------------

    void knownKeysMapBothWays_data()
    {
        QTest::addColumn<qint64>("carbon");
        QTest::addColumn<quint32>("keysym");
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<QString>("label");
        QTest::newRow("A") << qint64(0x00) << quint32(0x61) << int(Qt::Key_A) << "A";
        QTest::newRow("E") << qint64(0x0E) << quint32(0x65) << int(Qt::Key_E) << "E";
        QTest::newRow("Z") << qint64(0x06) << quint32(0x7a) << int(Qt::Key_Z) << "Z";
        QTest::newRow("0") << qint64(0x1D) << quint32(0x30) << int(Qt::Key_0) << "0";
        QTest::newRow("1") << qint64(0x12) << quint32(0x31) << int(Qt::Key_1) << "1";
        QTest::newRow("5") << qint64(0x17) << quint32(0x35) << int(Qt::Key_5) << "5";
        QTest::newRow("9") << qint64(0x19) << quint32(0x39) << int(Qt::Key_9) << "9";
        QTest::newRow("F1") << qint64(0x7A) << quint32(0xffbe) << int(Qt::Key_F1) << "F1";
        QTest::newRow("F5") << qint64(0x60) << quint32(0xffc2) << int(Qt::Key_F5) << "F5";
        QTest::newRow("F12") << qint64(0x6F) << quint32(0xffc9) << int(Qt::Key_F12) << "F12";
        QTest::newRow("F20") << qint64(0x5A) << quint32(0xffd1) << int(Qt::Key_F20) << "F20";
        QTest::newRow("left") << qint64(0x7B) << quint32(0xff51) << int(Qt::Key_Left) << "Left";
        QTest::newRow("right") << qint64(0x7C) << quint32(0xff53) << int(Qt::Key_Right) << "Right";
        QTest::newRow("down") << qint64(0x7D) << quint32(0xff54) << int(Qt::Key_Down) << "Down";
        QTest::newRow("up") << qint64(0x7E) << quint32(0xff52) << int(Qt::Key_Up) << "Up";
        QTest::newRow("space") << qint64(0x31) << quint32(0x20) << int(Qt::Key_Space) << "Space";
        QTest::newRow("comma") << qint64(0x2B) << quint32(0x2c) << int(Qt::Key_Comma) << ",";
        QTest::newRow("backspace")
            << qint64(0x33) << quint32(0xff08) << int(Qt::Key_Backspace) << "Backspace";
        QTest::newRow("delete") << qint64(0x75) << quint32(0xffff) << int(Qt::Key_Delete) << "Del";
    }

    void knownKeysMapBothWays()
    {
        QFETCH(qint64, carbon);
        QFETCH(quint32, keysym);
        QFETCH(int, qtKey);
        QFETCH(QString, label);
        const auto key = KeyMapping::forCarbonKeyCode(carbon);
        QVERIFY(key);
        QCOMPARE(key->keysym, keysym);
        QCOMPARE(key->qtKey, qtKey);
        QCOMPARE(KeyMapping::forKeysym(keysym)->carbonKeyCode, carbon);
        QCOMPARE(KeyMapping::forQtKey(qtKey, false)->carbonKeyCode, carbon);
        QCOMPARE(KeyMapping::description(Shortcut{carbon, 0}), label);
    }

    void everyKeyOfTheTableRoundTrips()
    {
        QSet<qint64> carbonCodes;
        QSet<quint32> keysyms;
        QSet<QString> names;
        for (const KeyMapping::Key &key : KeyMapping::keys()) {
            QVERIFY2(!carbonCodes.contains(key.carbonKeyCode), key.keysymName);
            QVERIFY2(!keysyms.contains(key.keysym), key.keysymName);
            QVERIFY2(!names.contains(QLatin1String(key.keysymName)), key.keysymName);
            carbonCodes.insert(key.carbonKeyCode);
            keysyms.insert(key.keysym);
            names.insert(QLatin1String(key.keysymName));
            QCOMPARE(KeyMapping::forKeysym(key.keysym)->carbonKeyCode, key.carbonKeyCode);
            QCOMPARE(KeyMapping::forQtKey(key.qtKey, key.keypad)->carbonKeyCode, key.carbonKeyCode);
            QVERIFY(!KeyMapping::description(Shortcut{key.carbonKeyCode, 0}).isEmpty());
        }
        QCOMPARE(carbonCodes.size(), 26 + 10 + 12 + 14 + 20 + 17);
    }

    void upperCaseKeysymsAndKeypadKeys()
    {
        QCOMPARE(KeyMapping::forKeysym('E')->carbonKeyCode, qint64(14));
        // Keypad 1 and the main block's 1 differ; Qt tells them apart by the keypad flag.
        QCOMPARE(KeyMapping::forQtKey(Qt::Key_1, true)->carbonKeyCode, qint64(0x53));
        QCOMPARE(KeyMapping::forQtKey(Qt::Key_1, false)->carbonKeyCode, qint64(0x12));
        QCOMPARE(KeyMapping::forQtKey(Qt::Key_Left, true)->carbonKeyCode, qint64(0x7B));
        QCOMPARE(KeyMapping::forQtKey(Qt::Key_Backtab, false)->carbonKeyCode, qint64(0x30));
        QCOMPARE(KeyMapping::forQtKey(Qt::Key_Exclam, false), std::nullopt);
        QCOMPARE(KeyMapping::forKeysym(0xffe3 /* Control_L */), std::nullopt);
        QCOMPARE(KeyMapping::forCarbonKeyCode(0x3B /* Control */), std::nullopt);
    }

    void modifiersMapByPhysicalKey()
    {
        using namespace CarbonModifier;
        QCOMPARE(KeyMapping::carbonModifiers(Qt::ControlModifier | Qt::AltModifier), qint64(6144));
        QCOMPARE(KeyMapping::carbonModifiers(Qt::MetaModifier), cmdKey);
        QCOMPARE(KeyMapping::carbonModifiers(Qt::ShiftModifier | Qt::KeypadModifier), shiftKey);
        for (int bits = 0; bits < 16; ++bits) {
            const qint64 carbon = ((bits & 1) ? cmdKey : 0) | ((bits & 2) ? shiftKey : 0) |
                                  ((bits & 4) ? optionKey : 0) | ((bits & 8) ? controlKey : 0);
            QCOMPARE(KeyMapping::carbonModifiers(KeyMapping::qtModifiers(carbon)), carbon);
            const KeyMapping::XModifierMasks masks;
            QCOMPARE(KeyMapping::carbonModifiers(KeyMapping::xModifiers(carbon, masks), masks),
                     carbon);
        }
    }

    void xModifiersFollowTheDisplaysMapping()
    {
        using namespace CarbonModifier;
        const KeyMapping::XModifierMasks standard;
        QCOMPARE(KeyMapping::xModifiers(controlKey | optionKey, standard), quint16(0x04 | 0x08));
        QCOMPARE(KeyMapping::xModifiers(cmdKey | shiftKey, standard), quint16(0x40 | 0x01));

        KeyMapping::XModifierMasks moved;
        moved.alt = 0x80;
        moved.super = 0x20;
        moved.numLock = 0x08;
        QCOMPARE(KeyMapping::xModifiers(controlKey | optionKey | cmdKey, moved),
                 quint16(0x04 | 0x80 | 0x20));
        // NumLock and CapsLock bits of an event are no modifiers of the combination.
        QCOMPARE(KeyMapping::carbonModifiers(quint16(0x04 | 0x80 | 0x08 | 0x02), moved),
                 controlKey | optionKey);
        QCOMPARE(KeyMapping::carbonModifiers(quint16(0x04 | 0x10 | 0x02), standard), controlKey);

        const QList<quint16> variants = KeyMapping::lockVariants(standard);
        QCOMPARE(variants, (QList<quint16>{0, 0x02, 0x10, 0x12}));
        moved.numLock = 0;
        QCOMPARE(KeyMapping::lockVariants(moved), (QList<quint16>{0, 0x02}));
    }

    void descriptionsAndTriggers()
    {
        using namespace CarbonModifier;
        QCOMPARE(KeyMapping::description(ctrlAltE), QStringLiteral("Ctrl+Alt+E"));
        QCOMPARE(
            KeyMapping::description(Shortcut{0x7A, controlKey | optionKey | shiftKey | cmdKey}),
            QStringLiteral("Ctrl+Alt+Shift+Super+F1"));
        QCOMPARE(KeyMapping::description(Shortcut{999, controlKey}), QStringLiteral("Ctrl+999"));
        QCOMPARE(KeyMapping::description(Shortcut{0x53, controlKey}), QStringLiteral("Ctrl+Num+1"));

        QCOMPARE(KeyMapping::trigger(ctrlAltE), QStringLiteral("CTRL+ALT+e"));
        QCOMPARE(KeyMapping::trigger(Shortcut{0x7A, shiftKey | cmdKey}),
                 QStringLiteral("SHIFT+LOGO+F1"));
        QCOMPARE(KeyMapping::trigger(Shortcut{0x74, controlKey}), QStringLiteral("CTRL+Page_Up"));
        QCOMPARE(KeyMapping::trigger(Shortcut{999, controlKey}), QString());
    }

    // --- The menu bar and the recorder's own rules -----------------------------------------

    void theMenuBarsCombinationsAreFound()
    {
        using namespace CarbonModifier;
        using MenuBarShortcuts::Item;
        QCOMPARE(MenuBarShortcuts::itemFor(ctrlAltE), std::optional<Item>(Item::ejectAll));
        QCOMPARE(MenuBarShortcuts::itemFor(Shortcut{0x0D, controlKey}),
                 std::optional<Item>(Item::close));
        QCOMPARE(MenuBarShortcuts::itemFor(Shortcut{0x2B, controlKey}),
                 std::optional<Item>(Item::preferences));
        QCOMPARE(MenuBarShortcuts::itemFor(Shortcut{0x7A, 0}), std::optional<Item>(Item::help));
        QCOMPARE(MenuBarShortcuts::itemFor(Shortcut{0x06, controlKey | shiftKey}),
                 std::optional<Item>(Item::redo));
        QCOMPARE(MenuBarShortcuts::itemFor(Shortcut{0x0E, controlKey | shiftKey}), std::nullopt);
        QCOMPARE(MenuBarShortcuts::itemFor(Shortcut{0x0E, cmdKey | optionKey}), std::nullopt);
        QCOMPARE(MenuBarShortcuts::itemFor(Shortcut{0x7A, controlKey}), std::nullopt);
        // Keypad 1 is not the View menu's Ctrl+1.
        QCOMPARE(MenuBarShortcuts::itemFor(Shortcut{0x53, controlKey}), std::nullopt);

        for (const MenuBarShortcuts::Entry &entry : MenuBarShortcuts::entries()) {
            const auto key = KeyMapping::forQtKey(entry.key.key(), false);
            QVERIFY(key);
            const Shortcut shortcut{key->carbonKeyCode,
                                    KeyMapping::carbonModifiers(entry.key.keyboardModifiers())};
            QCOMPARE(MenuBarShortcuts::itemFor(shortcut), std::optional<Item>(entry.item));
            QVERIFY(!MenuBarShortcuts::title(entry.item).isEmpty());
        }
        QCOMPARE(MenuBarShortcuts::key(Item::quit), QKeyCombination(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(MenuBarShortcuts::title(Item::ejectAll), QStringLiteral("Eject All"));
    }

    void recorderRules()
    {
        using namespace CarbonModifier;
        using RecorderRules::Refusal;
        QVERIFY(RecorderRules::mayStandAlone(0x60));  // F5
        QVERIFY(RecorderRules::mayStandAlone(0x5A));  // F20
        QVERIFY(!RecorderRules::mayStandAlone(0x0E)); // E
        QVERIFY(!RecorderRules::mayStandAlone(0x7B)); // Left
        QVERIFY(!RecorderRules::mayStandAlone(0x31)); // Space
        QCOMPARE(RecorderRules::refusal(Shortcut{0x0E, shiftKey}), Refusal::typesText);
        QCOMPARE(RecorderRules::refusal(Shortcut{0x7B, shiftKey}), Refusal::typesText);
        QCOMPARE(RecorderRules::refusal(Shortcut{0x60, shiftKey}), Refusal::none);
        QCOMPARE(RecorderRules::refusal(Shortcut{0x0E, shiftKey | controlKey}), Refusal::none);
        QCOMPARE(RecorderRules::refusal(ctrlAltE), Refusal::none);
        QCOMPARE(RecorderRules::refusal(Shortcut{999, controlKey}), Refusal::unknownKey);
    }

    void backendOfTheSession_data()
    {
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("display");
        QTest::addColumn<HotKeyBackend>("backend");
        QTest::newRow("x11") << "x11"
                             << ""
                             << ":0" << HotKeyBackend::x11Grab;
        QTest::newRow("wayland with xwayland") << "wayland"
                                               << "wayland-0"
                                               << ":0" << HotKeyBackend::portal;
        QTest::newRow("wayland by its socket") << ""
                                               << "wayland-0"
                                               << ":1" << HotKeyBackend::portal;
        QTest::newRow("x11 with a stray wayland socket") << "x11"
                                                         << "wayland-0"
                                                         << ":0" << HotKeyBackend::x11Grab;
        QTest::newRow("display only") << "tty"
                                      << ""
                                      << ":5" << HotKeyBackend::x11Grab;
        QTest::newRow("nothing") << "tty"
                                 << ""
                                 << "" << HotKeyBackend::none;
    }

    void backendOfTheSession()
    {
        QFETCH(QString, sessionType);
        QFETCH(QString, wayland);
        QFETCH(QString, display);
        QFETCH(HotKeyBackend, backend);
        QCOMPARE(hotKeyBackend(sessionType, wayland, display), backend);
    }
};

QTEST_GUILESS_MAIN(TestGlobalShortcuts)
#include "tst_globalshortcuts.moc"
