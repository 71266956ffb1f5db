#pragma once

#include <QString>

namespace vorkast {

// Reads one key of an INI file; a missing file, section or key reads as the empty text.
// Section and key names match without regard to case, as on Windows.
QString readIniValue(const QString &path, const QString &section, const QString &key);

// Writes one key, creating the file, section or key as needed and keeping everything
// else in the file; throws UserError naming the file when it cannot be written.
void writeIniValue(const QString &path, const QString &section, const QString &key, const QString &value);

} // namespace vorkast
