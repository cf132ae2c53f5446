#include "terminaltext.h"

#include <QList>

namespace {

bool needsEscape(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x200e || c == 0x200f ||
           (c >= 0x2028 && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

QString hex(char32_t c, int width)
{
    return QString::number(static_cast<uint>(c), 16).rightJustified(width, QLatin1Char('0'));
}

} // namespace

namespace TerminalText {

QString escaped(const QString &text)
{
    // Most text needs nothing.
    bool plain = true;
    for (const char32_t c : text.toUcs4()) {
        if (needsEscape(c) || c == U'\\') {
            plain = false;
            break;
        }
    }
    if (plain)
        return text;

    QString out;
    out.reserve(text.size() + 8);
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case U'\\':
            out += QLatin1String("\\\\");
            break;
        case U'\n':
            out += QLatin1String("\\n");
            break;
        case U'\r':
            out += QLatin1String("\\r");
            break;
        case U'\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (!needsEscape(c))
                out += QString::fromUcs4(&c, 1);
            else if (c <= 0xff)
                out += QLatin1String("\\x") + hex(c, 2);
            else
                out += QLatin1String("\\u{") + hex(c, 4) + QLatin1Char('}');
        }
    }
    return out;
}

QString echoed(const QString &text, qsizetype maxLength)
{
    if (text.size() <= maxLength)
        return escaped(text);
    // Not inside a surrogate pair.
    qsizetype cut = maxLength - 1;
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    return escaped(text.left(cut)) + QChar(0x2026);
}

QString jsonSafe(const QString &json)
{
    QString out;
    out.reserve(json.size());
    for (const QChar ch : json) {
        const char16_t c = ch.unicode();
        if (c >= 0x20 && needsEscape(c))
            out += QLatin1String("\\u") + hex(c, 4);
        else
            out += ch;
    }
    return out;
}

} // namespace TerminalText
