#pragma once

// A home folder of its own for one test: HOME and the XDG base folders point into a new folder
// (below the working folder, not /tmp, where a program counts as unpacked by something else)
// until the object goes. The XDG user folders follow HOME unless user-dirs.dirs says otherwise.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <optional>
#include <vector>

class FakeHome {
public:
    FakeHome() : m_dir(QDir::current().filePath(QStringLiteral("home-XXXXXX")))
    {
        set("HOME", m_dir.path());
        set("XDG_DATA_HOME", filePath(QStringLiteral(".local/share")));
        set("XDG_CONFIG_HOME", filePath(QStringLiteral(".config")));
        set("XDG_CACHE_HOME", filePath(QStringLiteral(".cache")));
    }
    FakeHome(const FakeHome &) = delete;
    FakeHome &operator=(const FakeHome &) = delete;
    ~FakeHome()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second)
                qputenv(it->first.constData(), *it->second);
            else
                qunsetenv(it->first.constData());
        }
    }

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }

    // Writes a file below home, creating its folders.
    bool write(const QString &relative, const QByteArray &contents) const
    {
        const QString path = filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
    }

    QByteArray read(const QString &relative) const
    {
        QFile file(filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Every file and folder below home, relative to it.
    QSet<QString> tree() const
    {
        QSet<QString> entries;
        QDirIterator it(path(),
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            entries.insert(QDir(path()).relativeFilePath(it.next()));
        return entries;
    }

private:
    void set(const char *name, const QString &value)
    {
        m_saved.emplace_back(QByteArray(name), qEnvironmentVariableIsSet(name)
                                                   ? std::optional<QByteArray>(qgetenv(name))
                                                   : std::nullopt);
        qputenv(name, value.toLocal8Bit());
    }

    QTemporaryDir m_dir;
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> m_saved;
};
