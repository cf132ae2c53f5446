// quillmere-cli's operation commands against real loop devices and a real udisks2, with the
// settings and the history in a folder of the test's own.
#include "fileholder.h"
#include "operationfixture.h"
#include "volumebuilder.h"

#include "operationcommands.h"
#include "operationsession.h"

#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"
#include "udisksoperations.h"

#include "discovery/disksource.h"
#include "policy/excludedvolume.h"
#include "policy/mediadefinitionsupdater.h"
#include "policy/mediapolicy.h"
#include "policy/mediapolicyoverrides.h"
#include "stores/appsupport.h"
#include "stores/historyentrycodec.h"
#include "stores/preferencesstore.h"
#include "stores/settingsstore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

HistoryEntry line(const QString &operation, const QString &name, const QString &deviceName, bool ok,
                  const std::optional<QString> &detail = std::nullopt)
{
    return HistoryEntryBuilder(operation)
        .volume(name)
        .device(deviceName)
        .ok(ok)
        .detail(detail)
        .build();
}

// The volumes of one test disk present themselves as the boot volume: mounted from the boot
// disk at its root, as "/" would be. The machine's own boot disk is never involved.
class BootPresentingSource : public DiskSource {
public:
    BootPresentingSource(std::shared_ptr<DiskSource> inner, QString disk)
        : m_inner(std::move(inner)), m_disk(std::move(disk))
    {
    }
    VolumeList currentVolumes() override
    {
        VolumeList volumes = m_inner->currentVolumes();
        for (Volume &v : volumes) {
            if (v.wholeDiskName == m_disk || v.deviceName == m_disk) {
                v.kind = VolumeKind::boot;
                v.isRemovable = false;
                v.traits.sharesBootDevice = true;
                v.traits.isDiskImage = false;
            }
        }
        return volumes;
    }
    void setChangeHandler(ChangeHandler handler) override
    {
        m_inner->setChangeHandler(std::move(handler));
    }

private:
    std::shared_ptr<DiskSource> m_inner;
    QString m_disk;
};

// Passes every operation on and counts them.
class CountingOperations : public DiskOperations {
public:
    explicit CountingOperations(DiskOperations &inner) : m_inner(inner) {}
    int calls = 0;

    QCoro::Task<OperationResult> eject(Volume volume, bool force) override
    {
        ++calls;
        co_return co_await m_inner.eject(volume, force);
    }
    QCoro::Task<OperationResult> remount(Volume volume) override
    {
        ++calls;
        co_return co_await m_inner.remount(volume);
    }
    QCoro::Task<OperationResult> rename(Volume volume, QString newName) override
    {
        ++calls;
        co_return co_await m_inner.rename(volume, newName);
    }
    QCoro::Task<OperationResult> erase(Volume volume, QString format, QString newName) override
    {
        ++calls;
        co_return co_await m_inner.erase(volume, format, newName);
    }
    QCoro::Task<BlockerList> blockers(Volume volume) override
    {
        ++calls;
        co_return co_await m_inner.blockers(volume);
    }
    // Asks but changes nothing, so it is not counted.
    QCoro::Task<QStringList> availableEraseFormats() override
    {
        co_return co_await m_inner.availableEraseFormats();
    }

private:
    DiskOperations &m_inner;
};

bool isCharacterDevice(const QString &path, dev_t *rdev = nullptr)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISCHR(info.st_mode))
        return false;
    if (rdev)
        *rdev = info.st_rdev;
    return true;
}

