#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorkast {

class AppContext;

// The panel that changes the administrator's login and password (rzPanel3).
class CredentialsPanel : public QFrame {
    Q_OBJECT
public:
    CredentialsPanel(AppContext &context, QWidget *parent);

    // Shows the panel over the others with the focus in the old login box.
    void showPanel();

    void rzButton6Click();  // "Сменить"
    void rzButton7Click();  // "Закрыть"

private:
    AppContext &m_context;
    QLabel *m_RzLabel12;
    QLabel *m_RzLabel14;
    QLabel *m_RzLabel15;
    QLineEdit *m_RzEdit3;
    QLineEdit *m_RzEdit4;
    QLineEdit *m_RzEdit5;
    QLineEdit *m_RzEdit6;
    QPushButton *m_rzButton6;
    QPushButton *m_rzButton7;
};

} // namespace vorkast
