// The test editor's class choice: the whole class table opened for new questions.
#include "Bench.h"
#include "BenchData.h"

#include "data/ClassTables.h"
#include "data/Connection.h"
#include "data/Query.h"

#include <sqlite3.h>

#include <stdexcept>

using namespace vorkast;
using namespace vorkast::bench;

namespace {

constexpr int kClassRows = kTopics / 11 * kQuestionsPerTopic;  // at least this many in class 1

Register classTable("editor_class_table", [](const QString &dir) {
    Connection tests(DatabaseKind::Tests);
    tests.open(testsPath(dir));
    Query klassy(tests, QStringLiteral("ADOklassy"), QStringLiteral("select * from pyat"), {QStringLiteral("tema")});
    const QString table = classTableName(1);
    Result r;
    r.oursMs = bestOf(5, [&] {
        klassy.replaceStatement({QStringLiteral("select * from ") + table});
        if (klassy.recordCount() < kClassRows)
            throw std::runtime_error("too few questions");
    });
    klassy.close();
    r.rawMs = bestOf(5, [&] {
        sqlite3 *db = nullptr;
        sqlite3_open_v2(testsPath(dir).toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, "select tema, \"index\", predmet from odin", -1, &stmt, nullptr);
        int rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const QString tema = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
            const QString predmet = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 2)));
            rows += !tema.isNull() && !predmet.isNull();
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        if (rows < kClassRows)
            throw std::runtime_error("too few questions");
    });
    return r;
});

} // namespace
