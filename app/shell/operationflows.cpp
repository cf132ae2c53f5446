#include "operationflows.h"

#include "common/operationprompts.h"

#include "operations/blockerscanner.h"
#include "operations/diskoperations.h"
#include "operations/operationrecorder.h"
#include "operations/operationtitles.h"
#include "policy/autoejectpolicy.h"
#include "policy/mediapolicy.h"
#include "stores/historyrecording.h"
#include "stores/preferencesstore.h"

#include <QCoreApplication>
#include <QPointer>

OperationFlows::OperationFlows(Dependencies dependencies, QObject *parent)
    : QObject(parent), m_deps(std::move(dependencies))
{
}

void OperationFlows::setBusy(const Volume &volume, bool busy)
{
    if (m_deps.setBusy)
        m_deps.setBusy(volume, busy);
}

QCoro::Task<> OperationFlows::eject(Volume volume)
{
    setBusy(volume, true);
    co_await runEject(volume);
}

QCoro::Task<OperationResult> OperationFlows::attemptEject(Volume volume, bool force)
{
    QPointer<OperationFlows> self(this);
    if (m_deps.ejectStarted)
        m_deps.ejectStarted(volume);
    const OperationResult result = co_await m_deps.operations->eject(volume, force);
    if (self && m_deps.ejectFinished)
        m_deps.ejectFinished(volume, result.ok);
    co_return result;
}

QCoro::Task<> OperationFlows::runEject(Volume volume)
{
    QPointer<OperationFlows> self(this);
    OperationResult result = co_await attemptEject(volume, false);
    if (!self)
        co_return;
    // Only a volume in use can be helped by naming its users and offering force; a dismissed
    // password prompt ends the eject quietly (record() alerts for neither).
    if (result.ok || result.error == OperationError::cancelled) {
        record(VolumeOperation::eject, volume, result);
        setBusy(volume, false);
        co_return;
    }
    if (result.error != OperationError::busy) {
        record(VolumeOperation::eject, volume, result);
        alertEjectFailure(volume, result);
        setBusy(volume, false);
        co_return;
    }

    const BlockerList blockers = co_await m_deps.operations->blockers(volume);
    if (!self)
        co_return;
    QStringList names;
    for (const Blocker &blocker : BlockerScanner::uniqueCommands(blockers)) {
        // A process without a name cannot be named to the user.
        if (!blocker.command.isEmpty())
            names.append(blocker.command);
    }

    if (!names.isEmpty()) {
        const bool force = m_deps.prompts->forceEject(volume.name, names);
        if (!self)
            co_return;
        if (force) {
            const OperationResult forced = co_await attemptEject(volume, true);
            if (!self)
                co_return;
            record(VolumeOperation::forceEject, volume, forced);
        } else {
            record(VolumeOperation::eject, volume, result);
        }
        if (self)
            setBusy(volume, false);
        co_return;
    }

    record(VolumeOperation::eject, volume, result);
    alertEjectFailure(volume, result);
    if (self)
        setBusy(volume, false);
}

void OperationFlows::alertEjectFailure(const Volume &volume, const OperationResult &result)
{
    //: Eject failure alert text
    const QString text = result.detail.value_or(
        QCoreApplication::translate("OperationFlows", "The volume couldn’t be ejected."));
    m_deps.prompts->alert(operationFailureTitle(VolumeOperation::eject, volume.name), text);
}

QCoro::Task<> OperationFlows::remount(Volume volume)
{
    QPointer<OperationFlows> self(this);
    setBusy(volume, true);
    const OperationResult result = co_await m_deps.operations->remount(volume);
    if (!self)
        co_return;
    record(VolumeOperation::remount, volume, result);
    if (self)
        setBusy(volume, false);
}

QCoro::Task<> OperationFlows::rename(Volume volume)
{
    QPointer<OperationFlows> self(this);
    const std::optional<QString> newName =
        m_deps.prompts->renameName(volume.name, volume.fileSystemType);
    if (!self || !newName)
        co_return;
    const OperationResult result = co_await m_deps.operations->rename(volume, *newName);
    if (self)
        record(VolumeOperation::rename, volume, result);
}

QCoro::Task<> OperationFlows::erase(Volume volume)
{
    if (!MediaPolicy::allowsErase(volume))
        co_return;
    QPointer<OperationFlows> self(this);
    const QStringList formats = co_await m_deps.operations->availableEraseFormats();
    if (!self)
        co_return;
    if (formats.isEmpty()) {
        //: Erase failure alert text when no erase format can be made
        m_deps.prompts->alert(
            operationFailureTitle(VolumeOperation::erase, volume.name),
            QCoreApplication::translate("OperationFlows",
                                        "This computer has none of the tools that make the file "
                                        "systems a volume can be erased to."));
        co_return;
    }
    const std::optional<EraseChoice> choice = m_deps.prompts->eraseChoice(volume, formats);
    if (!self || !choice)
        co_return;
    const ConfirmationModel model = m_deps.prefs->confirmationModel();
    if (model != ConfirmationModel::yolo) {
        const bool confirmed = m_deps.prompts->confirm(model, VolumeOperation::erase, volume.name);
        if (!self || !confirmed)
            co_return;
    }
    const OperationResult result =
        co_await m_deps.operations->erase(volume, choice->format, choice->name);
    if (self)
        record(VolumeOperation::erase, volume, result);
}

QCoro::Task<> OperationFlows::ejectAll()
{
    const VolumeList targets = AutoEjectPolicy::volumesForEjectAll(
        m_deps.visibleVolumes ? m_deps.visibleVolumes() : VolumeList(),
        m_deps.prefs->excludedVolumes());
    // One disk at a time: each operation holds its disk's lock, and a second eject on the same
    // disk would only wait for it.
    QPointer<OperationFlows> self(this);
    // Every target counts as being ejected until its turn is over, so a drive's volumes share
    // one "safe to unplug" notice, which ends with the last of them; a failure among them was
    // already told by its own attempt.
    for (const Volume &target : targets) {
        setBusy(target, true);
        if (m_deps.ejectStarted)
            m_deps.ejectStarted(target);
    }
    for (const Volume &target : targets) {
        if (!self)
            co_return;
        co_await runEject(target);
        if (self && m_deps.ejectFinished)
            m_deps.ejectFinished(target, true);
    }
}

void OperationFlows::record(VolumeOperation operation, const Volume &volume,
                            const OperationResult &result)
{
    OperationRecorder(*m_deps.history).record(operation, volume, result);
    if (m_deps.historyChanged)
        m_deps.historyChanged();

    // The eject flow alerts by itself; a dismissed password prompt was the user's own choice.
    if (result.ok || operation == VolumeOperation::eject ||
        result.error == OperationError::cancelled)
        return;
    //: Operation failure alert text
    const QString text = result.detail.value_or(
        QCoreApplication::translate("OperationFlows", "The operation failed."));
    m_deps.prompts->alert(operationFailureTitle(operation, volume.name), text);
}
