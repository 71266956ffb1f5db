// Start-up and the full results list on large databases.
#include "Bench.h"
#include "BenchData.h"

#include "app/TopicCount.h"
#include "data/Connection.h"
#include "data/Query.h"

#include <QString>

#include <sqlite3.h>

#include <stdexcept>

using namespace vorkast;
using namespace vorkast::bench;

namespace {

Register startup("startup", [](const QString &dir) {
    Result r;
    r.oursMs = bestOf(5, [&] {
        Connection results(DatabaseKind::Results), tests(DatabaseKind::Tests);
        results.open(resultsPath(dir));
        tests.open(testsPath(dir));
        Query temy(tests, QStringLiteral("ADOtemy"), QStringLiteral("select * from temy"),
                   {QStringLiteral("tema"), QStringLiteral("klass"), QStringLiteral("index"), QStringLiteral("predmet"),
                    QStringLiteral("vopr")});
        if (countTopics(temy) != kTopics)
            throw std::runtime_error("wrong topic count");
    });
    r.peakMb = peakMegabytes();
    r.rawMs = bestOf(5, [&] {
        sqlite3 *results = nullptr;
        sqlite3_open_v2(resultsPath(dir).toUtf8().constData(), &results, SQLITE_OPEN_READWRITE, nullptr);
        if (rawRows(testsPath(dir), QStringLiteral("select * from temy")) != kTopics)
            throw std::runtime_error("wrong topic count");
        sqlite3_close(results);
    });
    return r;
});

Register resultsList("results_list", [](const QString &dir) {
    Connection results(DatabaseKind::Results);
    results.open(resultsPath(dir));
    Query adores(results, QStringLiteral("adores"), QStringLiteral("select * from result"), {QStringLiteral("FI")});
    Result r;
    r.oursMs = bestOf(3, [&] {
        adores.replaceStatement({QStringLiteral("select * from result"), QStringLiteral("order by FI")});
        if (adores.recordCount() != kResults)
            throw std::runtime_error("wrong result count");
    });
    r.peakMb = peakMegabytes();
    adores.close();
    r.rawMs = bestOf(3, [&] {
        // The "results" column (8) is the report, which a list does not show.
        if (rawRows(resultsPath(dir), QStringLiteral("select * from result order by FI"), 8) != kResults)
            throw std::runtime_error("wrong result count");
    });
    return r;
});

} // namespace
