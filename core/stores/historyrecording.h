#pragma once

#include "stores/historyentry.h"

#include <optional>

// Where operation history lines go and come back from.
class HistoryRecording {
public:
    virtual ~HistoryRecording() = default;

    // Returns at once; the line is written later, in call order.
    virtual void append(const HistoryEntry &entry) = 0;
    // Newest first; all entries when no limit is given, a negative limit counts as 0.
    virtual HistoryEntryList entries(std::optional<int> limit = std::nullopt) = 0;
};
