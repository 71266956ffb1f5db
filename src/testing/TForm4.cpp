#include "TForm4.h"

#include "AnswerLayout.h"
#include "ResultReport.h"

#include "context/AppContext.h"
#include "data/ClassTables.h"
#include "data/Query.h"
#include "data/QueryModel.h"
#include "data/SqlText.h"
#include "platform/TextFile.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>

namespace vorkast {

namespace {

// Panel colours; a palette keeps the fonts that children inherit (a style sheet would not).
void paint(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}


// The row of the chosen topic among the listed topics, preferring the current row; -1 if none.
int findTopicRow(const Query &topics, const QString &title)
{
    if (!topics.isActive() || title.isEmpty())
        return -1;
    const int column = topics.columnIndex(QStringLiteral("tema"));
    auto matches = [&](int row) {
        return topics.cell(row, column).toString() == title;
    };
    if (topics.currentRow() >= 0 && matches(topics.currentRow()))
        return topics.currentRow();
    for (int row = 0; row < topics.recordCount(); ++row) {
        if (matches(row))
            return row;
    }
    return -1;
}

} // namespace

TForm4::TForm4(AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_context(context)
    , m_clock([] { return QDateTime::currentDateTime(); })
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Тестирование"));
    QFont base = font();
    base.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    base.setPixelSize(19);
    setFont(base);
    setFixedSize(1002, 668);

    buildTestScreen();
    buildResultPanel();
    buildShortcuts();
    buildSelectionScreen();
    setAnsweringEnabled(false);
    m_rzbutton2->setEnabled(false);
    for (QWidget *panel : {static_cast<QWidget *>(m_rzPanel2), static_cast<QWidget *>(m_sPanel1)})
        paint(panel, QPalette::Window, QColor(0xe8, 0xee, 0xf6));
    paint(m_rzPanel1, QPalette::Window, QColor(0xc9, 0xd7, 0xea));
    paint(findChild<QLabel *>(QStringLiteral("RzLabel6")), QPalette::WindowText, QColor(0x1f, 0x3a, 0x63));

    connect(m_rzComboBox4, &QComboBox::activated, this, [this] { run([this] { RzComboBox4Change(); }); });
    connect(m_rzComboBox1, &QComboBox::activated, this, [this] { run([this] { RzComboBox1Change(); }); });
    connect(m_sDBGrid1, &QTableView::clicked, this, [this] { sDBGrid1CellClick(); });
    // Enter on a topic chooses it as a click does; moving with the arrows alone does not.
    connect(m_sDBGrid1, &QTableView::activated, this, [this] { sDBGrid1CellClick(); });
    connect(m_rzbutton3, &QPushButton::clicked, this, [this] { run([this] { RzButton3Click(); }); });
    connect(m_sSpeedButton1, &QToolButton::clicked, this, [this] { run([this] { sSpeedButton1Click(); }); });
    connect(m_tuda, &QPushButton::clicked, this, [this] { run([this] { tudaClick(); }); });
    connect(m_suda, &QPushButton::clicked, this, [this] { run([this] { sudaClick(); }); });
    connect(m_sSpinEdit1, &QSpinBox::valueChanged, this, [this] { run([this] { ApplyFontSize(); }); });
    connect(m_rzbutton2, &QPushButton::clicked, this, [this] { run([this] { sButton1Click(); }); });
    connect(m_sButton7, &QPushButton::clicked, this, [this] { run([this] { sButton7Click(); }); });
}

TForm4::~TForm4() = default;

void TForm4::run(const std::function<void()> &handler)
{
    m_context.guard(handler);
}

void TForm4::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    run([this] { FormShow(); });
}

void TForm4::closeEvent(QCloseEvent *event)
{
    // Only the window's own buttons close it; the window manager's close is refused.
    if (!m_closeAllowed) {
        event->ignore();
        return;
    }
    run([this] { FormClose(); });
    QWidget::closeEvent(event);
    emit closed();
}

bool TForm4::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 5; ++i) {
            if (watched == m_boxes[static_cast<size_t>(i)]->viewport()) {
                run([this, i] { toggleEnlargement(i); });
                return true;
            }
        }
    }
    // A click on the empty topic list: the grid offers no cell to click.
    if (event->type() == QEvent::MouseButtonRelease && watched == m_sDBGrid1->viewport()) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_topicModel->rowCount() == 0)
            sDBGrid1CellClick();
    }
    return QWidget::eventFilter(watched, event);
}

void TForm4::FormShow()
{
    const QStringList subjects = readLinesFile(m_context.paths.subjectListFile());
    m_rzComboBox1->clear();
    m_rzComboBox1->addItems(subjects);
    const QStringList classes = readLinesFile(m_context.paths.classListFile());
    m_rzComboBox4->clear();
    m_rzComboBox4->addItems(classes);
    resetChoosers();
    RefreshTopicList();
    m_rzEdit1->setFocus();
}

void TForm4::resetChoosers()
{
    m_rzComboBox4->setCurrentIndex(-1);  // shows the prompt "Выбрать класс"
    m_rzComboBox1->setCurrentIndex(-1);  // no subject preselected: the pupil chooses it
    m_rzComboBox3->setCurrentIndex(0);   // "Тестирование"
}

