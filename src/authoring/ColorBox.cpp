#include "ColorBox.h"

#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace vorkast {

namespace {

QIcon swatch(const QColor &colour)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}

} // namespace

ColorBox::ColorBox(QWidget *parent)
    : QComboBox(parent)
{
    const QList<std::pair<const char *, QColor>> colours = {
        // standard
        {"Чёрный", QColor(0x00, 0x00, 0x00)},
        {"Тёмно-красный", QColor(0x80, 0x00, 0x00)},
        {"Зелёный", QColor(0x00, 0x80, 0x00)},
        {"Оливковый", QColor(0x80, 0x80, 0x00)},
        {"Тёмно-синий", QColor(0x00, 0x00, 0x80)},
        {"Фиолетовый", QColor(0x80, 0x00, 0x80)},
        {"Сине-зелёный", QColor(0x00, 0x80, 0x80)},
        {"Серый", QColor(0x80, 0x80, 0x80)},
        {"Серебристый", QColor(0xC0, 0xC0, 0xC0)},
        {"Красный", QColor(0xFF, 0x00, 0x00)},
        {"Салатовый", QColor(0x00, 0xFF, 0x00)},
        {"Жёлтый", QColor(0xFF, 0xFF, 0x00)},
        {"Синий", QColor(0x00, 0x00, 0xFF)},
        {"Пурпурный", QColor(0xFF, 0x00, 0xFF)},
        {"Голубой", QColor(0x00, 0xFF, 0xFF)},
        {"Белый", QColor(0xFF, 0xFF, 0xFF)},
        // extended
        {"Мятный", QColor(0xC0, 0xDC, 0xC0)},
        {"Небесный", QColor(0xA6, 0xCA, 0xF0)},
        {"Кремовый", QColor(0xFF, 0xFB, 0xF0)},
        {"Средне-серый", QColor(0xA4, 0xA0, 0xA0)},
    };
    for (const auto &[name, colour] : colours)
        addItem(swatch(colour), QString::fromUtf8(name), colour);
    // system
    const QPalette palette;
    addItem(swatch(palette.color(QPalette::WindowText)), QStringLiteral("Текст окна"),
            palette.color(QPalette::WindowText));
    addItem(swatch(palette.color(QPalette::Highlight)), QStringLiteral("Выделение"),
            palette.color(QPalette::Highlight));
    setCurrentIndex(0);
}

QColor ColorBox::selectedColor() const
{
    return currentData().value<QColor>();
}

void ColorBox::setSelectedColor(const QColor &colour)
{
    int index = findData(colour);
    if (index < 0) {
        addItem(swatch(colour), colour.name(), colour);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

} // namespace vorkast
