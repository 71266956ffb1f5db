#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorkast::rtf::detail {

enum class TokenKind : std::uint8_t {
    End,
    GroupStart,
    GroupEnd,
    Word,      // control word: name, optional parameter
    Symbol,    // control symbol: one non-letter after the backslash
    HexBytes,  // a run of \'xx escapes, decoded: their bytes in `text`
    Text,      // a run of plain bytes (line ends and NULs are dropped by the tokenizer)
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text;   // Word: its name; Text, HexBytes: the bytes
    bool hasParam = false;
    int param = 0;
    char symbol = 0;         // Symbol: the character after the backslash ('\n' for a backslash-newline)
};

// Splits RTF bytes into tokens. Always moves forward, so every loop over it ends.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view data) : m_data(data) {}

    Token next();
    // Consumes up to `count` raw bytes after a \binN word and returns them.
    std::string_view takeBinary(long long count);
    // Skips the rest of the group whose opening brace was already read, including its closing brace;
    // honours escapes and \binN data inside it.
    void skipGroup();
    bool atEnd() const { return m_pos >= m_data.size(); }

private:
    // Reads a control word whose first letter is at m_pos into `token`.
    void readWord(Token &token);

    // Reads a \'xx at m_pos (just after the backslash and quote); -1 when no hex digit follows.
    int readHexByte();

    std::string_view m_data;
    std::size_t m_pos = 0;
    std::string m_hexBytes;
};

} // namespace vorkast::rtf::detail
