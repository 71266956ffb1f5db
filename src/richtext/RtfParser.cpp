#include "RtfParser.h"

#include "RtfFormats.h"

#include <QTextDocument>

#include <algorithm>

namespace vorkast::rtf::detail {

namespace {

// Group state is kept to this depth; deeper groups share their parent's state.
constexpr size_t kMaxDepth = 512;
constexpr int kMaxUnicodeSkip = 16;
constexpr int kMaxLength = 1'000'000;   // twips, about 17 metres
constexpr int kMaxHalfPoints = 3276;
constexpr size_t kMaxStyleWords = 256;
constexpr size_t kFormatCacheSize = 16;
constexpr int kMaxStyleDepth = 8;

// Shown where a picture cannot be: kinds we do not draw (metafiles) or damaged data.
const char16_t kPicturePlaceholder[] = u"[рисунок]";

bool isOn(const Token &t)
{
    return !t.hasParam || t.param != 0;
}

int clampLength(int v)
{
    return std::clamp(v, -kMaxLength, kMaxLength);
}

// Windows adds a charset name to font names ("Tahoma CYR"); the real family is without it.
QString cleanFamily(QString name)
{
    name = name.trimmed();
    static const char *const suffixes[] = {" CYR", " Cyr", " CE", " Greek", " Tur", " Baltic", " (Hebrew)", " (Arabic)",
                                           " (Vietnamese)"};
    for (const char *suffix : suffixes) {
        if (name.endsWith(QLatin1StringView(suffix))) {
            name.chop(static_cast<qsizetype>(qstrlen(suffix)));
            break;
        }
    }
    return name;
}

} // namespace

Parser::Parser(std::string_view rtf, QTextDocument &document)
    : m_tokens(rtf), m_builder(document)
{
    // The outermost entry stands for "outside every group": text after the document's last
    // brace still lands somewhere instead of being lost.
    m_groups.emplace_back();
}

void Parser::run()
{
    for (;;) {
        const Token token = m_tokens.next();
        switch (token.kind) {
        case TokenKind::End:
            if (m_picture)
                finishPicture();
            finishFont();
            m_builder.finish(toBlockFormat(top().para));
            return;
        case TokenKind::GroupStart:
            m_pendingSkip = 0;
            openGroup();
            break;
        case TokenKind::GroupEnd:
            m_pendingSkip = 0;
            closeGroup();
            break;
        case TokenKind::Word:
            if (m_pendingSkip > 0) {
                --m_pendingSkip;
                if (token.text == "bin" && token.hasParam)
                    m_tokens.takeBinary(token.param);
                break;
            }
            handleWord(token);
            break;
        case TokenKind::Symbol:
            if (m_pendingSkip > 0) {
                --m_pendingSkip;
                break;
            }
            handleSymbol(token.symbol);
            break;
        case TokenKind::HexBytes: {
            m_starPending = false;
            // Each escaped byte counts as one fallback character of a \u.
            std::string_view bytes = token.text;
            if (m_pendingSkip > 0) {
                const size_t n = std::min(bytes.size(), static_cast<size_t>(m_pendingSkip));
                m_pendingSkip -= static_cast<int>(n);
                bytes.remove_prefix(n);
            }
            if (!bytes.empty())
                handleHexBytes(bytes);
            break;
        }
        case TokenKind::Text: {
            m_starPending = false;   // "\*" marks only a destination word that follows at once
            std::string_view text = token.text;
            if (m_pendingSkip > 0) {
                const size_t n = std::min(text.size(), static_cast<size_t>(m_pendingSkip));
                m_pendingSkip -= static_cast<int>(n);
                text.remove_prefix(n);
            }
            if (!text.empty())
                handleText(text);
            break;
        }
        }
    }
}

void Parser::openGroup()
{
    m_starPending = false;
    if (m_groups.size() >= kMaxDepth || m_overflowDepth > 0) {
        ++m_overflowDepth;
        return;
    }
    m_groups.push_back(m_groups.back());
    if (top().destination == Destination::StyleSheet) {
        // Each group of the style sheet is one style; one without \s is style 0.
        m_style = Style{};
        m_styleNumber = 0;
        m_stylePending = true;
    }
}

void Parser::closeGroup()
{
    m_starPending = false;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_groups.size() <= 1)
        return;   // an extra closing brace
    if (m_picture && m_groups.size() == m_pictureDepth)
        finishPicture();
    if (top().destination == Destination::FontTable)
        finishFont();
    if (top().destination == Destination::StyleSheet)
        finishStyle();
    m_groups.pop_back();
}

