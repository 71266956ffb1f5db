#pragma once

#include "Schema.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>

namespace vorkast {

// One database file. Opening never creates a file: a missing file, a file that is
// not a database or a database without this kind's tables fails with a readable text.
class Connection : public QObject {
    Q_OBJECT
public:
    Connection(DatabaseKind kind, QObject *parent = nullptr);
    ~Connection() override;

    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Closes any open file, then opens `path`; throws DataError on failure (left closed).
    void open(const QString &path);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }
    DatabaseKind kind() const { return m_kind; }

    // The open database; throws DataError when closed.
    QSqlDatabase database() const;

    void beginTransaction();
    void commit();
    void rollback();

    // Collation name to use in statements for case-insensitive text comparison.
    static QString noCase() { return QStringLiteral("UNOCASE"); }

signals:
    void aboutToClose();

private:
    void registerFunctions();

    DatabaseKind m_kind;
    QString m_name;
    QString m_path;
};

// Keeps a transaction open until commit(); rolls it back when left without one.
class Transaction {
public:
    explicit Transaction(Connection &c) : m_c(c) { m_c.beginTransaction(); }
    ~Transaction()
    {
        if (!m_done) {
            try {
                m_c.rollback();
            } catch (...) {
            }
        }
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit()
    {
        m_c.commit();
        m_done = true;
    }

private:
    Connection &m_c;
    bool m_done = false;
};

} // namespace vorkast
