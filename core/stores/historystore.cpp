#include "stores/historystore.h"

#include "stores/appsupport.h"
#include "stores/historyentrycodec.h"
#include "stores/ownedfile.h"
#include "stores/regularfilereader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QtGlobal>
#include <fcntl.h>
#include <sys/file.h>
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

// Opens the log for appending only when it is a regular file of the user's, never through a
// link of someone else's or a dangling one: a FIFO in its place would block the writer forever,
// a link to a device would get history lines written onto the device, and a link planted for
// root would have root write into another user's file.
bool openRegularForAppend(QFile &file, const QString &path)
{
    // Checked before opening: opening some devices already does something.
    if (!RegularFileReader::nonRegularKind(path).isEmpty())
        return false;
    QString problem;
    const int fd = OwnedFile::openForAppend(path, &problem);
    if (fd < 0) {
        qCWarning(lcHistory, "Not writing %s: %s", qUtf8Printable(path), qUtf8Printable(problem));
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
    QFile file;
    if (!QFileInfo(m_filePath).isSymLink() && !QFileInfo::exists(m_filePath))
        openRegularForAppend(file, m_filePath);
}

HistoryStore::Lines HistoryStore::readLinesLocked() const
{
    Lines lines;
    if (const QString problem = OwnedFile::readProblem(m_filePath); !problem.isEmpty()) {
        lines.problem = problem;
        return lines;
    }
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
    // A lock held elsewhere for longer than a moment must not hold up the recorder: the line
    // waits in the spool for the next writer that gets the lock.
    const SharedFile::ScopedLock lock(lockFilePath(), lockWaitMs);
    if (!lock.isLocked()) {
        spoolLocked(line + '\n');
        return;
    }
    const QByteArray spooled = takeSpoolLocked();
    const qint64 count = lineCountLocked();
    if (!writeLinesLocked(spooled + line + '\n')) {
        // Kept for a writer that can write the log.
        spoolLocked(spooled + line + '\n');
        return;
    }
    m_cachedLineCount = count + spooled.count('\n') + 1;
    m_cachedStamp = SharedFile::stamp(m_filePath);
    if (*m_cachedLineCount > m_cap)
        rotateLocked();
}

bool HistoryStore::writeLinesLocked(const QByteArray &lines)
{
    // Appending mode, so that a line written meanwhile by another process is not overwritten.
    QFile file;
    if (!openRegularForAppend(file, m_filePath)) {
        qCWarning(lcHistory, "%s is not a regular file that can be written; the line is dropped",
                  qPrintable(m_filePath));
        return false;
    }
    const qint64 size = file.size();
    QByteArray out;
    out.reserve(lines.size() + 1);
    // A torn last line (a crash before its line feed) must stay a line of its own.
    if (size > 0 && file.seek(size - 1) && file.read(1) != "\n")
        out.append('\n');
    out.append(lines);
    file.write(out);
    file.close();
    return true;
}

void HistoryStore::spoolLocked(const QByteArray &lines)
{
    QString problem;
    const int fd = OwnedFile::openForAppend(spoolFilePath(), &problem);
    if (fd < 0) {
        qCWarning(lcHistory,
                  "The history and its spool cannot be written (%s); the line is "
                  "dropped",
                  qUtf8Printable(problem));
        return;
    }
    // The spool's own lock is held only for a moment, by whoever empties it.
    ::flock(fd, LOCK_EX);
    if (::write(fd, lines.constData(), lines.size()) != lines.size())
        qCWarning(lcHistory, "Cannot write the history spool %s", qUtf8Printable(spoolFilePath()));
    ::close(fd);
}

QByteArray HistoryStore::takeSpoolLocked()
{
    if (!QFileInfo::exists(spoolFilePath()))
        return {};
    const int fd = OwnedFile::openForAppend(spoolFilePath());
    if (fd < 0)
        return {};
    ::flock(fd, LOCK_EX);
    QByteArray lines;
    char buffer[65536];
    ssize_t n = 0;
    ::lseek(fd, 0, SEEK_SET);
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0 && lines.size() < maxReadBytes)
        lines.append(buffer, n);
    // Emptied before it is let go, so no line is taken twice; a line is lost only if this
    // process dies between here and the write that follows.
    if (::ftruncate(fd, 0) != 0)
        lines.clear();
    ::close(fd);
    if (!lines.isEmpty() && !lines.endsWith('\n'))
        lines.append('\n');
    return lines;
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
    QString problem;
    if (!OwnedFile::replace(m_filePath, kept, &problem))
        qCWarning(lcHistory, "Cannot shorten %s: %s", qUtf8Printable(m_filePath),
                  qUtf8Printable(problem));
    m_cachedLineCount = m_cap;
    m_cachedStamp = SharedFile::stamp(m_filePath);
}
