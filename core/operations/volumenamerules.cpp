#include "operations/volumenamerules.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

using Limit = VolumeNameRules::Limit;
using Unit = VolumeNameRules::Limit::Unit;

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

// A character as a message shows it: quoted, or named when it would be invisible.
QString shown(char32_t c)
{
    if (c == U' ')
        //: A character a volume name cannot contain
        return QCoreApplication::translate("VolumeNameRules", "spaces");
    return QStringLiteral("“%1”").arg(QString::fromUcs4(&c, 1));
}

} // namespace

namespace VolumeNameRules {

std::optional<Limit> limit(const QString &fileSystemType)
{
    const QString type = fileSystemType.trimmed().toLower();
    if (type == QLatin1String("ext2") || type == QLatin1String("ext3") ||
        type == QLatin1String("ext4"))
        return Limit{type, 16, Unit::bytes, {}, false};
    if (type == QLatin1String("xfs"))
        // xfs_admin takes the words of a label apart.
        return Limit{QStringLiteral("XFS"), 12, Unit::bytes, QStringLiteral(" "), false};
    static const QStringList fat{QStringLiteral("vfat"),        QStringLiteral("fat"),
                                 QStringLiteral("msdos"),       QStringLiteral("fat12"),
                                 QStringLiteral("fat16"),       QStringLiteral("fat32"),
                                 QStringLiteral("ms-dos fat32")};
    if (fat.contains(type))
        // Stored in the machine's code page, so only ASCII reads back the same everywhere.
        return Limit{QStringLiteral("FAT"), 11, Unit::bytes, QStringLiteral("*?/\\|.,;:+=[]<>\""),
                     true};
    if (type == QLatin1String("exfat"))
        return Limit{QStringLiteral("exFAT"), 11, Unit::characters, QStringLiteral("*?/\\|:<>\""),
                     false};
    if (type == QLatin1String("ntfs") || type == QLatin1String("ntfs3"))
        return Limit{QStringLiteral("NTFS"), 128, Unit::characters, {}, false};
    if (type == QLatin1String("btrfs"))
        return Limit{QStringLiteral("Btrfs"), 255, Unit::bytes, {}, false};
    return std::nullopt;
}

std::optional<QString> problem(const QString &fileSystemType, const QString &name)
{
    for (const char32_t c : name.toUcs4()) {
        if (isControl(c))
            //: Volume name refusal
            return QCoreApplication::translate(
                "VolumeNameRules",
                "Volume names can’t contain control characters such as line breaks or tabs.");
    }
    const std::optional<Limit> rules = limit(fileSystemType);
    if (!rules)
        return std::nullopt;
    for (const char32_t c : name.toUcs4()) {
        if (rules->forbidden.contains(QString::fromUcs4(&c, 1)))
            //: Volume name refusal; %1 is a file system ("FAT"), %2 a character
            return QCoreApplication::translate("VolumeNameRules",
                                               "Names of %1 volumes can’t contain %2.")
                .arg(rules->displayName, shown(c));
        if (rules->asciiOnly && c > 0x7e)
            //: Volume name refusal; %1 is a file system ("FAT"), %2 a character
            return QCoreApplication::translate("VolumeNameRules",
                                               "Names of %1 volumes can only contain letters A–Z, "
                                               "digits and plain punctuation, not %2.")
                .arg(rules->displayName, shown(c));
    }
    if (rules->unit == Unit::bytes) {
        const qsizetype bytes = name.toUtf8().size();
        if (bytes > rules->maximum)
            //: Volume name refusal; %1 is a file system ("ext4")
            return QCoreApplication::translate(
                       "VolumeNameRules",
                       "Names of %1 volumes can be at most %2 bytes long; this one has %3. "
                       "Letters with accents and other symbols take two bytes or more.")
                .arg(rules->displayName)
                .arg(rules->maximum)
                .arg(bytes);
    } else if (name.size() > rules->maximum) {
        //: Volume name refusal; %1 is a file system ("NTFS")
        return QCoreApplication::translate(
                   "VolumeNameRules",
                   "Names of %1 volumes can be at most %2 characters long; this one has %3.")
            .arg(rules->displayName)
            .arg(rules->maximum)
            .arg(name.size());
    }
    return std::nullopt;
}

bool relabelsWhileMounted(const QString &fileSystemType)
{
    return fileSystemType != QLatin1String("xfs");
}

bool sameLabel(const QString &fileSystemType, const QString &found, const QString &asked)
{
    const bool foldCase =
        fileSystemType == QLatin1String("vfat") || fileSystemType == QLatin1String("exfat");
    return found.compare(asked, foldCase ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
}

} // namespace VolumeNameRules
