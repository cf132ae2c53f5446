#include "autoejectcontroller.h"

#include "notificationposting.h"
#include "operations/diskoperations.h"
#include "operations/volumeoperation.h"
#include "policy/mediapolicy.h"
#include "screenlockwatching.h"
#include "sleepwatching.h"
#include "stores/historyrecording.h"
#include "stores/preferencesstore.h"
#include "stores/settingsstore.h"

#include <QCoreApplication>
#include <QHash>
#include <QLoggingCategory>
#include <QSet>
#include <QTimer>
#include <algorithm>
#include <qcoro/qcorosignal.h>
#include <qcoro/qcorotimer.h>

Q_LOGGING_CATEGORY(lcAutoEject, "quillmere.autoeject")

namespace {

// A free coroutine, so that the sleep handler owns nothing that could vanish mid-pass.
QCoro::Task<> sleepPass(QPointer<AutoEjectController> controller)
{
    if (controller) {
        co_await controller->handleTrigger(AutoEjectTrigger::sleep);
    }
}

} // namespace

AutoEjectController::AutoEjectController(PreferencesStore &prefs, VolumesProvider volumesProvider,
                                         DiskOperations &operations, HistoryRecording &history,
                                         ActivityMonitoring *activity, SystemEvents events,
                                         QObject *parent)
    : QObject(parent), m_prefs(prefs), m_volumesProvider(std::move(volumesProvider)),
      m_operations(operations), m_history(history), m_recorder(history), m_activity(activity),
      m_events(events), m_sleepWatcher(events.sleep)
{
}

AutoEjectController::~AutoEjectController()
{
    if (m_sleepWatcher) {
        m_sleepWatcher->setSleepHandler({});
    }
}

void AutoEjectController::start()
{
    if (m_started) {
        return;
    }
    m_started = true;

    if (SleepWatching *sleep = m_events.sleep) {
        QPointer<AutoEjectController> self(this);
        sleep->setSleepHandler([self] { return sleepPass(self); });
        m_workspaceTokens.append(
            connect(sleep, &SleepWatching::woke, this, &AutoEjectController::handleWake));
        m_workspaceTokens.append(connect(sleep, &SleepWatching::unavailable, this,
                                         &AutoEjectController::reportSleepUnavailable));
        sleep->start();
    } else {
        reportSleepUnavailable(QStringLiteral("no sleep monitor"));
    }

    if (ScreenLockWatching *lock = m_events.screenLock) {
        m_distributedTokens.append(connect(lock, &ScreenLockWatching::locked, this,
                                           [this] { handleTrigger(AutoEjectTrigger::lock); }));
        m_distributedTokens.append(
            connect(lock, &ScreenLockWatching::unlocked, this, &AutoEjectController::handleWake));
        lock->start();
    }

    // Fires for changes made here and in other processes alike.
    m_defaultsToken = connect(&m_prefs.defaults(), &SettingsStore::changed, this,
                              &AutoEjectController::refreshIdleTimer);
    refreshIdleTimer();
}

void AutoEjectController::refreshIdleTimer()
{
    if (m_prefs.autoEjectIdleMinutes() > 0 && m_activity) {
        if (m_idleTimer) {
            return;
        }
        m_idleTimer = new QTimer(this);
        m_idleTimer->setInterval(idleCheckInterval);
        connect(m_idleTimer, &QTimer::timeout, this,
                [this] { handleTrigger(AutoEjectTrigger::idleCheck); });
        m_idleTimer->start();
    } else if (m_idleTimer) {
        m_idleTimer->stop();
        delete m_idleTimer;
        m_idleTimer = nullptr;
    }
}

QCoro::Task<> AutoEjectController::handleTrigger(AutoEjectTrigger trigger)
{
    if (m_ejectPassInFlight) {
        if (trigger == AutoEjectTrigger::sleep) {
            co_await qCoro(this, &AutoEjectController::ejectPassFinished);
        }
        co_return;
    }
    if (trigger == AutoEjectTrigger::idleCheck && !m_activity) {
        co_return;
    }

    AutoEjectPreferences prefs;
    prefs.ejectOnSleep = m_prefs.autoEjectOnSleep();
    prefs.ejectOnLock = m_prefs.autoEjectOnLock();
    prefs.idleMinutes = m_prefs.autoEjectIdleMinutes();
    prefs.exclusions = m_prefs.excludedVolumes();
    const VolumeList volumes = m_volumesProvider ? m_volumesProvider() : VolumeList();

    QHash<QString, double> idleTable;
    if (m_activity) {
        QSet<QString> asked;
        for (const Volume &volume : volumes) {
            if (!volume.wholeDiskName || asked.contains(*volume.wholeDiskName)) {
                continue;
            }
            asked.insert(*volume.wholeDiskName);
            if (const auto seconds = m_activity->idleSeconds(*volume.wholeDiskName)) {
                idleTable.insert(*volume.wholeDiskName, *seconds);
            }
        }
    }
    const auto idleSeconds = [&idleTable](const QString &disk) -> std::optional<double> {
        const auto it = idleTable.constFind(disk);
        return it == idleTable.cend() ? std::nullopt : std::optional<double>(*it);
    };

    const VolumeList toEject =
        AutoEjectPolicy::volumesToEject(volumes, trigger, prefs, idleSeconds);
    if (toEject.isEmpty()) {
        co_return;
    }
    m_ejectPassInFlight = true;
    co_await ejectPass(toEject);
}

