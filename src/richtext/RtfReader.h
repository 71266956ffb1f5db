#pragma once

#include <QByteArray>

class QTextDocument;

namespace vorkast::rtf {

// Replaces the content of `document` with the RTF document `rtf`. Never throws:
// malformed input keeps the text that can be recovered; empty input gives an empty document;
// bytes that do not start like RTF are shown as plain text (UTF-8, else Windows-1251).
// Pictures become image resources of the document. The load is not recorded for undo.
// As with QTextDocument::setHtml, a text edit's own cursor ends at the end of the new text:
// call moveCursor(QTextCursor::Start) on the edit afterwards to show the beginning.
void read(const QByteArray &rtf, QTextDocument &document);

} // namespace vorkast::rtf
