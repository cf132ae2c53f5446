#pragma once

#include "stores/historyentry.h"

#include <QAbstractTableModel>
#include <QDateTime>

// The history entries as the rows of the history table, newest first, with the texts, colours
// and tooltips of each column. Relative times are worded against the time of the last reset.
class HistoryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { timeColumn, volumeColumn, operationColumn, resultColumn, detailColumn };
    static constexpr int columnCount_ = 5;

    explicit HistoryTableModel(QObject *parent = nullptr);

    void setEntries(const HistoryEntryList &entries, const QDateTime &now);
    const HistoryEntryList &entries() const { return m_entries; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static int initialWidth(Column column);

private:
    HistoryEntryList m_entries;
    QDateTime m_now;
};
