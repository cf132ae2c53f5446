// A mount whose server never answers (as a hard NFS mount whose server is gone): the list
// still arrives, in this process and from quillmere-cli, and the mount shows no capacity. The
// mount is a FUSE file system served by this test over /dev/fuse (no libfuse) that answers
// everything but statfs; it lives in a mount namespace of the test's own, so no other program
// on the machine ever meets it.
#include "capacityprobe.h"
#include "mounttabledisksource.h"
#include "volumeresources.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <linux/fuse.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

bool g_isolated = false;

// Serves a FUSE mount that never answers FUSE_STATFS. Requests that need no answer to go on
// (INIT, GETATTR of the root) are answered; everything else is refused.
class HangingFuse {
public:
    ~HangingFuse() { stop(); }

    bool start(const QString &mountPoint, QString *error)
    {
        m_mountPoint = QFile::encodeName(mountPoint);
        m_fd = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
        if (m_fd < 0) {
            *error = QStringLiteral("/dev/fuse: ") + QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        const QByteArray options =
            QByteArrayLiteral("fd=") + QByteArray::number(m_fd) +
            QByteArrayLiteral(",rootmode=40000,user_id=0,group_id=0,allow_other");
        if (::mount("qmhang", m_mountPoint.constData(), "fuse.qmhang", MS_NOSUID | MS_NODEV,
                    options.constData()) != 0) {
            *error = QStringLiteral("mount: ") + QString::fromLocal8Bit(std::strerror(errno));
            ::close(m_fd);
            m_fd = -1;
            return false;
        }
        m_mounted = true;
        m_server = std::thread([this] { serve(); });
        return true;
    }

    void stop()
    {
        if (m_mounted) {
            // Aborts the connection: every statfs still waiting fails, and the server's read ends.
            ::umount2(m_mountPoint.constData(), MNT_FORCE);
            ::umount2(m_mountPoint.constData(), MNT_DETACH);
            m_mounted = false;
        }
        if (m_server.joinable()) {
            m_server.join();
        }
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }

    int statfsRequests() const { return m_statfsRequests; }

private:
    void reply(quint64 unique, int error, const void *body = nullptr, size_t size = 0)
    {
        fuse_out_header header{};
        header.len = static_cast<uint32_t>(sizeof header + size);
        header.error = -error;
        header.unique = unique;
        QByteArray out(reinterpret_cast<const char *>(&header), sizeof header);
        if (body != nullptr) {
            out.append(static_cast<const char *>(body), static_cast<qsizetype>(size));
        }
        [[maybe_unused]] const ssize_t written = ::write(m_fd, out.constData(), out.size());
    }

    void serve()
    {
        std::vector<char> buffer(FUSE_MIN_READ_BUFFER + 128 * 1024);
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer.data(), buffer.size());
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < static_cast<ssize_t>(sizeof(fuse_in_header))) {
                return; // unmounted or aborted
            }
            fuse_in_header in{};
            std::memcpy(&in, buffer.data(), sizeof in);
            switch (in.opcode) {
            case FUSE_INIT: {
                fuse_init_out init{};
                init.major = FUSE_KERNEL_VERSION;
                init.minor = FUSE_KERNEL_MINOR_VERSION;
                init.max_write = 4096;
                init.max_background = 16;
                init.congestion_threshold = 12;
                init.time_gran = 1;
                reply(in.unique, 0, &init, sizeof init);
                break;
            }
            case FUSE_GETATTR: {
                fuse_attr_out attr{};
                attr.attr_valid = 3600;
                attr.attr.ino = FUSE_ROOT_ID;
                attr.attr.mode = 040755;
                attr.attr.nlink = 2;
                reply(in.unique, 0, &attr, sizeof attr);
                break;
            }
            case FUSE_STATFS:
                ++m_statfsRequests; // never answered
                break;
            case FUSE_FORGET:
            case FUSE_BATCH_FORGET:
            case FUSE_INTERRUPT:
                break;
            default:
                reply(in.unique, ENOSYS);
                break;
            }
        }
    }

    QByteArray m_mountPoint;
    int m_fd = -1;
    bool m_mounted = false;
    std::thread m_server;
    std::atomic<int> m_statfsRequests{0};
};

// Runs job on a thread of its own that is left behind if it hangs (the mount going away at the
// end of the test releases it), so that a hang fails the test instead of freezing it.
template <typename Job> auto detached(Job job)
{
    using Result = decltype(job());
    auto promise = std::make_shared<std::promise<Result>>();
    std::future<Result> future = promise->get_future();
    std::thread([promise, job = std::move(job)] { promise->set_value(job()); }).detach();
    return future;
}

const Volume *volumeAt(const VolumeList &volumes, const QString &path)
{
    for (const Volume &v : volumes) {
        if (v.mountPath == path) {
            return &v;
        }
    }
    return nullptr;
}

} // namespace

