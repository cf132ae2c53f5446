#include "services/runningprogram.h"

#include <QCoreApplication>
#include <QFileInfo>

QString RunningProgram::path()
{
    const QString appImage = qEnvironmentVariable("APPIMAGE");
    if (!appImage.isEmpty())
        return appImage;
    // Resolves /proc/self/exe.
    return QCoreApplication::applicationFilePath();
}
