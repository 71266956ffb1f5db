#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;

namespace vorkast {

class AppContext;
class AboutPanel;
class CredentialsPanel;
class DonationPanel;
class LinkLabel;
class LoginPanel;
class Picture;
class TopicCatalog;
class TForm2;
class TForm3;
class TForm4;

// The main window: start-up, the main menu and the panels over its surface.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(AppContext &context, QWidget *parent = nullptr);

    // The other windows, created after this one.
    void setWindows(TForm2 *form2, TForm3 *form3, TForm4 *form4);

    // Start-up: list files, config.ini, both databases, the topic count.
    void FormCreate();
    // First showing: the catalogue's filters from the list files.
    void FormShow();

    QAction *menuItem(const QString &name) const;

    // Menu commands.
    void N2Click();
    // The testing window was closed: the selection screen is prepared for the next pupil.
    void N2Closed();
    void N5Click();
    void N10Click();
    void N15Click();
    void N7Click();
    void N8Click();
    void N14Click();

    // The top-level menus that ask for the login before it has happened.
    void N4Click();
    void N6Click();
    void N11Click();
    // Settings: database files and the credentials panel.
    void N12Click();
    void testymdb1Click();
    void N13Click();
    // Help: the about and donation panels and the two site queries.
    void N9Click();
    void N16Click();
    void N17Click();
    void N18Click();
    // The corner picture: the same as a click on the site link over it.
    void Image1Click();

signals:
    // The main window is closing: the program ends.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildSurface();
    void buildLook();
    void buildMenuPictures();
    void enableAfterLogin();
    QAction *addItem(QMenu *menu, const char *name, const QString &caption, bool enabled);

    AppContext &m_context;
    TForm2 *m_form2 = nullptr;
    TForm3 *m_form3 = nullptr;
    TForm4 *m_form4 = nullptr;

    QWidget *m_surface = nullptr;
    QLabel *m_sLabel1 = nullptr;
    QLabel *m_sLabel6 = nullptr;
    LoginPanel *m_loginPanel = nullptr;
    CredentialsPanel *m_credentialsPanel = nullptr;
    TopicCatalog *m_catalog = nullptr;
    AboutPanel *m_aboutPanel = nullptr;
    DonationPanel *m_donationPanel = nullptr;
    Picture *m_Image1 = nullptr;
    LinkLabel *m_RzURLLabel2 = nullptr;
    QString m_RzOpenDialog1File;  // the database file chosen last
};

} // namespace vorkast
