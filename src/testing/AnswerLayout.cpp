#include "AnswerLayout.h"

namespace vorkast {

namespace {

// Column numbers 1..4 of otvet1..otvet4 per position, one row per layout.
constexpr int kColumns[kAnswerLayouts][4] = {
    {1, 2, 3, 4},
    {4, 3, 2, 1},
    {2, 1, 4, 3},
    {3, 4, 1, 2},
};

int checkedLayout(int layout)
{
    return layout >= 0 && layout < kAnswerLayouts ? layout : 0;
}

} // namespace

std::array<QString, 4> answerColumns(int layout)
{
    const int l = checkedLayout(layout);
    std::array<QString, 4> out;
    for (int p = 0; p < 4; ++p)
        out[static_cast<size_t>(p)] = QStringLiteral("otvet%1").arg(kColumns[l][p]);
    return out;
}

int correctPositionOf(int layout)
{
    const int l = checkedLayout(layout);
    for (int p = 0; p < 4; ++p) {
        if (kColumns[l][p] == 4)
            return p + 1;
    }
    return 0;
}

} // namespace vorkast
