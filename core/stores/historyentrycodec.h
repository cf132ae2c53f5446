#pragma once

#include "stores/historyentry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// One history line: compact JSON with the keys date, volumeName, deviceName, operation, ok and
// (when present) detail, in that order; the date in UTC with whole seconds and a "Z".
namespace HistoryEntryCodec {

// Without the line feed.
QByteArray encode(const HistoryEntry &entry);
// Absent when the line is not such an object; "\/" and "/" are both accepted.
std::optional<HistoryEntry> decode(QByteArrayView line);

QString formatDate(const QDateTime &date);
std::optional<QDateTime> parseDate(const QString &text);

} // namespace HistoryEntryCodec
