#pragma once

// Test doubles for the application tests: a scripted disk source, disk operations, prompts and
// history, and a ready AppServices made of them.

#include "common/operationprompts.h"
#include "discovery/disksource.h"
#include "operations/diskoperations.h"
#include "policy/mediadefinitionstransport.h"
#include "shell/appservices.h"
#include "stores/historyrecording.h"
#include "stores/settingsstore.h"
#include "volumebuilder.h"

#include "sysfsactivitymonitor.h"

#include <QTemporaryDir>
#include <coroutine>
#include <deque>
#include <vector>

class FakeDiskSource : public DiskSource {
public:
    VolumeList volumes;
    ChangeHandler handler;

    VolumeList currentVolumes() override { return volumes; }
    void setChangeHandler(ChangeHandler h) override { handler = std::move(h); }

    void publish(const VolumeList &next)
    {
        volumes = next;
        if (handler)
            handler();
    }
};

class FakeDiskOperations : public DiskOperations {
public:
    struct Call {
        QString operation;
        QString volumeId;
        bool force = false;
        QString argument;
    };

    // Results handed out in order; an empty queue answers success.
    std::deque<OperationResult> ejectResults;
    std::deque<OperationResult> otherResults;
    BlockerList blockerList;
    // While set, eject waits for release() before it answers.
    bool holdEjects = false;
    QList<Call> calls;
    int ejectsWaiting = 0;

    // Answers every eject that is waiting.
    void release()
    {
        const std::vector<std::coroutine_handle<>> resuming = std::exchange(m_waiting, {});
        for (std::coroutine_handle<> handle : resuming)
            handle.resume();
    }

    QCoro::Task<OperationResult> eject(Volume volume, bool force) override
    {
        calls.append({QStringLiteral("eject"), volume.id, force, {}});
        if (holdEjects) {
            ++ejectsWaiting;
            co_await Gate{this};
            --ejectsWaiting;
        }
        co_return next(ejectResults);
    }
    QCoro::Task<OperationResult> remount(Volume volume) override
    {
        calls.append({QStringLiteral("remount"), volume.id, false, {}});
        co_return next(otherResults);
    }
    QCoro::Task<OperationResult> rename(Volume volume, QString newName) override
    {
        calls.append({QStringLiteral("rename"), volume.id, false, newName});
        co_return next(otherResults);
    }
    QCoro::Task<OperationResult> erase(Volume volume, QString format, QString newName) override
    {
        calls.append(
            {QStringLiteral("erase"), volume.id, false, format + QLatin1Char('/') + newName});
        co_return next(otherResults);
    }
    QCoro::Task<BlockerList> blockers(Volume volume) override
    {
        calls.append({QStringLiteral("blockers"), volume.id, false, {}});
        co_return blockerList;
    }
    QCoro::Task<QStringList> availableEraseFormats() override { co_return eraseFormats; }

    QStringList eraseFormats{QStringLiteral("ext4"), QStringLiteral("ExFAT")};

private:
    struct Gate {
        FakeDiskOperations *owner;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> handle) { owner->m_waiting.push_back(handle); }
        void await_resume() const noexcept {}
    };

    std::vector<std::coroutine_handle<>> m_waiting;

    static OperationResult next(std::deque<OperationResult> &queue)
    {
        if (queue.empty())
            return {true, std::nullopt};
        OperationResult result = queue.front();
        queue.pop_front();
        return result;
    }
};

class FakePrompts : public OperationPrompts {
public:
    struct Alert {
        QString title;
        QString text;
        bool operator==(const Alert &) const = default;
    };

    bool forceAnswer = false;
    std::optional<QString> renameAnswer;
    std::optional<EraseChoice> eraseAnswer;
    bool confirmAnswer = false;

    QList<QStringList> forceOffers;
    QList<ConfirmationModel> confirmations;
    int renameAsked = 0;
    int eraseAsked = 0;
    QStringList offeredFormats;
    QList<Alert> alerts;

    bool forceEject(const QString &, const QStringList &blockers) override
    {
        forceOffers.append(blockers);
        return forceAnswer;
    }
    std::optional<QString> renameName(const QString &, const QString &) override
    {
        ++renameAsked;
        return renameAnswer;
    }
    std::optional<EraseChoice> eraseChoice(const Volume &, const QStringList &formats) override
    {
        ++eraseAsked;
        offeredFormats = formats;
        return eraseAnswer;
    }
    bool confirm(ConfirmationModel model, VolumeOperation, const QString &) override
    {
        confirmations.append(model);
        return confirmAnswer;
    }
    void alert(const QString &title, const QString &text) override { alerts.append({title, text}); }
};

