#include "stores/appsupport.h"

#include <QDir>
#include <QStandardPaths>

namespace AppSupport {

QString bundleIdentifier()
{
    return QStringLiteral(QUILLMERE_APP_ID);
}

QString baseURL()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QDir::tempPath() : data;
}

QString directoryName(const std::optional<QString> &bundleIdentifier)
{
    const QString base = QLatin1String(baseIdentifier);
    const QString prefix = base + u'.';
    if (!bundleIdentifier || *bundleIdentifier == base || !bundleIdentifier->startsWith(prefix))
        return QStringLiteral("Quillmere");
    QString rest = bundleIdentifier->mid(prefix.size());
    if (!rest.isEmpty())
        rest[0] = rest[0].toUpper();
    return QStringLiteral("Quillmere ") + rest;
}

QString directoryURL()
{
    return QDir(baseURL()).filePath(directoryName(bundleIdentifier()));
}

} // namespace AppSupport
