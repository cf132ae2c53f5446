#pragma once

#include "operations/filesystemprobe.h"
#include "operations/operationresult.h"

#include <QString>
#include <optional>

// Whether an erase that the disk service called done left what was asked for, judged by a
// fresh probe of the device: only then is it reported as done.
namespace EraseCheck {

// done is the disk service's result; fileSystemType the type asked for ("ext4", "vfat").
OperationResult verdict(const OperationResult &done, const QString &fileSystemType,
                        const QString &label, const std::optional<ProbedFileSystem> &found);

} // namespace EraseCheck
