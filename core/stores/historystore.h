#pragma once

#include "stores/historyrecording.h"
#include "stores/serialqueue.h"
#include "stores/sharedfile.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

class QIODevice;

// What one read of the log found.
struct HistoryReading {
    // Newest first.
    HistoryEntryList entries;
    // Lines that are not history entries (or were cut off); they are skipped.
    qsizetype damagedLines = 0;
    // Why the file could not be read at all; empty when it was read or does not exist.
    QString problem;
};

// The operation history: a JSON Lines file, oldest line first, holding at most `cap` lines.
// Every file access runs on one worker thread; append returns at once, the other operations
// wait for everything scheduled before them. Appends, rotations and clearing take a lock file
// beside the log, so the program and the command line never drop each other's lines and the
// file holds at most one line over the cap, until the rotation that follows at once. Failures
// are swallowed, except on export.
class HistoryStore : public HistoryRecording {
public:
    static constexpr int defaultCap = 10000;
    // Far above 10000 lines of any real history; of a larger file only its end is read.
    static constexpr qint64 maxReadBytes = 32 * 1024 * 1024;
    // How long a recorder waits for the history lock held elsewhere before it spools its line.
    static constexpr int lockWaitMs = 3000;

    // No directory: the support folder (after moving the predecessor's folder there once).
    explicit HistoryStore(const std::optional<QString> &directory = std::nullopt,
                          int cap = defaultCap);
    ~HistoryStore() override;

    QString filePath() const { return m_filePath; }
    int cap() const { return m_cap; }

    void append(const HistoryEntry &entry) override;
    HistoryEntryList entries(std::optional<int> limit = std::nullopt) override;
    // The entries with what was skipped; every line is decoded, also with a limit.
    HistoryReading read(std::optional<int> limit = std::nullopt);
    void clear();
    // Returns once every append scheduled before has been written.
    void waitForPendingWrites();
    // Replaces the destination with a copy of the log (an empty file when nothing was logged).
    // Only a regular file is replaced: a device, FIFO or folder there is refused and left
    // alone. False with the reason in *error on failure.
    bool exportLog(const QString &destination, QString *error = nullptr);
    // Writes the copy to an open device, such as standard output.
    bool exportLog(QIODevice &destination, QString *error = nullptr);

private:
    struct Lines {
        QByteArray data;
        QList<QByteArrayView> pieces;
        // A line cut off at the start of a file read from its end.
        qsizetype cutLines = 0;
        QString problem;
    };

    void ensureFileLocked();
    Lines readLinesLocked() const;
    // Newest first; wholeFile decodes past the limit to count every damaged line.
    HistoryReading readLocked(std::optional<int> limit, bool wholeFile) const;
    // The log's bytes for an export, or none with the reason in *error.
    std::optional<QByteArray> contentsForExportLocked(QString *error);
    void appendLocked(const QByteArray &line);
    bool writeLinesLocked(const QByteArray &lines);
    // Lines recorded while another process held the lock wait in a spool file beside the log;
    // the next writer that holds the lock moves them into it.
    void spoolLocked(const QByteArray &lines);
    QByteArray takeSpoolLocked();
    void rotateLocked();
    // The number of lines, counted again when another process changed the file since this
    // store last saw it.
    qint64 lineCountLocked();
    QString lockFilePath() const { return m_filePath + QStringLiteral(".lock"); }
    QString spoolFilePath() const { return m_filePath + QStringLiteral(".spool"); }

    QString m_filePath;
    int m_cap;
    std::optional<qint64> m_cachedLineCount;
    // The file as it was when m_cachedLineCount was right.
    SharedFile::Stamp m_cachedStamp;
    // Last, so that it finishes its jobs before the members they use go away.
    SerialQueue m_queue;
};
