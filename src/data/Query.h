#pragma once

#include "RowStore.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <QVector>

#include <vector>

namespace vorkast {

class Connection;

// A client-side static cursor over one SELECT: the whole result is held in memory
// (blob columns are fetched on demand by the row's key), moved with first/next/prior
// and their begin and end marks, sorted in memory, and changed row by row through
// parameterised INSERT, UPDATE and DELETE by the "index" key.
class Query : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    // `fields` are the columns every statement of this query must return.
    Query(Connection &connection, const QString &name, const QString &designStatement, const QStringList &fields,
          QObject *parent = nullptr);

    QString name() const { return objectName(); }
    Connection &connection() const { return m_connection; }
    QStringList fields() const { return m_fields; }

    // --- statement -------------------------------------------------------
    QStringList sql() const { return m_sql; }
    void clearSql();  // also forgets the bound values
    void addSql(const QString &line);
    void bindValue(const QString &placeholder, const QVariant &value);
    // Close, clear the text, add the lines, bind the values, open.
    void replaceStatement(const QStringList &lines, const QVariantMap &values = {});

    void open();  // throws DataError; stays closed on failure
    void close();
    bool isActive() const { return m_state != State::Inactive; }
    void setActive(bool active);
    State state() const { return m_state; }

    // --- cursor ------------------------------------------------------------
    void first();
    void next();
    void prior();
    void last();
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    bool isEmpty() const { return m_order.empty(); }
    int recordCount() const { return static_cast<int>(m_order.size()); }
    int currentRow() const { return m_current; }  // 0-based, -1 when empty
    // Moves to a row chosen in a grid; clears both marks.
    void setCurrentRow(int row);

    // --- fields of the current row (empty/0/false when there is no row) -----
    bool hasField(const QString &name) const;
    QVariant value(const QString &name) const;
    QString text(const QString &name) const;
    int integer(const QString &name) const;  // throws DataError for text that is not an integer
    bool boolean(const QString &name) const;
    QByteArray blob(const QString &name) const;
    qint64 key() const;  // the current row's "index", 0 when there is no row

    // --- row operations ------------------------------------------------------
    void insert();
    void edit();
    void setValue(const QString &name, const QVariant &value);
    void post();
    void cancel();
    void remove();  // the next row becomes current, or the previous one after the last

    // --- client-side sort: "[F] ASC" or "[F] DESC" ------------------------------
    QString sort() const { return m_sort; }
    void setSort(const QString &spec);

    // Orders the open result by a column, ascending in the sort's order, as the statement's
    // own order: the sort specification stays as it is (empty after open). Sorting here is
    // much faster than ORDER BY with a case-insensitive comparison in the database.
    void orderRows(const QString &field);

    // --- access for table models ---------------------------------------------
    int columnIndex(const QString &name) const;  // -1 when absent
    QVariant cell(int row, int column) const;    // blob columns read as null here
    // A cell as text for immediate use while walking many rows: a text cell refers to the
    // query's own storage without a copy, so the result must not be kept past the next change.
    QString transientText(int row, int column) const;
    QString tableName() const { return m_table; }

signals:
    void aboutToReset();
    void reset();
    void rowChanged(int row);
    void currentChanged(int row);

private:
    void requireActive() const;
    void requireRow() const;
    void checkBrowse();
    void setCurrent(int row);
    int requireColumn(const QString &name) const;
    QVariant loadBlob(int row, int column) const;
    void prepareColumns(QString &statement);
    void readRowInto(qint64 key, int storageRow);
    void sortOrder(int column, bool descending);
    int storageRow(int row) const { return m_order[static_cast<size_t>(row)]; }

    Connection &m_connection;
    QString m_designStatement;
    QStringList m_fields;
    QStringList m_sql;
    QVariantMap m_bindings;

    State m_state = State::Inactive;
    QString m_table;            // the single table the statement reads, or empty
    QStringList m_columns;      // result columns
    QVector<bool> m_lazy;       // columns fetched on demand
    int m_keyColumn = -1;
    RowStore m_store;        // every row read or added, column by column
    std::vector<int> m_order;  // the rows shown, in their order, as rows of m_store
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    QString m_sort;

    QVector<QVariant> m_buffer;
    QVector<bool> m_modified;

    mutable qint64 m_blobKey = -1;
    mutable int m_blobColumn = -1;
    mutable QVariant m_blobValue;
};

} // namespace vorkast
