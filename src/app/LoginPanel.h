#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorkast {

class AppContext;

// The login panel of the main window (rzpanel1).
class LoginPanel : public QFrame {
    Q_OBJECT
public:
    LoginPanel(AppContext &context, QWidget *parent);

    // Shows the panel over the others with the focus in the login box.
    void showPanel();

    void sButton1Click();  // "Закрыть"
    void sButton2Click();  // "Войти"

signals:
    // A login succeeded; the main window enables what it unlocks.
    void loginAccepted();

private:
    AppContext &m_context;
    QLabel *m_sLabel2;
    QLabel *m_RzLabel2;
    QLabel *m_RzLabel3;
    QLineEdit *m_rzedit1;
    QLineEdit *m_rzEdit2;
    QPushButton *m_sButton1;
    QPushButton *m_sButton2;
};

} // namespace vorkast
