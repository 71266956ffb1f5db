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

// A LIKE pattern that matches `text` itself only ('%', '_' and '\' taken literally).
QString likeLiteral(const QString &text);

// A LIKE pattern that matches every text beginning with `text`.
QString likePrefix(const QString &text);

} // namespace vorkast
