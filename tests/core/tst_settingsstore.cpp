#include "stores/jsonfilesettingsbackend.h"
#include "stores/memorysettingsbackend.h"
#include "stores/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPoint>
#include <QProcess>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

const QString domain = QStringLiteral("com.quillmere.app");

std::unique_ptr<SettingsStore> fileDefaults(const QString &directory, const QString &name = domain)
{
    return std::make_unique<SettingsStore>(
        std::make_unique<JsonFileSettingsBackend>(directory, name));
}

// The test binary doubles as a second writer: "--set-defaults <dir> <domain> <prefix> <count>"
// sets <prefix>0 … <prefix>(count-1) to their index.
int runWriter(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6)
        return 2;
    auto defaults = fileDefaults(args.at(2), args.at(3));
    const int count = args.at(5).toInt();
    for (int i = 0; i < count; ++i)
        defaults->setInteger(args.at(4) + QString::number(i), i);
    return 0;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList corruptCopies(const QString &directory)
{
    return QDir(directory).entryList({domain + QStringLiteral(".json.corrupt-*")}, QDir::Files);
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

private:
    QProcess *startWriter(const QString &directory, const QString &prefix, int count)
    {
        auto *process = new QProcess(this);
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--set-defaults"), directory, domain, prefix, QString::number(count)});
        return process;
    }

    void finishWriter(QProcess *process)
    {
        QVERIFY(process->waitForFinished(120000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
        delete process;
    }

private slots:
    void typesSurviveTheFile_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("type");
        QTest::newRow("bool") << QVariant(true) << int(QMetaType::Bool);
        QTest::newRow("small integer") << QVariant(qint64(-42)) << int(QMetaType::LongLong);
        QTest::newRow("integer beyond double precision")
            << QVariant(qint64(9007199254740993LL)) << int(QMetaType::LongLong);
        QTest::newRow("double") << QVariant(2.5) << int(QMetaType::Double);
        QTest::newRow("text that looks like a bool")
            << QVariant(QStringLiteral("true")) << int(QMetaType::QString);
        QTest::newRow("bytes") << QVariant(QByteArray("\x00\xff{\"x\"", 6))
                               << int(QMetaType::QByteArray);
        QTest::newRow("date with milliseconds")
            << QVariant(QDateTime(QDate(2026, 1, 31), QTime(9, 15, 2, 345), Qt::UTC))
            << int(QMetaType::QDateTime);
        QTest::newRow("mixed array")
            << QVariant(QVariantList{QStringLiteral("a"), qint64(3), false})
            << int(QMetaType::QVariantList);
    }

    void typesSurviveTheFile()
    {
        QFETCH(QVariant, value);
        QFETCH(int, type);
        QTemporaryDir dir;
        fileDefaults(dir.path())->setObject(QStringLiteral("key"), value);

        const QVariant read = fileDefaults(dir.path())->object(QStringLiteral("key"));
        QCOMPARE(read.typeId(), type);
        QCOMPARE(read, value);
    }

    void booleanIsStoredTyped()
    {
        QTemporaryDir dir;
        fileDefaults(dir.path())->setBool(QStringLiteral("menuBarEnabled"), true);
        const QJsonObject root =
            QJsonDocument::fromJson(readAll(dir.filePath(domain + QStringLiteral(".json"))))
                .object();
        QCOMPARE(root.value(QStringLiteral("menuBarEnabled")).toObject(),
                 QJsonObject({{QStringLiteral("type"), QStringLiteral("bool")},
                              {QStringLiteral("value"), true}}));
    }

    void typedGettersOnlyTakeTheirType()
    {
        auto defaults = SettingsStore::inMemory();
        defaults->setString(QStringLiteral("text"), QStringLiteral("true"));
        defaults->setInteger(QStringLiteral("number"), 7);
        defaults->setObject(QStringLiteral("numbers"), QVariantList{qint64(1), qint64(2)});
        defaults->setStringList(QStringLiteral("names"), {QStringLiteral("a")});

        QCOMPARE(defaults->boolValue(QStringLiteral("text")), std::nullopt);
        QCOMPARE(defaults->string(QStringLiteral("number")), std::nullopt);
        QCOMPARE(defaults->doubleValue(QStringLiteral("number")), std::optional(7.0));
        QCOMPARE(defaults->integer(QStringLiteral("absent")), std::nullopt);
        QCOMPARE(defaults->stringList(QStringLiteral("numbers")), std::nullopt);
        QCOMPARE(defaults->array(QStringLiteral("numbers"))->size(), 2);
        QCOMPARE(defaults->stringList(QStringLiteral("names")),
                 std::optional(QStringList{QStringLiteral("a")}));
    }

    void unstorableValuesAreRefused()
    {
        auto defaults = SettingsStore::inMemory();
        QSignalSpy changed(defaults.get(), &SettingsStore::changed);
        QVERIFY(!defaults->setObject(QStringLiteral("point"), QPoint(1, 2)));
        QVERIFY(!defaults->setObject(QStringLiteral("list"), QVariantList{QPoint(1, 2)}));
        QVERIFY(!defaults->setObject(QString(), true));
        QVERIFY(!defaults->setObject(QStringLiteral("date"), QDateTime()));
        QVERIFY(defaults->keys().isEmpty());
        QCOMPARE(changed.count(), 0);
    }

    void removeAndChangeNotification()
    {
        QTemporaryDir dir;
        auto defaults = fileDefaults(dir.path());
        QSignalSpy changed(defaults.get(), &SettingsStore::changed);
        defaults->setBool(QStringLiteral("a"), true);
        defaults->setBool(QStringLiteral("b"), false);
        defaults->remove(QStringLiteral("a"));
        QCOMPARE(changed.count(), 3);
        QCOMPARE(defaults->keys(), QStringList{QStringLiteral("b")});
        QCOMPARE(fileDefaults(dir.path())->keys(), QStringList{QStringLiteral("b")});

        defaults->removeAll();
        QVERIFY(!QFile::exists(dir.filePath(domain + QStringLiteral(".json"))));
        QVERIFY(defaults->keys().isEmpty());
    }

    void suitesAreSeparateDomains()
    {
        QTemporaryDir dir;
        auto standard = fileDefaults(dir.path());
        auto legacy = standard->suite(QStringLiteral("com.jtarnwick.Kestrin"));
        QVERIFY(legacy);
        legacy->setBool(QStringLiteral("autoEjectOnSleep"), true);
        QVERIFY(!standard->contains(QStringLiteral("autoEjectOnSleep")));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("com.jtarnwick.Kestrin.json"))));

        QVERIFY(!standard->suite(QStringLiteral("../elsewhere")));
        QVERIFY(!standard->suite(QStringLiteral(".hidden")));
        QVERIFY(!standard->suite(QString()));

        // In memory, suites share one storage so a test can prepare another domain.
        auto memory = SettingsStore::inMemory(domain);
        memory->suite(QStringLiteral("other"))->setInteger(QStringLiteral("n"), 1);
        QCOMPARE(memory->suite(QStringLiteral("other"))->integer(QStringLiteral("n")),
                 std::optional<qint64>(1));
        QVERIFY(!memory->contains(QStringLiteral("n")));
    }

    void editByAnotherProcessIsSeenAtNextRead()
    {
        QTemporaryDir dir;
        auto defaults = fileDefaults(dir.path());
        defaults->setInteger(QStringLiteral("other0"), 5);
        QCOMPARE(defaults->integer(QStringLiteral("other0")), std::optional<qint64>(5));

        // Same size, written right after our own read and write.
        finishWriter(startWriter(dir.path(), QStringLiteral("other"), 1));
        QCOMPARE(defaults->integer(QStringLiteral("other0")), std::optional<qint64>(0));
    }

    void editByAnotherProcessIsNotified()
    {
        QTemporaryDir dir;
        auto defaults = fileDefaults(dir.path());
        defaults->setBool(QStringLiteral("mine"), true);
        QSignalSpy changed(defaults.get(), &SettingsStore::changed);
        finishWriter(startWriter(dir.path(), QStringLiteral("theirs"), 1));
        QVERIFY(changed.wait(10000));
        QCOMPARE(defaults->integer(QStringLiteral("theirs0")), std::optional<qint64>(0));
    }

    void twoProcessesLoseNoWrites()
    {
        QTemporaryDir dir;
        const int count = 250;
        QProcess *first = startWriter(dir.path(), QStringLiteral("a"), count);
        QProcess *second = startWriter(dir.path(), QStringLiteral("b"), count);
        finishWriter(first);
        finishWriter(second);

        auto defaults = fileDefaults(dir.path());
        QCOMPARE(defaults->keys().size(), 2 * count);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(defaults->integer(QStringLiteral("a%1").arg(i)), std::optional<qint64>(i));
            QCOMPARE(defaults->integer(QStringLiteral("b%1").arg(i)), std::optional<qint64>(i));
        }
    }

    void corruptFileIsKeptAsideAndDefaultsApply()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(domain + QStringLiteral(".json"));
        const QByteArray garbage("{\"menuBarEnabled\": {\"type\": \"bool\", \"value\": fal");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(garbage);
        }
        auto defaults = fileDefaults(dir.path());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unreadable settings file"));
        QCOMPARE(defaults->boolValue(QStringLiteral("menuBarEnabled")), std::nullopt);
        QCOMPARE(readAll(path), garbage);
        QVERIFY(corruptCopies(dir.path()).isEmpty());

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Kept the unreadable settings"));
        defaults->setBool(QStringLiteral("dockEnabled"), false);
        const QStringList aside = corruptCopies(dir.path());
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readAll(dir.filePath(aside.first())), garbage);
        QCOMPARE(fileDefaults(dir.path())->keys(), QStringList{QStringLiteral("dockEnabled")});
    }

    void aFifoOrDeviceInPlaceOfTheFileIsSkipped()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(domain + QStringLiteral(".json"));
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        auto defaults = fileDefaults(dir.path());
        // Read forever before: nothing ever writes to the FIFO.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unreadable settings file.*FIFO"));
        QCOMPARE(defaults->boolValue(QStringLiteral("menuBarEnabled")), std::nullopt);

        // A write puts it aside like any unreadable file and starts a new one.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Kept the unreadable settings"));
        defaults->setBool(QStringLiteral("dockEnabled"), false);
        const QStringList aside = QDir(dir.path())
                                      .entryList({domain + QStringLiteral(".json.corrupt-*")},
                                                 QDir::Files | QDir::System);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(fileDefaults(dir.path())->boolValue(QStringLiteral("dockEnabled")),
                 std::optional(false));

        QTemporaryDir other;
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"),
                            other.filePath(domain + QStringLiteral(".json"))));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("unreadable settings file.*character device"));
        QCOMPARE(fileDefaults(other.path())->keys(), QStringList());
    }

    void undecodableEntryIsSkippedButKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(domain + QStringLiteral(".json"));
        {
            QSaveFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(R"({"odd": {"type": "colour", "value": "red"},
                           "flag": {"type": "bool", "value": "yes"},
                           "good": {"type": "int", "value": 3}})");
            QVERIFY(file.commit());
        }
        auto defaults = fileDefaults(dir.path());
        QCOMPARE(defaults->keys(), QStringList{QStringLiteral("good")});
        QCOMPARE(defaults->boolValue(QStringLiteral("flag")), std::nullopt);

        defaults->setBool(QStringLiteral("new"), true);
        const QJsonObject root = QJsonDocument::fromJson(readAll(path)).object();
        QCOMPARE(root.value(QStringLiteral("odd")).toObject().value(QStringLiteral("type")),
                 QJsonValue(QStringLiteral("colour")));
        QVERIFY(root.contains(QStringLiteral("flag")));
        QVERIFY(corruptCopies(dir.path()).isEmpty());
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--set-defaults") == 0)
        return runWriter(argc, argv);
    QCoreApplication app(argc, argv);
    TestSettingsStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsstore.moc"
