#pragma once

#include <cstdint>
#include <string_view>

namespace vorkast::rtf::detail {

// The control words the reader acts on; everything else is Unknown and ignored.
enum class Word : std::uint8_t {
    Unknown,
    // Header and tables
    Rtf, Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, FontTable, ColorTable, Font, FontCharset, FontCodePage,
    StyleSheet, Style, StyleBasedOn,
    Red, Green, Blue,
    // Destinations read for their text or data
    Pict, ShpPict, UnicodeDest, UnicodeAlternatives,
    // Destinations skipped whole
    SkipDestination,
    // Characters
    Par, Line, Tab, Page, Sect, Cell, Row, NestCell, Unicode, UnicodeSkip, Bin,
    EmDash, EnDash, EmSpace, EnSpace, QmSpace, Bullet, LQuote, RQuote, LDblQuote, RDblQuote, Zwj, Zwnj, LtrMark, RtlMark,
    // Character formats
    Plain, FontSize, Bold, Italic, Underline, UnderlineNone, Strike, StrikeDouble, ForeColor, Highlight, BackColor,
    Super, Sub, NoSuperSub, Up, Dn, Hidden,
    // Paragraph formats
    Pard, AlignLeft, AlignCenter, AlignRight, AlignJustify, AlignDistribute, LeftIndent, RightIndent, FirstIndent,
    SpaceBefore, SpaceAfter, TabPosition, TabCenter, TabRight, TabDecimal, InTable,
    // Pictures
    PngBlip, JpegBlip, EmfBlip, WmfPict, MacPict, DibPict, DdbPict, PicWGoal, PicHGoal, PicScaleX, PicScaleY,
};

Word lookupWord(std::string_view name);

// Character and paragraph format words, the ones a style is made of.
bool isFormattingWord(Word word);

} // namespace vorkast::rtf::detail
