#pragma once

#include "model/mediatraits.h"
#include "model/volumekind.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

// A mounted file system, or an attached partition that is not mounted. Plain value;
// the empty string (not absence) marks "no mount path" and "no device".
struct Volume {
    QString id;
    QString name;
    QString mountPath;
    QString deviceName;
    std::optional<qint64> capacityBytes;
    std::optional<qint64> freeBytes;
    bool isEjectable = false;
    VolumeKind kind = VolumeKind::external;
    bool isMounted = false;
    bool isRemovable = false;
    std::optional<QString> wholeDiskName;
    std::optional<QString> volumeUUID;
    // As udisks2 or the mount table names it ("ext4", "vfat", "ntfs"); empty when unknown.
    // It decides which names the volume can take.
    QString fileSystemType;
    MediaTraits traits;

    bool operator==(const Volume &) const = default;
};

using VolumeList = QList<Volume>;
