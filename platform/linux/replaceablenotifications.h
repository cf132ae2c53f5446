#pragma once

#include <QString>
#include <QtGlobal>
#include <qcoro/qcorotask.h>

// Notifications that a later one replaces in place, or that are taken away: a notice of work
// in progress and its outcome. Nothing is shown where the desktop has no notification server.
class ReplaceableNotifications {
public:
    virtual ~ReplaceableNotifications() = default;

    // Shows a notification, in place of `replacesId` when that is not 0; `untilReplaced` keeps
    // it up until it is replaced or closed. The id it got, 0 when nothing was shown.
    virtual QCoro::Task<quint32> show(QString title, QString body, quint32 replacesId,
                                      bool untilReplaced) = 0;
    virtual void close(quint32 id) = 0;
};
