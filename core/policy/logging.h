#pragma once

#include <QLoggingCategory>

// Categories carry the subsystem in their name so that journal filters can select them.
Q_DECLARE_LOGGING_CATEGORY(lcMediaPolicy)
Q_DECLARE_LOGGING_CATEGORY(lcMediaDefs)
