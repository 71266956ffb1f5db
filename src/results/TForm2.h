#pragma once

#include <QWidget>

namespace vorkast {

class AppContext;

// The results window: the stored results, their reports and documents, the export.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};

} // namespace vorkast
