#include "ResultRow.h"

#include "data/Query.h"

namespace vorkast {

QString resultDateText(const QDateTime &moment)
{
    return moment.date().toString(QStringLiteral("dd.MM.yyyy"));
}

QString resultTimeText(const QDateTime &moment)
{
    return moment.time().toString(QStringLiteral("HH:mm:ss"));
}

QString correctOfText(int correct, int count)
{
    return QString::number(correct) + QStringLiteral(" из ") + QString::number(count);
}

qint64 appendResultRow(Query &adores, const ResultRow &row)
{
    adores.setActive(true);
    adores.insert();
    try {
        adores.setValue(QStringLiteral("FI"), row.FI);
        adores.setValue(QStringLiteral("Klass"), row.Klass);
        adores.setValue(QStringLiteral("Test"), row.Test);
        adores.setValue(QStringLiteral("Ocenka"), row.Ocenka);
        adores.setValue(QStringLiteral("Data"), row.Data);
        adores.setValue(QStringLiteral("vremya"), row.vremya);
        adores.setValue(QStringLiteral("predmet"), row.predmet);
        adores.setValue(QStringLiteral("proc"), row.proc);
        adores.setValue(QStringLiteral("prav"), row.prav);
        adores.setValue(QStringLiteral("results"), row.results);
        adores.post();
    } catch (...) {
        adores.cancel();
        throw;
    }
    // After posting an insert the new row is the current one.
    const qint64 key = adores.key();
    adores.setActive(false);
    return key;
}

} // namespace vorkast
