#include "Schema.h"

#include "ClassTables.h"
#include "DataError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace vorkast {

namespace {

QStringList testsStatements()
{
    QStringList s;
    s << QStringLiteral("CREATE TABLE temy (tema TEXT, klass TEXT, \"index\" INTEGER PRIMARY KEY AUTOINCREMENT, "
                        "predmet TEXT, vopr TEXT)");
    s << QStringLiteral("CREATE INDEX temy_klass_predmet ON temy (klass, predmet)");
    for (int c = 1; c <= 11; ++c) {
        const QString t = classTableName(c);
        s << QStringLiteral("CREATE TABLE %1 (vopros BLOB, otvet1 BLOB, otvet2 BLOB, otvet3 BLOB, otvet4 BLOB, "
                            "tema TEXT, \"index\" INTEGER PRIMARY KEY AUTOINCREMENT, predmet TEXT)")
                 .arg(t);
        s << QStringLiteral("CREATE INDEX %1_predmet_tema ON %1 (predmet, tema)").arg(t);
    }
    return s;
}

QStringList resultsStatements()
{
    return {
        QStringLiteral("CREATE TABLE result (\"index\" INTEGER PRIMARY KEY AUTOINCREMENT, FI TEXT, Klass TEXT, "
                       "Test TEXT, Ocenka TEXT, Data TEXT, predmet TEXT, prav TEXT, results BLOB, "
                       "galka BOOLEAN NOT NULL DEFAULT 0, vremya TEXT, proc INTEGER)"),
        QStringLiteral("CREATE INDEX result_data ON result (Data)"),
        QStringLiteral("CREATE INDEX result_klass ON result (Klass)"),
        QStringLiteral("CREATE INDEX result_fi ON result (FI)"),
        QStringLiteral("CREATE INDEX result_test ON result (Test)"),
        QStringLiteral("CREATE TABLE pass (name TEXT, parol TEXT, \"index\" INTEGER PRIMARY KEY AUTOINCREMENT)"),
    };
}

} // namespace

QStringList requiredTables(DatabaseKind kind)
{
    if (kind == DatabaseKind::Results)
        return {QStringLiteral("result"), QStringLiteral("pass")};
    QStringList t{QStringLiteral("temy")};
    for (int c = 1; c <= 11; ++c)
        t << classTableName(c);
    return t;
}

void createSchema(QSqlDatabase &db, DatabaseKind kind)
{
    const QStringList statements = kind == DatabaseKind::Tests ? testsStatements() : resultsStatements();
    if (!db.transaction())
        throw DataError(db.lastError().text());
    for (const QString &sql : statements) {
        QSqlQuery q(db);
        if (!q.exec(sql)) {
            const QString err = q.lastError().text();
            db.rollback();
            throw DataError(QStringLiteral("Не удалось создать таблицы: %1").arg(err));
        }
    }
    if (!db.commit())
        throw DataError(db.lastError().text());
}

QString missingTable(QSqlDatabase &db, DatabaseKind kind)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"));
    for (const QString &table : requiredTables(kind)) {
        q.addBindValue(table);
        if (!q.exec())
            throw DataError(q.lastError().text());
        if (!q.next())
            return table;
        q.finish();
    }
    return {};
}

} // namespace vorkast
