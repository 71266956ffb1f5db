// The results window: the list, its filters, sorting, deletion, the report view and documents.
#include "support/AppFixture.h"
#include "support/ResultRows.h"

#include "app/TForm1.h"
#include "results/TForm2.h"
#include "richtext/RtfReader.h"
#include "testing/ResultRow.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>

using namespace vorkast;
using namespace vorkast::test;

namespace {

const QString kTopicHint = QStringLiteral("Введите название темы");

// The program, its results window and a few helpers to drive it.
struct Window {
    AppFixture fx;
    TForm2 *form = nullptr;

    Window() { fx.writeLists({QStringLiteral("Математика")}, {"5", "7", "7А", "10"}); }
    void start()
    {
        fx.start();
        form = fx.app->form2();
    }
    void open() { fx.app->form1()->N7Click(); }
    Query &adores() { return fx.context().adores; }
    QTableView *grid() { return child<QTableView>(form, QStringLiteral("DBGridEh1")); }
    QPushButton *button(const char *name) { return child<QPushButton>(form, QString::fromLatin1(name)); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QString resultFolder() { return QDir(fx.workDir).filePath(QStringLiteral("result")); }
    QStringList documents() { return QDir(resultFolder()).entryList(QDir::Files, QDir::Name); }

    // The grid's column `column` top to bottom.
    QStringList column(int column = 0)
    {
        QStringList out;
        QAbstractItemModel *m = grid()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, column).data().toString();
        return out;
    }
    void chooseClass(const QString &klass)
    {
        auto *combo = child<QComboBox>(form, QStringLiteral("rzComboBox1"));
        const int i = combo->findText(klass);
        QVERIFY(i >= 0);
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }
    void clickTitle(const QString &title)
    {
        QHeaderView *h = grid()->horizontalHeader();
        for (int i = 0; i < h->count(); ++i) {
            if (grid()->model()->headerData(i, Qt::Horizontal).toString() == title) {
                QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                                  QPoint(h->sectionViewportPosition(i) + h->sectionSize(i) / 2, h->height() / 2));
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no title ") + title));
    }
    void clickCell(int row, int column)
    {
        grid()->scrollTo(grid()->model()->index(row, column));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                          grid()->visualRect(grid()->model()->index(row, column)).center());
    }
    // A click on `date` in the calendar, as a user picks a day.
    void clickDay(const QDate &date)
    {
        auto *calendar = child<QCalendarWidget>(form, QStringLiteral("sMonthCalendar1"));
        calendar->setCurrentPage(date.year(), date.month());
        auto *view = calendar->findChild<QTableView *>();
        QVERIFY(view);
        QModelIndex found;
        for (int r = 0; r < view->model()->rowCount(); ++r) {
            for (int c = 0; c < view->model()->columnCount(); ++c) {
                const QModelIndex i = view->model()->index(r, c);
                // Days of the neighbouring months show too: early days at the bottom, late ones at the top.
                if (i.data().toInt() == date.day() && (!found.isValid() || date.day() > 14))
                    found = found.isValid() && date.day() <= 14 ? found : i;
            }
        }
        QVERIFY(found.isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(found).center());
    }
    QVariantList galka() { return fx.column(DatabaseKind::Results, "SELECT galka FROM result ORDER BY \"index\""); }
};

ResultRowData row(const QString &fi, const QString &klass, const QString &test, const QString &data)
{
    ResultRowData r;
    r.fi = fi;
    r.klass = klass;
    r.test = test;
    r.data = data;
    return r;
}

// Six results; by name without regard to case: анисимова, Борисов, Васильева, Григорьев, Петров, Яковлев.
void seedList(AppFixture &fx)
{
    addResult(fx, row("Петров Пётр", "7", "Алгебра: дроби", "05.03.2014"));
    addResult(fx, row("анисимова Анна", "7а", "алгоритмы", "05.03.2014"));
    addResult(fx, row("Борисов Борис", "10", "Д'Артаньян и история", "06.03.2014"));
    addResult(fx, row("Яковлев Яков", "7", "100% задач", "06.03.2014"));
    addResult(fx, row("Васильева Вера", "5", "1000 задач", "01.04.2013"));
    const qint64 noTopic = addResult(fx, row("Григорьев Глеб", "7", "", "05.03.2014"));
    fx.sql(DatabaseKind::Results, "UPDATE result SET Test = NULL WHERE \"index\" = ?", {noTopic});
}

const QStringList kAllByName{"анисимова Анна", "Борисов Борис", "Васильева Вера", "Григорьев Глеб", "Петров Пётр",
                             "Яковлев Яков"};

// The state before the LCG step that gave `state`.
quint32 previousState(quint32 state)
{
    quint32 inverse = 134775813u;  // Newton's iteration for the inverse modulo 2^32
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - 134775813u * inverse;
    return (state - 1u) * inverse;
}

QString readDocument(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<unreadable>");
    QTextDocument doc;
    rtf::read(f.readAll(), doc);
    return doc.toPlainText();
}

// Types text key by key, Cyrillic included.
void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString reportShown(const ResultRowData &r)
{
    QString text = resultReport(r);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.chop(1);
    return text;
}

} // namespace

