#pragma once

#include <QString>

// Where the running program lives: what a relaunch and the login item start.
namespace RunningProgram {

// $APPIMAGE when the program runs as an AppImage (the executable itself sits in a mount that
// goes away with it), otherwise the resolved executable.
QString path();

} // namespace RunningProgram
