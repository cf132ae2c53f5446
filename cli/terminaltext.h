#pragma once

#include <QString>

// Text from outside the program (volume labels, process names, history details, arguments)
// made safe to print: a USB stick's label must not send escape sequences to the terminal or
// break one line of output into two.
namespace TerminalText {

// Control characters (C0, DEL, C1), line and paragraph separators and bidirectional
// formatting characters as visible escapes ("\n", "\t", "\x1b", "\u{202e}"); a backslash is
// doubled, so the escaped text stays unambiguous.
QString escaped(const QString &text);

// An argument or other outside text echoed back in a message: escaped, and cut to maxLength
// characters with an ellipsis, so a huge argument does not flood the terminal.
QString echoed(const QString &text, qsizetype maxLength = 80);

// JSON text with the same characters as \uXXXX escapes, which JSON writers leave raw
// (they escape only C0 controls). Valid JSON stays valid and equal in meaning.
QString jsonSafe(const QString &json);

} // namespace TerminalText
