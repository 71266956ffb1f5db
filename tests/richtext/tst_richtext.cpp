// The RTF reader and writer: documents of real writers, round trips, malformed input.
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLoggingCategory>
#include <QPixmap>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <cmath>

using namespace vorkast;

namespace {

QByteArray fixture(const QString &name)
{
    QFile f(QStringLiteral(VORKAST_TEST_DATA "/rtf/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return f.readAll();
}

// The document's text with blocks joined by "\n"; line separators, tabs and images stay as they are.
QString textOf(const QTextDocument &doc)
{
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        blocks << b.text();
    return blocks.join(QLatin1Char('\n'));
}

double halfPointRounded(const QFont &font)
{
    const double pt = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    return std::round(pt * 2) / 2;
}

QImage imageOf(const QTextDocument &doc, const QTextImageFormat &format)
{
    const QVariant r = doc.resource(QTextDocument::ImageResource, QUrl(format.name()));
    if (r.userType() == QMetaType::QImage)
        return r.value<QImage>();
    if (r.userType() == QMetaType::QPixmap)
        return r.value<QPixmap>().toImage();
    return QImage::fromData(r.toByteArray());
}

// What a reader sees of one character: the effective font (format over the document's default
// font), colours, position; for images their shown size and pixels.
QString lookOf(const QTextDocument &doc, const QTextCharFormat &f)
{
    if (f.isImageFormat()) {
        const QTextImageFormat img = f.toImageFormat();
        // Premultiplied, as a pixmap holds it, so a pixmap and the image it came from compare equal.
        const QImage image = imageOf(doc, img).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QByteArray pixels(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
        // The shown size: the format's, or the image's own where the format gives none.
        const double w = img.width() > 0 ? img.width() : image.width() * (img.height() > 0 ? img.height() / image.height() : 1.0);
        const double h = img.height() > 0 ? img.height() : image.height() * (img.width() > 0 ? img.width() / image.width() : 1.0);
        return QStringLiteral("image %1x%2 %3x%4 %5")
            .arg(std::lround(w))
            .arg(std::lround(h))
            .arg(image.width())
            .arg(image.height())
            .arg(qHash(pixels));
    }
    const QFont font = f.font();
    QString look = font.family() + QLatin1Char(' ') + QString::number(halfPointRounded(font)) + QStringLiteral("pt");
    if (font.weight() >= QFont::DemiBold)
        look += QStringLiteral(" bold");
    if (font.italic())
        look += QStringLiteral(" italic");
    if (font.underline())
        look += QStringLiteral(" underline");
    if (font.strikeOut())
        look += QStringLiteral(" strike");
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        look += QStringLiteral(" color=") + f.foreground().color().name();
    if (f.hasProperty(QTextFormat::BackgroundBrush))
        look += QStringLiteral(" background=") + f.background().color().name();
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        look += QStringLiteral(" super");
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        look += QStringLiteral(" sub");
    return look;
}

QString alignName(Qt::Alignment a)
{
    a &= Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (a & Qt::AlignJustify)
        return QStringLiteral("justify");
    if (a & Qt::AlignRight)
        return QStringLiteral("right");
    return QStringLiteral("left");
}

// One line per paragraph (its alignment) and per run of characters that look the same.
QStringList signature(const QTextDocument &doc)
{
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        lines << QStringLiteral("paragraph ") + alignName(b.blockFormat().alignment());
        QString runText, runLook;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const QString look = lookOf(doc, fr.charFormat());
            if (look != runLook && !runText.isEmpty()) {
                lines << runText + QStringLiteral(" | ") + runLook;
                runText.clear();
            }
            runLook = look;
            runText += fr.text();
        }
        if (!runText.isEmpty())
            lines << runText + QStringLiteral(" | ") + runLook;
    }
    return lines;
}

// The format of the first character of the first occurrence of `needle`.
QTextCharFormat formatAt(const QTextDocument &doc, const QString &needle)
{
    const QTextCursor found = doc.find(needle, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull())
        return {};
    QTextCursor c(const_cast<QTextDocument *>(&doc));
    c.setPosition(found.selectionStart() + 1);
    return c.charFormat();
}

// Checks "needle: prop prop ..." against the document; properties as lookOf() names them, plus
// "size=N", "family=F", "align=A" and "image=WxH". Returns an empty text or what failed.
QString checkProbe(const QTextDocument &doc, const QString &probe)
{
    const qsizetype colon = probe.indexOf(QStringLiteral(": "));
    const QString needle = probe.left(colon);
    const QTextCursor found = doc.find(needle, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull())
        return QStringLiteral("not found: ") + needle;
    const QTextCharFormat f = formatAt(doc, needle);
    const QString look = lookOf(doc, f);
    const QStringList words = look.split(QLatin1Char(' '));
    for (const QString &prop : probe.mid(colon + 2).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok;
        if (prop.startsWith(QStringLiteral("size=")))
            ok = halfPointRounded(f.font()) == prop.mid(5).toDouble();
        else if (prop.startsWith(QStringLiteral("family=")))
            ok = f.font().family() == prop.mid(7).replace(QLatin1Char('_'), QLatin1Char(' '));
        else if (prop.startsWith(QStringLiteral("align=")))
            ok = alignName(found.block().blockFormat().alignment()) == prop.mid(6);
        else if (prop.startsWith(QStringLiteral("image=")))
            ok = f.isImageFormat()
                && QStringLiteral("%1x%2").arg(std::lround(f.toImageFormat().width())).arg(std::lround(f.toImageFormat().height()))
                       == prop.mid(6)
                && !imageOf(doc, f.toImageFormat()).isNull();
        else if (prop.startsWith(QLatin1Char('-')))
            ok = !words.contains(prop.mid(1));
        else
            ok = words.contains(prop);
        if (!ok)
            return needle + QStringLiteral(": expected ") + prop + QStringLiteral(", got ") + look + QStringLiteral(" align=")
                + alignName(found.block().blockFormat().alignment());
    }
    return {};
}

QImage testImage(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgba(x * 255 / w, y * 255 / h, 128, x == 0 ? 128 : 255));
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The content of a question box after a teacher typed and pasted into it: the box's font, pasted
// fonts, sizes in points and pixels, colours, styles, alignment and a picture.
void teacherDocument(QTextDocument &doc)
{
    QFont boxFont(QStringLiteral("Tahoma"));
    boxFont.setPixelSize(19);
    doc.setDefaultFont(boxFont);
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pasted.png")), testImage(12, 8));
    doc.setHtml(QStringLiteral(
        "<p><span style=\"font-family:'Times New Roman'; font-size:16pt; font-weight:700; color:#c00000\">Вопрос 1.</span>"
        " Найдите <i>x</i>, если x<sup>2</sup> = 4 и H<sub>2</sub>O.</p>"
        "<p align=\"center\"><span style=\"font-size:12pt; text-decoration:underline\">Қазақ тілі: әріп</span>"
        " <s>өшірілген</s> <span style=\"background-color:#ffff00\">жёлтый фон</span></p>"
        "<p align=\"right\"><span style=\"font-size:24px\">Скобки {} и \\ черта; эмодзи \U0001F600</span></p>"
        "<p>Рисунок: <img src=\"pasted.png\" width=\"36\" height=\"24\"></p>"));
}

} // namespace

class TestRichText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void readsRealWriterDocuments_data();
    void readsRealWriterDocuments();
    void picturesBecomeImagesOrPlaceholders();
    void codePagesFromHeaderAndFonts_data();
    void codePagesFromHeaderAndFonts();
    void roundTrip_data();
    void roundTrip();
    void writerOutputOpensInLibreOffice();
    void writerEncodesCharacters();
    void writerKeepsImageBytesAndMarksMissingImages();
    void malformedInputKeepsText_data();
    void malformedInputKeepsText();
    void randomBytesNeverCrash();
    void fuzzFindingsStayFixed();
    void readReplacesContentWithoutUndoHistory();
    void picturesTravelWithCopiedText();
    void textWithoutSizeKeepsTheBoxFont();
};

