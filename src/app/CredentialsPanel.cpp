#include "CredentialsPanel.h"

#include "AdminLookup.h"
#include "BusyCursor.h"
#include "Look.h"

#include "context/AppContext.h"
#include "platform/PasswordHash.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace vorkast {

namespace {

constexpr int kWidth = 369;
constexpr int kHeight = 361;
constexpr int kMargin = 20;

} // namespace

CredentialsPanel::CredentialsPanel(AppContext &context, QWidget *parent)
    : QFrame(parent)
    , m_context(context)
    , m_RzLabel12(new QLabel(QStringLiteral("Настроить логин/пароль."), this))
    , m_RzLabel14(new QLabel(labelText(QStringLiteral("Введите старый \r\rЛогин:\r\rПароль:")), this))
    , m_RzLabel15(new QLabel(labelText(QStringLiteral("Введите новый\r\rЛогин:\r\rПароль:")), this))
    , m_RzEdit3(new QLineEdit(this))
    , m_RzEdit4(new QLineEdit(this))
    , m_RzEdit5(new QLineEdit(this))
    , m_RzEdit6(new QLineEdit(this))
    , m_rzButton6(new QPushButton(QStringLiteral("Сменить"), this))
    , m_rzButton7(new QPushButton(QStringLiteral("Закрыть"), this))
{
    setObjectName(QStringLiteral("rzPanel3"));
    setProperty("panel", true);
    setFrameShape(QFrame::StyledPanel);
    setFixedSize(kWidth, kHeight);

    m_RzLabel12->setObjectName(QStringLiteral("RzLabel12"));
    m_RzLabel14->setObjectName(QStringLiteral("RzLabel14"));
    m_RzLabel15->setObjectName(QStringLiteral("RzLabel15"));
    m_RzEdit3->setObjectName(QStringLiteral("RzEdit3"));
    m_RzEdit4->setObjectName(QStringLiteral("RzEdit4"));
    m_RzEdit5->setObjectName(QStringLiteral("RzEdit5"));
    m_RzEdit6->setObjectName(QStringLiteral("RzEdit6"));
    m_rzButton6->setObjectName(QStringLiteral("rzButton6"));
    m_rzButton7->setObjectName(QStringLiteral("rzButton7"));

    m_RzLabel12->setFont(tahomaFont(14));
    m_RzLabel12->adjustSize();
    m_RzLabel12->move((kWidth - m_RzLabel12->width()) / 2, 14);

    // Each multi-line label names the two boxes beside its third and fifth lines.
    const QFont labelFont = tahomaFont(11);
    const QFontMetrics fm(labelFont);
    const int line = fm.lineSpacing();
    const int editX = kMargin + std::max(fm.horizontalAdvance(QStringLiteral("Логин:")),
                                         fm.horizontalAdvance(QStringLiteral("Пароль:")))
        + 14;
    const int editWidth = kWidth - editX - kMargin;
    int top = m_RzLabel12->geometry().bottom() + 14;
    for (auto [label, upper, lower] : {std::tuple{m_RzLabel14, m_RzEdit3, m_RzEdit4},
                                       std::tuple{m_RzLabel15, m_RzEdit5, m_RzEdit6}}) {
        label->setFont(labelFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->adjustSize();
        label->move(kMargin, top);
        for (auto [edit, row] : {std::pair{upper, 2}, std::pair{lower, 4}}) {
            edit->setMaxLength(255);
            edit->setFont(labelFont);
            const int h = edit->sizeHint().height();
            edit->setGeometry(editX, top + row * line + (line - h) / 2, editWidth, h);
            edit->raise();
        }
        top += 5 * line + 18;
    }

    const int buttonHeight = std::max(m_rzButton6->sizeHint().height(), 28);
    const int buttonWidth = std::max({m_rzButton6->sizeHint().width(), m_rzButton7->sizeHint().width(), 110});
    const int buttonY = kHeight - kMargin - buttonHeight;
    m_rzButton6->setGeometry(kWidth / 2 - 8 - buttonWidth, buttonY, buttonWidth, buttonHeight);
    m_rzButton7->setGeometry(kWidth / 2 + 8, buttonY, buttonWidth, buttonHeight);

    setTabOrder(m_RzEdit3, m_RzEdit4);
    setTabOrder(m_RzEdit4, m_RzEdit5);
    setTabOrder(m_RzEdit5, m_RzEdit6);
    setTabOrder(m_RzEdit6, m_rzButton6);
    setTabOrder(m_rzButton6, m_rzButton7);

    connect(m_rzButton6, &QPushButton::clicked, this, [this] { m_context.guard([this] { rzButton6Click(); }); });
    connect(m_rzButton7, &QPushButton::clicked, this, [this] { m_context.guard([this] { rzButton7Click(); }); });
    // Enter moves to the next box; in the last one it changes the credentials.
    connect(m_RzEdit3, &QLineEdit::returnPressed, m_RzEdit4, qOverload<>(&QWidget::setFocus));
    connect(m_RzEdit4, &QLineEdit::returnPressed, m_RzEdit5, qOverload<>(&QWidget::setFocus));
    connect(m_RzEdit5, &QLineEdit::returnPressed, m_RzEdit6, qOverload<>(&QWidget::setFocus));
    connect(m_RzEdit6, &QLineEdit::returnPressed, m_rzButton6, &QPushButton::click);
    hide();
}

void CredentialsPanel::showPanel()
{
    show();
    raise();
    m_RzEdit3->setFocus();
}

void CredentialsPanel::rzButton6Click()
{
    const QString oldLogin = m_RzEdit3->text();
    const QString oldPassword = m_RzEdit4->text();
    const QString newLogin = m_RzEdit5->text();
    const QString newPassword = m_RzEdit6->text();
    if (oldLogin.isEmpty() || oldPassword.isEmpty() || newLogin.isEmpty() || newPassword.isEmpty()) {
        m_context.dialogs.information(QStringLiteral("Все поля должны быть заполненными!"));
        return;
    }
    Query &apass = m_context.apass;
    selectAdminRows(apass, oldLogin);
    bool found = false;
    {
        const BusyCursor busy;  // hashing takes a noticeable moment
        found = findAdminRow(apass, oldLogin, oldPassword);
        if (found) {
            apass.edit();
            apass.setValue(QStringLiteral("name"), newLogin);
            apass.setValue(QStringLiteral("parol"), PasswordHash::make(newPassword));
            try {
                apass.post();
            } catch (...) {
                apass.cancel();
                throw;
            }
        }
    }
    if (!found) {
        m_context.dialogs.information(QStringLiteral("Неверный старый логин или пароль."));
        return;
    }
    for (QLineEdit *edit : {m_RzEdit3, m_RzEdit4, m_RzEdit5, m_RzEdit6})
        edit->clear();
    m_context.dialogs.information(
        QStringLiteral("Логин и пароль изменены. Не забудьте их. \rЕсли Вы забыли Логин-Пароль, зайдите на сайт "
                       "Pelmark в раздел Вопрос-Ответ. "));
}

void CredentialsPanel::rzButton7Click()
{
    hide();
}

} // namespace vorkast
