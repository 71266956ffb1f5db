#include "GridSync.h"

#include "data/Query.h"
#include "data/QueryModel.h"

#include <QItemSelectionModel>
#include <QPointer>
#include <QTableView>

#include <exception>

namespace vorkast {

void syncGridWithQuery(QTableView *view, QueryModel *model)
{
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    Query *query = &model->query();
    QPointer<QTableView> guardView(view);

    auto showQueryRow = [guardView, model, query] {
        if (!guardView || !query->isActive())
            return;
        const int row = query->currentRow();
        const QModelIndex current = guardView->currentIndex();
        if (row < 0 || (current.isValid() && current.row() == row))
            return;
        const QModelIndex target = model->index(row, current.isValid() ? current.column() : 0);
        guardView->selectionModel()->setCurrentIndex(
            target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        guardView->scrollTo(target);
    };
    QObject::connect(query, &Query::currentChanged, view, showQueryRow);
    QObject::connect(model, &QAbstractItemModel::modelReset, view, showQueryRow);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, view,
                     [query](const QModelIndex &current) {
                         if (!current.isValid() || !query->isActive() || current.row() == query->currentRow())
                             return;
                         try {
                             query->setCurrentRow(current.row());
                         } catch (const std::exception &) {
                             // Nothing is pending on a grid's row move; a failure leaves the query where it was.
                         }
                     });
}

} // namespace vorkast
