#include "LoginPanel.h"

#include "context/AppContext.h"

namespace vorkast {

LoginPanel::LoginPanel(AppContext &context, QWidget *parent)
    : QFrame(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("rzpanel1"));
    setFrameShape(QFrame::StyledPanel);
    resize(569, 329);
    hide();
}

} // namespace vorkast
