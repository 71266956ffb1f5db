#include "Query.h"

#include "Connection.h"
#include "DataError.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThreadPool>

#include <algorithm>
#include <numeric>

namespace vorkast {

namespace {

const QString kKey = QStringLiteral("index");

QString quoted(const QString &identifier)
{
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

bool isNumber(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

// Text order without regard to case (so "10" and "11" come before "2"); numbers by value.
int compareCells(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    if (isNumber(a) && isNumber(b)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString) {
        const auto &s = *static_cast<const QString *>(a.constData());
        const auto &t = *static_cast<const QString *>(b.constData());
        const int c = s.compare(t, Qt::CaseInsensitive);
        return c != 0 ? c : s.compare(t, Qt::CaseSensitive);
    }
    return a.toString().compare(b.toString(), Qt::CaseInsensitive);
}

// Freeing a large result takes longer than reading a filter's rows, so it is freed on a worker
// thread; its texts are implicitly shared with atomic counts, so that is safe.
void discardRows(std::vector<QVector<QVariant>> &rows)
{
    constexpr size_t kLarge = 5000;
    if (rows.size() < kLarge) {
        rows.clear();
        return;
    }
    // Owned by the task alone, so the last reference never drops on this thread.
    auto *doomed = new std::vector<QVector<QVariant>>(std::move(rows));
    rows = {};
    QThreadPool::globalInstance()->start([doomed] { delete doomed; });
}

QString queryError(const QSqlQuery &q)
{
    const QSqlError e = q.lastError();
    return e.databaseText().isEmpty() ? e.text() : e.databaseText();
}

} // namespace

Query::Query(Connection &connection, const QString &name, const QString &designStatement, const QStringList &fields,
             QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_designStatement(designStatement)
    , m_fields(fields)
    , m_sql{designStatement}
{
    setObjectName(name);
    connect(&m_connection, &Connection::aboutToClose, this, &Query::close);
}

void Query::clearSql()
{
    m_sql.clear();
    m_bindings.clear();
}

void Query::addSql(const QString &line)
{
    m_sql << line;
}

void Query::bindValue(const QString &placeholder, const QVariant &value)
{
    m_bindings.insert(placeholder.startsWith(QLatin1Char(':')) ? placeholder : QLatin1Char(':') + placeholder, value);
}

void Query::replaceStatement(const QStringList &lines, const QVariantMap &values)
{
    close();
    clearSql();
    for (const QString &line : lines)
        addSql(line);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        bindValue(it.key(), it.value());
    open();
}

void Query::setActive(bool active)
{
    if (active && !isActive())
        open();
    else if (!active)
        close();
}

// "select * from T ..." becomes a select of T's columns without its blobs, which are read on demand.
void Query::prepareColumns(QString &statement)
{
    static const QRegularExpression re(QStringLiteral(R"re(^\s*select\s*\*\s*from\s+"?(\w+)"?(\s.*)?$)re"),
                                       QRegularExpression::CaseInsensitiveOption
                                           | QRegularExpression::DotMatchesEverythingOption);
    m_table.clear();
    const auto match = re.match(statement);
    if (!match.hasMatch())
        return;
    QSqlQuery info(m_connection.database());
    if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(match.captured(1)))))
        return;
    QStringList columns;
    QVector<bool> lazy;
    bool hasKey = false;
    while (info.next()) {
        const QString column = info.value(1).toString();
        columns << column;
        lazy << (info.value(2).toString().compare(QLatin1String("BLOB"), Qt::CaseInsensitive) == 0);
        hasKey = hasKey || column == kKey;
    }
    if (columns.isEmpty() || !hasKey)
        return;  // unknown table: let the database report it
    m_table = match.captured(1);
    m_columns = columns;
    m_lazy = lazy;
    QStringList selected;
    for (int i = 0; i < columns.size(); ++i)
        selected << (lazy[i] ? QStringLiteral("NULL") : quoted(columns[i]));
    statement = QStringLiteral("SELECT ") + selected.join(QLatin1Char(',')) + QStringLiteral(" FROM ")
        + quoted(m_table) + match.captured(2);
}

void Query::open()
{
    if (isActive())
        return;
    QString statement = m_sql.join(QLatin1Char('\n'));
    m_columns.clear();
    m_lazy.clear();
    prepareColumns(statement);

    QSqlQuery q(m_connection.database());
    q.setForwardOnly(true);
    if (!q.prepare(statement))
        throw DataError(queryError(q));
    for (auto it = m_bindings.cbegin(); it != m_bindings.cend(); ++it)
        q.bindValue(it.key(), it.value());
    if (!q.exec())
        throw DataError(queryError(q));

    if (m_table.isEmpty()) {
        const QSqlRecord record = q.record();
        for (int i = 0; i < record.count(); ++i)
            m_columns << record.fieldName(i);
        m_lazy = QVector<bool>(m_columns.size(), false);
    }
    for (const QString &field : m_fields) {
        if (!m_columns.contains(field, Qt::CaseInsensitive))
            throw DataError(QStringLiteral("%1: поле «%2» не найдено.").arg(objectName(), field));
    }
    m_keyColumn = m_columns.indexOf(kKey);

    emit aboutToReset();
    m_rows.clear();
    const int n = static_cast<int>(m_columns.size());
    while (q.next()) {
        QVector<QVariant> row(n);
        for (int i = 0; i < n; ++i) {
            if (!m_lazy[i])
                row[i] = q.value(i);
        }
        m_rows.push_back(std::move(row));
    }
    m_state = State::Browse;
    m_sort.clear();
    m_blobKey = -1;
    m_current = m_rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.empty();
    emit reset();
    emit currentChanged(m_current);
}

void Query::close()
{
    if (!isActive())
        return;
    emit aboutToReset();
    m_state = State::Inactive;
    discardRows(m_rows);
    m_current = -1;
    m_bof = m_eof = true;
    m_sort.clear();
    m_blobKey = -1;
    m_blobValue.clear();
    emit reset();
    emit currentChanged(-1);
}

void Query::requireActive() const
{
    if (!isActive())
        throw DataError(QStringLiteral("%1: операция невозможна, набор данных закрыт.").arg(objectName()));
}

void Query::requireRow() const
{
    requireActive();
    if (m_current < 0)
        throw DataError(QStringLiteral("%1: нет текущей записи.").arg(objectName()));
}

void Query::checkBrowse()
{
    if (m_state == State::Edit || m_state == State::Insert)
        post();
}

void Query::setCurrent(int row)
{
    if (row == m_current)
        return;
    m_current = row;
    emit currentChanged(row);
}

void Query::first()
{
    requireActive();
    checkBrowse();
    setCurrent(m_rows.empty() ? -1 : 0);
    m_bof = true;
    m_eof = m_rows.empty();
}

void Query::last()
{
    requireActive();
    checkBrowse();
    setCurrent(static_cast<int>(m_rows.size()) - 1);
    m_eof = true;
    m_bof = m_rows.empty();
}

void Query::next()
{
    requireActive();
    checkBrowse();
    if (m_eof)
        return;
    m_bof = false;
    if (m_current + 1 < recordCount())
        setCurrent(m_current + 1);
    else
        m_eof = true;
}

void Query::prior()
{
    requireActive();
    checkBrowse();
    if (m_bof)
        return;
    m_eof = false;
    if (m_current > 0)
        setCurrent(m_current - 1);
    else
        m_bof = true;
}

void Query::setCurrentRow(int row)
{
    requireActive();
    if (row < 0 || row >= recordCount())
        return;
    if (row != m_current)
        checkBrowse();
    m_bof = m_eof = false;
    setCurrent(row);
}

int Query::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int Query::requireColumn(const QString &name) const
{
    requireActive();
    const int c = columnIndex(name);
    if (c < 0)
        throw DataError(QStringLiteral("%1: поле «%2» не найдено.").arg(objectName(), name));
    return c;
}

bool Query::hasField(const QString &name) const
{
    return columnIndex(name) >= 0;
}

QVariant Query::cell(int row, int column) const
{
    if (row < 0 || row >= recordCount() || column < 0 || column >= m_columns.size())
        return {};
    if (m_state != State::Browse && row == m_current && m_modified.value(column))
        return m_buffer[column];
    return m_rows[static_cast<size_t>(row)][column];
}

QVariant Query::loadBlob(int row, int column) const
{
    const qint64 k = m_rows[static_cast<size_t>(row)][m_keyColumn].toLongLong();
    if (k == m_blobKey && column == m_blobColumn)
        return m_blobValue;
    QSqlQuery q(m_connection.database());
    q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE \"index\" = ?").arg(quoted(m_columns[column]), quoted(m_table)));
    q.addBindValue(k);
    if (!q.exec())
        throw DataError(queryError(q));
    QVariant v = q.next() ? q.value(0) : QVariant();
    m_blobKey = k;
    m_blobColumn = column;
    m_blobValue = v;
    return v;
}

