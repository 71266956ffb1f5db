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

EncodedImage encode(const QVariant &resource)
{
    switch (resource.userType()) {
    case QMetaType::QImage:
        return encodePng(resource.value<QImage>());
    case QMetaType::QPixmap:
        return encodePng(resource.value<QPixmap>().toImage());
    case QMetaType::QByteArray: {
        const QByteArray bytes = resource.toByteArray();
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        const QByteArray format = reader.format();
        if (format == "png" || format == "jpeg") {
            EncodedImage kept;
            kept.bytes = bytes;
            kept.blip = format == "png" ? "pngblip" : "jpegblip";
            kept.pixels = reader.size();
            if (kept.pixels.isValid())
                return kept;
        }
        return encodePng(QImage::fromData(bytes));
    }
    default:
        return {};
    }
}

} // namespace

bool appendImage(QByteArray &out, const QTextDocument &document, const QTextImageFormat &format)
{
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(format.name()));
    const EncodedImage image = encode(resource);
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
