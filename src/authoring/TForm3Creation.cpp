// Creation mode: class, subject and name, "Создать тест", storing questions, finishing.
#include "TForm3.h"

#include "RichBox.h"

#include "context/AppContext.h"
#include "data/ClassTables.h"
#include "data/SqlText.h"
#include "richtext/RtfWriter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace vorkast {

namespace {

const int kCounterLimit = 150;  // one creation stores at most 149 questions

const char *const kColumns[] = {"vopros", "otvet1", "otvet2", "otvet3", "otvet4"};

QString noTableMessage(const QString &classText)
{
    return QStringLiteral("Для класса «%1» нет таблицы вопросов. Выберите класс от 1 до 11.").arg(classText);
}

QString finishedMessage(const QString &klass, const QString &title)
{
    return QStringLiteral("Добавление теста для ") + klass + QStringLiteral(" класса с названием ") + title
        + QStringLiteral(" закончен.");
}

} // namespace

void TForm3::rzComboBox1Change()
{
    SelectClassTable();
    m_rzEdit1->setEnabled(true);
}

void TForm3::SelectClassTable()
{
    const QString classText = m_rzComboBox1->currentText();
    const QString table = classTableForText(classText);
    if (table.isEmpty()) {
        m_context.dialogs.information(noTableMessage(classText));
        return;
    }
    m_context.editor.editorTable = table;
    m_context.editor.editorClass = classText;
    m_context.ADOklassy.replaceStatement({QStringLiteral("select * from ") + table});
}

void TForm3::RzComboBox2Change()
{
    m_rzButton1->setEnabled(true);
    m_context.editor.editorSubject = m_RzComboBox2->currentText();
}

// The topics of the chosen class and subject, which the catalogue grid shows when open.
void TForm3::rzEdit1Change()
{
    m_context.ADOtemy.replaceStatement(
        {QStringLiteral("SELECT * FROM temy"),
         QStringLiteral("WHERE   (klass LIKE :klass") + likeEscape() + QStringLiteral(") and (predmet LIKE :predmet")
             + likeEscape() + QStringLiteral(")")},
        {{QStringLiteral("klass"), likeLiteral(m_rzComboBox1->currentText())},
         {QStringLiteral("predmet"), likeLiteral(m_RzComboBox2->currentText())}});
}

void TForm3::rzButton1Click()
{
    Dialogs &dialogs = m_context.dialogs;
    const QString classText = m_rzComboBox1->currentText();
    const QString subject = m_RzComboBox2->currentText();
    const QString title = m_rzEdit1->text();
    if (m_rzComboBox1->currentIndex() < 0 || m_RzComboBox2->currentIndex() < 0) {
        dialogs.information(QStringLiteral("Выберите класс и предмет теста."));
        return;
    }
    if (classTableForText(classText).isEmpty()) {
        dialogs.information(noTableMessage(classText));
        return;
    }

    Query &temy = m_context.ADOtemy;
    temy.replaceStatement({QStringLiteral("SELECT * FROM temy"),
                           QStringLiteral("WHERE  (tema LIKE :tema") + likeEscape() + QStringLiteral(") and (klass LIKE :klass")
                               + likeEscape() + QStringLiteral(") and (predmet LIKE :predmet") + likeEscape()
                               + QStringLiteral(")")},
                          {{QStringLiteral("tema"), likeLiteral(title)},
                           {QStringLiteral("klass"), likeLiteral(classText)},
                           {QStringLiteral("predmet"), likeLiteral(subject)}});
    // The lookup ignores letter case; a name is taken only when one row has exactly this name.
    bool taken = title.isEmpty();
    for (temy.first(); !taken && !temy.eof(); temy.next())
        taken = temy.text(QStringLiteral("tema")) == title;
    if (taken) {
        dialogs.information(
            QStringLiteral("Тест с таким названием существует, пожалуйста, введите другое название."));
        return;
    }

    temy.insert();
    try {
        temy.setValue(QStringLiteral("tema"), title);
        temy.setValue(QStringLiteral("klass"), classText);
        temy.setValue(QStringLiteral("predmet"), subject);
        temy.post();
    } catch (...) {
        temy.cancel();
        throw;
    }
    m_createdTopic.hold(temy.key());

    m_rzButton1->setEnabled(false);
    m_rzbutton2->setEnabled(questionCounter() < kCounterLimit);
    m_rzEdit1->setEnabled(false);
    m_rzComboBox1->setEnabled(false);
    m_RzComboBox2->setEnabled(false);
    m_rzbutton3->setEnabled(true);
}

