#pragma once

#include <QDateTime>
#include <QWidget>
#include <functional>

class HistoryStore;
class HistoryTableModel;
class QPushButton;
class QTableView;

// The main window's History pane: the operation log newest first, with Clear and Export….
class HistoryPanel : public QWidget {
    Q_OBJECT
public:
    explicit HistoryPanel(HistoryStore &store, QWidget *parent = nullptr);

    // Reads every entry of the log again.
    void refresh();
    // Asks first; clears the log and the table when confirmed.
    void clearHistory();
    // Asks where to; copies the log there; an error is shown in an alert.
    void exportHistory();

    static QString proposedExportName();

    HistoryTableModel *model() const { return m_model; }
    QTableView *table() const { return m_table; }
    QPushButton *clearButton() const { return m_clearButton; }
    QPushButton *exportButton() const { return m_exportButton; }

    // The time relative dates are worded against; the clock by default.
    std::function<QDateTime()> now;

protected:
    void showEvent(QShowEvent *event) override;

private:
    HistoryStore &m_store;
    HistoryTableModel *m_model;
    QTableView *m_table;
    QPushButton *m_clearButton;
    QPushButton *m_exportButton;
};