class TstResultsWindow : public QObject {
    Q_OBJECT

private slots:
    void firstShow()
    {
        Window w;
        seedList(w.fx);
        w.start();
        QVERIFY(!w.form->isVisible());
        w.open();
        QVERIFY(w.form->isVisible());
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Результаты"));
        QCOMPARE(w.column(), kAllByName);
        QStringList titles;
        for (int i = 0; i < w.grid()->model()->columnCount(); ++i)
            titles << w.grid()->model()->headerData(i, Qt::Horizontal).toString();
        QCOMPARE(titles, QStringList({"ФИ", "Класс", "Тема", "Оценка", "Дата", "Время", "Предмет", "Ответы", "Выбор"}));
        QCOMPARE(w.grid()->model()->index(0, 8).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(w.grid()->model()->index(0, 8).flags() & Qt::ItemIsUserCheckable);
        auto *classes = child<QComboBox>(w.form, QStringLiteral("rzComboBox1"));
        QStringList items;
        for (int i = 0; i < classes->count(); ++i)
            items << classes->itemText(i);
        QCOMPARE(items, QStringList({"5", "7", "7А", "10"}));
        QCOMPARE(classes->currentIndex(), -1);
        QCOMPARE(classes->currentText(), QString());
        QCOMPARE(child<QLineEdit>(w.form, QStringLiteral("rzEdit1"))->text(), kTopicHint);
        QCOMPARE(child<QCalendarWidget>(w.form, QStringLiteral("sMonthCalendar1"))->selectedDate(), QDate::currentDate());
        QVERIFY(!child<QWidget>(w.form, QStringLiteral("rzPanel1"))->isVisible());
        QCOMPARE(w.adores().sort(), QString());
        QCOMPARE(w.button("sBitBtn2")->text(), QStringLiteral("  Показать все    "));
        QVERIFY(w.fx.dialogs.calls.isEmpty());

        // Shown again: the class list is read again and any filter and sort are gone.
        w.chooseClass("7");
        w.clickTitle("Дата");
        w.form->hide();
        w.fx.writeLists({QStringLiteral("Математика")}, {"7", "8"});
        w.open();
        QCOMPARE(classes->count(), 2);
        QCOMPARE(classes->currentIndex(), -1);
        QCOMPARE(w.column(), kAllByName);
        QCOMPARE(w.adores().sort(), QString());
    }

    void missingClassListKeepsTheList()
    {
        Window w;
        seedList(w.fx);
        w.start();
        w.open();
        w.chooseClass("10");
        w.form->hide();
        w.fx.removeLists();
        w.open();
        QCOMPARE(w.fx.dialogs.errors().size(), 1);
        QVERIFY(w.fx.dialogs.errors().first().contains(QStringLiteral("klass.rfg")));
        QCOMPARE(w.column(), QStringList{"Борисов Борис"});
    }

    void filters_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("date") << "date" << "05.03.2014"
                              << QStringList{"Петров Пётр", "анисимова Анна", "Григорьев Глеб"};
        QTest::newRow("date without results") << "date" << "07.03.2014" << QStringList{};
        QTest::newRow("class") << "class" << "7" << QStringList{"Петров Пётр", "Яковлев Яков", "Григорьев Глеб"};
        QTest::newRow("class in other letter case") << "class" << "7А" << QStringList{"анисимова Анна"};
        QTest::newRow("topic prefix") << "topic" << "Ал" << QStringList{"анисимова Анна", "Петров Пётр"};
        QTest::newRow("topic with apostrophe") << "topic" << "Д'Арт" << QStringList{"Борисов Борис"};
        QTest::newRow("topic with percent sign") << "topic" << "100%" << QStringList{"Яковлев Яков"};
        QTest::newRow("topic box clicked") << "clear" << "Ал"
                                           << QStringList{"анисимова Анна", "Борисов Борис", "Васильева Вера",
                                                          "Петров Пётр", "Яковлев Яков"};
        QTest::newRow("class and date") << "sBitBtn5" << "7" << QStringList{"Петров Пётр", "Григорьев Глеб"};
        QTest::newRow("class and date, other button") << "sBitBtn7" << "7"
                                                      << QStringList{"Петров Пётр", "Григорьев Глеб"};
        QTest::newRow("class and date, no class chosen") << "sBitBtn5" << "" << QStringList{};
        QTest::newRow("show all") << "sBitBtn2" << "7" << kAllByName;
    }
    void filters()
    {
        QFETCH(QString, action);
        QFETCH(QString, argument);
        QFETCH(QStringList, expected);
        Window w;
        seedList(w.fx);
        w.start();
        w.open();
        auto *calendar = child<QCalendarWidget>(w.form, QStringLiteral("sMonthCalendar1"));
        auto *topic = child<QLineEdit>(w.form, QStringLiteral("rzEdit1"));
        // Each filter starts from a sorted list, which it must drop.
        w.clickTitle("Тема");
        QCOMPARE(w.adores().sort(), QStringLiteral("[Test] ASC"));

        if (action == "date") {
            calendar->setSelectedDate(QDate::fromString(argument, QStringLiteral("dd.MM.yyyy")));
        } else if (action == "class") {
            w.chooseClass(argument);
        } else if (action == "topic" || action == "clear") {
            QTest::mouseClick(topic, Qt::LeftButton);
            QCOMPARE(topic->text(), QString());
            type(topic, argument);
            QCOMPARE(topic->text(), argument);
            if (action == "clear") {
                QTest::mouseClick(topic, Qt::LeftButton);
                QCOMPARE(topic->text(), QString());
            }
        } else {
            calendar->setSelectedDate(QDate(2014, 3, 5));
            if (!argument.isEmpty())
                w.chooseClass(argument);
            w.clickTitle("Тема");
            w.click(action.toLatin1().constData());
        }
        QCOMPARE(w.column(), expected);
        QCOMPARE(w.adores().sort(), QString());
        QVERIFY(w.fx.dialogs.calls.isEmpty());
    }

