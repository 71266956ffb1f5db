#include "RtfEncoding.h"

#include "CodePages.h"

namespace vorkast::rtf::detail {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
// The longest output for one UTF-16 unit: "\u-32768?".
constexpr qsizetype kMaxBytesPerUnit = 9;

char *putUnicode(char *p, char16_t unit)
{
    int value = static_cast<qint16>(unit);
    *p++ = '\\';
    *p++ = 'u';
    if (value < 0) {
        *p++ = '-';
        value = -value;
    }
    char digits[6];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (n > 0)
        *p++ = digits[--n];
    *p++ = '?';
    return p;
}

char *putLiteral(char *p, const char *text)
{
    while (*text)
        *p++ = *text++;
    return p;
}

} // namespace

void appendRtfText(QByteArray &out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size() * kMaxBytesPerUnit);
    char *const begin = out.data();
    char *p = begin + start;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0x7F) {
            if (c == '\\' || c == '{' || c == '}')
                *p++ = '\\';
            *p++ = static_cast<char>(c);
            continue;
        }
        switch (c) {
        case u'\t': p = putLiteral(p, "\\tab "); continue;
        case 0x2028: p = putLiteral(p, "\\line "); continue;
        case 0x00A0: p = putLiteral(p, "\\~"); continue;
        case 0x00AD: p = putLiteral(p, "\\-"); continue;
        case 0x2011: p = putLiteral(p, "\\_"); continue;
        case 0x2029:
        case 0xFFFC:
        case 0xFDD0:
        case 0xFDD1:
            continue;
        default:
            break;
        }
        if (c < 0x20 || c == 0x7F)
            continue;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
                p = putUnicode(p, c);
                p = putUnicode(p, text[++i].unicode());
            } else {
                p = putUnicode(p, 0xFFFD);
            }
            continue;
        }
        if (QChar::isLowSurrogate(c)) {
            p = putUnicode(p, 0xFFFD);
            continue;
        }
        if (const unsigned char b = encodeCp1251(c); b >= 0x80) {
            *p++ = '\\';
            *p++ = '\'';
            *p++ = kHexDigits[b >> 4];
            *p++ = kHexDigits[b & 0xF];
            continue;
        }
        p = putUnicode(p, c);
    }
    out.resize(p - begin);
}

void appendWord(QByteArray &out, const char *word, long long param)
{
    out += '\\';
    out += word;
    out += QByteArray::number(param);
}

void appendHex(QByteArray &out, QByteArrayView data, int lineLength)
{
    const qsizetype start = out.size();
    const qsizetype digits = data.size() * 2;
    const qsizetype breaks = lineLength > 0 ? digits / lineLength : 0;
    out.resize(start + digits + breaks);
    char *p = out.data() + start;
    int column = 0;
    for (const char ch : data) {
        const auto b = static_cast<unsigned char>(ch);
        *p++ = kHexDigits[b >> 4];
        *p++ = kHexDigits[b & 0xF];
        column += 2;
        if (lineLength > 0 && column >= lineLength) {
            *p++ = '\n';
            column = 0;
        }
    }
    out.resize(p - out.data());
}

} // namespace vorkast::rtf::detail
