// The editor's controls and where they stand.
#include "TForm3.h"

#include "ColorBox.h"
#include "RichBox.h"
#include "WrapButton.h"

#include "context/NamedWidget.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace vorkast {

namespace {

QFont tahoma(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A blue circle with a white double arrow pointing left or right.
QIcon arrowIcon(bool right)
{
    QPixmap pixmap(36, 36);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gradient(14, 12, 22);
    gradient.setColorAt(0, QColor(0x6F, 0xB7, 0xFF));
    gradient.setColorAt(1, QColor(0x10, 0x5A, 0xC8));
    painter.setBrush(gradient);
    painter.setPen(QPen(QColor(0x0B, 0x3C, 0x8A), 1.5));
    painter.drawEllipse(QRectF(1.5, 1.5, 33, 33));
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 2; ++i) {
        const qreal x = 10 + i * 8;
        QPainterPath arrow;
        arrow.moveTo(x, 10);
        arrow.lineTo(x + 9, 18);
        arrow.lineTo(x, 26);
        arrow.closeSubpath();
        painter.drawPath(arrow);
    }
    painter.end();
    if (!right)
        pixmap = pixmap.transformed(QTransform().scale(-1, 1));
    return QIcon(pixmap);
}

} // namespace

void TForm3::buildCreationControls()
{
    m_sLabel6 = makeNamed<QLabel>(this, "sLabel6", QRect(12, 4, 766, 30));
    m_sLabel6->setText(QStringLiteral("Выберите класс и введите название темы "));
    m_sLabel6->setFont(tahoma(20));
    setTextColour(m_sLabel6, QColor(0x10, 0x3A, 0x61));

    m_rzComboBox1 = makeNamed<QComboBox>(this, "rzComboBox1", QRect(12, 38, 192, 30));
    m_rzComboBox1->setFont(tahoma(16));
    m_rzComboBox1->setPlaceholderText(QStringLiteral("Выберите класс!!!"));
    for (int c = 5; c <= 11; ++c)
        m_rzComboBox1->addItem(QString::number(c));
    m_rzComboBox1->setCurrentIndex(-1);

    m_RzComboBox2 = makeNamed<QComboBox>(this, "RzComboBox2", QRect(210, 38, 210, 30));
    m_RzComboBox2->setFont(tahoma(16));
    m_RzComboBox2->setPlaceholderText(QStringLiteral("Выберите предмет!!!"));

    m_rzEdit1 = makeNamed<QLineEdit>(this, "rzEdit1", QRect(426, 38, 214, 30));
    m_rzEdit1->setFont(tahoma(16));
    m_rzEdit1->setMaxLength(50);  // the title column holds at most 50 characters
    m_rzEdit1->setPlaceholderText(QStringLiteral("Название теста"));

    m_rzButton1 = makeNamed<QPushButton>(this, "rzButton1", QRect(646, 37, 134, 32));
    m_rzButton1->setText(QStringLiteral("Создать тест"));
    m_rzButton1->setFont(tahoma(13, true));

    m_RzSeparator1 = makeNamed<QFrame>(this, "RzSeparator1", QRect(0, 74, 790, 3));
    m_RzSeparator1->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #AECAF7, stop:1 #FFFFFF);"));

    struct BoxText {
        const char *label;
        const char *box;
        const char *caption;
        const char *hint;
        QColor colour;
    };
    const QColor wrong(0x80, 0x33, 0x00);
    const BoxText texts[] = {
        {"sLabel1", "sr1", "Введите вопрос", "Введите сюда вопрос", QColor(0x11, 0x69, 0xFD)},
        {"sLabel2", "sr2", "Введите первый неправильный ответ", "Введите сюда неправильный ответ", wrong},
        {"sLabel3", "sr3", "Введите второй неправильный ответ", "Введите сюда неправильный ответ", wrong},
        {"sLabel4", "sr4", "Введите третий неправильный ответ", "Введите сюда неправильный ответ", wrong},
        {"sLabel5", "sr5", "Введите правильный ответ!", "Введите сюда правильный ответ", QColor(0x00, 0x6A, 0x00)},
    };
    int y = 82;
    for (const BoxText &t : texts) {
        QLabel *label = makeNamed<QLabel>(this, t.label, QRect(18, y, 753, 24));
        label->setText(QString::fromUtf8(t.caption));
        label->setFont(tahoma(19, true));
        setTextColour(label, t.colour);
        m_labels << label;
        RichBox *box = makeNamed<RichBox>(this, t.box, QRect(18, y + 24, 753, 63));
        box->setFont(tahoma(19));
        box->document()->setDefaultFont(tahoma(19));
        box->setToolTip(QString::fromUtf8(t.hint));
        label->setBuddy(box);
        m_boxes << box;
        y += 93;
    }

    m_rzbutton2 = makeNamed<QPushButton>(this, "rzbutton2", QRect(18, 562, 330, 40));
    m_rzbutton2->setFont(tahoma(13, true));
    m_rzbutton3 = makeNamed<QPushButton>(this, "rzbutton3", QRect(441, 562, 330, 40));
    m_rzbutton3->setText(QStringLiteral("Завершить создание теста"));
    m_rzbutton3->setFont(tahoma(13, true));

    // Tab order: the boxes, the choosers, the name, the three buttons.
    QList<QWidget *> order;
    for (RichBox *box : std::as_const(m_boxes))
        order << box;
    order << m_rzComboBox1 << m_RzComboBox2 << m_rzEdit1 << m_rzButton1 << m_rzbutton2 << m_rzbutton3;
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    m_sPanel2 = makeNamed<QFrame>(this, "sPanel2", QRect(0, 550, 790, 65));
    m_sPanel2->setFrameShape(QFrame::StyledPanel);
    m_sPanel2->setAutoFillBackground(true);
    m_sPanel2->hide();
}

