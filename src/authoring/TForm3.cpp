#include "TForm3.h"

#include "ColorBox.h"
#include "RichBox.h"

#include "context/AppContext.h"
#include "platform/TextFile.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QToolButton>

namespace vorkast {

namespace {
const char *const kTag = "tag";
}

TForm3::TForm3(AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_createdTopic(context)
    , m_editedTopic(context)
    , m_questions(context.ADOConnection2, QStringLiteral("editorQuestions"), QStringLiteral("select * from pyat"),
                  context.ADOklassy.fields())
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Создание теста"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(790, 615);

    buildCreationControls();
    buildToolbar();
    wireHandlers();
    setQuestionCounter(0);
    setAddState(0);
}

void TForm3::wireHandlers()
{
    auto on = [this](auto *sender, auto signal, void (TForm3::*handler)()) {
        connect(sender, signal, this, [this, handler] { m_context.guard([&] { (this->*handler)(); }); });
    };
    on(m_rzComboBox1, &QComboBox::activated, &TForm3::rzComboBox1Change);
    on(m_RzComboBox2, &QComboBox::activated, &TForm3::RzComboBox2Change);
    on(m_rzEdit1, &QLineEdit::textChanged, &TForm3::rzEdit1Change);
    on(m_rzButton1, &QPushButton::clicked, &TForm3::rzButton1Click);
    on(m_rzbutton2, &QPushButton::clicked, &TForm3::sButton1Click);
    on(m_rzbutton3, &QPushButton::clicked, &TForm3::sBitBtn1Click);
    on(m_sSpeedButton2, &QToolButton::clicked, &TForm3::sSpeedButton2Click);
    on(m_sSpeedButton1, &QToolButton::clicked, &TForm3::sSpeedButton1Click);
    on(m_izmen, &QPushButton::clicked, &TForm3::izmenClick);
    on(m_dobav, &QPushButton::clicked, &TForm3::dobavClick);
    on(m_udal, &QPushButton::clicked, &TForm3::udalClick);
    on(m_sss, &QPushButton::clicked, &TForm3::sssClick);
}

int TForm3::questionCounter() const
{
    return m_rzbutton2->property(kTag).toInt();
}

void TForm3::setQuestionCounter(int counter)
{
    m_rzbutton2->setProperty(kTag, counter);
}

int TForm3::addState() const
{
    return m_dobav->property(kTag).toInt();
}

void TForm3::setAddState(int state)
{
    m_dobav->setProperty(kTag, state);
    updateToolbar();
}

void TForm3::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm3::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        centreOnScreen();
        m_context.guard([this] { FormShow(); });
    }
}

void TForm3::closeEvent(QCloseEvent *event)
{
    m_context.guard([this] { FormClose(); });
    event->accept();
}

void TForm3::FormShow()
{
    const QStringList classes = readLinesFile(m_context.paths.classListFile());
    m_rzComboBox1->clear();
    m_rzComboBox1->addItems(classes);
    m_rzComboBox1->setCurrentIndex(-1);
    const QStringList subjects = readLinesFile(m_context.paths.subjectListFile());
    m_RzComboBox2->clear();
    m_RzComboBox2->addItems(subjects);
    m_RzComboBox2->setCurrentIndex(-1);  // no subject preselected

    // A new showing starts a new creation: a test left unfinished is not finished from here.
    m_createdTopic.release();
    setQuestionCounter(1);
    m_rzbutton2->setEnabled(true);
    m_rzbutton3->setEnabled(false);
    m_rzbutton2->setText(QStringLiteral("Введите вопрос № 1"));
    m_rzEdit1->setEnabled(true);
    m_context.editor.editorPosition = 1;
    m_sLabel7->setText(QStringLiteral("1"));
}

void TForm3::FormClose()
{
    m_rzComboBox1->setCurrentIndex(-1);  // the choosers show their prompts
    m_RzComboBox2->setCurrentIndex(-1);
    m_rzComboBox1->setEnabled(true);
    m_RzComboBox2->setEnabled(true);
    m_rzEdit1->setEnabled(false);
    m_rzEdit1->clear();
    clearBoxes();
    m_sPanel1->hide();
    m_sPanel2->hide();
}

void TForm3::openForCreation()
{
    show();
    raise();
    activateWindow();
    setWindowTitle(QStringLiteral("Создание теста"));
    m_sPanel2->hide();
}

void TForm3::openForEditing(const EditedTest &test)
{
    show();
    raise();
    activateWindow();
    setWindowTitle(QStringLiteral("Редактирование тестов"));
    m_sPanel1->show();
    m_sPanel1->raise();
    m_sPanel2->show();
    m_sPanel2->raise();

    m_edited = test;
    m_editedTopic.hold(test.topicKey);
    // Added and saved questions belong to the test through its own title and subject.
    m_context.editor.editorTopic = test.title;
    m_context.editor.editorSubject = test.subject;
    reopenQuestions();
    LoadQuestionBoxes();
    showPosition();
    // The boxes now hold a stored question, so a new question is no longer being entered.
    if (addState() != 0) {
        m_dobav->setText(QStringLiteral("Добавить вопрос"));
        setAddState(0);
    }
    updateToolbar();
}

bool TForm3::boxesFilled() const
{
    for (const RichBox *box : m_boxes) {
        if (box->document()->isEmpty())
            return false;
    }
    return true;
}

void TForm3::clearBoxes()
{
    for (RichBox *box : std::as_const(m_boxes))
        box->clear();
}

} // namespace vorkast