inline char *toString(const FakePrompts::Alert &alert)
{
    return qstrdup(qPrintable(alert.title + QStringLiteral(" / ") + alert.text));
}

class MemoryHistory : public HistoryRecording {
public:
    HistoryEntryList lines; // oldest first

    void append(const HistoryEntry &entry) override { lines.append(entry); }
    HistoryEntryList entries(std::optional<int> limit = std::nullopt) override
    {
        HistoryEntryList newestFirst(lines.crbegin(), lines.crend());
        if (limit)
            newestFirst = newestFirst.mid(0, qMax(0, *limit));
        return newestFirst;
    }

    QStringList operations() const
    {
        QStringList result;
        for (const HistoryEntry &entry : lines)
            result.append(entry.operation + (entry.ok ? QString() : QStringLiteral(" failed")));
        return result;
    }
};

class OfflineTransport : public MediaDefinitionsTransport {
public:
    QCoro::Task<MediaDefinitionsFetchResult> fetchToken(QUrl) override
    {
        co_return MediaDefinitionsFetchResult::failure(QStringLiteral("offline"));
    }
};

// The fakes a application runs on; the test keeps pointers to drive and inspect them.
struct FakeServices {
    QTemporaryDir folder;
    std::unique_ptr<SettingsStore> defaults = SettingsStore::inMemory();
    std::shared_ptr<FakeDiskSource> source = std::make_shared<FakeDiskSource>();
    FakeDiskOperations *operations = nullptr;
    MemoryHistory *history = nullptr;
    FakePrompts *prompts = nullptr;
    AutostartManager *autostart = nullptr;
    // The programs a relaunch was asked to start.
    QStringList relaunches;

    QString autostartEntryPath() const
    {
        return folder.filePath(QStringLiteral("config/autostart/com.quillmere.app.desktop"));
    }

    AppServices make()
    {
        AppServices services;
        services.defaults = defaults.get();
        services.makeDiskSource = [source = source] { return source; };
        auto ops = std::make_unique<FakeDiskOperations>();
        operations = ops.get();
        services.operations = std::move(ops);
        auto log = std::make_unique<MemoryHistory>();
        history = log.get();
        services.history = std::move(log);
        auto questions = std::make_unique<FakePrompts>();
        prompts = questions.get();
        services.prompts = std::move(questions);
        services.definitionsTransport = std::make_unique<OfflineTransport>();
        services.overridesPath = folder.filePath(QStringLiteral("media-policy-overrides.json"));
        services.definitionsCachePath = folder.filePath(QStringLiteral("media-definitions.token"));
        // An empty sysfs: no disk ever shows activity.
        services.activityMonitor = std::make_unique<SysfsActivityMonitor>(
            SysfsReader(folder.filePath(QStringLiteral("sys"))));
        // Never the user's own autostart folder.
        auto login = std::make_unique<AutostartManager>(autostartEntryPath(),
                                                        QStringLiteral("/usr/bin/quillmere"));
        autostart = login.get();
        services.autostart = std::move(login);
        services.relaunch = [this](const QString &program) { relaunches.append(program); };
        return services;
    }
};

// Volumes as the disk source reports them.
inline Volume removableVolume(const QString &name, bool mounted = true)
{
    VolumeBuilder volume(name);
    volume.id(QStringLiteral("id-") + name)
        .device(QStringLiteral("sdb1"))
        .wholeDisk(QStringLiteral("sdb"))
        .external()
        .removable()
        .ejectable()
        .uuid(QStringLiteral("UUID-") + name.toUpper());
    if (mounted)
        volume.mountedAt(QStringLiteral("/media/user/") + name).size(2'000'000'000, 500'000'000);
    else
        volume.unmounted().size(2'000'000'000);
    return volume.build();
}

inline Volume internalVolume(const QString &name)
{
    return VolumeBuilder(removableVolume(name))
        .device(QStringLiteral("nvme0n1p3"))
        .wholeDisk(QStringLiteral("nvme0n1"))
        .mountPath(QStringLiteral("/mnt/") + name)
        .internalExtra()
        .removable(false)
        .ejectable(false)
        .build();
}
