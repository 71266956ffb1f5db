#include "RtfReader.h"

#include "CodePageTables.h"
#include "RtfParser.h"

#include <QStringDecoder>
#include <QTextDocument>

namespace vorkast::rtf {

namespace {

// Position of the first byte after a UTF-8 byte order mark and leading blanks.
qsizetype contentStart(const QByteArray &data)
{
    qsizetype i = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return i;
}

// Text that does not start like RTF is shown as plain text: UTF-8 when it is valid UTF-8,
// otherwise Windows-1251, the legacy encoding of these documents.
QString decodePlainText(const QByteArray &data)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(data);
    if (utf8.hasError()) {
        const char16_t *high = detail::highHalfTable(1251);
        text.clear();
        text.reserve(data.size());
        for (const char ch : data) {
            const auto b = static_cast<unsigned char>(ch);
            text += b < 0x80 ? QChar(b) : QChar(high[b - 0x80]);
        }
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\r')
            clean += QLatin1Char('\n');
        else if ((u >= 0x20 && u != 0x7F) || u == '\n' || u == '\t')
            clean += (u == 0xFFFC || u == 0xFDD0 || u == 0xFDD1) ? QChar(0xFFFD) : c;
    }
    return clean;
}

} // namespace

void read(const QByteArray &rtf, QTextDocument &document)
{
    const bool undo = document.isUndoRedoEnabled();
    // The undo history of a freshly loaded document is empty; not recording it saves time and memory.
    document.setUndoRedoEnabled(false);
    try {
        document.clear();
        const qsizetype start = contentStart(rtf);
        if (start < rtf.size() && (rtf[start] == '{' || rtf[start] == '\\')) {
            detail::Parser parser(std::string_view(rtf.constData() + start, static_cast<size_t>(rtf.size() - start)),
                                  document);
            parser.run();
        } else if (start < rtf.size()) {
            document.setPlainText(decodePlainText(rtf));
        }
    } catch (...) {
        // Out of memory on a huge document: keep what was read so far.
    }
    document.setUndoRedoEnabled(undo);
}

} // namespace vorkast::rtf
