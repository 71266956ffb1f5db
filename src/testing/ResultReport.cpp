#include "ResultReport.h"

#include "platform/TextFile.h"

namespace vorkast {

QStringList reportHeader(const QString &kind, const QString &subject, const QString &klass, const QString &name)
{
    return {kind + QStringLiteral(" по предмету: ") + subject,
            QStringLiteral("Ученика (цы) ") + klass + QStringLiteral(" класса ") + name, QString()};
}

QString answerLine(int number, int chosen, bool right)
{
    const QString n = QString::number(number);
    if (chosen < 1 || chosen > 4)
        return n + QStringLiteral(".  -");
    const QString letter(QChar(u'a' + (chosen - 1)));
    return n + QStringLiteral(". ") + letter + (right ? QStringLiteral(") +") : QStringLiteral(")  "));
}

QStringList reportSummary(int questionCount, int correctCount, int grade)
{
    return {QString(), QStringLiteral("Общее количество вопросов: ") + QString::number(questionCount),
            QStringLiteral("Количество правильных ответов: ") + QString::number(correctCount),
            QStringLiteral("Оценка: ") + QString::number(grade)};
}

QByteArray reportBytes(const QStringList &lines)
{
    return joinLinesCrLf(lines);
}

QStringList reportLines(const QByteArray &bytes)
{
    return splitLines(decodeText(bytes));
}

} // namespace vorkast
