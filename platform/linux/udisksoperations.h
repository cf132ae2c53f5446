#pragma once

#include "mountinfo.h"

#include "operations/commandresult.h"
#include "operations/diskoperations.h"
#include "operations/ejecttruth.h"

#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <optional>

class UDisksClient;

// The volume operations over udisks2: unmount, mount, relabel, format, locking of encrypted
// devices and loop deletion on the system bus, `umount` for mounts that udisks2 does not manage,
// and `lsof` for the processes that hold a volume. A refused unmount or lock after which the
// device is no longer mounted or unlocked counts as done (a concurrent eject of the same disk got
// there first). Everything runs on the main thread as coroutines that wait for replies and child
// processes, so several operations may be in flight at once. The client must outlive every
// operation started here. Every refusal of udisks2 and every failed tool is logged as a warning
// (quillmere.udisks, quillmere.tools) with the device or path and the error.
//
// The code: udisksoperations.cpp (eject's choice, remount, rename, blockers, the mount table,
// the logged calls), udisksunmounting.cpp (unmount and lock sequences, disk images),
// udiskserase.cpp (erase), udiskserrors.cpp (udisks2's errors as results) and
// udisksoperationsupport.cpp (the refusal texts they share).
class UDisksOperations : public DiskOperations {
public:
    // Calls that change something may ask for a password and wait as long as the user takes;
    // the client ends them when udisks2 stops answering. Questions that change nothing and need
    // no authorization have a limit.
    static constexpr int queryTimeoutMs = 10 * 1000;
    static constexpr double toolTimeoutSeconds = 10.0;

    static constexpr const char *lsofPath = "/usr/bin/lsof";
    static constexpr const char *umountPath = "/usr/bin/umount";
    static constexpr const char *fusermountPath = "/usr/bin/fusermount3";

    explicit UDisksOperations(UDisksClient *client,
                              QString mountInfoPath = QString::fromLatin1(MountInfo::defaultPath));

    QCoro::Task<OperationResult> eject(Volume volume, bool force) override;
    QCoro::Task<OperationResult> remount(Volume volume) override;
    QCoro::Task<OperationResult> rename(Volume volume, QString newName) override;
    QCoro::Task<OperationResult> erase(Volume volume, QString format, QString newName) override;
    QCoro::Task<BlockerList> blockers(Volume volume) override;
    // The erase formats whose file system udisks2 can make here (Manager.CanFormat).
    QCoro::Task<QStringList> availableEraseFormats() override;

    // Every erase format, in the order offered to the user, the default first: the one list
    // that the erase panel, the command line and the operations share.
    static const QStringList &eraseFormats();
    // The file-system type udisks2 is asked for; names it does not know are passed unchanged.
    static QString filesystemType(const QString &eraseFormat);

    struct MountedPartition {
        QString deviceName;
        QString mountPath;
        bool operator==(const MountedPartition &) const = default;
    };
    using MountedPartitions = QList<MountedPartition>;

    // The other partitions an eject unmounts: all but the volume's own and those that hold the
    // running system.
    static QStringList siblingsToUnmount(const QString &deviceName,
                                         const MountedPartitions &mountedOnDevice);
    // True when one of them is a mount point of the running system: the drive stays in use.
    static bool holdsSystem(const MountedPartitions &mountedOnDevice);
    // What is mounted from the whole disk, in mount-table order (repeats kept); an unlocked
    // encrypted device counts as on the disk of the device it unlocks.
    MountedPartitions mountedPartitions(const QString &wholeDiskName) const;

    // A reply of udisks2 as a result: its error message on refusal, or the refusal text with a
    // status when the error carries none.
    static OperationResult result(const QDBusMessage &reply);
    // The program and arguments that unmount a path that udisks2 does not manage.
    static QStringList pathUnmountCommand(const QString &path, const QString &fsType, bool force);

private:
    // A udisks2 method that changes something; a refusal is logged with the device and the
    // D-Bus error name. (Questions that change nothing go to the client directly, unlogged.)
    QCoro::Task<QDBusMessage> request(QString object, QString interface, QString method,
                                      QVariantList arguments, int timeoutMs);
    // An external tool with the operations' time limit; a time-out, a failed start or an exit
    // status outside succeeding is logged with the command and the first line of its errors.
    static QCoro::Task<CommandResult> runTool(QString program, QStringList arguments,
                                              QList<int> succeeding);
    QCoro::Task<OperationResult> unmountDevice(QString deviceName, bool force);
    QCoro::Task<OperationResult> unmountPath(QString path, bool force);
    // The eject the volume's policy asks for, before its failure is told.
    QCoro::Task<OperationResult> ejectVolume(Volume volume, bool force);
    // What is mounted on the volume's disk now, by the names the user knows.
    EjectTruth::Mounts mountsOnDisk(const Volume &volume) const;
    QCoro::Task<OperationResult> ejectPartition(Volume volume, bool force);
    QCoro::Task<OperationResult> detachImage(Volume volume, bool force);
    QCoro::Task<BlockerList> listBlockers(QStringList arguments);
    // Unmounts every mount from wholeDisk (only of onlyDevice when given), one at a time.
    // Named steps report a time-out with the step's name.
    QCoro::Task<OperationResult> unmountAll(QString wholeDisk, QString onlyDevice, bool force,
                                            bool namedSteps);

    // Locks every unlocked encrypted device on the whole disk, and the device itself when it is
    // an unlocked one (nothing of which may be mounted any more), so that nothing decrypted is
    // left when the drive is pulled.
    QCoro::Task<OperationResult> lockEncryptedDevices(QString wholeDisk, QString device);
    QCoro::Task<bool> isUnlocked(QString encryptedObject);
    // Mounts a file system again after a failed erase.
    QCoro::Task<OperationResult> mount(QString blockObject);
    // The program udisks2 lacks to make a file system of this type (possibly unnamed), or none
    // when it can make it or cannot tell.
    QCoro::Task<std::optional<QString>> missingTool(QString fileSystemType);

    bool isMounted(const QString &deviceName) const;
    // The device an unlocked encrypted device is built on, through stacked ones.
    QString physicalDevice(const QString &deviceName) const;
    // The kernel name of a mount source, also where only udisks2 knows the link.
    std::optional<QString> mountedDevice(const QString &source) const;
    // True once udisks2 answered and is on the bus: the counterpart of an open session.
    QCoro::Task<bool> sessionReady();
    QString mountedBlockObject(const QString &deviceName) const;

    UDisksClient *m_client;
    QString m_mountInfoPath;
};
