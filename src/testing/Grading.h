#pragma once

#include <QStringList>

#include <vector>

namespace vorkast {

// Score in per cent, unrounded: correct * 100 / count (0 when there are no questions).
double scorePercent(int correct, int count);

// The school grade 2..5 for an unrounded score in per cent.
int gradeFor(double percent);

// Nearest integer, halves to the even neighbour (12.5 -> 12, 37.5 -> 38).
int roundHalfEven(double value);

// The scored answers of one test: the report's per-question lines and the correct count.
struct ScoredAnswers {
    QStringList lines;
    int correctCount = 0;
};

// Scores questions 1..n from the chosen and correct positions (index 0 unused; 0 = none).
ScoredAnswers scoreAnswers(const std::vector<int> &chosen, const std::vector<int> &correct);

} // namespace vorkast
