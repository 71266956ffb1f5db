#include "Look.h"

#include <QFontDatabase>
#include <QProxyStyle>
#include <QRawFont>
#include <QStringList>

namespace vorkast {

namespace {

QFont fontOf(const QStringList &families)
{
    QFont font;
    font.setFamilies(families);
    return font;
}

} // namespace

QFont tahomaFont(qreal pointSize)
{
    QFont font = fontOf({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    return font;
}

QFont comicFont(int pixelSize, const QString &text)
{
    QStringList families{QStringLiteral("Comic Sans MS")};
    // Comic Neue has no Cyrillic letters: it serves only texts it can draw whole, so a
    // caption is never drawn in two fonts.
    QFont neue = fontOf({QStringLiteral("Comic Neue")});
    neue.setPixelSize(pixelSize);
    const QRawFont raw = QRawFont::fromFont(neue);
    bool drawable = QFontDatabase::hasFamily(QStringLiteral("Comic Neue")) && raw.isValid();
    for (const uint c : text.toUcs4())
        drawable = drawable && raw.supportsCharacter(c);
    if (drawable)
        families << QStringLiteral("Comic Neue");
    families << QStringLiteral("DejaVu Sans");
    QFont font = fontOf(families);
    font.setPixelSize(pixelSize);
    return font;
}

QFont timesFont(int pixelSize)
{
    QFont font = fontOf({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                         QStringLiteral("DejaVu Serif")});
    font.setPixelSize(pixelSize);
    return font;
}

namespace {

// Menu pictures drawn at twice the small icon size.
class MenuPictureStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_SmallIconSize)
            return 32;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

QStyle *newMenuStyle(QObject *owner)
{
    auto *style = new MenuPictureStyle;
    style->setParent(owner);
    return style;
}

QString labelText(const QString &caption)
{
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString mainStyleSheet()
{
    return QStringLiteral(R"css(
QMainWindow, QWidget#surface {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #eef6fd, stop:1 #cde3f4);
}
QMenuBar {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f7fbff, stop:1 #d4e7f7);
    border-bottom: 1px solid #9cc3e3;
    color: #0f2f4a;
}
QMenuBar::item { padding: 4px 10px; background: transparent; }
QMenuBar::item:selected { background: #bcdaf2; border-radius: 3px; }
QMenuBar::item:pressed { background: #a8cfee; }
QMenu {
    background: #f6fbff;
    border: 1px solid #8db9de;
    color: #0f2f4a;
}
QMenu::item { padding: 4px 24px 4px 8px; }
QMenu::item:selected { background: #cfe6f8; color: #0b3d63; }
QMenu::item:disabled { color: #8c9ba8; }
QMenu::separator { height: 1px; background: #b9d5ec; margin: 3px 6px; }
QFrame[panel="true"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dcebf8);
    border: 1px solid #7fb0d8;
    border-radius: 6px;
}
QLabel { background: transparent; color: #0f2f4a; }
vorkast--LinkLabel { color: #1d64b0; }
vorkast--LinkLabel[visited="true"] { color: #6a3d9a; }
vorkast--LinkLabel:hover { color: #e8762b; }
vorkast--LinkLabel:focus { border: 1px dotted #1f6fb2; }
QPushButton {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #cfe3f5);
    border: 1px solid #6fa3cf;
    border-radius: 4px;
    padding: 3px 14px;
    min-height: 20px;
    color: #0f2f4a;
}
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #b7d7f2); }
QPushButton:pressed { background: #a9cdea; }
QPushButton:focus { border: 1px solid #1f6fb2; }
QPushButton:disabled { color: #8c9ba8; border-color: #b4cbe0; }
QToolButton { background: transparent; border: none; border-radius: 3px; }
QToolButton:hover { background: #cfe6f8; }
QLineEdit, QComboBox {
    background: #ffffff;
    border: 1px solid #8db9de;
    border-radius: 3px;
    padding: 2px 4px;
    lineedit-password-character: 42;
    selection-background-color: #7fb6e3;
}
QLineEdit:focus, QComboBox:focus { border: 1px solid #1f6fb2; }
QToolTip {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e1effb);
    border: 1px solid #6fa3cf;
    border-radius: 8px;
    padding: 5px;
    color: #123450;
    font-style: italic;
}
)css");
}

} // namespace vorkast
