#include "devicefilesystemprobe.h"

#include "platformlogging.h"
#include "udisksclient.h"
#include "udisksoperationsupport.h"

#include "operations/toollauncher.h"

#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <unistd.h>

namespace {

QString unescaped(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == QLatin1Char('\\') && i + 1 < value.size())
            ++i;
        out.append(value.at(i));
    }
    return out;
}

} // namespace

DeviceFileSystemProbe::DeviceFileSystemProbe(UDisksClient *client, QString deviceFolder)
    : m_client(client), m_deviceFolder(std::move(deviceFolder))
{
}

ProbedFileSystem DeviceFileSystemProbe::parseExport(const QString &output)
{
    ProbedFileSystem found;
    for (const QString &line : output.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("TYPE=")))
            found.type = unescaped(line.mid(5));
        else if (line.startsWith(QLatin1String("LABEL=")))
            found.label = unescaped(line.mid(6));
    }
    return found;
}

QCoro::Task<std::optional<ProbedFileSystem>> DeviceFileSystemProbe::probe(QString deviceName)
{
    const QString device = QDir(m_deviceFolder).filePath(deviceName);
    if (deviceName.isEmpty())
        co_return std::nullopt;
    if (::access(QFile::encodeName(device).constData(), R_OK) != 0)
        co_return co_await probeThroughUDisks(deviceName);
    const QStringList arguments{QStringLiteral("-p"), QStringLiteral("-o"),
                                QStringLiteral("export"), device};
    const CommandResult outcome =
        co_await ToolLauncher::run(QString::fromLatin1(blkidPath), arguments, 30.0);
    // 2: nothing recognisable on the device.
    if (!outcome.timedOut && outcome.status == 2 && outcome.standardError.trimmed().isEmpty())
        co_return ProbedFileSystem{};
    if (outcome.timedOut || outcome.status != 0) {
        PlatformLogging::logToolFailure(QString::fromLatin1(blkidPath), arguments, outcome);
        co_return co_await probeThroughUDisks(deviceName);
    }
    co_return parseExport(outcome.standardOutput);
}

QCoro::Task<std::optional<ProbedFileSystem>>
DeviceFileSystemProbe::probeThroughUDisks(QString deviceName)
{
    if (m_client == nullptr)
        co_return std::nullopt;
    const QString object = m_client->blockObject(deviceName);
    if (object.isEmpty())
        co_return std::nullopt;
    // Returns once udev has handled the change event it causes, so the properties are new.
    const QDBusMessage rescan = co_await m_client->call(
        object, UDisksClient::blockInterface, QStringLiteral("Rescan"),
        UDisksOperationSupport::optionsArgument(QVariantMap()), rescanTimeoutMs);
    if (rescan.type() != QDBusMessage::ReplyMessage)
        co_return std::nullopt;
    ProbedFileSystem found;
    static const char *const properties[] = {"IdType", "IdLabel"};
    for (const char *property : properties) {
        const QVariantList arguments{UDisksClient::blockInterface, QString::fromLatin1(property)};
        const QDBusMessage reply =
            co_await m_client->call(object, QStringLiteral("org.freedesktop.DBus.Properties"),
                                    QStringLiteral("Get"), arguments, rescanTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            co_return std::nullopt;
        const QString value =
            reply.arguments().constFirst().value<QDBusVariant>().variant().toString();
        (qstrcmp(property, "IdType") == 0 ? found.type : found.label) = value;
    }
    co_return found;
}
