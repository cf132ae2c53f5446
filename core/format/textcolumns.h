#pragma once

#include <QString>

// Text laid out in the columns of a terminal, where CJK characters take two cells and combining
// marks none, so that a Japanese table lines up like an English one.
namespace TextColumns {

int width(const QString &text);
// The text followed by spaces up to the given width; wider text is returned as it is.
QString padded(const QString &text, int columns);

} // namespace TextColumns
