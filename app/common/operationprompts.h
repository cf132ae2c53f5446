#pragma once

#include "model/volume.h"
#include "operations/confirmationmodel.h"
#include "operations/volumeoperation.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the user chose in the erase panel.
struct EraseChoice {
    QString format;
    QString name;

    bool operator==(const EraseChoice &) const = default;
};

// The dialogs the operation flows need, behind one seam so the flows can be tested without a
// screen. Every call is modal: it returns once the user has answered.
class OperationPrompts {
public:
    virtual ~OperationPrompts() = default;

    // The force-eject offer naming the processes that hold the volume; blockers is non-empty.
    // True when the user chose to force eject.
    virtual bool forceEject(const QString &volumeName, const QStringList &blockers) = 0;
    // The rename prompt: the trimmed new name, or none when cancelled, empty or unchanged.
    // Names the file system cannot hold are not accepted.
    virtual std::optional<QString> renameName(const QString &currentName,
                                              const QString &fileSystemType) = 0;
    // The erase panel offering these formats: the chosen format and name, or none when
    // cancelled.
    virtual std::optional<EraseChoice> eraseChoice(const Volume &volume,
                                                   const QStringList &formats) = 0;
    // The confirmation style of the stored model for the operation; yolo answers true without
    // asking (the flows do not call it then).
    virtual bool confirm(ConfirmationModel model, VolumeOperation operation,
                         const QString &volumeName) = 0;
    // A warning alert with a single default button.
    virtual void alert(const QString &title, const QString &text) = 0;
};
