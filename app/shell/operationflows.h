#pragma once

#include "model/volume.h"
#include "operations/operationresult.h"
#include "operations/volumeoperation.h"

#include <QCoro/QCoroTask>
#include <QObject>
#include <QString>
#include <functional>

class DiskOperations;
class HistoryRecording;
class OperationPrompts;
class PreferencesStore;

// The user's volume operations, the same for every surface: each asks what it must, runs the
// operation, writes one history line per result and alerts on failure, except after a password
// prompt the user dismissed. Only a volume in use leads to the blocker scan and the offer to
// force the eject. Main thread.
class OperationFlows : public QObject {
    Q_OBJECT
public:
    struct Dependencies {
        DiskOperations *operations = nullptr;
        HistoryRecording *history = nullptr;
        PreferencesStore *prefs = nullptr;
        OperationPrompts *prompts = nullptr;
        std::function<VolumeList()> visibleVolumes;
        std::function<void(const Volume &, bool)> setBusy;
        // A history line was written (the history panel refreshes).
        std::function<void()> historyChanged;
        // An eject the user asked for starts, and ends (false: failed, refused or cancelled).
        std::function<void(const Volume &)> ejectStarted;
        std::function<void(const Volume &, bool ejected)> ejectFinished;
    };

    explicit OperationFlows(Dependencies dependencies, QObject *parent = nullptr);

    // Each flow starts at once and goes on by itself; the task only tells when it has ended.
    QCoro::Task<> eject(Volume volume);
    QCoro::Task<> remount(Volume volume);
    QCoro::Task<> rename(Volume volume);
    QCoro::Task<> erase(Volume volume);
    // Every target starts before any of them is awaited.
    QCoro::Task<> ejectAll();

    void record(VolumeOperation operation, const Volume &volume, const OperationResult &result);

private:
    // The eject flow after the busy mark is set; clears it whatever happens.
    QCoro::Task<> runEject(Volume volume);
    void setBusy(const Volume &volume, bool busy);
    void alertEjectFailure(const Volume &volume, const OperationResult &result);
    // One attempt of the operations' eject, announced to ejectStarted and ejectFinished.
    QCoro::Task<OperationResult> attemptEject(Volume volume, bool force);

    Dependencies m_deps;
};