    void todayFoundByClickingTheSelectedDay()
    {
        Window w;
        seedList(w.fx);
        const QDateTime now = QDateTime::currentDateTime();
        ResultRowData today = row("Новиков Ник", "7", "Дроби", resultDateText(now));
        today.vremya = resultTimeText(now);
        addResult(w.fx, today);
        w.start();
        w.open();
        auto *calendar = child<QCalendarWidget>(w.form, QStringLiteral("sMonthCalendar1"));
        QCOMPARE(calendar->selectedDate(), QDate::currentDate());
        w.clickDay(QDate::currentDate());
        QCOMPARE(w.column(), QStringList{"Новиков Ник"});
        QCOMPARE(w.form->calendarDate(), QDate::currentDate().toString("dd.MM.yyyy"));

        // A click that changes the day filters once, by the new day.
        w.clickDay(QDate(2014, 3, 6));
        QCOMPARE(w.column(), QStringList({"Борисов Борис", "Яковлев Яков"}));
    }

    void titleClicksToggleTheSort()
    {
        Window w;
        seedList(w.fx);
        w.start();
        w.open();
        QHeaderView *titles = w.grid()->horizontalHeader();
        const QStringList ascending{"01.04.2013", "05.03.2014", "05.03.2014", "05.03.2014", "06.03.2014", "06.03.2014"};
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());

