#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// A process holding files open on a volume, as the open-files lister printed it.
struct Blocker {
    qint64 pid = 0;
    QString command; // empty when the lister printed none

    bool operator==(const Blocker &) const = default;
};

using BlockerList = QList<Blocker>;
