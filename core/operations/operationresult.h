#pragma once

#include "operations/operationerror.h"

#include <QString>
#include <optional>

// The only outcome of an operation. detail is user-facing and already localised;
// operations leave it absent on success. error tells a failure's kind and means nothing on
// success.
struct OperationResult {
    bool ok = false;
    std::optional<QString> detail;
    OperationError error = OperationError::failed;
    // Refused because another operation holds the volume's disk.
    bool held = false;

    bool operator==(const OperationResult &) const = default;
};
