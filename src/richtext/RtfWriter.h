#pragma once

#include <QByteArray>

class QTextDocument;

namespace vorkast::rtf {

// A complete RTF document holding the text, formats and images of `document`: Windows-1251 text
// as \'xx, other characters as \uN?, each run with the font, size and styles it is shown with,
// images as \pngblip (PNG and JPEG files kept as they are, \jpegblip for JPEG) with their shown size.
QByteArray write(const QTextDocument &document);

} // namespace vorkast::rtf
