#pragma once

#include <QString>

// The freedesktop.org trash, through QFile::moveToTrash.
namespace Trash {

// False with the reason in *error when the file stays where it is.
bool moveToTrash(const QString &path, QString *error = nullptr);

} // namespace Trash
