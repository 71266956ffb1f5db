#pragma once

#include <QFrame>

class QProgressBar;
class QPushButton;
class QTextEdit;

namespace vorkast {

// The report view over the results list: the report text, its percentage and the
// buttons "Сохранить документ", "Предыдущий", "Следующий", "Закрыть".
class ReportPanel : public QFrame {
    Q_OBJECT
public:
    explicit ReportPanel(QWidget *parent = nullptr);

    // Shows a report as plain text (CR LF or LF line breaks) and its percentage.
    void setReport(const QString &text);
    QString report() const;
    void setPercent(int percent);

    QTextEdit *RxRichEdit1 = nullptr;
    QProgressBar *sGauge1 = nullptr;
    QPushButton *sBitBtn8 = nullptr;
    QPushButton *sBitBtn9 = nullptr;
    QPushButton *sBitBtn10 = nullptr;
    QPushButton *sBitBtn11 = nullptr;
};

} // namespace vorkast
