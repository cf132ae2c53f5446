#pragma once

#include "stores/historyrecording.h"
#include "stores/serialqueue.h"
#include "stores/sharedfile.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

// The operation history: a JSON Lines file, oldest line first, holding at most `cap` lines.
// Every file access runs on one worker thread; append returns at once, the other operations
// wait for everything scheduled before them. Appends, rotations and clearing take a lock file
// beside the log, so the program and the command line never drop each other's lines and the
// file holds at most one line over the cap, until the rotation that follows at once. Failures
// are swallowed, except on export.
class HistoryStore : public HistoryRecording {
public:
    static constexpr int defaultCap = 10000;

    // No directory: the support folder (after moving the predecessor's folder there once).
    explicit HistoryStore(const std::optional<QString> &directory = std::nullopt,
                          int cap = defaultCap);
    ~HistoryStore() override;

    QString filePath() const { return m_filePath; }
    int cap() const { return m_cap; }

    void append(const HistoryEntry &entry) override;
    HistoryEntryList entries(std::optional<int> limit = std::nullopt) override;
    void clear();
    // Returns once every append scheduled before has been written.
    void waitForPendingWrites();
    // Replaces the destination with a copy of the log (an empty file when nothing was logged).
    // False with the file system's message in *error on failure.
    bool exportLog(const QString &destination, QString *error = nullptr);

private:
    struct Lines {
        QByteArray data;
        QList<QByteArrayView> pieces;
    };

    void ensureFileLocked();
    Lines readLinesLocked() const;
    void appendLocked(const QByteArray &line);
    void rotateLocked();
    // The number of lines, counted again when another process changed the file since this
    // store last saw it.
    qint64 lineCountLocked();
    QString lockFilePath() const { return m_filePath + QStringLiteral(".lock"); }

    QString m_filePath;
    int m_cap;
    std::optional<qint64> m_cachedLineCount;
    // The file as it was when m_cachedLineCount was right.
    SharedFile::Stamp m_cachedStamp;
    // Last, so that it finishes its jobs before the members they use go away.
    SerialQueue m_queue;
};
