#include "TForm4.h"

#include "context/AppContext.h"

#include <QCloseEvent>

namespace vorkast {

TForm4::TForm4(AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Тестирование"));
    resize(1002, 668);
}

void TForm4::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

} // namespace vorkast
