#include "RtfWriterImages.h"

#include "RtfEncoding.h"
#include "RtfFormats.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <cmath>

namespace vorkast::rtf::detail {

namespace {

struct EncodedImage {
    QByteArray bytes;
    const char *blip = "pngblip";
    QSize pixels;
};

EncodedImage encodePng(const QImage &image)
{
    EncodedImage encoded;
    QBuffer buffer(&encoded.bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        encoded.bytes.clear();
    encoded.pixels = image.size();
    return encoded;
}

// A PNG or JPEG file as it is; nothing for other data.
EncodedImage keepFile(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    EncodedImage kept;
    if (format != "png" && format != "jpeg")
        return kept;
    kept.pixels = reader.size();
    if (!kept.pixels.isValid())
        return kept;
    kept.bytes = bytes;
    kept.blip = format == "png" ? "pngblip" : "jpegblip";
    return kept;
}

EncodedImage encode(const QVariant &resource)
{
    switch (resource.userType()) {
    case QMetaType::QImage:
        return encodePng(resource.value<QImage>());
    case QMetaType::QPixmap:
        return encodePng(resource.value<QPixmap>().toImage());
    case QMetaType::QByteArray: {
        const QByteArray bytes = resource.toByteArray();
        EncodedImage kept = keepFile(bytes);
        return kept.bytes.isEmpty() ? encodePng(QImage::fromData(bytes)) : kept;
    }
    default:
        return {};
    }
}

// The file inside a base64 data URL naming a PNG or JPEG image (what the reader and pasted
// HTML use as image names).
QByteArray dataUrlFile(const QString &name)
{
    if (!name.startsWith(QLatin1StringView("data:image/")))
        return {};
    const qsizetype comma = name.indexOf(QLatin1Char(','));
    if (comma < 0 || !QStringView(name).left(comma).endsWith(QLatin1StringView(";base64")))
        return {};
    const auto decoded = QByteArray::fromBase64Encoding(QStringView(name).mid(comma + 1).toLatin1());
    return decoded ? *decoded : QByteArray();
}

} // namespace

bool appendImage(QByteArray &out, const QTextDocument &document, const QTextImageFormat &format)
{
    // The file in a data URL is written as it is, without decoding and encoding it again.
    EncodedImage image = keepFile(dataUrlFile(format.name()));
    if (image.bytes.isEmpty())
        image = encode(document.resource(QTextDocument::ImageResource, QUrl(format.name())));
    if (image.bytes.isEmpty() || image.pixels.isEmpty())
        return false;
    // The shown size: the format's width and height, one of them scaled from the other, or the image's own.
    const bool hasW = format.hasProperty(QTextFormat::ImageWidth) && format.width() > 0;
    const bool hasH = format.hasProperty(QTextFormat::ImageHeight) && format.height() > 0;
    double w = image.pixels.width();
    double h = image.pixels.height();
    if (hasW && hasH) {
        w = format.width();
        h = format.height();
    } else if (hasW) {
        h = h * format.width() / w;
        w = format.width();
    } else if (hasH) {
        w = w * format.height() / h;
        h = format.height();
    }
    out += "{\\pict\\";
    out += image.blip;
    appendWord(out, "picw", image.pixels.width());
    appendWord(out, "pich", image.pixels.height());
    appendWord(out, "picwgoal", std::llround(w * kTwipsPerPixel));
    appendWord(out, "pichgoal", std::llround(h * kTwipsPerPixel));
    out += '\n';
    appendHex(out, image.bytes);
    out += "}";
    return true;
}

} // namespace vorkast::rtf::detail
