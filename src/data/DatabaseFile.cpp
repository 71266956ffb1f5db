#include "DatabaseFile.h"

#include "DataError.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace vorkast {

namespace {
QAtomicInt g_counter;
}

void createDatabaseFile(const QString &path, DatabaseKind kind)
{
    if (QFileInfo::exists(path))
        throw DataError(QStringLiteral("Файл уже существует: %1").arg(path));
    const QString name = QStringLiteral("vorkast-create-%1").arg(g_counter.fetchAndAddRelaxed(1));
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            try {
                QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
                createSchema(db, kind);
            } catch (const DataError &e) {
                failure = e.message();
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty()) {
        QFile::remove(path);
        throw DataError(QStringLiteral("Не удалось создать базу данных %1: %2").arg(path, failure));
    }
}

} // namespace vorkast
