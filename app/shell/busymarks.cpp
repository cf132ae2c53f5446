#include "busymarks.h"

#include <QTimer>

BusyMarks::BusyMarks(std::chrono::milliseconds settleTime, QObject *parent)
    : QObject(parent), m_settleTime(settleTime)
{
}

void BusyMarks::markSettling(const QString &id)
{
    m_ids.insert(id);
    // The timer belongs to this object: it dies with it and then does nothing.
    QTimer::singleShot(m_settleTime, this, [this, id] {
        m_ids.remove(id);
        if (onSettled)
            onSettled();
    });
}
