#pragma once

#include "operations/blocker.h"

#include <QString>

// Reads the field output of "lsof -Fpc" into blockers. Running the lister belongs to the
// platform's operations; these are the pure steps it needs.
namespace BlockerScanner {

// One blocker per process id, in first-seen order. Malformed lines never abort the parse.
BlockerList parse(const QString &output);
// Keeps the first blocker of each command name (case-sensitive; empty counts as a name).
BlockerList uniqueCommands(const BlockerList &blockers);

} // namespace BlockerScanner
