#include "SitePanels.h"

#include "context/AppContext.h"

namespace vorkast {

AboutPanel::AboutPanel(AppContext &context, QWidget *parent)
    : QFrame(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("rzpanel2"));
    setFrameShape(QFrame::StyledPanel);
    setGeometry(261, 72, 385, 353);
    hide();
}

DonationPanel::DonationPanel(AppContext &context, QWidget *parent)
    : QFrame(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("sPanel4"));
    setFrameShape(QFrame::StyledPanel);
    setGeometry(232, 104, 449, 225);
    hide();
}

} // namespace vorkast
