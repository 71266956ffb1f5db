#include "TForm4.h"

#include "Grading.h"
#include "ResultReport.h"
#include "ResultRow.h"

#include "context/AppContext.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace vorkast {

void TForm4::sButton1Click()
{
    if (!m_rzbutton2->isEnabled())
        return;  // one finish per test
    TestState &s = m_state;
    Dialogs &dialogs = m_context.dialogs;

    const ScoredAnswers scored = scoreAnswers(s.chosenAnswer, s.correctPosition);
    s.correctCount += scored.correctCount;
    s.report << scored.lines;
    std::fill(s.chosenAnswer.begin(), s.chosenAnswer.end(), 0);
    std::fill(s.correctPosition.begin(), s.correctPosition.end(), 0);
    s.scorePercent = scorePercent(s.correctCount, s.questionCount);
    m_sGauge1->setValue(roundHalfEven(s.scorePercent));
    s.grade = gradeFor(s.scorePercent);
    s.report << reportSummary(s.questionCount, s.correctCount, s.grade);

    m_rzbutton2->setEnabled(false);
    setAnsweringEnabled(false);
    ClearQuestionBoxes();
    m_context.ADOklassy.setActive(false);

    // A failure to store or read back never traps the pupil: the panel shows the report held here.
    QStringList shown = s.report;
    qint64 key = 0;
    try {
        key = SaveResultRow();
    } catch (const std::exception &e) {
        dialogs.error(QStringLiteral("Результат теста не удалось сохранить.\r") + QString::fromUtf8(e.what()));
    }
    if (key != 0) {
        dialogs.information(QStringLiteral("Ваша оценка за тест ") + QString::number(s.grade) + QStringLiteral("\r")
                            + QString::number(s.correctCount) + QStringLiteral(" правильных ответов из ")
                            + QString::number(s.questionCount));
        try {
            Query &results = m_context.adores;
            results.replaceStatement({QStringLiteral("select * from result"), QStringLiteral("where \"index\" = :key")},
                                     {{QStringLiteral(":key"), key}});
            if (results.currentRow() >= 0)
                shown = reportLines(results.blob(QStringLiteral("results")));
        } catch (const std::exception &e) {
            dialogs.error(QStringLiteral("Не удалось прочитать сохранённый результат теста.\r")
                          + QString::fromUtf8(e.what()));
        }
    }
    showResultPanel(shown);

    resetChoosers();
    QFont question = m_boxes[0]->font();
    question.setPointSize(18);
    m_boxes[0]->setFont(question);
    m_answerGroup->setExclusive(false);
    for (QRadioButton *rb : m_rb)
        rb->setChecked(false);
    m_answerGroup->setExclusive(true);
}

qint64 TForm4::SaveResultRow()
{
    const TestState &s = m_state;
    const QDateTime now = m_clock();
    m_state.finishTime = resultTimeText(now);
    ResultRow row;
    row.FI = m_rzEdit1->text();
    row.Klass = m_rzComboBox4->currentText();
    row.Test = s.chosenTopic;
    row.Ocenka = QString::number(s.grade);
    row.Data = resultDateText(now);
    row.vremya = s.finishTime;
    row.predmet = s.chosenSubject;
    row.proc = roundHalfEven(s.scorePercent);
    row.prav = correctOfText(s.correctCount, s.questionCount);
    row.results = reportBytes(s.report);
    return appendResultRow(m_context.adores, row);
}

void TForm4::showResultPanel(const QStringList &report)
{
    m_RxRichEdit6->setPlainText(report.join(QLatin1Char('\n')));
    m_rzPanel1->show();
    m_rzPanel1->raise();
    m_sButton7->setFocus();
}

void TForm4::sButton7Click()
{
    closeThroughOwnButton();
    m_rzPanel1->hide();
    m_state.report.clear();
}

} // namespace vorkast
