#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace vorkast {

class AppContext;

// The first line of a downloaded text file (up to the first line break or the end),
// or nothing when the bytes are not text (a NUL byte or other control characters).
std::optional<QString> firstTextLine(const QByteArray &bytes);

// Downloads `path` from the product web site and shows before + its first line + after;
// any failure (no connection, no answer in time, an error status, a body that is not
// text) shows the not-connected message instead.
void reportSiteLine(AppContext &context, const QString &path, const QString &before, const QString &after);

} // namespace vorkast
