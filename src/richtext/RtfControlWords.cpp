#include "RtfControlWords.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vorkast::rtf::detail {

namespace {

using Entry = std::pair<std::string_view, Word>;

// Sorted by name for binary search.
constexpr Entry kWords[] = {
    {"annotation", Word::SkipDestination},
    {"ansi", Word::Ansi},
    {"ansicpg", Word::AnsiCodePage},
    {"atnauthor", Word::SkipDestination},
    {"atnid", Word::SkipDestination},
    {"author", Word::SkipDestination},
    {"b", Word::Bold},
    {"bin", Word::Bin},
    {"blue", Word::Blue},
    {"bullet", Word::Bullet},
    {"buptim", Word::SkipDestination},
    {"cb", Word::BackColor},
    {"cell", Word::Cell},
    {"cf", Word::ForeColor},
    {"chcbpat", Word::BackColor},
    {"colorschememapping", Word::SkipDestination},
    {"colortbl", Word::ColorTable},
    {"comment", Word::SkipDestination},
    {"cpg", Word::FontCodePage},
    {"creatim", Word::SkipDestination},
    {"datafield", Word::SkipDestination},
    {"deff", Word::DefaultFont},
    {"dibitmap", Word::DibPict},
    {"dn", Word::Dn},
    {"doccomm", Word::SkipDestination},
    {"docvar", Word::SkipDestination},
    {"emdash", Word::EmDash},
    {"emfblip", Word::EmfBlip},
    {"emspace", Word::EmSpace},
    {"endash", Word::EnDash},
    {"enspace", Word::EnSpace},
    {"f", Word::Font},
    {"fchars", Word::SkipDestination},
    {"fcharset", Word::FontCharset},
    {"fi", Word::FirstIndent},
    {"filetbl", Word::SkipDestination},
    {"fldinst", Word::SkipDestination},
    {"fonttbl", Word::FontTable},
    {"footer", Word::SkipDestination},
    {"footerf", Word::SkipDestination},
    {"footerl", Word::SkipDestination},
    {"footerr", Word::SkipDestination},
    {"footnote", Word::SkipDestination},
    {"fs", Word::FontSize},
    {"ftncn", Word::SkipDestination},
    {"ftnsep", Word::SkipDestination},
    {"ftnsepc", Word::SkipDestination},
    {"generator", Word::SkipDestination},
    {"green", Word::Green},
    {"header", Word::SkipDestination},
    {"headerf", Word::SkipDestination},
    {"headerl", Word::SkipDestination},
    {"headerr", Word::SkipDestination},
    {"highlight", Word::Highlight},
    {"i", Word::Italic},
    {"info", Word::SkipDestination},
    {"intbl", Word::InTable},
    {"jpegblip", Word::JpegBlip},
    {"keywords", Word::SkipDestination},
    {"latentstyles", Word::SkipDestination},
    {"lchars", Word::SkipDestination},
    {"ldblquote", Word::LDblQuote},
    {"li", Word::LeftIndent},
    {"line", Word::Line},
    {"listoverridetable", Word::SkipDestination},
    {"listtable", Word::SkipDestination},
    {"lquote", Word::LQuote},
    {"ltrmark", Word::LtrMark},
    {"mac", Word::Mac},
    {"macpict", Word::MacPict},
    {"mmathPr", Word::SkipDestination},
    {"nestcell", Word::NestCell},
    {"nonshppict", Word::SkipDestination},
    {"nosupersub", Word::NoSuperSub},
    {"objdata", Word::SkipDestination},
    {"operator", Word::SkipDestination},
    {"page", Word::Page},
    {"par", Word::Par},
    {"pard", Word::Pard},
    {"passwordhash", Word::SkipDestination},
    {"pc", Word::Pc},
    {"pca", Word::Pca},
    {"pgdsctbl", Word::SkipDestination},
    {"pichgoal", Word::PicHGoal},
    {"picscalex", Word::PicScaleX},
    {"picscaley", Word::PicScaleY},
    {"pict", Word::Pict},
    {"picwgoal", Word::PicWGoal},
    {"plain", Word::Plain},
    {"pmmetafile", Word::WmfPict},
    {"pn", Word::SkipDestination},
    {"pngblip", Word::PngBlip},
    {"pnseclvl", Word::SkipDestination},
    {"pntxta", Word::SkipDestination},
    {"pntxtb", Word::SkipDestination},
    {"printim", Word::SkipDestination},
    {"private", Word::SkipDestination},
    {"protusertbl", Word::SkipDestination},
    {"qc", Word::AlignCenter},
    {"qd", Word::AlignDistribute},
    {"qj", Word::AlignJustify},
    {"ql", Word::AlignLeft},
    {"qmspace", Word::QmSpace},
    {"qr", Word::AlignRight},
    {"rdblquote", Word::RDblQuote},
    {"red", Word::Red},
    {"revtbl", Word::SkipDestination},
    {"revtim", Word::SkipDestination},
    {"ri", Word::RightIndent},
    {"row", Word::Row},
    {"rquote", Word::RQuote},
    {"rsidtbl", Word::SkipDestination},
    {"rtf", Word::Rtf},
    {"rtlmark", Word::RtlMark},
    {"s", Word::Style},
    {"sa", Word::SpaceAfter},
    {"sb", Word::SpaceBefore},
    {"sbasedon", Word::StyleBasedOn},
    {"sect", Word::Sect},
    {"shppict", Word::ShpPict},
    {"strike", Word::Strike},
    {"striked", Word::StrikeDouble},
    {"stylesheet", Word::StyleSheet},
    {"sub", Word::Sub},
    {"subject", Word::SkipDestination},
    {"super", Word::Super},
    {"tab", Word::Tab},
    {"tc", Word::SkipDestination},
    {"template", Word::SkipDestination},
    {"themedata", Word::SkipDestination},
    {"title", Word::SkipDestination},
    {"tqc", Word::TabCenter},
    {"tqdec", Word::TabDecimal},
    {"tqr", Word::TabRight},
    {"tx", Word::TabPosition},
    {"txe", Word::SkipDestination},
    {"u", Word::Unicode},
    {"uc", Word::UnicodeSkip},
    {"ud", Word::UnicodeDest},
    {"ul", Word::Underline},
    {"uld", Word::Underline},
    {"uldash", Word::Underline},
    {"uldashd", Word::Underline},
    {"uldashdd", Word::Underline},
    {"uldb", Word::Underline},
    {"ulhwave", Word::Underline},
    {"ulldash", Word::Underline},
    {"ulnone", Word::UnderlineNone},
    {"ulth", Word::Underline},
    {"ulthd", Word::Underline},
    {"ulthdash", Word::Underline},
    {"ulthdashd", Word::Underline},
    {"ulthdashdd", Word::Underline},
    {"ulthldash", Word::Underline},
    {"ululdbwave", Word::Underline},
    {"ulw", Word::Underline},
    {"ulwave", Word::Underline},
    {"up", Word::Up},
    {"upr", Word::UnicodeAlternatives},
    {"userprops", Word::SkipDestination},
    {"v", Word::Hidden},
    {"wbitmap", Word::DdbPict},
    {"wmetafile", Word::WmfPict},
    {"xe", Word::SkipDestination},
    {"xmlnstbl", Word::SkipDestination},
    {"zwj", Word::Zwj},
    {"zwnj", Word::Zwnj},
};

static_assert(std::is_sorted(std::begin(kWords), std::end(kWords),
                             [](const Entry &a, const Entry &b) { return a.first < b.first; }),
              "control words must stay sorted for the binary search");

} // namespace

