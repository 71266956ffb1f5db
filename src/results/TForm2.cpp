#include "TForm2.h"

#include "CheckBoxDelegate.h"
#include "ReportPanel.h"

#include "context/AppContext.h"
#include "context/GridSync.h"
#include "data/QueryModel.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace vorkast {

namespace {

// The grid's columns with their design widths, which are scaled to fill the grid.
QVector<GridColumn> gridColumns()
{
    return {
        {QStringLiteral("FI"), QStringLiteral("ФИ"), 150},
        {QStringLiteral("Klass"), QStringLiteral("Класс"), 33},
        {QStringLiteral("Test"), QStringLiteral("Тема"), 160},
        {QStringLiteral("Ocenka"), QStringLiteral("Оценка"), 43},
        {QStringLiteral("Data"), QStringLiteral("Дата"), 58},
        {QStringLiteral("vremya"), QStringLiteral("Время"), 49},
        {QStringLiteral("predmet"), QStringLiteral("Предмет"), 90},
        {QStringLiteral("prav"), QStringLiteral("Ответы"), 44},
        {QStringLiteral("galka"), QStringLiteral("Выбор"), 35, true},
    };
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QFrame *line(QWidget *parent, const char *name)
{
    auto *l = new QFrame(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

// Widths in proportion to `design` that fill `available`, none below its `minimum`.
QVector<int> fill(const QVector<int> &design, const QVector<int> &minimum, int available)
{
    const int n = static_cast<int>(design.size());
    QVector<bool> fixed(n, false);
    QVector<int> out(n);
    for (bool changed = true; changed;) {
        changed = false;
        int room = available, share = 0;
        for (int i = 0; i < n; ++i) {
            if (fixed[i])
                room -= minimum[i];
            else
                share += design[i];
        }
        for (int i = 0; i < n; ++i) {
            if (fixed[i]) {
                out[i] = minimum[i];
                continue;
            }
            out[i] = share > 0 ? room * design[i] / share : minimum[i];
            if (out[i] < minimum[i]) {
                fixed[i] = true;
                changed = true;
            }
        }
    }
    return out;
}

} // namespace

TForm2::TForm2(AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Результаты"));
    buildControls();
    connectHandlers();
    // Room for every column's title and values beside the right-hand column, within the screen.
    const QSize hint = sizeHint();
    QSize size(std::max(905, hint.width() + 620), std::max(592, hint.height()));
    if (const QScreen *screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 60)).expandedTo(minimumSize());
    resize(size);
}

void TForm2::buildControls()
{
    m_gridArea = new QWidget(this);
    m_gridArea->setObjectName(QStringLiteral("gridArea"));
    DBGridEh1 = new QTableView(m_gridArea);
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    m_model = new QueryModel(m_context.adores, gridColumns(), this);
    syncGridWithQuery(DBGridEh1, m_model);
    DBGridEh1->setItemDelegateForColumn(static_cast<int>(gridColumns().size()) - 1, new CheckBoxDelegate(DBGridEh1));
    DBGridEh1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGridEh1->setTabKeyNavigation(true);
    DBGridEh1->setWordWrap(false);
    DBGridEh1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView *titles = DBGridEh1->horizontalHeader();
    QFont underlined = titles->font();
    underlined.setUnderline(true);
    titles->setFont(underlined);
    titles->setSectionsClickable(true);
    titles->setSortIndicatorShown(true);
    titles->setSortIndicator(-1, Qt::AscendingOrder);
    titles->setHighlightSections(false);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    QHeaderView *rows = DBGridEh1->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(DBGridEh1->fontMetrics().height() + 6);
    rows->setMinimumWidth(14);
    auto *gridLayout = new QVBoxLayout(m_gridArea);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addWidget(DBGridEh1);
    DBGridEh1->installEventFilter(this);
    m_gridArea->installEventFilter(this);

    rzPanel1 = new ReportPanel(m_gridArea);
    rzPanel1->hide();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 8, 6, 7);
    layout->addWidget(m_gridArea, 1);
    layout->addWidget(buildRightColumn());
    setMinimumSize(layout->minimumSize().expandedTo(QSize(760, 560)));
}

QWidget *TForm2::buildRightColumn()
{
    auto *column = new QWidget(this);
    column->setObjectName(QStringLiteral("rightColumn"));
    column->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    rzComboBox1 = new QComboBox(column);
    rzComboBox1->setObjectName(QStringLiteral("rzComboBox1"));
    rzComboBox1->addItems({"5", "6", "7", "8", "9", "10", "11"});
    rzComboBox1->setCurrentIndex(-1);

    sMonthCalendar1 = new QCalendarWidget(column);
    sMonthCalendar1->setObjectName(QStringLiteral("sMonthCalendar1"));
    sMonthCalendar1->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    sMonthCalendar1->setFirstDayOfWeek(Qt::Monday);
    sMonthCalendar1->setSelectedDate(QDate::currentDate());
    sMonthCalendar1->setGridVisible(false);
    sMonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    sMonthCalendar1->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);