void TestRichText::initTestCase()
{
    // Damaged pictures are expected here; their decoder's complaints are noise.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
}

void TestRichText::readsRealWriterDocuments_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("probes");

    const QString kazakh = QStringLiteral("ә ғ қ ң ө ұ ү һ і");
    QTest::newRow("libreoffice") << "libreoffice-formats.rtf"
                                 << QStringLiteral("Вопрос №1\nОбычный текст, курсив, подчёркнутый, зачёркнутый и красный.\n"
                                                   "Справа: %1\nРисунок: \uFFFC\nФормула H2O и x2; скобки {a} и \\ обратная черта")
                                        .arg(kazakh)
                                 << QStringList{"Вопрос: family=Arial size=18 bold align=center", "Обычный: size=12 -bold -italic",
                                                "курсив: italic -bold", "подчёркнутый: underline", "зачёркнутый: strike",
                                                "красный: color=#ff0000", "Справа: align=right", "\uFFFC: image=80x60",
                                                "2O: sub", "2;: super", "скобки: -super -sub"};
    QTest::newRow("libreoffice lists, line break, table")
        << "libreoffice-lists-table.rtf"
        << QStringLiteral("Строка один\u2028строка два после переноса\n•\tпервый\n•\tвторой\n"
                          "Выделено жёлтым и синий курсив\nA1\tБ2\t\nПо ширине — «кавычки» и тире.")
        << QStringList{"Строка один: family=Times_New_Roman size=14", "второй: bold", "Выделено: background=#ffff00",
                       "синий: color=#0000ff italic", "По ширине: align=justify"};
    QTest::newRow("abiword") << "abiword-formats.rtf"
                             << QStringLiteral("Вопрос №1\nОбычный текст, курсив, подчёркнутый, зачёркнутый и красный.\n"
                                               "Справа: %1\nРисунок: \uFFFC\nФормула H2O и x2; скобки {a} и \\ обратная черта\n\n")
                                    .arg(kazakh)
                             << QStringList{"Вопрос: family=Arial size=16 bold align=center", "курсив: italic size=12",
                                            "красный: color=#ff0000", "Справа: align=right", "\uFFFC: image=106x79",
                                            "2O: sub"};
    QTest::newRow("pandoc") << "pandoc-markdown.rtf"
                            << QStringLiteral("Вопрос №1\nОбычный текст, курсив, жирный, зачёркнутый и код.\n"
                                              "Казахские буквы: %1; эмодзи \U0001F600; скобки {a} и \\ обратная черта.\n"
                                              "•\tпервый пункт\n•\tвторой пункт\nРисунок: \uFFFC")
                                   .arg(kazakh)
                            << QStringList{"Вопрос: family=Helvetica size=18 bold", "жирный: bold", "код: family=Courier",
                                           "\uFFFC: image=11x8"};
    QTest::newRow("rich edit, code page 1251")
        << "richedit-cp1251.rtf"
        << QStringLiteral("Вопрос №\u00A01:\nкрасный текст нет\nправо\u2028Latin\tконец")
        << QStringList{"Вопрос: family=Tahoma size=14 -bold", "№: bold", "красный: color=#ff0000 italic align=center",
                       "текст: underline -italic", "нет: strike -underline", "право: family=Times_New_Roman size=10 color=#0000ff align=right",
                       "Latin: family=Tahoma size=14 -color=#0000ff"};
    QTest::newRow("unicode, skipped destinations, binary")
        << "richedit-unicode.rtf"
        << QStringLiteral("Текст: әғқңөұүһі әғ\U0001F600\nабв\n—–‘’“”•{}\\\u00AD\u2011\nссылка αβ×\n•\tпункт")
        << QStringList{"ссылка: underline", "Текст: family=Arial size=12"};
}

