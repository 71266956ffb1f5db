#pragma once

#include <QDate>
#include <QWidget>

#include <array>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace vorkast {

class AppContext;
class QueryModel;
class ReportPanel;

// The results window: the stored results in a grid over the shared query `adores`,
// its filters, sorting and deletion, the report view, report documents and the export.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(AppContext &context, QWidget *parent = nullptr);

    // Showing: the class list from klass.rfg and every result ordered by FI.
    void FormShow();
    // Filters and the list.
    void sMonthCalendar1Change();
    void rzComboBox1Change();
    void rzEdit1Click();
    void rzEdit1Change();
    void sBitBtn5Click();
    void sBitBtn7Click();
    void sBitBtn2Click();
    void sBitBtn3Click();
    void DBGridEh1TitleClick(const QString &field);
    // The report view and documents.
    void sBitBtn4Click();
    void sBitBtn9Click();
    void sBitBtn10Click();
    void sBitBtn11Click();
    void sBitBtn8Click();
    void sBitBtn6Click();
    // The spreadsheet export.
    void sBitBtn1Click();

    // The date text of the calendar's selected date, "dd.mm.yyyy".
    QString calendarDate() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    QWidget *buildRightColumn();
    void connectHandlers();
    void fitGridColumns();
    void placeReportPanel();
    void showSortIndicator();
    void loadCurrentReport();
    void deleteWithConfirmation();
    void seedRandom();

    AppContext &m_context;
    QueryModel *m_model = nullptr;
    QWidget *m_gridArea = nullptr;
    bool m_dateJustFiltered = false;

    QTableView *DBGridEh1 = nullptr;
    QComboBox *rzComboBox1 = nullptr;
    QCalendarWidget *sMonthCalendar1 = nullptr;
    QPushButton *sBitBtn7 = nullptr;
    QLineEdit *rzEdit1 = nullptr;
    QPushButton *sBitBtn5 = nullptr;
    QPushButton *sBitBtn4 = nullptr;
    QPushButton *sBitBtn6 = nullptr;
    std::array<QCheckBox *, 8> m_columnChoice{};
    QPushButton *sBitBtn1 = nullptr;
    QPushButton *sBitBtn2 = nullptr;
    QPushButton *sBitBtn3 = nullptr;
    ReportPanel *rzPanel1 = nullptr;
};

} // namespace vorkast