        w.clickTitle("Дата");
        QCOMPARE(w.adores().sort(), QStringLiteral("[Data] ASC"));
        QCOMPARE(w.column(4), ascending);
        QCOMPARE(titles->sortIndicatorSection(), 4);
        QCOMPARE(titles->sortIndicatorOrder(), Qt::AscendingOrder);
        w.clickTitle("Дата");
        QCOMPARE(w.adores().sort(), QStringLiteral("[Data] DESC"));
        QCOMPARE(w.column(4), descending);
        QCOMPARE(titles->sortIndicatorOrder(), Qt::DescendingOrder);
        w.clickTitle("Дата");
        QCOMPARE(w.adores().sort(), QStringLiteral("[Data] ASC"));
        QCOMPARE(w.column(4), ascending);

        // Class is text: "10" before "5" before "7".
        w.clickTitle("Класс");
        QCOMPARE(w.adores().sort(), QStringLiteral("[Klass] ASC"));
        QCOMPARE(w.column(1), QStringList({"10", "5", "7", "7", "7", "7а"}));

        // Names in any letter case, a missing topic first.
        w.clickTitle("ФИ");
        QCOMPARE(w.column(), kAllByName);
        w.clickTitle("ФИ");
        QStringList byNameDescending = kAllByName;
        std::reverse(byNameDescending.begin(), byNameDescending.end());
        QCOMPARE(w.column(), byNameDescending);
        w.clickTitle("Тема");
        QCOMPARE(w.column(2).first(), QString());
        QCOMPARE(w.column(2).mid(3, 2), QStringList({"Алгебра: дроби", "алгоритмы"}));