void TForm3::buildToolbar()
{
    m_sPanel1 = makeNamed<QFrame>(this, "sPanel1", QRect(0, 0, 790, 81));
    m_sPanel1->setFrameShape(QFrame::StyledPanel);
    m_sPanel1->setAutoFillBackground(true);

    m_sSpeedButton2 = makeNamed<QToolButton>(m_sPanel1, "sSpeedButton2", QRect(8, 20, 41, 40));
    m_sSpeedButton2->setIcon(arrowIcon(false));
    m_sSpeedButton2->setIconSize(QSize(34, 34));
    m_sSpeedButton2->setAutoRaise(true);
    m_sSpeedButton2->setToolTip(QStringLiteral("Предыдущий вопрос"));

    m_sLabel7 = makeNamed<QLabel>(m_sPanel1, "sLabel7", QRect(51, 16, 58, 48));
    m_sLabel7->setText(QStringLiteral("1"));
    m_sLabel7->setFont(tahoma(27));
    m_sLabel7->setAlignment(Qt::AlignCenter);
    setTextColour(m_sLabel7, Qt::black);

    m_sSpeedButton1 = makeNamed<QToolButton>(m_sPanel1, "sSpeedButton1", QRect(111, 20, 41, 41));
    m_sSpeedButton1->setIcon(arrowIcon(true));
    m_sSpeedButton1->setIconSize(QSize(34, 34));
    m_sSpeedButton1->setAutoRaise(true);
    m_sSpeedButton1->setToolTip(QStringLiteral("Следующий вопрос"));

    auto button = [this](const char *name, const QString &caption, const QRect &geometry) {
        auto *b = new WrapButton(caption, m_sPanel1);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(geometry);
        b->setFont(tahoma(16));
        return b;
    };
    m_izmen = button("izmen", QStringLiteral("Сохранить изменения"), QRect(158, 7, 106, 67));
    m_dobav = button("dobav", QStringLiteral("Добавить  вопрос"), QRect(268, 7, 130, 67));
    m_udal = button("udal", QStringLiteral("Удалить вопрос"), QRect(402, 7, 88, 67));

    m_sColorBox1 = new ColorBox(m_sPanel1);
    m_sColorBox1->setObjectName(QStringLiteral("sColorBox1"));
    m_sColorBox1->setGeometry(496, 7, 150, 30);
    m_sColorBox1->setFont(tahoma(13));
    m_sColorBox1->setToolTip(QStringLiteral("Цвет текста"));

    m_sCombo = makeNamed<QComboBox>(m_sPanel1, "sCombo", QRect(652, 7, 130, 30));
    m_sCombo->addItems({QStringLiteral("Arial"), QStringLiteral("Comic Sans MS"), QStringLiteral("Tahoma"),
                        QStringLiteral("Times New Roman")});
    m_sCombo->setCurrentIndex(0);
    m_sCombo->setFont(tahoma(13));
    m_sCombo->setStyleSheet(QStringLiteral("QComboBox { background: #B5E0FF; }"));
    m_sCombo->setToolTip(QStringLiteral("Шрифт"));

    m_sSpinEdit1 = makeNamed<QSpinBox>(m_sPanel1, "sSpinEdit1", QRect(496, 43, 64, 31));
    m_sSpinEdit1->setRange(12, 20);
    m_sSpinEdit1->setValue(16);
    m_sSpinEdit1->setFont(tahoma(13));
    m_sSpinEdit1->setStyleSheet(QStringLiteral("QSpinBox { background: #B5E0FF; }"));
    m_sSpinEdit1->setToolTip(QStringLiteral("Размер шрифта"));

    m_sss = button("sss", QStringLiteral("Изменить стиль теста"), QRect(566, 43, 216, 31));

    m_sPanel1->hide();
}

} // namespace vorkast
