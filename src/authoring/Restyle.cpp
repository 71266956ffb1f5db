#include "Restyle.h"

#include <QTextCursor>
#include <QTextDocument>

namespace vorkast {

void restyleDocument(QTextDocument &document, const TextStyle &style)
{
    // The first character's format: the cursor after it reports the character before it.
    QTextCursor probe(&document);
    if (!document.isEmpty())
        probe.movePosition(QTextCursor::NextCharacter);
    const QTextCharFormat first = probe.charFormat();

    QTextCharFormat format;
    format.setFontPointSize(style.pointSize);
    format.setForeground(style.colour);
    format.setFontFamilies({style.family});
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(first.fontItalic());
    format.setFontUnderline(first.fontUnderline());
    format.setFontStrikeOut(first.fontStrikeOut());

    QTextCursor all(&document);
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    // Text typed later into an emptied box takes the same style.
    all.mergeBlockCharFormat(format);
}

} // namespace vorkast
