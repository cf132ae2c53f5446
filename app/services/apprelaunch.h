#pragma once

#include <QString>

namespace AppRelaunch {

// Starts `program` anew once this instance has had time to go, through
// /bin/sh -c 'sleep 0.4; exec "$0"' PROGRAM; the caller then quits. The single-instance name
// is given up first, so the new instance does not hand itself over to this quitting one.
// False when the shell could not be started.
bool relaunch(const QString &program);

} // namespace AppRelaunch
