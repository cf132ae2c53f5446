#include "operations/erasecheck.h"

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
    // FAT and exFAT labels are compared as their tools store them, without case.
    const bool foldCase =
        fileSystemType == QLatin1String("vfat") || fileSystemType == QLatin1String("exfat");
    const bool sameType = found->type == fileSystemType;
    const bool sameLabel =
        found->label.compare(label, foldCase ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
    if (sameType && sameLabel)
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
