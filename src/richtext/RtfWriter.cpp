#include "RtfWriter.h"

#include <QTextDocument>

namespace vorkast::rtf {

// Minimal writer: plain text with \par and \uN. Replaced by the full writer.
QByteArray write(const QTextDocument &document)
{
    QByteArray out("{\\rtf1\\ansi\\ansicpg1251\\deff0 ");
    const QString text = document.toPlainText();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\n' || u == QChar::ParagraphSeparator)
            out += "\\par ";
        else if (u == '\\' || u == '{' || u == '}')
            out += '\\' + QByteArray(1, static_cast<char>(u));
        else if (u < 0x80)
            out += static_cast<char>(u);
        else
            out += "\\u" + QByteArray::number(static_cast<qint16>(u)) + '?';
    }
    out += "\\par }";
    return out;
}

} // namespace vorkast::rtf
