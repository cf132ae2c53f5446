#include "policy/logging.h"

Q_LOGGING_CATEGORY(lcMediaPolicy, "quillmere.mediapolicy")
Q_LOGGING_CATEGORY(lcMediaDefs, "quillmere.mediadefinitions")
