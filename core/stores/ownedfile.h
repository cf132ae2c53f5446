#pragma once

#include <QByteArray>
#include <QString>

// The program's own files (history, its lock, settings, overrides) are opened only when they
// are what they seem: a symbolic link counts only when it belongs to the user and leads to a
// file that exists, and what is written or created belongs to the user in a folder of the
// user's, so that a link planted in their place cannot make the program (run as root, say)
// write into someone else's file or create one where the link points.
namespace OwnedFile {

// What stands at a path, as far as these rules care.
struct Facts {
    bool exists = false; // anything at the path itself, a dangling link included
    bool isLink = false;
    uint linkOwner = 0; // the link's own owner
    bool targetExists = false;
    uint targetOwner = 0; // the file's owner, links followed
    bool folderExists = false;
    uint folderOwner = 0; // the folder the file is (or would be created) in, links followed
};

// Why the path must not be read; empty when it may (a missing file may).
QString readProblem(const Facts &facts, uint user);
// Why the path must not be written or created; empty when it may.
QString writeProblem(const Facts &facts, uint user);

Facts factsOf(const QString &path);

// The same for the running user's path.
QString readProblem(const QString &path);
QString writeProblem(const QString &path);

// The path a write goes to: the target of an allowed link, else the path itself.
QString writtenPath(const QString &path);

// Opens for reading and writing at the end, creating the file when missing (mode 0600), never
// through a link the rules refuse; -1 with *error set otherwise. The descriptor is close-on-exec.
int openForAppend(const QString &path, QString *error = nullptr);

// Replaces the file with data through a new file in the same folder and a rename, never
// following a link the rules refuse. False with *error set on failure; the old file is intact.
bool replace(const QString &path, const QByteArray &data, QString *error = nullptr);

} // namespace OwnedFile