void Parser::skipCurrentGroup()
{
    m_tokens.skipGroup();
    m_starPending = false;
    m_stylePending = false;
    if (m_overflowDepth > 0)
        --m_overflowDepth;
    else if (m_groups.size() > 1)
        m_groups.pop_back();
}

void Parser::handleWord(const Token &token)
{
    const Word word = lookupWord(token.text);
    if (m_starPending) {
        m_starPending = false;
        // An optional destination we do not know is skipped whole; a few we read.
        if (word != Word::ShpPict && word != Word::UnicodeDest && word != Word::Pict) {
            if (m_groups.size() > 2 || m_overflowDepth > 0)
                skipCurrentGroup();
            return;
        }
    }
    if (handleDestinationWord(word, token))
        return;
    switch (top().destination) {
    case Destination::Text:
        handleCharacterWord(word, token);
        handleParagraphWord(word, token);
        break;
    case Destination::Picture:
        if (m_picture)   // none after an inner picture ended in the same group
            handlePictureWord(word, token);
        break;
    case Destination::FontTable:
        if (word == Word::Font) {
            finishFont();
            m_fontNumber = token.param;
        } else if (word == Word::FontCharset) {
            m_fontCharset = token.param;
        } else if (word == Word::FontCodePage) {
            m_fontCodePage = token.param;
        }
        break;
    case Destination::ColorTable:
        if (word == Word::Red || word == Word::Green || word == Word::Blue) {
            const int v = std::clamp(token.param, 0, 255);
            (word == Word::Red ? m_red : word == Word::Green ? m_green : m_blue) = v;
            m_colorSet = true;
        }
        break;
    case Destination::StyleSheet:
        if (word == Word::Style)
            m_styleNumber = token.param;
        else if (word == Word::StyleBasedOn)
            m_style.basedOn = token.param;
        else if (isFormattingWord(word) && m_style.words.size() < kMaxStyleWords)
            m_style.words.push_back({word, token.hasParam, token.param});
        break;
    case Destination::Ignore:
        break;
    }
}

// Header words and destinations; true when the word was one of them.
bool Parser::handleDestinationWord(Word word, const Token &token)
{
    switch (word) {
    case Word::Rtf:
        return true;
    case Word::Ansi:
        m_ansiCodePage = 1252;
        return true;
    case Word::Mac:
        m_ansiCodePage = 10000;
        return true;
    case Word::Pc:
        m_ansiCodePage = 437;
        return true;
    case Word::Pca:
        m_ansiCodePage = 850;
        return true;
    case Word::AnsiCodePage:
        if (token.hasParam && token.param > 0)
            m_ansiCodePage = token.param;
        m_decoder = nullptr;
        return true;
    case Word::DefaultFont:
        m_defaultFont = token.param;
        m_decoder = nullptr;
        m_formatValid = false;
        return true;
    case Word::FontTable:
        top().destination = Destination::FontTable;
        m_fontNumber = -1;
        m_fontName.clear();
        return true;
    case Word::StyleSheet:
        top().destination = Destination::StyleSheet;
        m_stylePending = false;
        return true;
    case Word::ColorTable:
        top().destination = Destination::ColorTable;
        m_colors.clear();
        m_colorSet = false;
        return true;
    case Word::Pict:
        if (m_picture)
            finishPicture();
        m_picture.emplace();
        m_pictureDepth = m_groups.size();
        top().destination = Destination::Picture;
        return true;
    case Word::ShpPict:
        return true;   // the pictures inside are read as usual
    case Word::UnicodeAlternatives:
        top().destination = Destination::Ignore;
        return true;
    case Word::UnicodeDest:
        top().destination = Destination::Text;
        return true;
    case Word::SkipDestination:
        if (m_groups.size() > 2 || m_overflowDepth > 0)
            skipCurrentGroup();
        return true;
    case Word::UnicodeSkip:
        top().unicodeSkip = std::clamp(token.param, 0, kMaxUnicodeSkip);
        return true;
    case Word::Unicode:
        if (token.hasParam)
            handleUnicode(token.param);
        return true;
    case Word::Bin:
        if (token.hasParam) {
            const std::string_view data = m_tokens.takeBinary(token.param);
            if (top().destination == Destination::Picture && m_picture)
                m_picture->addBinary(data);
        }
        return true;
    default:
        return false;
    }
}

