#include "operations/renametruth.h"

#include "operations/volumenamerules.h"

#include <QCoreApplication>

namespace RenameTruth {

bool mayHaveChanged(const OperationResult &failed)
{
    switch (failed.error) {
    case OperationError::notAuthorized:
    case OperationError::noAuthenticationAgent:
    case OperationError::cancelled:
        return false;
    case OperationError::failed:
    case OperationError::busy:
    case OperationError::notMounted:
    case OperationError::diskServiceGone:
        break;
    }
    return !failed.ok && !failed.held;
}

OperationResult verdict(const OperationResult &failed, const QString &fileSystemType,
                        const QString &oldName, const QString &newName,
                        const std::optional<ProbedFileSystem> &found)
{
    // No label is no evidence: an unlabelled volume is listed by a stand-in name.
    if (failed.ok || !found || found->label.isEmpty())
        return failed;
    if (VolumeNameRules::sameLabel(fileSystemType, found->label, newName))
        return {true, std::nullopt};
    if (VolumeNameRules::sameLabel(fileSystemType, found->label, oldName))
        return failed;
    OperationResult changed = failed;
    //: Rename failure after reading the device back; %1 is the name it has now, %2 the name
    //: asked for, %3 why the rename failed
    changed.detail =
        QCoreApplication::translate("RenameTruth", "The volume is now named “%1”, not “%2”: %3")
            .arg(found->label, newName,
                 failed.detail.value_or(OperationErrors::text(failed.error, {})));
    return changed;
}

} // namespace RenameTruth
