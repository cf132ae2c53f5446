#include "window/historypanel.h"

#include "common/alertdialog.h"
#include "common/failurealert.h"
#include "stores/historystore.h"
#include "window/historytablemodel.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

HistoryPanel::HistoryPanel(HistoryStore &store, QWidget *parent)
    : QWidget(parent), now([] { return QDateTime::currentDateTimeUtc(); }), m_store(store),
      m_model(new HistoryTableModel(this)), m_table(new QTableView(this)),
      m_clearButton(new QPushButton(this)), m_exportButton(new QPushButton(this))
{
    m_table->setModel(m_model);
    m_table->setAlternatingRowColors(true);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->setTextElideMode(Qt::ElideRight);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_table->setFrameShape(QFrame::NoFrame);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(
        std::max(22, m_table->fontMetrics().height() + 8));
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionsMovable(false);
    header->setMinimumSectionSize(40);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(true);
    for (int column = 0; column < HistoryTableModel::columnCount_; ++column) {
        header->resizeSection(column,
                              HistoryTableModel::initialWidth(HistoryTableModel::Column(column)));
    }

    //: History button
    m_clearButton->setText(tr("Clear"));
    //: History button
    m_exportButton->setText(tr("Export…"));
    connect(m_clearButton, &QPushButton::clicked, this, &HistoryPanel::clearHistory);
    connect(m_exportButton, &QPushButton::clicked, this, &HistoryPanel::exportHistory);

    auto *controls = new QHBoxLayout;
    controls->setContentsMargins(12, 0, 12, 0);
    controls->setSpacing(8);
    controls->addWidget(m_clearButton);
    controls->addStretch(1);
    controls->addWidget(m_exportButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->setSpacing(8);
    layout->addWidget(m_table, 1);
    layout->addLayout(controls);
}

void HistoryPanel::refresh()
{
    m_model->setEntries(m_store.entries(), now());
}

void HistoryPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

void HistoryPanel::clearHistory()
{
    AlertDialog alert(AlertDialog::Style::warning,
                      //: Clear-history alert title
                      tr("Clear operation history?"),
                      //: Clear-history alert body
                      tr("This permanently deletes all logged entries."),
                      //: History button
                      tr("Clear"), true, this);
    if (!alert.run())
        return;
    m_store.clear();
    refresh();
}

QString HistoryPanel::proposedExportName()
{
    //: Default export filename (keep .jsonl)
    return tr("Quillmere History.jsonl");
}

void HistoryPanel::exportHistory()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString destination = QFileDialog::getSaveFileName(
        this,
        //: Title of the export file dialog
        tr("Export History"), QDir(folder).filePath(proposedExportName()));
    if (destination.isEmpty())
        return;
    QString error;
    if (m_store.exportLog(destination, &error))
        return;
    FailureAlert::present(
        //: Export failure alert title; %1 is a file name
        tr("“%1” couldn’t be saved.").arg(QFileInfo(destination).fileName()), error, this);
}
