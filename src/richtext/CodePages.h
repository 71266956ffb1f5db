#pragma once

#include <QString>

#include <memory>
#include <unordered_map>

class QStringDecoder;

namespace vorkast::rtf::detail {

// Code page numbers with a meaning beyond the Windows ones.
constexpr int kSymbolCodePage = -2;   // the Symbol font's own encoding
constexpr int kDefaultAnsiCodePage = 1252;

// The code page that a font's \fcharset stands for; `ansiCodePage` for ANSI/default (0, 1).
int codePageForCharset(int charset, int ansiCodePage);

// Decodes the bytes of one code page into UTF-16. Single-byte pages of our own tables decode
// byte by byte without state; other pages go through a stateful Qt decoder (multi-byte pages).
class ByteDecoder {
public:
    explicit ByteDecoder(int codePage);
    ~ByteDecoder();
    ByteDecoder(const ByteDecoder &) = delete;
    ByteDecoder &operator=(const ByteDecoder &) = delete;

    int codePage() const { return m_codePage; }
    // True when bytes below 0x80 are plain ASCII, so text can skip the decoder.
    bool asciiCompatible() const { return m_asciiCompatible; }
    // True when every byte stands for one character on its own (our tables).
    bool singleByte() const { return m_decoder == nullptr; }
    // The character of `byte` on a single-byte page.
    char16_t map(unsigned char byte) const
    {
        return m_full ? m_full[byte] : (byte < 0x80 ? char16_t(byte) : m_high[byte - 0x80]);
    }
    // Appends the characters that `byte` completes (none while a multi-byte sequence is open).
    void decode(unsigned char byte, QString &out);

private:
    int m_codePage;
    bool m_asciiCompatible = true;
    const char16_t *m_high = nullptr;   // table for 0x80..0xFF
    const char16_t *m_full = nullptr;   // table for 0x00..0xFF (Symbol)
    std::unique_ptr<QStringDecoder> m_decoder;
};

// One decoder per code page, made when first needed.
class DecoderCache {
public:
    ByteDecoder &get(int codePage);

private:
    std::unordered_map<int, std::unique_ptr<ByteDecoder>> m_decoders;
};

// Writer side: the Windows-1251 byte of `c`, or 0 when the code page has no such character
// (bytes below 0x80 are returned as themselves).
unsigned char encodeCp1251(char16_t c);

} // namespace vorkast::rtf::detail
