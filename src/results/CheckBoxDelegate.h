#pragma once

#include <QStyledItemDelegate>

namespace vorkast {

// A check-box cell drawn centred; a click anywhere in the cell, or Space, toggles it.
class CheckBoxDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
};

} // namespace vorkast
