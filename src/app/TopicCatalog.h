#pragma once

#include <QFrame>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

namespace vorkast {

class AppContext;
class QueryModel;
class TForm3;

// The topic catalogue of the main window (sPanel1): lists, filters and sorts the tests,
// deletes a test with all its questions (delete mode) or opens it in the editor (edit mode).
class TopicCatalog : public QFrame {
    Q_OBJECT
public:
    TopicCatalog(AppContext &context, QWidget *parent);

    QComboBox *classFilter() const { return m_rzComboBox1; }
    QComboBox *subjectFilter() const { return m_RzComboBox2; }

    // "Удаление" and "Редактирование" of the main menu.
    void openDeleteMode();
    void openEditMode(TForm3 *editor);

    void rzComboBox1Change();
    void RzComboBox2Change();
    void sButton3Click();
    void sButton4Click();
    void sDBGrid1TitleClick(int column);
    void sButton5Click();
    void sButton6Click();
    void sButton7Click();
    void sButton8Click();

private:
    void open(bool deleteMode);
    void build();
    void showSortIndicator();
    // The current topic's class table, or a message and an empty text when there is none.
    QString currentTopicTable();
    void OpenTopicQuestions(const QString &table);

    AppContext &m_context;
    TForm3 *m_editor = nullptr;
    QueryModel *m_model = nullptr;
    QTableView *m_sDBGrid1 = nullptr;
    QGroupBox *m_sGroupBox1 = nullptr;
    QComboBox *m_rzComboBox1 = nullptr;
    QComboBox *m_RzComboBox2 = nullptr;
    QPushButton *m_sButton3 = nullptr;
    QPushButton *m_sButton4 = nullptr;
    QFrame *m_sPanel2 = nullptr;
    QPushButton *m_sButton5 = nullptr;
    QPushButton *m_sButton6 = nullptr;
    QFrame *m_sPanel3 = nullptr;
    QPushButton *m_sButton7 = nullptr;
    QPushButton *m_sButton8 = nullptr;
};

} // namespace vorkast
