#pragma once

#include <QByteArray>

class QTextDocument;

namespace vorkast::rtf {

// Replaces the content of `document` with the RTF document `rtf`. Never throws:
// malformed input keeps the text that can be recovered; empty input gives an empty document.
void read(const QByteArray &rtf, QTextDocument &document);

} // namespace vorkast::rtf
