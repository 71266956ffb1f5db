#include "SqlText.h"

namespace vorkast {

QString likeLiteral(const QString &text)
{
    QString out;
    out.reserve(text.size() + 4);
    for (const QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QString likePrefix(const QString &text)
{
    return likeLiteral(text) + QLatin1Char('%');
}

} // namespace vorkast
