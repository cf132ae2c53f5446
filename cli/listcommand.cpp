#include "listcommand.h"

#include "interruptwatcher.h"
#include "terminaltext.h"
#include "volumejson.h"
#include "volumetable.h"

#include "discovery/mounteventdiffer.h"
#include "discovery/volumestore.h"
#include "format/dateformatter.h"
#include "stores/preferencesstore.h"
#include "udisksclient.h"
#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <algorithm>
#include <qcoro/qcorosignal.h>

namespace {

QString compact(const QJsonObject &object)
{
    return TerminalText::jsonSafe(
        QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
}

QString eventLine(const QDateTime &date, const QString &operation, const Volume &volume, bool json)
{
    if (json) {
        QJsonObject object;
        object.insert(QLatin1String("date"), date.toString(Qt::ISODate));
        object.insert(QLatin1String("operation"), operation);
        object.insert(QLatin1String("volume"), VolumeJson::toJson(volume));
        return compact(object);
    }
    QString line = DateFormatter::medium(date) + QLatin1String("  ") + operation.leftJustified(11) +
                   TerminalText::escaped(volume.name);
    if (!volume.deviceName.isEmpty()) {
        line += QLatin1String(" (") + TerminalText::escaped(volume.deviceName) + QLatin1Char(')');
    }
    if (!volume.mountPath.isEmpty()) {
        line += QLatin1String(" ") + TerminalText::escaped(volume.mountPath);
    }
    return line;
}

const Volume *findById(const VolumeList &volumes, const QString &id)
{
    for (const Volume &v : volumes) {
        if (v.id == id) {
            return &v;
        }
    }
    return nullptr;
}

} // namespace

ListCommand::ListCommand(ListOptions options, const PreferencesStore &preferences, QTextStream &out,
                         QTextStream &err, std::unique_ptr<UDisksClient> snapshot)
    : m_options(options), m_preferences(preferences), m_out(out), m_err(err),
      m_snapshot(std::move(snapshot))
{
}

ListCommand::~ListCommand() = default;

bool ListCommand::isOneShot(const QStringList &arguments)
{
    const QStringList given = arguments.mid(1);
    const auto command = std::find_if(given.cbegin(), given.cend(), [](const QString &argument) {
        return !argument.startsWith(QLatin1Char('-'));
    });
    return command != given.cend() && *command == QLatin1String("list") &&
           !given.contains(QLatin1String("--watch"));
}

std::unique_ptr<UDisksClient> ListCommand::startSnapshot()
{
    return std::make_unique<UDisksClient>(QDBusConnection::systemBus(), nullptr,
                                          UDisksClient::Updates::snapshot);
}

VolumeKindSet ListCommand::shownKinds() const
{
    if (m_options.all) {
        const QList<VolumeKind> &kinds = enumValues<VolumeKind>();
        return VolumeKindSet(kinds.cbegin(), kinds.cend());
    }
    return m_preferences.enabledKinds();
}

void ListCommand::print(const VolumeList &volumes)
{
    if (m_options.json) {
        QJsonArray array;
        for (const Volume &v : volumes) {
            array.append(VolumeJson::toJson(v));
        }
        m_out << TerminalText::jsonSafe(
            QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
    } else {
        m_out << VolumeTable::render(volumes);
    }
    m_out.flush();
}

QStringList ListCommand::changeLines(const VolumeList &before, const VolumeList &after,
                                     const QDateTime &date, bool json)
{
    QStringList lines;
    for (const HistoryEntry &entry : MountEventDiffer::diff(before, after, date)) {
        const bool mounted = entry.operation == QLatin1String("mount");
        const VolumeList &list = mounted ? after : before;
        for (const Volume &v : list) {
            if (v.isMounted && v.name == entry.volumeName && v.deviceName == entry.deviceName) {
                lines.append(eventLine(date, entry.operation, v, json));
                break;
            }
        }
    }
    for (const Volume &v : after) {
        if (!v.isMounted && findById(before, v.id) == nullptr) {
            lines.append(eventLine(date, QStringLiteral("attached"), v, json));
        }
    }
    for (const Volume &v : before) {
        if (!v.isMounted && findById(after, v.id) == nullptr) {
            lines.append(eventLine(date, QStringLiteral("detached"), v, json));
        }
    }
    return lines;
}

QCoro::Task<int> ListCommand::run()
{
    if (!m_snapshot || m_options.watch) {
        m_snapshot = std::make_unique<UDisksClient>(
            QDBusConnection::systemBus(), nullptr,
            m_options.watch ? UDisksClient::Updates::followed : UDisksClient::Updates::snapshot);
    }
    UDisksClient &client = *m_snapshot;
    co_await client.untilAnswered();
    if (!client.isAvailable()) {
        //: quillmere-cli warning when the disk service is absent
        m_err << QCoreApplication::translate(
                     "ListCommand",
                     "quillmere-cli: udisks2 is not running on the system bus; only mounted "
                     "volumes are listed, without unmounted partitions.")
              << Qt::endl;
    }
    auto provider = std::make_shared<UDisksDescriptionProvider>(&client);
    auto source = std::make_shared<UDisksDiskSource>(provider);
    if (m_options.all) {
        source->setUnmountedScope(DiskMerger::UnmountedScope::everythingAttached);
    }
    VolumeStore store(source, shownKinds());
    store.start();
    print(store.visibleVolumes());
    if (!m_options.watch) {
        co_return 0;
    }

    QObject::connect(&client, &UDisksClient::availabilityChanged, [this](bool available) {
        //: quillmere-cli --watch note
        const QString appeared =
            QCoreApplication::translate("ListCommand", "quillmere-cli: udisks2 appeared.");
        //: quillmere-cli --watch note
        const QString wentAway =
            QCoreApplication::translate("ListCommand", "quillmere-cli: udisks2 went away.");
        m_err << (available ? appeared : wentAway) << Qt::endl;
    });
    VolumeList previous = store.allVolumes();
    const VolumeKindSet kinds = store.enabledKinds();
    store.onChange = [&] {
        const VolumeList current = store.allVolumes();
        VolumeList before;
        VolumeList after;
        for (const Volume &v : previous) {
            if (kinds.contains(v.kind)) {
                before.append(v);
            }
        }
        for (const Volume &v : current) {
            if (kinds.contains(v.kind)) {
                after.append(v);
            }
        }
        for (const QString &line :
             changeLines(before, after, QDateTime::currentDateTimeUtc(), m_options.json)) {
            m_out << line << '\n';
        }
        m_out.flush();
        previous = current;
    };
    InterruptWatcher interrupt;
    co_await qCoro(&interrupt, &InterruptWatcher::interrupted);
    store.onChange = nullptr;
    co_return 0;
}
