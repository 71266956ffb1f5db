#include "RtfDocumentBuilder.h"

#include <QImage>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>


namespace vorkast::rtf::detail {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument &document)
    : m_document(document), m_cursor(&document)
{
    // In one edit block the cursor does not lay out each paragraph to place itself after every
    // insertion, and the document is laid out once at the end.
    m_cursor.beginEditBlock();
}

DocumentBuilder::~DocumentBuilder()
{
    if (m_editing)
        m_cursor.endEditBlock();
}

void DocumentBuilder::setCharFormat(const QTextCharFormat &format)
{
    flushText();
    m_format = format;
}

void DocumentBuilder::appendSurrogate(char16_t c)
{
    if (m_highSurrogate) {
        if (isLowSurrogate(c)) {
            m_text.push_back(m_highSurrogate);
            m_text.push_back(c);
            m_highSurrogate = 0;
            return;
        }
        m_text.push_back(kReplacement);
        m_highSurrogate = 0;
    }
    if (isHighSurrogate(c))
        m_highSurrogate = c;
    else if (isLowSurrogate(c))
        m_text.push_back(kReplacement);
    else
        m_text.push_back(c);
}

void DocumentBuilder::appendLatin1(std::string_view text)
{
    if (m_highSurrogate) {
        m_text.push_back(kReplacement);
        m_highSurrogate = 0;
    }
    m_text.append(text.begin(), text.end());
}

void DocumentBuilder::appendText(QStringView text)
{
    for (const QChar c : text)
        appendChar(c.unicode());
}

void DocumentBuilder::flushText()
{
    if (m_highSurrogate) {
        m_text.push_back(kReplacement);
        m_highSurrogate = 0;
    }
    if (m_text.empty())
        return;
    openPendingParagraph();
    m_cursor.insertText(QString::fromUtf16(m_text.data(), static_cast<qsizetype>(m_text.size())), m_format);
    m_text.clear();
    m_blockEmpty = false;
}

void DocumentBuilder::openPendingParagraph()
{
    if (!m_paragraphPending)
        return;
    m_cursor.insertBlock(QTextBlockFormat(), m_format);
    m_paragraphPending = false;
    m_blockEmpty = true;
}

void DocumentBuilder::endParagraph(const QTextBlockFormat &format)
{
    flushText();
    openPendingParagraph();
    m_cursor.setBlockFormat(format);
    // An empty paragraph keeps the size of its mark, so empty lines keep their height.
    if (m_blockEmpty)
        m_cursor.setBlockCharFormat(m_format);
    m_paragraphPending = true;
}

void DocumentBuilder::insertImage(const QImage &image, const QString &name, double width, double height)
{
    flushText();
    openPendingParagraph();
    m_document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(width);
    format.setHeight(height);
    m_cursor.insertImage(format);
    m_blockEmpty = false;
}

void DocumentBuilder::finish(const QTextBlockFormat &format)
{
    flushText();
    if (!m_paragraphPending) {
        m_cursor.setBlockFormat(format);
        if (m_blockEmpty)
            m_cursor.setBlockCharFormat(m_format);
    }
    m_cursor.endEditBlock();
    m_editing = false;
}

} // namespace vorkast::rtf::detail
