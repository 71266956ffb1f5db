#pragma once

#include "TestState.h"

#include <QDateTime>
#include <QFrame>
#include <QWidget>

#include <array>
#include <functional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class QTextEdit;
class QToolButton;

namespace vorkast {

class AppContext;
class QueryModel;

// The testing window: choosing a test (rzPanel2), answering its questions (sPanel1) and
// the grade and report (rzPanel1). It has no close command of its own: it is left only
// through its exit button before a test or the result panel's "Закрыть" after one.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(AppContext &context, QWidget *parent = nullptr);
    ~TForm4() override;

    // What the main window resets after the window closed.
    QWidget *selectionScreen() const { return m_rzPanel2; }
    QLineEdit *nameEdit() const { return m_rzEdit1; }
    QComboBox *classChooser() const { return m_rzComboBox4; }

    const TestState &state() const { return m_state; }

    // The clock giving the moment a test is finished (replaceable in tests).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

signals:
    // The window was closed; the main window resets what the next pupil sees.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building the three screens.
    void buildSelectionScreen();
    void buildTestScreen();
    void buildResultPanel();
    void buildShortcuts();
    QTextEdit *addRichBox(const char *name, int x, int y, int w, int h);
    // Runs a user-triggered handler inside the error guard.
    void run(const std::function<void()> &handler);

    // Window and selection screen.
    void FormShow();
    void FormClose();
    void RefreshTopicList();
    void RzComboBox4Change();
    void RzComboBox1Change();
    void sDBGrid1CellClick();
    void RzButton3Click();
    void sSpeedButton1Click();
    void closeThroughOwnButton();
    void resetChoosers();

    // Questions.
    void ShowCurrentQuestion();
    void ClearQuestionBoxes();
    void tudaClick();
    void sudaClick();
    void moveTo(int question);
    void StoreChosenAnswer();
    void RestoreChosenAnswer();
    void ApplyFontSize();
    void toggleEnlargement(int box);
    void chooseByKey(int position);
    void setAnsweringEnabled(bool enabled);

    // Finishing.
    void sButton1Click();
    qint64 SaveResultRow();
    void showResultPanel(const QStringList &report);
    void sButton7Click();

    AppContext &m_context;
    TestState m_state;
    std::function<QDateTime()> m_clock;
    bool m_closeAllowed = false;

    // Selection screen.
    QFrame *m_rzPanel2 = nullptr;
    QLineEdit *m_rzEdit1 = nullptr;
    QComboBox *m_rzComboBox4 = nullptr;
    QComboBox *m_rzComboBox1 = nullptr;
    QComboBox *m_rzComboBox3 = nullptr;
    QTableView *m_sDBGrid1 = nullptr;
    QueryModel *m_topicModel = nullptr;
    QPushButton *m_rzbutton3 = nullptr;
    QToolButton *m_sSpeedButton1 = nullptr;

    // Test screen.
    QFrame *m_sPanel1 = nullptr;
    std::array<QTextEdit *, 5> m_boxes{};      // RxRichEdit1 (question) .. RxRichEdit5
    std::array<int, 5> m_enlarged{};           // enlargement flag of each box
    std::array<QRadioButton *, 4> m_rb{};      // rb1 .. rb4
    QButtonGroup *m_answerGroup = nullptr;
    QPushButton *m_tuda = nullptr;
    QPushButton *m_suda = nullptr;
    QLabel *m_sLabel1 = nullptr;
    QSpinBox *m_sSpinEdit1 = nullptr;
    QPushButton *m_rzbutton2 = nullptr;

    // Result panel.
    QFrame *m_rzPanel1 = nullptr;
    QTextEdit *m_RxRichEdit6 = nullptr;
    QProgressBar *m_sGauge1 = nullptr;
    QPushButton *m_sButton7 = nullptr;
};

} // namespace vorkast
