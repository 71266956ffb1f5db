#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace vorkast {

class Query;

// The values of one finished test as written to the table "result".
struct ResultRow {
    QString FI;
    QString Klass;
    QString Test;
    QString Ocenka;
    QString Data;     // "dd.mm.yyyy"
    QString vremya;   // "hh:mm:ss"
    QString predmet;
    int proc = 0;
    QString prav;     // "7 из 10"
    QByteArray results;
};

// "dd.mm.yyyy" and "hh:mm:ss" (24-hour) of a moment.
QString resultDateText(const QDateTime &moment);
QString resultTimeText(const QDateTime &moment);

// "7 из 10".
QString correctOfText(int correct, int count);

// Appends the row through `adores` (opened on its current statement when inactive),
// leaves the query inactive and returns the new row's key. Throws DataError.
qint64 appendResultRow(Query &adores, const ResultRow &row);

} // namespace vorkast
