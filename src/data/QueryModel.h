#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QVector>

namespace vorkast {

class Query;

// A column of a grid over a query: the field, its title and its width in pixels.
struct GridColumn {
    QString field;
    QString title;
    int width = 80;
    bool checkBox = false;  // a Boolean field shown and toggled as a check box
};

// Table model over a shared query: shows the named columns and follows the query's
// opening, closing, sorting and row changes. A check-box column writes its toggle
// to the database at once (edit, set, post on that row).
class QueryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    QueryModel(Query &query, QVector<GridColumn> columns, QObject *parent = nullptr);

    Query &query() const { return m_query; }
    const QVector<GridColumn> &columns() const { return m_columns; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // A toggle could not be written; the text says why.
    void writeFailed(const QString &message);

private:
    Query &m_query;
    QVector<GridColumn> m_columns;
    QVector<int> m_queryColumns;
};

} // namespace vorkast