void Parser::handleCharacterWord(Word word, const Token &token)
{
    CharState &c = top().chars;
    switch (word) {
    case Word::Par:
    case Word::Row:
        endParagraph();
        break;
    case Word::Sect:
    case Word::Page:
        // Section and page breaks start a new line only after text, as other readers show them.
        if (!m_builder.paragraphEmpty())
            endParagraph();
        break;
    case Word::Line: emitChar(0x2028); break;
    case Word::Tab:
    case Word::Cell:
    case Word::NestCell: emitChar(u'\t'); break;
    case Word::EmDash: emitChar(0x2014); break;
    case Word::EnDash: emitChar(0x2013); break;
    case Word::EmSpace: emitChar(0x2003); break;
    case Word::EnSpace: emitChar(0x2002); break;
    case Word::QmSpace: emitChar(0x2005); break;
    case Word::Bullet: emitChar(0x2022); break;
    case Word::LQuote: emitChar(0x2018); break;
    case Word::RQuote: emitChar(0x2019); break;
    case Word::LDblQuote: emitChar(0x201C); break;
    case Word::RDblQuote: emitChar(0x201D); break;
    case Word::Zwj: emitChar(0x200D); break;
    case Word::Zwnj: emitChar(0x200C); break;
    case Word::LtrMark: emitChar(0x200E); break;
    case Word::RtlMark: emitChar(0x200F); break;
    case Word::Plain: c = CharState{}; break;
    case Word::Style: applyStyle(token.param, 0); break;
    case Word::Font: c.font = token.param; break;
    case Word::FontSize:
        c.halfPoints = token.hasParam ? std::clamp(token.param, 0, kMaxHalfPoints) : 24;
        break;
    case Word::Bold: c.bold = isOn(token); break;
    case Word::Italic: c.italic = isOn(token); break;
    case Word::Underline: c.underline = isOn(token); break;
    case Word::UnderlineNone: c.underline = false; break;
    case Word::Strike:
    case Word::StrikeDouble: c.strike = isOn(token); break;
    case Word::Hidden: c.hidden = isOn(token); break;
    case Word::ForeColor: c.color = std::max(0, token.param); break;
    case Word::Highlight:
    case Word::BackColor: c.background = std::max(0, token.param); break;
    case Word::Super: c.vertical = 1; break;
    case Word::Sub: c.vertical = -1; break;
    case Word::NoSuperSub: c.vertical = 0; break;
    case Word::Up: c.vertical = (!token.hasParam || token.param > 0) ? 1 : 0; break;
    case Word::Dn: c.vertical = (!token.hasParam || token.param > 0) ? -1 : 0; break;
    default: break;
    }
}

