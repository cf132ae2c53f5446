#pragma once

#include <QString>

// The folders of one user that the program installs into or keeps things in, resolved once so
// that the decisions over them are pure functions of plain paths.
struct UserFolders {
    QString home;
    QString dataHome;   // $XDG_DATA_HOME, ~/.local/share
    QString configHome; // $XDG_CONFIG_HOME, ~/.config
    QString cacheHome;  // $XDG_CACHE_HOME, ~/.cache
    QString downloads;  // the XDG Downloads folder
    QString desktop;    // the XDG Desktop folder

    // The XDG defaults below a home folder.
    static UserFolders below(const QString &home);
    // The running user's, as the desktop configures them; symbolic links resolved where the
    // folders exist, so they compare with the resolved program path.
    static UserFolders current();

    bool operator==(const UserFolders &) const = default;
};