void TestRichText::readsRealWriterDocuments()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(QStringList, probes);
    QTextDocument doc;
    rtf::read(fixture(file), doc);
    QCOMPARE(textOf(doc), text);
    for (const QString &probe : probes) {
        const QString failure = checkProbe(doc, probe);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
}

void TestRichText::picturesBecomeImagesOrPlaceholders()
{
    QTextDocument doc;
    rtf::read(fixture(QStringLiteral("pictures.rtf")), doc);
    // The \nonshppict alternative of the PNG is not shown a second time.
    QCOMPARE(textOf(doc), QStringLiteral("PNG:\uFFFC\nJPEG:\uFFFC\nDIB:\uFFFC\nWMF:[рисунок]\nEMF:[рисунок]\nBroken:[рисунок]"));
    for (const QString &probe : {QStringLiteral("PNG: "), QStringLiteral("JPEG: "), QStringLiteral("DIB: ")})
        QVERIFY(checkProbe(doc, probe).isEmpty());
    // Goal size in twips, scaled in per cent: 120 twips = 8 px, at 200 % = 16 px; 90 twips at 50 % = 3 px.
    QCOMPARE(checkProbe(doc, QStringLiteral("\uFFFC: image=16x3")), QString());
    QTextCursor c(&doc);
    c.setPosition(textOf(doc).indexOf(QStringLiteral("JPEG:")) + 6);
    const QTextImageFormat jpegFormat = c.charFormat().toImageFormat();
    QCOMPARE(std::lround(jpegFormat.width()), 20L);
    QCOMPARE(imageOf(doc, jpegFormat).size(), QSize(10, 4));
    c.setPosition(textOf(doc).indexOf(QStringLiteral("DIB:")) + 5);
    const QImage dib = imageOf(doc, c.charFormat().toImageFormat());
    QCOMPARE(dib.size(), QSize(2, 2));
    // Rows are stored bottom-up: the first row of data is the image's last.
    QCOMPARE(QColor(dib.pixel(0, 1)), QColor(Qt::blue));
    QCOMPARE(QColor(dib.pixel(1, 0)), QColor(Qt::white));
}

