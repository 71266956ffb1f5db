#include "TopicCatalog.h"

#include "authoring/EditedTest.h"
#include "authoring/TForm3.h"
#include "context/AppContext.h"
#include "context/NamedWidget.h"
#include "context/GridSync.h"
#include "data/ClassTables.h"
#include "data/QueryModel.h"
#include "data/SqlText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>

namespace vorkast {

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    QPushButton *b = makeNamed<QPushButton>(parent, name, geometry);
    b->setText(caption);
    return b;
}

// Runs the query's statement again, keeping its sort and, where it still exists, its current row.
void requery(Query &query)
{
    const QString sort = query.sort();
    const qint64 key = query.key();
    query.close();
    query.open();
    if (!sort.isEmpty())
        query.setSort(sort);
    const int keyColumn = query.columnIndex(QStringLiteral("index"));
    for (int row = 0; row < query.recordCount(); ++row) {
        if (query.cell(row, keyColumn).toLongLong() == key) {
            query.setCurrentRow(row);
            break;
        }
    }
}

} // namespace

TopicCatalog::TopicCatalog(AppContext &context, QWidget *parent)
    : QFrame(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("sPanel1"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setFixedSize(793, 457);
    build();
    hide();
}

void TopicCatalog::build()
{
    m_sDBGrid1 = makeNamed<QTableView>(this, "sDBGrid1", QRect(8, 8, 472, 441));
    m_model = new QueryModel(m_context.ADOtemy,
                             {{QStringLiteral("tema"), QStringLiteral("тема"), 170},
                              {QStringLiteral("klass"), QStringLiteral("класс"), 35},
                              {QStringLiteral("predmet"), QStringLiteral("предмет"), 90},
                              {QStringLiteral("vopr"), QStringLiteral("вопросов"), 64}},
                             this);
    syncGridWithQuery(m_sDBGrid1, m_model);
    m_sDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);  // a retyped title would lose its questions
    m_sDBGrid1->verticalHeader()->hide();
    m_sDBGrid1->setAlternatingRowColors(true);
    QHeaderView *header = m_sDBGrid1->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    const QFontMetrics metrics(header->font());
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const GridColumn &column = m_model->columns()[c];
        // Room for the title and the sort arrow where the stated width is too narrow.
        m_sDBGrid1->setColumnWidth(c, std::max(column.width, metrics.horizontalAdvance(column.title) + 28));
    }
    // The subject column is wide enough for the subjects of the list, as far as the grid allows.
    const QFontMetrics cells(m_sDBGrid1->font());
    int subjectWidth = m_sDBGrid1->columnWidth(2);
    for (const QString &subject : m_context.subjectList)
        subjectWidth = std::max(subjectWidth, cells.horizontalAdvance(subject) + 12);
    m_sDBGrid1->setColumnWidth(2, std::min(subjectWidth, 160));
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int column) { m_context.guard([&] { sDBGrid1TitleClick(column); }); });
    connect(&m_context.ADOtemy, &Query::reset, this, &TopicCatalog::showSortIndicator);

    m_sGroupBox1 = makeNamed<QGroupBox>(this, "sGroupBox1", QRect(490, 8, 295, 250));
    m_sGroupBox1->setTitle(QStringLiteral("Фильтр тем"));
    makeNamed<QLabel>(m_sGroupBox1, "sLabel3", QRect(14, 28, 267, 20))->setText(QStringLiteral("По классу"));
    m_rzComboBox1 = makeNamed<QComboBox>(m_sGroupBox1, "rzComboBox1", QRect(14, 50, 267, 28));
    for (int c = 5; c <= 11; ++c)
        m_rzComboBox1->addItem(QString::number(c));
    m_rzComboBox1->setCurrentIndex(0);
    m_rzComboBox1->setPlaceholderText(QStringLiteral("Выберите класс"));
    makeNamed<QLabel>(m_sGroupBox1, "sLabel4", QRect(14, 88, 267, 20))->setText(QStringLiteral("По предмету:"));
    m_RzComboBox2 = makeNamed<QComboBox>(m_sGroupBox1, "RzComboBox2", QRect(14, 110, 267, 28));
    m_RzComboBox2->setPlaceholderText(QStringLiteral("Выберите предмет"));  // no filter is chosen at first
    m_sButton3 = button(m_sGroupBox1, "sButton3", QStringLiteral("Класс + Предмет"), QRect(14, 156, 267, 34));
    m_sButton4 = button(m_sGroupBox1, "sButton4", QStringLiteral("Все темы"), QRect(14, 200, 267, 34));

    m_sPanel2 = makeNamed<QFrame>(this, "sPanel2", QRect(490, 268, 295, 100));
    m_sPanel2->setFrameShape(QFrame::StyledPanel);
    m_sButton5 = button(m_sPanel2, "sButton5", QStringLiteral("Удалить тему"), QRect(14, 12, 267, 34));
    m_sButton5->setCursor(Qt::ForbiddenCursor);
    m_sButton6 = button(m_sPanel2, "sButton6", QStringLiteral("Закрыть"), QRect(14, 54, 267, 34));
    m_sPanel2->hide();

    m_sPanel3 = makeNamed<QFrame>(this, "sPanel3", QRect(490, 268, 295, 100));
    m_sPanel3->setFrameShape(QFrame::StyledPanel);
    m_sButton7 = button(m_sPanel3, "sButton7", QStringLiteral("Редактировать тему"), QRect(14, 12, 267, 34));
    m_sButton8 = button(m_sPanel3, "sButton8", QStringLiteral("Закрыть"), QRect(14, 54, 267, 34));
    m_sPanel3->hide();

    auto on = [this](auto *sender, auto signal, void (TopicCatalog::*handler)()) {
        connect(sender, signal, this, [this, handler] { m_context.guard([&] { (this->*handler)(); }); });
    };
    on(m_rzComboBox1, &QComboBox::activated, &TopicCatalog::rzComboBox1Change);
    on(m_RzComboBox2, &QComboBox::activated, &TopicCatalog::RzComboBox2Change);
    on(m_sButton3, &QPushButton::clicked, &TopicCatalog::sButton3Click);
    on(m_sButton4, &QPushButton::clicked, &TopicCatalog::sButton4Click);
    on(m_sButton5, &QPushButton::clicked, &TopicCatalog::sButton5Click);
    on(m_sButton6, &QPushButton::clicked, &TopicCatalog::sButton6Click);
    on(m_sButton7, &QPushButton::clicked, &TopicCatalog::sButton7Click);
    on(m_sButton8, &QPushButton::clicked, &TopicCatalog::sButton8Click);
}

