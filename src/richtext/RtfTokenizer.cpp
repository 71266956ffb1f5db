#include "RtfTokenizer.h"

#include "HexDigits.h"

namespace vorkast::rtf::detail {

namespace {

constexpr std::size_t kMaxWordLength = 32;
constexpr int kMaxParamDigits = 10;

bool isLetter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(unsigned char c)
{
    return hexDigitValue(c);
}

// Bytes that end a run of text.
bool isSpecial(unsigned char c)
{
    return c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n' || c == 0;
}

} // namespace

void Tokenizer::readWord(Token &token)
{
    const std::size_t start = m_pos;
    while (m_pos < m_data.size() && isLetter(static_cast<unsigned char>(m_data[m_pos])))
        ++m_pos;
    token.kind = TokenKind::Word;
    token.text = m_data.substr(start, std::min(m_pos - start, kMaxWordLength));

    bool negative = false;
    if (m_pos + 1 < m_data.size() && m_data[m_pos] == '-' && isDigit(static_cast<unsigned char>(m_data[m_pos + 1]))) {
        negative = true;
        ++m_pos;
    }
    long long value = 0;
    int digits = 0;
    while (m_pos < m_data.size() && isDigit(static_cast<unsigned char>(m_data[m_pos]))) {
        if (digits < kMaxParamDigits)
            value = value * 10 + (m_data[m_pos] - '0');
        ++digits;
        ++m_pos;
    }
    if (digits > 0) {
        token.hasParam = true;
        if (negative)
            value = -value;
        // Parameters are 32-bit in practice; saturate what does not fit.
        if (value > INT32_MAX)
            value = INT32_MAX;
        if (value < INT32_MIN)
            value = INT32_MIN;
        token.param = static_cast<int>(value);
    }
    // One blank after a control word is its delimiter, not text.
    if (m_pos < m_data.size() && m_data[m_pos] == ' ')
        ++m_pos;
}

Token Tokenizer::next()
{
    Token token;
    while (m_pos < m_data.size()) {
        const unsigned char c = static_cast<unsigned char>(m_data[m_pos]);
        switch (c) {
        case '{':
            ++m_pos;
            token.kind = TokenKind::GroupStart;
            return token;
        case '}':
            ++m_pos;
            token.kind = TokenKind::GroupEnd;
            return token;
        case '\r':
        case '\n':
        case 0:
            ++m_pos;
            continue;
        case '\\': {
            ++m_pos;
            if (m_pos >= m_data.size())
                return token;   // a lone backslash at the very end
            const unsigned char n = static_cast<unsigned char>(m_data[m_pos]);
            if (isLetter(n)) {
                readWord(token);
                return token;
            }
            ++m_pos;
            if (n == '\'') {
                const int first = readHexByte();
                if (first < 0)
                    continue;   // "\'" without hex digits carries nothing
                // Consecutive escapes (text in a legacy code page) come as one token.
                m_hexBytes.assign(1, static_cast<char>(first));
                while (m_pos + 3 < m_data.size() && m_data[m_pos] == '\\' && m_data[m_pos + 1] == '\''
                       && hexValue(static_cast<unsigned char>(m_data[m_pos + 2])) >= 0
                       && hexValue(static_cast<unsigned char>(m_data[m_pos + 3])) >= 0) {
                    m_pos += 2;
                    m_hexBytes += static_cast<char>(readHexByte());
                }
                token.kind = TokenKind::HexBytes;
                token.text = m_hexBytes;
                return token;
            }
            token.kind = TokenKind::Symbol;
            token.symbol = n == '\r' ? '\n' : static_cast<char>(n);
            return token;
        }
        default: {
            const std::size_t start = m_pos;
            while (m_pos < m_data.size() && !isSpecial(static_cast<unsigned char>(m_data[m_pos])))
                ++m_pos;
            token.kind = TokenKind::Text;
            token.text = m_data.substr(start, m_pos - start);
            return token;
        }
        }
    }
    return token;
}

int Tokenizer::readHexByte()
{
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < m_data.size()) {
        const int h = hexValue(static_cast<unsigned char>(m_data[m_pos]));
        if (h < 0)
            break;
        value = value * 16 + h;
        ++digits;
        ++m_pos;
    }
    return digits == 0 ? -1 : value;
}

std::string_view Tokenizer::takeBinary(long long count)
{
    if (count <= 0)
        return {};
    const std::size_t available = m_data.size() - m_pos;
    const std::size_t n = static_cast<unsigned long long>(count) < available ? static_cast<std::size_t>(count) : available;
    const std::string_view bytes = m_data.substr(m_pos, n);
    m_pos += n;
    return bytes;
}

void Tokenizer::skipGroup()
{
    long long depth = 1;
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c == '{') {
            ++depth;
            ++m_pos;
        } else if (c == '}') {
            ++m_pos;
            if (--depth == 0)
                return;
        } else if (c == '\\') {
            ++m_pos;
            if (m_pos >= m_data.size())
                return;
            if (isLetter(static_cast<unsigned char>(m_data[m_pos]))) {
                Token word;
                readWord(word);
                if (word.text == "bin" && word.hasParam)
                    takeBinary(word.param);
            } else {
                ++m_pos;   // an escaped character, braces included
            }
        } else {
            ++m_pos;
        }
    }
}

} // namespace vorkast::rtf::detail
