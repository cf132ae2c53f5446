// Times the history log and the settings reads. Run from a Release build:
//   bench_stores [repetitions]
#include "stores/historyentrycodec.h"
#include "stores/historystore.h"
#include "stores/jsonfilesettingsbackend.h"
#include "stores/preferencesstore.h"
#include "stores/settingsstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

namespace {

HistoryEntry sampleEntry(int i)
{
    return HistoryEntry{QDateTime(QDate(2026, 12, 8), QTime(1, 0), Qt::UTC).addSecs(i),
                        QStringLiteral("Backup Drive %1").arg(i),
                        QStringLiteral("sdb1"),
                        QStringLiteral("eject"),
                        i % 7 != 0,
                        i % 7 == 0 ? std::optional(QStringLiteral("Volume is busy: /usr/bin/cp"))
                                   : std::nullopt,
                        std::nullopt};
}

void fillLog(const QString &path, int lines)
{
    QByteArray bytes;
    for (int i = 0; i < lines; ++i)
        bytes += HistoryEntryCodec::encode(sampleEntry(i)) + '\n';
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// Wall time, and the process's CPU time (all threads), which the load of other programs on
// the machine disturbs less.
struct Stopwatch {
    QElapsedTimer wall;
    std::clock_t cpu = 0;
    void start()
    {
        wall.start();
        cpu = std::clock();
    }
};

void report(const char *what, const Stopwatch &watch, int runs)
{
    const double wallUs = double(watch.wall.nsecsElapsed()) / runs / 1000.0;
    const double cpuUs = double(std::clock() - watch.cpu) * 1e6 / CLOCKS_PER_SEC / runs;
    std::printf("%-62s %10.1f us wall %10.1f us cpu\n", what, wallUs, cpuUs);
}

void benchAppend(const char *what, int lines, int runs)
{
    QTemporaryDir dir;
    HistoryStore store(dir.path(), HistoryStore::defaultCap);
    fillLog(store.filePath(), lines);
    store.append(sampleEntry(-1)); // the first append of a process counts the lines
    store.waitForPendingWrites();

    Stopwatch timer;
    qint64 callerNs = 0;
    timer.start();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer call;
        call.start();
        store.append(sampleEntry(lines + i));
        callerNs += call.nsecsElapsed();
        store.waitForPendingWrites();
    }
    report(what, timer, runs);
    std::printf("%-62s %10.1f us wall\n", "   of which append() itself (the caller's wait)",
                double(callerNs) / runs / 1000.0);
}

void benchEntries(int runs)
{
    QTemporaryDir dir;
    HistoryStore store(dir.path(), HistoryStore::defaultCap);
    fillLog(store.filePath(), HistoryStore::defaultCap);
    Stopwatch timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        store.entries(50);
    report("entries(limit: 50), full log of 10,000 lines", timer, runs);
    timer.start();
    for (int i = 0; i < runs; ++i)
        store.entries();
    report("entries(), full log of 10,000 lines", timer, runs);
}

int readEverything(const PreferencesStore &store)
{
    int sink = 0;
    sink += store.enabledKinds().size();
    sink += store.menuBarEnabled() + store.popoverEnabled();
    sink += int(store.sortMode()) + int(store.popoverViewMode()) + int(store.windowIconMode());
    sink += int(store.confirmationModel());
    sink += store.autoEjectOnSleep() + store.autoEjectOnLock() + store.autoEjectIdleMinutes();
    sink += store.remountOnWake();
    sink += store.excludedVolumes().size();
    sink += store.languageOverride().value_or(QString()).size();
    sink += store.launchAtLogin();
    return sink;
}

void benchPreferences(int runs)
{
    QTemporaryDir dir;
    const QString domain = QStringLiteral("com.quillmere.app");
    {
        SettingsStore defaults(std::make_unique<JsonFileSettingsBackend>(dir.path(), domain));
        PreferencesStore store(defaults);
        store.setEnabledKinds({VolumeKind::external, VolumeKind::network});
        store.setMenuBarEnabled(true);
        store.setPopoverEnabled(false);
        store.setSortMode(SortMode::size);
        store.setPopoverViewMode(PopoverViewMode::list);
        store.setWindowIconMode(WindowIconMode::stack);
        store.setConfirmationModel(ConfirmationModel::typeName);
        store.setAutoEjectOnSleep(true);
        store.setAutoEjectOnLock(true);
        store.setAutoEjectIdleMinutes(15);
        store.setRemountOnWake(false);
        store.setExcludedVolumes({{QStringLiteral("1234-ABCD"), QStringLiteral("Backup")},
                                  {std::nullopt, QStringLiteral("Scratch")}});
        store.setLanguageOverride(QStringLiteral("de"));
        store.setLaunchAtLogin(true);
    }
    // An old file, as at a normal launch: changes are then told by its time and size alone.
    QFile file(QStringLiteral("%1/%2.json").arg(dir.path(), domain));
    file.open(QIODevice::ReadWrite);
    file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600),
                     QFileDevice::FileModificationTime);
    file.close();

    int sink = 0;
    Stopwatch timer;
    timer.start();
    for (int i = 0; i < runs; ++i) {
        SettingsStore defaults(std::make_unique<JsonFileSettingsBackend>(dir.path(), domain));
        sink += readEverything(PreferencesStore(defaults));
    }
    report("PreferencesStore, cold read of every property", timer, runs);

    SettingsStore defaults(std::make_unique<JsonFileSettingsBackend>(dir.path(), domain));
    const PreferencesStore store(defaults);
    sink += readEverything(store);
    timer.start();
    for (int i = 0; i < runs; ++i)
        sink += readEverything(store);
    report("PreferencesStore, warm read of every property", timer, runs);
    if (sink == 42)
        std::printf(" \n");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 50;
    benchAppend("append at 100 lines (cap 10,000), until written", 100, runs);
    benchAppend("append at 10,000 lines (cap 10,000, rotates), until written",
                HistoryStore::defaultCap, runs);
    benchEntries(runs);
    benchPreferences(runs * 10);
    return 0;
}
