#include "runtimefolder.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString ensured(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    return RuntimeFolder::isPrivateFolder(folder) ? folder : QString();
}

} // namespace

namespace RuntimeFolder {

bool isPrivateFolder(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QString path()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime)) {
        const QString own = ensured(QDir(runtime).filePath(QStringLiteral("quillmere")));
        if (!own.isEmpty())
            return own;
    }
    return ensured(QStringLiteral("/tmp/quillmere-%1").arg(::geteuid()));
}

} // namespace RuntimeFolder
