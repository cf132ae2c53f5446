#pragma once

#include "discovery/activitymonitoring.h"
#include "model/volume.h"
#include "operations/operationrecorder.h"
#include "policy/autoejectpolicy.h"
#include "sleepwatching.h"

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>
#include <qcoro/qcorotask.h>

class DiskOperations;
class HistoryRecording;
class NotificationPosting;
class PreferencesStore;
class QTimer;
class ScreenLockWatching;

// Where sleep, lock and notifications come from; any may be absent.
struct AutoEjectSystemEvents {
    SleepWatching *sleep = nullptr;
    ScreenLockWatching *screenLock = nullptr;
    NotificationPosting *notifications = nullptr;
};

// Ejects the eligible volumes before sleep, on screen lock and after idle time, and remounts
// them after wake or unlock. Settings are read afresh at every pass. Main thread only.
class AutoEjectController : public QObject {
    Q_OBJECT
public:
    struct EjectedVolume {
        QString id;
        QString deviceName;
        QString name;
        std::optional<QString> volumeUUID;

        bool operator==(const EjectedVolume &) const = default;
    };

    using VolumesProvider = std::function<VolumeList()>;

    using SystemEvents = AutoEjectSystemEvents;

    static constexpr std::chrono::milliseconds idleCheckInterval{60000};
    static constexpr std::chrono::milliseconds remountDelay{2000};

    // Without an activity monitor idle ejection is off.
    AutoEjectController(PreferencesStore &prefs, VolumesProvider volumesProvider,
                        DiskOperations &operations, HistoryRecording &history,
                        ActivityMonitoring *activity, SystemEvents events = {},
                        QObject *parent = nullptr);
    ~AutoEjectController() override;

    // Installs the observers and the idle timer. Called once.
    void start();
    // Completes when the pass is over: the one it started, or for sleep also the one that was
    // already running, so that the machine does not sleep in the middle of an eject.
    QCoro::Task<> handleTrigger(AutoEjectTrigger trigger);
    // On wake and unlock alike.
    void handleWake();
    void refreshIdleTimer();
    void postEjectNotification(const QString &volumeName);

    static QString notificationTitle();
    static QString notificationBody(const QString &volumeName, bool remountOnWake);

    const QList<EjectedVolume> &ejected() const { return m_ejected; }
    bool ejectPassInFlight() const { return m_ejectPassInFlight; }
    // Null while idle ejection is off.
    const QTimer *idleTimer() const { return m_idleTimer; }

signals:
    void ejectPassFinished();
    void remountPassFinished();

private:
    QCoro::Task<> ejectPass(VolumeList volumes);
    QCoro::Task<> remountPass(QList<EjectedVolume> volumes);
    void reportSleepUnavailable(const QString &reason);
    // A successful eject of this volume leaves no volume of its whole disk mounted.
    static bool takesItsDiskDown(const Volume &volume);

    PreferencesStore &m_prefs;
    VolumesProvider m_volumesProvider;
    DiskOperations &m_operations;
    HistoryRecording &m_history;
    // The one way history lines are made.
    OperationRecorder m_recorder;
    ActivityMonitoring *m_activity;
    SystemEvents m_events;
    // The sleep monitor may go first at shutdown.
    QPointer<SleepWatching> m_sleepWatcher;
    // Sleep and wake.
    QList<QMetaObject::Connection> m_workspaceTokens;
    // Screen lock and unlock.
    QList<QMetaObject::Connection> m_distributedTokens;
    QMetaObject::Connection m_defaultsToken;
    QTimer *m_idleTimer = nullptr;
    QList<EjectedVolume> m_ejected;
    bool m_ejectPassInFlight = false;
    bool m_started = false;
    bool m_saidSleepUnavailable = false;
};
