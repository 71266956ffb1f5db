#include "Query.h"

#include "Connection.h"
#include "DataError.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

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
    const int n = static_cast<int>(m_columns.size());
    m_store.reset(n);
    m_order.clear();
    while (q.next()) {
        const int row = m_store.appendRow();
        for (int i = 0; i < n; ++i) {
            if (!m_lazy[i])
                m_store.set(row, i, q.value(i));
        }
        m_order.push_back(row);
    }
    m_state = State::Browse;
    m_sort.clear();
    m_blobKey = -1;
    m_current = m_order.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_order.empty();
    emit reset();
    emit currentChanged(m_current);
}

void Query::close()
{
    if (!isActive())
        return;
    emit aboutToReset();
    m_state = State::Inactive;
    m_store.clear();
    std::vector<int>().swap(m_order);
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
    setCurrent(m_order.empty() ? -1 : 0);
    m_bof = true;
    m_eof = m_order.empty();
}

void Query::last()
{
    requireActive();
    checkBrowse();
    setCurrent(recordCount() - 1);
    m_eof = true;
    m_bof = m_order.empty();
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
    return m_store.get(storageRow(row), column);
}

QString Query::transientText(int row, int column) const
{
    if (row < 0 || row >= recordCount() || column < 0 || column >= m_columns.size())
        return {};
    if (m_state == State::Browse || row != m_current) {
        const int stored = storageRow(row);
        if (m_store.isText(stored, column)) {
            const QStringView text = m_store.textAt(stored, column);
            return QString::fromRawData(text.data(), text.size());
        }
    }
    const QVariant v = cell(row, column);
    if (v.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(v.toByteArray());
    return v.isNull() ? QString() : v.toString();
}

QVariant Query::loadBlob(int row, int column) const
{
    const qint64 k = m_store.integer(storageRow(row), m_keyColumn);
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
    return m_store.get(storageRow(m_current), c);
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
    return m_store.integer(storageRow(m_current), m_keyColumn);
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
    m_buffer = QVector<QVariant>(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i)
        m_buffer[i] = m_store.get(storageRow(m_current), i);
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

// Reads a row just added (with its defaults) into the store, blobs left to be read on demand.
void Query::readRowInto(qint64 key, int row)
{
    QStringList selected;
    for (int i = 0; i < m_columns.size(); ++i)
        selected << (m_lazy[i] ? QStringLiteral("NULL") : quoted(m_columns[i]));
    QSqlQuery q(m_connection.database());
    q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE \"index\" = ?").arg(selected.join(QLatin1Char(',')), quoted(m_table)));
    q.addBindValue(key);
    if (!q.exec())
        throw DataError(queryError(q));
    if (q.next()) {
        for (int i = 0; i < m_columns.size(); ++i)
            m_store.set(row, i, q.value(i));
    } else if (m_keyColumn >= 0) {
        m_store.set(row, m_keyColumn, key);
    }
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
        const int row = m_store.appendRow();
        readRowInto(newKey, row);
        emit aboutToReset();
        m_order.push_back(row);
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
        const int row = storageRow(m_current);
        for (int i = 0; i < m_columns.size(); ++i) {
            if (m_modified[i] && !m_lazy[i])
                m_store.set(row, i, m_buffer[i]);
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
    m_order.erase(m_order.begin() + m_current);
    m_blobKey = -1;
    if (m_order.empty()) {
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

    m_sort = trimmed;  // recorded first, so views reset by the sort read the new order
    sortOrder(c, descending);
}

void Query::orderRows(const QString &field)
{
    requireActive();
    checkBrowse();
    sortOrder(requireColumn(field), false);
}

// Reorders the shown rows in place; the current row stays on its record.
void Query::sortOrder(int column, bool descending)
{
    emit aboutToReset();
    const int currentStorageRow = m_current >= 0 ? storageRow(m_current) : -1;
    m_store.prepareCompare(column);
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        const int r = m_store.compare(a, b, column);
        return descending ? r > 0 : r < 0;
    });
    if (currentStorageRow >= 0)
        m_current = static_cast<int>(std::find(m_order.begin(), m_order.end(), currentStorageRow) - m_order.begin());
    emit reset();
    emit currentChanged(m_current);
}

} // namespace vorkast
