#pragma once

#include <array>

namespace vorkast::rtf::detail {

constexpr std::array<signed char, 256> makeHexDigitTable()
{
    std::array<signed char, 256> t{};
    for (auto &v : t)
        v = -1;
    for (int i = 0; i < 10; ++i)
        t[static_cast<size_t>('0' + i)] = static_cast<signed char>(i);
    for (int i = 0; i < 6; ++i) {
        t[static_cast<size_t>('a' + i)] = static_cast<signed char>(10 + i);
        t[static_cast<size_t>('A' + i)] = static_cast<signed char>(10 + i);
    }
    return t;
}

// The value of a hex digit, or -1 for any other byte.
inline int hexDigitValue(unsigned char c)
{
    static constexpr auto table = makeHexDigitTable();
    return table[c];
}

} // namespace vorkast::rtf::detail
