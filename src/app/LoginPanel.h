#pragma once

#include <QFrame>

namespace vorkast {

class AppContext;

// The login panel of the main window (rzpanel1).
class LoginPanel : public QFrame {
    Q_OBJECT
public:
    LoginPanel(AppContext &context, QWidget *parent);

private:
    AppContext &m_context;
};

} // namespace vorkast