void TestRichText::codePagesFromHeaderAndFonts_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("ansicpg1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1\\'e2\\'b8\\'a8}") << QStringLiteral("АбвёЁ");
    QTest::newRow("raw 8-bit bytes in 1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \xc0\xe1\xe2}") << QStringLiteral("Абв");
    QTest::newRow("no ansicpg: 1252") << QByteArray("{\\rtf1\\ansi \\'e9\\'80}") << QStringLiteral("é€");
    QTest::newRow("fcharset204 over ansicpg1252")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset204 Arial;}}\\f0\\'e9\\f1\\'e9}")
        << QStringLiteral("éй");
    QTest::newRow("1250 East European")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset238 Arial;}}\\f0\\'b9\\'e6\\'9c}") << QStringLiteral("ąćś");
    QTest::newRow("1253 Greek") << QByteArray("{\\rtf1\\ansi\\ansicpg1253 \\'e1\\'e2\\'e3}") << QStringLiteral("αβγ");
    QTest::newRow("1254 Turkish") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset162 A;}}\\f0\\'f0\\'fd}") << QStringLiteral("ğı");
    QTest::newRow("1255 Hebrew") << QByteArray("{\\rtf1\\ansi\\ansicpg1255 \\'e0}") << QStringLiteral("א");
    QTest::newRow("1256 Arabic") << QByteArray("{\\rtf1\\ansi\\ansicpg1256 \\'c7}") << QStringLiteral("ا");
    QTest::newRow("1257 Baltic") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset186 A;}}\\f0\\'e0\\'f0}") << QStringLiteral("ąš");
    QTest::newRow("1258 Vietnamese") << QByteArray("{\\rtf1\\ansi\\ansicpg1258 \\'e2\\'f5}") << QStringLiteral("âơ");
    QTest::newRow("866 via cpg") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\cpg866 A;}}\\f0\\'80\\'a0\\'f1}") << QStringLiteral("Ааё");
    QTest::newRow("866 as ansicpg") << QByteArray("{\\rtf1\\ansi\\ansicpg866 \\'8f\\'e0}") << QStringLiteral("Пр");
    QTest::newRow("double-byte Shift_JIS") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 A;}}\\f0\\'82\\'a0}")
                                           << QStringLiteral("あ");
    QTest::newRow("font name in 1251") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset204 \\'d8\\'f0\\'e8\\'f4\\'f2;}}\\f0 x}")
                                       << QStringLiteral("x");
}

