#include "TForm2.h"

#include "context/AppContext.h"

namespace vorkast {

TForm2::TForm2(AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Результаты"));
    resize(905, 592);
}

} // namespace vorkast
