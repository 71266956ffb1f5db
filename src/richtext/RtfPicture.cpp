#include "RtfPicture.h"

#include "HexDigits.h"
#include "RtfFormats.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>

namespace vorkast::rtf::detail {

namespace {

constexpr double kMaxDisplayPixels = 16000;
constexpr int kImageAllocationLimitMb = 256;
// Larger pictures are damaged data, not question material; PNG cannot even store them all.
constexpr int kMaxImageSide = 16384;

QImage readImage(const QByteArray &data, const char *format)
{
    // A view, not a shared copy: on damaged data the PNG and JPEG decoders jump out past
    // destructors, and a reference they hold to an owned array would never be released.
    QBuffer buffer;
    buffer.setData(QByteArray::fromRawData(data.constData(), data.size()));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAllocationLimit(kImageAllocationLimitMb);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxImageSide || size.height() > kMaxImageSide))
        return {};
    QImage image;
    if (!reader.read(&image) || image.width() > kMaxImageSide || image.height() > kMaxImageSide)
        return {};
    return image;
}

// A device-independent bitmap is a BMP file without its 14-byte file header.
QImage readDib(const QByteArray &dib)
{
    if (dib.size() < 40)
        return {};
    const quint32 headerSize = qFromLittleEndian<quint32>(dib.constData());
    const quint16 bitCount = qFromLittleEndian<quint16>(dib.constData() + 14);
    const quint32 colorsUsed = dib.size() >= 36 ? qFromLittleEndian<quint32>(dib.constData() + 32) : 0;
    if (headerSize < 12 || headerSize > static_cast<quint32>(dib.size()))
        return {};
    quint32 paletteEntries = colorsUsed;
    if (paletteEntries == 0 && bitCount <= 8)
        paletteEntries = 1u << bitCount;
    if (paletteEntries > 256)
        return {};
    const quint32 offset = 14 + headerSize + paletteEntries * 4;
    QByteArray bmp("BM");
    bmp.resize(14);
    qToLittleEndian<quint32>(static_cast<quint32>(14 + dib.size()), bmp.data() + 2);
    qToLittleEndian<quint32>(0, bmp.data() + 6);
    qToLittleEndian<quint32>(offset, bmp.data() + 10);
    bmp += dib;
    return readImage(bmp, "BMP");
}

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        bytes.clear();
    return bytes;
}

QString dataUrl(const char *mimeType, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    return QStringLiteral("data:") + QLatin1StringView(mimeType) + QStringLiteral(";base64,")
        + QString::fromLatin1(bytes.toBase64());
}

} // namespace

void Picture::addHex(std::string_view text)
{
    for (const char ch : text) {
        const int v = hexDigitValue(static_cast<unsigned char>(ch));
        if (v < 0)
            continue;
        if (m_highNibble < 0) {
            m_highNibble = v;
        } else {
            m_data.append(static_cast<char>(m_highNibble * 16 + v));
            m_highNibble = -1;
        }
    }
}

void Picture::addBinary(std::string_view bytes)
{
    m_data.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

DecodedPicture Picture::decode() const
{
    if (m_data.isEmpty())
        return {};
    PictureKind kind = m_kind;
    // No kind given: show it only when the data is plainly a PNG or JPEG file.
    if (kind == PictureKind::Unknown) {
        if (m_data.startsWith("\x89PNG"))
            kind = PictureKind::Png;
        else if (m_data.startsWith("\xFF\xD8\xFF"))
            kind = PictureKind::Jpeg;
    }
    DecodedPicture picture;
    switch (kind) {
    case PictureKind::Png:
    case PictureKind::Jpeg: {
        const bool png = kind == PictureKind::Png;
        picture.image = readImage(m_data, png ? "PNG" : "JPEG");
        if (!picture.image.isNull())
            picture.name = dataUrl(png ? "image/png" : "image/jpeg", m_data);
        break;
    }
    case PictureKind::Dib:
        picture.image = readDib(m_data);
        if (!picture.image.isNull())
            picture.name = dataUrl("image/png", pngOf(picture.image));
        break;
    case PictureKind::Unknown:
    case PictureKind::Other:
        break;
    }
    if (picture.name.isEmpty())
        picture.image = QImage();
    return picture;
}

QSizeF Picture::displaySize(const QImage &image) const
{
    // \picw/\pich are pixels for some writers and hundredths of a millimetre for others, so
    // without a goal size the image's own size is the safer base.
    const double baseW = m_goalW > 0 ? m_goalW / kTwipsPerPixel : image.width();
    const double baseH = m_goalH > 0 ? m_goalH / kTwipsPerPixel : image.height();
    const double sx = m_scaleX > 0 ? m_scaleX / 100.0 : 1.0;
    const double sy = m_scaleY > 0 ? m_scaleY / 100.0 : 1.0;
    return {std::clamp(baseW * sx, 1.0, kMaxDisplayPixels), std::clamp(baseH * sy, 1.0, kMaxDisplayPixels)};
}

} // namespace vorkast::rtf::detail
