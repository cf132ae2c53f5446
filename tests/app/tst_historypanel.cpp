#include "common/alertdialog.h"
#include "common/failurealert.h"
#include "stores/historystore.h"
#include "volumebuilder.h"
#include "whenmodal.h"
#include "window/historypanel.h"
#include "window/historytablemodel.h"

#include <QApplication>
#include <QBrush>
#include <QFileDialog>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QDateTime now(QDate(2026, 1, 31), QTime(12, 0, 0), Qt::UTC);

HistoryEntry entry(const QString &operation, bool ok, qint64 secondsAgo,
                   std::optional<QString> detail = std::nullopt)
{
    return HistoryEntryBuilder(operation)
        .at(now.addSecs(-secondsAgo))
        .volume(QStringLiteral("Stick"))
        .device(QStringLiteral("sdb1"))
        .ok(ok)
        .detail(std::move(detail))
        .build();
}

} // namespace

// The History pane over a real log in a temporary folder.
class TestHistoryPanel : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<HistoryStore> m_store;
    std::unique_ptr<HistoryPanel> m_panel;

    QVariant cell(int row, int column, int role = Qt::DisplayRole) const
    {
        const QAbstractItemModel *model = m_panel->model();
        return model->data(model->index(row, column), role);
    }

    void log(const QList<HistoryEntry> &entries)
    {
        for (const HistoryEntry &e : entries)
            m_store->append(e);
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // The file dialog is Qt's own here, so the test can fill it in.
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_store = std::make_unique<HistoryStore>(m_folder->filePath(QStringLiteral("support")));
        m_panel = std::make_unique<HistoryPanel>(*m_store);
        m_panel->now = [] { return now; };
        m_panel->resize(700, 400);
    }

    void cleanup()
    {
        m_panel.reset();
        m_store.reset();
        m_folder.reset();
    }

    void showsTheLogNewestFirstWhenItAppears()
    {
        log({entry(QStringLiteral("mount"), true, 3600),
             entry(QStringLiteral("eject"), true, 120)});
        QCOMPARE(m_panel->model()->rowCount(), 0);
        m_panel->show();
        QCOMPARE(m_panel->model()->rowCount(), 2);
        QCOMPARE(cell(0, HistoryTableModel::operationColumn).toString(), QStringLiteral("Eject"));
        QCOMPARE(cell(1, HistoryTableModel::operationColumn).toString(), QStringLiteral("Mounted"));

        QStringList headers;
        for (int column = 0; column < m_panel->model()->columnCount(); ++column)
            headers.append(m_panel->model()->headerData(column, Qt::Horizontal).toString());
        QCOMPARE(headers, (QStringList{QStringLiteral("Time"), QStringLiteral("Volume"),
                                       QStringLiteral("Operation"), QStringLiteral("Result"),
                                       QStringLiteral("Detail")}));

        // An entry appended while shown appears at the next refresh.
        m_store->append(entry(QStringLiteral("remount"), false, 5, QStringLiteral("busy")));
        m_panel->refresh();
        QCOMPARE(m_panel->model()->rowCount(), 3);
        QCOMPARE(cell(0, HistoryTableModel::operationColumn).toString(), QStringLiteral("Remount"));
    }

    void cellsOfSuccessAndFailure()
    {
        log({entry(QStringLiteral("format"), true, 86400 * 2),
             entry(QStringLiteral("eject"), false, 90, QStringLiteral("Target is busy"))});
        m_panel->refresh();

        // Newest: the failure.
        QCOMPARE(cell(0, HistoryTableModel::timeColumn).toString(), QStringLiteral("1 minute ago"));
        QVERIFY(!cell(0, HistoryTableModel::timeColumn, Qt::ToolTipRole).toString().isEmpty());
        QCOMPARE(cell(0, HistoryTableModel::volumeColumn).toString(), QStringLiteral("Stick"));
        QCOMPARE(cell(0, HistoryTableModel::volumeColumn, Qt::ToolTipRole).toString(),
                 QStringLiteral("sdb1"));
        QCOMPARE(cell(0, HistoryTableModel::resultColumn).toString(), QStringLiteral("✗"));
        const QColor red =
            cell(0, HistoryTableModel::resultColumn, Qt::ForegroundRole).value<QBrush>().color();
        QVERIFY2(red.red() > 180 && red.green() < 100, qPrintable(red.name()));
        QCOMPARE(cell(0, HistoryTableModel::detailColumn).toString(),
                 QStringLiteral("Target is busy"));
        QCOMPARE(cell(0, HistoryTableModel::detailColumn, Qt::ToolTipRole).toString(),
                 QStringLiteral("Target is busy"));

        // An operation word the table does not know stays as it is; success has no detail.
        QCOMPARE(cell(1, HistoryTableModel::operationColumn).toString(), QStringLiteral("format"));
        QCOMPARE(cell(1, HistoryTableModel::timeColumn).toString(), QStringLiteral("2 days ago"));
        QCOMPARE(cell(1, HistoryTableModel::resultColumn).toString(), QStringLiteral("✓"));
        const QColor green =
            cell(1, HistoryTableModel::resultColumn, Qt::ForegroundRole).value<QBrush>().color();
        QVERIFY2(green.green() > 140 && green.red() < 100, qPrintable(green.name()));
        QCOMPARE(cell(1, HistoryTableModel::detailColumn).toString(), QString());
        QVERIFY(!cell(1, HistoryTableModel::detailColumn, Qt::ToolTipRole).isValid());
        QVERIFY(!cell(1, HistoryTableModel::operationColumn, Qt::ToolTipRole).isValid());

        // Rows or columns that do not exist give nothing.
        QVERIFY(!cell(2, 0).isValid());
        QVERIFY(!m_panel->model()->index(0, 5).isValid());
    }

    void clearAsksFirst()
    {
        log({entry(QStringLiteral("eject"), true, 10)});
        m_panel->show();

        whenModal<AlertDialog>([](AlertDialog *alert) {
            QCOMPARE(alert->message(), QStringLiteral("Clear operation history?"));
            QCOMPARE(alert->informativeText(),
                     QStringLiteral("This permanently deletes all logged entries."));
            QCOMPARE(alert->firstButton()->text(), QStringLiteral("Clear"));
            alert->cancelButton()->click();
        });
        m_panel->clearButton()->click();
        QCOMPARE(m_panel->model()->rowCount(), 1);
        QCOMPARE(m_store->entries().size(), 1);

        whenModal<AlertDialog>([](AlertDialog *alert) { alert->firstButton()->click(); });
        m_panel->clearButton()->click();
        QCOMPARE(m_panel->model()->rowCount(), 0);
        QVERIFY(m_store->entries().isEmpty());
    }

    void exportOfAnEmptyHistoryWritesAnEmptyFile()
    {
        m_panel->show();
        const QString destination = m_folder->filePath(QStringLiteral("out/export.jsonl"));
        QDir().mkpath(QFileInfo(destination).absolutePath());
        QString proposed;
        whenModal<QFileDialog>([&](QFileDialog *dialog) {
            proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectFile(destination);
            static_cast<QDialog *>(dialog)->accept();
        });
        m_panel->exportButton()->click();
        QCOMPARE(proposed, QStringLiteral("Quillmere History.jsonl"));
        QFile exported(destination);
        QVERIFY(exported.exists());
        QCOMPARE(exported.size(), 0);
    }

    void exportCopiesTheLogAndCancelWritesNothing()
    {
        log({entry(QStringLiteral("eject"), true, 10)});
        m_panel->show();
        const QString destination = m_folder->filePath(QStringLiteral("copy.jsonl"));
        whenModal<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
        m_panel->exportButton()->click();
        QVERIFY(!QFile::exists(destination));

        whenModal<QFileDialog>([&](QFileDialog *dialog) {
            dialog->selectFile(destination);
            static_cast<QDialog *>(dialog)->accept();
        });
        m_panel->exportButton()->click();
        QFile exported(destination);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll().count('\n'), 1);
    }

    void exportErrorIsShownInAnAlert()
    {
        m_panel->show();
        // The folder went away while the dialog was open.
        const QString destination = m_folder->filePath(QStringLiteral("gone/taken"));
        QString title;
        QString text;
        whenModal<QFileDialog>([&](QFileDialog *dialog) {
            dialog->selectFile(destination);
            static_cast<QDialog *>(dialog)->accept();
            whenModal<FailureAlert>([&](FailureAlert *alert) {
                title = alert->message();
                text = alert->informativeText();
                alert->firstButton()->click();
            });
        });
        m_panel->exportButton()->click();
        QCOMPARE(title, QStringLiteral("“taken” couldn’t be saved."));
        QVERIFY(!text.isEmpty());
    }
};

QTEST_MAIN(TestHistoryPanel)
#include "tst_historypanel.moc"
