#pragma once

#include <QString>
#include <QStringList>

namespace vorkast::test {

class AppFixture;

// One finished test, stored by the testing window's own code (report, grade, per cent,
// "7 из 10"); Data and vremya are given as "dd.mm.yyyy" and "hh:mm:ss".
struct ResultRowData {
    QString fi = QStringLiteral("Иванов Иван");
    QString klass = QStringLiteral("7");
    QString test = QStringLiteral("Дроби");
    QString predmet = QStringLiteral("Математика");
    QString data = QStringLiteral("05.03.2014");
    QString vremya = QStringLiteral("10:15:00");
    QString kind = QStringLiteral("Тестирование");
    int correct = 7;
    int questions = 10;
    bool galka = false;
};

// The stored report text of a result (CR LF line ends): header, one line per question
// (the correct ones first), totals.
QString resultReport(const ResultRowData &row);
// The grade of a percentage on the five-point scale.
int resultGrade(double percent);
// Appends the row to the fixture's results database; returns its index.
qint64 addResult(AppFixture &fx, const ResultRowData &row);

} // namespace vorkast::test
