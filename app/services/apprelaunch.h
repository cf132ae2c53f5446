#pragma once

#include <QString>

// Starts the program anew while this instance quits.
namespace AppRelaunch {

// Starts `program` detached after a short pause, through /bin/sh, and hands this process's
// single-instance name over first, so that the new instance runs instead of reopening this
// one. False when the shell did not start (the name is then taken back). The caller quits.
bool relaunch(const QString &program);

} // namespace AppRelaunch