void TestRichText::codePagesFromHeaderAndFonts()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument doc;
    rtf::read(rtf, doc);
    QCOMPARE(textOf(doc), text);
    if (QTest::currentDataTag() == QByteArray("font name in 1251"))
        QCOMPARE(formatAt(doc, QStringLiteral("x")).font().family(), QStringLiteral("Шрифт"));
}

void TestRichText::roundTrip_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("withImage");

    QTest::newRow("formatted Cyrillic")
        << QStringLiteral("<p><b>Жирный</b> <i>курсив</i> <u>подчёркнутый</u> <s>зачёркнутый</s> "
                          "<span style=\"color:#1060a0; font-size:20pt; font-family:Arial\">цветной</span> "
                          "<span style=\"font-size:8pt\">мелкий</span> «ёЁ» №</p>"
                          "<p align=\"center\">по центру</p><p align=\"right\">справа</p><p align=\"justify\">по ширине</p>")
        << false;
    QTest::newRow("Kazakh letters") << QStringLiteral("<p>ӘәҒғҚқҢңӨөҰұҮүҺһІі — <b>әріп</b></p>") << false;
    QTest::newRow("emoji and other planes") << QStringLiteral("<p>😀 👍🏽 𝔸 ∑ ✓ 中文</p>") << false;
    QTest::newRow("braces and backslashes") << QStringLiteral("<p>{a} \\b \\\\ }{ \\par \\u1072? \\'e0</p>") << false;
    QTest::newRow("tabs, line breaks, empty paragraphs")
        << QStringLiteral("<p>a\tb<br>c</p><p></p><p style=\"font-size:30pt\"></p><p>d</p><p></p>") << false;
    QTest::newRow("superscript, subscript, background")
        << QStringLiteral("<p>x<sup>2</sup> H<sub>2</sub>O <span style=\"background-color:#00ff00\">фон</span></p>") << false;
    QTest::newRow("image") << QStringLiteral("<p>до <img src=\"pic.png\" width=\"50\" height=\"20\"> после</p>"
                                             "<p><img src=\"pic.png\"></p>")
                           << true;
    QTest::newRow("image pasted as a data URL")
        << QStringLiteral("<p>вставка <img src=\"data:image/png;base64,%1\" width=\"30\"></p>")
               .arg(QString::fromLatin1(encoded(testImage(6, 4), "PNG").toBase64()))
        << false;
    QTest::newRow("question box content") << QString() << true;
}

void TestRichText::roundTrip()
{
    QFETCH(QString, html);
    QFETCH(bool, withImage);
    QTextDocument original;
    if (html.isEmpty()) {
        teacherDocument(original);
    } else {
        if (withImage)
            original.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pic.png")), testImage(10, 6));
        original.setHtml(html);
    }
    const QByteArray rtf = rtf::write(original);
    QTextDocument copy;
    copy.setDefaultFont(original.defaultFont());
    rtf::read(rtf, copy);
    QCOMPARE(textOf(copy), textOf(original));
    QCOMPARE(signature(copy), signature(original));
    // Writing the copy again gives the same bytes: nothing drifts over repeated saves.
    QCOMPARE(rtf::write(copy), rtf);
}

