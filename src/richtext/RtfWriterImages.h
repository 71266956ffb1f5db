#pragma once

#include <QByteArray>

class QTextDocument;
class QTextImageFormat;

namespace vorkast::rtf::detail {

// Appends the image of `format` as a \pict group: PNG and JPEG files held as bytes are written
// as they are (\pngblip, \jpegblip); decoded images are written as PNG. Returns false when the
// document has no usable image under that name.
bool appendImage(QByteArray &out, const QTextDocument &document, const QTextImageFormat &format);

} // namespace vorkast::rtf::detail