void TForm3::sButton1Click()
{
    Dialogs &dialogs = m_context.dialogs;
    const QString classText = m_rzComboBox1->currentText();
    const QString title = m_rzEdit1->text();
    if (m_rzComboBox1->currentIndex() < 0 || title.isEmpty()) {
        dialogs.information(QStringLiteral("Выберите класс и введите название темы!!!"));
    } else if (classTableForText(classText).isEmpty()) {
        dialogs.information(noTableMessage(classText));
    } else if (m_RzComboBox2->currentIndex() < 0) {
        dialogs.information(QStringLiteral("Выберите предмет!!!"));  // a question without a subject belongs to no test
    } else if (!boxesFilled()) {
        dialogs.information(QStringLiteral("Заполните все поля: Вопрос, ответы"));
    } else if (questionCounter() < kCounterLimit) {
        // Into the chosen class's table, even when something else re-pointed ADOklassy meanwhile.
        const QString table = classTableForText(classText);
        Query &klassy = m_context.ADOklassy;
        if (!klassy.isActive() || klassy.tableName() != table)
            klassy.replaceStatement({QStringLiteral("select * from ") + table});
        klassy.insert();
        try {
            for (int i = 0; i < m_boxes.size(); ++i)
                klassy.setValue(QString::fromLatin1(kColumns[i]), rtf::write(*m_boxes[i]->document()));
            klassy.setValue(QStringLiteral("tema"), title);
            klassy.setValue(QStringLiteral("predmet"), m_RzComboBox2->currentText());
            klassy.post();
        } catch (...) {
            klassy.cancel();
            throw;
        }
        setQuestionCounter(questionCounter() + 1);
        m_rzbutton2->setText(QStringLiteral("Введите вопрос № ") + QString::number(questionCounter()));
        m_rzComboBox1->setEnabled(false);
        m_RzComboBox2->setEnabled(false);  // the stored questions carry this subject
        m_rzEdit1->setEnabled(false);
        clearBoxes();
    }

    if (questionCounter() == kCounterLimit) {
        if (!m_createdTopic.isHeld()) {
            // No TopicRow yet: the count is written when the test is created and finished.
            m_rzbutton2->setEnabled(false);
            dialogs.information(QStringLiteral("Записано 149 вопросов, больше в одном тесте нельзя. Нажмите "
                                               "«Создать тест», затем «Завершить создание теста»."));
            return;
        }
        finishCreation(questionCounter() - 1);
    }
}

void TForm3::sBitBtn1Click()
{
    Dialogs &dialogs = m_context.dialogs;
    if (!dialogs.confirmError(QStringLiteral("Вы хотите завершить создание теста?"))) {
        dialogs.information(QStringLiteral("Слишком мало вопросов. Добавьте еще."));
        return;
    }
    if (!m_createdTopic.isHeld())
        return;
    finishCreation(questionCounter() - 1);
    close();
}

// Writes the count into the created TopicRow and ends the creation.
void TForm3::finishCreation(int count)
{
    if (m_createdTopic.setCount(count))
        m_context.ADOtemy.setActive(false);
    m_createdTopic.release();
    m_rzbutton2->setEnabled(false);
    m_rzbutton3->setEnabled(false);
    m_context.dialogs.information(finishedMessage(m_rzComboBox1->currentText(), m_rzEdit1->text()));
    setQuestionCounter(1);
    m_rzbutton2->setText(QStringLiteral("1"));
}

} // namespace vorkast
