#pragma once

#include <QLoggingCategory>

// Every category is quillmere.<area> (quillmere.mediapolicy, quillmere.udisks, …), so that
// QT_LOGGING_RULES="quillmere.*=true" or a journal filter selects them.
Q_DECLARE_LOGGING_CATEGORY(lcMediaPolicy)
Q_DECLARE_LOGGING_CATEGORY(lcMediaDefs)