    sBitBtn7 = button(column, "sBitBtn7", QStringLiteral("Отсортировать Дата+Класс"));
    rzEdit1 = new QLineEdit(QStringLiteral("Введите название темы"), column);
    rzEdit1->setObjectName(QStringLiteral("rzEdit1"));
    rzEdit1->installEventFilter(this);
    sBitBtn5 = button(column, "sBitBtn5", QStringLiteral("Поиск по теме"));
    sBitBtn4 = button(column, "sBitBtn4", QStringLiteral("Смотреть результат"));
    sBitBtn6 = button(column, "sBitBtn6", QStringLiteral("Сохранить выбранные результаты в файл"));
    sBitBtn6->setToolTip(QStringLiteral(
        "Поставьте галочки в столбике \"Выбор\", выбранные записи сохранятся, как документы в  папке result"));

    auto *sPanel1 = new QFrame(column);
    sPanel1->setObjectName(QStringLiteral("sPanel1"));
    sPanel1->setFrameShape(QFrame::StyledPanel);
    auto *sLabelFX1 = new QLabel(QStringLiteral("Выбор столбцов"), sPanel1);
    sLabelFX1->setObjectName(QStringLiteral("sLabelFX1"));
    QFont bold = sLabelFX1->font();
    bold.setBold(true);
    sLabelFX1->setFont(bold);
    sLabelFX1->setAlignment(Qt::AlignCenter);
    auto *choices = new QGridLayout(sPanel1);
    choices->setContentsMargins(8, 4, 8, 6);
    choices->setVerticalSpacing(2);
    choices->addWidget(sLabelFX1, 0, 0, 1, 2);
    const QStringList captions{"№", "Ф.И.", "Класс", "Тема", "Оценка", "Дата", "Ответы", "Предмет"};
    for (int i = 0; i < 8; ++i) {
        auto *box = new QCheckBox(captions[i], sPanel1);
        box->setObjectName(QStringLiteral("rzCheckBox%1").arg(i + 1));
        box->setChecked(true);
        m_columnChoice[static_cast<size_t>(i)] = box;
        choices->addWidget(box, 1 + i % 4, i / 4);
    }

    sBitBtn1 = button(column, "sBitBtn1", QStringLiteral("Сохранить в Excel"));
    sBitBtn2 = button(column, "sBitBtn2", QStringLiteral("  Показать все    "));
    sBitBtn3 = button(column, "sBitBtn3", QStringLiteral("Удалить запись"));

    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->setSpacing(5);
    layout->addWidget(rzComboBox1);
    layout->addWidget(sMonthCalendar1);
    layout->addWidget(sBitBtn7);
    layout->addWidget(rzEdit1);
    layout->addWidget(sBitBtn5);
    layout->addWidget(line(column, "RzLine1"));
    layout->addWidget(sBitBtn4);
    layout->addWidget(sBitBtn6);
    layout->addWidget(line(column, "RzLine2"));
    layout->addWidget(sPanel1);
    layout->addWidget(sBitBtn1);
    layout->addWidget(sBitBtn2);
    layout->addWidget(sBitBtn3);
    layout->addStretch(1);
    return column;
}