        w.click("sBitBtn2");
        QCOMPARE(w.adores().sort(), QString());
        QCOMPARE(titles->sortIndicatorSection(), -1);
        QCOMPARE(w.column(), kAllByName);
    }

    void deleteRemovesTheCurrentRowAtOnce()
    {
        Window w;
        seedList(w.fx);
        w.start();
        w.open();
        w.clickCell(1, 0);
        QCOMPARE(w.adores().text("FI"), QStringLiteral("Борисов Борис"));
        w.click("sBitBtn3");
        QCOMPARE(w.column(), QStringList({"анисимова Анна", "Васильева Вера", "Григорьев Глеб", "Петров Пётр",
                                          "Яковлев Яков"}));
        QCOMPARE(w.fx.column(DatabaseKind::Results, "SELECT count(*) FROM result WHERE FI = ?", {"Борисов Борис"}),
                 QVariantList{0});
        QCOMPARE(w.adores().text("FI"), QStringLiteral("Васильева Вера"));
        QCOMPARE(w.grid()->currentIndex().row(), 1);

        // An empty list: nothing happens.
        child<QCalendarWidget>(w.form, QStringLiteral("sMonthCalendar1"))->setSelectedDate(QDate(2000, 1, 1));
        QCOMPARE(w.column(), QStringList());
        w.click("sBitBtn3");
        QCOMPARE(w.fx.column(DatabaseKind::Results, "SELECT count(*) FROM result"), QVariantList{5});
        QVERIFY(w.fx.dialogs.calls.isEmpty());
    }

    void tickWrittenAtOnceAndColumnChoiceLeavesTheGrid()
    {
        Window w;
        seedList(w.fx);
        w.start();
        w.open();
        w.clickCell(2, 8);
        QCOMPARE(w.fx.column(DatabaseKind::Results, "SELECT galka FROM result WHERE FI = ?", {"Васильева Вера"}),
                 QVariantList{1});
        QCOMPARE(w.grid()->model()->index(2, 8).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        w.clickCell(2, 8);
        QCOMPARE(w.fx.column(DatabaseKind::Results, "SELECT galka FROM result WHERE FI = ?", {"Васильева Вера"}),
                 QVariantList{0});

        for (int i = 1; i <= 8; ++i) {
            auto *box = child<QCheckBox>(w.form, QStringLiteral("rzCheckBox%1").arg(i));
            QVERIFY(box->isChecked());
            box->click();
        }
        QCOMPARE(w.grid()->model()->columnCount(), 9);
        for (int i = 0; i < 9; ++i)
            QVERIFY(!w.grid()->isColumnHidden(i));
        QCOMPARE(w.column(), kAllByName);
    }

    void reportPanelAtBothEnds()
    {
        Window w;
        ResultRowData a = row("Андреев", "7", "Дроби", "05.03.2014");
        a.correct = 9;
        ResultRowData b = row("Борисова", "7", "Дроби", "05.03.2014");
        b.correct = 3;
        addResult(w.fx, a);
        addResult(w.fx, b);
        // A report kept by an older version in Windows-1251, without a percentage.
        w.fx.sql(DatabaseKind::Results, "INSERT INTO result (FI, results, proc) VALUES (?, ?, NULL)",
                 {QStringLiteral("Яшин"), QByteArray("\xCE\xF6\xE5\xED\xEA\xE0: 5\r\n")});
        w.start();
        w.open();
        auto *panel = child<QWidget>(w.form, QStringLiteral("rzPanel1"));
        auto *text = child<QTextEdit>(w.form, QStringLiteral("RxRichEdit1"));
        auto *gauge = child<QProgressBar>(w.form, QStringLiteral("sGauge1"));

        w.click("sBitBtn4");
        QVERIFY(panel->isVisible());
        QCOMPARE(text->toPlainText(), reportShown(a));
        QCOMPARE(gauge->value(), 90);
        QCOMPARE(gauge->text(), QStringLiteral("90%"));
        w.click("sBitBtn9");
        QCOMPARE(text->toPlainText(), reportShown(a));
        QCOMPARE(w.adores().currentRow(), 0);
        w.click("sBitBtn10");
        QCOMPARE(text->toPlainText(), reportShown(b));
        QCOMPARE(gauge->value(), 30);
        QCOMPARE(w.grid()->currentIndex().row(), 1);
        w.click("sBitBtn10");
        QCOMPARE(text->toPlainText(), QStringLiteral("Оценка: 5"));
        QCOMPARE(gauge->value(), 0);
        w.click("sBitBtn10");
        QCOMPARE(text->toPlainText(), QStringLiteral("Оценка: 5"));
        QVERIFY(w.adores().eof());
        w.click("sBitBtn9");
        QCOMPARE(text->toPlainText(), reportShown(b));

        w.click("sBitBtn11");
        QVERIFY(!panel->isVisible());
        QCOMPARE(text->toPlainText(), reportShown(b));
        // Shown again, the window does not hide a panel left open.
        w.click("sBitBtn4");
        w.form->hide();
        w.open();
        QVERIFY(panel->isVisible());
        QVERIFY(w.fx.dialogs.calls.isEmpty());
    }

    void documentNameAndContent()
    {
        Window w;
        ResultRowData r = row("F", "7", "Дроби", "05.03.2014");
        r.predmet = QStringLiteral("алгебра");
        addResult(w.fx, r);
        w.start();
        w.open();
        QVERIFY(!QFileInfo::exists(w.resultFolder()));
        w.click("sBitBtn4");
        w.click("sBitBtn8");
        const quint32 n = w.fx.context().random.state() >> 24;  // the draw in 0..255 that gave this state
        const QString name = QStringLiteral("7 алгебра 05.03.2014 F_%1.rtf").arg(n);
        QCOMPARE(w.documents(), QStringList{name});
        QCOMPARE(readDocument(QDir(w.resultFolder()).filePath(name)), reportShown(r));
        QVERIFY(w.fx.dialogs.calls.isEmpty());

        // Saved again: a new draw from a new seeding names the second file.
        const quint32 first = w.fx.context().random.state();
        w.click("sBitBtn8");
        QVERIFY(w.fx.context().random.state() != first || w.documents().size() == 1);
        QVERIFY(w.documents().contains(QStringLiteral("7 алгебра 05.03.2014 F_%1.rtf")
                                           .arg(w.fx.context().random.state() >> 24)));
    }

    void hostileNameStaysInResultFolder()
    {
        Window w;
        ResultRowData r = row("../../x", "7", "Дроби", "05.03.2014");
        r.predmet = QStringLiteral("алгебра");
        addResult(w.fx, r);
        w.start();
        w.open();
        w.click("sBitBtn4");
        w.click("sBitBtn8");
        QVERIFY(w.fx.dialogs.calls.isEmpty());
        const QString name = QStringLiteral("7 алгебра 05.03.2014 ______x_%1.rtf").arg(w.fx.context().random.state() >> 24);
        QCOMPARE(w.documents(), QStringList{name});
        QStringList rtfFiles;
        QDirIterator it(w.fx.root(), {QStringLiteral("*.rtf")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            rtfFiles << it.next();
        QCOMPARE(rtfFiles, QStringList{QDir(w.resultFolder()).filePath(name)});
    }

    void saveTickedRowsOfTheList()
    {
        Window w;
        ResultRowData a = row("Антонов", "7", "Дроби", "05.03.2014");
        a.galka = true;
        ResultRowData b = row("Белов", "7", "Дроби", "05.03.2014");
        ResultRowData c = row("Волков", "7", "Дроби", "05.03.2014");
        c.galka = true;
        c.correct = 2;
        ResultRowData d = row("Гусев", "10", "Дроби", "05.03.2014");
        d.galka = true;
        for (const ResultRowData &r : {a, b, c, d})
            addResult(w.fx, r);
        w.start();
        w.open();
        w.chooseClass("7");
        w.click("sBitBtn6");

        QVERIFY2(w.fx.dialogs.errors().isEmpty(), qPrintable(w.fx.dialogs.errors().join('\n')));
        const quint32 last = w.fx.context().random.state();
        const QStringList expected{QStringLiteral("7 Математика 05.03.2014 Антонов_%1.rtf").arg(previousState(last) >> 24),
                                   QStringLiteral("7 Математика 05.03.2014 Волков_%1.rtf").arg(last >> 24)};
        QCOMPARE(w.documents(), expected);
        QCOMPARE(readDocument(QDir(w.resultFolder()).filePath(expected[0])), reportShown(a));
        QCOMPARE(readDocument(QDir(w.resultFolder()).filePath(expected[1])), reportShown(c));
        // Ticks cleared in the database and the grid; the row the filter hides keeps its tick.
        QCOMPARE(w.galka(), QVariantList({0, 0, 0, 1}));
        for (int r = 0; r < 3; ++r)
            QCOMPARE(w.grid()->model()->index(r, 8).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(w.adores().eof());
        QCOMPARE(child<QTextEdit>(w.form, QStringLiteral("RxRichEdit1"))->toPlainText(), reportShown(c));
        QVERIFY(!child<QWidget>(w.form, QStringLiteral("rzPanel1"))->isVisible());
        QCOMPARE(w.fx.dialogs.texts(FakeDialogs::Kind::Progress).size(), 1);
    }

    void saveTickedWithNoneTickedWritesNothing()
    {
        Window w;
        seedList(w.fx);
        w.start();
        w.open();
        w.click("sBitBtn6");
        QVERIFY(!QFileInfo::exists(w.resultFolder()));
        QVERIFY(w.adores().eof());
        QCOMPARE(w.galka(), QVariantList({0, 0, 0, 0, 0, 0}));
        QVERIFY(w.fx.dialogs.calls.isEmpty());
    }

    void saveTickedStopsAtTheFirstFailure()
    {
        Window w;
        const QString tooLong(300, QChar(0x0411));
        for (const QString &fi : {QStringLiteral("А"), tooLong, QStringLiteral("В")}) {
            ResultRowData r = row(fi, "7", "Дроби", "05.03.2014");
            r.galka = true;
            addResult(w.fx, r);
        }
        w.start();
        w.open();
        w.click("sBitBtn6");
        QCOMPARE(w.fx.dialogs.errors().size(), 1);
        QVERIFY2(w.fx.dialogs.errors().first().contains(QStringLiteral("result/7 Математика 05.03.2014 ") + tooLong),
                 qPrintable(w.fx.dialogs.errors().first()));
        QCOMPARE(w.documents().size(), 1);
        QVERIFY(w.documents().first().startsWith(QStringLiteral("7 Математика 05.03.2014 А_")));
        QCOMPARE(w.galka(), QVariantList({0, 1, 1}));
    }

    void saveTickedCancelledBetweenRows()
    {
        Window w;
        for (const char *fi : {"А", "Б", "В"}) {
            ResultRowData r = row(fi, "7", "Дроби", "05.03.2014");
            r.galka = true;
            addResult(w.fx, r);
        }
        w.start();
        w.open();
        w.fx.dialogs.cancelProgressAt = 1;
        w.click("sBitBtn6");
        QCOMPARE(w.documents().size(), 1);
        QCOMPARE(w.galka(), QVariantList({0, 1, 1}));
        QVERIFY(w.fx.dialogs.errors().isEmpty());
    }
};

QTEST_MAIN(TstResultsWindow)
#include "tst_resultswindow.moc"
