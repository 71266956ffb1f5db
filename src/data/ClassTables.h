#pragma once

#include <QString>

namespace vorkast {

// Question table of a class number 1..11; an empty text for any other number.
QString classTableName(int classNumber);

// Question table for a class chooser's text, matched exactly against "1".."11".
QString classTableForText(const QString &classText);

} // namespace vorkast
