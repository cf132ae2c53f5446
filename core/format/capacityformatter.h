#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// Byte counts as text in decimal units, with numbers in the default QLocale.
namespace CapacityFormatter {

QString humanBytes(qint64 bytes);
// Both amounts in the capacity's unit; a capacity below one byte gives 0%.
QString usageSummary(qint64 usedBytes, qint64 capacityBytes);
// An em dash when either value is unknown.
QString describe(std::optional<qint64> freeBytes, std::optional<qint64> totalBytes);

} // namespace CapacityFormatter