Word lookupWord(std::string_view name)
{
    const auto it = std::lower_bound(std::begin(kWords), std::end(kWords), name,
                                     [](const Entry &e, std::string_view n) { return e.first < n; });
    return it != std::end(kWords) && it->first == name ? it->second : Word::Unknown;
}

bool isFormattingWord(Word word)
{
    switch (word) {
    case Word::Font:
    case Word::FontSize:
    case Word::Bold:
    case Word::Italic:
    case Word::Underline:
    case Word::UnderlineNone:
    case Word::Strike:
    case Word::StrikeDouble:
    case Word::ForeColor:
    case Word::Highlight:
    case Word::BackColor:
    case Word::Super:
    case Word::Sub:
    case Word::NoSuperSub:
    case Word::Up:
    case Word::Dn:
    case Word::Hidden:
    case Word::AlignLeft:
    case Word::AlignCenter:
    case Word::AlignRight:
    case Word::AlignJustify:
    case Word::AlignDistribute:
    case Word::LeftIndent:
    case Word::RightIndent:
    case Word::FirstIndent:
    case Word::SpaceBefore:
    case Word::SpaceAfter:
    case Word::TabCenter:
    case Word::TabRight:
    case Word::TabDecimal:
    case Word::TabPosition:
        return true;
    default:
        return false;
    }
}

} // namespace vorkast::rtf::detail
