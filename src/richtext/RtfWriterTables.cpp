#include "RtfWriterTables.h"

#include "RtfEncoding.h"

namespace vorkast::rtf::detail {

WriterTables::WriterTables(const QString &defaultFamily)
{
    font(defaultFamily);
}

int WriterTables::font(const QString &family)
{
    QString name = family;
    // A semicolon ends a font table entry, so it cannot stand in a name.
    name.remove(QLatin1Char(';'));
    name = name.trimmed();
    if (name.isEmpty())
        return m_fonts.isEmpty() ? font(QStringLiteral("Tahoma")) : 0;
    if (const auto it = m_fontIndex.constFind(name); it != m_fontIndex.cend())
        return *it;
    const int index = static_cast<int>(m_fonts.size());
    m_fonts.append(name);
    m_fontIndex.insert(name, index);
    return index;
}

int WriterTables::color(const QColor &color)
{
    const QRgb rgb = color.rgb() & 0xFFFFFF;
    if (const auto it = m_colorIndex.constFind(rgb); it != m_colorIndex.cend())
        return *it;
    m_colors.push_back(rgb);
    const int index = static_cast<int>(m_colors.size());
    m_colorIndex.insert(rgb, index);
    return index;
}

QByteArray WriterTables::fontTable() const
{
    QByteArray out("{\\fonttbl");
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        out += '{';
        appendWord(out, "f", i);
        // Every font is declared Cyrillic, matching the Windows-1251 bytes written as \'xx.
        out += "\\fnil\\fcharset204 ";
        appendRtfText(out, m_fonts.at(i));
        out += ";}";
    }
    out += "}\n";
    return out;
}

QByteArray WriterTables::colorTable() const
{
    QByteArray out("{\\colortbl ;");
    for (const QRgb rgb : m_colors) {
        appendWord(out, "red", qRed(rgb));
        appendWord(out, "green", qGreen(rgb));
        appendWord(out, "blue", qBlue(rgb));
        out += ';';
    }
    out += "}\n";
    return out;
}

} // namespace vorkast::rtf::detail
