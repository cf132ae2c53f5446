#pragma once

#include <QString>
#include <functional>
#include <optional>

// The home folder the program keeps its files below. $HOME is taken when it names a folder of
// the user's; otherwise the password database's home; when neither does, the program refuses
// to run rather than keep its files below "/". Root takes only folders of root's, so that a
// command run through sudo with the user's environment never writes into the user's files.
namespace UserHome {

struct Candidate {
    QString path;
    // The folder's owner, none when nothing (or no folder) is there.
    std::optional<uint> owner;
};

// The chosen home, or none.
std::optional<QString> choose(const Candidate &environment, const Candidate &passwordDatabase,
                              uint user);

// Sets $HOME to the chosen home and drops $XDG_*_HOME values that do not name absolute folders
// (for root: that are not root's), so that every later path is below it. Returns the message
// to refuse with, empty when a home was found.
QString establish();

} // namespace UserHome
