// quillmere-cli's operation commands against real loop devices and a real udisks2, with the
// settings and the history in a folder of the test's own.
#include "operationfixture.h"

#include "udisksoperations.h"

#include "policy/excludedvolume.h"
#include "stores/appsupport.h"
#include "stores/historyentrycodec.h"
#include "stores/preferencesstore.h"
#include "stores/userdefaults.h"

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <sys/mount.h>
#include <unistd.h>

namespace {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

class Holder {
public:
    explicit Holder(const QString &file)
    {
        m_process.start(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), QStringLiteral("exec 3<\"$0\"; exec sleep 600"), file});
        m_process.waitForStarted();
        m_ready = QTest::qWaitFor(
            [this] {
                QFile comm(QStringLiteral("/proc/%1/comm").arg(m_process.processId()));
                return comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "sleep";
            },
            5000);
    }
    ~Holder()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    qint64 pid() const { return m_process.processId(); }
    bool isReady() const { return m_ready; }

private:
    QProcess m_process;
    bool m_ready = false;
};

HistoryEntry line(const QString &operation, const QString &name, const QString &bsdName, bool ok,
                  const std::optional<QString> &detail = std::nullopt)
{
    HistoryEntry entry;
    entry.volumeName = name;
    entry.bsdName = bsdName;
    entry.operation = operation;
    entry.ok = ok;
    entry.detail = detail;
    return entry;
}

QString describe(const HistoryEntry &e)
{
    return QStringLiteral("%1 %2 (%3) ok=%4 detail=%5")
        .arg(e.operation, e.volumeName, e.bsdName,
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

    CliRun cli(const QStringList &arguments, const QString &busAddress = QString()) const
    {
        QProcessEnvironment env = m_fixture.environment();
        if (!busAddress.isEmpty()) {
            env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), busAddress);
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
        const QString loop = makeDisks({QStringLiteral("--mount"), QStringLiteral("three")})
                                 .value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const QString p1 = loop + QStringLiteral("p1");
        const QString p2 = loop + QStringLiteral("p2");
        const QString p3 = loop + QStringLiteral("p3");
        QVERIFY(m_fixture.waitForFileSystems({p1, p2, p3}));
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
        expectOneNewLine(count++,
                         line(QStringLiteral("erase"), QStringLiteral("QMCLI2"), p2, true));

        // Unmounted partitions of a disk image are not listed, so remount is shown failing here
        // (it is already mounted); the real-device operation tests mount one.
        run = cli({QStringLiteral("remount"), p3});
        QCOMPARE(run.code, 1);
        const HistoryEntry refused = historyLines().value(count);
        QVERIFY2(refused.detail && run.err.contains(*refused.detail), qPrintable(run.err));
        expectOneNewLine(count++, line(QStringLiteral("remount"), QStringLiteral("QMXFS"), p3,
                                       false, refused.detail));

        const QString p1Path = OperationFixture::mountPointOf(p1);
        QFile held(p1Path + QStringLiteral("/held.txt"));
        QVERIFY(held.open(QIODevice::WriteOnly));
        held.close();
        Holder holder(held.fileName());
        QVERIFY(holder.isReady());

        run = cli({QStringLiteral("blockers"), p1Path});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains(QStringLiteral("%1\tsleep").arg(holder.pid())),
                 qPrintable(run.out));
        QCOMPARE(historyLines().size(), count);

        // By mount point; a disk image, so the whole image would go.
        run = cli({QStringLiteral("eject"), p1Path});
        QCOMPARE(run.code, 1);
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
        QCOMPARE(run.code, 1);
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

    void eraseRefusesAFormatThisMachineCannotMake()
    {
        const QString loop = makeDisks({QStringLiteral("--mount"), QStringLiteral("three")})
                                 .value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const QString p2 = loop + QStringLiteral("p2");
        QVERIFY(m_fixture.waitForFileSystems({p2}));
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

    void withoutUDisksAnEjectFailsWithTheDeviceText()
    {
        const QString loop = makeDisks({QStringLiteral("--mount"), QStringLiteral("three")})
                                 .value(QStringLiteral("three"));
        QVERIFY(!loop.isEmpty());
        const qsizetype count = historyLines().size();
        const CliRun run =
            cli({QStringLiteral("eject"), loop + QStringLiteral("p1")},
                QStringLiteral("unix:path=") + m_home.filePath(QStringLiteral("no-such-bus")));
        QCOMPARE(run.code, 1);
        expectOneNewLine(count, line(QStringLiteral("eject"), QStringLiteral("QMEXT2"),
                                     loop + QStringLiteral("p1"), false,
                                     QStringLiteral("Couldn’t open device %1").arg(loop)));
        QVERIFY(OperationFixture::mountedDevices().contains(loop + QStringLiteral("p1")));
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
            auto defaults = UserDefaults::standard();
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
