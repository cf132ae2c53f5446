#include "policy/mediapolicy.h"
#include "policy/mediapolicyoverrides.h"
#include "policy/systemmounts.h"
#include "stores/appsupport.h"
#include "volumebuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using ES = MediaPolicy::EjectSemantics;

namespace {

Volume makeVolume(const QString &name, VolumeKind kind, bool isRemovable, MediaTraits traits = {})
{
    return VolumeBuilder(name)
        .id(name)
        .mountedAt(QStringLiteral("/media/u/") + name)
        .device(QStringLiteral("sdb1"))
        .kind(kind)
        .removable(isRemovable)
        .traits(traits)
        .build();
}

MediaTraits imageTraits(bool systemManaged)
{
    MediaTraits t;
    t.isDiskImage = true;
    t.isSystemManaged = systemManaged;
    t.deviceModel = QStringLiteral("Disk Image");
    return t;
}

MediaPolicyOverrides rules(const char *json)
{
    QString error;
    const std::optional<MediaPolicyOverrides> decoded = MediaPolicyOverrides::decode(json, &error);
    if (!decoded)
        qFatal("test rules do not decode: %s", qPrintable(error));
    return *decoded;
}

struct CapturedMessage {
    QtMsgType type;
    QString category;
    QString text;
};
QList<CapturedMessage> captured;

void captureMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    captured.append({type, QString::fromUtf8(context.category), text});
}

} // namespace

