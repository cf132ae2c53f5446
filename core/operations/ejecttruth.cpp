#include "operations/ejecttruth.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

bool holds(const EjectTruth::Mounts &mounts, const QString &deviceName)
{
    return std::any_of(mounts.cbegin(), mounts.cend(), [&deviceName](const EjectTruth::Mount &m) {
        return m.deviceName == deviceName;
    });
}

QString quoted(const QStringList &names)
{
    QStringList out;
    for (const QString &name : names) {
        out.append(QStringLiteral("“%1”").arg(name));
    }
    return out.join(QLatin1String(", "));
}

} // namespace

QString EjectTruth::detail(const QString &deviceName, const QString &volumeName,
                           const Mounts &before, const Mounts &after, OperationError error,
                           const QString &reason)
{
    QStringList unmounted;
    QStringList left;
    bool ownUnmounted = false;
    for (const Mount &mount : before) {
        const bool gone = !holds(after, mount.deviceName);
        if (mount.deviceName == deviceName) {
            ownUnmounted = gone;
            continue;
        }
        QStringList &list = gone ? unmounted : left;
        if (!list.contains(mount.name)) {
            list.append(mount.name);
        }
    }
    if (ownUnmounted) {
        unmounted.prepend(volumeName);
    }
    if (unmounted.isEmpty()) {
        return reason;
    }
    if (!ownUnmounted) {
        //: A failed eject; %1 lists the volumes that were unmounted ("“A”, “B”), %2 is the
        //: volume that was not, %3 why
        return QCoreApplication::translate("EjectTruth",
                                           "%1 was unmounted, but “%2” couldn’t be: %3", nullptr,
                                           int(unmounted.size()))
            .arg(quoted(unmounted), volumeName, reason);
    }
    if (left.isEmpty()) {
        //: A failed eject after its volumes were unmounted; %1 lists them, %2 says why
        return QCoreApplication::translate("EjectTruth",
                                           "%1 was unmounted, but the eject didn’t finish: %2",
                                           nullptr, int(unmounted.size()))
            .arg(quoted(unmounted), reason);
    }
    if (error == OperationError::busy) {
        //: A failed eject; %1 lists the volumes that were unmounted, %2 those still mounted,
        //: %3 udisks2's reason ("target is busy")
        return QCoreApplication::translate("EjectTruth",
                                           "%1 was unmounted; %2 on the same disk "
                                           "is busy (%3).",
                                           nullptr, int(unmounted.size()))
            .arg(quoted(unmounted), quoted(left), reason);
    }
    //: A failed eject; %1 lists the volumes that were unmounted, %2 those still mounted, %3 why
    return QCoreApplication::translate("EjectTruth",
                                       "%1 was unmounted, but %2 on the same disk couldn’t be: %3",
                                       nullptr, int(unmounted.size()))
        .arg(quoted(unmounted), quoted(left), reason);
}
