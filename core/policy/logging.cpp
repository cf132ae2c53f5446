#include "policy/logging.h"

Q_LOGGING_CATEGORY(lcMediaPolicy, "com.tarnwick.quillmere.MediaPolicy")
Q_LOGGING_CATEGORY(lcMediaDefs, "com.tarnwick.quillmere.MediaDefs")
