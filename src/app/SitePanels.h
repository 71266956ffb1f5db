#pragma once

#include <QFrame>

namespace vorkast {

class AppContext;

// The about panel (rzpanel2).
class AboutPanel : public QFrame {
    Q_OBJECT
public:
    AboutPanel(AppContext &context, QWidget *parent);

private:
    AppContext &m_context;
};

// The donation panel (sPanel4).
class DonationPanel : public QFrame {
    Q_OBJECT
public:
    DonationPanel(AppContext &context, QWidget *parent);

private:
    AppContext &m_context;
};

} // namespace vorkast
