#include "RtfReader.h"

#include <QTextDocument>

namespace vorkast::rtf {

// Minimal reader: text, \par, \uN and escapes. Replaced by the full reader.
void read(const QByteArray &rtf, QTextDocument &document)
{
    QString out;
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            --depth;
        } else if (c == '\\' && i + 1 < rtf.size()) {
            const char n = rtf[i + 1];
            if (n == '\\' || n == '{' || n == '}') {
                out += QLatin1Char(n);
                ++i;
                continue;
            }
            qsizetype j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
                ++j;
            const QByteArray word = rtf.mid(i + 1, j - i - 1);
            qsizetype k = j;
            while (k < rtf.size() && (rtf[k] == '-' || std::isdigit(static_cast<unsigned char>(rtf[k]))))
                ++k;
            const int param = rtf.mid(j, k - j).toInt();
            if (k < rtf.size() && rtf[k] == ' ')
                ++k;
            if (word == "par")
                out += QLatin1Char('\n');
            else if (word == "u") {
                out += QChar(static_cast<char16_t>(param < 0 ? param + 65536 : param));
                if (k < rtf.size() && rtf[k] == '?')
                    ++k;
            }
            i = k - 1;
        } else if (c != '\r' && c != '\n' && depth <= 1) {
            out += QLatin1Char(c);
        }
    }
    if (out.endsWith(QLatin1Char('\n')))
        out.chop(1);
    document.setPlainText(out);
}

} // namespace vorkast::rtf
