#include "TForm3.h"

#include "context/AppContext.h"

namespace vorkast {

TForm3::TForm3(AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Создание теста"));
    resize(790, 615);
}

} // namespace vorkast
