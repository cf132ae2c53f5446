#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// One line of the operation history.
struct HistoryEntry {
    QDateTime date;
    QString volumeName;
    QString deviceName;
    QString operation; // a VolumeOperation raw value, or "mount" / "unmount"
    bool ok = true;
    std::optional<QString> detail;
    // "started" for the line written when a long operation (an erase) begins, "cancelled" for
    // one whose password prompt was dismissed; absent on ordinary lines and in older files.
    std::optional<QString> state;

    bool operator==(const HistoryEntry &) const = default;
};

using HistoryEntryList = QList<HistoryEntry>;
