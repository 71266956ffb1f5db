#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vorkast {

// Text of bytes that are UTF-8 when valid UTF-8, otherwise Windows-1251 (legacy files).
QString decodeText(const QByteArray &bytes);

// Lines split at CR LF, lone CR or lone LF; a final line break adds no entry; no trimming.
QStringList splitLines(const QString &text);

// Every line followed by CR LF, as UTF-8.
QByteArray joinLinesCrLf(const QStringList &lines);

// Reads a text file's lines; throws UserError naming the file when it cannot be read.
QStringList readLinesFile(const QString &path);

// Writes lines with CR LF after each as UTF-8, replacing the file; throws UserError on failure.
void writeLinesFile(const QString &path, const QStringList &lines);

} // namespace vorkast
