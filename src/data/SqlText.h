#pragma once

#include <QString>

namespace vorkast {

// Case-insensitive text comparison in a statement: "tema = :tema" + noCase().
inline QString noCase()
{
    return QStringLiteral(" COLLATE UNOCASE");
}

// The escape clause that goes with likeLiteral() and likePrefix().
inline QString likeEscape()
{
    return QStringLiteral(" ESCAPE '\\'");
}

// True when no other text equals `text` without regard to case (digits, dots, blanks...),
// so a plain comparison, which can use an index, finds the same rows.
bool isCaseless(const QString &text);

// A LIKE pattern that matches `text` itself only ('%', '_' and '\' taken literally).
QString likeLiteral(const QString &text);

// A LIKE pattern that matches every text beginning with `text`.
QString likePrefix(const QString &text);

} // namespace vorkast