void TForm2::connectHandlers()
{
    auto on = [this](QPushButton *b, void (TForm2::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { m_context.guard([&] { (this->*handler)(); }); });
    };
    on(sBitBtn7, &TForm2::sBitBtn7Click);
    on(sBitBtn5, &TForm2::sBitBtn5Click);
    on(sBitBtn4, &TForm2::sBitBtn4Click);
    on(sBitBtn6, &TForm2::sBitBtn6Click);
    on(sBitBtn1, &TForm2::sBitBtn1Click);
    on(sBitBtn2, &TForm2::sBitBtn2Click);
    on(sBitBtn3, &TForm2::sBitBtn3Click);
    on(rzPanel1->sBitBtn8, &TForm2::sBitBtn8Click);
    on(rzPanel1->sBitBtn9, &TForm2::sBitBtn9Click);
    on(rzPanel1->sBitBtn10, &TForm2::sBitBtn10Click);
    on(rzPanel1->sBitBtn11, &TForm2::sBitBtn11Click);

    connect(rzComboBox1, &QComboBox::activated, this, [this] { m_context.guard([this] { rzComboBox1Change(); }); });
    connect(rzEdit1, &QLineEdit::textChanged, this, [this] { m_context.guard([this] { rzEdit1Change(); }); });

    // A click on a day filters by it even when that day is already selected; a click that
    // changes the day has already filtered through the selection change.
    connect(sMonthCalendar1, &QCalendarWidget::selectionChanged, this, [this] {
        m_dateJustFiltered = true;
        QTimer::singleShot(0, this, [this] { m_dateJustFiltered = false; });
        m_context.guard([this] { sMonthCalendar1Change(); });
    });
    connect(sMonthCalendar1, &QCalendarWidget::clicked, this, [this] {
        if (m_dateJustFiltered) {
            m_dateJustFiltered = false;
            return;
        }
        m_context.guard([this] { sMonthCalendar1Change(); });
    });

    connect(DBGridEh1->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        const QString field = m_model->columns().value(section).field;
        m_context.guard([&] { DBGridEh1TitleClick(field); });
        showSortIndicator();
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, &TForm2::showSortIndicator);
    connect(m_model, &QueryModel::writeFailed, this, [this](const QString &message) { m_context.dialogs.error(message); });
}

void TForm2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        m_context.guard([this] { FormShow(); });
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == rzEdit1 && event->type() == QEvent::MouseButtonPress)
        m_context.guard([this] { rzEdit1Click(); });
    else if (watched == DBGridEh1 && event->type() == QEvent::Resize)
        QTimer::singleShot(0, this, &TForm2::fitGridColumns);
    else if (watched == m_gridArea && event->type() == QEvent::Resize)
        placeReportPanel();
    return QWidget::eventFilter(watched, event);
}

void TForm2::fitGridColumns()
{
    QHeaderView *titles = DBGridEh1->horizontalHeader();
    const QVector<GridColumn> &columns = m_model->columns();
    // No column narrower than its title or the widest value its format allows.
    static const QHash<QString, QString> widest{{QStringLiteral("Klass"), QStringLiteral("11")},
                                                {QStringLiteral("Data"), QStringLiteral("00.00.0000")},
                                                {QStringLiteral("vremya"), QStringLiteral("00:00:00")},
                                                {QStringLiteral("prav"), QStringLiteral("10 из 10")}};
    const QFontMetrics metrics = DBGridEh1->fontMetrics();
    QVector<int> design, minimum;
    for (int i = 0; i < columns.size(); ++i) {
        design << columns[i].width;
        minimum << std::max({titles->sectionSizeHint(i), metrics.horizontalAdvance(widest.value(columns[i].field)) + 14,
                             columns[i].checkBox ? 24 : 40});
    }
    const QVector<int> widths = fill(design, minimum, DBGridEh1->viewport()->width());
    for (int i = 0; i < widths.size(); ++i)
        titles->resizeSection(i, widths[i]);
}

void TForm2::placeReportPanel()
{
    // Over the list, as far from the grid's top left corner as the room allows.
    const QSize area = m_gridArea->size();
    const QSize hint = rzPanel1->sizeHint();
    const int width = std::min(area.width(), std::max(593, hint.width()));
    const int height = std::min(area.height(), 537);
    const int x = std::clamp(area.width() - width, 0, 74);
    const int y = std::clamp(area.height() - height, 0, 24);
    rzPanel1->setGeometry(x, y, width, height);
    rzPanel1->raise();
}

void TForm2::showSortIndicator()
{
    QHeaderView *titles = DBGridEh1->horizontalHeader();
    const QString spec = m_context.adores.isActive() ? m_context.adores.sort() : QString();
    for (int i = 0; i < m_model->columns().size(); ++i) {
        const QString field = m_model->columns()[i].field;
        if (spec == QLatin1Char('[') + field + QStringLiteral("] ASC")) {
            titles->setSortIndicator(i, Qt::AscendingOrder);
            return;
        }
        if (spec == QLatin1Char('[') + field + QStringLiteral("] DESC")) {
            titles->setSortIndicator(i, Qt::DescendingOrder);
            return;
        }
    }
    titles->setSortIndicator(-1, Qt::AscendingOrder);
}

} // namespace vorkast