void TopicCatalog::openDeleteMode()
{
    open(true);
}

void TopicCatalog::openEditMode(TForm3 *editor)
{
    m_editor = editor;
    open(false);
}

void TopicCatalog::open(bool deleteMode)
{
    const int selected = m_RzComboBox2->currentIndex();
    m_RzComboBox2->addItems(m_context.subjectList);
    m_RzComboBox2->setCurrentIndex(selected);
    m_context.ADOtemy.replaceStatement({QStringLiteral("SELECT * FROM temy"), QStringLiteral("ORDER BY klass")});
    show();
    raise();
    m_sPanel2->setVisible(deleteMode);
    m_sPanel3->setVisible(!deleteMode);
}

void TopicCatalog::rzComboBox1Change()
{
    m_context.ADOtemy.replaceStatement({QStringLiteral("select * from temy where klass = :klass") + noCase()},
                                       {{QStringLiteral("klass"), m_rzComboBox1->currentText()}});
}

// Lists the topics of the subject; the editor's subject is not touched.
void TopicCatalog::RzComboBox2Change()
{
    m_context.ADOtemy.replaceStatement(
        {QStringLiteral("SELECT * FROM temy"), QStringLiteral("WHERE  predmet LIKE :predmet") + likeEscape()},
        {{QStringLiteral("predmet"), likeLiteral(m_RzComboBox2->currentText())}});
}

void TopicCatalog::sButton3Click()
{
    m_context.ADOtemy.replaceStatement({QStringLiteral("select * from temy where (predmet = :predmet") + noCase()
                                        + QStringLiteral(") and (klass = :klass") + noCase() + QStringLiteral(")")},
                                       {{QStringLiteral("predmet"), m_RzComboBox2->currentText()},
                                        {QStringLiteral("klass"), m_rzComboBox1->currentText()}});
}

