#include "Connection.h"

#include "DataError.h"
#include "TextMatch.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <sqlite3.h>

#include <string_view>

namespace vorkast {

namespace {

QAtomicInt g_connectionCounter;

std::string_view textArg(sqlite3_value *v)
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_value_text(v));
    return p ? std::string_view(p, static_cast<size_t>(sqlite3_value_bytes(v))) : std::string_view();
}

int collateNoCase(void *, int lenA, const void *a, int lenB, const void *b)
{
    return compareFolded(std::string_view(static_cast<const char *>(a), static_cast<size_t>(lenA)),
                         std::string_view(static_cast<const char *>(b), static_cast<size_t>(lenB)));
}

// like(pattern, text [, escape]) as SQLite calls it for "text LIKE pattern [ESCAPE e]".
void likeFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    char32_t escape = 0;
    if (argc == 3) {
        const QString e = QString::fromUtf8(textArg(argv[2]).data(), static_cast<qsizetype>(textArg(argv[2]).size()));
        const auto ucs4 = e.toUcs4();
        if (ucs4.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = ucs4.front();
    }
    sqlite3_result_int(ctx, likeFolded(textArg(argv[0]), textArg(argv[1]), escape) ? 1 : 0);
}

QString kindName(DatabaseKind kind)
{
    return kind == DatabaseKind::Tests ? QStringLiteral("тестов") : QStringLiteral("результатов");
}

} // namespace

Connection::Connection(DatabaseKind kind, QObject *parent)
    : QObject(parent)
    , m_kind(kind)
    , m_name(QStringLiteral("vorkast-%1").arg(g_connectionCounter.fetchAndAddRelaxed(1)))
{
}

Connection::~Connection()
{
    close();
}

void Connection::open(const QString &path)
{
    close();
    const QFileInfo info(path);
    if (path.isEmpty())
        throw DataError(QStringLiteral("Не указан путь к базе данных %1.").arg(kindName(m_kind)));
    if (!info.isFile())
        throw DataError(QStringLiteral("Файл базы данных не найден: %1").arg(path));

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=10000"));
        db.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded)
                           + QStringLiteral("?mode=rw"));
        QString failure;
        if (!db.open())
            failure = db.lastError().text();
        // The tables are checked before anything is written, so a refused file stays as it was
        // (on a file that is not SQLite this fails with "file is not a database").
        if (failure.isEmpty()) {
            try {
                const QString missing = missingTable(db, m_kind);
                if (!missing.isEmpty())
                    failure = QStringLiteral("в файле нет таблицы «%1» — это не база данных %2 Vorkast")
                                  .arg(missing, kindName(m_kind));
            } catch (const DataError &e) {
                failure = e.message();
            }
        }
        if (failure.isEmpty()) {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
                failure = q.lastError().text();
            // A page cache large enough for a school's whole results table keeps repeated
            // filters in memory instead of reading the file again (taken only as pages are read).
            q.exec(QStringLiteral("PRAGMA cache_size=-65536"));
        }
        if (!failure.isEmpty()) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            throw DataError(QStringLiteral("Не удалось открыть базу данных %1: %2").arg(path, failure));
        }
    }
    m_path = info.absoluteFilePath();
    registerFunctions();
}

void Connection::registerFunctions()
{
    const QVariant handle = QSqlDatabase::database(m_name, false).driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return;
    sqlite3 *h = *static_cast<sqlite3 *const *>(handle.constData());
    sqlite3_create_collation(h, "UNOCASE", SQLITE_UTF8, nullptr, collateNoCase);
    sqlite3_create_function(h, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction, nullptr,
                            nullptr);
    sqlite3_create_function(h, "like", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction, nullptr,
                            nullptr);
}

void Connection::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    emit aboutToClose();
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_path.clear();
}

bool Connection::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase Connection::database() const
{
    if (!isOpen())
        throw DataError(QStringLiteral("Нет соединения с базой данных %1.").arg(kindName(m_kind)));
    return QSqlDatabase::database(m_name, false);
}

void Connection::beginTransaction()
{
    QSqlDatabase db = database();
    if (!db.transaction())
        throw DataError(db.lastError().text());
}

void Connection::commit()
{
    QSqlDatabase db = database();
    if (!db.commit())
        throw DataError(db.lastError().text());
}

void Connection::rollback()
{
    QSqlDatabase db = database();
    if (!db.rollback())
        throw DataError(db.lastError().text());
}

} // namespace vorkast
