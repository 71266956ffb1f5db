#pragma once

#include "RtfState.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <unordered_map>
#include <vector>

namespace vorkast::rtf::detail {

// Twips (1/1440 inch) to document pixels at 96 per inch, and back.
constexpr double kTwipsPerPixel = 15.0;

// The document format of a group's character properties.
QTextCharFormat toCharFormat(const CharState &chars, int defaultFont, const std::unordered_map<int, FontEntry> &fonts,
                             const std::vector<QColor> &colors);

QTextBlockFormat toBlockFormat(const ParaState &para);

} // namespace vorkast::rtf::detail
