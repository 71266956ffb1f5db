#include "SqlText.h"

namespace vorkast {

bool isCaseless(const QString &text)
{
    for (const QChar c : text) {
        if (c.isLetter() || c.isSurrogate() || c.toCaseFolded() != c || c.toUpper() != c || c.toLower() != c)
            return false;
        // Signs such as circled letters and Roman numerals have cases too.
        if (c.category() == QChar::Symbol_Other || c.category() == QChar::Number_Letter)
            return false;
    }
    return true;
}

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
