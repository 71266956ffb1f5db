#pragma once

#include <QByteArray>

class QTextDocument;

namespace vorkast::rtf {

// A complete RTF document holding the text, formats and images of `document`.
QByteArray write(const QTextDocument &document);

} // namespace vorkast::rtf
