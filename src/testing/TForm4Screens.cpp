#include "TForm4.h"

#include "ExitPicture.h"

#include "context/AppContext.h"
#include "context/GridSync.h"
#include "data/QueryModel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace vorkast {

namespace {

const QString kBoxHint = QStringLiteral(
    "Нажмите на поле два раза и оно увеличится, еще одно двойное нажатие вернет его в исходное положение.");

QFont pixelFont(const QFont &base, int pixels, bool bold = false)
{
    QFont f = base;
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QComboBox *addChooser(QWidget *parent, const char *name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(12);
    box->setMaxVisibleItems(16);
    return box;
}

} // namespace

void TForm4::buildSelectionScreen()
{
    m_rzPanel2 = new QFrame(this);
    m_rzPanel2->setObjectName(QStringLiteral("rzPanel2"));
    m_rzPanel2->setGeometry(rect());
    m_rzPanel2->setAutoFillBackground(true);
    m_rzPanel2->setFrameShape(QFrame::Box);  // the window has no border of its own

    auto *heading = addLabel(m_rzPanel2, "RzLabel6", QStringLiteral("Выбор теста"));
    heading->setFont(pixelFont(font(), 30, true));
    heading->setAlignment(Qt::AlignCenter);

    m_sSpeedButton1 = new QToolButton(m_rzPanel2);
    m_sSpeedButton1->setObjectName(QStringLiteral("sSpeedButton1"));
    m_sSpeedButton1->setIcon(exitPicture());
    m_sSpeedButton1->setIconSize(QSize(64, 64));
    m_sSpeedButton1->setAutoRaise(true);
    m_sSpeedButton1->setAccessibleName(QStringLiteral("Выход"));
    m_sSpeedButton1->setShortcut(QKeySequence(Qt::Key_Escape));

    m_rzEdit1 = new QLineEdit(m_rzPanel2);
    m_rzEdit1->setObjectName(QStringLiteral("rzEdit1"));
    m_rzEdit1->setToolTip(QStringLiteral("Вводите фамилию и имя в родительном падеже"));
    m_rzComboBox4 = addChooser(m_rzPanel2, "rzComboBox4");
    m_rzComboBox4->setPlaceholderText(QStringLiteral("Выбрать класс"));
    m_rzComboBox1 = addChooser(m_rzPanel2, "rzComboBox1");
    m_rzComboBox1->setPlaceholderText(QStringLiteral("Выбрать предмет"));
    m_rzComboBox3 = addChooser(m_rzPanel2, "rzComboBox3");
    m_rzComboBox3->addItems({QStringLiteral("Тестирование"), QStringLiteral("Входной контроль"),
                             QStringLiteral("Промежуточный контроль"), QStringLiteral("Итоговый контроль")});
    m_rzComboBox3->setCurrentIndex(0);

    m_sDBGrid1 = new QTableView(m_rzPanel2);
    m_sDBGrid1->setObjectName(QStringLiteral("sDBGrid1"));
    m_topicModel = new QueryModel(m_context.ADOtemy,
                                  {GridColumn{QStringLiteral("tema"), QString(), 380},
                                   GridColumn{QStringLiteral("vopr"), QString(), 45}},
                                  m_sDBGrid1);
    syncGridWithQuery(m_sDBGrid1, m_topicModel);
    m_sDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sDBGrid1->horizontalHeader()->hide();
    m_sDBGrid1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_sDBGrid1->horizontalHeader()->resizeSection(1, 60);
    m_sDBGrid1->verticalHeader()->hide();
    m_sDBGrid1->setShowGrid(true);
    // Long titles wrap onto a taller row instead of being cut.
    m_sDBGrid1->setWordWrap(true);
    connect(m_topicModel, &QAbstractItemModel::modelReset, m_sDBGrid1, &QTableView::resizeRowsToContents);
    m_sDBGrid1->viewport()->installEventFilter(this);

    m_rzbutton3 = new QPushButton(QStringLiteral("Начать тестирование"), m_rzPanel2);
    m_rzbutton3->setObjectName(QStringLiteral("rzbutton3"));
    m_rzbutton3->setFont(pixelFont(font(), 22, true));
    m_rzbutton3->setMinimumSize(320, 52);

    // Heading row with the exit picture in the top right corner.
    auto *top = new QHBoxLayout;
    top->addSpacing(64);
    top->addStretch();
    top->addWidget(heading);
    top->addStretch();
    top->addWidget(m_sSpeedButton1, 0, Qt::AlignTop);

    auto *left = new QVBoxLayout;
    left->setSpacing(6);
    auto field = [left, this](const char *name, const QString &text, QWidget *control) {
        QLabel *label = addLabel(m_rzPanel2, name, text);
        label->setBuddy(control);
        left->addWidget(label);
        left->addWidget(control);
        left->addSpacing(14);
    };
    field("RzLabel1", QStringLiteral("Ваша фамилия и имя \n(в Род. падеже):"), m_rzEdit1);
    field("RzLabel2", QStringLiteral("Выберите свой класс:"), m_rzComboBox4);
    field("RzLabel4", QStringLiteral("Выберите предмет:"), m_rzComboBox1);
    field("RzLabel7", QStringLiteral("Вид тестирования:"), m_rzComboBox3);
    left->addStretch();

    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    QLabel *topicLabel = addLabel(m_rzPanel2, "RzLabel3", QStringLiteral("Выберите тему:"));
    topicLabel->setBuddy(m_sDBGrid1);
    right->addWidget(topicLabel);
    right->addWidget(m_sDBGrid1, 1);

    auto *body = new QHBoxLayout;
    body->setSpacing(40);
    body->addLayout(left, 4);
    body->addLayout(right, 7);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_rzbutton3);
    bottom->addStretch();

