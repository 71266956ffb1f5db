#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace vorkast::rtf::detail {

// Character properties of a group; values that RTF leaves at "none" stay unset in the document.
struct CharState {
    int font = -1;          // RTF font number; -1: the document's default font
    int halfPoints = 0;     // \fs; 0: no size of its own
    int color = 0;          // colour table index; 0: automatic
    int background = 0;     // colour table index; 0: none
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    std::int8_t vertical = 0;   // 1 superscript, -1 subscript

    bool operator==(const CharState &) const = default;
};

enum class TabKind : std::uint8_t { Left, Center, Right, Decimal };

struct TabStop {
    int twips = 0;
    TabKind kind = TabKind::Left;
    bool operator==(const TabStop &) const = default;
};

enum class Align : std::uint8_t { Left, Center, Right, Justify };

// Paragraph properties; lengths in twips.
struct ParaState {
    static constexpr int kMaxTabs = 16;
    Align align = Align::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    std::array<TabStop, kMaxTabs> tabs{};
    std::uint8_t tabCount = 0;
    TabKind nextTabKind = TabKind::Left;

    bool operator==(const ParaState &) const = default;
};

// Where the text of a group goes.
enum class Destination : std::uint8_t {
    Text,        // the document body
    FontTable,
    ColorTable,
    StyleSheet,
    Picture,     // hex or binary picture data
    Ignore,      // text dropped, groups inside still parsed (\upr's ANSI half)
};

struct GroupState {
    CharState chars;
    ParaState para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;   // \uc: fallback characters after each \u
};

struct FontEntry {
    QString family;
    int codePage = 0;
};

} // namespace vorkast::rtf::detail
