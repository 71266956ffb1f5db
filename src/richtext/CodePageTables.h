#pragma once

namespace vorkast::rtf::detail {

// The characters of bytes 0x80..0xFF of Windows-1250..1258 and 866; nullptr for other pages.
const char16_t *highHalfTable(int codePage);

// The Symbol font's characters for all 256 bytes.
const char16_t *symbolTable();

} // namespace vorkast::rtf::detail
