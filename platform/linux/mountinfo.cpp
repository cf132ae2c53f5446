#include "mountinfo.h"

#include <QFile>
#include <QHash>
#include <QSet>

namespace MountInfo {

namespace {

bool isOctal(char c)
{
    return c >= '0' && c <= '7';
}

QList<QByteArrayView> splitFields(QByteArrayView line)
{
    QList<QByteArrayView> fields;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        const bool space = i == line.size() || line[i] == ' ';
        if (space && start >= 0) {
            fields.append(line.sliced(start, i - start));
            start = -1;
        } else if (!space && start < 0) {
            start = i;
        }
    }
    return fields;
}

std::optional<MountInfoEntry> parseLine(QByteArrayView line)
{
    const QList<QByteArrayView> fields = splitFields(line);
    // Six fixed fields, optional tagged fields, "-", then type, source and super options.
    qsizetype separator = -1;
    for (qsizetype i = 6; i < fields.size(); ++i) {
        if (fields[i] == "-") {
            separator = i;
            break;
        }
    }
    if (separator < 0 || fields.size() < separator + 3) {
        return std::nullopt;
    }
    bool okId = false;
    bool okParent = false;
    MountInfoEntry entry;
    entry.mountId = fields[0].toInt(&okId);
    entry.parentId = fields[1].toInt(&okParent);
    if (!okId || !okParent) {
        return std::nullopt;
    }
    entry.majorMinor = QString::fromLatin1(fields[2]);
    entry.root = decodeField(fields[3]);
    entry.mountPoint = decodeField(fields[4]);
    entry.mountOptions = decodeField(fields[5]);
    entry.fsType = decodeField(fields[separator + 1]);
    entry.source = decodeField(fields[separator + 2]);
    if (fields.size() > separator + 3) {
        entry.superOptions = decodeField(fields[separator + 3]);
    }
    return entry;
}

bool isInsideOrEqual(const QString &path, const QString &root)
{
    if (root == QLatin1String("/") || path == root) {
        return true;
    }
    return path.startsWith(root) && path.at(root.size()) == QLatin1Char('/');
}

} // namespace

QString decodeField(QByteArrayView field)
{
    if (!field.contains('\\')) {
        return QString::fromUtf8(field);
    }
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            bytes.append(char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                              (field[i + 3] - '0')));
            i += 3;
        } else {
            bytes.append(field[i]);
        }
    }
    return QString::fromUtf8(bytes);
}

MountInfoList parse(QByteArrayView text)
{
    MountInfoList entries;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) {
            end = text.size();
        }
        if (auto entry = parseLine(text.sliced(start, end - start))) {
            entries.append(*entry);
        }
        start = end + 1;
    }
    return entries;
}

MountInfoList read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // A proc file reports no size; readAll() reads until the end.
    return parse(file.readAll());
}

bool isKernelFileSystemType(const QString &fsType)
{
    static const QSet<QString> types = {
        QStringLiteral("proc"),      QStringLiteral("sysfs"),      QStringLiteral("devtmpfs"),
        QStringLiteral("devpts"),    QStringLiteral("tmpfs"),      QStringLiteral("cgroup"),
        QStringLiteral("cgroup2"),   QStringLiteral("overlay"),    QStringLiteral("debugfs"),
        QStringLiteral("tracefs"),   QStringLiteral("securityfs"), QStringLiteral("pstore"),
        QStringLiteral("bpf"),       QStringLiteral("configfs"),   QStringLiteral("fusectl"),
        QStringLiteral("mqueue"),    QStringLiteral("hugetlbfs"),  QStringLiteral("binfmt_misc"),
        QStringLiteral("efivarfs"),  QStringLiteral("nsfs"),       QStringLiteral("ramfs"),
        QStringLiteral("rpc_pipefs")};
    return types.contains(fsType);
}

bool isNotAVolume(const MountInfoEntry &entry)
{
    if (entry.mountPoint == QLatin1String("/")) {
        return false;
    }
    return isKernelFileSystemType(entry.fsType) ||
           entry.fsType == QLatin1String("fuse.gvfsd-fuse") ||
           entry.fsType == QLatin1String("fuse.portal");
}

MountInfoList volumeMounts(const MountInfoList &entries)
{
    MountInfoList result;
    QHash<QString, qsizetype> lastAtPoint;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        lastAtPoint.insert(entries[i].mountPoint, i);
    }
    QHash<QString, QStringList> rootsByDevice;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const MountInfoEntry &entry = entries[i];
        if (entry.fsType == QLatin1String("autofs") || isNotAVolume(entry) ||
            lastAtPoint.value(entry.mountPoint) != i) {
            continue;
        }
        QStringList &roots = rootsByDevice[entry.majorMinor];
        const bool repeated = std::any_of(roots.cbegin(), roots.cend(), [&](const QString &r) {
            return isInsideOrEqual(entry.root, r);
        });
        if (repeated) {
            continue;
        }
        roots.append(entry.root);
        result.append(entry);
    }
    return result;
}

const MountInfoEntry *visibleAt(const MountInfoList &entries, const QString &mountPoint)
{
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        if (it->mountPoint == mountPoint) {
            return &*it;
        }
    }
    return nullptr;
}

} // namespace MountInfo
