#include "window/historytablemodel.h"

#include "format/historyformatter.h"
#include "surfaces/systemcolours.h"
#include "surfaces/systemfont.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

HistoryTableModel::HistoryTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void HistoryTableModel::setEntries(const HistoryEntryList &entries, const QDateTime &now)
{
    beginResetModel();
    m_entries = entries;
    m_now = now;
    endResetModel();
}

int HistoryTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int HistoryTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columnCount_;
}

int HistoryTableModel::initialWidth(Column column)
{
    switch (column) {
    case timeColumn:
        return 110;
    case volumeColumn:
        return 150;
    case operationColumn:
        return 95;
    case resultColumn:
        return 48;
    case detailColumn:
        return 180;
    }
    return 100;
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case timeColumn:
        //: History column
        return tr("Time");
    case volumeColumn:
        //: History column
        return tr("Volume");
    case operationColumn:
        //: History column
        return tr("Operation");
    case resultColumn:
        //: History column
        return tr("Result");
    case detailColumn:
        //: History column
        return tr("Detail");
    }
    return {};
}

QVariant HistoryTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size() || index.column() >= columnCount_)
        return {};
    const HistoryEntry &entry = m_entries.at(index.row());
    const auto column = Column(index.column());

    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case timeColumn:
            return HistoryFormatter::relativeTime(entry.date, m_now);
        case volumeColumn:
            return entry.volumeName;
        case operationColumn:
            return HistoryFormatter::operationName(entry.operation);
        case resultColumn:
            return entry.ok ? QStringLiteral("✓") : QStringLiteral("✗");
        case detailColumn:
            return entry.detail.value_or(QString());
        }
        break;
    case Qt::ToolTipRole:
        switch (column) {
        case timeColumn:
            return HistoryFormatter::absoluteTime(entry.date);
        case volumeColumn:
            return entry.deviceName.isEmpty() ? QVariant() : QVariant(entry.deviceName);
        case detailColumn:
            return entry.detail ? QVariant(*entry.detail) : QVariant();
        default:
            return {};
        }
    case Qt::ForegroundRole:
        if (column == resultColumn)
            return QBrush(entry.ok ? SystemColours::systemGreen() : SystemColours::systemRed());
        return {};
    case Qt::FontRole:
        return SystemFont::ofSize(12, column == resultColumn ? QFont::Bold : QFont::Normal);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        break;
    }
    return {};
}
