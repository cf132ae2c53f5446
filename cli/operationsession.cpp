#include "operationsession.h"

#include "devicefilesystemprobe.h"
#include "flockdisklocks.h"
#include "udisksclient.h"
#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"
#include "udisksoperations.h"

#include "operations/guardeddiskoperations.h"
#include "policy/mediadefinitionsupdater.h"
#include "policy/mediapolicy.h"
#include "policy/mediapolicyoverrides.h"
#include "stores/preferencesstore.h"
#include "stores/settingsstore.h"

#include <QDBusVariant>

namespace {

VolumeKindSet enabledKinds(const PreferencesStore *prefs)
{
    return prefs ? prefs->enabledKinds() : VolumeStore::defaultEnabledKinds();
}

// A command names what `list --all` showed, so it finds everything attached.
std::shared_ptr<UDisksDiskSource> everythingAttached(UDisksClient *client)
{
    auto source =
        std::make_shared<UDisksDiskSource>(std::make_shared<UDisksDescriptionProvider>(client));
    source->setUnmountedScope(DiskMerger::UnmountedScope::everythingAttached);
    return source;
}

} // namespace

OperationSession::OperationSession()
    : m_settings(SettingsStore::standard()),
      m_prefs(m_settings ? std::make_unique<PreferencesStore>(*m_settings) : nullptr),
      m_ownClient(std::make_unique<UDisksClient>()), m_client(m_ownClient.get()),
      m_store(std::make_unique<VolumeStore>(everythingAttached(m_ownClient.get()),
                                            enabledKinds(m_prefs.get()))),
      m_ownOperations(std::make_unique<UDisksOperations>(m_ownClient.get())),
      m_locks(std::make_unique<FlockDiskLocks>()),
      m_probe(std::make_unique<DeviceFileSystemProbe>(m_ownClient.get())),
      m_operations(std::make_unique<GuardedDiskOperations>(
          *m_ownOperations, *m_locks, m_probe.get(), &UDisksOperations::filesystemType)),
      m_recorder(m_history)
{
    installMediaPolicies();
}

OperationSession::OperationSession(UDisksClient &client, std::shared_ptr<DiskSource> source,
                                   DiskOperations &operations)
    : m_settings(SettingsStore::standard()),
      m_prefs(m_settings ? std::make_unique<PreferencesStore>(*m_settings) : nullptr),
      m_client(&client),
      m_store(std::make_unique<VolumeStore>(std::move(source), enabledKinds(m_prefs.get()))),
      m_locks(std::make_unique<FlockDiskLocks>()),
      m_operations(std::make_unique<GuardedDiskOperations>(operations, *m_locks, nullptr,
                                                           &UDisksOperations::filesystemType)),
      m_recorder(m_history)
{
    installMediaPolicies();
}

OperationSession::~OperationSession() = default;

void OperationSession::installMediaPolicies()
{
    // The same policy layers the application installs at launch; nothing is fetched here,
    // and the cache is only read: the application manages it.
    MediaPolicy::installOverrides(
        MediaPolicyOverrides::load(MediaPolicyOverrides::defaultFileURL()));
    MediaDefinitionsUpdater::installCachedDefinitions(MediaDefinitionsUpdater::defaultCachePath());
}

QCoro::Task<> OperationSession::start()
{
    co_await m_client->untilAnswered();
    m_store->start();
}

DiskOperations &OperationSession::operations()
{
    return *m_operations;
}

bool OperationSession::isDiskServiceAvailable() const
{
    return m_client->isAvailable();
}

ExcludedVolumeList OperationSession::excludedVolumes() const
{
    return m_prefs ? m_prefs->excludedVolumes() : ExcludedVolumeList();
}

QCoro::Task<std::optional<QString>> OperationSession::currentLabel(QString deviceName)
{
    const QString object = m_client->blockObject(deviceName);
    if (object.isEmpty()) {
        co_return std::nullopt;
    }
    const QVariantList arguments{UDisksClient::blockInterface, QStringLiteral("IdLabel")};
    const QDBusMessage reply =
        co_await m_client->call(object, QStringLiteral("org.freedesktop.DBus.Properties"),
                                QStringLiteral("Get"), arguments, 10000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        co_return std::nullopt;
    }
    co_return reply.arguments().constFirst().value<QDBusVariant>().variant().toString();
}
