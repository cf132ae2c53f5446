#include "format/textcolumns.h"

#include <QList>
#include <QStringView>

namespace {

// East Asian Wide and Fullwidth characters (Unicode 15), by block.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || c == 0x2329 || c == 0x232A ||
           (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xA000 && c <= 0xA4CF) || (c >= 0xA960 && c <= 0xA97F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE10 && c <= 0xFE19) || (c >= 0xFE30 && c <= 0xFE6F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) ||
           (c >= 0x1F300 && c <= 0x1F64F) || (c >= 0x1F900 && c <= 0x1F9FF) ||
           (c >= 0x20000 && c <= 0x3FFFD);
}

int cells(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
        return 0;
    default:
        return isWide(c) ? 2 : 1;
    }
}

} // namespace

int TextColumns::width(const QString &text)
{
    int columns = 0;
    for (char32_t c : QStringView(text).toUcs4())
        columns += cells(c);
    return columns;
}

QString TextColumns::padded(const QString &text, int columns)
{
    const int missing = columns - width(text);
    return missing > 0 ? text + QString(missing, QLatin1Char(' ')) : text;
}