void TestRichText::writerOutputOpensInLibreOffice()
{
    // libreoffice-of-ours.rtf is the writer's output for teacherDocument(), opened in LibreOffice
    // and saved again as RTF; what LibreOffice kept must be what we wrote.
    QTextDocument original;
    teacherDocument(original);
    QTextDocument viaOffice;
    viaOffice.setDefaultFont(original.defaultFont());
    rtf::read(fixture(QStringLiteral("libreoffice-of-ours.rtf")), viaOffice);
    QCOMPARE(textOf(viaOffice), textOf(original));
    QCOMPARE(signature(viaOffice), signature(original));
}

void TestRichText::writerEncodesCharacters()
{
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("Аа ә {x}\\y\t😀\u00A0z"));
    c.insertText(QStringLiteral("\u2028w"));
    const QByteArray rtf = rtf::write(doc);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251\\deff0"));
    QVERIFY(rtf.contains("\\fcharset204"));
    // Windows-1251 characters as bytes, others as UTF-16 units with a '?' fallback.
    QVERIFY(rtf.contains("\\'c0\\'e0 \\u1241? \\{x\\}\\\\y\\tab \\u-10179?\\u-8704?\\~z\\line w}\\par"));
    QVERIFY(rtf.trimmed().endsWith('}'));
}

void TestRichText::writerKeepsImageBytesAndMarksMissingImages()
{
    QTextDocument doc;
    const QByteArray jpeg = encoded(testImage(16, 16), "JPEG");
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("photo.jpg")), jpeg);
    QTextCursor c(&doc);
    QTextImageFormat photo;
    photo.setName(QStringLiteral("photo.jpg"));
    photo.setWidth(32);
    c.insertImage(photo);
    QTextImageFormat missing;
    missing.setName(QStringLiteral("nowhere:missing.png"));
    c.insertImage(missing);
    const QByteArray rtf = rtf::write(doc);
    // JPEG bytes are kept as they are; height follows the width's scale; 32 px = 480 twips.
    QVERIFY(rtf.contains("\\jpegblip\\picw16\\pich16\\picwgoal480\\pichgoal480"));
    QVERIFY(rtf.contains(jpeg.left(64).toHex()));

    QTextDocument back;
    rtf::read(rtf, back);
    QCOMPARE(textOf(back), QStringLiteral("\uFFFC[рисунок]"));
    QCOMPARE(imageOf(back, formatAt(back, QStringLiteral("\uFFFC")).toImageFormat()).size(), QSize(16, 16));
}