void Parser::handleParagraphWord(Word word, const Token &token)
{
    ParaState &p = top().para;
    switch (word) {
    case Word::Pard: p = ParaState{}; break;
    case Word::AlignLeft: p.align = Align::Left; break;
    case Word::AlignCenter: p.align = Align::Center; break;
    case Word::AlignRight: p.align = Align::Right; break;
    case Word::AlignJustify:
    case Word::AlignDistribute: p.align = Align::Justify; break;
    case Word::LeftIndent: p.leftIndent = clampLength(token.param); break;
    case Word::RightIndent: p.rightIndent = clampLength(token.param); break;
    case Word::FirstIndent: p.firstIndent = clampLength(token.param); break;
    case Word::SpaceBefore: p.spaceBefore = std::clamp(token.param, 0, kMaxLength); break;
    case Word::SpaceAfter: p.spaceAfter = std::clamp(token.param, 0, kMaxLength); break;
    case Word::TabCenter: p.nextTabKind = TabKind::Center; break;
    case Word::TabRight: p.nextTabKind = TabKind::Right; break;
    case Word::TabDecimal: p.nextTabKind = TabKind::Decimal; break;
    case Word::TabPosition:
        if (p.tabCount < ParaState::kMaxTabs && token.param > 0)
            p.tabs[p.tabCount++] = TabStop{clampLength(token.param), p.nextTabKind};
        p.nextTabKind = TabKind::Left;
        break;
    default: break;
    }
}

void Parser::handlePictureWord(Word word, const Token &token)
{
    Picture &pic = *m_picture;
    switch (word) {
    case Word::PngBlip: pic.setKind(PictureKind::Png); break;
    case Word::JpegBlip: pic.setKind(PictureKind::Jpeg); break;
    case Word::DibPict: pic.setKind(PictureKind::Dib); break;
    case Word::EmfBlip:
    case Word::WmfPict:
    case Word::MacPict:
    case Word::DdbPict: pic.setKind(PictureKind::Other); break;
    case Word::PicWGoal: pic.setGoalW(token.param); break;
    case Word::PicHGoal: pic.setGoalH(token.param); break;
    case Word::PicScaleX: pic.setScaleX(token.param); break;
    case Word::PicScaleY: pic.setScaleY(token.param); break;
    default: break;
    }
}

void Parser::handleSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        emitChar(static_cast<char16_t>(symbol));
        break;
    case '~': emitChar(0x00A0); break;
    case '-': emitChar(0x00AD); break;
    case '_': emitChar(0x2011); break;
    case '*': m_starPending = true; break;
    case '\n':
        if (top().destination == Destination::Text)
            endParagraph();
        break;
    case '\t': emitChar(u'\t'); break;
    default: break;   // \| \: and unknown symbols carry no text
    }
}

void Parser::handleText(std::string_view text)
{
    const Destination dest = top().destination;
    if (dest == Destination::Picture) {
        if (m_picture)
            m_picture->addHex(text);
        return;
    }
    if (dest == Destination::Ignore)
        return;
    if (dest == Destination::Text) {
        if (top().chars.hidden)
            return;
        ByteDecoder &decoder = currentDecoder();
        if (decoder.asciiCompatible()) {
            // Plain printable ASCII goes in as one piece; the rest byte by byte.
            size_t start = 0;
            for (size_t i = 0; i < text.size(); ++i) {
                const unsigned char b = static_cast<unsigned char>(text[i]);
                if (b >= 0x20 && b < 0x7F)
                    continue;
                if (i > start) {
                    ensureCharFormat();
                    m_builder.appendLatin1(text.substr(start, i - start));
                }
                handleByte(b);
                start = i + 1;
            }
            if (start < text.size()) {
                ensureCharFormat();
                m_builder.appendLatin1(text.substr(start));
            }
            return;
        }
    }
    for (const char ch : text)
        handleByte(static_cast<unsigned char>(ch));
}

