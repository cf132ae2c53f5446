#include "stores/historyentrycodec.h"
#include "stores/historystore.h"
#include "volumebuilder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QDateTime baseDate(QDate(2026, 1, 31), QTime(9, 15, 2), Qt::UTC);

HistoryEntry entry(const QString &name, int seconds = 0,
                   std::optional<QString> detail = std::nullopt)
{
    return HistoryEntryBuilder(QStringLiteral("eject"))
        .at(baseDate.addSecs(seconds))
        .volume(name)
        .device(QStringLiteral("sdb1"))
        .ok(!detail)
        .detail(detail)
        .build();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList names(const HistoryEntryList &entries)
{
    QStringList result;
    for (const HistoryEntry &e : entries)
        result.append(e.volumeName);
    return result;
}

} // namespace

class TestHistoryStore : public QObject {
    Q_OBJECT

private slots:
    void linksAreNotFollowedIntoOtherUsersFiles()
    {
        if (::geteuid() != 0)
            QSKIP("needs root: the links and files must belong to another user");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString theirs = dir.filePath(QStringLiteral("theirs.txt"));
        writeAll(theirs, "their own text\n");
        QVERIFY(::chown(QFile::encodeName(theirs).constData(), 65534, 65534) == 0);
        const QString folder = dir.filePath(QStringLiteral("history"));
        QVERIFY(QDir().mkpath(folder));
        HistoryStore store(folder);

        // A link to another user's file: nothing is appended to it.
        QVERIFY(QFile::link(theirs, store.filePath()));
        store.append(entry(QStringLiteral("A")));
        store.waitForPendingWrites();
        QCOMPARE(readAll(theirs), QByteArray("their own text\n"));

        // A dangling link creates nothing where it points, nor does a dangling lock link.
        QVERIFY(QFile::remove(store.filePath()));
        const QString nowhere = dir.filePath(QStringLiteral("nowhere.txt"));
        const QString nowhereLock = dir.filePath(QStringLiteral("nowhere.lock"));
        QFile::remove(store.filePath() + QStringLiteral(".lock"));
        QVERIFY(QFile::link(nowhere, store.filePath()));
        QVERIFY(QFile::link(nowhereLock, store.filePath() + QStringLiteral(".lock")));
        store.append(entry(QStringLiteral("B")));
        store.waitForPendingWrites();
        QVERIFY(!QFileInfo::exists(nowhere));
        QVERIFY(!QFileInfo::exists(nowhereLock));

        // A link of the user's own to a file of theirs is used, as a dotfiles setup has it.
        QVERIFY(QFile::remove(store.filePath()));
        QVERIFY(QFile::remove(store.filePath() + QStringLiteral(".lock")));
        const QString own = dir.filePath(QStringLiteral("own.jsonl"));
        writeAll(own, QByteArray());
        QVERIFY(QFile::link(own, store.filePath()));
        store.append(entry(QStringLiteral("C")));
        // The refused lines waited in the spool and are not lost.
        QCOMPARE(names(store.entries()),
                 (QStringList{QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("A")}));
        QVERIFY(QFileInfo(store.filePath()).isSymLink());
    }

    void aLockHeldElsewhereSpoolsTheLineInsteadOfWritingUnlocked()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        HistoryStore store(dir.path());
        store.append(entry(QStringLiteral("First")));
        store.waitForPendingWrites();

        const int held = ::open(QFile::encodeName(store.filePath() + QStringLiteral(".lock")),
                                O_RDWR | O_CLOEXEC);
        QVERIFY(held >= 0);
        QVERIFY(::flock(held, LOCK_EX) == 0);
        store.append(entry(QStringLiteral("Second"), 1));
        store.waitForPendingWrites();
        // Not written while another holds the lock, but kept beside the log.
        QCOMPARE(names(store.entries()), QStringList{QStringLiteral("First")});
        QVERIFY(readAll(store.filePath() + QStringLiteral(".spool")).contains("Second"));
        ::close(held);

