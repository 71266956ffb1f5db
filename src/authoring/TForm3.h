#pragma once

#include "EditedTest.h"
#include "HeldTopic.h"

#include "data/Query.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace vorkast {

class AppContext;
class ColorBox;
class RichBox;

// The test editor: creating a new test ("Новый") and editing an existing one (from the
// topic catalogue). Small counters live in the "tag" property of a button, as the
// question counter in rzbutton2 and the add state in dobav.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(AppContext &context, QWidget *parent = nullptr);

    // "Новый": shows the editor for a new test.
    void openForCreation();
    // "Редактировать тему": shows the editor on `test`, its first question in the boxes.
    void openForEditing(const EditedTest &test);

    int questionCounter() const;
    int addState() const;
    // The TopicRow made by "Создать тест" and not yet finished; 0 when none.
    qint64 createdTopicKey() const { return m_createdTopic.key(); }
    const EditedTest &editedTest() const { return m_edited; }

    // Creation mode.
    void FormShow();
    void FormClose();
    void rzComboBox1Change();
    void RzComboBox2Change();
    void rzEdit1Change();
    void rzButton1Click();
    void sButton1Click();
    void sBitBtn1Click();

    // Editing mode.
    void sSpeedButton2Click();
    void sSpeedButton1Click();
    void izmenClick();
    void dobavClick();
    void udalClick();
    void sssClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildCreationControls();
    void buildToolbar();
    void wireHandlers();
    void centreOnScreen();

    void SelectClassTable();
    void LoadQuestionBoxes();
    void SaveQuestionBoxes();

    void setQuestionCounter(int counter);
    void setAddState(int state);
    void finishCreation(int count);
    bool boxesFilled() const;
    void clearBoxes();
    void ensureQuestions();
    void reopenQuestions();
    bool haveQuestionsOrSay();
    void reloadAfterFailure();
    void showPosition();
    void updateToolbar();

    AppContext &m_context;
    HeldTopic m_createdTopic;  // the TopicRow made by "Создать тест"
    HeldTopic m_editedTopic;   // the TopicRow of the test being edited
    EditedTest m_edited;
    Query m_questions;         // the edited test's questions

    // creation mode
    QLabel *m_sLabel6 = nullptr;
    QComboBox *m_rzComboBox1 = nullptr;
    QComboBox *m_RzComboBox2 = nullptr;
    QLineEdit *m_rzEdit1 = nullptr;
    QPushButton *m_rzButton1 = nullptr;
    QFrame *m_RzSeparator1 = nullptr;
    QList<QLabel *> m_labels;
    QList<RichBox *> m_boxes;  // sr1..sr5
    QPushButton *m_rzbutton2 = nullptr;
    QPushButton *m_rzbutton3 = nullptr;
    QFrame *m_sPanel2 = nullptr;

    // editing toolbar
    QFrame *m_sPanel1 = nullptr;
    QToolButton *m_sSpeedButton2 = nullptr;
    QLabel *m_sLabel7 = nullptr;
    QToolButton *m_sSpeedButton1 = nullptr;
    QPushButton *m_izmen = nullptr;
    QPushButton *m_dobav = nullptr;
    QPushButton *m_udal = nullptr;
    ColorBox *m_sColorBox1 = nullptr;
    QSpinBox *m_sSpinEdit1 = nullptr;
    QComboBox *m_sCombo = nullptr;
    QPushButton *m_sss = nullptr;
};

} // namespace vorkast
