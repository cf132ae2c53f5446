#include "stores/historystore.h"

#include "stores/appsupport.h"
#include "stores/historyentrycodec.h"
#include "stores/regularfilereader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QtGlobal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcHistory, "quillmere.history")

namespace {

QString chooseFolder(const std::optional<QString> &directory)
{
    const QString defaultFolder = AppSupport::directoryURL();
    if (!directory || QDir::cleanPath(*directory) == QDir::cleanPath(defaultFolder)) {
        const QString legacy = QDir(AppSupport::baseURL()).filePath(QStringLiteral("Kestrin"));
        if (QFileInfo(legacy).isDir() && !QFileInfo::exists(defaultFolder))
            QDir().rename(legacy, defaultFolder);
    }
    return directory ? *directory : defaultFolder;
}

// Opens the log for appending only when it is a regular file, links followed: a FIFO in its
// place would block the writer forever, and a link to a device would get history lines written
// onto the device.
bool openRegularForAppend(QFile &file, const QString &path)
{
    // Checked before opening: opening some devices already does something.
    if (!RegularFileReader::nonRegularKind(path).isEmpty())
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_APPEND | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    return file.open(fd, QIODevice::ReadWrite | QIODevice::Append, QFileDevice::AutoCloseHandle);
}

} // namespace

HistoryStore::HistoryStore(const std::optional<QString> &directory, int cap)
    : m_filePath(QDir(chooseFolder(directory)).filePath(QStringLiteral("history.jsonl"))),
      m_cap(std::max(cap, 1)), m_queue(QStringLiteral("com.tarnwick.kestrin.history"))
{
}

HistoryStore::~HistoryStore() = default;

void HistoryStore::append(const HistoryEntry &entry)
{
    m_queue.async([this, entry] { appendLocked(HistoryEntryCodec::encode(entry)); });
}

HistoryEntryList HistoryStore::entries(std::optional<int> limit)
{
    return m_queue.sync([this, limit] { return readLocked(limit, false).entries; });
}

HistoryReading HistoryStore::read(std::optional<int> limit)
{
    return m_queue.sync([this, limit] { return readLocked(limit, true); });
}

HistoryReading HistoryStore::readLocked(std::optional<int> limit, bool wholeFile) const
{
    const Lines lines = readLinesLocked();
    const qsizetype wanted = limit ? std::max(*limit, 0) : lines.pieces.size();
    HistoryReading reading;
    reading.problem = lines.problem;
    reading.damagedLines = lines.cutLines;
    reading.entries.reserve(std::min(wanted, lines.pieces.size()));
    for (auto it = lines.pieces.crbegin(); it != lines.pieces.crend(); ++it) {
        const bool full = reading.entries.size() >= wanted;
        if (full && !wholeFile)
            break;
        auto entry = HistoryEntryCodec::decode(*it);
        if (!entry)
            ++reading.damagedLines;
        else if (!full)
            reading.entries.append(std::move(*entry));
    }
    return reading;
}

void HistoryStore::clear()
{
    m_queue.sync([this] {
        const SharedFile::ScopedLock lock(lockFilePath());
        QFile::remove(m_filePath);
        m_cachedLineCount = 0;
        m_cachedStamp = SharedFile::stamp(m_filePath);
    });
}

void HistoryStore::waitForPendingWrites()
{
    m_queue.sync([] {});
}

bool HistoryStore::exportLog(const QString &destination, QString *error)
{
    QString message;
    const bool ok = m_queue.sync([this, &destination, &message] {
        // Replacing a device or a FIFO would break whatever it belongs to.
        const QString kind = RegularFileReader::nonRegularKind(destination);
        if (!kind.isEmpty()) {
            //: History export refusal; %1 is what stands there ("a FIFO")
            message = QCoreApplication::translate("HistoryStore",
                                                  "it is %1; the history is exported only to "
                                                  "a regular file")
                          .arg(kind);
            return false;
        }
        const auto contents = contentsForExportLocked(&message);
        if (!contents)
            return false;
        QSaveFile target(destination);
        if (!target.open(QIODevice::WriteOnly) || target.write(*contents) != contents->size() ||
            !target.commit()) {
            message = target.errorString();
            return false;
        }
        return true;
    });
    if (error)
        *error = message;
    return ok;
}

