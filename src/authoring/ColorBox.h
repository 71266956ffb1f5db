#pragma once

#include <QColor>
#include <QComboBox>

namespace vorkast {

// A colour chooser: the standard, extended and system colours, each shown with its name.
class ColorBox : public QComboBox {
    Q_OBJECT
public:
    explicit ColorBox(QWidget *parent = nullptr);

    QColor selectedColor() const;
    void setSelectedColor(const QColor &colour);  // adds the colour when it is not listed
};

} // namespace vorkast
