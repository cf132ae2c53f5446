// quillmere-cli list against udisksctl status (the budget: at most 1.0 times its time) and
// against findmnt -J followed by lsblk -J (the floor), run alternately on the same devices so
// that drift of the machine (other load, caches) falls on every side alike.
//   bench_cli_list [--runs N] [quillmere-cli ...]
// Prints the median wall time of each side and the ratios of each quillmere-cli to udisksctl
// status and to the pair; several builds of quillmere-cli (before and after a change) are
// compared in one run.
// bench_floor_step1, _step2 and _step3 (built beside it) are what any Qt program pays for the
// toolkit, then the system bus connection, then udisks2's object list; given as further
// commands they show where the time of a list goes:
//   bench_cli_list ../cli/quillmere-cli bench_floor_step1 bench_floor_step2 bench_floor_step3
// Run it with udisks2 on the system bus, as users have it.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

// Wall time of one run in microseconds, output discarded; -1 when it did not exit with 0.
qint64 timeRun(const std::vector<std::string> &command)
{
    std::vector<char *> argv;
    for (const std::string &part : command)
        argv.push_back(const_cast<char *>(part.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return timer.nsecsElapsed() / 1000;
}

double median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    int runs = 100;
    if (arguments.size() >= 2 && arguments.first() == QLatin1String("--runs")) {
        runs = std::max(1, arguments.at(1).toInt());
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty())
        arguments.append(
            QDir(app.applicationDirPath()).filePath(QStringLiteral("../cli/quillmere-cli")));
    std::vector<std::vector<std::string>> lists;
    for (const QString &cli : std::as_const(arguments)) {
        if (!QFileInfo(cli).isExecutable()) {
            std::fprintf(stderr, "bench_cli_list: %s is not built\n", qPrintable(cli));
            return 1;
        }
        lists.push_back({QFile::encodeName(cli).toStdString(), "list"});
    }
    const std::vector<std::string> findmnt{"findmnt", "-J"};
    const std::vector<std::string> lsblk{"lsblk", "-J"};
    const std::vector<std::string> udisksctl{"udisksctl", "status"};

    // Each run times every side once; the order rotates, so that no side always runs first
    // or right after the same other one. The last two sides are udisksctl, then the pair.
    const size_t sides = lists.size() + 2;
    const auto timeSide = [&](size_t side) -> qint64 {
        if (side < lists.size())
            return timeRun(lists[side]);
        if (side == lists.size())
            return timeRun(udisksctl);
        const qint64 a = timeRun(findmnt);
        const qint64 b = timeRun(lsblk);
        return a < 0 || b < 0 ? -1 : a + b;
    };
    std::vector<std::vector<qint64>> times(sides);
    for (int i = -5; i < runs; ++i) {
        for (size_t k = 0; k < sides; ++k) {
            const size_t side = (k + size_t(std::max(i, 0))) % sides;
            const qint64 t = timeSide(side);
            if (t < 0) {
                std::fprintf(stderr, "bench_cli_list: a run failed (is udisks2 on the bus?)\n");
                return 1;
            }
            // The first rounds only warm the caches.
            if (i >= 0)
                times[side].push_back(t);
        }
    }
    const double reference = median(times.back());
    const double status = median(times[lists.size()]);
    std::printf("%d rounds, medians; each \"list\" against udisksctl status (budget 1.00) and\n"
                "against findmnt -J + lsblk -J (the floor):\n",
                runs);
    std::printf("  %-52s %8.0f us\n", "udisksctl status", status);
    std::printf("  %-52s %8.0f us\n", "findmnt -J + lsblk -J", reference);
    for (size_t k = 0; k < lists.size(); ++k) {
        const double t = median(times[k]);
        std::printf("  %-52s %8.0f us  ratio to udisksctl %.2f, to the pair %.2f\n",
                    qPrintable(arguments.at(int(k))), t, t / status, t / reference);
    }
    return 0;
}
