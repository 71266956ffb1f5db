#include "Grading.h"

#include "ResultReport.h"

#include <cmath>

namespace vorkast {

double scorePercent(int correct, int count)
{
    return count > 0 ? correct * 100.0 / count : 0.0;
}

int gradeFor(double p)
{
    // The four school bands, each later match overriding an earlier one.
    int grade = 2;
    if (p < 20)
        grade = 2;
    if (p > 19 && p < 63)
        grade = 3;
    if (p > 62 && p < 89)
        grade = 4;
    if (p > 88)
        grade = 5;
    return grade;
}

int roundHalfEven(double value)
{
    const double whole = std::floor(value);
    const double fraction = value - whole;
    double rounded = whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        rounded = whole + 1.0;
    return static_cast<int>(rounded);
}

ScoredAnswers scoreAnswers(const std::vector<int> &chosen, const std::vector<int> &correct)
{
    ScoredAnswers out;
    const size_t n = chosen.empty() ? 0 : chosen.size() - 1;
    for (size_t i = 1; i <= n; ++i) {
        const int c = chosen[i];
        const int k = i < correct.size() ? correct[i] : 0;
        const bool right = c != 0 && c == k;
        if (right)
            ++out.correctCount;
        out.lines << answerLine(static_cast<int>(i), c, right);
    }
    return out;
}

} // namespace vorkast
