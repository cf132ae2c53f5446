// The program and quillmere-cli write one history file: processes that append at once, across
// the cap, lose none of each other's lines. The writers are this executable started again with
// --writer.
#include "stores/historyentrycodec.h"
#include "stores/historystore.h"
#include "volumebuilder.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int writers = 8;
constexpr int linesPerWriter = 1000;

HistoryEntry line(const QString &writer, int index)
{
    return HistoryEntryBuilder(QStringLiteral("eject"))
        .at(QDateTime(QDate(2026, 2, 1), QTime(10, 0), Qt::UTC).addSecs(index))
        .volume(QStringLiteral("%1-%2").arg(writer).arg(index, 4, 10, QLatin1Char('0')))
        .device(QStringLiteral("sdb1"))
        .build();
}

// tst_historysharing --writer DIR CAP NAME: appends linesPerWriter lines as NAME.
int runWriter(const QStringList &arguments)
{
    HistoryStore store(arguments.value(0), arguments.value(1).toInt());
    for (int i = 0; i < linesPerWriter; ++i) {
        store.append(line(arguments.value(2), i));
    }
    store.waitForPendingWrites();
    return 0;
}

} // namespace

class TestHistorySharing : public QObject {
    Q_OBJECT

    // Every line of the file, oldest first; a line that does not decode fails the test.
    static QList<HistoryEntry> fileLines(const QString &path)
    {
        QList<HistoryEntry> lines;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return lines;
        }
        const QByteArray bytes = file.readAll();
        if (!bytes.isEmpty() && !bytes.endsWith('\n')) {
            qWarning("the file does not end with a line feed");
            return {};
        }
        for (const QByteArray &raw : bytes.split('\n')) {
            if (raw.isEmpty()) {
                continue;
            }
            const auto entry = HistoryEntryCodec::decode(raw);
            if (!entry) {
                qWarning() << "torn or merged line:" << raw.left(200);
                return {};
            }
            lines.append(*entry);
        }
        return lines;
    }

private slots:
    void eightProcessesAroundTheCapLoseNoLine()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // 600 old lines and a cap that the writers cross after 7,500 of their 8,000 lines:
        // the rotations that follow drop the 500 oldest, all of them old ones.
        constexpr int oldLines = 600;
        constexpr int cap = oldLines + writers * linesPerWriter - 500;
        {
            HistoryStore seed(dir.path(), cap);
            for (int i = 0; i < oldLines; ++i) {
                seed.append(line(QStringLiteral("old"), i));
            }
            seed.waitForPendingWrites();
        }

        std::vector<std::unique_ptr<QProcess>> processes;
        for (int w = 0; w < writers; ++w) {
            auto process = std::make_unique<QProcess>();
            process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            process->start(QCoreApplication::applicationFilePath(),
                           {QStringLiteral("--writer"), dir.path(), QString::number(cap),
                            QStringLiteral("w%1").arg(w)});
            processes.push_back(std::move(process));
        }
        for (auto &process : processes) {
            QVERIFY(process->waitForFinished(240000));
            QCOMPARE(process->exitStatus(), QProcess::NormalExit);
            QCOMPARE(process->exitCode(), 0);
        }

        const QList<HistoryEntry> lines = fileLines(dir.filePath(QStringLiteral("history.jsonl")));
        QCOMPARE(lines.size(), cap);
        QHash<QString, int> next;
        int old = 0;
        for (const HistoryEntry &entry : lines) {
            const QString writer = entry.volumeName.section(u'-', 0, 0);
            const int index = entry.volumeName.section(u'-', 1).toInt();
            if (writer == QLatin1String("old")) {
                // The old lines that are left come first and are the newest of them.
                QCOMPARE(next.size(), 0);
                QCOMPARE(index, 500 + old++);
                continue;
            }
            // Each writer's lines in its own order, none missing, none twice.
            QCOMPARE(index, next.value(writer, 0));
            next[writer] = index + 1;
        }
        QCOMPARE(old, oldLines - 500);
        QCOMPARE(next.size(), writers);
        for (auto it = next.cbegin(); it != next.cend(); ++it) {
            QCOMPARE(it.value(), linesPerWriter);
        }

        // A store that knew the file before the others wrote counts again before it rotates.
        HistoryStore late(dir.path(), cap);
        late.append(line(QStringLiteral("late"), 0));
        late.waitForPendingWrites();
        const QList<HistoryEntry> after = fileLines(dir.filePath(QStringLiteral("history.jsonl")));
        QCOMPARE(after.size(), cap);
        QCOMPARE(after.constLast().volumeName, QStringLiteral("late-0000"));
        QCOMPARE(after.constFirst().volumeName, QStringLiteral("old-0501"));
    }

    void aStoreCountsAgainAfterAnotherProcessWrote()
    {
        QTemporaryDir dir;
        HistoryStore mine(dir.path(), 5);
        for (int i = 0; i < 4; ++i) {
            mine.append(line(QStringLiteral("mine"), i));
        }
        mine.waitForPendingWrites();
        // Another process appends three lines meanwhile.
        QProcess other;
        other.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--writer"), dir.path(), QStringLiteral("2000"),
                     QStringLiteral("other")});
        QVERIFY(other.waitForFinished(60000));
        QCOMPARE(fileLines(dir.filePath(QStringLiteral("history.jsonl"))).size(),
                 4 + linesPerWriter);
        // Believing it held 4 lines, it would not rotate now.
        mine.append(line(QStringLiteral("mine"), 4));
        mine.waitForPendingWrites();
        const QList<HistoryEntry> lines = fileLines(dir.filePath(QStringLiteral("history.jsonl")));
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.constLast().volumeName, QStringLiteral("mine-0004"));
        QCOMPARE(lines.constFirst().volumeName, QStringLiteral("other-0996"));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("--writer")) {
        return runWriter(arguments.mid(2));
    }
    TestHistorySharing test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_historysharing.moc"