void TopicCatalog::sButton4Click()
{
    m_context.ADOtemy.replaceStatement(
        {QStringLiteral("SELECT * FROM temy"), QStringLiteral("ORDER BY tema") + noCase()});
}

// First click on a title sorts ascending, the next on the same title descending, and so on.
void TopicCatalog::sDBGrid1TitleClick(int column)
{
    Query &temy = m_context.ADOtemy;
    if (!temy.isActive() || column < 0 || column >= m_model->columnCount())
        return;
    const QString field = m_model->columns()[column].field;
    const QString ascending = QLatin1Char('[') + field + QStringLiteral("] ASC");
    temy.setSort(temy.sort() == ascending ? QLatin1Char('[') + field + QStringLiteral("] DESC") : ascending);
    showSortIndicator();  // the query announces its new rows before it records the new order
}

void TopicCatalog::showSortIndicator()
{
    static const QRegularExpression re(QStringLiteral(R"(^\[(.+)\] (ASC|DESC)$)"));
    const auto match = re.match(m_context.ADOtemy.sort());
    QHeaderView *header = m_sDBGrid1->horizontalHeader();
    header->setSortIndicator(-1, Qt::AscendingOrder);
    if (!match.hasMatch())
        return;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        if (m_model->columns()[c].field == match.captured(1)) {
            header->setSortIndicator(c, match.captured(2) == QLatin1String("ASC") ? Qt::AscendingOrder
                                                                                  : Qt::DescendingOrder);
            return;
        }
    }
}

QString TopicCatalog::currentTopicTable()
{
    Query &temy = m_context.ADOtemy;
    if (!temy.isActive() || temy.currentRow() < 0) {
        m_context.dialogs.information(QStringLiteral("Выберите тему в списке."));
        return {};
    }
    const QString klass = temy.text(QStringLiteral("klass"));
    bool ok = false;
    const int number = klass.trimmed().toInt(&ok);
    const QString table = ok ? classTableName(number) : QString();
    if (table.isEmpty()) {
        m_context.dialogs.information(
            QStringLiteral("У темы «%1» класс «%2», а вопросы есть только у классов от 1 до 11. Эту тему нельзя "
                           "удалить или редактировать.")
                .arg(temy.text(QStringLiteral("tema")), klass));
    }
    return table;
}

// Points ADOklassy at the questions of ADOtemy's current topic, at the first of them.
void TopicCatalog::OpenTopicQuestions(const QString &table)
{
    Query &temy = m_context.ADOtemy;
    m_context.editor.editorTable = table;
    m_context.ADOklassy.replaceStatement(
        topicQuestionsStatement(table),
        topicQuestionsValues(temy.text(QStringLiteral("predmet")), temy.text(QStringLiteral("tema"))));
    m_context.ADOklassy.first();
}

void TopicCatalog::sButton5Click()
{
    const QString table = currentTopicTable();
    if (table.isEmpty())
        return;
    if (!m_context.dialogs.confirmError(QStringLiteral("Вы хотите удалить тест?")))
        return;
    OpenTopicQuestions(table);
    Query &klassy = m_context.ADOklassy;
    Query &temy = m_context.ADOtemy;
    try {
        Transaction transaction(m_context.ADOConnection2);
        while (!klassy.eof())
            klassy.remove();
        temy.remove();
        transaction.commit();
    } catch (...) {
        // Rolled back: show what is stored.
        try {
            requery(klassy);
            requery(temy);
        } catch (...) {
        }
        throw;
    }
}

void TopicCatalog::sButton6Click()
{
    hide();
    m_sPanel2->hide();
    m_sPanel3->hide();
    m_context.ADOtemy.close();
    m_context.ADOklassy.close();
}

void TopicCatalog::sButton7Click()
{
    const QString table = currentTopicTable();
    if (table.isEmpty() || !m_editor)
        return;
    OpenTopicQuestions(table);
    const Query &temy = m_context.ADOtemy;
    m_editor->openForEditing({temy.key(), table, temy.text(QStringLiteral("klass")),
                              temy.text(QStringLiteral("predmet")), temy.text(QStringLiteral("tema"))});
}

void TopicCatalog::sButton8Click()
{
    sButton6Click();
}

} // namespace vorkast
