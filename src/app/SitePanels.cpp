#include "SitePanels.h"

#include "Look.h"
#include "SiteWidgets.h"

#include "context/AppContext.h"
#include "context/Site.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace vorkast {

namespace {

QLabel *newLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

// The contact mailbox on the product web site's domain.
QString contactMailbox()
{
    QString host = QUrl(productSiteUrl()).host();
    if (host.startsWith(QLatin1String("www.")))
        host = host.mid(4);
    return QStringLiteral("vorkast@") + host;
}

} // namespace

AboutPanel::AboutPanel(AppContext &context, QWidget *parent)
    : QFrame(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("rzpanel2"));
    setProperty("panel", true);
    setFrameShape(QFrame::StyledPanel);
    setGeometry(261, 72, 385, 353);

    // The name twice: in the text colour and, 2 pixels right and 3 lower, in blue over it.
    auto *title = new QWidget(this);
    const QFont titleFont = comicFont(40, QStringLiteral("Vorkast"));
    auto *RzLabel5 = newLabel("RzLabel5", QStringLiteral("Vorkast"), title);
    auto *sLabel5 = newLabel("sLabel5", QStringLiteral("Vorkast"), title);
    for (QLabel *label : {RzLabel5, sLabel5}) {
        label->setFont(titleFont);
        label->adjustSize();
    }
    sLabel5->setStyleSheet(QStringLiteral("color: rgb(27, 113, 165);"));
    RzLabel5->move(0, 0);
    sLabel5->move(2, 3);
    title->setFixedSize(RzLabel5->width() + 2, RzLabel5->height() + 3);

    auto *RzLabel10 = newLabel("RzLabel10", QStringLiteral("Версия: ") + programVersion(), this);
    RzLabel10->setFont(tahomaFont(10));
    auto *RzLabel6 = newLabel("RzLabel6", QStringLiteral("Программа для прохождения тестирования"), this);
    QFont bold = RzLabel6->font();
    bold.setBold(true);
    RzLabel6->setFont(bold);
    auto *RzLabel7 = newLabel("RzLabel7", QStringLiteral("Разработка: команда проекта Vorkast"), this);
    auto *RzLabel9 = newLabel("RzLabel9", QStringLiteral("Почта для писем: ") + contactMailbox(), this);
    RzLabel9->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *RzLabel8 = newLabel("RzLabel8", QStringLiteral("Сайт:"), this);
    m_RzURLLabel1 = new LinkLabel(context, QStringLiteral("RzURLLabel1"), QString(), this);
    m_RzURLLabel1->setText(QStringLiteral("Pelmark"));
    QFont linkFont = timesFont(19);
    linkFont.setUnderline(true);
    m_RzURLLabel1->setFont(linkFont);
    RzLabel8->setFont(timesFont(19));
    auto *site = new QHBoxLayout;
    site->addStretch();
    site->addWidget(RzLabel8);
    site->addSpacing(6);
    site->addWidget(m_RzURLLabel1);
    site->addStretch();

    auto *RzLabel11 = newLabel("RzLabel11", QStringLiteral("2014 г."), this);
    m_rzbutton5 = new QPushButton(QStringLiteral("Закрыть"), this);
    m_rzbutton5->setObjectName(QStringLiteral("rzbutton5"));
    m_rzbutton5->setMinimumWidth(110);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 16);
    layout->setSpacing(8);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(RzLabel10);
    layout->addStretch();
    layout->addWidget(RzLabel6);
    layout->addWidget(RzLabel7);
    layout->addWidget(RzLabel9);
    layout->addStretch();
    layout->addLayout(site);
    layout->addWidget(RzLabel11);
    layout->addStretch();
    layout->addSpacing(8);
    layout->addWidget(m_rzbutton5, 0, Qt::AlignHCenter);

    connect(m_rzbutton5, &QPushButton::clicked, this, [this] { m_context.guard([this] { RzButton5Click(); }); });
    hide();
}

void AboutPanel::showPanel()
{
    show();
    raise();
}

void AboutPanel::RzButton5Click()
{
    hide();
}

DonationPanel::DonationPanel(AppContext &context, QWidget *parent)
    : QFrame(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("sPanel4"));
    setProperty("panel", true);
    setFrameShape(QFrame::StyledPanel);
    setGeometry(232, 104, 449, 225);

    m_sLabelFX1 = new QLabel(this);
    m_sLabelFX1->setObjectName(QStringLiteral("sLabelFX1"));
    m_sLabelFX1->setText(QStringLiteral("Если программа Вам пригодилась,\n"
                                        "поддержите автора любой суммой.\n"
                                        "Как это сделать, написано на сайте\n"
                                        "программы на странице help.html.\n"
                                        "Там же названы все, кто уже помог.\n"
                                        "Добавьте к переводу имя или ник\n"
                                        "и пожелание или адрес своего сайта."));
    QFont textFont = tahomaFont(10);
    textFont.setPixelSize(19);
    m_sLabelFX1->setFont(textFont);
    m_sLabelFX1->setAlignment(Qt::AlignCenter);
    m_sLabelFX1->setGeometry(9, 6, 431, 169);
    auto *shadow = new QGraphicsDropShadowEffect(m_sLabelFX1);
    shadow->setOffset(1.5, 1.5);
    shadow->setBlurRadius(3);
    shadow->setColor(QColor(120, 150, 180, 160));
    m_sLabelFX1->setGraphicsEffect(shadow);

    m_Image2 = new Picture(QStringLiteral("Image2"), QStringLiteral(":/art/site-logo.svg"), QSize(146, 39), this);
    m_Image2->move((449 - 146) / 2, 178);
    m_Image2->setToolTip(QStringLiteral("Сайт программы"));

    m_RzURLLabel3 = new LinkLabel(context, QStringLiteral("RzURLLabel3"), QStringLiteral("help.html"), this);
    m_RzURLLabel3->setText(QStringLiteral("help.html"));
    m_RzURLLabel3->setToolTip(QStringLiteral("Страница помощи автору на сайте программы"));
    m_RzURLLabel3->adjustSize();
    m_RzURLLabel3->move(m_Image2->geometry().right() + 12,
                        m_Image2->geometry().center().y() - m_RzURLLabel3->height() / 2);

    m_sSpeedButton1 = new QToolButton(this);
    m_sSpeedButton1->setObjectName(QStringLiteral("sSpeedButton1"));
    m_sSpeedButton1->setIcon(QIcon(QStringLiteral(":/art/close.svg")));
    m_sSpeedButton1->setIconSize(QSize(16, 16));
    m_sSpeedButton1->setToolTip(QStringLiteral("Закрыть"));
    m_sSpeedButton1->setAccessibleName(QStringLiteral("Закрыть"));
    m_sSpeedButton1->setGeometry(449 - 26, 4, 22, 22);
    m_sSpeedButton1->setFocusPolicy(Qt::StrongFocus);

    connect(m_sSpeedButton1, &QToolButton::clicked, this,
            [this] { m_context.guard([this] { sSpeedButton1Click(); }); });
    hide();
}

void DonationPanel::showPanel()
{
    show();
    raise();
}

void DonationPanel::sSpeedButton1Click()
{
    hide();
}

} // namespace vorkast