void TestRichText::malformedInputKeepsText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("blanks only") << QByteArray(" \r\n\t") << QString();
    QTest::newRow("only a header") << QByteArray("{\\rtf1\\ansi}") << QString();
    QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 abc {\\b def {\\i ghi") << QStringLiteral("abc def ghi");
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 abc}} def}") << QStringLiteral("abc def");
    QTest::newRow("truncated in a control word") << QByteArray("{\\rtf1 abc\\par de\\u10") << QStringLiteral("abc\nde");
    QTest::newRow("truncated hex") << QByteArray("{\\rtf1 ab\\'e") << QStringLiteral("ab");
    QTest::newRow("lone backslash at the end") << QByteArray("{\\rtf1 ab\\") << QStringLiteral("ab");
    QTest::newRow("truncated binary data") << QByteArray("{\\rtf1 a\\bin100 xy") << QStringLiteral("a");
    QTest::newRow("huge binary length") << QByteArray("{\\rtf1 a\\bin99999999999 xy}") << QStringLiteral("a");
    QTest::newRow("negative binary length") << QByteArray("{\\rtf1 a\\bin-5 xy}") << QStringLiteral("axy");
    QTest::newRow("picture data after an inner picture ended") << QByteArray("\\pict{\\pict}60 \\pngblip 61") << QString();
    QTest::newRow("truncated picture") << QByteArray("{\\rtf1 a{\\pict\\pngblip 89504e47") << QStringLiteral("a[рисунок]");
    QTest::newRow("huge skip count") << QByteArray("{\\rtf1\\uc99999999\\u1072 abc}") << QStringLiteral("а");
    QTest::newRow("skip ends at a group") << QByteArray("{\\rtf1\\uc5\\u1072 a}b}") << QStringLiteral("аb");
    QTest::newRow("lone surrogates") << QByteArray("{\\rtf1\\u-10179?x\\u-8704?y}") << QStringLiteral("\uFFFDx\uFFFDy");
    QTest::newRow("out of range unicode") << QByteArray("{\\rtf1\\u-99999?a\\u128512?b}") << QStringLiteral("a\U0001F600b");
    QTest::newRow("structural characters") << QByteArray("{\\rtf1 a\\u65532?\\u64976?\\u8233?b\\'00\\u0?c\\u127?d}") << QStringLiteral("a\nbcd");
    QTest::newRow("NULs and control bytes") << QByteArray("{\\rtf1 a\0b\x01\x1f c}", 15) << QStringLiteral("ab c");
    QTest::newRow("no header") << QByteArray("{\\b bold} plain\\par next") << QStringLiteral("bold plain\nnext");
    QTest::newRow("plain UTF-8 text") << QByteArray("Просто текст\r\nвторая строка") << QStringLiteral("Просто текст\nвторая строка");
    QTest::newRow("plain text with control characters") << QByteArray("a\x7f\x01" "b\tc") << QStringLiteral("ab\tc");
    QTest::newRow("plain Windows-1251 text") << QByteArray("\xcf\xf0\xee\xf1\xf2\xee\r\n\xf2\xe5\xea\xf1\xf2")
                                             << QStringLiteral("Просто\nтекст");
    QTest::newRow("destination without star at top") << QByteArray("{\\rtf1\\info abc}") << QStringLiteral("abc");
    QTest::newRow("font table never closed") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}\\f0 text") << QString();
    QTest::newRow("colour index out of range") << QByteArray("{\\rtf1{\\colortbl;\\red300;}\\cf99 a\\cf-3 b\\cf1 c}")
                                               << QStringLiteral("abc");
    QTest::newRow("parameter overflow") << QByteArray("{\\rtf1\\fs99999999999999999999 a\\li-99999999999 b}") << QStringLiteral("ab");
    QTest::newRow("overlong control word") << QByteArray("{\\rtf1 a\\") + QByteArray(5000, 'x') + QByteArray(" b}")
                                           << QStringLiteral("ab");
    QTest::newRow("deep nesting") << QByteArray(200000, '{') + QByteArray("\\rtf1 deep") + QByteArray(200000, '}')
                                  << QStringLiteral("deep");
    QTest::newRow("deep nesting, never closed") << QByteArray(1000000, '{') + QByteArray("x") << QStringLiteral("x");
    QTest::newRow("deep nesting in a skipped destination")
        << QByteArray("{\\rtf1 a{\\*\\x") + QByteArray(100000, '{') + QByteArray(100000, '}') + QByteArray("}b}")
        << QStringLiteral("ab");
}

void TestRichText::malformedInputKeepsText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument doc;
    rtf::read(rtf, doc);
    QCOMPARE(textOf(doc), text);
    // Whatever was read can be written and read back to the same text.
    QTextDocument again;
    rtf::read(rtf::write(doc), again);
    QCOMPARE(textOf(again), text);
}

