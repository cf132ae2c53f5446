#pragma once

#include <QString>
#include <optional>

// What names a file system can hold as its label. A name that does not fit is refused, never
// cut: a cut could fall inside a character and leave a name nobody typed.
namespace VolumeNameRules {

struct Limit {
    enum class Unit { bytes, characters };

    // How the file system is called in messages ("ext4", "FAT").
    QString displayName;
    int maximum = 0;
    // Bytes of UTF-8, or UTF-16 code units (what Windows' file systems store).
    Unit unit = Unit::bytes;
    // Characters the file system cannot hold besides control characters.
    QString forbidden;
    bool asciiOnly = false;
};

// The limit of a file-system type as udisks2 or the mount table names it ("ext4", "vfat",
// "ntfs3"), or of an erase format ("MS-DOS FAT32"); none for a type without known rules.
std::optional<Limit> limit(const QString &fileSystemType);

// Why a file system of that type cannot take the name, as a sentence; none when it can.
// Control characters (line breaks, escape sequences) are refused on every file system.
std::optional<QString> problem(const QString &fileSystemType, const QString &name);

// Whether the file system takes a new label while it is mounted, as renaming (which is offered
// for mounted volumes) needs. XFS relabels only unmounted, so a mounted XFS volume is not
// offered Rename: unmounting someone's open files to rename them would surprise more than help.
bool relabelsWhileMounted(const QString &fileSystemType);

// Whether a label read back from a device is the name asked for. FAT and exFAT labels are
// compared as their tools store them, without case.
bool sameLabel(const QString &fileSystemType, const QString &found, const QString &asked);

} // namespace VolumeNameRules
