#include "CredentialsPanel.h"

#include "context/AppContext.h"

namespace vorkast {

CredentialsPanel::CredentialsPanel(AppContext &context, QWidget *parent)
    : QFrame(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("rzPanel3"));
    setFrameShape(QFrame::StyledPanel);
    resize(369, 361);
    hide();
}

} // namespace vorkast
