#pragma once

#include <QString>

#include <array>

namespace vorkast {

// Number of fixed answer arrangements a question may be shown in.
constexpr int kAnswerLayouts = 4;

// The answer columns shown in positions 1..4 (top to bottom) for a layout 0..3.
std::array<QString, 4> answerColumns(int layout);

// The position 1..4 at which the correct answer (otvet4) stands in a layout 0..3.
int correctPositionOf(int layout);

} // namespace vorkast
