#include "RtfFormats.h"

#include <QTextOption>

namespace vorkast::rtf::detail {

namespace {

const QColor *colorAt(const std::vector<QColor> &colors, int index)
{
    if (index <= 0 || static_cast<size_t>(index) >= colors.size() || !colors[static_cast<size_t>(index)].isValid())
        return nullptr;
    return &colors[static_cast<size_t>(index)];
}

} // namespace

QTextCharFormat toCharFormat(const CharState &chars, int defaultFont, const std::unordered_map<int, FontEntry> &fonts,
                             const std::vector<QColor> &colors)
{
    QTextCharFormat format;
    const int fontNumber = chars.font >= 0 ? chars.font : defaultFont;
    if (const auto it = fonts.find(fontNumber); it != fonts.end() && !it->second.family.isEmpty())
        format.setFontFamilies({it->second.family});
    if (chars.halfPoints > 0)
        format.setFontPointSize(chars.halfPoints / 2.0);
    if (chars.bold)
        format.setFontWeight(QFont::Bold);
    if (chars.italic)
        format.setFontItalic(true);
    if (chars.underline)
        format.setFontUnderline(true);
    if (chars.strike)
        format.setFontStrikeOut(true);
    if (const QColor *c = colorAt(colors, chars.color))
        format.setForeground(*c);
    if (const QColor *c = colorAt(colors, chars.background))
        format.setBackground(*c);
    if (chars.vertical > 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.vertical < 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return format;
}

QTextBlockFormat toBlockFormat(const ParaState &para)
{
    QTextBlockFormat format;
    switch (para.align) {
    case Align::Left: break;
    case Align::Center: format.setAlignment(Qt::AlignHCenter); break;
    case Align::Right: format.setAlignment(Qt::AlignRight); break;
    case Align::Justify: format.setAlignment(Qt::AlignJustify); break;
    }
    if (para.leftIndent != 0)
        format.setLeftMargin(para.leftIndent / kTwipsPerPixel);
    if (para.rightIndent != 0)
        format.setRightMargin(para.rightIndent / kTwipsPerPixel);
    if (para.firstIndent != 0)
        format.setTextIndent(para.firstIndent / kTwipsPerPixel);
    if (para.spaceBefore != 0)
        format.setTopMargin(para.spaceBefore / kTwipsPerPixel);
    if (para.spaceAfter != 0)
        format.setBottomMargin(para.spaceAfter / kTwipsPerPixel);
    if (para.tabCount > 0) {
        QList<QTextOption::Tab> tabs;
        for (int i = 0; i < para.tabCount; ++i) {
            const TabStop &stop = para.tabs[static_cast<size_t>(i)];
            QTextOption::TabType type = QTextOption::LeftTab;
            if (stop.kind == TabKind::Center)
                type = QTextOption::CenterTab;
            else if (stop.kind == TabKind::Right)
                type = QTextOption::RightTab;
            else if (stop.kind == TabKind::Decimal)
                type = QTextOption::DelimiterTab;
            tabs.append(QTextOption::Tab(stop.twips / kTwipsPerPixel, type,
                                         stop.kind == TabKind::Decimal ? QChar(u',') : QChar()));
        }
        format.setTabPositions(tabs);
    }
    return format;
}

} // namespace vorkast::rtf::detail
