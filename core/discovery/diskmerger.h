#pragma once

#include "discovery/unmountedcandidate.h"
#include "model/volume.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// Which unmounted partitions are offered for remounting, and how device names relate
// to their whole disk. Device names are either "disk4s2" style or Linux kernel names
// ("sdb1", "nvme0n1p2", "mmcblk0p1", "loop3p1", "sr0", "md127", "dm-2").
namespace DiskMerger {

// Upper-case names of helper partitions that are never offered.
const QSet<QString> &helperPartitionNames();
// Upper-case content hints of an EFI system partition.
const QSet<QString> &efiContentHints();

// Which unmounted devices are listed: those offered for remounting, or also whatever else is
// attached and could be acted on (an attached disk image's partitions, a partition an
// interrupted erase left blank), for a command line asked to show everything.
enum class UnmountedScope { offered, everythingAttached };

// One unmounted volume per included candidate, in candidate order: external, or a disk image.
VolumeList unmountedVolumes(const UnmountedCandidateList &candidates,
                            const QSet<QString> &mountedDeviceNames,
                            const std::optional<QString> &bootWholeDiskName,
                            UnmountedScope scope = UnmountedScope::offered);

bool shouldInclude(const UnmountedCandidate &candidate, const QSet<QString> &mountedDeviceNames,
                   const QSet<QString> &slicedWholeDisks,
                   UnmountedScope scope = UnmountedScope::offered);

// Whole disks of which at least one partition is mounted or a candidate.
QSet<QString> slicedWholeDisks(const QStringList &candidateDeviceNames,
                               const QSet<QString> &mounted);

// A whole disk maps to itself; a name of no known scheme has none.
std::optional<QString> wholeDiskName(const QString &deviceName);

// The device names among mountSources ("/dev/sdb1") that are the whole disk or one of
// its partitions, in list order.
QStringList partitionDeviceNames(const QString &wholeDisk, const QStringList &mountSources);

// "/dev/sdb1" gives "sdb1"; anything not below /dev/ gives none.
std::optional<QString> deviceName(const QString &mountSource);

} // namespace DiskMerger
