#pragma once

#include "operations/operationerror.h"

#include <QList>
#include <QString>

// What a failed eject did, told from what was mounted on the volume's disk before it and what
// is mounted there afterwards, so a user is never told "couldn’t eject" about a volume that
// is gone, nor only "target is busy" when one of two volumes was unmounted.
namespace EjectTruth {

struct Mount {
    QString deviceName; // sdb1
    QString name;       // what the user knows it by: its label, else its device name

    bool operator==(const Mount &) const = default;
};
using Mounts = QList<Mount>;

// The failure's detail: reason alone when nothing changed; otherwise what was unmounted and
// what was not ("“A” was unmounted; “B” on the same disk is busy (…)", "“A” was unmounted,
// but …").
QString detail(const QString &deviceName, const QString &volumeName, const Mounts &before,
               const Mounts &after, OperationError error, const QString &reason);

} // namespace EjectTruth
