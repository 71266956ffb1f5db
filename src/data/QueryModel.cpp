#include "QueryModel.h"

#include "DataError.h"
#include "Query.h"

namespace vorkast {

QueryModel::QueryModel(Query &query, QVector<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_query(query)
    , m_columns(std::move(columns))
{
    connect(&m_query, &Query::aboutToReset, this, [this] { beginResetModel(); });
    connect(&m_query, &Query::reset, this, [this] {
        m_queryColumns.clear();
        for (const GridColumn &c : m_columns)
            m_queryColumns << m_query.columnIndex(c.field);
        endResetModel();
    });
    connect(&m_query, &Query::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount())
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

int QueryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_query.isActive() ? 0 : m_query.recordCount();
}

int QueryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant QueryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= m_queryColumns.size())
        return {};
    const GridColumn &column = m_columns[index.column()];
    const QVariant v = m_query.cell(index.row(), m_queryColumns[index.column()]);
    if (column.checkBox) {
        if (role == Qt::CheckStateRole)
            return v.toBool() ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return v.isNull() ? QString() : v.toString();
    return {};
}

bool QueryModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || !m_columns[index.column()].checkBox)
        return false;
    try {
        m_query.setCurrentRow(index.row());
        m_query.edit();
        m_query.setValue(m_columns[index.column()].field,
                         value.toInt() == Qt::Checked ? 1 : 0);
        m_query.post();
    } catch (const DataError &e) {
        m_query.cancel();
        emit writeFailed(e.message());
        return false;
    }
    return true;
}

QVariant QueryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_columns.size() ? m_columns[section].title : QVariant();
    return {};
}

Qt::ItemFlags QueryModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_columns[index.column()].checkBox)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

} // namespace vorkast
