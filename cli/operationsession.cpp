#include "operationsession.h"

#include "policy/mediadefinitionsupdater.h"
#include "policy/mediapolicyoverrides.h"
#include "stores/preferencesstore.h"
#include "stores/userdefaults.h"

namespace {

VolumeKindSet enabledKinds(const PreferencesStore *prefs)
{
    return prefs ? prefs->enabledKinds() : VolumeStore::defaultEnabledKinds();
}

} // namespace

OperationSession::OperationSession()
    : m_defaults(UserDefaults::standard()),
      m_prefs(m_defaults ? std::make_unique<PreferencesStore>(*m_defaults) : nullptr),
      m_provider(std::make_shared<UDisksDescriptionProvider>(&m_client)),
      m_store(std::make_unique<VolumeStore>(std::make_shared<UDisksDiskSource>(m_provider),
                                            enabledKinds(m_prefs.get()))),
      m_operations(&m_client), m_recorder(m_history)
{
    // The same policy layers the application installs at launch; nothing is fetched here.
    MediaPolicy::installOverrides(
        MediaPolicyOverrides::load(MediaPolicyOverrides::defaultFileURL()));
    MediaDefinitionsUpdater::installCachedDefinitions(MediaDefinitionsUpdater::defaultCachePath());
}

OperationSession::~OperationSession() = default;

QCoro::Task<> OperationSession::start()
{
    co_await m_client.untilAnswered();
    m_store->start();
}

ExcludedVolumeList OperationSession::excludedVolumes() const
{
    return m_prefs ? m_prefs->excludedVolumes() : ExcludedVolumeList();
}
