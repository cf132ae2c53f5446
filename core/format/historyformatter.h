#pragma once

#include <QDateTime>
#include <QString>

// The texts of the history table.
namespace HistoryFormatter {

// The display name of a logged operation or event; a word it does not know is shown as is.
QString operationName(const QString &operation);
// How long ago (or, for a clock set back, how far ahead) date lies from now, in the largest
// whole unit: "3 minutes ago", "1 day ago", "in 2 hours".
QString relativeTime(const QDateTime &date, const QDateTime &now);
// Date and time in local time with seconds, in the user's locale.
QString absoluteTime(const QDateTime &date);

} // namespace HistoryFormatter
