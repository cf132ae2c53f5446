#pragma once

#include "operations/filesystemprobe.h"
#include "operations/operationresult.h"

#include <QString>
#include <optional>

// What a failed rename did, told from the label a fresh probe finds on the device afterwards:
// the disk service may have relabelled it and then failed to say so, or left a third name.
namespace RenameTruth {

// False where the refusal came before the disk service touched the device (authorization
// refused, no agent, a dismissed prompt): there is nothing to read back, and reading may prompt.
bool mayHaveChanged(const OperationResult &failed);

// failed is the disk service's failure; oldName the name the volume was listed with (its label,
// or a stand-in when it had none); fileSystemType as udisks2 names it ("vfat"). Done when the
// device now carries newName; a failure that names the label it carries when that is neither
// name; otherwise, also when the device could not be read or carries no label, failed unchanged.
OperationResult verdict(const OperationResult &failed, const QString &fileSystemType,
                        const QString &oldName, const QString &newName,
                        const std::optional<ProbedFileSystem> &found);

} // namespace RenameTruth
