#pragma once

#include "discovery/volumestore.h"
#include "operations/operationrecorder.h"
#include "policy/excludedvolume.h"
#include "stores/historystore.h"
#include "udisksclient.h"
#include "udisksdescriptionprovider.h"
#include "udisksdisksource.h"
#include "udisksoperations.h"

#include <memory>
#include <qcoro/qcorotask.h>

class PreferencesStore;
class UserDefaults;

// What the operation commands share with the application: the media policies it installs at
// launch, the volume list over udisks2, the operations, the settings and the history.
class OperationSession {
public:
    OperationSession();
    ~OperationSession();

    // Waits for udisks2's first answer, then reads the volumes once.
    QCoro::Task<> start();

    bool isDiskServiceAvailable() const { return m_client.isAvailable(); }
    // Every kind, for finding the volume an argument names.
    const VolumeList &allVolumes() const { return m_store->allVolumes(); }
    // What the application shows with the stored settings.
    VolumeList visibleVolumes() const { return m_store->visibleVolumes(); }
    ExcludedVolumeList excludedVolumes() const;

    DiskOperations &operations() { return m_operations; }
    OperationRecorder &recorder() { return m_recorder; }

private:
    std::unique_ptr<UserDefaults> m_defaults;
    std::unique_ptr<PreferencesStore> m_prefs;
    UDisksClient m_client;
    std::shared_ptr<UDisksDescriptionProvider> m_provider;
    std::unique_ptr<VolumeStore> m_store;
    UDisksOperations m_operations;
    HistoryStore m_history;
    OperationRecorder m_recorder;
};
