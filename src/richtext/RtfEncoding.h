#pragma once

#include <QByteArray>
#include <QStringView>

namespace vorkast::rtf::detail {

// Appends `text` as RTF body text: ASCII as itself (braces and backslashes escaped), Windows-1251
// characters as \'xx, tabs and line separators as \tab and \line, everything else as \uN? (UTF-16
// units, so characters beyond the first plane become a surrogate pair). Control characters and
// the document's object markers are dropped.
void appendRtfText(QByteArray &out, QStringView text);

// Appends a control word with a numeric parameter, e.g. "\fs24".
void appendWord(QByteArray &out, const char *word, long long param);

// Appends `data` as lowercase hex digits, `lineLength` digits a line.
void appendHex(QByteArray &out, QByteArrayView data, int lineLength = 128);

} // namespace vorkast::rtf::detail