bool isFifo(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

bool hasControlCharacters(const QString &text)
{
    for (const QChar c : text) {
        if ((c.unicode() < 0x20 && c != u'\n') || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

QString describe(const HistoryEntry &e)
{
    return QStringLiteral("%1 %2 (%3) ok=%4 detail=%5")
        .arg(e.operation, e.volumeName, e.deviceName,
             e.ok ? QStringLiteral("true") : QStringLiteral("false"),
             e.detail.value_or(QStringLiteral("<none>")));
}

} // namespace

class TestCliOperations : public QObject {
    Q_OBJECT

private:
    OperationFixture m_fixture;
    QTemporaryDir m_home;
    QStringList m_folders;
    QString m_cli;

    QString historyPath() const
    {
        return QDir(AppSupport::directoryURL()).filePath(QStringLiteral("history.jsonl"));
    }

    // Every line of the log file, oldest first; a line that does not decode fails the test.
    QList<HistoryEntry> historyLines() const
    {
        QList<HistoryEntry> lines;
        QFile file(historyPath());
        if (!file.open(QIODevice::ReadOnly)) {
            return lines;
        }
        for (const QByteArray &raw : file.readAll().split('\n')) {
            if (raw.isEmpty()) {
                continue;
            }
            const auto entry = HistoryEntryCodec::decode(raw);
            if (!entry) {
                qWarning() << "undecodable history line" << raw;
                return {};
            }
            lines.append(*entry);
        }
        return lines;
    }

    // The command line in the fixture's environment, with these variables set in it besides;
    // logging rules only where given.
    CliRun cli(const QStringList &arguments, const QString &busAddress = QString(),
               const QHash<QString, QString> &variables = {}) const
    {
        QProcessEnvironment env = m_fixture.environment();
        env.remove(QStringLiteral("QT_LOGGING_RULES"));
        env.remove(QStringLiteral("QT_LOGGING_CONF"));
        env.remove(QStringLiteral("QT_MESSAGE_PATTERN"));
        if (!busAddress.isEmpty()) {
            env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), busAddress);
        }
        for (auto it = variables.cbegin(); it != variables.cend(); ++it) {
            env.insert(it.key(), it.value());
        }
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(m_cli, arguments);
        CliRun run;
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QHash<QString, QString> makeDisks(const QStringList &arguments)
    {
        const QString folder = OperationFixture::newDiskFolder();
        m_folders.append(folder);
        return m_fixture.makeDisks(folder, arguments);
    }

    // A test disk with three mounted partitions, once udisks2 knows their file systems; its
    // loop device name, empty when it could not be made.
    QString mountedThreeDisk()
    {
        const QString loop = makeDisks({QStringLiteral("--mount"), QStringLiteral("three")})
                                 .value(QStringLiteral("three"));
        if (loop.isEmpty() ||
            !m_fixture.waitForFileSystems({loop + QStringLiteral("p1"), loop + QStringLiteral("p2"),
                                           loop + QStringLiteral("p3")}))
            return {};
        return loop;
    }

    // The one line a command added, compared without its date (which must be recent).
    void expectOneNewLine(qsizetype before, const HistoryEntry &expected)
    {
        const QList<HistoryEntry> lines = historyLines();
        QCOMPARE(lines.size(), before + 1);
        HistoryEntry added = lines.constLast();
        QVERIFY(added.date.isValid());
        QVERIFY(qAbs(added.date.secsTo(QDateTime::currentDateTimeUtc())) < 300);
        added.date = QDateTime();
        QVERIFY2(added == expected,
                 qPrintable(describe(added) + QStringLiteral(" != ") + describe(expected)));
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0) {
            QSKIP("Real-device tests need root (loop devices, mounts, udisksd); not root, so "
                  "they are skipped.");
        }
        m_cli = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                QStringLiteral("/../cli/quillmere-cli"));
        QVERIFY2(QFileInfo(m_cli).isExecutable(), qPrintable(m_cli + QStringLiteral(" not built")));
        QVERIFY(m_home.isValid());
        // This process and the command line read and write the same settings and history.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
        QString error;
        QVERIFY2(m_fixture.setUp(&error), qPrintable(error));
    }

    void cleanupTestCase() { m_fixture.tearDown(); }

    void cleanup()
    {
        for (const QString &folder : std::as_const(m_folders)) {
            m_fixture.detachDisks(folder);
        }
        m_folders.clear();
    }

    void everyOperationLeavesItsOneHistoryLine()
    {
        const QString loop = mountedThreeDisk();
        QVERIFY(!loop.isEmpty());
        const QString p1 = loop + QStringLiteral("p1");
        const QString p2 = loop + QStringLiteral("p2");
        const QString p3 = loop + QStringLiteral("p3");
        qsizetype count = historyLines().size();

        // By device name.
        CliRun run = cli({QStringLiteral("rename"), p2, QStringLiteral("QMCLI2")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        expectOneNewLine(count++,
                         line(QStringLiteral("rename"), QStringLiteral("QMEXT4"), p2, true));

        // Unconfirmed: refused, nothing runs and nothing is recorded.
        run = cli({QStringLiteral("erase"), QStringLiteral("QMCLI2"), QStringLiteral("--name"),
                   QStringLiteral("QMWIPED")});
        QCOMPARE(run.code, 2);
        QVERIFY(run.err.contains(QLatin1String("--yes")));
        QCOMPARE(historyLines().size(), count);

        // By its new name.
        run = cli({QStringLiteral("erase"), QStringLiteral("QMCLI2"), QStringLiteral("--format"),
                   QStringLiteral("ext4"), QStringLiteral("--name"), QStringLiteral("QMWIPED"),
                   QStringLiteral("--yes")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        // A line as the erase begins, so that a command line killed meanwhile leaves a trace.
        HistoryEntry started = historyLines().value(count);
        QCOMPARE(started.state, std::optional(QStringLiteral("started")));
        started.date = QDateTime();
        started.state.reset();
        QVERIFY(started == line(QStringLiteral("erase"), QStringLiteral("QMCLI2"), p2, true));
        ++count;
        expectOneNewLine(count++,
                         line(QStringLiteral("erase"), QStringLiteral("QMCLI2"), p2, true));

        // A mounted volume is not offered for remounting: refused, nothing recorded.
        run = cli({QStringLiteral("remount"), p3});
        QCOMPARE(run.code, 1);
        QVERIFY2(
            run.err.contains(QStringLiteral("Couldn’t remount “QMXFS”: it is already mounted.")),
            qPrintable(run.err));
        QCOMPARE(historyLines().size(), count);

        const QString p1Path = OperationFixture::mountPointOf(p1);
        QFile held(p1Path + QStringLiteral("/held.txt"));
        QVERIFY(held.open(QIODevice::WriteOnly));
        held.close();
        FileHolder holder(held.fileName());
        QVERIFY(holder.isReady());

        run = cli({QStringLiteral("blockers"), p1Path});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains(QStringLiteral("%1\tsleep").arg(holder.pid())),
                 qPrintable(run.out));
        QCOMPARE(historyLines().size(), count);

        // By mount point; a disk image, so the whole image would go. Busy: exit status 5.
        run = cli({QStringLiteral("eject"), p1Path});
        QCOMPARE(run.code, 5);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(historyLines().size(), count + 1);
        const HistoryEntry failed = historyLines().constLast();
        QVERIFY(failed.detail && failed.detail->contains(QLatin1String("target is busy")));
        expectOneNewLine(count++, line(QStringLiteral("eject"), QStringLiteral("QMEXT2"), p1, false,
                                       failed.detail));
        QVERIFY2(run.err.contains(*failed.detail), qPrintable(run.err));
        QVERIFY2(run.err.contains(QLatin1String("sleep")), qPrintable(run.err));
        QVERIFY(OperationFixture::isAttached(loop));

        run = cli({QStringLiteral("eject"), QStringLiteral("--force"), QStringLiteral("QMEXT2")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        expectOneNewLine(count++,
                         line(QStringLiteral("forceEject"), QStringLiteral("QMEXT2"), p1, true));
        for (const QString &name : OperationFixture::mountedDevices()) {
            QVERIFY2(!name.startsWith(loop + u'p'), qPrintable(name + QStringLiteral(" mounted")));
        }

        // Nothing matches: nothing runs.
        run = cli({QStringLiteral("eject"), QStringLiteral("QMNOSUCHVOLUME")});
        QCOMPARE(run.code, 2);
        QCOMPARE(historyLines().size(), count);

        // The log as the history command shows it.
        run = cli({QStringLiteral("history"), QStringLiteral("--limit"), QStringLiteral("2")});
        QCOMPARE(run.code, 0);
        const QStringList shown = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown[0].contains(QLatin1String("forceEject")));
        QVERIFY(shown[1].contains(QLatin1String("eject")) &&
                shown[1].contains(QLatin1String("busy")));
        const QString exported = m_home.filePath(QStringLiteral("exported.jsonl"));
        QCOMPARE(cli({QStringLiteral("history"), QStringLiteral("--export"), exported}).code, 0);
        QFile copy(exported);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QFile original(historyPath());
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), original.readAll());
    }

    // A command line killed once the volume is unmounted for erasing: udisks2 may finish the
    // format or not, but `list --all` still shows the volume, the history has the line written
    // as the erase began, and the volume can be erased again by its device name.
    void aCommandLineKilledMidEraseLeavesTheVolumeListed()
    {
        const QString loop = mountedThreeDisk();
        QVERIFY(!loop.isEmpty());
        const QString p2 = loop + QStringLiteral("p2");
        QVERIFY(OperationFixture::mountedDevices().contains(p2));
        const qsizetype count = historyLines().size();

        QProcessEnvironment env = m_fixture.environment();
        env.remove(QStringLiteral("QT_LOGGING_RULES"));
        QProcess erase;
        erase.setProcessEnvironment(env);
        erase.start(m_cli, {QStringLiteral("erase"), p2, QStringLiteral("--format"),
                            QStringLiteral("ext4"), QStringLiteral("--name"),
                            QStringLiteral("QMKILLED"), QStringLiteral("--yes")});
        QVERIFY(erase.waitForStarted());
        QElapsedTimer clock;
        clock.start();
        while (OperationFixture::mountedDevices().contains(p2) &&
               erase.state() == QProcess::Running && clock.elapsed() < 30000) {
            QThread::msleep(2);
        }
        QCOMPARE(erase.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(erase.processId()), SIGKILL);
        QVERIFY(erase.waitForFinished());

        const QList<HistoryEntry> lines = historyLines();
        QCOMPARE(lines.size(), count + 1);
        QCOMPARE(lines.constLast().operation, QStringLiteral("erase"));
        QCOMPARE(lines.constLast().state, std::optional(QStringLiteral("started")));

        // Soon, `list --all --json` has the device, in a record that passes the check.
        CliRun run;
        const auto listedSoon = [&](const QString &device,
                                    const std::function<bool(const QJsonObject &)> &check) {
            return QTest::qWaitFor(
                [&] {
                    run = cli({QStringLiteral("list"), QStringLiteral("--all"),
                               QStringLiteral("--json")});
                    const QJsonArray volumes = QJsonDocument::fromJson(run.out.toUtf8()).array();
                    return std::any_of(volumes.begin(), volumes.end(), [&](const QJsonValue &v) {
                        const QJsonObject volume = v.toObject();
                        return volume.value(QLatin1String("deviceName")).toString() == device &&
                               check(volume);
                    });
                },
                15000);
        };

        // udisks2 goes on with a format it was asked for; the volume is listed either way.
        QVERIFY(listedSoon(p2, [](const QJsonObject &volume) {
            return !volume.value(QLatin1String("isMounted")).toBool();
        }));
        // Without --all, the tray program's list: an unmounted image partition is not offered.
        run = cli({QStringLiteral("list"), QStringLiteral("--json")});
        QVERIFY2(!run.out.contains(QLatin1String("\"") + p2 + QLatin1String("\"")),
                 qPrintable(run.out));

        run = cli({QStringLiteral("erase"), p2, QStringLiteral("--format"), QStringLiteral("ext4"),
                   QStringLiteral("--name"), QStringLiteral("QMAGAIN"), QStringLiteral("--yes")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(OperationFixture::label(p2), QStringLiteral("QMAGAIN"));

        // A partition left with nothing on it (a format cut short in the daemon) is listed too.
        const QString p3 = loop + QStringLiteral("p3");
        QCOMPARE(::umount2(QFile::encodeName(OperationFixture::mountPointOf(p3)).constData(), 0),
                 0);
        bool wiped = false;
        m_fixture.run(QStringLiteral("wipefs"),
                      {QStringLiteral("-a"), QStringLiteral("/dev/") + p3}, &wiped);
        QVERIFY(wiped);
        QVERIFY(listedSoon(p3, [](const QJsonObject &volume) {
            return volume.value(QLatin1String("fileSystemType")).toString().isEmpty();
        }));
    }

    // The command's own message tells the user why udisks2 refused; the platform's log line for
    // the same refusal shows only when the logging rules ask for it.
    void aRefusalIsToldOnceUnlessTheLoggingRulesAskForTheLog()
    {
        const QString loop = makeDisks({QStringLiteral("--mount"), QStringLiteral("plain")})
                                 .value(QStringLiteral("plain"));
        QVERIFY(!loop.isEmpty());
        QVERIFY(m_fixture.waitForFileSystems({loop}));
        const QString mountPoint = OperationFixture::mountPointOf(loop);
        QVERIFY(!mountPoint.isEmpty());
        QFile held(mountPoint + QStringLiteral("/held.txt"));
        QVERIFY(held.open(QIODevice::WriteOnly));
        held.close();
        FileHolder holder(held.fileName());
        QVERIFY(holder.isReady());

        const QString logLine =
            QStringLiteral("quillmere.udisks: udisks2 refused Unmount of %1 (").arg(loop);
        CliRun run = cli({QStringLiteral("eject"), loop});
        QCOMPARE(run.code, 5);
        QVERIFY2(run.err.contains(QLatin1String("target is busy")), qPrintable(run.err));
        QVERIFY2(!run.err.contains(QLatin1String("quillmere.")), qPrintable(run.err));
        QVERIFY2(!run.err.contains(QLatin1String("udisks2 refused")), qPrintable(run.err));

        run = cli({QStringLiteral("eject"), loop}, QString(),
                  {{QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("quillmere.*=true")}});
        QCOMPARE(run.code, 5);
        QVERIFY2(run.err.contains(QLatin1String("target is busy")), qPrintable(run.err));
        QVERIFY2(run.err.contains(logLine), qPrintable(run.err));
        QVERIFY2(run.err.contains(QLatin1String("org.freedesktop.UDisks2.Error.")),
                 qPrintable(run.err));
        QVERIFY(OperationFixture::isAttached(loop));
    }

    void theBootVolumeIsRefusedBeforeAnyCall()
    {
        const QString loop = makeDisks({QStringLiteral("--mount"), QStringLiteral("plain")})
                                 .value(QStringLiteral("plain"));
        QVERIFY(!loop.isEmpty());
        QVERIFY(m_fixture.waitForFileSystems({loop}));
        const QString mountPoint = OperationFixture::mountPointOf(loop);
        QVERIFY(!mountPoint.isEmpty());
        const qsizetype count = historyLines().size();

        UDisksClient client(m_fixture.bus);
        UDisksOperations real(&client);
        CountingOperations counted(real);
        const auto run = [&](const QStringList &arguments) {
            QCommandLineParser parser;
            OperationCommands::addOptions(parser);
            parser.parse(QStringList{QStringLiteral("quillmere-cli")} + arguments);
            CliRun result;
            QTextStream out(&result.out);
            QTextStream err(&result.err);
            OperationCommands commands(out, err, [&] {
                auto provider = std::make_shared<UDisksDescriptionProvider>(&client);
                return std::make_unique<OperationSession>(
                    client,
                    std::make_shared<BootPresentingSource>(
                        std::make_shared<UDisksDiskSource>(provider), loop),
                    counted);
            });
            result.code = QCoro::waitFor(commands.run(parser));
            err.flush();
            return result;
        };

        // Rules that would have it unmounted by its folder, erased, renamed and ejected in bulk.
        const QString overrides = MediaPolicyOverrides::defaultFileURL();
        QVERIFY(QDir().mkpath(QFileInfo(overrides).absolutePath()));
        {
            QFile file(overrides);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(R"([{"match": {"volumeName": "QMPLAIN"}, "policy": {"ejectSemantics":
                "unmountByPath", "canErase": true, "canRename": true, "bulkEjectCandidate": true}},
                {"match": {"deviceModel": "Disk Image"}, "policy": {"ejectSemantics":
                "unmountByPath"}}])");
        }
        const auto removeOverrides = qScopeGuard([&] {
            QFile::remove(overrides);
            MediaPolicy::installOverrides(MediaPolicyOverrides::empty);
        });

        CliRun result = run({QStringLiteral("eject"), loop});
        QCOMPARE(result.code, 1);
        QVERIFY2(result.err.contains(QStringLiteral("Couldn’t eject “QMPLAIN”: it is the boot "
                                                    "volume, which Quillmere leaves alone.")),
                 qPrintable(result.err));
        result = run({QStringLiteral("eject"), QStringLiteral("--force"), mountPoint});
        QCOMPARE(result.code, 1);
        QVERIFY(result.err.contains(QStringLiteral("Couldn’t force eject “QMPLAIN”")));
        result = run({QStringLiteral("rename"), QStringLiteral("QMPLAIN"), QStringLiteral("X")});
        QCOMPARE(result.code, 1);
        QVERIFY(result.err.contains(QStringLiteral("Couldn’t rename “QMPLAIN”: it is the boot")));
        result = run({QStringLiteral("erase"), loop, QStringLiteral("--name"), QStringLiteral("X"),
                      QStringLiteral("--yes")});
        QCOMPARE(result.code, 1);

        QCOMPARE(counted.calls, 0);
        QVERIFY(OperationFixture::mountedDevices().contains(loop));
        QCOMPARE(historyLines().size(), count);
        QCOMPARE(OperationFixture::mountPointOf(loop), mountPoint);
    }

    void anEmptyVolumeArgumentIsRefused()
    {
        const qsizetype count = historyLines().size();
        for (const QString &command :
             {QStringLiteral("eject"), QStringLiteral("remount"), QStringLiteral("blockers")}) {
            const CliRun run = cli({command, QString()});
            QCOMPARE(run.code, 2);
            QVERIFY2(run.err.contains(QStringLiteral("VOLUME is empty")), qPrintable(run.err));
        }
        QCOMPARE(historyLines().size(), count);
        QVERIFY(OperationFixture::mountedDevices().size() > 0);
    }

    void namesMustFitTheFileSystem()
    {
        const QString loop = mountedThreeDisk();
        QVERIFY(!loop.isEmpty());
        const QString p2 = loop + QStringLiteral("p2");
        const QString p3 = loop + QStringLiteral("p3");
        const qsizetype count = historyLines().size();

        CliRun run = cli({QStringLiteral("rename"), p2, QString(300, u'x')});
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(QStringLiteral("Names of ext4 volumes can be at most 16 bytes "
                                                 "long; this one has 300.")),
                 qPrintable(run.err));
        // Cut at 16 bytes this would end inside the é.
        run = cli({QStringLiteral("rename"), p2, QStringLiteral("ABCDEFGHIJKLMNOé")});
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(QStringLiteral("at most 16 bytes long; this one has 17.")),
                 qPrintable(run.err));
        // A mounted XFS volume cannot be relabelled at all, whatever the name.
        run = cli({QStringLiteral("rename"), p3, QStringLiteral("My Disk")});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("can be renamed only while it is unmounted")),
                 qPrintable(run.err));
        // ext4 is the one format every test machine can make.
        run = cli({QStringLiteral("erase"), p2, QStringLiteral("--format"), QStringLiteral("ext4"),
                   QStringLiteral("--name"), QStringLiteral("Seventeen bytes!!"),
                   QStringLiteral("--yes")});
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(QStringLiteral("at most 16 bytes long; this one has 17.")),
                 qPrintable(run.err));
        QCOMPARE(historyLines().size(), count);
        QCOMPARE(OperationFixture::label(p2), QStringLiteral("QMEXT4"));

        // Sixteen bytes in eleven characters: accepted, and reported as the disk has it.
        const QString name = QStringLiteral("Ünïcödé Näm");
        QCOMPARE(name.toUtf8().size(), 16);
        run = cli({QStringLiteral("rename"), p2, name});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(run.out, QStringLiteral("Renamed “QMEXT4” to “%1”.\n").arg(name));
        QCOMPARE(OperationFixture::label(p2), name);
    }

    void labelsArePrintedEscaped()
    {
        const QString loop = makeDisks({QStringLiteral("--mount"), QStringLiteral("plain")})
                                 .value(QStringLiteral("plain"));
        QVERIFY(!loop.isEmpty());
        QVERIFY(m_fixture.waitForFileSystems({loop}));
        // What a hostile stick could carry: an escape sequence and a line break.
        bool ok = false;
        m_fixture.run(QStringLiteral("e2label"),
                      {QStringLiteral("/dev/") + loop, QStringLiteral("\x1b[31mRED\nX")}, &ok);
        QVERIFY(ok);
        // A mounted file system is relabelled in place; udev learns of it from a change event.
        m_fixture.run(QStringLiteral("udevadm"),
                      {QStringLiteral("trigger"), QStringLiteral("--action=change"),
                       QStringLiteral("/dev/") + loop},
                      &ok);
        QVERIFY(ok);
        const QString escaped = QStringLiteral("\\x1b[31mRED\\nX");
        CliRun run;
        QVERIFY(QTest::qWaitFor(
            [&] {
                run = cli({QStringLiteral("list"), QStringLiteral("--all")});
                return run.out.contains(escaped);
            },
            10000));
        QVERIFY(!hasControlCharacters(run.out));
        run = cli({QStringLiteral("list"), QStringLiteral("--all"), QStringLiteral("--json")});
        QVERIFY(!hasControlCharacters(run.out));
        bool listed = false;
        for (const QJsonValue &v : QJsonDocument::fromJson(run.out.toUtf8()).array())
            listed |= v.toObject().value(QLatin1String("name")).toString() ==
                      QStringLiteral("\x1b[31mRED\nX");
        QVERIFY(listed);

        run = cli({QStringLiteral("eject"), loop});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(run.out, QStringLiteral("Ejected “%1”.\n").arg(escaped));
        run = cli({QStringLiteral("history"), QStringLiteral("--limit"), QStringLiteral("1")});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out.count(u'\n'), 1);
        QVERIFY2(run.out.contains(escaped), qPrintable(run.out));
        QVERIFY(!hasControlCharacters(run.out));
    }

    void exportWritesOnlyRegularFiles()
    {
        const QString fifo = m_home.filePath(QStringLiteral("export-fifo"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        // The same device as /dev/null, made here so that nothing of the system's is at stake.
        const QString device = m_home.filePath(QStringLiteral("export-device"));
        QVERIFY(::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0);

        CliRun run = cli({QStringLiteral("history"), QStringLiteral("--export"), fifo});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("it is a FIFO")), qPrintable(run.err));
        QVERIFY(isFifo(fifo));
        run = cli({QStringLiteral("history"), QStringLiteral("--export"), device});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("it is a character device")), qPrintable(run.err));
        dev_t rdev = 0;
        QVERIFY(isCharacterDevice(device, &rdev));
        QCOMPARE(rdev, makedev(1, 3));

        run = cli({QStringLiteral("history"), QStringLiteral("--export"), QStringLiteral("-")});
        QCOMPARE(run.code, 0);
        QFile original(historyPath());
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(run.out.toUtf8(), original.readAll());
    }

    void fifosInPlaceOfSettingsAndHistoryAreSkipped()
    {
        const QString settings =
            QDir(qEnvironmentVariable("XDG_CONFIG_HOME"))
                .filePath(QStringLiteral("quillmere/%1.json").arg(AppSupport::bundleIdentifier()));
        const QString history = historyPath();
        QVERIFY(QDir().mkpath(QFileInfo(settings).absolutePath()));
        QVERIFY(QDir().mkpath(QFileInfo(history).absolutePath()));
        // Put the real files aside for the length of the test.
        for (const QString &path : {settings, history}) {
            QFile::remove(path + QStringLiteral(".saved"));
            if (QFile::exists(path))
                QVERIFY(QFile::rename(path, path + QStringLiteral(".saved")));
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        }
        const auto restore = qScopeGuard([&] {
            for (const QString &path : {settings, history}) {
                QFile::remove(path);
                QFile::rename(path + QStringLiteral(".saved"), path);
            }
        });

        // Before, each of these waited for ever for someone to write into the FIFO.
        CliRun run = cli({QStringLiteral("list"), QStringLiteral("--all")});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.err.contains(QStringLiteral("FIFO")), qPrintable(run.err));
        QVERIFY(run.out.contains(QLatin1String("NAME")));
        run = cli({QStringLiteral("history")});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("not a regular file but a FIFO")),
                 qPrintable(run.err));
        QVERIFY(isFifo(settings));
        QVERIFY(isFifo(history));
    }

    void theCommandLineLeavesTheDefinitionsCacheAlone()
    {
        // A cache that this build cannot use (a newer build's, say): only the application,
        // which downloads the definitions, may replace or remove it.
        const QString cache = MediaDefinitionsUpdater::defaultCachePath();
        QVERIFY(QDir().mkpath(QFileInfo(cache).absolutePath()));
        const QByteArray token =
            QByteArray(R"({"rev":99,"minAppBuild":999999,"rules":[]})")
                .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals) +
            '.' + QByteArray(64, 'A');
        QFile file(cache);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(token);
        file.close();

        const CliRun run = cli({QStringLiteral("eject"), QStringLiteral("QMNOSUCHVOLUME")});
        QCOMPARE(run.code, 2);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), token);
        file.close();
        QFile::remove(cache);
    }

    void eraseRefusesAFormatThisMachineCannotMake()
    {
        const QString loop = mountedThreeDisk();
        QVERIFY(!loop.isEmpty());
        const QString p2 = loop + QStringLiteral("p2");
        // The tests install no exFAT tools; a machine that has them has nothing to refuse here.
        UDisksClient client(m_fixture.bus);
        QVERIFY(QTest::qWaitFor([&] { return client.hasAnswered(); }, 10000));
        const QStringList makeable =
            QCoro::waitFor(UDisksOperations(&client).availableEraseFormats());
        if (makeable.contains(QStringLiteral("ExFAT"))) {
            QSKIP("udisks2 can make exFAT file systems here");
        }
        const QString mountPoint = OperationFixture::mountPointOf(p2);
        const qsizetype count = historyLines().size();
        const CliRun run =
            cli({QStringLiteral("erase"), p2, QStringLiteral("--format"), QStringLiteral("exfat"),
                 QStringLiteral("--name"), QStringLiteral("QMNOPE"), QStringLiteral("--yes")});
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(QStringLiteral("this computer can’t make ExFAT file systems")),
                 qPrintable(run.err));
        QVERIFY2(run.err.contains(QLatin1String("ext4")), qPrintable(run.err));
        QCOMPARE(OperationFixture::mountPointOf(p2), mountPoint);
        QCOMPARE(historyLines().size(), count);
    }

    void withoutUDisksADiskImageIsNotEjected()
    {
        const QString loop = makeDisks({QStringLiteral("--mount"), QStringLiteral("three")})
                                 .value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const qsizetype count = historyLines().size();
        // The mount table tells a disk image by its backing file: a removable volume that only
        // udisks2 can detach, so the eject fails naming udisks2 (exit status 6).
        const CliRun run =
            cli({QStringLiteral("eject"), loop + QStringLiteral("p1")},
                QStringLiteral("unix:path=") + m_home.filePath(QStringLiteral("no-such-bus")));
        QCOMPARE(run.code, 6);
        QVERIFY2(run.err.contains(QStringLiteral("udisks2 is not running")), qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("Couldn’t eject “QMEXT2”: udisks2")),
                 qPrintable(run.err));
        QVERIFY2(!run.err.contains(QLatin1String("internal")), qPrintable(run.err));
        QCOMPARE(historyLines().size(), count + 1);
        QVERIFY(OperationFixture::mountedDevices().contains(loop + QStringLiteral("p1")));
    }

    // One partition of a disk image is busy: the eject unmounts the others and says so, and the
    // history line says the same.
    void aFailedEjectSaysWhatItUnmounted()
    {
        const QString loop = mountedThreeDisk();
        QVERIFY(!loop.isEmpty());
        const QString p1 = loop + QStringLiteral("p1");
        const QString p2 = loop + QStringLiteral("p2");
        const QString p3 = loop + QStringLiteral("p3");
        QFile held(OperationFixture::mountPointOf(p2) + QStringLiteral("/held.txt"));
        QVERIFY(held.open(QIODevice::WriteOnly));
        held.close();
        FileHolder holder(held.fileName());
        QVERIFY(holder.isReady());

        const CliRun run = cli({QStringLiteral("eject"), p1});
        QCOMPARE(run.code, 5);
        const HistoryEntry line = historyLines().constLast();
        QVERIFY(line.detail);
        QVERIFY2(line.detail->startsWith(QStringLiteral("“QMEXT2”, “QMXFS” w")) &&
                     line.detail->contains(
                         QStringLiteral(" unmounted; “QMEXT4” on the same disk is busy (")),
                 qPrintable(*line.detail));
        QVERIFY2(line.detail->contains(QLatin1String("target is busy")), qPrintable(*line.detail));
        QVERIFY2(run.err.contains(*line.detail), qPrintable(run.err));
        const QStringList mounted = OperationFixture::mountedDevices();
        QVERIFY(!mounted.contains(p1));
        QVERIFY(mounted.contains(p2));
        QVERIFY(!mounted.contains(p3));
        QVERIFY(OperationFixture::isAttached(loop));
    }

    void ejectAllLeavesExcludedVolumesAlone()
    {
        QStringList loops;
        QStringList names;
        for (int i = 0; i < 3; ++i) {
            const QString loop = makeDisks({QStringLiteral("--mount"), QStringLiteral("plain")})
                                     .value(QStringLiteral("plain"));
            QVERIFY(!loop.isEmpty());
            loops.append(loop);
            QVERIFY(m_fixture.waitForFileSystems({loop}));
            names.append(QStringLiteral("QMALL%1%2").arg(i).arg(::getpid() % 10000));
            const CliRun renamed = cli({QStringLiteral("rename"), loop, names.last()});
            QVERIFY2(renamed.code == 0, qPrintable(renamed.err));
        }
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QString out = cli({QStringLiteral("list"), QStringLiteral("--all")}).out;
                return out.contains(names[0]) && out.contains(names[1]) && out.contains(names[2]);
            },
            10000));
        // Anything else on this machine stays out of it: other test disks by their labels, and
        // whatever else is listed by name.
        ExcludedVolumeList exclusions;
        for (const char *label : {"QMEXT2", "QMEXT4", "QMXFS", "QMPLAIN", "QMRENAMED", "QMERASED",
                                  "QMCLI2", "QMWIPED"}) {
            exclusions.append({std::nullopt, QString::fromLatin1(label)});
        }
        const CliRun listed =
            cli({QStringLiteral("list"), QStringLiteral("--all"), QStringLiteral("--json")});
        for (const QJsonValue &v : QJsonDocument::fromJson(listed.out.toUtf8()).array()) {
            const QString name = v.toObject().value(QLatin1String("name")).toString();
            if (!names.contains(name)) {
                exclusions.append({std::nullopt, name});
            }
        }
        exclusions.append({std::nullopt, names[2]});
        {
            auto defaults = SettingsStore::standard();
            QVERIFY(defaults);
            PreferencesStore(*defaults).setExcludedVolumes(exclusions);
        }

        const qsizetype count = historyLines().size();
        const CliRun run = cli({QStringLiteral("eject-all")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QList<HistoryEntry> added = historyLines().mid(count);
        QCOMPARE(added.size(), 2);
        for (HistoryEntry &entry : added) {
            entry.date = QDateTime();
        }
        QVERIFY(added.contains(line(QStringLiteral("eject"), names[0], loops[0], true)));
        QVERIFY(added.contains(line(QStringLiteral("eject"), names[1], loops[1], true)));
        QVERIFY(!OperationFixture::isAttached(loops[0]));
        QVERIFY(!OperationFixture::isAttached(loops[1]));
        QVERIFY(OperationFixture::mountedDevices().contains(loops[2]));
    }
};

QTEST_GUILESS_MAIN(TestCliOperations)
#include "tst_clioperations.moc"
