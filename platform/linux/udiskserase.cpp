#include "udisksoperations.h"

#include "udisksclient.h"
#include "udiskserrors.h"
#include "udisksoperationsupport.h"

#include "operations/volumenamerules.h"
#include "policy/mediapolicy.h"

#include <QCoreApplication>
#include <QDBusArgument>

// UDisksOperations' erase: the formats it offers and which of them udisks2 can make here, and
// the format itself, with every mount of the volume removed before and the volume mounted again
// after (also after a failed format, which leaves the old file system).

using namespace UDisksOperationSupport;

const QStringList &UDisksOperations::eraseFormats()
{
    static const QStringList formats{QStringLiteral("ext4"), QStringLiteral("ExFAT"),
                                     QStringLiteral("MS-DOS FAT32"), QStringLiteral("NTFS")};
    return formats;
}

QString UDisksOperations::filesystemType(const QString &eraseFormat)
{
    if (eraseFormat == QLatin1String("ExFAT")) {
        return QStringLiteral("exfat");
    }
    if (eraseFormat == QLatin1String("MS-DOS FAT32")) {
        return QStringLiteral("vfat");
    }
    if (eraseFormat == QLatin1String("NTFS")) {
        return QStringLiteral("ntfs");
    }
    return eraseFormat;
}

QCoro::Task<OperationResult> UDisksOperations::erase(Volume volume, QString format, QString newName)
{
    if (!MediaPolicy::allowsErase(volume)) {
        //: Erase safety-rail refusal
        co_return failure(QCoreApplication::translate(
                              "UDisksOperations",
                              "“%1” can’t be erased — only removable, external, and disk-image "
                              "volumes may be erased.")
                              .arg(volume.name));
    }
    if (volume.deviceName.isEmpty()) {
        co_return failure(
            //: Erase failure
            QCoreApplication::translate("UDisksOperations", "“%1” has no device node to erase.")
                .arg(volume.name));
    }
    if (const auto problem = VolumeNameRules::problem(filesystemType(format), newName)) {
        co_return failure(*problem);
    }
    if (!co_await sessionReady()) {
        co_return UDisksErrors::serviceGone();
    }
    const QString object = mountedBlockObject(volume.deviceName);
    if (object.isEmpty()) {
        co_return deviceOpenFailure(volume.deviceName);
    }

    // udisks2 wipes the old file system before it finds that the tool for the new one is
    // missing: ask first, and leave the volume alone.
    const QString type = filesystemType(format);
    if (const auto missing = co_await missingTool(type)) {
        if (missing->isEmpty()) {
            //: Erase failure when the file system cannot be made on this computer
            co_return failure(QCoreApplication::translate(
                                  "UDisksOperations", "This computer can’t make %1 file systems.")
                                  .arg(format));
        }
        //: Erase failure when the program that makes the file system is missing; %2 is its name
        co_return failure(QCoreApplication::translate(
                              "UDisksOperations",
                              "This computer can’t make %1 file systems: %2 is not installed.")
                              .arg(format, *missing));
    }

    // Every mount of the device, not only the one the volume was listed with.
    const bool wasMounted = isMounted(volume.deviceName);
    const OperationResult unmounted =
        co_await unmountAll(volume.deviceName, volume.deviceName, false, false);
    if (!unmounted.ok) {
        co_return unmounted;
    }

    QVariantMap options;
    options.insert(QStringLiteral("label"), newName);
    // The partition type follows the new file system, so that other systems recognise it.
    options.insert(QStringLiteral("update-partition-type"), true);
    if (type == QLatin1String("ext4")) {
        // Otherwise the new root folder belongs to root and the user cannot write to it.
        options.insert(QStringLiteral("take-ownership"), true);
    }
    const QVariantList formatArguments{type, QVariant::fromValue(options)};
    // Formatting takes long and may ask for a password; the client notices a daemon that stops
    // answering.
    const QDBusMessage formatted =
        co_await request(object, UDisksClient::blockInterface, QStringLiteral("Format"),
                         formatArguments, UDisksClient::noTimeout);
    const OperationResult outcome = UDisksErrors::result(formatted);
    if (!outcome.ok && outcome.error == OperationError::diskServiceGone) {
        if (!wasMounted) {
            co_return outcome;
        }
        // Nothing is asked of a daemon that may have taken udisks2's place.
        //: Erase failure when udisks2 went away during the erase; %1 is the volume's name, %2 why
        co_return OperationResult{
            false,
            QCoreApplication::translate("UDisksOperations",
                                        "“%1” was unmounted, but the erase didn’t finish, so "
                                        "what the volume holds now is unknown: %2")
                .arg(volume.name, outcome.detail.value_or(QString())),
            outcome.error};
    }
    if (!outcome.ok) {
        // The old file system is still there: leave it as usable as it was.
        if (!wasMounted) {
            co_return outcome;
        }
        const OperationResult remounted = co_await mount(object);
        if (remounted.ok) {
            co_return outcome;
        }
        //: Erase failure after which the volume stays unmounted; %1 is why the erase failed
        co_return failure(
            QCoreApplication::translate("UDisksOperations",
                                        "%1 The volume couldn’t be mounted again: %2")
                .arg(outcome.detail.value_or(QString()), remounted.detail.value_or(QString())));
    }

    const OperationResult mounted = co_await mount(object);
    if (!mounted.ok) {
        //: Detail of a successful erase whose new volume could not be mounted
        co_return OperationResult{
            true, QCoreApplication::translate("UDisksOperations",
                                              "Erased, but the volume couldn’t be mounted: %1")
                      .arg(mounted.detail.value_or(QString()))};
    }
    co_return OperationResult{true, std::nullopt};
}

QCoro::Task<QStringList> UDisksOperations::availableEraseFormats()
{
    // Without udisks2 nothing can be told; the erase itself then says what is wrong.
    if (!co_await sessionReady()) {
        co_return eraseFormats();
    }
    QStringList available;
    for (const QString &format : eraseFormats()) {
        if (!co_await missingTool(filesystemType(format))) {
            available.append(format);
        }
    }
    co_return available;
}

QCoro::Task<std::optional<QString>> UDisksOperations::missingTool(QString fileSystemType)
{
    const QVariantList arguments{fileSystemType};
    const QDBusMessage reply =
        co_await m_client->call(UDisksClient::managerObjectPath, UDisksClient::managerInterface,
                                QStringLiteral("CanFormat"), arguments, queryTimeoutMs);
    // An older udisks2 cannot tell: the format counts as makeable.
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        co_return std::nullopt;
    }
    // (available, the utility that is missing otherwise)
    const auto answer = reply.arguments().constFirst().value<QDBusArgument>();
    bool makeable = true;
    QString utility;
    answer.beginStructure();
    answer >> makeable >> utility;
    answer.endStructure();
    if (makeable) {
        co_return std::nullopt;
    }
    co_return utility;
}
