#include "ClassTables.h"

#include <array>

namespace vorkast {

namespace {
constexpr std::array<const char *, 11> kTables = {
    "odin", "dva", "tri", "chet", "pyat", "shest", "sem", "vosem", "devat", "desat", "odinnad"};
}

QString classTableName(int classNumber)
{
    if (classNumber < 1 || classNumber > 11)
        return {};
    return QString::fromLatin1(kTables[static_cast<size_t>(classNumber - 1)]);
}

QString classTableForText(const QString &classText)
{
    for (int i = 1; i <= 11; ++i) {
        if (classText == QString::number(i))
            return classTableName(i);
    }
    return {};
}

} // namespace vorkast
