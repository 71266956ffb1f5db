#include "DefaultLists.h"

namespace vorkast {

QStringList defaultSubjectList()
{
    return {QStringLiteral("алгебра"),     QStringLiteral("английский"),     QStringLiteral("биология"),
            QStringLiteral("география"),   QStringLiteral("геометрия"),      QStringLiteral("информатика"),
            QStringLiteral("искусство"),   QStringLiteral("история Каз-на"), QStringLiteral("история Мира"),
            QStringLiteral("казахский"),   QStringLiteral("литература"),     QStringLiteral("математика"),
            QStringLiteral("НВП"),         QStringLiteral("правоведение"),   QStringLiteral("русский"),
            QStringLiteral("физика"),      QStringLiteral("химия"),          QStringLiteral("другое")};
}

QStringList defaultClassList()
{
    QStringList classes;
    for (int i = 1; i <= 11; ++i)
        classes << QString::number(i);
    return classes;
}

} // namespace vorkast
