#pragma once

#include "CodePages.h"
#include "RtfControlWords.h"
#include "RtfDocumentBuilder.h"
#include "RtfPicture.h"
#include "RtfState.h"
#include "RtfTokenizer.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <optional>
#include <string>
#include <utility>
#include <string_view>
#include <unordered_map>
#include <vector>

class QTextDocument;

namespace vorkast::rtf::detail {

// Reads an RTF document into a QTextDocument: keeps the group stack, routes text to its
// destination (body, font table, colour table, picture) and applies the control words.
class Parser {
public:
    Parser(std::string_view rtf, QTextDocument &document);
    void run();

private:
    GroupState &top() { return m_groups.back(); }

    void openGroup();
    void closeGroup();
    void skipCurrentGroup();
    void handleWord(const Token &token);
    bool handleDestinationWord(Word word, const Token &token);
    void handleCharacterWord(Word word, const Token &token);
    void handleParagraphWord(Word word, const Token &token);
    void handlePictureWord(Word word, const Token &token);
    void handleSymbol(char symbol);
    void handleText(std::string_view text);
    void handleByte(unsigned char byte);
    void handleHexBytes(std::string_view bytes);
    void handleUnicode(int value);

    // One character of the current destination.
    void emitChar(char16_t c);
    void endParagraph();
    void ensureCharFormat();
    ByteDecoder &currentDecoder();

    void applyStyle(int number, int depth);
    void finishStyle();
    void finishFont();
    void finishColor();
    void finishPicture();

    Tokenizer m_tokens;
    DocumentBuilder m_builder;
    std::vector<GroupState> m_groups;
    long long m_overflowDepth = 0;   // groups beyond the depth we keep state for
    int m_pendingSkip = 0;           // fallback characters still to drop after a \u
    bool m_starPending = false;      // "\*" seen: the next word names an optional destination

    int m_ansiCodePage = kDefaultAnsiCodePage;
    int m_defaultFont = -1;
    std::unordered_map<int, FontEntry> m_fonts;
    std::vector<QColor> m_colors;
    DecoderCache m_decoders;
    ByteDecoder *m_decoder = nullptr;
    int m_decoderFont = -2;

    // The font table entry being read.
    int m_fontNumber = -1;
    int m_fontCharset = -1;
    int m_fontCodePage = 0;
    QString m_fontName;

    // Paragraph styles: the format words of each, applied where a paragraph names the style.
    struct StyleWord {
        Word word;
        bool hasParam;
        int param;
    };
    struct Style {
        std::vector<StyleWord> words;
        int basedOn = -1;
    };
    std::unordered_map<int, Style> m_styles;
    Style m_style;               // the style sheet entry being read
    int m_styleNumber = 0;
    bool m_stylePending = false;

    // The colour table entry being read.
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;

    std::optional<Picture> m_picture;
    size_t m_pictureDepth = 0;

    CharState m_formatChars;
    bool m_formatValid = false;   // false after the tables changed: formats must be built anew
    std::vector<std::pair<CharState, QTextCharFormat>> m_formatCache;
    ParaState m_blockPara;
    QTextBlockFormat m_blockFormat;
};

} // namespace vorkast::rtf::detail