void Parser::handleByte(unsigned char byte)
{
    switch (top().destination) {
    case Destination::Picture:
    case Destination::Ignore:
        return;
    case Destination::ColorTable:
        if (byte == ';')
            finishColor();
        return;
    case Destination::StyleSheet:
        if (byte == ';')
            finishStyle();
        return;
    case Destination::FontTable: {
        if (byte == ';') {
            finishFont();
            return;
        }
        int codePage = m_ansiCodePage;
        if (m_fontCodePage > 0)
            codePage = m_fontCodePage;
        else if (m_fontCharset >= 0)
            codePage = codePageForCharset(m_fontCharset, m_ansiCodePage);
        if (codePage == kSymbolCodePage)
            codePage = m_ansiCodePage;   // a symbol font's name is plain text
        if (byte < 0x80) {
            if (byte >= 0x20)
                m_fontName += QLatin1Char(static_cast<char>(byte));
        } else {
            m_decoders.get(codePage).decode(byte, m_fontName);
        }
        return;
    }
    case Destination::Text:
        break;
    }
    if (byte == '\t') {
        emitChar(u'\t');
        return;
    }
    ByteDecoder &decoder = currentDecoder();
    if (decoder.singleByte()) {
        emitChar(decoder.map(byte));
        return;
    }
    QString decoded;
    decoder.decode(byte, decoded);
    for (const QChar c : decoded)
        emitChar(c.unicode());
}

void Parser::handleHexBytes(std::string_view bytes)
{
    if (top().destination == Destination::Text && !top().chars.hidden) {
        ByteDecoder &decoder = currentDecoder();
        if (decoder.singleByte()) {
            ensureCharFormat();
            for (const char ch : bytes) {
                const char16_t c = decoder.map(static_cast<unsigned char>(ch));
                // Ordinary characters go straight in; the rest (tabs, controls) take the full path.
                if (c >= 0x20 && c != 0x7F && c < 0x2029)
                    m_builder.appendChar(c);
                else
                    emitChar(c);
            }
            return;
        }
    }
    for (const char ch : bytes)
        handleByte(static_cast<unsigned char>(ch));
}

void Parser::handleUnicode(int value)
{
    m_pendingSkip = top().unicodeSkip;
    if (value < 0)
        value += 65536;
    if (value < 0)
        return;
    if (value <= 0xFFFF) {
        emitChar(static_cast<char16_t>(value));
    } else if (value <= 0x10FFFF) {
        // Some writers give characters beyond the first plane as one number.
        const char32_t cp = static_cast<char32_t>(value);
        const QChar pair[2] = {QChar::highSurrogate(cp), QChar::lowSurrogate(cp)};
        emitChar(pair[0].unicode());
        emitChar(pair[1].unicode());
    }
}

void Parser::emitChar(char16_t c)
{
    switch (top().destination) {
    case Destination::Text:
        break;
    case Destination::FontTable:
        if (c == u';')
            finishFont();
        else if (c >= 0x20)
            m_fontName += QChar(c);
        return;
    case Destination::ColorTable:
        if (c == u';')
            finishColor();
        return;
    case Destination::StyleSheet:
        if (c == u';')
            finishStyle();
        return;
    case Destination::Picture:
    case Destination::Ignore:
        return;
    }
    if (top().chars.hidden)
        return;
    if ((c < 0x20 && c != u'\t') || c == 0x7F)
        return;
    // Characters with a structural meaning inside a document: objects, frames, noncharacters.
    if (c == 0xFFFC || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFE || c == 0xFFFF)
        return;
    if (c == 0x2029) {
        endParagraph();
        return;
    }
    ensureCharFormat();
    m_builder.appendChar(c);
}

void Parser::endParagraph()
{
    if (top().destination != Destination::Text)
        return;
    ensureCharFormat();
    const ParaState &para = top().para;
    if (!(para == m_blockPara) || m_blockFormat.isEmpty()) {
        m_blockPara = para;
        m_blockFormat = toBlockFormat(para);
    }
    m_builder.endParagraph(m_blockFormat);
}

