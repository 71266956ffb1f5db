#include "WrapButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace vorkast {

WrapButton::WrapButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
}

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}

} // namespace vorkast
