// currentVolumes() against the number of mounts: the machine's mount table with 0, 10, 50 and
// 100 USB-stick-like ext4 mounts added (and, in the last rows, 5 NFS shares), as a mount table
// file whose mount points are folders below a temporary folder. Kernel and virtual file
// systems are not volumes, so real tmpfs mounts would measure nothing; the added devices do
// not exist, so their description and sysfs lookups miss, but every step runs. Run with
// DBUS_SYSTEM_BUS_ADDRESS pointing at a bus with udisks2 to include descriptions.
#include "mountinfo.h"
#include "mounttabledisksource.h"
#include "udisksclient.h"
#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <ctime>

namespace {

// The real table followed by `sticks` added ext4 mounts and `shares` NFS mounts.
bool writeTable(const QString &base, const QString &file, int sticks, int shares)
{
    QFile real(QString::fromLatin1(MountInfo::defaultPath));
    QFile out(file);
    if (!real.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    out.write(real.readAll());
    for (int i = 0; i < sticks + shares; ++i) {
        const QString path = base + QStringLiteral("/m%1").arg(i);
        QDir().mkpath(path);
        const QString line =
            i < sticks ? QStringLiteral("%1 1 8:%2 / %3 rw,nosuid,nodev - ext4 /dev/sdz%2 rw\n")
                             .arg(1000 + i)
                             .arg(i + 1)
                             .arg(path)
                       : QStringLiteral("%1 1 0:%2 / %3 rw - nfs4 server:/export%2 rw,hard\n")
                             .arg(1000 + i)
                             .arg(500 + i)
                             .arg(path);
        out.write(line.toUtf8());
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

    UDisksClient client;
    while (!client.hasAnswered()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    QTemporaryDir base(QStringLiteral("/tmp/quillmere-bench-XXXXXX"));
    const QString table = base.filePath(QStringLiteral("mountinfo"));
    auto provider = std::make_shared<UDisksDescriptionProvider>(&client);
    UDisksDiskSource udisks(provider, VolumeResourceReader(), table);
    MountTableDiskSource mountTable(VolumeResourceReader(), table);
    out << "udisks2 " << (client.isAvailable() ? "present" : "absent") << ", "
        << client.objects().size() << " objects; median of 200 calls\n";
    out << "added mounts  mountinfo lines  volumes  UDisksDiskSource us (wall/cpu)  "
           "MountTableDiskSource us (wall/cpu)\n";

    const QList<std::pair<int, int>> rows{{0, 0}, {10, 0}, {50, 0}, {100, 0}, {95, 5}};
    for (const auto &[sticks, shares] : rows) {
        if (!writeTable(base.path(), table, sticks, shares)) {
            out << "cannot write " << table << "\n";
            return 1;
        }
        qsizetype volumes = 0;
        qsizetype ignored = 0;
        const auto [uWall, uCpu] = medianMicros(udisks, 200, &volumes);
        const auto [tWall, tCpu] = medianMicros(mountTable, 200, &ignored);
        const auto pair = [](double wall, double cpu) {
            return QString::number(wall, 'f', 0) + QLatin1Char('/') + QString::number(cpu, 'f', 0);
        };
        const QString added = shares == 0 ? QString::number(sticks)
                                          : QStringLiteral("%1+%2 nfs").arg(sticks).arg(shares);
        out << qSetFieldWidth(12) << added << qSetFieldWidth(17) << MountInfo::read(table).size()
            << qSetFieldWidth(9) << volumes << qSetFieldWidth(32) << pair(uWall, uCpu)
            << qSetFieldWidth(36) << pair(tWall, tCpu) << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    return 0;
}