QVariant Query::value(const QString &name) const
{
    const int c = requireColumn(name);
    if (m_state == State::Insert)
        return m_buffer[c];
    if (m_current < 0)
        return {};
    if (m_state == State::Edit && m_modified[c])
        return m_buffer[c];
    if (m_lazy[c])
        return loadBlob(m_current, c);
    return m_rows[static_cast<size_t>(m_current)][c];
}

QString Query::text(const QString &name) const
{
    const QVariant v = value(name);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(v.toByteArray());
    return v.toString();
}

int Query::integer(const QString &name) const
{
    const QVariant v = value(name);
    if (v.isNull())
        return 0;
    if (isNumber(v))
        return v.toInt();
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    if (!ok)
        throw DataError(QStringLiteral("«%1» не является целым числом.").arg(v.toString()));
    return n;
}

bool Query::boolean(const QString &name) const
{
    const QVariant v = value(name);
    if (v.isNull())
        return false;
    if (isNumber(v))
        return v.toLongLong() != 0;
    const QString s = v.toString().trimmed();
    return s == QLatin1String("1") || s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

QByteArray Query::blob(const QString &name) const
{
    const QVariant v = value(name);
    if (v.typeId() == QMetaType::QString)
        return v.toString().toUtf8();
    return v.toByteArray();
}

qint64 Query::key() const
{
    if (!isActive() || m_current < 0 || m_keyColumn < 0 || m_state == State::Insert)
        return 0;
    return m_rows[static_cast<size_t>(m_current)][m_keyColumn].toLongLong();
}

void Query::insert()
{
    requireActive();
    checkBrowse();
    if (m_table.isEmpty())
        throw DataError(QStringLiteral("%1: в этот набор данных нельзя добавлять записи.").arg(objectName()));
    m_buffer = QVector<QVariant>(m_columns.size());
    m_modified = QVector<bool>(m_columns.size(), false);
    m_state = State::Insert;
}

void Query::edit()
{
    requireRow();
    if (m_state == State::Edit)
        return;
    checkBrowse();
    if (m_table.isEmpty())
        throw DataError(QStringLiteral("%1: этот набор данных нельзя изменять.").arg(objectName()));
    m_buffer = m_rows[static_cast<size_t>(m_current)];
    m_modified = QVector<bool>(m_columns.size(), false);
    m_state = State::Edit;
}

void Query::setValue(const QString &name, const QVariant &value)
{
    const int c = requireColumn(name);
    if (m_state != State::Edit && m_state != State::Insert)
        throw DataError(QStringLiteral("%1: набор данных не в режиме редактирования.").arg(objectName()));
    if (c == m_keyColumn)
        throw DataError(QStringLiteral("%1: поле «%2» нельзя изменять.").arg(objectName(), name));
    m_buffer[c] = value;
    m_modified[c] = true;
}

QVector<QVariant> Query::readRow(qint64 key) const
{
    QStringList selected;
    for (int i = 0; i < m_columns.size(); ++i)
        selected << (m_lazy[i] ? QStringLiteral("NULL") : quoted(m_columns[i]));
    QSqlQuery q(m_connection.database());
    q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE \"index\" = ?").arg(selected.join(QLatin1Char(',')), quoted(m_table)));
    q.addBindValue(key);
    if (!q.exec())
        throw DataError(queryError(q));
    QVector<QVariant> row(m_columns.size());
    if (q.next()) {
        for (int i = 0; i < m_columns.size(); ++i)
            row[i] = q.value(i);
    }
    return row;
}

