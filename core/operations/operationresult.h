#pragma once

#include <QString>
#include <optional>

// The only outcome of an operation. detail is user-facing and already localised;
// operations leave it absent on success.
struct OperationResult {
    bool ok = false;
    std::optional<QString> detail;

    bool operator==(const OperationResult &) const = default;
};
