#include "ResultRows.h"

#include "AppFixture.h"

#include <cmath>

namespace vorkast::test {

int resultGrade(double percent)
{
    if (percent > 88)
        return 5;
    if (percent > 62)
        return 4;
    if (percent > 19)
        return 3;
    return 2;
}

QString resultReport(const ResultRowData &row)
{
    QStringList lines;
    lines << row.kind + QStringLiteral(" по предмету: ") + row.predmet;
    lines << QStringLiteral("Ученика (цы) ") + row.klass + QStringLiteral(" класса ") + row.fi;
    lines << QString();
    for (int i = 1; i <= row.questions; ++i)
        lines << (i <= row.correct ? QStringLiteral("%1. d) +").arg(i) : QStringLiteral("%1. a)  ").arg(i));
    lines << QString();
    const double percent = row.questions > 0 ? row.correct * 100.0 / row.questions : 0;
    lines << QStringLiteral("Общее количество вопросов: %1").arg(row.questions);
    lines << QStringLiteral("Количество правильных ответов: %1").arg(row.correct);
    lines << QStringLiteral("Оценка: %1").arg(resultGrade(percent));
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

qint64 addResult(AppFixture &fx, const ResultRowData &row)
{
    const double percent = row.questions > 0 ? row.correct * 100.0 / row.questions : 0;
    return fx
        .sql(DatabaseKind::Results,
             QStringLiteral("INSERT INTO result (FI, Klass, Test, Ocenka, Data, vremya, predmet, proc, prav, results, "
                            "galka) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
             {row.fi, row.klass, row.test, QString::number(resultGrade(percent)), row.data, row.vremya, row.predmet,
              static_cast<int>(std::nearbyint(percent)),
              QStringLiteral("%1 из %2").arg(row.correct).arg(row.questions), resultReport(row).toUtf8(),
              row.galka ? 1 : 0})
        .lastInsertId()
        .toLongLong();
}

} // namespace vorkast::test
