#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The texts of the history table.
namespace HistoryFormatter {

// The display name of a logged operation or event; a word it does not know is shown as is.
QString operationName(const QString &operation);
// How long ago (or, for a clock set back, how far ahead) date lies from now, in the largest
// whole unit: "3 minutes ago", "1 day ago", "in 2 hours".
QString relativeTime(const QDateTime &date, const QDateTime &now);
// Date with the full year and the locale's own short time, in local time (a history line's
// tooltip): "31.01.2026, 10:15" in German.
QString absoluteTime(const QDateTime &date, const QLocale &locale = QLocale());

} // namespace HistoryFormatter
