#pragma once

#include <QWidget>

namespace vorkast {

class AppContext;

// The test editor: creating a new test and editing an existing one.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};

} // namespace vorkast