void Query::post()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    QStringList names;
    QVariantList values;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_modified[i]) {
            names << quoted(m_columns[i]);
            values << m_buffer[i];
        }
    }
    QSqlQuery q(m_connection.database());
    if (m_state == State::Insert) {
        const QString sql = names.isEmpty()
            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_table))
            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(quoted(m_table), names.join(QLatin1Char(',')),
                       QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(',')));
        q.prepare(sql);
        for (const QVariant &v : values)
            q.addBindValue(v);
        if (!q.exec())
            throw DataError(queryError(q));
        const qint64 newKey = q.lastInsertId().toLongLong();
        QVector<QVariant> row = readRow(newKey);
        emit aboutToReset();
        m_rows.push_back(std::move(row));
        m_state = State::Browse;
        m_bof = m_eof = false;
        m_current = recordCount() - 1;
        emit reset();
        emit currentChanged(m_current);
        return;
    }
    const qint64 k = key();
    if (!names.isEmpty()) {
        QStringList sets;
        for (const QString &n : names)
            sets << n + QStringLiteral(" = ?");
        q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE \"index\" = ?").arg(quoted(m_table), sets.join(QLatin1Char(','))));
        for (const QVariant &v : values)
            q.addBindValue(v);
        q.addBindValue(k);
        if (!q.exec())
            throw DataError(queryError(q));
        auto &row = m_rows[static_cast<size_t>(m_current)];
        for (int i = 0; i < m_columns.size(); ++i) {
            if (m_modified[i] && !m_lazy[i])
                row[i] = m_buffer[i];
        }
        if (k == m_blobKey)
            m_blobKey = -1;
    }
    m_state = State::Browse;
    emit rowChanged(m_current);
}

