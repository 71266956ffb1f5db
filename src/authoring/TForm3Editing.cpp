// Editing mode: paging through a test's questions, saving, adding, deleting, restyling.
#include "TForm3.h"

#include "ColorBox.h"
#include "Restyle.h"
#include "RichBox.h"

#include "context/AppContext.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace vorkast {

namespace {

const char *const kColumns[] = {"vopros", "otvet1", "otvet2", "otvet3", "otvet4"};
const QString kNoQuestions = QStringLiteral("В тесте нет вопросов.");

} // namespace

// Opens the edited test's questions anew at the first one.
void TForm3::reopenQuestions()
{
    if (m_edited.topicKey == 0 || m_edited.table.isEmpty())
        throw UserError(QStringLiteral("Тест для редактирования не выбран."));
    m_questions.replaceStatement(topicQuestionsStatement(m_edited.table),
                                 topicQuestionsValues(m_edited.subject, m_edited.title));
}

// The questions stay open for the editor alone; a reopened database opens them again.
void TForm3::ensureQuestions()
{
    if (!m_questions.isActive())
        reopenQuestions();
}

void TForm3::showPosition()
{
    const int position = m_questions.isActive() && !m_questions.isEmpty() ? m_questions.currentRow() + 1 : 0;
    m_context.editor.editorPosition = position;
    m_sLabel7->setText(QString::number(position));
}

// While a new question is being entered, only its store command is available.
void TForm3::updateToolbar()
{
    const bool idle = addState() == 0;
    for (QWidget *w : std::initializer_list<QWidget *>{m_sSpeedButton2, m_sSpeedButton1, m_izmen, m_udal, m_sss})
        w->setEnabled(idle);
}

void TForm3::LoadQuestionBoxes()
{
    ensureQuestions();
    for (int i = 0; i < m_boxes.size(); ++i)
        rtf::read(m_questions.blob(QString::fromLatin1(kColumns[i])), *m_boxes[i]->document());
}

void TForm3::SaveQuestionBoxes()
{
    m_questions.edit();
    try {
        for (int i = 0; i < m_boxes.size(); ++i)
            m_questions.setValue(QString::fromLatin1(kColumns[i]), rtf::write(*m_boxes[i]->document()));
        m_questions.setValue(QStringLiteral("tema"), m_edited.title);
        m_questions.setValue(QStringLiteral("predmet"), m_edited.subject);
        m_questions.post();
    } catch (...) {
        m_questions.cancel();
        throw;
    }
}

void TForm3::sSpeedButton1Click()
{
    ensureQuestions();
    m_questions.next();
    showPosition();
    LoadQuestionBoxes();
}

void TForm3::sSpeedButton2Click()
{
    ensureQuestions();
    m_questions.prior();
    showPosition();
    LoadQuestionBoxes();
}

void TForm3::izmenClick()
{
    ensureQuestions();
    if (m_questions.isEmpty()) {
        m_context.dialogs.information(kNoQuestions);
        return;
    }
    SaveQuestionBoxes();
}

void TForm3::dobavClick()
{
    if (addState() == 0) {
        clearBoxes();
        m_dobav->setText(QStringLiteral("Сохранить добавленный вопрос"));
        setAddState(1);
        return;
    }
    if (!boxesFilled())
        return;

    ensureQuestions();
    const int count = m_editedTopic.count();  // fails before anything is stored
    try {
        Transaction transaction(m_context.ADOConnection2);
        m_questions.insert();
        for (int i = 0; i < m_boxes.size(); ++i)
            m_questions.setValue(QString::fromLatin1(kColumns[i]), rtf::write(*m_boxes[i]->document()));
        m_questions.setValue(QStringLiteral("tema"), m_edited.title);
        m_questions.setValue(QStringLiteral("predmet"), m_edited.subject);
        m_questions.post();
        m_editedTopic.setCount(count + 1);
        transaction.commit();
    } catch (...) {
        m_questions.cancel();
        reopenQuestions();  // the rolled-back row must not stay in the list
        throw;
    }
    m_dobav->setText(QStringLiteral("Добавить вопрос"));
    setAddState(0);
    m_questions.first();
    showPosition();
    LoadQuestionBoxes();
}

void TForm3::udalClick()
{
    ensureQuestions();
    if (m_questions.isEmpty()) {
        m_context.dialogs.information(kNoQuestions);
        return;
    }
    const int count = m_editedTopic.count();  // fails before anything is deleted
    try {
        Transaction transaction(m_context.ADOConnection2);
        m_questions.remove();
        m_editedTopic.setCount(count - 1);
        transaction.commit();
    } catch (...) {
        reopenQuestions();
        showPosition();
        LoadQuestionBoxes();
        throw;
    }
    showPosition();
    LoadQuestionBoxes();
}

// From the current question on, every question takes the chosen size, colour and face
// without bold; the whole pass is stored in one transaction.
void TForm3::sssClick()
{
    ensureQuestions();
    const int rounds = m_editedTopic.count();
    const TextStyle style{m_sSpinEdit1->value(), m_sColorBox1->selectedColor(), m_sCombo->currentText()};
    if (rounds > 0 && !m_questions.isEmpty()) {
        const int total = std::min(rounds, m_questions.recordCount() - m_questions.currentRow());
        auto progress = m_context.dialogs.progress(QStringLiteral("Изменение стиля теста..."), total);
        bool cancelled = false;
        try {
            Transaction transaction(m_context.ADOConnection2);
            for (int round = 0; round < total && !cancelled; ++round) {
                if (round > 0) {
                    m_questions.next();
                    LoadQuestionBoxes();
                }
                for (RichBox *box : std::as_const(m_boxes))
                    restyleDocument(*box->document(), style);
                SaveQuestionBoxes();
                progress->setValue(round + 1);
                cancelled = progress->wasCanceled();
            }
            if (!cancelled)
                transaction.commit();
        } catch (...) {
            reopenQuestions();
            showPosition();
            LoadQuestionBoxes();
            throw;
        }
        if (cancelled)
            reopenQuestions();  // rolled back: the stored texts are unchanged
    }
    m_questions.first();
    showPosition();
    LoadQuestionBoxes();
}

} // namespace vorkast
