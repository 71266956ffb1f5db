#include "TextMatch.h"

#include <QChar>

#include <vector>

namespace vorkast {

namespace {

// Decodes one code point; malformed bytes are taken one by one as themselves.
char32_t decode(std::string_view s, size_t &i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    auto cont = [&](size_t k) -> int {
        if (i + k >= s.size())
            return -1;
        const auto b = static_cast<unsigned char>(s[i + k]);
        return (b & 0xC0) == 0x80 ? (b & 0x3F) : -1;
    };
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0) {
        const int c1 = cont(1);
        if (c1 >= 0) {
            i += 2;
            return static_cast<char32_t>(((b0 & 0x1F) << 6) | c1);
        }
    } else if ((b0 & 0xF0) == 0xE0) {
        const int c1 = cont(1), c2 = c1 >= 0 ? cont(2) : -1;
        if (c2 >= 0) {
            i += 3;
            return static_cast<char32_t>(((b0 & 0x0F) << 12) | (c1 << 6) | c2);
        }
    } else if ((b0 & 0xF8) == 0xF0) {
        const int c1 = cont(1), c2 = c1 >= 0 ? cont(2) : -1, c3 = c2 >= 0 ? cont(3) : -1;
        if (c3 >= 0) {
            i += 4;
            return static_cast<char32_t>(((b0 & 0x07) << 18) | (c1 << 12) | (c2 << 6) | c3);
        }
    }
    ++i;
    return b0;
}

char32_t fold(char32_t c)
{
    return c < 0x80 ? ((c >= 'A' && c <= 'Z') ? c + 32 : c) : QChar::toCaseFolded(c);
}

void decodeFolded(std::string_view s, std::vector<char32_t> &out)
{
    out.clear();
    for (size_t i = 0; i < s.size();)
        out.push_back(fold(decode(s, i)));
}

// Matches with '%' handled by remembering the last star position (no recursion).
bool matchPattern(const std::vector<char32_t> &p, const std::vector<char32_t> &t, const std::vector<bool> &literal)
{
    size_t pi = 0, ti = 0, starP = SIZE_MAX, starT = 0;
    while (ti < t.size()) {
        if (pi < p.size() && !literal[pi] && p[pi] == U'%') {
            starP = ++pi;
            starT = ti;
        } else if (pi < p.size() && (p[pi] == t[ti] || (!literal[pi] && p[pi] == U'_'))) {
            ++pi;
            ++ti;
        } else if (starP != SIZE_MAX) {
            pi = starP;
            ti = ++starT;
        } else {
            return false;
        }
    }
    while (pi < p.size() && !literal[pi] && p[pi] == U'%')
        ++pi;
    return pi == p.size();
}

} // namespace

int compareFolded(std::string_view a, std::string_view b)
{
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = fold(decode(a, i));
        const char32_t cb = fold(decode(b, j));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

bool likeFolded(std::string_view pattern, std::string_view text, char32_t escape)
{
    thread_local std::vector<char32_t> rawPattern, p, t;
    thread_local std::vector<bool> literal;
    decodeFolded(pattern, rawPattern);
    p.clear();
    literal.clear();
    for (size_t i = 0; i < rawPattern.size(); ++i) {
        if (escape != 0 && rawPattern[i] == fold(escape) && i + 1 < rawPattern.size()) {
            p.push_back(rawPattern[++i]);
            literal.push_back(true);
        } else {
            p.push_back(rawPattern[i]);
            literal.push_back(false);
        }
    }
    decodeFolded(text, t);
    return matchPattern(p, t, literal);
}

} // namespace vorkast
