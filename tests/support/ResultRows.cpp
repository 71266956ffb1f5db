#include "ResultRows.h"

#include "AppFixture.h"

#include "data/Connection.h"
#include "data/Query.h"
#include "testing/Grading.h"
#include "testing/ResultReport.h"
#include "testing/ResultRow.h"

#include <vector>

namespace vorkast::test {

namespace {

// The report lines as the testing window collects them: the first `correct` questions
// answered right (d), the others wrong (a).
QStringList reportLinesOf(const ResultRowData &row)
{
    std::vector<int> chosen(static_cast<size_t>(row.questions) + 1, 0), right(chosen.size(), 0);
    for (int i = 1; i <= row.questions; ++i) {
        right[static_cast<size_t>(i)] = 4;
        chosen[static_cast<size_t>(i)] = i <= row.correct ? 4 : 1;
    }
    const ScoredAnswers scored = scoreAnswers(chosen, right);
    QStringList lines = reportHeader(row.kind, row.predmet, row.klass, row.fi);
    lines << scored.lines;
    lines << reportSummary(row.questions, scored.correctCount,
                           gradeFor(scorePercent(scored.correctCount, row.questions)));
    return lines;
}

} // namespace

int resultGrade(double percent)
{
    return gradeFor(percent);
}

QString resultReport(const ResultRowData &row)
{
    return QString::fromUtf8(reportBytes(reportLinesOf(row)));
}

qint64 addResult(AppFixture &fx, const ResultRowData &row)
{
    const double percent = scorePercent(row.correct, row.questions);
    ResultRow values;
    values.FI = row.fi;
    values.Klass = row.klass;
    values.Test = row.test;
    values.Ocenka = QString::number(gradeFor(percent));
    values.Data = row.data;
    values.vremya = row.vremya;
    values.predmet = row.predmet;
    values.proc = roundHalfEven(percent);
    values.prav = correctOfText(row.correct, row.questions);
    values.results = reportBytes(reportLinesOf(row));

    Connection connection(DatabaseKind::Results);
    connection.open(fx.resultsPath);
    Query adores(connection, QStringLiteral("adores"), QStringLiteral("select * from result"), {});
    const qint64 key = appendResultRow(adores, values);
    if (row.galka)
        fx.sql(DatabaseKind::Results, QStringLiteral("UPDATE result SET galka = 1 WHERE \"index\" = ?"), {key});
    return key;
}

} // namespace vorkast::test
