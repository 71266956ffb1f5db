#pragma once

class QTableView;

namespace vorkast {

class QueryModel;

// Keeps a grid's current row and its query's current row in step, both ways.
void syncGridWithQuery(QTableView *view, QueryModel *model);

} // namespace vorkast
