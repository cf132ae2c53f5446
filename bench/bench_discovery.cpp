// currentVolumes() against the number of mounts: adds 10, 50 and 100 tmpfs mounts (as root)
// below a temporary folder, times both Linux disk sources, and removes the mounts again.
// Run with DBUS_SYSTEM_BUS_ADDRESS pointing at a bus with udisks2 to include descriptions.
#include "mountinfo.h"
#include "mounttabledisksource.h"
#include "udisksclient.h"
#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <csignal>
#include <ctime>
#include <sys/mount.h>
#include <unistd.h>

namespace {

QStringList mounted;

void unmountAll()
{
    for (const QString &path : std::as_const(mounted)) {
        ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
    }
    mounted.clear();
}

void onSignal(int)
{
    unmountAll();
    std::_Exit(1);
}

bool addMounts(const QString &base, int count)
{
    for (int i = mounted.size(); i < count; ++i) {
        const QString path = base + QStringLiteral("/m%1").arg(i);
        QDir().mkpath(path);
        if (::mount("quillmere-bench", QFile::encodeName(path).constData(), "tmpfs", 0,
                    "size=64k") != 0) {
            return false;
        }
        mounted.append(path);
    }
    return true;
}

qint64 threadCpuNanos()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Medians of repeated calls in microseconds: wall time, and this thread's CPU time (user and
// system), which other load on the machine disturbs less.
std::pair<double, double> medianMicros(DiskSource &source, int runs, qsizetype *volumes)
{
    QList<qint64> wall;
    QList<qint64> cpu;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        const qint64 cpuStart = threadCpuNanos();
        timer.start();
        *volumes = source.currentVolumes().size();
        wall.append(timer.nsecsElapsed());
        cpu.append(threadCpuNanos() - cpuStart);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall.at(runs / 2) / 1000.0, cpu.at(runs / 2) / 1000.0};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (::geteuid() != 0) {
        out << "bench_discovery: needs root to add mounts\n";
        return 1;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);

    UDisksClient client;
    while (!client.hasAnswered()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    auto provider = std::make_shared<UDisksDescriptionProvider>(&client);
    UDisksDiskSource udisks(provider);
    MountTableDiskSource table;
    out << "udisks2 " << (client.isAvailable() ? "present" : "absent") << ", "
        << client.objects().size() << " objects; median of 200 calls\n";
    out << "extra mounts  mountinfo lines  volumes  UDisksDiskSource us (wall/cpu)  "
           "MountTableDiskSource us (wall/cpu)\n";

    QTemporaryDir base(QStringLiteral("/tmp/quillmere-bench-XXXXXX"));
    int status = 0;
    for (int extra : {0, 10, 50, 100}) {
        if (!addMounts(base.path(), extra)) {
            out << "mount failed at " << mounted.size() << " mounts\n";
            status = 1;
            break;
        }
        qsizetype volumes = 0;
        qsizetype ignored = 0;
        const auto [uWall, uCpu] = medianMicros(udisks, 200, &volumes);
        const auto [tWall, tCpu] = medianMicros(table, 200, &ignored);
        const auto pair = [](double wall, double cpu) {
            return QString::number(wall, 'f', 0) + QLatin1Char('/') + QString::number(cpu, 'f', 0);
        };
        out << qSetFieldWidth(12) << extra << qSetFieldWidth(17) << MountInfo::read().size()
            << qSetFieldWidth(9) << volumes << qSetFieldWidth(32) << pair(uWall, uCpu)
            << qSetFieldWidth(36) << pair(tWall, tCpu) << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    unmountAll();
    return status;
}
