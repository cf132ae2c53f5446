#include "volumetable.h"

#include "terminaltext.h"

#include "format/capacityformatter.h"
#include "format/textcolumns.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
const QString none = QStringLiteral("-");
}

QString VolumeTable::freeOfTotal(const Volume &v)
{
    const QString free = v.freeBytes ? CapacityFormatter::humanBytes(*v.freeBytes) : none;
    const QString total = v.capacityBytes ? CapacityFormatter::humanBytes(*v.capacityBytes) : none;
    //: quillmere-cli list: free space of total capacity
    return QCoreApplication::translate("VolumeTable", "%1 of %2").arg(free, total);
}

QString VolumeTable::render(const VolumeList &volumes)
{
    QList<QStringList> rows;
    rows.append(
        //: quillmere-cli list column
        {QCoreApplication::translate("VolumeTable", "NAME"),
         //: quillmere-cli list column
         QCoreApplication::translate("VolumeTable", "KIND"),
         //: quillmere-cli list column
         QCoreApplication::translate("VolumeTable", "MOUNTED"),
         //: quillmere-cli list column
         QCoreApplication::translate("VolumeTable", "DEVICE"),
         //: quillmere-cli list column
         QCoreApplication::translate("VolumeTable", "MOUNT POINT"),
         //: quillmere-cli list column
         QCoreApplication::translate("VolumeTable", "FREE")});
    //: Volume is mounted
    const QString yes = QCoreApplication::translate("VolumeTable", "yes");
    //: Volume is not mounted
    const QString no = QCoreApplication::translate("VolumeTable", "no");
    for (const Volume &v : volumes) {
        rows.append({TerminalText::escaped(v.name), enumName(v.kind), v.isMounted ? yes : no,
                     v.deviceName.isEmpty() ? none : TerminalText::escaped(v.deviceName),
                     v.mountPath.isEmpty() ? none : TerminalText::escaped(v.mountPath),
                     freeOfTotal(v)});
    }
    QList<int> widths(rows.first().size(), 0);
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], TextColumns::width(row[i]));
        }
    }
    QString text;
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i) {
            line += i + 1 < row.size() ? TextColumns::padded(row[i], widths[i] + 2) : row[i];
        }
        text += line + QLatin1Char('\n');
    }
    return text;
}
