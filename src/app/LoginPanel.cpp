#include "LoginPanel.h"

#include "AdminLookup.h"
#include "BusyCursor.h"
#include "Look.h"

#include "context/AppContext.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace vorkast {

namespace {

QLineEdit *newEdit(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(255);
    edit->setFont(tahomaFont(14));
    edit->setMinimumWidth(260);
    return edit;
}

} // namespace

LoginPanel::LoginPanel(AppContext &context, QWidget *parent)
    : QFrame(parent)
    , m_context(context)
    , m_sLabel2(new QLabel(this))
    , m_RzLabel2(new QLabel(QStringLiteral("Логин:"), this))
    , m_RzLabel3(new QLabel(QStringLiteral("Пароль:"), this))
    , m_rzedit1(newEdit("rzedit1", this))
    , m_rzEdit2(newEdit("rzEdit2", this))
    , m_sButton1(new QPushButton(QStringLiteral("Закрыть"), this))
    , m_sButton2(new QPushButton(QStringLiteral("Войти"), this))
{
    setObjectName(QStringLiteral("rzpanel1"));
    setProperty("panel", true);
    setFrameShape(QFrame::StyledPanel);
    setFixedSize(569, 329);

    m_sLabel2->setObjectName(QStringLiteral("sLabel2"));
    m_sLabel2->setText(labelText(
        QStringLiteral("Введите Логин и Пароль для создания тестов \r           или просмотра результатов")));
    m_sLabel2->setFont(tahomaFont(15));
    m_RzLabel2->setObjectName(QStringLiteral("RzLabel2"));
    m_RzLabel3->setObjectName(QStringLiteral("RzLabel3"));
    for (QLabel *label : {m_RzLabel2, m_RzLabel3})
        label->setFont(comicFont(27, label->text()));  // 20 pt
    m_RzLabel2->setBuddy(m_rzedit1);
    m_RzLabel3->setBuddy(m_rzEdit2);
    m_rzEdit2->setEchoMode(QLineEdit::Password);
    m_sButton1->setObjectName(QStringLiteral("sButton1"));
    m_sButton2->setObjectName(QStringLiteral("sButton2"));

    auto *boxes = new QGridLayout;
    boxes->setHorizontalSpacing(16);
    boxes->setVerticalSpacing(18);
    boxes->addWidget(m_RzLabel2, 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    boxes->addWidget(m_rzedit1, 0, 1);
    boxes->addWidget(m_RzLabel3, 1, 0, Qt::AlignRight | Qt::AlignVCenter);
    boxes->addWidget(m_rzEdit2, 1, 1);
    auto *centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(boxes);
    centred->addStretch(2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_sButton2);
    buttons->addSpacing(12);
    buttons->addWidget(m_sButton1);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 16, 12, 20);
    layout->addWidget(m_sLabel2, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addLayout(centred);
    layout->addStretch();
    layout->addLayout(buttons);

    setTabOrder(m_rzedit1, m_rzEdit2);
    setTabOrder(m_rzEdit2, m_sButton2);
    setTabOrder(m_sButton2, m_sButton1);

    connect(m_sButton1, &QPushButton::clicked, this, [this] { m_context.guard([this] { sButton1Click(); }); });
    connect(m_sButton2, &QPushButton::clicked, this, [this] { m_context.guard([this] { sButton2Click(); }); });
    // Enter in the login box moves on to the password; Enter in the password logs in.
    connect(m_rzedit1, &QLineEdit::returnPressed, m_rzEdit2, qOverload<>(&QWidget::setFocus));
    connect(m_rzEdit2, &QLineEdit::returnPressed, m_sButton2, &QPushButton::click);
    hide();
}

void LoginPanel::showPanel()
{
    show();
    raise();
    m_rzedit1->setFocus();
}

void LoginPanel::sButton1Click()
{
    hide();
}

void LoginPanel::sButton2Click()
{
    Query &apass = m_context.apass;
    const QString login = m_rzedit1->text();
    const QString password = m_rzEdit2->text();
    selectAdminRows(apass, login);
    const auto deactivate = qScopeGuard([&apass] { apass.setActive(false); });  // however the handler ends

    if (login.isEmpty() || password.isEmpty()) {
        m_context.dialogs.information(QStringLiteral("Заполните Логин и Пароль!"));
        return;
    }
    bool found = false;
    {
        const BusyCursor busy;  // checking a password hash takes a noticeable moment
        found = findAdminRow(apass, login, password);
    }
    if (!found) {
        m_context.dialogs.information(QStringLiteral("Логин или Пароль неправильный, введите заново"));
        m_rzedit1->clear();
        m_rzEdit2->clear();
        m_rzedit1->setFocus();
        return;
    }
    emit loginAccepted();
    hide();
    m_rzedit1->clear();
    m_rzEdit2->clear();
    m_context.loggedIn = true;
    upgradeAdminPassword(apass, password);
}

} // namespace vorkast