class TestHangingMounts : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_mountPoint;
    HangingFuse m_fuse;
    QString m_skipReason;

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0) {
            m_skipReason = QStringLiteral(
                "Mounting the test's FUSE file system needs root; not root, so skipped.");
            return;
        }
        if (!g_isolated) {
            m_skipReason = QStringLiteral("No mount namespace of the test's own; the hanging "
                                          "mount is not made where other programs meet it.");
            return;
        }
        QVERIFY(m_dir.isValid());
        m_mountPoint = m_dir.filePath(QStringLiteral("server gone"));
        QVERIFY(QDir().mkpath(m_mountPoint));
        QString error;
        QVERIFY2(m_fuse.start(m_mountPoint, &error), qPrintable(error));
    }

    void init()
    {
        if (!m_skipReason.isEmpty() &&
            QByteArray(QTest::currentTestFunction()) != "capacityOfFileSystemsThatAnswer") {
            QSKIP(qPrintable(m_skipReason));
        }
    }

    void cleanupTestCase() { m_fuse.stop(); }

    void capacityOfFileSystemsThatAnswer()
    {
        CapacityProbe probe(2s);
        const QString temporary = QDir::tempPath();
        probe.start({QStringLiteral("/"), temporary});
        const auto root = probe.read(QStringLiteral("/"));
        QVERIFY(root);
        QVERIFY(root->total > 0 && root->available >= 0 && root->available <= root->total);
        QCOMPARE(root->total, CapacityProbe::readNow("/")->total);
        QVERIFY(probe.read(temporary));
        // Not started before: read starts it.
        QVERIFY(probe.read(QStringLiteral("/")));
        QVERIFY(!probe.read(QStringLiteral("/no/such/folder")));
        QCOMPARE(probe.hangingReads(), 0);
    }

    // Without this the test would prove nothing.
    void statvfsOfTheMountReallyHangs()
    {
        auto read = detached([path = QFile::encodeName(m_mountPoint)] {
            struct statvfs fs {};
            return ::statvfs(path.constData(), &fs);
        });
        QVERIFY(read.wait_for(1500ms) == std::future_status::timeout);
        QVERIFY(QTest::qWaitFor([this] { return m_fuse.statfsRequests() > 0; }, 5000));
    }

    void theListArrivesWithinASecondAndTheMountHasNoCapacity()
    {
        CapacityProbe probe;
        auto source = std::make_shared<MountTableDiskSource>(
            VolumeResourceReader(SysfsReader(), QString(), probe));
        for (int pass = 0; pass < 2; ++pass) {
            auto listing = detached([source] { return source->currentVolumes(); });
            QVERIFY2(listing.wait_for(1s) == std::future_status::ready,
                     "the list did not arrive within a second");
            const VolumeList volumes = listing.get();
            const Volume *hanging = volumeAt(volumes, m_mountPoint);
            QVERIFY(hanging);
            QVERIFY(!hanging->capacityBytes);
            QVERIFY(!hanging->freeBytes);
            // Local file systems still show theirs.
            const Volume *root = volumeAt(volumes, QStringLiteral("/"));
            QVERIFY(root);
            QVERIFY(root->capacityBytes && *root->capacityBytes > 0);
            // The read that hangs is not asked again.
            QCOMPARE(probe.hangingReads(), 1);
        }
    }

    void quillmereCliListArrivesAndShowsNoCapacity()
    {
        const QString cli = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                            QStringLiteral("/../cli/quillmere-cli"));
        QVERIFY2(QFileInfo(cli).isExecutable(), qPrintable(cli + QStringLiteral(" not built")));
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        // No disk service: this is about the mount table alone.
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                   QStringLiteral("unix:path=") + home.filePath(QStringLiteral("no-bus")));
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(cli,
                      {QStringLiteral("list"), QStringLiteral("--all"), QStringLiteral("--json")});
        // A hang would be forever; this bound only tells one from a slow start.
        if (!process.waitForFinished(15000)) {
            process.kill();
            process.waitForFinished();
            QFAIL("quillmere-cli list hangs on the mount");
        }
        QCOMPARE(process.exitCode(), 0);
        bool found = false;
        const QJsonArray volumes = QJsonDocument::fromJson(process.readAllStandardOutput()).array();
        for (const QJsonValue &value : volumes) {
            const QJsonObject volume = value.toObject();
            if (volume.value(QLatin1String("mountPath")).toString() == m_mountPoint) {
                found = true;
                QVERIFY(!volume.contains(QLatin1String("capacityBytes")));
                QVERIFY(!volume.contains(QLatin1String("freeBytes")));
            }
        }
        QVERIFY2(found, "the hanging mount is not listed");
    }
};

int main(int argc, char *argv[])
{
    // Before any thread exists: a mount namespace can only be entered by a single thread.
    g_isolated = ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
                 ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    QCoreApplication app(argc, argv);
    TestHangingMounts test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hangingmounts.moc"
