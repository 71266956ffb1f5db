#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QToolButton;

namespace vorkast {

class AppContext;
class LinkLabel;
class Picture;

// The about panel (rzpanel2).
class AboutPanel : public QFrame {
    Q_OBJECT
public:
    AboutPanel(AppContext &context, QWidget *parent);

    void showPanel();
    void RzButton5Click();  // "Закрыть"

private:
    AppContext &m_context;
    LinkLabel *m_RzURLLabel1 = nullptr;
    QPushButton *m_rzbutton5 = nullptr;
};

// The donation panel (sPanel4).
class DonationPanel : public QFrame {
    Q_OBJECT
public:
    DonationPanel(AppContext &context, QWidget *parent);

    void showPanel();
    void sSpeedButton1Click();  // the corner button

    // The site picture under the text; the main window handles its click.
    Picture *image2() const { return m_Image2; }

private:
    AppContext &m_context;
    QLabel *m_sLabelFX1 = nullptr;
    Picture *m_Image2 = nullptr;
    LinkLabel *m_RzURLLabel3 = nullptr;
    QToolButton *m_sSpeedButton1 = nullptr;
};

} // namespace vorkast
