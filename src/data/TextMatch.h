#pragma once

#include <string_view>

namespace vorkast {

// Compares two UTF-8 texts code point by code point after Unicode case folding.
int compareFolded(std::string_view a, std::string_view b);

// SQL LIKE on UTF-8 texts without regard to letter case: '%' any run, '_' one character,
// `escape` (0 for none) makes the next pattern character literal.
bool likeFolded(std::string_view pattern, std::string_view text, char32_t escape);

} // namespace vorkast
