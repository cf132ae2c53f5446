#include "operations/erasecheck.h"

#include "operations/volumenamerules.h"

#include <QCoreApplication>

namespace EraseCheck {

OperationResult verdict(const OperationResult &done, const QString &fileSystemType,
                        const QString &label, const std::optional<ProbedFileSystem> &found)
{
    if (!done.ok)
        return done;
    if (!found) {
        //: Erase failure: the device could not be read back after formatting
        return {false, QCoreApplication::translate(
                           "EraseCheck", "The erase finished, but the volume could not be read "
                                         "back to check it.")};
    }
    if (found->type == fileSystemType &&
        VolumeNameRules::sameLabel(fileSystemType, found->label, label))
        return {true, std::nullopt};
    if (found->type.isEmpty()) {
        //: Erase failure after reading the device back
        return {false, QCoreApplication::translate(
                           "EraseCheck", "The erase finished, but the volume now holds no file "
                                         "system. Erase it again.")};
    }
    //: Erase failure after reading the device back; %1 file-system type, %2 its name
    return {false, QCoreApplication::translate("EraseCheck",
                                               "The erase finished, but the volume now holds "
                                               "%1 “%2” instead. Erase it again.")
                       .arg(found->type, found->label)};
}

} // namespace EraseCheck
