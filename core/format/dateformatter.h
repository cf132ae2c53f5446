#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Dates for people, in local time and the locale's own order and separators.
namespace DateFormatter {

// Date with the full year and time with seconds: 04.03.2025 14:05:06 in German, 3/4/2025
// 2:05:06 PM in American English, 2025/03/04 14:05:06 in Japanese.
QString medium(const QDateTime &date, const QLocale &locale = QLocale());
// The locale's short date format with the full year: dd.MM.yyyy, M/d/yyyy, yyyy/MM/dd.
QString fullYearDateFormat(const QLocale &locale);
// The format medium writes with: the locale's short formats, widened to the full year and
// seconds.
QString mediumFormat(const QLocale &locale);

} // namespace DateFormatter