    auto *layout = new QVBoxLayout(m_rzPanel2);
    layout->setContentsMargins(40, 8, 8, 24);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addLayout(body, 1);
    layout->addSpacing(8);
    layout->addLayout(bottom);
    body->setContentsMargins(0, 0, 32, 0);
}

QTextEdit *TForm4::addRichBox(const char *name, int x, int y, int w, int h)
{
    auto *box = new QTextEdit(m_sPanel1);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(x, y, w, h);
    box->setReadOnly(true);
    box->setAcceptRichText(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setToolTip(kBoxHint);
    box->setFont(pixelFont(font(), 21));
    box->viewport()->installEventFilter(this);
    return box;
}

void TForm4::buildTestScreen()
{
    m_sPanel1 = new QFrame(this);
    m_sPanel1->setObjectName(QStringLiteral("sPanel1"));
    m_sPanel1->setGeometry(rect());
    m_sPanel1->setAutoFillBackground(true);
    m_sPanel1->setFrameShape(QFrame::Box);

    m_boxes[0] = addRichBox("RxRichEdit1", 16, 7, 963, 120);
    m_boxes[1] = addRichBox("RxRichEdit2", 40, 129, 939, 122);
    m_boxes[2] = addRichBox("RxRichEdit3", 40, 252, 939, 122);
    m_boxes[3] = addRichBox("RxRichEdit4", 40, 375, 939, 122);
    m_boxes[4] = addRichBox("RxRichEdit5", 40, 499, 939, 122);

    m_answerGroup = new QButtonGroup(this);
    const int tops[4] = {176, 304, 424, 536};
    for (int p = 0; p < 4; ++p) {
        auto *rb = new QRadioButton(m_sPanel1);
        rb->setObjectName(QStringLiteral("rb%1").arg(p + 1));
        rb->setToolTip(QStringLiteral("Щелкните сюда, если это правильный ответ"));
        rb->setAccessibleName(QString(QChar(u'a' + p)));
        rb->setGeometry(5, tops[p], 30, 30);
        m_answerGroup->addButton(rb, p + 1);
        connect(rb, &QRadioButton::clicked, this, [this] { run([this] { StoreChosenAnswer(); }); });
        m_rb[static_cast<size_t>(p)] = rb;
    }

    // The bottom row: back, number, forward, font size, finish.
    auto *row = new QWidget(m_sPanel1);
    row->setObjectName(QStringLiteral("bottomRow"));
    row->setGeometry(0, 622, 1002, 46);
    m_tuda = new QPushButton(QStringLiteral("Назад"), row);
    m_tuda->setObjectName(QStringLiteral("tuda"));
    m_sLabel1 = new QLabel(QStringLiteral("1"), row);
    m_sLabel1->setObjectName(QStringLiteral("sLabel1"));
    m_sLabel1->setAlignment(Qt::AlignCenter);
    m_sLabel1->setMinimumWidth(48);
    m_suda = new QPushButton(QStringLiteral("Вперед"), row);
    m_suda->setObjectName(QStringLiteral("suda"));
    for (QPushButton *b : {m_tuda, m_suda})
        b->setMinimumWidth(110);
    auto *sizeLabel = new QLabel(QStringLiteral("Размер шрифта:"), row);
    sizeLabel->setObjectName(QStringLiteral("sLabel2"));
    m_sSpinEdit1 = new QSpinBox(row);
    m_sSpinEdit1->setObjectName(QStringLiteral("sSpinEdit1"));
    m_sSpinEdit1->setRange(12, 20);
    m_sSpinEdit1->setValue(16);
    m_sSpinEdit1->setMinimumWidth(70);
    sizeLabel->setBuddy(m_sSpinEdit1);
    m_rzbutton2 = new QPushButton(QStringLiteral("Завершить тест"), row);
    m_rzbutton2->setObjectName(QStringLiteral("rzbutton2"));
    m_rzbutton2->setMinimumWidth(180);

    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(48, 2, 20, 6);
    rowLayout->setSpacing(6);
    rowLayout->addWidget(m_tuda);
    rowLayout->addWidget(m_sLabel1);
    rowLayout->addWidget(m_suda);
    rowLayout->addSpacing(56);
    rowLayout->addWidget(sizeLabel);
    rowLayout->addWidget(m_sSpinEdit1);
    rowLayout->addStretch();
    rowLayout->addWidget(m_rzbutton2);
}

void TForm4::buildResultPanel()
{
    m_rzPanel1 = new QFrame(m_sPanel1);
    m_rzPanel1->setObjectName(QStringLiteral("rzPanel1"));
    m_rzPanel1->setGeometry(232, 8, 593, 657);
    m_rzPanel1->setFrameShape(QFrame::StyledPanel);
    m_rzPanel1->setAutoFillBackground(true);

    m_RxRichEdit6 = new QTextEdit(m_rzPanel1);
    m_RxRichEdit6->setObjectName(QStringLiteral("RxRichEdit6"));
    m_RxRichEdit6->setGeometry(8, 8, 575, 593);
    m_RxRichEdit6->setReadOnly(true);
    m_RxRichEdit6->setAcceptRichText(false);
    m_RxRichEdit6->setFont(pixelFont(font(), 16, true));
    m_RxRichEdit6->setLineWrapMode(QTextEdit::WidgetWidth);

    m_sButton7 = new QPushButton(QStringLiteral("Закрыть"), m_rzPanel1);
    m_sButton7->setObjectName(QStringLiteral("sButton7"));
    m_sButton7->setGeometry(227, 608, 130, 36);

    m_sGauge1 = new QProgressBar(m_rzPanel1);
    m_sGauge1->setObjectName(QStringLiteral("sGauge1"));
    m_sGauge1->setGeometry(368, 608, 120, 36);
    m_sGauge1->setRange(0, 100);
    m_sGauge1->setValue(0);
    m_sGauge1->setFormat(QStringLiteral("%v%"));
    m_sGauge1->setAlignment(Qt::AlignCenter);
    m_sGauge1->setToolTip(QStringLiteral("Процент качества знаний данного теста"));
    m_rzPanel1->hide();
}

void TForm4::buildShortcuts()
{
    // Answer positions 1..4 by digit, Latin letter or Cyrillic letter; arrows and page keys move.
    const QList<QPair<QList<int>, int>> choices = {
        {{Qt::Key_1, Qt::Key_A, 0x0410}, 1},
        {{Qt::Key_2, Qt::Key_B, 0x0411}, 2},
        {{Qt::Key_3, Qt::Key_C, 0x0412}, 3},
        {{Qt::Key_4, Qt::Key_D, 0x0413}, 4},
    };
    for (const auto &[keys, position] : choices) {
        for (int key : keys) {
            auto *s = new QShortcut(QKeySequence(key), m_sPanel1);
            s->setObjectName(QStringLiteral("answerKey"));
            connect(s, &QShortcut::activated, this, [this, p = position] { chooseByKey(p); });
        }
    }
    for (int key : {int(Qt::Key_Left), int(Qt::Key_PageUp)}) {
        auto *s = new QShortcut(QKeySequence(key), m_sPanel1);
        s->setObjectName(QStringLiteral("moveKey"));
        connect(s, &QShortcut::activated, this, [this] {
            if (m_tuda->isEnabled())
                m_tuda->click();
        });
    }
    for (int key : {int(Qt::Key_Right), int(Qt::Key_PageDown)}) {
        auto *s = new QShortcut(QKeySequence(key), m_sPanel1);
        s->setObjectName(QStringLiteral("moveKey"));
        connect(s, &QShortcut::activated, this, [this] {
            if (m_suda->isEnabled())
                m_suda->click();
        });
    }
}

} // namespace vorkast
