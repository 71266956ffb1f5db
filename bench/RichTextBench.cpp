// Reading and writing RTF: a typical question (about 2 KB) and a large text document (about 1 MB).
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

// Rich-edit-like content: Tahoma text with sizes, bold, italic, colour and a Kazakh word, in
// paragraphs, until the written RTF reaches `bytes`.
void fill(QTextDocument &doc, qsizetype bytes)
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
    int n = 0;
    qsizetype written = 0;
    while (written < bytes) {
        for (int i = 0; i < 8; ++i, ++n) {
            c.insertText(kSentence, plain);
            c.insertText(kWords[n % 6], n % 3 == 0 ? bold : italic);
            c.insertText(QStringLiteral(" равна %1 см; ").arg(n), plain);
            c.insertText(QStringLiteral("әріп "), colour);
            if (n % 4 == 3)
                c.insertBlock();
        }
        written = rtf::write(doc).size();
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

Result measureRead(const char *name, qsizetype size, int perRound)
{
    QTextDocument source;
    fill(source, size);
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

Result measureWrite(const char *name, qsizetype size, int perRound)
{
    QTextDocument doc;
    fill(doc, size);
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

Register readQuestion("rtf_read_question", [](const QString &) { return measureRead("rtf_read_question", 2048, 500); });
Register readLarge("rtf_read_large", [](const QString &) { return measureRead("rtf_read_large", 1 << 20, 3); });
Register writeQuestion("rtf_write_question", [](const QString &) { return measureWrite("rtf_write_question", 2048, 500); });
Register writeLarge("rtf_write_large", [](const QString &) { return measureWrite("rtf_write_large", 1 << 20, 3); });

} // namespace
