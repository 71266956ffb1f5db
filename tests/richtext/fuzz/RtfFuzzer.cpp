// libFuzzer target for the RTF reader: any input is read, written and read again; the second
// reading must give the same text. Built and run by scripts/fuzz-rtf.sh.
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdio>
#include <cstdlib>

namespace {

QString textOf(const QTextDocument &doc)
{
    QString text;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b != doc.begin())
            text += QLatin1Char('\n');
        text += b.text();
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // Damaged pictures are the fuzzer's daily bread; the image decoders' complaints are noise.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QTextDocument doc;
    vorkast::rtf::read(input, doc);
    QTextDocument again;
    vorkast::rtf::read(vorkast::rtf::write(doc), again);
    if (textOf(again) != textOf(doc)) {
        std::fprintf(stderr, "round trip changed the text:\n%s\n---\n%s\n", qPrintable(textOf(doc)), qPrintable(textOf(again)));
        std::abort();
    }
    return 0;
}
