#include "RtfWriter.h"

#include "RtfEncoding.h"
#include "RtfFormats.h"
#include "RtfWriterImages.h"
#include "RtfWriterTables.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>

#include <cmath>

namespace vorkast::rtf {

namespace {

using namespace detail;

// Shown in place of an image the document does not hold.
const char16_t kMissingImage[] = u"[рисунок]";

long long twips(double pixels)
{
    return std::llround(pixels * kTwipsPerPixel);
}

class Writer {
public:
    explicit Writer(const QTextDocument &document)
        : m_document(document), m_tables(document.defaultFont().family())
    {
        // Cyrillic text takes four bytes a character (\'xx).
        m_body.reserve(document.characterCount() * 4 + 1024);
    }

    QByteArray run()
    {
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
            writeBlock(block);
        QByteArray out("{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\n");
        out += m_tables.fontTable();
        out += m_tables.colorTable();
        out += "\\viewkind4\\uc1\n";
        out += m_body;
        out += "}\n";
        return out;
    }

private:
    // A paragraph: its properties and the font and size of its mark (which give an empty paragraph
    // its height), then each run in a group of its own with all its character properties.
    void writeBlock(const QTextBlock &block)
    {
        writeParagraphProperties(block);
        QTextCharFormat mark = block.charFormat();
        if (block.length() > 1) {
            auto last = block.end();
            --last;
            if (last.fragment().isValid())
                mark = last.fragment().charFormat();
        }
        m_body += "\\plain";
        appendFontAndSize(m_body, mark.font());
        m_body += ' ';
        if (const QTextList *list = block.textList())
            writeRun(block.charFormat(), listMarker(*list, block) + QLatin1Char('\t'));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isImageFormat()) {
                writeRun(format, fragment.text());
                continue;
            }
            const QTextImageFormat image = format.toImageFormat();
            // One object character per image.
            for (qsizetype i = 0; i < fragment.length(); ++i) {
                if (!appendImage(m_body, m_document, image))
                    writeRun(format, QString::fromUtf16(kMissingImage));
            }
        }
        m_body += "\\par\n";
    }

    void writeRun(const QTextCharFormat &format, const QString &text)
    {
        m_body += '{';
        appendCharProperties(format);
        m_body += ' ';
        appendRtfText(m_body, text);
        m_body += '}';
    }

    QString listMarker(const QTextList &list, const QTextBlock &block) const
    {
        switch (list.format().style()) {
        case QTextListFormat::ListDisc: return QStringLiteral("\u2022");
        case QTextListFormat::ListCircle: return QStringLiteral("\u25E6");
        case QTextListFormat::ListSquare: return QStringLiteral("\u25AA");
        default: return list.itemText(block);
        }
    }

    void writeParagraphProperties(const QTextBlock &block)
    {
        const QTextBlockFormat format = block.blockFormat();
        m_body += "\\pard";
        const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignHCenter)
            m_body += "\\qc";
        else if (align & Qt::AlignJustify)
            m_body += "\\qj";
        else if (align & Qt::AlignRight)
            m_body += "\\qr";
        double left = format.leftMargin() + format.indent() * m_document.indentWidth();
        if (const QTextList *list = block.textList())
            left += list->format().indent() * m_document.indentWidth();
        if (const long long t = twips(left); t != 0)
            appendWord(m_body, "li", t);
        if (const long long t = twips(format.rightMargin()); t != 0)
            appendWord(m_body, "ri", t);
        if (const long long t = twips(format.textIndent()); t != 0)
            appendWord(m_body, "fi", t);
        if (const long long t = twips(format.topMargin()); t > 0)
            appendWord(m_body, "sb", t);
        if (const long long t = twips(format.bottomMargin()); t > 0)
            appendWord(m_body, "sa", t);
        for (const QTextOption::Tab &tab : format.tabPositions()) {
            if (tab.type == QTextOption::CenterTab)
                m_body += "\\tqc";
            else if (tab.type == QTextOption::RightTab)
                m_body += "\\tqr";
            else if (tab.type == QTextOption::DelimiterTab)
                m_body += "\\tqdec";
            appendWord(m_body, "tx", twips(tab.position));
        }
        m_body += ' ';
    }

    void appendFontAndSize(QByteArray &out, const QFont &font)
    {
        appendWord(out, "f", m_tables.font(font.family()));
        const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
        if (points > 0)
            appendWord(out, "fs", std::clamp<long long>(std::llround(points * 2), 1, 3276));
    }

    // The properties of a run. The font is the one the document shows (the run's own properties
    // over the document's default font), so the output looks the same wherever it is opened.
    void appendCharProperties(const QTextCharFormat &format)
    {
        const QFont font = format.font();
        appendFontAndSize(m_body, font);
        if (font.weight() >= QFont::DemiBold)
            m_body += "\\b";
        if (font.italic())
            m_body += "\\i";
        if (font.underline())
            m_body += "\\ul";
        if (font.strikeOut())
            m_body += "\\strike";
        if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
            appendWord(m_body, "cf", m_tables.color(format.foreground().color()));
        if (format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush)
            appendWord(m_body, "highlight", m_tables.color(format.background().color()));
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            m_body += "\\super";
        else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
            m_body += "\\sub";
    }

    const QTextDocument &m_document;
    WriterTables m_tables;
    QByteArray m_body;
};

} // namespace

QByteArray write(const QTextDocument &document)
{
    return Writer(document).run();
}

} // namespace vorkast::rtf
