#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace vorkast {

enum class DatabaseKind { Tests, Results };

// Table names a database of the given kind must hold.
QStringList requiredTables(DatabaseKind kind);

// Creates every table and index of the given kind in an empty database.
void createSchema(QSqlDatabase &db, DatabaseKind kind);

// The first required table that is missing, or an empty text when all exist.
QString missingTable(QSqlDatabase &db, DatabaseKind kind);

} // namespace vorkast
