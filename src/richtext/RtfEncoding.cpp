#include "RtfEncoding.h"

#include "CodePages.h"

namespace vorkast::rtf::detail {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void appendUnicode(QByteArray &out, char16_t unit)
{
    out += "\\u";
    out += QByteArray::number(static_cast<qint16>(unit));
    out += '?';
}

} // namespace

void appendRtfText(QByteArray &out, QStringView text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0x7F) {
            if (c == '\\' || c == '{' || c == '}')
                out += '\\';
            out += static_cast<char>(c);
            continue;
        }
        switch (c) {
        case u'\t': out += "\\tab "; continue;
        case 0x2028: out += "\\line "; continue;
        case 0x00A0: out += "\\~"; continue;
        case 0x00AD: out += "\\-"; continue;
        case 0x2011: out += "\\_"; continue;
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
                appendUnicode(out, c);
                appendUnicode(out, text[++i].unicode());
            } else {
                appendUnicode(out, 0xFFFD);
            }
            continue;
        }
        if (QChar::isLowSurrogate(c)) {
            appendUnicode(out, 0xFFFD);
            continue;
        }
        if (const unsigned char b = encodeCp1251(c); b >= 0x80) {
            out += "\\'";
            out += kHexDigits[b >> 4];
            out += kHexDigits[b & 0xF];
            continue;
        }
        appendUnicode(out, c);
    }
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
