#pragma once

#include <QString>

// The user's private folder for locks and sockets that live as long as the session:
// $XDG_RUNTIME_DIR/quillmere when that is the user's own, otherwise /tmp/quillmere-<uid>. A
// folder that is a link, belongs to someone else or is open to others is not used.
namespace RuntimeFolder {

// Created when missing; empty when no safe folder can be had.
QString path();

// True when path is a real folder (not a link) of the running user that nobody else may
// write to.
bool isPrivateFolder(const QString &path);

} // namespace RuntimeFolder
