#include "format/historyformatter.h"

#include "format/dateformatter.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

enum class Unit { second, minute, hour, day, week, month, year };

// Whole sentences per unit, number and direction, so that every language can inflect them.
struct Forms {
    QString pastOne;
    QString pastMany;
    QString futureOne;
    QString futureMany;
};

Forms forms(Unit unit)
{
    switch (unit) {
    case Unit::second:
        return {
            //: History time, relative to now
            QCoreApplication::translate("HistoryFormatter", "1 second ago"),
            //: History time, relative to now; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "%1 seconds ago"),
            //: History time of an entry dated ahead of the clock
            QCoreApplication::translate("HistoryFormatter", "in 1 second"),
            //: History time of an entry dated ahead of the clock; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "in %1 seconds"),
        };
    case Unit::minute:
        return {
            //: History time, relative to now
            QCoreApplication::translate("HistoryFormatter", "1 minute ago"),
            //: History time, relative to now; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "%1 minutes ago"),
            //: History time of an entry dated ahead of the clock
            QCoreApplication::translate("HistoryFormatter", "in 1 minute"),
            //: History time of an entry dated ahead of the clock; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "in %1 minutes"),
        };
    case Unit::hour:
        return {
            //: History time, relative to now
            QCoreApplication::translate("HistoryFormatter", "1 hour ago"),
            //: History time, relative to now; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "%1 hours ago"),
            //: History time of an entry dated ahead of the clock
            QCoreApplication::translate("HistoryFormatter", "in 1 hour"),
            //: History time of an entry dated ahead of the clock; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "in %1 hours"),
        };
    case Unit::day:
        return {
            //: History time, relative to now
            QCoreApplication::translate("HistoryFormatter", "1 day ago"),
            //: History time, relative to now; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "%1 days ago"),
            //: History time of an entry dated ahead of the clock
            QCoreApplication::translate("HistoryFormatter", "in 1 day"),
            //: History time of an entry dated ahead of the clock; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "in %1 days"),
        };
    case Unit::week:
        return {
            //: History time, relative to now
            QCoreApplication::translate("HistoryFormatter", "1 week ago"),
            //: History time, relative to now; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "%1 weeks ago"),
            //: History time of an entry dated ahead of the clock
            QCoreApplication::translate("HistoryFormatter", "in 1 week"),
            //: History time of an entry dated ahead of the clock; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "in %1 weeks"),
        };
    case Unit::month:
        return {
            //: History time, relative to now
            QCoreApplication::translate("HistoryFormatter", "1 month ago"),
            //: History time, relative to now; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "%1 months ago"),
            //: History time of an entry dated ahead of the clock
            QCoreApplication::translate("HistoryFormatter", "in 1 month"),
            //: History time of an entry dated ahead of the clock; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "in %1 months"),
        };
    case Unit::year:
        return {
            //: History time, relative to now
            QCoreApplication::translate("HistoryFormatter", "1 year ago"),
            //: History time, relative to now; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "%1 years ago"),
            //: History time of an entry dated ahead of the clock
            QCoreApplication::translate("HistoryFormatter", "in 1 year"),
            //: History time of an entry dated ahead of the clock; %1 is a number above 1
            QCoreApplication::translate("HistoryFormatter", "in %1 years"),
        };
    }
    return {};
}

QString phrase(Unit unit, qint64 count, bool past)
{
    const Forms text = forms(unit);
    if (count == 1)
        return past ? text.pastOne : text.futureOne;
    return (past ? text.pastMany : text.futureMany).arg(QLocale().toString(count));
}

} // namespace

QString HistoryFormatter::operationName(const QString &operation)
{
    if (operation == QLatin1String("eject"))
        //: History operation
        return QCoreApplication::translate("HistoryFormatter", "Eject");
    if (operation == QLatin1String("forceEject"))
        //: History operation
        return QCoreApplication::translate("HistoryFormatter", "Force Eject");
    if (operation == QLatin1String("remount"))
        //: History operation
        return QCoreApplication::translate("HistoryFormatter", "Remount");
    if (operation == QLatin1String("rename"))
        //: History operation
        return QCoreApplication::translate("HistoryFormatter", "Rename");
    if (operation == QLatin1String("erase"))
        //: History operation
        return QCoreApplication::translate("HistoryFormatter", "Erase");
    if (operation == QLatin1String("autoEject"))
        //: History operation
        return QCoreApplication::translate("HistoryFormatter", "Auto-Eject");
    if (operation == QLatin1String("autoRemount"))
        //: History operation
        return QCoreApplication::translate("HistoryFormatter", "Auto-Remount");
    if (operation == QLatin1String("mount"))
        //: History event
        return QCoreApplication::translate("HistoryFormatter", "Mounted");
    if (operation == QLatin1String("unmount"))
        //: History event
        return QCoreApplication::translate("HistoryFormatter", "Unmounted");
    return operation;
}

QString HistoryFormatter::relativeTime(const QDateTime &date, const QDateTime &now)
{
    const qint64 signedSeconds = date.secsTo(now);
    const bool past = signedSeconds >= 0;
    const qint64 seconds = past ? signedSeconds : -signedSeconds;
    if (seconds < 1)
        //: History time of an entry logged this very second
        return QCoreApplication::translate("HistoryFormatter", "now");

    constexpr qint64 minute = 60, hour = 60 * minute, day = 24 * hour, week = 7 * day;
    constexpr qint64 month = 30 * day, year = 365 * day;
    if (seconds < minute)
        return phrase(Unit::second, seconds, past);
    if (seconds < hour)
        return phrase(Unit::minute, seconds / minute, past);
    if (seconds < day)
        return phrase(Unit::hour, seconds / hour, past);
    if (seconds < week)
        return phrase(Unit::day, seconds / day, past);
    if (seconds < month)
        return phrase(Unit::week, seconds / week, past);
    if (seconds < year)
        return phrase(Unit::month, seconds / month, past);
    return phrase(Unit::year, seconds / year, past);
}

QString HistoryFormatter::absoluteTime(const QDateTime &date, const QLocale &locale)
{
    const QDateTime local = date.toLocalTime();
    return locale.toString(local.date(), DateFormatter::fullYearDateFormat(locale)) +
           QStringLiteral(", ") +
           locale.toString(local.time(), locale.timeFormat(QLocale::ShortFormat));
}