void Query::cancel()
{
    if (m_state == State::Edit || m_state == State::Insert) {
        m_state = State::Browse;
        m_buffer.clear();
        m_modified.clear();
        if (m_current >= 0)
            emit rowChanged(m_current);
    }
}

void Query::remove()
{
    requireActive();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    cancel();
    requireRow();
    if (m_table.isEmpty())
        throw DataError(QStringLiteral("%1: из этого набора данных нельзя удалять записи.").arg(objectName()));
    QSqlQuery q(m_connection.database());
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE \"index\" = ?").arg(quoted(m_table)));
    q.addBindValue(key());
    if (!q.exec())
        throw DataError(queryError(q));
    emit aboutToReset();
    m_rows.erase(m_rows.begin() + m_current);
    m_blobKey = -1;
    if (m_rows.empty()) {
        m_current = -1;
        m_bof = m_eof = true;
    } else {
        m_current = std::min(m_current, recordCount() - 1);
        m_bof = m_eof = false;
    }
    emit reset();
    emit currentChanged(m_current);
}

void Query::setSort(const QString &spec)
{
    requireActive();
    checkBrowse();
    const QString trimmed = spec.trimmed();
    if (trimmed.isEmpty()) {
        m_sort.clear();
        return;
    }
    static const QRegularExpression re(QStringLiteral(R"(^\[(.+)\]\s+(ASC|DESC)$)"),
                                       QRegularExpression::CaseInsensitiveOption);
    const auto match = re.match(trimmed);
    if (!match.hasMatch())
        throw DataError(QStringLiteral("%1: неверный порядок сортировки «%2».").arg(objectName(), spec));
    const int c = requireColumn(match.captured(1));
    const bool descending = match.captured(2).compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;

    emit aboutToReset();
    const qint64 currentKey = key();
    std::vector<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    // Texts are case-folded once, not at every comparison, into one compact array:
    // the same order as compareCells, many times faster on a large result.
    const auto &rows = m_rows;
    const bool allText = std::all_of(rows.begin(), rows.end(), [c](const QVector<QVariant> &row) {
        return row[c].typeId() == QMetaType::QString || row[c].isNull();
    });
    if (allText) {
        struct Key {
            QString folded;
            QString text;
            bool null;
        };
        std::vector<Key> keys(rows.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            const QVariant &v = rows[i][c];
            keys[i].null = v.isNull();
            keys[i].text = keys[i].null ? QString() : v.toString();
            keys[i].folded = keys[i].text.toCaseFolded();
        }
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const Key &x = keys[static_cast<size_t>(a)], &y = keys[static_cast<size_t>(b)];
            int r = 0;
            if (x.null || y.null)
                r = x.null == y.null ? 0 : (x.null ? -1 : 1);
            else if ((r = x.folded.compare(y.folded)) == 0)
                r = x.text.compare(y.text);
            return descending ? r > 0 : r < 0;
        });
    } else {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const int r = compareCells(m_rows[static_cast<size_t>(a)][c], m_rows[static_cast<size_t>(b)][c]);
            return descending ? r > 0 : r < 0;
        });
    }
    std::vector<QVector<QVariant>> sorted;
    sorted.reserve(m_rows.size());
    int newCurrent = m_current;
    for (size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(m_rows[static_cast<size_t>(order[i])]));
        if (m_keyColumn >= 0 && sorted.back()[m_keyColumn].toLongLong() == currentKey && currentKey != 0)
            newCurrent = static_cast<int>(i);
    }
    m_rows = std::move(sorted);
    m_sort = trimmed;
    m_current = newCurrent;
    emit reset();
    emit currentChanged(m_current);
}

} // namespace vorkast
