// Reading and writing RTF: a typical question (about 2 KB), a large text document (about 1 MB) and
// a large document that changes format every few words.
// ours: our codec, per document. raw: Qt's own HTML reader and writer on the same content
// (QTextDocument::setHtml / toHtml), the nearest comparable rich-text codec on this platform.
// Each measure also prints its size and throughput in MB/s on stderr.
#include "Bench.h"

#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>
#include <stdexcept>

using namespace vorkast;
using namespace vorkast::bench;

namespace {

const QString kSentence = QStringLiteral("Определите, какое из приведённых утверждений верно для треугольника ABC, если ");
const QString kWords[] = {QStringLiteral("угол"), QStringLiteral("сторона"), QStringLiteral("биссектриса"),
                          QStringLiteral("медиана"), QStringLiteral("высота"), QStringLiteral("периметр")};

enum class Content { Question, Text, Formatted };

// Rich-edit-like content in Tahoma until the written RTF reaches `bytes`. A question mixes sizes,
// bold, italic, colour and a Kazakh word every few words; a text document is long paragraphs with
// a bold word in each; a formatted document switches format every few words throughout.
void fill(QTextDocument &doc, qsizetype bytes, Content content)
{
    QFont box(QStringLiteral("Tahoma"));
    box.setPointSize(14);
    doc.setDefaultFont(box);
    QTextCursor c(&doc);
    QTextCharFormat plain, bold, italic, colour;
    bold.setFontWeight(QFont::Bold);
    italic.setFontItalic(true);
    colour.setForeground(QColor(0xc0, 0x20, 0x20));
    colour.setFontPointSize(16);
    for (int n = 0;; ++n) {
        if (content == Content::Text) {
            for (int k = 0; k < 6; ++k)
                c.insertText(kSentence + QStringLiteral("%1 равна %2 см. ").arg(kWords[(n + k) % 6]).arg(n + k), plain);
            c.insertText(QStringLiteral("Ответ"), bold);
            c.insertText(QStringLiteral(": %1 см.").arg(n), plain);
            c.insertBlock();
        } else {
            c.insertText(kSentence, plain);
            c.insertText(kWords[n % 6], n % 3 == 0 ? bold : italic);
            c.insertText(QStringLiteral(" равна %1 см; ").arg(n), plain);
            c.insertText(QStringLiteral("әріп "), colour);
            if (n % 4 == 3)
                c.insertBlock();
        }
        // Check the size now and then; writing is what costs here.
        if ((bytes < 10000 || n % 64 == 63) && rtf::write(doc).size() >= bytes)
            return;
    }
}

double megabytesPerSecond(qsizetype bytes, double ms)
{
    return ms > 0 ? bytes / 1e6 / (ms / 1000) : 0;
}

void report(const char *name, qsizetype bytes, double ms, double rawMs)
{
    std::fprintf(stderr, "%s: %.1f KB, %.4f ms per document, %.1f MB/s (setHtml/toHtml: %.4f ms)\n", name, bytes / 1024.0, ms,
                 megabytesPerSecond(bytes, ms), rawMs);
}

Result measureRead(const char *name, qsizetype size, Content content, int perRound)
{
    QTextDocument source;
    fill(source, size, content);
    const QByteArray rtf = rtf::write(source);
    const QString html = source.toHtml();
    const QString expected = source.toPlainText();
    Result r;
    QTextDocument doc;
    r.oursMs = bestOf(5, [&] {
        for (int i = 0; i < perRound; ++i)
            rtf::read(rtf, doc);
    }) / perRound;
    if (doc.toPlainText() != expected)
        throw std::runtime_error("read gave other text");
    r.rawMs = bestOf(5, [&] {
        for (int i = 0; i < perRound; ++i)
            doc.setHtml(html);
    }) / perRound;
    report(name, rtf.size(), r.oursMs, r.rawMs);
    return r;
}

Result measureWrite(const char *name, qsizetype size, Content content, int perRound)
{
    QTextDocument doc;
    fill(doc, size, content);
    qsizetype bytes = 0;
    Result r;
    r.oursMs = bestOf(5, [&] {
        for (int i = 0; i < perRound; ++i)
            bytes = rtf::write(doc).size();
    }) / perRound;
    r.rawMs = bestOf(5, [&] {
        for (int i = 0; i < perRound; ++i)
            doc.toHtml();
    }) / perRound;
    report(name, bytes, r.oursMs, r.rawMs);
    return r;
}

Register readQuestion("rtf_read_question",
                      [](const QString &) { return measureRead("rtf_read_question", 2048, Content::Question, 500); });
Register readLarge("rtf_read_large", [](const QString &) { return measureRead("rtf_read_large", 1 << 20, Content::Text, 5); });
Register readFormatted("rtf_read_large_formatted",
                       [](const QString &) { return measureRead("rtf_read_large_formatted", 1 << 20, Content::Formatted, 3); });
Register writeQuestion("rtf_write_question",
                       [](const QString &) { return measureWrite("rtf_write_question", 2048, Content::Question, 500); });
Register writeLarge("rtf_write_large", [](const QString &) { return measureWrite("rtf_write_large", 1 << 20, Content::Text, 5); });
Register writeFormatted("rtf_write_large_formatted", [](const QString &) {
    return measureWrite("rtf_write_large_formatted", 1 << 20, Content::Formatted, 3);
});

} // namespace
