#pragma once

#include <QPushButton>

namespace vorkast {

// A push button whose caption wraps onto several lines when the button is too narrow.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrapButton(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vorkast
