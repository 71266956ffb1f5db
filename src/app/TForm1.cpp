#include "TForm1.h"

#include "CredentialsPanel.h"
#include "DatabaseSettings.h"
#include "LoginPanel.h"
#include "Look.h"
#include "SiteFetch.h"
#include "SitePanels.h"
#include "SiteWidgets.h"
#include "TopicCatalog.h"
#include "TopicCount.h"

#include "authoring/TForm3.h"
#include "context/AppContext.h"
#include "context/Site.h"
#include "data/DataError.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "results/TForm2.h"
#include "testing/TForm4.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

// Resources of a static library are registered by hand (outside any namespace).
static void initArtResources()
{
    Q_INIT_RESOURCE(art);
}

namespace vorkast {

namespace {
const QString kSection = QStringLiteral("ConnectionString");
}

TForm1::TForm1(AppContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vorkast. ") + context.siteUrl);
    initArtResources();
    buildLook();
    buildMenu();
    buildMenuPictures();
    buildSurface();
}

void TForm1::buildMenuPictures()
{
    const QList<std::pair<const char *, const char *>> pictures = {
        {"N2", "start"},         {"N7", "results"},         {"N5", "new-test"},     {"N10", "delete-test"},
        {"N15", "edit-test"},    {"N12", "results-db"},     {"testymdb1", "tests-db"}, {"N13", "password"},
        {"N14", "subjects"},     {"N8", "classes"},         {"N9", "about"},        {"N16", "site-tests"},
        {"N17", "site-version"}, {"N18", "donation"},
    };
    for (const auto &[item, picture] : pictures) {
        if (QAction *action = menuItem(QString::fromLatin1(item)))
            action->setIcon(QIcon(QStringLiteral(":/art/%1.svg").arg(QString::fromLatin1(picture))));
    }
    QStyle *menuStyle = newMenuStyle(this);
    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        menu->setStyle(menuStyle);
}

void TForm1::buildLook()
{
    setFont(tahomaFont(9));
    setStyleSheet(mainStyleSheet());
    // A fixed single border with the system menu, minimize and close only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void TForm1::setWindows(TForm2 *form2, TForm3 *form3, TForm4 *form4)
{
    m_form2 = form2;
    m_form3 = form3;
    m_form4 = form4;
}

QAction *TForm1::addItem(QMenu *menu, const char *name, const QString &caption, bool enabled)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

QAction *TForm1::menuItem(const QString &name) const
{
    return findChild<QAction *>(name);
}

void TForm1::buildMenu()
{
    auto topLevel = [this](const char *name, const QString &caption) {
        QMenu *menu = menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name) + QStringLiteral("Menu"));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto on = [this](QAction *action, void (TForm1::*handler)()) {
        connect(action, &QAction::triggered, this, [this, handler] { m_context.guard([&] { (this->*handler)(); }); });
    };

    QMenu *n1 = topLevel("N1", QStringLiteral("Тестирование"));
    on(addItem(n1, "N2", QStringLiteral("Начать"), true), &TForm1::N2Click);

    // A click on a top-level item runs its handler as its submenu opens.
    auto onOpen = [this](QMenu *menu, void (TForm1::*handler)()) {
        connect(menu, &QMenu::aboutToShow, this, [this, handler] { m_context.guard([&] { (this->*handler)(); }); });
    };

    QMenu *n6 = topLevel("N6", QStringLiteral("Результаты"));
    onOpen(n6, &TForm1::N6Click);
    on(addItem(n6, "N7", QStringLiteral("Смотреть"), false), &TForm1::N7Click);

    QMenu *n4 = topLevel("N4", QStringLiteral("Редактирование тестов"));
    onOpen(n4, &TForm1::N4Click);
    on(addItem(n4, "N5", QStringLiteral("Новый"), false), &TForm1::N5Click);
    on(addItem(n4, "N10", QStringLiteral("Удаление"), false), &TForm1::N10Click);
    on(addItem(n4, "N15", QStringLiteral("Редактирование"), false), &TForm1::N15Click);

    QMenu *n11 = topLevel("N11", QStringLiteral("Настройки"));
    onOpen(n11, &TForm1::N11Click);
    on(addItem(n11, "N12", QStringLiteral("Найти базу данных resultaty.tsb"), false), &TForm1::N12Click);
    on(addItem(n11, "testymdb1", QStringLiteral("Найти базу данных testy.tsb"), false), &TForm1::testymdb1Click);
    on(addItem(n11, "N13", QStringLiteral("Настроить  пароль"), true), &TForm1::N13Click);
    on(addItem(n11, "N14", QStringLiteral("Создать список предметов"), true), &TForm1::N14Click);
    on(addItem(n11, "N8", QStringLiteral("Создать список классов"), true), &TForm1::N8Click);

    QMenu *n3 = topLevel("N3", QStringLiteral("Справка"));
    on(addItem(n3, "N9", QStringLiteral("О программе..."), true), &TForm1::N9Click);
    on(addItem(n3, "N16", QStringLiteral("Кол-во тестов на сайте"), true), &TForm1::N16Click);
    on(addItem(n3, "N17", QStringLiteral("Последняя версия на сайте"), true), &TForm1::N17Click);
    on(addItem(n3, "N18", QStringLiteral("Помощь автору"), true), &TForm1::N18Click);
}

void TForm1::buildSurface()
{
    m_surface = new QWidget(this);
    m_surface->setObjectName(QStringLiteral("surface"));
    m_surface->setFixedSize(920, 548);
    setCentralWidget(m_surface);

    m_sLabel1 = new QLabel(QStringLiteral("Количество тем в базе: 0"), m_surface);
    m_sLabel1->setObjectName(QStringLiteral("sLabel1"));
    m_sLabel1->setToolTip(QStringLiteral("Это текущее количество тестов в программе"));
    QFont bold = m_sLabel1->font();
    bold.setBold(true);
    m_sLabel1->setFont(bold);
    m_sLabel1->setGeometry(12, 520, 400, 20);

    m_sLabel1->setToolTipDuration(10000);

    m_sLabel6 = new QLabel(QStringLiteral("Версия ") + programVersion() + QLatin1Char('.'), m_surface);
    m_sLabel6->setObjectName(QStringLiteral("sLabel6"));
    m_sLabel6->setFont(tahomaFont(10));
    m_sLabel6->adjustSize();
    m_sLabel6->move(624 - m_sLabel6->width(), 522);

    // The site picture in the lower right corner under a transparent link to the site.
    m_Image1 = new Picture(QStringLiteral("Image1"), QStringLiteral(":/art/site-logo.svg"), QSize(241, 57), m_surface);
    m_Image1->move(664, 464);
    connect(m_Image1, &Picture::clicked, this, &TForm1::Image1Click);
    m_RzURLLabel2 = new LinkLabel(m_context, QStringLiteral("RzURLLabel2"), QString(), m_surface);
    m_RzURLLabel2->setGeometry(632, 456, 282, 76);
    m_RzURLLabel2->setToolTip(QStringLiteral(
        "Нажмите сюда и Вы перейдете на сайт программы. Там можно скачать новые версии, обновить базы и почитать "
        "полезную информацию о продукте."));
    m_RzURLLabel2->setToolTipDuration(10000);
    m_RzURLLabel2->setFocusPolicy(Qt::NoFocus);  // no caption to show the focus on

    m_catalog = new TopicCatalog(m_context, m_surface);
    m_catalog->move(63, 8);
    m_loginPanel = new LoginPanel(m_context, m_surface);
    m_loginPanel->move((920 - 569) / 2, (548 - 329) / 2);
    m_credentialsPanel = new CredentialsPanel(m_context, m_surface);
    m_credentialsPanel->move((920 - 369) / 2, (548 - 361) / 2);
    m_aboutPanel = new AboutPanel(m_context, m_surface);
    m_donationPanel = new DonationPanel(m_context, m_surface);
    connect(m_donationPanel->image2(), &Picture::clicked, this, &TForm1::Image1Click);
    connect(m_loginPanel, &LoginPanel::loginAccepted, this, &TForm1::enableAfterLogin);

    // Not resizable; placed in the middle of the desktop.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm1::FormCreate()
{
    Dialogs &dialogs = m_context.dialogs;
    try {
        m_context.subjectList = readLinesFile(m_context.paths.subjectListFile());
    } catch (const std::exception &) {
        dialogs.information(QStringLiteral(
            "Файл list.rfg не обнаружен.Зайдите в Настройки->Создать стандартный список предметов"));
    }
    try {
        m_context.classList = readLinesFile(m_context.paths.classListFile());
    } catch (const std::exception &) {
        dialogs.information(
            QStringLiteral("Файл klass.rfg не обнаружен.Зайдите в Настройки->Создать список классов"));
    }

    const QString ini = m_context.paths.configFile();
    m_context.config.path1 = readIniValue(ini, kSection, QStringLiteral("Path1"));
    m_context.config.path2 = readIniValue(ini, kSection, QStringLiteral("Path2"));

    try {
        m_context.ADOConnection1.open(m_context.config.path1);
        m_context.ADOConnection2.open(m_context.config.path2);
    } catch (const DataError &) {
        dialogs.information(QStringLiteral(
            "Не удалось установить соединение с сервером!!!  \rВойдите в меню \"Настройка базы\" и укажите путь "
            "до базы данных \rДолжны быть указаны 2 базы: testy.tsb и resultaty.tsb"));
        menuItem(QStringLiteral("N12"))->setEnabled(true);
        menuItem(QStringLiteral("testymdb1"))->setEnabled(true);
    }

    m_context.loggedIn = false;
    m_context.topicCount = 0;
    m_context.guard([this] {
        const int count = countTopics(m_context.ADOtemy);
        m_context.topicCount = count;
        m_sLabel1->setText(QStringLiteral("Количество тем в базе: ") + QString::number(count));
    });
}

void TForm1::FormShow()
{
    m_context.guard([this] {
        const QStringList subjects = readLinesFile(m_context.paths.subjectListFile());
        m_catalog->subjectFilter()->clear();
        m_catalog->subjectFilter()->addItems(subjects);
        const QStringList classes = readLinesFile(m_context.paths.classListFile());
        m_catalog->classFilter()->clear();
        m_catalog->classFilter()->addItems(classes);
        m_catalog->classFilter()->setCurrentIndex(-1);
    });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    emit closing();
}

void TForm1::N2Click()
{
    // Shown modally without blocking: the rest runs when the window closes.
    connect(m_form4, &TForm4::closed, this, &TForm1::N2Closed, Qt::UniqueConnection);
    m_form4->setWindowModality(Qt::ApplicationModal);
    m_form4->show();
    m_form4->raise();
    m_form4->activateWindow();
}

void TForm1::N2Closed()
{
    m_context.guard([this] {
        m_form4->selectionScreen()->setVisible(true);
        m_form4->nameEdit()->clear();
        Query &topics = m_context.ADOtemy;
        topics.setActive(false);
        topics.close();
        topics.clearSql();
        const QStringList classes = readLinesFile(m_context.paths.classListFile());
        QComboBox *classChooser = m_form4->classChooser();
        classChooser->clear();
        classChooser->addItems(classes);
        classChooser->setCurrentIndex(-1);
    });
}

void TForm1::N5Click()
{
    m_form3->openForCreation();
}

void TForm1::N10Click()
{
    m_catalog->openDeleteMode();
}

void TForm1::N15Click()
{
    m_catalog->openEditMode(m_form3);
}

void TForm1::N7Click()
{
    m_form2->show();
    m_form2->raise();
    m_form2->activateWindow();
}

void TForm1::N14Click()
{
    writeLinesFile(m_context.paths.subjectListFile(), m_context.subjectList);
}

void TForm1::N8Click()
{
    writeLinesFile(m_context.paths.classListFile(), m_context.classList);
}

void TForm1::enableAfterLogin()
{
    for (const char *item : {"N7", "N5", "N10", "N12", "N15", "testymdb1", "N14"})
        menuItem(QString::fromLatin1(item))->setEnabled(true);
}

void TForm1::N6Click()
{
    if (!m_context.loggedIn)
        m_loginPanel->showPanel();
}

void TForm1::N4Click()
{
    if (!m_context.loggedIn)
        m_loginPanel->showPanel();
}

void TForm1::N11Click()
{
    if (!m_context.loggedIn)
        m_loginPanel->showPanel();
}

void TForm1::N12Click()
{
    chooseDatabaseFile(m_context, m_context.ADOConnection1, QStringLiteral("Path1"), m_RzOpenDialog1File);
}

void TForm1::testymdb1Click()
{
    chooseDatabaseFile(m_context, m_context.ADOConnection2, QStringLiteral("Path2"), m_RzOpenDialog1File);
}

void TForm1::N13Click()
{
    m_credentialsPanel->showPanel();
}

void TForm1::N9Click()
{
    m_aboutPanel->showPanel();
}

void TForm1::N18Click()
{
    m_donationPanel->showPanel();
}

void TForm1::N16Click()
{
    reportSiteLine(m_context, QStringLiteral("files/tests.txt"),
                   QStringLiteral("В данный момент на сайте Pelmark имеется "), QStringLiteral(" вариантов тестов."));
}

void TForm1::N17Click()
{
    reportSiteLine(m_context, QStringLiteral("files/version.txt"),
                   QStringLiteral("В данный момент на сайте Pelmark последняя версия программы - "),
                   QStringLiteral(" ."));
}

void TForm1::Image1Click()
{
    m_RzURLLabel2->click();
}

} // namespace vorkast