void TestRichText::randomBytesNeverCrash()
{
    // Random bytes, random RTF-like tokens and the fixtures cut at random places.
    QRandomGenerator random(20240611);
    static const char *const pieces[] = {"{", "}", "\\", "\\par ", "\\u-3", "\\uc0", "\\'e", "\\bin3 ", "\\pict",
                                         "\\*", "\\fonttbl", "\\f1", "\\colortbl", ";", "\\pngblip", "a", "\xd0",
                                         "\\upr{", "\\ud", " ", "\\fcharset128", "\\'82", "\\v", "\\sect"};
    const QByteArray source = fixture(QStringLiteral("richedit-unicode.rtf")) + fixture(QStringLiteral("pictures.rtf"));
    for (int round = 0; round < 300; ++round) {
        QByteArray input;
        if (round % 3 == 0) {
            input.resize(random.bounded(4096));
            for (char &ch : input)
                ch = static_cast<char>(random.bounded(256));
            input.prepend("{\\rtf1 ");
        } else if (round % 3 == 1) {
            for (int i = random.bounded(400); i > 0; --i)
                input += pieces[random.bounded(static_cast<int>(std::size(pieces)))];
        } else {
            input = source.left(random.bounded(source.size()));
        }
        QTextDocument doc;
        rtf::read(input, doc);
        QTextDocument again;
        rtf::read(rtf::write(doc), again);
        QCOMPARE(textOf(again), textOf(doc));
    }
}

void TestRichText::fuzzFindingsStayFixed()
{
    // Inputs the fuzz target once failed on: read, write and read again keeps the text.
    const QDir dir(QStringLiteral(VORKAST_TEST_DATA "/rtf/fuzz"));
    const QStringList files = dir.entryList(QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString &name : files) {
        QTextDocument doc;
        rtf::read(fixture(QStringLiteral("fuzz/") + name), doc);
        QTextDocument again;
        rtf::read(rtf::write(doc), again);
        QVERIFY2(textOf(again) == textOf(doc), qPrintable(name));
    }
}

void TestRichText::readReplacesContentWithoutUndoHistory()
{
    QTextDocument doc;
    rtf::read(fixture(QStringLiteral("pictures.rtf")), doc);
    QTextCursor(&doc).insertText(QStringLiteral("typed"));
    QVERIFY(doc.isUndoAvailable());
    rtf::read(QByteArray("{\\rtf1 new}"), doc);
    QCOMPARE(textOf(doc), QStringLiteral("new"));
    // Loading is not an edit the user could undo.
    QVERIFY(doc.isUndoRedoEnabled());
    QVERIFY(!doc.isUndoAvailable());

    rtf::read(QByteArray(), doc);
    QVERIFY(doc.isEmpty());
}

void TestRichText::picturesTravelWithCopiedText()
{
    // A teacher copies a question with pictures into another box: the pictures go along and are saved.
    QTextDocument source;
    rtf::read(fixture(QStringLiteral("pictures.rtf")), source);
    QTextCursor all(&source);
    all.select(QTextCursor::Document);
    QTextDocument other;
    QTextCursor(&other).insertFragment(QTextDocumentFragment(all));
    QTextDocument saved;
    rtf::read(rtf::write(other), saved);
    QCOMPARE(textOf(saved), textOf(source));
    QCOMPARE(signature(saved), signature(source));
}

void TestRichText::textWithoutSizeKeepsTheBoxFont()
{
    // A box with its own font shows text that names no size or font in that font.
    QTextDocument doc;
    QFont box(QStringLiteral("Tahoma"));
    box.setPointSize(18);
    doc.setDefaultFont(box);
    rtf::read(QByteArray("{\\rtf1\\ansi plain {\\fs20 small}{\\b bold}}"), doc);
    const QTextCharFormat plain = formatAt(doc, QStringLiteral("plain"));
    QVERIFY(!plain.hasProperty(QTextFormat::FontPointSize));
    QVERIFY(!plain.hasProperty(QTextFormat::FontFamilies));
    QCOMPARE(doc.begin().begin().fragment().charFormat().font().pointSizeF(), 18.0);
    QCOMPARE(formatAt(doc, QStringLiteral("small")).fontPointSize(), 10.0);
    QCOMPARE(formatAt(doc, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
}

QTEST_MAIN(TestRichText)
#include "tst_richtext.moc"
