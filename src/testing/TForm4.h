#pragma once

#include <QWidget>

namespace vorkast {

class AppContext;

// The testing window: choosing a test, answering its questions, the grade and report.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(AppContext &context, QWidget *parent = nullptr);

signals:
    // The window was closed; the main window resets what the next pupil sees.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    AppContext &m_context;
};

} // namespace vorkast
