#include "TForm4.h"

#include "AnswerLayout.h"

#include "context/AppContext.h"
#include "richtext/RtfReader.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <utility>
#include <vector>

namespace vorkast {

void TForm4::ClearQuestionBoxes()
{
    for (QTextEdit *box : m_boxes)
        box->clear();
}

void TForm4::ShowCurrentQuestion()
{
    ClearQuestionBoxes();
    const Query &questions = m_context.ADOklassy;
    const auto i = static_cast<size_t>(m_state.currentQuestion);
    rtf::read(questions.blob(QStringLiteral("vopros")), *m_boxes[0]->document());
    const int layout = m_state.answerLayout[i];
    const auto columns = answerColumns(layout);
    for (size_t p = 0; p < 4; ++p)
        rtf::read(questions.blob(columns[p]), *m_boxes[p + 1]->document());
    // A long text opens at its beginning, not scrolled to where loading left the cursor.
    for (QTextEdit *box : m_boxes)
        box->moveCursor(QTextCursor::Start);
    m_state.correctPosition[i] = correctPositionOf(layout);
}

void TForm4::moveTo(int question)
{
    m_context.ADOklassy.setCurrentRow(question - 1);
    m_state.currentQuestion = question;
    m_sLabel1->setText(QString::number(question));
    ShowCurrentQuestion();
    ApplyFontSize();
    RestoreChosenAnswer();
}

void TForm4::tudaClick()
{
    if (m_state.currentQuestion <= 1)
        return;
    moveTo(m_state.currentQuestion - 1);
}

void TForm4::sudaClick()
{
    if (m_state.currentQuestion >= m_state.questionCount)
        return;
    moveTo(m_state.currentQuestion + 1);
}

void TForm4::StoreChosenAnswer()
{
    const int i = m_state.currentQuestion;
    if (i < 1 || i > m_state.questionCount)
        return;
    const int checked = m_answerGroup->checkedId();
    m_state.chosenAnswer[static_cast<size_t>(i)] = checked >= 1 && checked <= 4 ? checked : 0;
}

void TForm4::RestoreChosenAnswer()
{
    const int i = m_state.currentQuestion;
    const int chosen = i >= 1 && i <= m_state.questionCount ? m_state.chosenAnswer[static_cast<size_t>(i)] : 0;
    if (chosen >= 1 && chosen <= 4) {
        m_rb[static_cast<size_t>(chosen - 1)]->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; lift that for a moment to clear all four.
    m_answerGroup->setExclusive(false);
    for (QRadioButton *rb : m_rb)
        rb->setChecked(false);
    m_answerGroup->setExclusive(true);
}

void TForm4::ApplyFontSize()
{
    const int size = m_sSpinEdit1->value();
    for (QTextEdit *box : m_boxes) {
        QTextDocument *doc = box->document();
        // Every fragment gets the size; its other attributes stay as stored.
        std::vector<std::pair<std::pair<int, int>, QTextCharFormat>> fragments;
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                if (f.isValid())
                    fragments.push_back({{f.position(), f.length()}, f.charFormat()});
            }
        }
        QTextCursor cursor(doc);
        cursor.beginEditBlock();
        for (auto &[range, format] : fragments) {
            format.clearProperty(QTextFormat::FontPixelSize);
            format.setFontPointSize(size);
            cursor.setPosition(range.first);
            cursor.setPosition(range.first + range.second, QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
        cursor.endEditBlock();
    }
}

void TForm4::toggleEnlargement(int box)
{
    const auto b = static_cast<size_t>(box);
    QTextEdit *edit = m_boxes[b];
    if (m_enlarged[b] == 0) {
        edit->raise();
        edit->resize(edit->width(), 200);
        m_enlarged[b] = 1;
    } else {
        edit->lower();
        edit->resize(edit->width(), 110);
        m_enlarged[b] = 0;
    }
}

void TForm4::chooseByKey(int position)
{
    QRadioButton *rb = m_rb[static_cast<size_t>(position - 1)];
    if (rb->isEnabled())
        rb->click();
}

void TForm4::setAnsweringEnabled(bool enabled)
{
    m_tuda->setEnabled(enabled);
    m_suda->setEnabled(enabled);
    for (QRadioButton *rb : m_rb)
        rb->setEnabled(enabled);
    for (QShortcut *s : m_sPanel1->findChildren<QShortcut *>())
        s->setEnabled(enabled);
}

} // namespace vorkast
