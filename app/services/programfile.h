#pragma once

#include <QString>

// The file the running program was started from: the AppImage when it runs as one (the
// executable then lives in a temporary mount), otherwise the executable itself.
struct ProgramFile {
    QString path;
    bool isAppImage = false;

    static ProgramFile current();
};
