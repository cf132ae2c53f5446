#pragma once

#include <QString>

// The outcome of one external tool run.
struct CommandResult {
    int status = -1; // exit code, the signal number if a signal ended it, -1 if it never started
    QString standardOutput; // decoded as UTF-8, invalid sequences replaced
    QString standardError;  // the launch error's description when it never started
    bool timedOut = false;

    bool operator==(const CommandResult &) const = default;
};