class TestMediaPolicy : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) < 0)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void systemMountPointsAreThoseTheRunningSystemNeeds_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("system");
        QTest::newRow("root") << "/" << true;
        QTest::newRow("boot") << "/boot" << true;
        QTest::newRow("EFI below boot") << "/boot/efi" << true;
        QTest::newRow("trailing slash") << "/boot/efi/" << true;
        QTest::newRow("home") << "/home" << true;
        QTest::newRow("usr below") << "/usr/local" << true;
        QTest::newRow("Debian live medium") << "/run/live/medium" << true;
        QTest::newRow("dracut live medium") << "/run/initramfs/live" << true;
        QTest::newRow("stick") << "/media/ann/STICK" << false;
        QTest::newRow("stick named boot") << "/media/ann/boot" << false;
        QTest::newRow("prefix only") << "/bootstrap" << false;
        QTest::newRow("a user's folder") << "/home/ann" << false;
        QTest::newRow("mnt") << "/mnt" << false;
        QTest::newRow("var tmp below var") << "/var/tmp/quillmere-test" << false;
        QTest::newRow("empty") << "" << false;
    }

    void systemMountPointsAreThoseTheRunningSystemNeeds()
    {
        QFETCH(QString, path);
        QFETCH(bool, system);
        QCOMPARE(SystemMounts::isSystemMountPoint(path), system);
    }

    void init()
    {
        MediaPolicy::installOverrides(MediaPolicyOverrides::empty);
        MediaPolicy::installPulledDefinitions(MediaPolicyOverrides::empty);
        captured.clear();
    }

    void semanticsRoundTripTheirRawValues()
    {
        QCOMPARE(enumValues<MediaPolicy::EjectSemantics>().size(), 4);
        for (ES semantics : enumValues<MediaPolicy::EjectSemantics>())
            QVERIFY(enumFromName<MediaPolicy::EjectSemantics>(enumName(semantics)) == semantics);
        QVERIFY(!enumFromName<MediaPolicy::EjectSemantics>(QStringLiteral("eject")));
        QCOMPARE(enumName(ES::unmountKeepAttached), QStringLiteral("unmountKeepAttached"));
    }

    void builtInRuleFirstMatchingRowWins_data()
    {
        QTest::addColumn<MediaTraits>("traits");
        QTest::addColumn<MediaPolicy>("expected");
        const auto traits = [](bool network, bool image, bool managed, bool optical, bool boot) {
            return MediaTraits{network, image, managed, optical, boot, std::nullopt};
        };
        QTest::newRow("plain usb disk") << traits(false, false, false, false, false)
                                        << MediaPolicy{ES::unmountKeepAttached, true, true, true};
        QTest::newRow("network") << traits(true, false, false, false, false)
                                 << MediaPolicy{ES::unmountByPath, false, false, false};
        QTest::newRow("network image") << traits(true, true, false, false, false)
                                       << MediaPolicy{ES::unmountByPath, false, false, false};
        QTest::newRow("boot-device image")
            << traits(false, true, false, false, true)
            << MediaPolicy{ES::unmountKeepAttached, false, true, false};
        QTest::newRow("system image") << traits(false, true, true, false, false)
                                      << MediaPolicy{ES::detachImage, false, false, false};
        QTest::newRow("user image") << traits(false, true, false, false, false)
                                    << MediaPolicy{ES::detachImage, true, true, true};
        QTest::newRow("optical") << traits(false, false, false, true, false)
                                 << MediaPolicy{ES::physicalEject, false, false, true};
    }

    void builtInRuleFirstMatchingRowWins()
    {
        QFETCH(MediaTraits, traits);
        QFETCH(MediaPolicy, expected);
        QCOMPARE(MediaPolicy::policy(traits), expected);
        traits.deviceModel = QStringLiteral("Any Model");
        QCOMPARE(MediaPolicy::policy(traits), expected);
    }

    void eraseEligibilityFollowsPolicyThenKind()
    {
        MediaTraits optical;
        optical.isOptical = true;
        QVERIFY(!MediaPolicy::allowsErase(makeVolume("CD", VolumeKind::external, true, optical)));
        QVERIFY(MediaPolicy::allowsErase(makeVolume("Stick", VolumeKind::external, false)));
        QVERIFY(MediaPolicy::allowsErase(
            makeVolume("Image", VolumeKind::diskImage, false, imageTraits(false))));
        QVERIFY(!MediaPolicy::allowsErase(makeVolume("Boot", VolumeKind::boot, true)));
        QVERIFY(!MediaPolicy::allowsErase(makeVolume("Hidden", VolumeKind::systemHidden, true)));
        QVERIFY(!MediaPolicy::allowsErase(makeVolume("Data", VolumeKind::internalExtra, false)));
        QVERIFY(MediaPolicy::allowsErase(makeVolume("Data", VolumeKind::internalExtra, true)));
        QVERIFY(!MediaPolicy::allowsErase(makeVolume("Sys", VolumeKind::systemImage, false)));
        const Volume removable = makeVolume("Card", VolumeKind::systemImage, true);
        QVERIFY(MediaPolicy::allowsErase(removable));
        QCOMPARE(EraseEligibility::isAllowed(removable), MediaPolicy::allowsErase(removable));
    }

    void ejectActionNeedsMountAndRemovableOrPathSemantics()
    {
        Volume internal = makeVolume("Data", VolumeKind::internalExtra, false);
        QVERIFY(!MediaPolicy::offersEjectAction(internal));
        internal.isRemovable = true;
        QVERIFY(MediaPolicy::offersEjectAction(internal));
        internal.isMounted = false;
        QVERIFY(!MediaPolicy::offersEjectAction(internal));

        MediaTraits network;
        network.isNetwork = true;
        Volume share = makeVolume("Share", VolumeKind::network, false, network);
        QVERIFY(MediaPolicy::offersEjectAction(share));

        Volume data = makeVolume("Data", VolumeKind::internalExtra, false);
        data.fileSystemType = QStringLiteral("fuse.sshfs");
        QVERIFY(!MediaPolicy::offersEjectAction(data));
        MediaPolicy::installOverrides(rules(
            R"([{"match": {"volumeName": "Data"}, "policy": {"ejectSemantics": "unmountByPath"}}])"));
        QVERIFY(MediaPolicy::offersEjectAction(data));
        // A local file system is never unmounted by its folder, whatever a rule says.
        data.fileSystemType = QStringLiteral("ext4");
        QVERIFY(!MediaPolicy::offersEjectAction(data));
    }

    void overridesNeverGrantErase()
    {
        const Volume systemImage =
            makeVolume("Xcode", VolumeKind::diskImage, true, imageTraits(true));
        const Volume userImage =
            makeVolume("Installer", VolumeKind::diskImage, true, imageTraits(false));

        MediaPolicy::installOverrides(
            rules(R"([{"match": {"deviceModel": "Disk Image"}, "policy": {"canErase": true}}])"));
        QVERIFY(!MediaPolicy::policy(systemImage).canErase);
        QVERIFY(!MediaPolicy::allowsErase(systemImage));
        QVERIFY(MediaPolicy::allowsErase(userImage));

        MediaPolicy::installOverrides(
            rules(R"([{"match": {"deviceModel": "Disk Image"}, "policy": {"canErase": false}}])"));
        QVERIFY(!MediaPolicy::allowsErase(userImage));

        // Neither a later rule nor the local layer can undo an earlier refusal.
        MediaPolicy::installPulledDefinitions(
            rules(R"([{"match": {"deviceModel": "Disk Image"}, "policy": {"canErase": false}},
                      {"match": {"volumeName": "Installer"}, "policy": {"canErase": true}}])"));
        MediaPolicy::installOverrides(rules(
            R"([{"match": {"volumeName": "Installer"}, "policy": {"canErase": true, "canRename": false}}])"));
        const MediaPolicy effective = MediaPolicy::policy(userImage);
        QVERIFY(!effective.canErase);
        QVERIFY(!effective.canRename);

        // A rule that names erase not at all leaves an allowed erase allowed.
        MediaPolicy::installPulledDefinitions(MediaPolicyOverrides::empty);
        MediaPolicy::installOverrides(
            rules(R"([{"match": {"volumeName": "Installer"}, "policy": {"canRename": false}}])"));
        QVERIFY(MediaPolicy::policy(userImage).canErase);
    }

    void matchingNeedsEveryNamedCriterion()
    {
        const MediaPolicyOverrides layer = rules(R"([
            {"match": {"volumeName": "Cam", "deviceModel": "SD Reader"}, "policy": {"canRename": false}},
            {"match": {}, "policy": {"bulkEjectCandidate": false}},
            {"match": {"deviceModel": "Stick"}, "policy": {"ejectSemantics": "physicalEject"}}
        ])");
        const MediaPolicy base = MediaPolicy::policy(MediaTraits{});
        QCOMPARE(layer.apply(base, QStringLiteral("Cam"), QStringLiteral("SD Reader")),
                 (MediaPolicy{ES::unmountKeepAttached, true, false, true}));
        QCOMPARE(layer.apply(base, QStringLiteral("Cam"), QStringLiteral("Other")), base);
        QCOMPARE(layer.apply(base, QStringLiteral("Cam"), std::nullopt), base);
        QCOMPARE(layer.apply(base, QStringLiteral("cam"), QStringLiteral("SD Reader")), base);
        QCOMPARE(
            enumName(
                layer.apply(base, QStringLiteral("X"), QStringLiteral("Stick")).ejectSemantics),
            enumName(ES::physicalEject));
    }

    void laterRulesAndTheLocalLayerWin()
    {
        const MediaPolicyOverrides layer = rules(R"([
            {"match": {"volumeName": "Backup"}, "policy": {"ejectSemantics": "detachImage"}},
            {"match": {"volumeName": "Backup"}, "policy": {"ejectSemantics": "unmountByPath"}}
        ])");
        QCOMPARE(enumName(layer
                              .apply(MediaPolicy::policy(MediaTraits{}), QStringLiteral("Backup"),
                                     std::nullopt)
                              .ejectSemantics),
                 enumName(ES::unmountByPath));

        const Volume backup = makeVolume("Backup", VolumeKind::external, true);
        MediaPolicy::installPulledDefinitions(rules(
            R"([{"match": {"volumeName": "Backup"}, "policy": {"bulkEjectCandidate": false, "canRename": false}}])"));
        QCOMPARE(MediaPolicy::policy(backup),
                 (MediaPolicy{ES::unmountKeepAttached, true, false, false}));
        MediaPolicy::installOverrides(rules(
            R"([{"match": {"volumeName": "Backup"}, "policy": {"bulkEjectCandidate": true}}])"));
        QCOMPARE(MediaPolicy::policy(backup),
                 (MediaPolicy{ES::unmountKeepAttached, true, false, true}));

        // Installing replaces a layer whole.
        MediaPolicy::installPulledDefinitions(MediaPolicyOverrides::empty);
        QCOMPARE(MediaPolicy::policy(backup), MediaPolicy::policy(MediaTraits{}));
    }

    void defaultFileLivesInTheSupportFolder()
    {
        const QByteArray previous = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_dir.path().toUtf8());
        const QString path = MediaPolicyOverrides::defaultFileURL();
        if (previous.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", previous);
        QCOMPARE(path, m_dir.path() + QLatin1Char('/') +
                           AppSupport::directoryName(AppSupport::bundleIdentifier()) +
                           QStringLiteral("/media-policy-overrides.json"));
    }

    void loadReadsRulesInFileOrder()
    {
        const QString path = writeFile(QStringLiteral("good.json"), R"([
            {"match": {"volumeName": "A"}, "policy": {"canErase": false}, "note": "ignored"},
            {"match": {"deviceModel": "M", "volumeName": null}, "policy": {"ejectSemantics": "detachImage"}}
        ])");
        const MediaPolicyOverrides loaded = MediaPolicyOverrides::load(path);
        QCOMPARE(loaded.entries.size(), 2);
        QCOMPARE(loaded.entries.at(0).match.volumeName, std::optional(QStringLiteral("A")));
        QCOMPARE(loaded.entries.at(0).policy.canErase, std::optional(false));
        QCOMPARE(loaded.entries.at(1).match.volumeName, std::optional<QString>());
        QCOMPARE(loaded.entries.at(1).match.deviceModel, std::optional(QStringLiteral("M")));
        QVERIFY(loaded.entries.at(1).policy.ejectSemantics == ES::detachImage);
        QVERIFY(captured.isEmpty());
    }

    void missingFileIsSilentlyEmpty()
    {
        const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
        const MediaPolicyOverrides loaded =
            MediaPolicyOverrides::load(m_dir.filePath(QStringLiteral("absent.json")));
        qInstallMessageHandler(previous);
        QCOMPARE(loaded, MediaPolicyOverrides::empty);
        QVERIFY(captured.isEmpty());
    }

    void malformedFileIsIgnoredWholeAndLogged_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("object") << QByteArray(R"({"match": {}, "policy": {}})");
        QTest::newRow("unknown semantics") << QByteArray(
            R"([{"match": {"volumeName": "A"}, "policy": {"canRename": false}},
                {"match": {"volumeName": "B"}, "policy": {"ejectSemantics": "eject"}}])");
        QTest::newRow("missing policy") << QByteArray(R"([{"match": {"volumeName": "A"}}])");
        QTest::newRow("missing match") << QByteArray(R"([{"policy": {"canErase": false}}])");
        QTest::newRow("string flag")
            << QByteArray(R"([{"match": {"volumeName": "A"}, "policy": {"canErase": "no"}}])");
        QTest::newRow("numeric name")
            << QByteArray(R"([{"match": {"volumeName": 7}, "policy": {}}])");
        QTest::newRow("not json") << QByteArray("[{\"match\": ");
        QTest::newRow("empty file") << QByteArray();
    }

    void malformedFileIsIgnoredWholeAndLogged()
    {
        QFETCH(QByteArray, content);
        const QString path = writeFile(QStringLiteral("bad.json"), content);
        const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
        const MediaPolicyOverrides loaded = MediaPolicyOverrides::load(path);
        qInstallMessageHandler(previous);

        QVERIFY(loaded.entries.isEmpty());
        QVERIFY(!loaded.problem.isEmpty());
        QCOMPARE(captured.size(), 1);
        QCOMPARE(captured.at(0).type, QtCriticalMsg);
        QCOMPARE(captured.at(0).category, QStringLiteral("quillmere.mediapolicy"));
        QVERIFY2(captured.at(0).text.contains(loaded.problem), qPrintable(captured.at(0).text));
        QVERIFY(captured.at(0).text.contains(QLatin1String("no volume may be erased")));

        // Its protective rules are not dropped silently: nothing may be erased until it is fixed.
        MediaPolicy::installOverrides(loaded);
        const Volume stick = makeVolume("Stick", VolumeKind::external, true);
        QVERIFY(!MediaPolicy::allowsErase(stick));
        QVERIFY(MediaPolicy::policy(stick).canRename);
        MediaPolicy::installOverrides(MediaPolicyOverrides::empty);
        QVERIFY(MediaPolicy::allowsErase(stick));
    }

    void largeRealisticFileIsHonoured()
    {
        // About 5 MiB of rules, the last of which withdraws erase from one volume.
        QByteArray rules = "[";
        const QByteArray rule =
            R"({"match": {"volumeName": "x"}, "policy": {"canRename": false}},)";
        while (rules.size() < 5 * 1024 * 1024)
            rules += rule;
        rules += R"({"match": {"volumeName": "Keep"}, "policy": {"canErase": false}}])";
        const QString path = writeFile(QStringLiteral("large.json"), rules);
        const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
        const MediaPolicyOverrides loaded = MediaPolicyOverrides::load(path);
        qInstallMessageHandler(previous);
        QVERIFY(captured.isEmpty());
        QVERIFY(loaded.problem.isEmpty());
        MediaPolicy::installOverrides(loaded);
        QVERIFY(!MediaPolicy::allowsErase(makeVolume("Keep", VolumeKind::external, true)));
        QVERIFY(MediaPolicy::allowsErase(makeVolume("Other", VolumeKind::external, true)));
        MediaPolicy::installOverrides(MediaPolicyOverrides::empty);
    }

    void linksOfAnotherUserAreNotFollowed()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to make a link that belongs to another user");
        const QString target = writeFile(QStringLiteral("theirs.json"), "[]");
        const QString path = m_dir.filePath(QStringLiteral("link.json"));
        QVERIFY(QFile::link(target, path));
        QVERIFY(::lchown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
        const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
        const MediaPolicyOverrides loaded = MediaPolicyOverrides::load(path);
        qInstallMessageHandler(previous);
        QVERIFY(!loaded.problem.isEmpty());
        QCOMPARE(captured.size(), 1);
    }

    void unreadableLocationIsLogged()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.json")));
        const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
        const MediaPolicyOverrides loaded =
            MediaPolicyOverrides::load(m_dir.filePath(QStringLiteral("folder.json")));
        qInstallMessageHandler(previous);
        QVERIFY(loaded.entries.isEmpty());
        QVERIFY(!loaded.problem.isEmpty());
        QCOMPARE(captured.size(), 1);
    }

    void onlyARegularFileOfSensibleSizeIsRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << QStringLiteral("fifo");
        QTest::newRow("link to /dev/zero") << QStringLiteral("zero");
        QTest::newRow("too large") << QStringLiteral("large");
    }

    void onlyARegularFileOfSensibleSizeIsRead()
    {
        QFETCH(QString, kind);
        const QString path = m_dir.filePath(kind + QStringLiteral(".json"));
        if (kind == QLatin1String("fifo")) {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (kind == QLatin1String("zero")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        } else {
            // Valid JSON, but no hand-written list of rules is this long.
            QByteArray rules = "[";
            const QByteArray rule = R"({"match": {"volumeName": "x"}, "policy": {}},)";
            while (rules.size() <= MediaPolicyOverrides::maxFileBytes)
                rules += rule;
            rules.chop(1);
            writeFile(kind + QStringLiteral(".json"), rules + ']');
        }
        const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
        const MediaPolicyOverrides loaded = MediaPolicyOverrides::load(path);
        qInstallMessageHandler(previous);
        QVERIFY(loaded.entries.isEmpty());
        QVERIFY(!loaded.problem.isEmpty());
        QCOMPARE(captured.size(), 1);
        QCOMPARE(captured.at(0).type, QtCriticalMsg);
    }
};

QTEST_GUILESS_MAIN(TestMediaPolicy)
#include "tst_mediapolicy.moc"