bool HistoryStore::exportLog(QIODevice &destination, QString *error)
{
    QString message;
    const bool ok = m_queue.sync([this, &destination, &message] {
        const auto contents = contentsForExportLocked(&message);
        if (!contents)
            return false;
        if (destination.write(*contents) != contents->size()) {
            message = destination.errorString();
            return false;
        }
        return true;
    });
    if (error)
        *error = message;
    return ok;
}

std::optional<QByteArray> HistoryStore::contentsForExportLocked(QString *error)
{
    ensureFileLocked();
    const RegularFileReader::Result file = RegularFileReader::read(m_filePath, maxReadBytes);
    if (file.status == RegularFileReader::Result::Status::missing)
        return QByteArray();
    if (!file.isOk()) {
        //: History export failure; %1 is the reason ("larger than 33554432 bytes")
        *error =
            QCoreApplication::translate("HistoryStore", "the history file is %1").arg(file.error);
        return std::nullopt;
    }
    return file.data;
}

void HistoryStore::ensureFileLocked()
{
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    if (!QFileInfo::exists(m_filePath)) {
        QFile file(m_filePath);
        file.open(QIODevice::WriteOnly);
    }
}

HistoryStore::Lines HistoryStore::readLinesLocked() const
{
    Lines lines;
    RegularFileReader::Result file = RegularFileReader::readTail(m_filePath, maxReadBytes);
    if (!file.isOk()) {
        lines.problem = file.error;
        return lines;
    }
    lines.data = std::move(file.data);
    const QByteArrayView data(lines.data);
    qsizetype start = 0;
    if (file.truncated) {
        // The read began inside a line.
        const qsizetype firstEnd = data.indexOf('\n');
        start = firstEnd < 0 ? data.size() : firstEnd + 1;
        lines.cutLines = 1;
    }
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        if (end > start)
            lines.pieces.append(data.sliced(start, end - start));
        start = end + 1;
    }
    return lines;
}

qint64 HistoryStore::lineCountLocked()
{
    if (!m_cachedLineCount || SharedFile::stamp(m_filePath) != m_cachedStamp)
        m_cachedLineCount = readLinesLocked().pieces.size();
    return *m_cachedLineCount;
}

void HistoryStore::appendLocked(const QByteArray &line)
{
    ensureFileLocked();
    // Without the lock (a folder that refuses it) the line is still written, but the file is
    // not rewritten under another process's feet.
    const SharedFile::ScopedLock lock(lockFilePath());
    const qint64 count = lineCountLocked();

    // Appending mode, so that a line written meanwhile by another process is not overwritten.
    QFile file;
    if (!openRegularForAppend(file, m_filePath)) {
        qCWarning(lcHistory, "%s is not a regular file that can be written; the line is dropped",
                  qPrintable(m_filePath));
        return;
    }
    const qint64 size = file.size();
    QByteArray out;
    out.reserve(line.size() + 2);
    // A torn last line (a crash before its line feed) must stay a line of its own.
    if (size > 0 && file.seek(size - 1) && file.read(1) != "\n")
        out.append('\n');
    out.append(line).append('\n');
    file.write(out);
    file.close();

    m_cachedLineCount = count + 1;
    m_cachedStamp = SharedFile::stamp(m_filePath);
    if (*m_cachedLineCount > m_cap && lock.isLocked())
        rotateLocked();
}

void HistoryStore::rotateLocked()
{
    const Lines lines = readLinesLocked();
    if (lines.pieces.size() <= m_cap) {
        m_cachedLineCount = lines.pieces.size();
        m_cachedStamp = SharedFile::stamp(m_filePath);
        return;
    }
    QByteArray kept;
    kept.reserve(lines.data.size());
    for (qsizetype i = lines.pieces.size() - m_cap; i < lines.pieces.size(); ++i)
        kept.append(lines.pieces.at(i)).append('\n');
    QSaveFile file(m_filePath);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(kept);
        file.commit();
    }
    m_cachedLineCount = m_cap;
    m_cachedStamp = SharedFile::stamp(m_filePath);
}
