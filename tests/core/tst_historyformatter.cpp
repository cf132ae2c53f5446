#include "format/historyformatter.h"

#include <QLocale>
#include <QTest>

class TestHistoryFormatter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void operationNames_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("eject") << "eject"
                               << "Eject";
        QTest::newRow("forceEject") << "forceEject"
                                    << "Force Eject";
        QTest::newRow("remount") << "remount"
                                 << "Remount";
        QTest::newRow("rename") << "rename"
                                << "Rename";
        QTest::newRow("erase") << "erase"
                               << "Erase";
        QTest::newRow("autoEject") << "autoEject"
                                   << "Auto-Eject";
        QTest::newRow("autoRemount") << "autoRemount"
                                     << "Auto-Remount";
        QTest::newRow("mount") << "mount"
                               << "Mounted";
        QTest::newRow("unmount") << "unmount"
                                 << "Unmounted";
        // Words from elsewhere (a newer version, a hand-edited file) stay as they are.
        QTest::newRow("unknown word") << "format"
                                      << "format";
        QTest::newRow("other case") << "Eject"
                                    << "Eject";
        QTest::newRow("other case, longer") << "MOUNT"
                                            << "MOUNT";
        QTest::newRow("empty") << ""
                               << "";
    }

    void operationNames()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(HistoryFormatter::operationName(stored), shown);
    }

    void relativeTimes_data()
    {
        QTest::addColumn<qint64>("secondsAgo");
        QTest::addColumn<QString>("text");
        QTest::newRow("same second") << qint64(0) << "now";
        QTest::newRow("one second") << qint64(1) << "1 second ago";
        QTest::newRow("seconds") << qint64(59) << "59 seconds ago";
        QTest::newRow("a minute") << qint64(60) << "1 minute ago";
        QTest::newRow("whole minutes only") << qint64(119) << "1 minute ago";
        QTest::newRow("minutes") << qint64(59 * 60 + 59) << "59 minutes ago";
        QTest::newRow("an hour") << qint64(3600) << "1 hour ago";
        QTest::newRow("hours") << qint64(23 * 3600) << "23 hours ago";
        QTest::newRow("a day") << qint64(86400) << "1 day ago";
        QTest::newRow("days") << qint64(6 * 86400) << "6 days ago";
        QTest::newRow("a week") << qint64(7 * 86400) << "1 week ago";
        QTest::newRow("weeks") << qint64(29 * 86400) << "4 weeks ago";
        QTest::newRow("a month") << qint64(30 * 86400) << "1 month ago";
        QTest::newRow("months") << qint64(364 * 86400) << "12 months ago";
        QTest::newRow("a year") << qint64(365 * 86400) << "1 year ago";
        QTest::newRow("years, grouped in the locale")
            << qint64(1200LL * 365 * 86400) << "1,200 years ago";
        // An entry written before the clock was set back.
        QTest::newRow("ahead") << qint64(-2 * 3600) << "in 2 hours";
        QTest::newRow("one ahead") << qint64(-60) << "in 1 minute";
    }

    void relativeTimes()
    {
        QFETCH(qint64, secondsAgo);
        QFETCH(QString, text);
        const QDateTime now(QDate(2026, 1, 31), QTime(9, 15, 2), Qt::UTC);
        QCOMPARE(HistoryFormatter::relativeTime(now.addSecs(-secondsAgo), now), text);
    }

    void relativeTimeIgnoresTheTimeZoneOfEitherDate()
    {
        const QDateTime now(QDate(2026, 1, 31), QTime(9, 15, 2), Qt::UTC);
        const QDateTime sameInstant = now.toOffsetFromUtc(5 * 3600).addSecs(-120);
        QCOMPARE(HistoryFormatter::relativeTime(sameInstant, now), QStringLiteral("2 minutes ago"));
    }

    void absoluteTimeHasDateAndSecondsInLocalTime()
    {
        // Named for what it once showed: the tooltip now has the locale's short time, minutes
        // without seconds.
        const QDateTime date(QDate(2026, 1, 31), QTime(9, 15, 2), Qt::UTC);
        const QString text = HistoryFormatter::absoluteTime(date);
        const QDateTime local = date.toLocalTime();
        QVERIFY2(text.contains(QString::number(local.date().year())), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral(":02")), qPrintable(text));
        QVERIFY2(text.contains(QString::number(local.time().minute())), qPrintable(text));
    }

    void absoluteTimeInTheLocalesOwnFormats_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("de") << QStringLiteral("de_DE") << QStringLiteral("31.01.2026, 21:05");
        QTest::newRow("ja") << QStringLiteral("ja_JP") << QStringLiteral("2026/01/31, 21:05");
        QTest::newRow("en") << QStringLiteral("en_US") << QStringLiteral("1/31/2026, 9:05 PM");
    }

    void absoluteTimeInTheLocalesOwnFormats()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        const QDateTime date(QDate(2026, 1, 31), QTime(21, 5, 59), Qt::LocalTime);
        // Newer locale data puts a narrow no-break space before "PM"; any space reads the same.
        QCOMPARE(HistoryFormatter::absoluteTime(date, QLocale(locale)).simplified(), text);
    }
};

QTEST_GUILESS_MAIN(TestHistoryFormatter)
#include "tst_historyformatter.moc"
