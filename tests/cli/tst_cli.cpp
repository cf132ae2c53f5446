// quillmere-cli's commands in-process over volumes and operations of the test's own: what is
// refused before any operation runs, and how outside text reaches the terminal.
#include "commandhelp.h"
#include "historycommand.h"
#include "operationcommands.h"
#include "operationsession.h"
#include "terminaltext.h"
#include "volumebuilder.h"
#include "volumeresolver.h"

#include "discovery/disksource.h"
#include "operations/diskoperations.h"
#include "operations/operationerror.h"
#include "stores/historyentrycodec.h"
#include "stores/historystore.h"
#include "udisksclient.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

class FixedSource : public DiskSource {
public:
    explicit FixedSource(VolumeList volumes) : m_volumes(std::move(volumes)) {}
    VolumeList currentVolumes() override { return m_volumes; }
    void setChangeHandler(ChangeHandler) override {}

private:
    VolumeList m_volumes;
};

// Answers every operation with answer (success unless a test says otherwise) and notes each
// call.
class RecordingOperations : public DiskOperations {
public:
    QStringList calls;
    OperationResult answer{true, std::nullopt};

    QCoro::Task<OperationResult> eject(Volume volume, bool force) override
    {
        calls.append(QStringLiteral("eject %1%2").arg(volume.deviceName, force ? " force" : ""));
        co_return OperationResult(answer);
    }
    QCoro::Task<OperationResult> remount(Volume volume) override
    {
        calls.append(QStringLiteral("remount ") + volume.deviceName);
        co_return OperationResult(answer);
    }
    QCoro::Task<OperationResult> rename(Volume volume, QString newName) override
    {
        calls.append(QStringLiteral("rename %1 %2").arg(volume.deviceName, newName));
        co_return OperationResult(answer);
    }
    QCoro::Task<OperationResult> erase(Volume volume, QString format, QString newName) override
    {
        calls.append(QStringLiteral("erase %1 %2 %3").arg(volume.deviceName, format, newName));
        co_return OperationResult(answer);
    }
    QCoro::Task<BlockerList> blockers(Volume) override
    {
        co_return BlockerList{Blocker{7, QStringLiteral("evil\x1b]0;title\x07")}};
    }
    QCoro::Task<QStringList> availableEraseFormats() override
    {
        co_return QStringList{QStringLiteral("ext4"), QStringLiteral("ExFAT"),
                              QStringLiteral("MS-DOS FAT32"), QStringLiteral("NTFS")};
    }
};

Volume volume(const QString &name, const QString &device, VolumeKind kind, bool removable)
{
    return VolumeBuilder(name)
        .id(device)
        .device(device)
        .mountedAt(QStringLiteral("/media/u/") + device)
        .kind(kind)
        .removable(removable)
        .wholeDisk(device.left(3))
        .fileSystem(QStringLiteral("ext4"))
        .build();
}

VolumeList volumes()
{
    const Volume root = VolumeBuilder(volume(QStringLiteral("Root"), QStringLiteral("sda2"),
                                             VolumeKind::boot, false))
                            .mountPath(QStringLiteral("/"))
                            .sharesBootDevice()
                            .build();
    const Volume proc =
        VolumeBuilder(volume(QStringLiteral("proc"), QString(), VolumeKind::systemHidden, false))
            .id(QStringLiteral("/proc"))
            .mountPath(QStringLiteral("/proc"))
            .wholeDisk(std::nullopt)
            .build();
    return {root,
            proc,
            volume(QStringLiteral("Stick"), QStringLiteral("sdb1"), VolumeKind::external, true),
            volume(QStringLiteral("Twin"), QStringLiteral("sdc1"), VolumeKind::external, true),
            volume(QStringLiteral("Twin"), QStringLiteral("sdd1"), VolumeKind::external, true),
            volume(QStringLiteral("\x1b[31mRed\nLine"), QStringLiteral("sde1"),
                   VolumeKind::external, true)};
}

struct Run {
    int code = -1;
    QString out;
    QString err;
};

