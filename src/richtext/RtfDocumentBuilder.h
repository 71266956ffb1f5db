#pragma once

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <string>
#include <string_view>

class QImage;
class QTextDocument;

namespace vorkast::rtf::detail {

// Appends text, paragraphs and images to a document, collecting runs of one format so that each
// run is inserted at once. A paragraph mark is held back until more content follows, so the final
// \par of a document does not leave an empty last paragraph.
class DocumentBuilder {
public:
    explicit DocumentBuilder(QTextDocument &document);
    ~DocumentBuilder();
    DocumentBuilder(const DocumentBuilder &) = delete;
    DocumentBuilder &operator=(const DocumentBuilder &) = delete;

    // Format of the text appended from now on (the caller sets it only when it changes).
    void setCharFormat(const QTextCharFormat &format);
    const QTextCharFormat &charFormat() const { return m_format; }

    void appendChar(char16_t c)
    {
        if (m_highSurrogate || (c >= 0xD800 && c <= 0xDFFF))
            appendSurrogate(c);
        else
            m_text.push_back(c);
    }
    void appendLatin1(std::string_view text);
    void appendText(QStringView text);

    // Ends the current paragraph with `format`.
    void endParagraph(const QTextBlockFormat &format);
    // True while nothing was added since the last paragraph mark.
    bool paragraphEmpty() const { return m_paragraphPending || (m_blockEmpty && m_text.empty() && !m_highSurrogate); }
    // Inserts an image shown at `width` x `height` pixels, held as the resource `name`.
    void insertImage(const QImage &image, const QString &name, double width, double height);
    // Ends the document; `format` applies to a last paragraph that had no paragraph mark.
    void finish(const QTextBlockFormat &format);

private:
    void appendSurrogate(char16_t c);
    void flushText();
    void openPendingParagraph();

    QTextDocument &m_document;
    QTextCursor m_cursor;
    QTextCharFormat m_format;
    std::u16string m_text;
    char16_t m_highSurrogate = 0;
    bool m_paragraphPending = false;
    bool m_blockEmpty = true;
    bool m_editing = true;
};

} // namespace vorkast::rtf::detail
