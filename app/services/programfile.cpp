#include "services/programfile.h"

#include "stores/installlocation.h"

#include <QCoreApplication>
#include <QFileInfo>

ProgramFile ProgramFile::current()
{
    // A program started from an AppImage's terminal inherits $APPIMAGE; only an existing file
    // counts.
    QString appImage = qEnvironmentVariable("APPIMAGE");
    if (!appImage.isEmpty() && !QFileInfo(appImage).isFile())
        appImage.clear();
    QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (executable.isEmpty())
        executable = QCoreApplication::applicationFilePath();
    return ProgramFile{InstallLocation::bundlePath(appImage, executable), !appImage.isEmpty()};
}
