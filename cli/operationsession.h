#pragma once

#include "discovery/volumestore.h"
#include "operations/operationrecorder.h"
#include "policy/excludedvolume.h"
#include "stores/historystore.h"

#include <QString>
#include <memory>
#include <optional>
#include <qcoro/qcorotask.h>

class DiskOperations;
class DiskSource;
class FlockDiskLocks;
class DeviceFileSystemProbe;
class GuardedDiskOperations;
class PreferencesStore;
class UDisksClient;
class SettingsStore;

// What the operation commands share with the application: the media policies it installs at
// launch, the volume list over udisks2, the operations, the settings and the history.
class OperationSession {
public:
    // udisks2 on the system bus.
    OperationSession();
    // Volumes from source and operations of the caller's (both outlive the session); their
    // erases and failed renames are not probed afresh, the caller's operations being its own.
    OperationSession(UDisksClient &client, std::shared_ptr<DiskSource> source,
                     DiskOperations &operations);
    ~OperationSession();

    // Waits for udisks2's first answer, then reads the volumes once.
    QCoro::Task<> start();

    bool isDiskServiceAvailable() const;
    // Every kind, for finding the volume an argument names.
    const VolumeList &allVolumes() const { return m_store->allVolumes(); }
    // What the application shows with the stored settings.
    VolumeList visibleVolumes() const { return m_store->visibleVolumes(); }
    ExcludedVolumeList excludedVolumes() const;

    DiskOperations &operations();
    OperationRecorder &recorder() { return m_recorder; }

    // The label udisks2 reports for the device now, asked afresh; none when it cannot tell.
    QCoro::Task<std::optional<QString>> currentLabel(QString deviceName);

private:
    void installMediaPolicies();

    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<PreferencesStore> m_prefs;
    std::unique_ptr<UDisksClient> m_ownClient;
    UDisksClient *m_client;
    std::unique_ptr<VolumeStore> m_store;
    std::unique_ptr<DiskOperations> m_ownOperations;
    std::unique_ptr<FlockDiskLocks> m_locks;
    std::unique_ptr<DeviceFileSystemProbe> m_probe;
    // Every operation of the command line goes through it.
    std::unique_ptr<GuardedDiskOperations> m_operations;
    HistoryStore m_history;
    OperationRecorder m_recorder;
};