bool hasControlCharacters(const QString &text)
{
    for (const QChar c : text) {
        if ((c.unicode() < 0x20 && c != u'\n') || (c.unicode() >= 0x7f && c.unicode() <= 0x9f))
            return true;
    }
    return false;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    RecordingOperations m_operations;
    std::unique_ptr<UDisksClient> m_noBus;

    Run operation(const QStringList &arguments)
    {
        QCommandLineParser parser;
        OperationCommands::addOptions(parser);
        if (!parser.parse(QStringList{QStringLiteral("quillmere-cli")} + arguments))
            return {};
        Run run;
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        OperationCommands commands(out, err, [this] {
            return std::make_unique<OperationSession>(
                *m_noBus, std::make_shared<FixedSource>(volumes()), m_operations);
        });
        run.code = QCoro::waitFor(commands.run(parser));
        out.flush();
        err.flush();
        return run;
    }

    Run history(const QStringList &arguments, HistoryStore &store)
    {
        QCommandLineParser parser;
        parser.addOption(QCommandLineOption(QStringLiteral("json")));
        HistoryCommand::addOptions(parser);
        if (!parser.parse(QStringList{QStringLiteral("quillmere-cli"), QStringLiteral("history")} +
                          arguments))
            return {};
        Run run;
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        run.code = HistoryCommand(out, err).run(store, parser);
        out.flush();
        err.flush();
        return run;
    }

    QByteArray historyFile() const
    {
        QFile file(m_home.filePath(QStringLiteral("data/Quillmere/history.jsonl")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
        // A client without a bus: the volumes come from the test's source.
        m_noBus = std::make_unique<UDisksClient>(QDBusConnection(QString()));
    }

    void init()
    {
        m_operations.calls.clear();
        m_operations.answer = OperationResult{true, std::nullopt};
    }

    // Each kind of failure has its exit status, the same for every operation; only a busy
    // volume is followed by the programs that hold it; a dismissed prompt is not a failure
    // title.
    void exitStatusFollowsTheKindOfFailure()
    {
        const struct {
            OperationError error;
            int code;
        } kinds[] = {{OperationError::failed, 1},
                     {OperationError::notMounted, 1},
                     {OperationError::cancelled, 3},
                     {OperationError::notAuthorized, 4},
                     {OperationError::noAuthenticationAgent, 4},
                     {OperationError::busy, 5},
                     {OperationError::diskServiceGone, 6}};
        for (const auto &kind : kinds) {
            m_operations.answer = OperationResult{false, QStringLiteral("why"), kind.error};
            const QString name = enumName(kind.error);
            for (const QStringList &arguments :
                 {QStringList{QStringLiteral("eject"), QStringLiteral("sdb1")},
                  QStringList{QStringLiteral("rename"), QStringLiteral("sdb1"),
                              QStringLiteral("New")},
                  QStringList{QStringLiteral("erase"), QStringLiteral("sdb1"),
                              QStringLiteral("--name"), QStringLiteral("New"),
                              QStringLiteral("--yes")}}) {
                const Run run = operation(arguments);
                QVERIFY2(run.code == kind.code, qPrintable(name + QLatin1Char(' ') + run.err));
                QVERIFY2(run.err.contains(QLatin1String("why")), qPrintable(run.err));
                QCOMPARE(run.err.contains(QStringLiteral("Couldn’t")),
                         kind.error != OperationError::cancelled);
                QCOMPARE(run.err.contains(QLatin1String("In use by")),
                         arguments.constFirst() == QLatin1String("eject") &&
                             kind.error == OperationError::busy);
            }
        }
    }

    void bashCompletionOffersEveryCommandAndItsOptions()
    {
        // What bash offers after the given words, through the installed completion function.
        const auto complete = [](const QString &line) {
            QProcess bash;
            bash.start(
                QStringLiteral("bash"),
                {QStringLiteral("-c"),
                 QStringLiteral("source \"$0\"; COMP_WORDS=($1); [[ \"$1\" == *\" \" ]] && "
                                "COMP_WORDS+=(\"\"); COMP_CWORD=$((${#COMP_WORDS[@]}-1)); "
                                "_quillmere_cli; printf '%s\\n' \"${COMPREPLY[@]}\""),
                 QStringLiteral(QUILLMERE_SOURCE_DIR "/resources/completion/quillmere-cli.bash"),
                 line});
            bash.waitForFinished(30000);
            return QString::fromUtf8(bash.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        };
        QStringList names;
        for (const CommandHelp::Command &command : CommandHelp::commands())
            names.append(command.name);
        QCOMPARE(complete(QStringLiteral("quillmere-cli ")), names);
        for (const CommandHelp::Command &command : CommandHelp::commands()) {
            const QStringList offered =
                complete(QStringLiteral("quillmere-cli ") + command.name + QStringLiteral(" --"));
            QStringList options{QStringLiteral("--help")};
            for (const CommandHelp::Option &option : command.options)
                options.append(option.syntax.section(u' ', 0, 0));
            QCOMPARE(offered, options);
        }
        QCOMPARE(complete(QStringLiteral("quillmere-cli erase --format ")),
                 (QStringList{QStringLiteral("ext4"), QStringLiteral("ExFAT"),
                              QStringLiteral("FAT32"), QStringLiteral("NTFS")}));
    }

    void helpPerCommandAndVersion()
    {
        const auto run = [this](const QStringList &arguments) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
            environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
            environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                               m_home.filePath(QStringLiteral("config")));
            // No bus: help and version never need one.
            environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                               QStringLiteral("unix:path=/nonexistent"));
            process.setProcessEnvironment(environment);
            process.start(QStringLiteral(QUILLMERE_CLI_PATH), arguments);
            process.waitForFinished(30000);
            Run result;
            result.code = process.exitCode();
            result.out = QString::fromUtf8(process.readAllStandardOutput());
            result.err = QString::fromUtf8(process.readAllStandardError());
            return result;
        };

        const Run overview = run({QStringLiteral("--help")});
        QCOMPARE(overview.code, 0);
        QVERIFY2(overview.out.startsWith(QStringLiteral("Usage: quillmere-cli COMMAND")),
                 qPrintable(overview.out));
        QVERIFY(!overview.out.contains(QStringLiteral(QUILLMERE_CLI_PATH)));
        const QStringList commands{QStringLiteral("list"),      QStringLiteral("eject"),
                                   QStringLiteral("eject-all"), QStringLiteral("remount"),
                                   QStringLiteral("rename"),    QStringLiteral("erase"),
                                   QStringLiteral("blockers"),  QStringLiteral("history")};
        const QStringList lines = overview.out.split(u'\n');
        for (const QString &command : commands) {
            // One line each: the name, then what it does.
            const QStringList line =
                lines.filter(QRegularExpression(QStringLiteral("^  %1  +\\S").arg(command)));
            QVERIFY2(line.size() == 1, qPrintable(command + u'\n' + overview.out));
        }
        // Only the command's own options are in its help, with an example.
        for (const QString &command : commands) {
            const Run help = run({command, QStringLiteral("--help")});
            QCOMPARE(help.code, 0);
            QVERIFY2(help.out.contains(QStringLiteral("  quillmere-cli ") + command),
                     qPrintable(help.out));
            QVERIFY2(help.out.contains(QStringLiteral("Example:\n  quillmere-cli ") + command),
                     qPrintable(help.out));
            QCOMPARE(help.out.contains(QStringLiteral("--force")),
                     command == QLatin1String("eject"));
            QCOMPARE(help.out.contains(QStringLiteral("--format F")),
                     command == QLatin1String("erase"));
            QCOMPARE(help.out.contains(QStringLiteral("--limit N")),
                     command == QLatin1String("history"));
            QCOMPARE(help.out.contains(QStringLiteral("--watch")),
                     command == QLatin1String("list"));
        }
        QVERIFY(run({QStringLiteral("eject"), QStringLiteral("--help")})
                    .out.contains(QStringLiteral("not powered off")));

        const Run version = run({QStringLiteral("--version")});
        QCOMPARE(version.code, 0);
        QVERIFY2(QRegularExpression(QStringLiteral("^quillmere-cli \\d+\\.\\d+(\\.\\d+)?\n$"))
                     .match(version.out)
                     .hasMatch(),
                 qPrintable(version.out));

        // Usage errors: exit status 2 and a pointer to the help.
        for (const QStringList &wrong :
             {QStringList{QStringLiteral("--no-such-option")},
              QStringList{QStringLiteral("frobnicate")}, QStringList{}}) {
            const Run failed = run(wrong);
            QCOMPARE(failed.code, 2);
            QVERIFY(failed.out.isEmpty());
            QVERIFY2(failed.err.contains(QStringLiteral("quillmere-cli")), qPrintable(failed.err));
        }
    }

    void theBootVolumeIsNeverTouched()
    {
        const QByteArray before = historyFile();
        Run run = operation({QStringLiteral("eject"), QStringLiteral("/")});
        QCOMPARE(run.code, 1);
        QVERIFY2(
            run.err.contains(QStringLiteral(
                "Couldn’t eject “Root”: it is the boot volume, which Quillmere leaves alone.")),
            qPrintable(run.err));
        run =
            operation({QStringLiteral("eject"), QStringLiteral("--force"), QStringLiteral("sda2")});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(QStringLiteral("Couldn’t force eject “Root”: it is the boot")));
        run = operation({QStringLiteral("rename"), QStringLiteral("Root"), QStringLiteral("New")});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(QStringLiteral("Couldn’t rename “Root”: it is the boot volume")));
        // Refused before the confirmation is even asked for.
        run = operation({QStringLiteral("erase"), QStringLiteral("sda2"), QStringLiteral("--name"),
                         QStringLiteral("X")});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(QStringLiteral("Couldn’t erase “Root”: it is the boot volume")));
        QVERIFY(!run.err.contains(QLatin1String("--yes")));
        run = operation({QStringLiteral("remount"), QStringLiteral("/")});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(QStringLiteral("it is already mounted.")));
        run = operation({QStringLiteral("eject"), QStringLiteral("proc")});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(QStringLiteral("it is a system volume")));

        QCOMPARE(m_operations.calls, QStringList());
        QCOMPARE(historyFile(), before);
    }

    void volumeArgumentsAreExact()
    {
        for (const QString &blank : {QString(), QStringLiteral("  ")}) {
            const Run run = operation({QStringLiteral("eject"), blank});
            QCOMPARE(run.code, 2);
            QVERIFY2(run.err.contains(QStringLiteral("VOLUME is empty")), qPrintable(run.err));
        }
        Run run =
            operation({QStringLiteral("rename"), QStringLiteral("Stick"), QStringLiteral(" ")});
        QCOMPARE(run.code, 2);
        run = operation({QStringLiteral("erase"), QStringLiteral("Stick"), QStringLiteral("--name"),
                         QString(), QStringLiteral("--yes")});
        QCOMPARE(run.code, 2);

        run = operation({QStringLiteral("eject"), QStringLiteral("Twin")});
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(QStringLiteral("Several volumes are called “Twin” (sdc1, sdd1)")),
                 qPrintable(run.err));
        QCOMPARE(m_operations.calls, QStringList());

        // A name that is another volume's device name is named neither way.
        VolumeList clashing = volumes();
        clashing.append(
            volume(QStringLiteral("sdb1"), QStringLiteral("sdf1"), VolumeKind::external, true));
        const VolumeResolver::Resolution clash =
            VolumeResolver::resolve(clashing, QStringLiteral("sdb1"));
        QVERIFY(!clash.volume);
        QVERIFY2(clash.error.contains(QStringLiteral("also the name of the volume on sdf1")),
                 qPrintable(clash.error));
        QCOMPARE(VolumeResolver::resolve(clashing, QStringLiteral("/dev/sdb1")).volume->deviceName,
                 QStringLiteral("sdb1"));

        // A huge argument is echoed back cut short.
        run = operation({QStringLiteral("eject"), QString(131072, u'x')});
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.size() < 400, qPrintable(run.err.left(400)));
        QVERIFY(run.err.contains(QChar(0x2026)));

        QCOMPARE(operation({QStringLiteral("eject"), QStringLiteral("sdc1")}).code, 0);
        QCOMPARE(m_operations.calls, QStringList{QStringLiteral("eject sdc1")});

        const VolumeResolver::Resolution none = VolumeResolver::resolve(volumes(), QString());
        QVERIFY(!none.volume);
        QVERIFY(!VolumeResolver::resolve(volumes(), QStringLiteral("/dev/")).volume);
    }

    void namesAreCheckedAgainstTheFileSystem()
    {
        Run run =
            operation({QStringLiteral("rename"), QStringLiteral("Stick"), QString(300, u'x')});
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(QStringLiteral(
                     "Couldn’t rename “Stick”: Names of ext4 volumes can be at most 16 bytes long; "
                     "this one has 300.")),
                 qPrintable(run.err));
        run = operation({QStringLiteral("rename"), QStringLiteral("Stick"),
                         QStringLiteral("ABCDEFGHIJKLMNOé")});
        QCOMPARE(run.code, 2);
        QVERIFY(run.err.contains(QStringLiteral("at most 16 bytes long; this one has 17")));
        run = operation({QStringLiteral("erase"), QStringLiteral("Stick"),
                         QStringLiteral("--format"), QStringLiteral("fat32"),
                         QStringLiteral("--name"), QStringLiteral("MY.STICK")});
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(QStringLiteral("Names of FAT volumes can’t contain “.”")),
                 qPrintable(run.err));
        QCOMPARE(m_operations.calls, QStringList());

        run = operation({QStringLiteral("rename"), QStringLiteral("Stick"),
                         QStringLiteral("ABCDEFGHIJKLMNOP")});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.contains(QStringLiteral("Renamed “Stick” to “ABCDEFGHIJKLMNOP”.")));
        run =
            operation({QStringLiteral("erase"), QStringLiteral("Stick"), QStringLiteral("--format"),
                       QStringLiteral("exfat"), QStringLiteral("--name"), QStringLiteral("Ünïcödé"),
                       QStringLiteral("--yes")});
        QCOMPARE(run.code, 0);
        QCOMPARE(m_operations.calls, (QStringList{QStringLiteral("rename sdb1 ABCDEFGHIJKLMNOP"),
                                                  QStringLiteral("erase sdb1 ExFAT Ünïcödé")}));
    }

    void outsideTextIsPrintedEscaped()
    {
        Run run = operation({QStringLiteral("eject"), QStringLiteral("sde1")});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QStringLiteral("Ejected “\\x1b[31mRed\\nLine”.\n"));
        run = operation({QStringLiteral("blockers"), QStringLiteral("sde1")});
        QCOMPARE(run.out, QStringLiteral("7\tevil\\x1b]0;title\\x07\n"));
        run = operation({QStringLiteral("eject"), QStringLiteral("\x1b[2J")});
        QCOMPARE(run.code, 2);
        QVERIFY(!hasControlCharacters(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("“\\x1b[2J”")), qPrintable(run.err));

        // A label with a line break is one history line, in the file and as shown.
        const QStringList lines = QString::fromUtf8(historyFile()).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(!lines.isEmpty());
        QVERIFY(lines.constLast().contains(QLatin1String("Red\\nLine")));
        HistoryStore store;
        run = history({}, store);
        QCOMPARE(run.code, 0);
        QVERIFY(!hasControlCharacters(run.out));
        QVERIFY2(run.out.split(u'\n', Qt::SkipEmptyParts)
                     .constFirst()
                     .contains(QStringLiteral("\\x1b[31mRed\\nLine (sde1)")),
                 qPrintable(run.out));
        run = history({QStringLiteral("--json")}, store);
        QVERIFY(!hasControlCharacters(run.out));
        QVERIFY(QJsonDocument::fromJson(run.out.toUtf8()).isArray());
    }

    void terminalEscapes()
    {
        QCOMPARE(TerminalText::escaped(QStringLiteral("Backup 2026 é")),
                 QStringLiteral("Backup 2026 é"));
        QCOMPARE(TerminalText::escaped(QStringLiteral("a\tb\rc\\d\x7f")),
                 QStringLiteral("a\\tb\\rc\\\\d\\x7f"));
        QCOMPARE(TerminalText::escaped(QStringLiteral("x\u009b2Jy\u202ez")),
                 QStringLiteral("x\\x9b2Jy\\u{202e}z"));
        // JSON writers leave C1 controls and bidirectional overrides raw.
        QJsonObject object;
        object.insert(QStringLiteral("name"), QStringLiteral("a\u009b\u202eb\x1b"));
        const QString json = QString::fromUtf8(QJsonDocument(object).toJson());
        const QString safe = TerminalText::jsonSafe(json);
        QVERIFY(!hasControlCharacters(safe));
        QVERIFY(!safe.contains(QChar(0x202e)));
        QCOMPARE(QJsonDocument::fromJson(safe.toUtf8()).object(), object);
    }

    void historySaysWhatItSkipped()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        HistoryEntry good;
        good.date = QDateTime(QDate(2026, 1, 31), QTime(9, 15, 2), Qt::UTC);
        good.volumeName = QStringLiteral("Stick");
        good.operation = QStringLiteral("eject");
        good.ok = true;
        QFile file(store.filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(HistoryEntryCodec::encode(good) + "\n{broken\n\x01\x02\n" +
                   HistoryEntryCodec::encode(good) + '\n');
        file.close();

        Run run = history({}, store);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out.count(u'\n'), 2);
        QVERIFY2(run.err.contains(QStringLiteral("2 damaged line(s)")), qPrintable(run.err));

        run = history({QStringLiteral("--export"), QStringLiteral("-")}, store);
        QCOMPARE(run.code, 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(run.out.toUtf8(), file.readAll());
        file.close();

        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        run = history({QStringLiteral("--export"), fifo}, store);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("a FIFO")), qPrintable(run.err));

        QVERIFY(QFile::remove(store.filePath()));
        QVERIFY(::mkfifo(QFile::encodeName(store.filePath()).constData(), 0600) == 0);
        run = history({}, store);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("not a regular file but a FIFO")),
                 qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
