#include "TopicCatalog.h"

#include "context/AppContext.h"

#include <QComboBox>
#include <QHBoxLayout>

namespace vorkast {

TopicCatalog::TopicCatalog(AppContext &context, QWidget *parent)
    : QFrame(parent)
    , m_context(context)
    , m_rzComboBox1(new QComboBox(this))
    , m_RzComboBox2(new QComboBox(this))
{
    setObjectName(QStringLiteral("sPanel1"));
    setFrameShape(QFrame::StyledPanel);
    resize(793, 457);
    m_rzComboBox1->setObjectName(QStringLiteral("rzComboBox1"));
    for (int c = 5; c <= 11; ++c)
        m_rzComboBox1->addItem(QString::number(c));
    m_rzComboBox1->setCurrentIndex(0);
    m_RzComboBox2->setObjectName(QStringLiteral("RzComboBox2"));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_rzComboBox1);
    layout->addWidget(m_RzComboBox2);
    hide();
}

} // namespace vorkast
