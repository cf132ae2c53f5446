#include "format/dateformatter.h"

#include <QRegularExpression>

namespace {

QString withFullYear(QString format)
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(twoDigitYear, QStringLiteral("yyyy"));
}

// Seconds follow the minutes with the separator the locale puts before the minutes.
QString withSeconds(QString format)
{
    if (format.contains(QLatin1Char('s')))
        return format;
    const qsizetype minutes = format.indexOf(QLatin1String("mm"));
    if (minutes < 0)
        return format;
    QChar separator = QLatin1Char(':');
    if (minutes > 0 && !format.at(minutes - 1).isLetter())
        separator = format.at(minutes - 1);
    return format.insert(minutes + 2, separator + QStringLiteral("ss"));
}

} // namespace

QString DateFormatter::fullYearDateFormat(const QLocale &locale)
{
    return withFullYear(locale.dateFormat(QLocale::ShortFormat));
}

QString DateFormatter::mediumFormat(const QLocale &locale)
{
    return fullYearDateFormat(locale) + QLatin1Char(' ') +
           withSeconds(locale.timeFormat(QLocale::ShortFormat));
}

QString DateFormatter::medium(const QDateTime &date, const QLocale &locale)
{
    return locale.toString(date.toLocalTime(), mediumFormat(locale));
}
