#pragma once

#include "operations/volumeoperation.h"

#include <QString>

// The title of a failed operation ("Couldn’t eject “X”"), shared by the application's alerts
// and the command line's messages so both say, and translate, the same words.
QString operationFailureTitle(VolumeOperation operation, const QString &volumeName);
