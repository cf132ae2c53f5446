#include "discovery/diskmerger.h"

namespace DiskMerger {

namespace {

const QLatin1String devPrefix("/dev/");
const QLatin1String diskPrefix("disk");

// Only ASCII digits count: a device name is never written with other scripts' digits.
bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiLower(QChar c)
{
    return c >= u'a' && c <= u'z';
}

// Length of the run of ASCII digits starting at from.
qsizetype digitRun(QStringView s, qsizetype from)
{
    qsizetype end = from;
    while (end < s.size() && isAsciiDigit(s[end]))
        ++end;
    return end - from;
}

bool isAllDigits(QStringView s)
{
    return !s.isEmpty() && digitRun(s, 0) == s.size();
}

// "disk4s2" style: "disk" and the leading digits.
std::optional<QString> wholeDiskOfDiskName(const QString &name)
{
    const qsizetype run = digitRun(name, diskPrefix.size());
    if (run == 0)
        return std::nullopt;
    return name.left(diskPrefix.size() + run);
}

// sd, hd, vd, xvd: letters name the disk, trailing digits the partition.
std::optional<QString> wholeDiskOfLetterName(const QString &name)
{
    static const QLatin1String families[] = {QLatin1String("xvd"), QLatin1String("sd"),
                                             QLatin1String("hd"), QLatin1String("vd")};
    for (QLatin1String family : families) {
        if (!name.startsWith(family))
            continue;
        qsizetype end = family.size();
        while (end < name.size() && isAsciiLower(name[end]))
            ++end;
        if (end == family.size())
            return std::nullopt;
        const QStringView rest = QStringView(name).mid(end);
        if (!rest.isEmpty() && !isAllDigits(rest))
            return std::nullopt;
        return name.left(end);
    }
    return std::nullopt;
}

// Families whose disk name ends in a digit, so a partition adds "p<digits>".
// Returns the length of the disk part of name, or 0 when name is not such a disk.
qsizetype diskLengthOfNumberedName(const QString &name)
{
    const QStringView s(name);
    qsizetype pos = 0;
    const auto take = [&](QLatin1String text) {
        if (!s.mid(pos).startsWith(text))
            return false;
        pos += text.size();
        return true;
    };
    const auto takeDigits = [&] {
        const qsizetype run = digitRun(s, pos);
        pos += run;
        return run > 0;
    };

    bool matched = false;
    if (take(QLatin1String("nvme")))
        matched = takeDigits() && take(QLatin1String("n")) && takeDigits();
    else if (take(QLatin1String("mmcblk")) || take(QLatin1String("loop")) ||
             take(QLatin1String("md")))
        matched = takeDigits();
    return matched ? pos : 0;
}

std::optional<QString> wholeDiskOfNumberedName(const QString &name)
{
    const qsizetype length = diskLengthOfNumberedName(name);
    if (length == 0)
        return std::nullopt;
    const QStringView rest = QStringView(name).mid(length);
    if (rest.isEmpty() || (rest.startsWith(u'p') && isAllDigits(rest.mid(1))))
        return name.left(length);
    return std::nullopt;
}

// Devices without partitions: optical drives and device-mapper targets.
bool isUnpartitionedName(const QString &name)
{
    if (name.startsWith(QLatin1String("sr")))
        return isAllDigits(QStringView(name).mid(2));
    if (name.startsWith(QLatin1String("dm-")))
        return isAllDigits(QStringView(name).mid(3));
    return false;
}

// The upper-case form of a present name is in set.
bool upperIn(const std::optional<QString> &text, const QSet<QString> &set)
{
    return text && set.contains(text->toUpper());
}

} // namespace

const QSet<QString> &helperPartitionNames()
{
    static const QSet<QString> names{QStringLiteral("EFI"), QStringLiteral("RECOVERY"),
                                     QStringLiteral("PREBOOT"), QStringLiteral("UPDATE"),
                                     QStringLiteral("VM")};
    return names;
}

const QSet<QString> &efiContentHints()
{
    // The GPT type GUID, the name some schemes use, and the MBR type 0xef.
    static const QSet<QString> hints{QStringLiteral("C12A7328-F81F-11D2-BA4B-00A0C93EC93B"),
                                     QStringLiteral("EFI"), QStringLiteral("0XEF")};
    return hints;
}

VolumeList unmountedVolumes(const UnmountedCandidateList &candidates,
                            const QSet<QString> &mountedDeviceNames,
                            const std::optional<QString> &bootWholeDiskName, UnmountedScope scope)
{
    QStringList names;
    names.reserve(candidates.size());
    for (const UnmountedCandidate &candidate : candidates)
        names.append(candidate.deviceName);
    const QSet<QString> sliced = slicedWholeDisks(names, mountedDeviceNames);

    VolumeList result;
    for (const UnmountedCandidate &c : candidates) {
        if (!shouldInclude(c, mountedDeviceNames, sliced, scope))
            continue;
        Volume v;
        v.id = c.deviceName;
        v.name = c.volumeName ? *c.volumeName : c.mediaName ? *c.mediaName : c.deviceName;
        v.deviceName = c.deviceName;
        v.capacityBytes = c.sizeBytes;
        v.isEjectable = c.isEjectable;
        v.kind = c.isDiskImage ? VolumeKind::diskImage : VolumeKind::external;
        v.isMounted = false;
        v.isRemovable = true;
        v.wholeDiskName = wholeDiskName(c.deviceName);
        v.volumeUUID = c.volumeUUID;
        v.fileSystemType = c.fileSystemType.value_or(QString());
        // Ejecting it detaches the image, as for a mounted one.
        v.traits.isDiskImage = c.isDiskImage;
        v.traits.sharesBootDevice =
            v.wholeDiskName && bootWholeDiskName && *v.wholeDiskName == *bootWholeDiskName;
        result.append(v);
    }
    return result;
}

bool shouldInclude(const UnmountedCandidate &c, const QSet<QString> &mountedDeviceNames,
                   const QSet<QString> &slicedWholeDisks, UnmountedScope scope)
{
    if (mountedDeviceNames.contains(c.deviceName) || !c.isRemovableOrExternal)
        return false;
    if (scope == UnmountedScope::offered) {
        if (c.isDiskImage || !c.isMountable || c.isSystemDevice)
            return false;
    } else if ((!c.isMountable && !c.isBlank) || (c.isSystemDevice && !c.isDiskImage)) {
        return false;
    }
    if (c.isWholeDisk && slicedWholeDisks.contains(c.deviceName))
        return false;
    // A present volume name is the only name tested, even if the media name would match.
    const std::optional<QString> &name = c.volumeName ? c.volumeName : c.mediaName;
    if (upperIn(name, helperPartitionNames()))
        return false;
    return !upperIn(c.contentHint, efiContentHints());
}

QSet<QString> slicedWholeDisks(const QStringList &candidateDeviceNames,
                               const QSet<QString> &mounted)
{
    QSet<QString> result;
    const auto add = [&result](const QString &name) {
        const std::optional<QString> whole = wholeDiskName(name);
        if (whole && *whole != name)
            result.insert(*whole);
    };
    for (const QString &name : mounted)
        add(name);
    for (const QString &name : candidateDeviceNames)
        add(name);
    return result;
}

std::optional<QString> wholeDiskName(const QString &deviceName)
{
    if (deviceName.startsWith(diskPrefix))
        return wholeDiskOfDiskName(deviceName);
    if (isUnpartitionedName(deviceName))
        return deviceName;
    if (std::optional<QString> whole = wholeDiskOfNumberedName(deviceName))
        return whole;
    return wholeDiskOfLetterName(deviceName);
}

QStringList partitionDeviceNames(const QString &wholeDisk, const QStringList &mountSources)
{
    if (wholeDisk.isEmpty())
        return {}; // "/dev/" alone would be the prefix of every device
    const QString device = devPrefix + wholeDisk;
    // The separator before a partition: "disk4s1", "nvme0n1p2", but "sdb1".
    QString separator;
    if (wholeDisk.startsWith(diskPrefix))
        separator = QStringLiteral("s");
    else if (isAsciiDigit(wholeDisk.back()))
        separator = QStringLiteral("p");

    QStringList result;
    for (const QString &source : mountSources) {
        bool taken = source == device;
        if (!taken && source.startsWith(device + separator)) {
            const QStringView rest = QStringView(source).mid(device.size() + separator.size());
            // The "disk" scheme takes anything after "s"; kernel names need the number.
            taken = wholeDisk.startsWith(diskPrefix) || isAllDigits(rest);
        }
        if (taken)
            result.append(source.mid(devPrefix.size()));
    }
    return result;
}

std::optional<QString> deviceName(const QString &mountSource)
{
    if (!mountSource.startsWith(devPrefix) || mountSource.size() == devPrefix.size())
        return std::nullopt;
    return mountSource.mid(devPrefix.size());
}

} // namespace DiskMerger