QCoro::Task<> AutoEjectController::ejectPass(VolumeList volumes)
{
    QPointer<AutoEjectController> self(this);
    // Whole disks that a successful eject of this pass took down with all their volumes.
    QSet<QString> disksDown;
    for (const Volume &volume : volumes) {
        OperationResult result{true, std::nullopt};
        // Ejecting one partition unmounts its siblings (or detaches the whole image), so a
        // second eject would fail on a volume that is in fact gone.
        const bool wentWithItsDisk =
            volume.wholeDiskName && disksDown.contains(*volume.wholeDiskName);
        if (!wentWithItsDisk) {
            result = co_await m_operations.eject(volume, false);
            if (!self) {
                co_return;
            }
        }
        m_recorder.record(VolumeOperation::autoEject, volume, result);
        if (!result.ok) {
            continue;
        }
        if (takesItsDiskDown(volume)) {
            disksDown.insert(*volume.wholeDiskName);
        }
        const bool known = std::any_of(m_ejected.cbegin(), m_ejected.cend(),
                                       [&](const EjectedVolume &e) { return e.id == volume.id; });
        if (!known) {
            m_ejected.append(
                EjectedVolume{volume.id, volume.deviceName, volume.name, volume.volumeUUID});
        }
        postEjectNotification(volume.name);
    }
    m_ejectPassInFlight = false;
    emit ejectPassFinished();
}

bool AutoEjectController::takesItsDiskDown(const Volume &volume)
{
    if (!volume.wholeDiskName || volume.deviceName.isEmpty()) {
        return false;
    }
    switch (MediaPolicy::policy(volume).ejectSemantics) {
    case MediaPolicy::EjectSemantics::detachImage:
        return true;
    case MediaPolicy::EjectSemantics::unmountKeepAttached:
    case MediaPolicy::EjectSemantics::physicalEject:
        return volume.isRemovable;
    case MediaPolicy::EjectSemantics::unmountByPath:
        return false;
    }
    return false;
}

void AutoEjectController::handleWake()
{
    if (m_ejected.isEmpty()) {
        return;
    }
    QList<EjectedVolume> toRemount;
    if (m_prefs.remountOnWake()) {
        toRemount = m_ejected;
    }
    m_ejected.clear();
    if (toRemount.isEmpty()) {
        return;
    }
    remountPass(toRemount);
}

QCoro::Task<> AutoEjectController::remountPass(QList<EjectedVolume> volumes)
{
    QPointer<AutoEjectController> self(this);
    // Devices need a moment after wake before they can be mounted again.
    co_await QCoro::sleepFor(remountDelay);
    if (!self) {
        co_return;
    }
    VolumeList unmounted;
    const VolumeList current = m_volumesProvider ? m_volumesProvider() : VolumeList();
    for (const Volume &volume : current) {
        if (!volume.isMounted) {
            unmounted.append(volume);
        }
    }
    for (const EjectedVolume &ejected : volumes) {
        const RemountRecord record{ejected.volumeUUID, ejected.name, ejected.deviceName};
        const std::optional<Volume> match = AutoEjectPolicy::remountMatch(record, unmounted);
        if (!match) {
            continue;
        }
        const OperationResult result = co_await m_operations.remount(*match);
        if (!self) {
            co_return;
        }
        m_history.append(HistoryEntry{QDateTime::currentDateTimeUtc(), match->name,
                                      match->deviceName, enumName(VolumeOperation::autoRemount),
                                      result.ok, result.detail, std::nullopt});
    }
    emit remountPassFinished();
}

void AutoEjectController::postEjectNotification(const QString &volumeName)
{
    if (!m_events.notifications) {
        return;
    }
    m_events.notifications->post(notificationTitle(),
                                 notificationBody(volumeName, m_prefs.remountOnWake()));
}

QString AutoEjectController::notificationTitle()
{
    //: Auto-eject notification title
    return QCoreApplication::translate("AutoEjectController", "Quillmere");
}

QString AutoEjectController::notificationBody(const QString &volumeName, bool remountOnWake)
{
    if (remountOnWake) {
        //: Auto-eject notification body; %1 is the volume name
        return QCoreApplication::translate("AutoEjectController",
                                           "Ejected “%1” — will remount on wake")
            .arg(volumeName);
    }
    //: Auto-eject notification body without remounting; %1 is the volume name
    return QCoreApplication::translate("AutoEjectController", "Ejected “%1”").arg(volumeName);
}

void AutoEjectController::reportSleepUnavailable(const QString &reason)
{
    if (m_saidSleepUnavailable) {
        return;
    }
    m_saidSleepUnavailable = true;
    qCWarning(lcAutoEject).noquote() << "Ejection before sleep is unavailable:" << reason
                                     << "(ejection on lock and after idle time still works)";
}