void Parser::ensureCharFormat()
{
    const CharState &chars = top().chars;
    if (m_formatValid && chars == m_formatChars)
        return;
    if (!m_formatValid)
        m_formatCache.clear();
    m_formatChars = chars;
    m_formatValid = true;
    // Documents switch between a few formats; building each only once saves most of the work.
    for (const auto &[state, format] : m_formatCache) {
        if (state == chars) {
            m_builder.setCharFormat(format);
            return;
        }
    }
    const QTextCharFormat format = toCharFormat(chars, m_defaultFont, m_fonts, m_colors);
    if (m_formatCache.size() >= kFormatCacheSize)
        m_formatCache.erase(m_formatCache.begin());
    m_formatCache.emplace_back(chars, format);
    m_builder.setCharFormat(format);
}

ByteDecoder &Parser::currentDecoder()
{
    const int font = top().chars.font >= 0 ? top().chars.font : m_defaultFont;
    if (m_decoder && m_decoderFont == font)
        return *m_decoder;
    int codePage = m_ansiCodePage;
    if (const auto it = m_fonts.find(font); it != m_fonts.end() && it->second.codePage != 0)
        codePage = it->second.codePage;
    m_decoder = &m_decoders.get(codePage);
    m_decoderFont = font;
    return *m_decoder;
}

void Parser::applyStyle(int number, int depth)
{
    const auto it = m_styles.find(number);
    if (it == m_styles.end() || depth > kMaxStyleDepth)
        return;
    const Style &style = it->second;
    if (style.basedOn >= 0 && style.basedOn != number)
        applyStyle(style.basedOn, depth + 1);
    for (const StyleWord &w : style.words) {
        Token token;
        token.kind = TokenKind::Word;
        token.hasParam = w.hasParam;
        token.param = w.param;
        handleCharacterWord(w.word, token);
        handleParagraphWord(w.word, token);
    }
}

void Parser::finishStyle()
{
    if (!m_stylePending)
        return;
    m_stylePending = false;
    m_styles[m_styleNumber] = std::move(m_style);
    m_style = Style{};
}

void Parser::finishFont()
{
    if (m_fontNumber >= 0) {
        FontEntry entry;
        entry.family = cleanFamily(m_fontName);
        if (m_fontCodePage > 0)
            entry.codePage = m_fontCodePage;
        else if (m_fontCharset == 2 && entry.family.compare(u"Symbol", Qt::CaseInsensitive) != 0)
            entry.codePage = 0;   // other symbol fonts (Wingdings...): their bytes are read as ANSI
        else if (m_fontCharset >= 0)
            entry.codePage = codePageForCharset(m_fontCharset, m_ansiCodePage);
        m_fonts[m_fontNumber] = entry;
        m_decoder = nullptr;
        m_formatValid = false;
    }
    m_fontNumber = -1;
    m_fontCharset = -1;
    m_fontCodePage = 0;
    m_fontName.clear();
}

void Parser::finishColor()
{
    m_colors.push_back(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
    m_red = m_green = m_blue = 0;
    m_colorSet = false;
    m_formatValid = false;
}

void Parser::finishPicture()
{
    const Picture picture = std::move(*m_picture);
    m_picture.reset();
    // The picture belongs to the body only when its group sits in body text.
    const size_t depth = m_pictureDepth;
    if (depth < 2 || depth > m_groups.size())
        return;
    const GroupState &outer = m_groups[depth - 2];
    if (outer.destination != Destination::Text || outer.chars.hidden)
        return;
    const DecodedPicture decoded = picture.decode();
    if (decoded.image.isNull()) {
        ensureCharFormat();
        m_builder.appendText(QStringView(kPicturePlaceholder));
        return;
    }
    const QSizeF size = picture.displaySize(decoded.image);
    m_builder.insertImage(decoded.image, decoded.name, size.width(), size.height());
}

} // namespace vorkast::rtf::detail
