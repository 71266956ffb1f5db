#pragma once

#include <QFrame>

namespace vorkast {

class AppContext;

// The panel that changes the administrator's login and password (rzPanel3).
class CredentialsPanel : public QFrame {
    Q_OBJECT
public:
    CredentialsPanel(AppContext &context, QWidget *parent);

private:
    AppContext &m_context;
};

} // namespace vorkast