        store.append(entry(QStringLiteral("Third"), 2));
        QCOMPARE(names(store.entries()),
                 (QStringList{QStringLiteral("Third"), QStringLiteral("Second"),
                              QStringLiteral("First")}));
        QVERIFY(readAll(store.filePath() + QStringLiteral(".spool")).isEmpty());
    }

    void lineFormat()
    {
        QCOMPARE(HistoryEntryCodec::encode(entry(QStringLiteral("Backup"))),
                 QByteArray("{\"date\":\"2026-01-31T09:15:02Z\",\"volumeName\":\"Backup\","
                            "\"bsdName\":\"sdb1\",\"operation\":\"eject\",\"ok\":true}"));
        HistoryEntry withDetail =
            entry(QStringLiteral("Fotos \"2026\"/Ä"), 0, QStringLiteral("busy\n\tby /usr/bin/cp"));
        withDetail.date = baseDate.addMSecs(789);
        QCOMPARE(
            HistoryEntryCodec::encode(withDetail),
            QByteArray("{\"date\":\"2026-01-31T09:15:02Z\",\"volumeName\":\"Fotos \\\"2026\\\"\\/"
                       "\xc3\x84"
                       "\",\"bsdName\":\"sdb1\",\"operation\":\"eject\",\"ok\":false,"
                       "\"detail\":\"busy\\n\\tby \\/usr\\/bin\\/cp\"}"));
    }

    void aStartedLineCarriesItsState()
    {
        HistoryEntry started = entry(QStringLiteral("Stick"));
        started.operation = QStringLiteral("erase");
        started.state = QStringLiteral("started");
        const QByteArray line = HistoryEntryCodec::encode(started);
        QVERIFY(line.endsWith(",\"ok\":true,\"state\":\"started\"}"));
        QCOMPARE(HistoryEntryCodec::decode(line), std::optional(started));
        QVERIFY(!HistoryEntryCodec::decode(
            R"({"date":"2026-01-31T09:15:02Z","volumeName":"A","bsdName":"sdb1","operation":"erase","ok":true,"state":7})"));
    }

    void decodingRules()
    {
        const auto plain = HistoryEntryCodec::decode(
            "{\"ok\":true,\"operation\":\"mount\",\"bsdName\":\"\",\"volumeName\":\"a/b\","
            "\"date\":\"2026-01-31T10:15:02+01:00\",\"detail\":null}");
        QVERIFY(plain);
        QCOMPARE(plain->date, baseDate);
        QCOMPARE(plain->volumeName, QStringLiteral("a/b"));
        QCOMPARE(plain->detail, std::nullopt);

        const HistoryEntry full = entry(QStringLiteral("x\u0001y"), 5, QStringLiteral("d"));
        QCOMPARE(HistoryEntryCodec::decode(HistoryEntryCodec::encode(full)), std::optional(full));

        QVERIFY(
            !HistoryEntryCodec::decode("{\"date\":\"2026-01-31T09:15:02Z\",\"volumeName\":\"a\","
                                       "\"bsdName\":\"\",\"operation\":\"eject\"}"));
        QVERIFY(
            !HistoryEntryCodec::decode("{\"date\":\"2026-01-31T09:15:02\",\"volumeName\":\"a\","
                                       "\"bsdName\":\"\",\"operation\":\"eject\",\"ok\":true}"));
        QVERIFY(
            !HistoryEntryCodec::decode("{\"date\":\"2026-01-31T09:15:02Z\",\"volumeName\":\"a\","
                                       "\"bsdName\":\"\",\"operation\":\"eject\",\"ok\":\"yes\"}"));
        QVERIFY(!HistoryEntryCodec::decode("[\"2026-01-31T09:15:02Z\"]"));
    }

    void appendWritesOneLineEach()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        QVERIFY(!QFile::exists(store.filePath()));
        store.append(entry(QStringLiteral("A")));
        store.append(entry(QStringLiteral("B"), 1, QStringLiteral("failed")));
        QCOMPARE(names(store.entries()), (QStringList{"B", "A"}));
        QCOMPARE(
            readAll(store.filePath()),
            HistoryEntryCodec::encode(entry(QStringLiteral("A"))) + '\n' +
                HistoryEntryCodec::encode(entry(QStringLiteral("B"), 1, QStringLiteral("failed"))) +
                '\n');
    }

    void readsWaitForEarlierAppends()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        for (int i = 0; i < 500; ++i)
            store.append(entry(QString::number(i), i));
        const HistoryEntryList all = store.entries();
        QCOMPARE(all.size(), 500);
        QCOMPARE(all.first().volumeName, QStringLiteral("499"));
    }

    void pendingAppendsAreWrittenBeforeTheStoreGoes()
    {
        // What quitting relies on: the lines still queued when the program ends reach the disk.
        QTemporaryDir dir;
        QString path;
        {
            HistoryStore store(dir.path());
            path = store.filePath();
            for (int i = 0; i < 300; ++i)
                store.append(entry(QString::number(i), i));
        }
        QCOMPARE(readAll(path).count('\n'), 300);
    }

    void limits()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        for (const char *name : {"A", "B", "C"})
            store.append(entry(QLatin1String(name)));
        QCOMPARE(names(store.entries(2)), (QStringList{"C", "B"}));
        QCOMPARE(names(store.entries(-5)), QStringList());
        QCOMPARE(names(store.entries(0)), QStringList());
        QCOMPARE(names(store.entries()), (QStringList{"C", "B", "A"}));
        QCOMPARE(names(store.entries(10)), (QStringList{"C", "B", "A"}));
    }

    void capKeepsTheNewestLines()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path(), 3);
        for (const char *name : {"A", "B", "C", "D"})
            store.append(entry(QLatin1String(name)));
        QCOMPARE(names(store.entries()), (QStringList{"D", "C", "B"}));
        QCOMPARE(readAll(store.filePath()).count('\n'), 3);
    }

    void capBelowOneKeepsOneLine()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path(), 0);
        QCOMPARE(store.cap(), 1);
        store.append(entry(QStringLiteral("A")));
        store.append(entry(QStringLiteral("B")));
        QCOMPARE(names(store.entries()), QStringList{"B"});
    }

    void capHoldsUnderConcurrentAppends()
    {
        QTemporaryDir dir;
        const int cap = 50;
        const int threads = 4;
        const int perThread = 120;
        HistoryStore store(dir.path(), cap);
        QList<QThread *> workers;
        for (int t = 0; t < threads; ++t) {
            workers.append(QThread::create([&store, t] {
                for (int i = 0; i < perThread; ++i)
                    store.append(entry(QStringLiteral("%1-%2").arg(t).arg(i, 3, 10, QChar(u'0'))));
            }));
            workers.last()->start();
        }
        for (QThread *worker : workers) {
            worker->wait();
            delete worker;
        }

        const HistoryEntryList kept = store.entries();
        QCOMPARE(kept.size(), cap);
        QCOMPARE(readAll(store.filePath()).count('\n'), cap);
        // Each thread's lines are written in its own order, so what is kept of each thread is
        // the end of its sequence.
        QMap<int, QList<int>> byThread;
        for (auto it = kept.crbegin(); it != kept.crend(); ++it) {
            const QStringList parts = it->volumeName.split(u'-');
            byThread[parts.at(0).toInt()].append(parts.at(1).toInt());
        }
        for (auto it = byThread.cbegin(); it != byThread.cend(); ++it) {
            const QList<int> &indexes = it.value();
            for (int k = 0; k < indexes.size(); ++k)
                QCOMPARE(indexes.at(k), perThread - int(indexes.size()) + k);
        }
    }

    void malformedLinesAreSkipped()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        writeAll(store.filePath(),
                 HistoryEntryCodec::encode(entry(QStringLiteral("A"))) + "\n{\"date\": oops}\n\n" +
                     HistoryEntryCodec::encode(entry(QStringLiteral("B"))) + '\n');
        QCOMPARE(names(store.entries()), (QStringList{"B", "A"}));
    }

    void damagedLinesAreCounted()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        writeAll(store.filePath(),
                 HistoryEntryCodec::encode(entry(QStringLiteral("A"))) + "\n{\"date\": oops}\n\n" +
                     HistoryEntryCodec::encode(entry(QStringLiteral("B"))) + "\nnot json\n" +
                     HistoryEntryCodec::encode(entry(QStringLiteral("C"))) + '\n');
        const HistoryReading all = store.read();
        QCOMPARE(names(all.entries), (QStringList{"C", "B", "A"}));
        QCOMPARE(all.damagedLines, 2);
        QVERIFY(all.problem.isEmpty());
        // A limit shortens the list, not the count.
        const HistoryReading newest = store.read(1);
        QCOMPARE(names(newest.entries), QStringList{"C"});
        QCOMPARE(newest.damagedLines, 2);
    }

    void aHugeFileIsReadFromItsEnd()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        const QByteArray last = HistoryEntryCodec::encode(entry(QStringLiteral("last"))) + '\n';
        {
            QFile file(store.filePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            // One line far longer than the limit, then a good one.
            QVERIFY(file.resize(HistoryStore::maxReadBytes + 4096));
            QVERIFY(file.seek(file.size()));
            file.write("\n" + last);
        }
        const HistoryReading reading = store.read();
        QCOMPARE(names(reading.entries), QStringList{"last"});
        // The line cut off at the start of what was read.
        QCOMPARE(reading.damagedLines, 1);
    }

    void aFifoOrDeviceIsNeverRead()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        QVERIFY(::mkfifo(QFile::encodeName(store.filePath()).constData(), 0600) == 0);
        // With nothing writing to it, reading the FIFO would wait for ever.
        const HistoryReading fifo = store.read();
        QVERIFY(fifo.entries.isEmpty());
        QVERIFY2(fifo.problem.contains(QLatin1String("FIFO")), qPrintable(fifo.problem));
        QVERIFY(store.entries().isEmpty());

        QVERIFY(QFile::remove(store.filePath()));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), store.filePath()));
        const HistoryReading zero = store.read();
        QVERIFY(zero.entries.isEmpty());
        QVERIFY2(zero.problem.contains(QLatin1String("character device")),
                 qPrintable(zero.problem));
        QString error;
        QVERIFY(!store.exportLog(dir.filePath(QStringLiteral("copy.jsonl")), &error));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("copy.jsonl"))));
    }

    void aFifoInPlaceOfTheLogGetsNoLines()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path(), 2);
        QVERIFY(::mkfifo(QFile::encodeName(store.filePath()).constData(), 0600) == 0);
        // A reader keeps whatever is written into the FIFO there for the test to see; once the
        // pipe were full, an append would block the writer for ever.
        const int reader = ::open(QFile::encodeName(store.filePath()).constData(),
                                  O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(reader >= 0);
        for (int i = 0; i < 5; ++i)
            store.append(entry(QStringLiteral("V%1").arg(i), i));
        store.waitForPendingWrites();
        char byte = 0;
        const ssize_t got = ::read(reader, &byte, 1);
        ::close(reader);
        // Nothing to read: end of file, or EAGAIN while a writer still has it open.
        QVERIFY(got <= 0);
        // Rotation did not put a regular file in its place either.
        struct stat info {};
        QVERIFY(::lstat(QFile::encodeName(store.filePath()).constData(), &info) == 0);
        QVERIFY(S_ISFIFO(info.st_mode));
    }

    void exportReplacesOnlyRegularFiles()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.filePath(QStringLiteral("support")));
        store.append(entry(QStringLiteral("A")));

        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QString error;
        QVERIFY(!store.exportLog(fifo, &error));
        QVERIFY2(error.contains(QLatin1String("FIFO")), qPrintable(error));
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(fifo).constData(), &info) == 0 && S_ISFIFO(info.st_mode));

        const QString folder = dir.filePath(QStringLiteral("folder"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(!store.exportLog(folder, &error));
        QVERIFY2(error.contains(QLatin1String("folder")), qPrintable(error));
        QVERIFY(QFileInfo(folder).isDir());

        // A link to a regular file writes the file it points to.
        const QString real = dir.filePath(QStringLiteral("real.jsonl"));
        writeAll(real, "old");
        const QString link = dir.filePath(QStringLiteral("link.jsonl"));
        QVERIFY(QFile::link(real, link));
        QVERIFY2(store.exportLog(link, &error), qPrintable(error));
        QCOMPARE(readAll(real), readAll(store.filePath()));

        QBuffer out;
        QVERIFY(out.open(QIODevice::WriteOnly));
        QVERIFY(store.exportLog(out, &error));
        QCOMPARE(out.data(), readAll(store.filePath()));
    }

    void tornLastLineStaysApart()
    {
        QTemporaryDir dir;
        const QByteArray good = HistoryEntryCodec::encode(entry(QStringLiteral("A")));
        const QByteArray torn = HistoryEntryCodec::encode(entry(QStringLiteral("T"), 999)).left(30);
        {
            HistoryStore writer(dir.path());
            writeAll(writer.filePath(), good + '\n' + torn);
        }
        HistoryStore store(dir.path(), 3);
        QCOMPARE(names(store.entries()), QStringList{"A"});
        store.append(entry(QStringLiteral("B")));
        QCOMPARE(names(store.entries()), (QStringList{"B", "A"}));
        QCOMPARE(readAll(store.filePath()),
                 good + '\n' + torn + '\n' + HistoryEntryCodec::encode(entry(QStringLiteral("B"))) +
                     '\n');
        // The torn line counts as a line and leaves with rotation like any other.
        store.append(entry(QStringLiteral("C")));
        store.append(entry(QStringLiteral("D")));
        QCOMPARE(names(store.entries()), (QStringList{"D", "C", "B"}));
        QVERIFY(!readAll(store.filePath()).contains(torn));
    }

    void clearThenAppend()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        store.append(entry(QStringLiteral("A")));
        store.append(entry(QStringLiteral("B")));
        store.clear();
        QVERIFY(!QFile::exists(store.filePath()));
        QVERIFY(store.entries().isEmpty());
        store.append(entry(QStringLiteral("C")));
        QCOMPARE(names(store.entries()), QStringList{"C"});
        QCOMPARE(readAll(store.filePath()).count('\n'), 1);
    }

    void exportCopiesTheLog()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("Quillmere History.jsonl"));
        writeAll(target, "old contents");

        HistoryStore store(dir.filePath(QStringLiteral("support")));
        QString error;
        QVERIFY(store.exportLog(target, &error));
        QVERIFY(QFile::exists(target));
        QCOMPARE(readAll(target), QByteArray());

        store.append(entry(QStringLiteral("A")));
        QVERIFY(store.exportLog(target, &error));
        QCOMPARE(readAll(target), readAll(store.filePath()));

        QVERIFY(!store.exportLog(dir.filePath(QStringLiteral("missing/folder/x.jsonl")), &error));
        QVERIFY(!error.isEmpty());
    }

    void predecessorFolderIsTakenOver()
    {
        QTemporaryDir data;
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        QVERIFY(QDir(data.path()).mkpath(QStringLiteral("Kestrin")));
        writeAll(data.filePath(QStringLiteral("Kestrin/history.jsonl")),
                 HistoryEntryCodec::encode(entry(QStringLiteral("old"))) + '\n');
        {
            HistoryStore store;
            QCOMPARE(store.filePath(), data.filePath(QStringLiteral("Quillmere/history.jsonl")));
            QCOMPARE(names(store.entries()), QStringList{"old"});
        }
        QVERIFY(!QFile::exists(data.filePath(QStringLiteral("Kestrin"))));

        // Once the folder exists, a predecessor's folder is left alone.
        QVERIFY(QDir(data.path()).mkpath(QStringLiteral("Kestrin")));
        HistoryStore again;
        QVERIFY(QFile::exists(data.filePath(QStringLiteral("Kestrin"))));
        qputenv("XDG_DATA_HOME", saved);
    }
};

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "tst_historystore.moc"