void TForm4::FormClose()
{
    ClearQuestionBoxes();
    m_context.ADOtemy.setActive(false);
}

void TForm4::RefreshTopicList()
{
    Query &topics = m_context.ADOtemy;
    topics.close();
    topics.clearSql();
    const QString table = classTableForText(m_rzComboBox4->currentText());
    if (!table.isEmpty()) {
        m_state.classNumber = m_rzComboBox4->currentText();
        m_state.classTable = table;
    }
    m_state.chosenSubject = m_rzComboBox1->currentText();
    topics.addSql(QStringLiteral("select * from temy where klass = :klass and predmet = :predmet") + noCase());
    topics.bindValue(QStringLiteral(":klass"), m_state.classNumber);
    topics.bindValue(QStringLiteral(":predmet"), m_state.chosenSubject);
    topics.open();
    m_sDBGrid1->setEnabled(true);

    // Show the topic chosen earlier as the current row when it is listed, otherwise no selection.
    const int row = findTopicRow(topics, m_state.chosenTopic);
    if (row >= 0)
        topics.setCurrentRow(row);
    else
        m_sDBGrid1->selectionModel()->clearSelection();
}

void TForm4::RzComboBox4Change()
{
    RefreshTopicList();
}

void TForm4::RzComboBox1Change()
{
    RefreshTopicList();
}

void TForm4::sDBGrid1CellClick()
{
    // Handles its own failures: an empty list or an unreadable row chooses nothing.
    QVariant title;
    try {
        const Query &topics = m_context.ADOtemy;
        if (topics.isActive() && topics.currentRow() >= 0)
            title = topics.value(QStringLiteral("tema"));
    } catch (const std::exception &) {
        title = QVariant();
    }
    if (title.isNull()) {
        m_context.dialogs.information(QStringLiteral("Вы не выбрали тест"));
        return;
    }
    m_state.chosenTopic = title.toString();
}

void TForm4::RzButton3Click()
{
    Dialogs &dialogs = m_context.dialogs;
    m_state.currentQuestion = 1;
    m_sLabel1->setText(QStringLiteral("1"));
    m_state.report.clear();

    if (m_rzEdit1->text().isEmpty()) {
        dialogs.information(QStringLiteral("Вы не ввели свою Фамилию и Имя!"));
        return;
    }
    if (m_rzComboBox4->currentIndex() < 0) {
        dialogs.information(QStringLiteral("Вы не выбрали свой класс!"));
        return;
    }
    const int topicRow = findTopicRow(m_context.ADOtemy, m_state.chosenTopic);
    if (m_state.chosenTopic.isEmpty() || m_state.classTable.isEmpty() || topicRow < 0) {
        dialogs.information(QStringLiteral("Вы не выбрали тему!"));
        return;
    }

    // A topic whose creation was never finished has no question count.
    Query &topics = m_context.ADOtemy;
    bool counted = false;
    const int stored = topics.cell(topicRow, topics.columnIndex(QStringLiteral("vopr"))).toString().trimmed().toInt(&counted);
    if (!counted || stored <= 0) {
        dialogs.information(QStringLiteral("Тест «%1» не готов: в нём не указано количество вопросов. "
                                           "Выберите другую тему.")
                                .arg(m_state.chosenTopic));
        return;
    }

    Query &questions = m_context.ADOklassy;
    questions.replaceStatement(
        // The title exactly: "Дроби" and "дроби" may be two tests of one class and subject.
        {QStringLiteral("select * from ") + m_state.classTable + QStringLiteral(" where tema = :tema")
         + QStringLiteral(" and predmet = :predmet") + noCase()},
        {{QStringLiteral(":tema"), m_state.chosenTopic}, {QStringLiteral(":predmet"), m_state.chosenSubject}});
    if (questions.recordCount() == 0) {
        questions.close();
        dialogs.information(
            QStringLiteral("В тесте «%1» нет вопросов. Выберите другую тему.").arg(m_state.chosenTopic));
        return;
    }

    // The test has as many questions as the topic has rows; each gets its arrangement now.
    m_state.resetTables(questions.recordCount());
    for (int i = 1; i <= m_state.questionCount; ++i)
        m_state.answerLayout[static_cast<size_t>(i)] = static_cast<int>(m_context.random.draw(kAnswerLayouts));

    m_state.report = reportHeader(m_rzComboBox3->currentText(), m_rzComboBox1->currentText(),
                                  m_rzComboBox4->currentText(), m_rzEdit1->text());
    m_rzPanel2->hide();
    m_state.correctCount = 0;
    m_state.grade = 0;
    m_rzbutton2->setEnabled(true);
    setAnsweringEnabled(true);
    questions.first();
    ShowCurrentQuestion();
    RestoreChosenAnswer();
    m_suda->setFocus();
}

void TForm4::sSpeedButton1Click()
{
    closeThroughOwnButton();
}

void TForm4::closeThroughOwnButton()
{
    m_closeAllowed = true;
    close();
    m_closeAllowed = false;
}

} // namespace vorkast
