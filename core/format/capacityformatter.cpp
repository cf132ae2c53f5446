#include "format/capacityformatter.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Printf-like numbers: locale separators and digits, but no grouping.
QLocale numberLocale()
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

// Like "%.1f" (exact ties round to even, no grouping), with the locale's symbols and digits.
QString oneDecimal(double value, const QLocale &locale)
{
    char buffer[400];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    if (result.ec != std::errc())
        return locale.toString(value, 'f', 1);
    const QLatin1String text(buffer, result.ptr);
    QString localised;
    for (QChar c : text) {
        if (c == QLatin1Char('.'))
            localised += locale.decimalPoint();
        else if (c == QLatin1Char('-'))
            localised += locale.negativeSign();
        else if (c.isDigit())
            localised += locale.toString(c.digitValue());
        else
            localised += c;
    }
    return localised;
}

// Index 0 is "B"; humanBytes starts at index 1.
QString unitName(int index)
{
    switch (index) {
    case 0:
        //: Byte unit
        return QCoreApplication::translate("CapacityFormatter", "B");
    case 1:
        //: Byte unit
        return QCoreApplication::translate("CapacityFormatter", "KB");
    case 2:
        //: Byte unit
        return QCoreApplication::translate("CapacityFormatter", "MB");
    case 3:
        //: Byte unit
        return QCoreApplication::translate("CapacityFormatter", "GB");
    case 4:
        //: Byte unit
        return QCoreApplication::translate("CapacityFormatter", "TB");
    default:
        //: Byte unit
        return QCoreApplication::translate("CapacityFormatter", "PB");
    }
}

constexpr int petabyteIndex = 5;

} // namespace

QString CapacityFormatter::humanBytes(qint64 bytes)
{
    const QLocale locale = numberLocale();
    if (bytes <= 999) {
        // The count only picks the plural form ("1 octet", "2 octets"); %1 shows the exact value.
        const int count = int(std::max<qint64>(bytes, std::numeric_limits<int>::min()));
        //: Byte count under 1 KB
        return QCoreApplication::translate("CapacityFormatter", "%1 bytes", nullptr, count)
            .arg(locale.toString(bytes));
    }

    double value = double(bytes) / 1000.0;
    int unit = 1;
    while (value >= 1000.0 && unit < petabyteIndex) {
        value /= 1000.0;
        ++unit;
    }
    value = std::round(value * 10.0) / 10.0;
    // Rounding can reach 1000 of a unit; show that as 1 of the next one.
    if (value >= 1000.0 && unit < petabyteIndex) {
        value /= 1000.0;
        ++unit;
    }

    const QString number =
        value != std::trunc(value) ? oneDecimal(value, locale) : QString::number(qint64(value));
    return number + QLatin1Char(' ') + unitName(unit);
}

QString CapacityFormatter::usageSummary(qint64 usedBytes, qint64 capacityBytes)
{
    double divisor = 1.0;
    double scaledCapacity = double(capacityBytes);
    int unit = 0;
    if (capacityBytes >= 1000) {
        for (unit = 1; unit <= petabyteIndex; ++unit) {
            divisor *= 1000.0;
            scaledCapacity = double(capacityBytes) / divisor;
            if (scaledCapacity < 1000.0)
                break;
        }
        unit = qMin(unit, petabyteIndex);
    }

    const qint64 percent =
        capacityBytes >= 1 ? qint64(std::round(double(usedBytes) / double(capacityBytes) * 100.0))
                           : 0;

    const QLocale locale = numberLocale();
    //: Capacity gauge text
    return QCoreApplication::translate("CapacityFormatter", "%1% (%2/%3 %4)")
        .arg(locale.toString(percent), oneDecimal(double(usedBytes) / divisor, locale),
             oneDecimal(scaledCapacity, locale), unitName(unit));
}

QString CapacityFormatter::describe(std::optional<qint64> freeBytes,
                                    std::optional<qint64> totalBytes)
{
    if (!freeBytes || !totalBytes)
        return QStringLiteral("—");
    //: Free space of total capacity
    return QCoreApplication::translate("CapacityFormatter", "%1 free of %2")
        .arg(humanBytes(*freeBytes), humanBytes(*totalBytes));
}
