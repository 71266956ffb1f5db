// The topic catalogue: listing, filtering, sorting, deleting and opening tests.
#include "authoring/EditorDriver.h"

#include "data/QueryModel.h"
#include "platform/DefaultLists.h"

#include <QHeaderView>
#include <QtTest>

using namespace vorkast;
using namespace vorkast::test;

namespace {

QTableView *grid(AppFixture &fx)
{
    return child<QTableView>(fx.app->form1(), QStringLiteral("sDBGrid1"));
}

// The grid's column `column` from top to bottom.
QStringList gridColumn(AppFixture &fx, int column)
{
    QStringList out;
    QAbstractItemModel *model = grid(fx)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        out << model->index(row, column).data().toString();
    return out;
}

int topicCount(AppFixture &fx)
{
    return fx.column(DatabaseKind::Tests, QStringLiteral("SELECT count(*) FROM temy")).value(0).toInt();
}

void clickButton(AppFixture &fx, const char *name)
{
    click(fx.app->form1(), name);
}

} // namespace

class TstCatalog : public QObject {
    Q_OBJECT

private slots:
    void opensInEitherMode()
    {
        AppFixture fx;
        fx.addTest(QStringLiteral("Б"), QStringLiteral("2"), QStringLiteral("химия"), 1);
        fx.addTest(QStringLiteral("А"), QStringLiteral("10"), QStringLiteral("физика"), 1);
        fx.start();
        QWidget *panel = child<QWidget>(fx.app->form1(), QStringLiteral("sPanel1"));
        triggerMenu(fx, "N10");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->size(), QSize(793, 457));
        QVERIFY(child<QWidget>(panel, QStringLiteral("sPanel2"))->isVisible());
        QVERIFY(!child<QWidget>(panel, QStringLiteral("sPanel3"))->isVisible());
        QCOMPARE(gridColumn(fx, 1), (QStringList{QStringLiteral("10"), QStringLiteral("2")}));  // by klass, as text
        QCOMPARE(grid(fx)->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("вопросов"));
        // Read-only: a typed title would cut a test off from its questions.
        QVERIFY(!(grid(fx)->model()->flags(grid(fx)->model()->index(0, 0)) & Qt::ItemIsEditable));
        QCOMPARE(grid(fx)->editTriggers(), QAbstractItemView::NoEditTriggers);

        triggerMenu(fx, "N15");
        QVERIFY(!child<QWidget>(panel, QStringLiteral("sPanel2"))->isVisible());
        QVERIFY(child<QWidget>(panel, QStringLiteral("sPanel3"))->isVisible());
        QCOMPARE(child<QPushButton>(panel, QStringLiteral("sButton7"))->text(), QStringLiteral("Редактировать тему"));

        clickButton(fx, "sButton8");
        QVERIFY(!panel->isVisible());
        QVERIFY(!fx.context().ADOtemy.isActive() && !fx.context().ADOklassy.isActive());
    }

    void deleteTopic_data()
    {
        QTest::addColumn<QString>("klass");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("questions");
        QTest::newRow("class 7, three questions") << "7" << "sem" << "Дроби" << 3;
        QTest::newRow("class 3") << "3" << "tri" << "Дроби" << 2;
        QTest::newRow("class 11") << "11" << "odinnad" << "Дроби" << 2;
        QTest::newRow("no questions") << "7" << "sem" << "Дроби" << 0;
        QTest::newRow("quotes in the title") << "7" << "sem" << "Тест \"А\" и 'Б'" << 2;
    }
    void deleteTopic()
    {
        QFETCH(QString, klass);
        QFETCH(QString, table);
        QFETCH(QString, title);
        QFETCH(int, questions);
        AppFixture fx;
        const QString subject = QStringLiteral("физика");
        fx.addTest(title, klass, subject, questions);
        fx.addTest(title, QStringLiteral("8"), subject, 2);                 // same title, another class
        fx.addTest(title, klass, QStringLiteral("химия"), 1);               // same title, another subject
        fx.addTest(title.toUpper(), klass, subject, 1);                      // differs in letter case only
        fx.start();
        triggerMenu(fx, "N10");
        QVERIFY(selectTopic(fx, title, klass));
        const int listed = grid(fx)->model()->rowCount();
        clickButton(fx, "sButton5");

        QCOMPARE(fx.dialogs.calls.size(), 1);
        QCOMPARE(fx.dialogs.calls[0].kind, FakeDialogs::Kind::Confirm);
        QCOMPARE(fx.dialogs.calls[0].text, QStringLiteral("Вы хотите удалить тест?"));
        QCOMPARE(storedQuestions(fx, table, title, subject).size(), 0);
        QCOMPARE(topicCount(fx), 3);
        QCOMPARE(grid(fx)->model()->rowCount(), listed - 1);
        QCOMPARE(storedQuestions(fx, QStringLiteral("vosem"), title, subject).size(), 2);
        QCOMPARE(storedQuestions(fx, table, title, QStringLiteral("химия")).size(), 1);
        QCOMPARE(storedQuestions(fx, table, title.toUpper(), subject).size(), 1);
    }

    void cancelledDeletionChangesNothing()
    {
        AppFixture fx;
        fx.addTest(QStringLiteral("Дроби"), QStringLiteral("7"), QStringLiteral("физика"), 3);
        fx.start();
        triggerMenu(fx, "N10");
        fx.dialogs.confirmAnswers.enqueue(false);
        clickButton(fx, "sButton5");
        QCOMPARE(topicCount(fx), 1);
        QCOMPARE(rowCount(fx, QStringLiteral("sem")), 3);
        QCOMPARE(grid(fx)->model()->rowCount(), 1);
    }

    // A failure while deleting leaves the test and its questions as they were, and the grid shows them.
    void failedDeletionKeepsEverything()
    {
        AppFixture fx;
        fx.addTest(QStringLiteral("Дроби"), QStringLiteral("7"), QStringLiteral("физика"), 3);
        fx.sql(DatabaseKind::Tests, QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON temy "
                                                   "BEGIN SELECT RAISE(ABORT, 'тема защищена'); END"));
        fx.start();
        triggerMenu(fx, "N10");
        clickButton(fx, "sButton5");
        QCOMPARE(fx.dialogs.errors().size(), 1);
        QVERIFY(fx.dialogs.errors()[0].contains(QStringLiteral("тема защищена")));
        QCOMPARE(topicCount(fx), 1);
        QCOMPARE(rowCount(fx, QStringLiteral("sem")), 3);
        QCOMPARE(gridColumn(fx, 0), QStringList{QStringLiteral("Дроби")});
    }

    void classOutsideTheTables_data()
    {
        QTest::addColumn<QString>("klass");
        QTest::addColumn<bool>("edit");
        QTest::newRow("delete, class 12") << "12" << false;
        QTest::newRow("delete, class 0") << "0" << false;
        QTest::newRow("edit, class 12") << "12" << true;
        QTest::newRow("edit, no number") << "пятый" << true;
    }
    void classOutsideTheTables()
    {
        QFETCH(QString, klass);
        QFETCH(bool, edit);
        AppFixture fx;
        fx.addTopic(QStringLiteral("Странная"), klass, QStringLiteral("физика"), QStringLiteral("1"));
        fx.addTest(QStringLiteral("Странная"), QStringLiteral("5"), QStringLiteral("физика"), 1);
        fx.start();
        triggerMenu(fx, edit ? "N15" : "N10");
        QVERIFY(selectTopic(fx, QStringLiteral("Странная"), klass));
        clickButton(fx, edit ? "sButton7" : "sButton5");
        QCOMPARE(fx.dialogs.informations().size(), 1);
        QVERIFY(fx.dialogs.informations()[0].contains(QStringLiteral("«%1»").arg(klass)));
        QCOMPARE(fx.dialogs.calls.size(), 1);  // no confirmation asked
        QCOMPARE(topicCount(fx), 2);
        QCOMPARE(rowCount(fx, QStringLiteral("pyat")), 1);
        QVERIFY(!fx.app->form3()->isVisible());
    }

    void subjectFilterGrowsAtEachOpening()
    {
        AppFixture fx;
        fx.writeLists({QStringLiteral("физика"), QStringLiteral("химия")}, defaultClassList());
        fx.start();
        auto *filter = child<QComboBox>(fx.app->form1(), QStringLiteral("RzComboBox2"));
        triggerMenu(fx, "N10");
        triggerMenu(fx, "N15");
        QStringList items;
        for (int i = 0; i < filter->count(); ++i)
            items << filter->itemText(i);
        const QStringList list{QStringLiteral("физика"), QStringLiteral("химия")};
        QCOMPARE(items, list + list + list);
    }

    void titleClicksSort()
    {
        AppFixture fx;
        for (const char *klass : {"2", "10", "1", "11"})
            fx.addTopic(QStringLiteral("Тема %1").arg(klass), QString::fromLatin1(klass), QStringLiteral("физика"),
                        QStringLiteral("1"));
        fx.start();
        triggerMenu(fx, "N10");
        QHeaderView *header = grid(fx)->horizontalHeader();
        auto clickTitle = [&](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        };
        const QStringList ascending{"1", "10", "11", "2"};
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());

        clickTitle(1);
        QCOMPARE(fx.context().ADOtemy.sort(), QStringLiteral("[klass] ASC"));
        QCOMPARE(gridColumn(fx, 1), ascending);
        clickTitle(1);
        QCOMPARE(fx.context().ADOtemy.sort(), QStringLiteral("[klass] DESC"));
        QCOMPARE(gridColumn(fx, 1), descending);
        QCOMPARE(header->sortIndicatorSection(), 1);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        clickTitle(1);
        QCOMPARE(gridColumn(fx, 1), ascending);
        clickTitle(1);
        clickTitle(0);  // another column after a descending sort: ascending
        QCOMPARE(fx.context().ADOtemy.sort(), QStringLiteral("[tema] ASC"));
        QCOMPARE(gridColumn(fx, 0).first(), QStringLiteral("Тема 1"));

        clickButton(fx, "sButton4");  // a filter shows the statement's own order
        QCOMPARE(fx.context().ADOtemy.sort(), QString());
        QCOMPARE(header->sortIndicatorSection(), -1);
    }

    void filters_data()
    {
        QTest::addColumn<QString>("klass");    // chosen in the class filter, or empty
        QTest::addColumn<QString>("subject");  // chosen in the subject filter, or empty
        QTest::addColumn<QString>("command");  // "class", "subject", "both", "all"
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("class") << "7" << "" << "class" << QStringList{"А", "Б", "В"};
        QTest::newRow("subject, other letter case") << "" << "физика" << "subject" << QStringList{"А", "В", "Д"};
        QTest::newRow("class and subject") << "7" << "физика" << "both" << QStringList{"А", "В"};
        QTest::newRow("all by title") << "" << "" << "all" << QStringList{"А", "Б", "В", "г", "Д"};
    }
    void filters()
    {
        QFETCH(QString, klass);
        QFETCH(QString, subject);
        QFETCH(QString, command);
        QFETCH(QStringList, titles);
        AppFixture fx;
        fx.addTopic(QStringLiteral("Д"), QStringLiteral("8"), QStringLiteral("физика"), QStringLiteral("1"));
        fx.addTopic(QStringLiteral("В"), QStringLiteral("7"), QStringLiteral("Физика"), QStringLiteral("1"));
        fx.addTopic(QStringLiteral("Б"), QStringLiteral("7"), QStringLiteral("химия"), QStringLiteral("1"));
        fx.addTopic(QStringLiteral("А"), QStringLiteral("7"), QStringLiteral("ФИЗИКА"), QStringLiteral("1"));
        fx.addTopic(QStringLiteral("г"), QStringLiteral("9"), QStringLiteral("физ_ка"), QStringLiteral("1"));
        fx.start();
        fx.context().editor.editorSubject = QStringLiteral("химия");
        triggerMenu(fx, "N10");
        QWidget *form1 = fx.app->form1();
        if (!klass.isEmpty())
            QVERIFY(choose(child<QComboBox>(form1, QStringLiteral("rzComboBox1")), klass));
        if (!subject.isEmpty())
            QVERIFY(choose(child<QComboBox>(form1, QStringLiteral("RzComboBox2")), subject));
        if (command == QLatin1String("both"))
            clickButton(fx, "sButton3");
        else if (command == QLatin1String("all"))
            clickButton(fx, "sButton4");
        QStringList shown = gridColumn(fx, 0);
        if (command != QLatin1String("all"))
            shown.sort();
        QCOMPARE(shown, titles);
        QVERIFY(fx.dialogs.calls.isEmpty());
        QCOMPARE(fx.context().editor.editorSubject, QStringLiteral("химия"));  // the editor's subject stays
    }

    void editShowsTheFirstQuestionInTheRightBoxes()
    {
        AppFixture fx;
        const QStringList texts = questionTexts(1);
        QList<QTextCharFormat> formats;
        QVariantList values;
        for (int i = 0; i < 5; ++i) {
            QTextCharFormat f;
            f.setFontWeight(i == 0 ? QFont::Bold : QFont::Normal);
            f.setForeground(i == 4 ? QColor(Qt::darkGreen) : QColor(Qt::black));
            f.setFontPointSize(12 + i);
            formats << f;
            QTextDocument doc;
            QTextCursor(&doc).insertText(texts[i], f);
            values << rtf::write(doc);
        }
        values << QStringLiteral("Дроби") << QStringLiteral("физика");
        fx.addTopic(QStringLiteral("Дроби"), QStringLiteral("7"), QStringLiteral("физика"), QStringLiteral("2"));
        fx.sql(DatabaseKind::Tests,
               QStringLiteral("INSERT INTO sem (vopros, otvet1, otvet2, otvet3, otvet4, tema, predmet) "
                              "VALUES (?, ?, ?, ?, ?, ?, ?)"),
               values);
        fx.addQuestion(QStringLiteral("7"), QStringLiteral("Дроби"), QStringLiteral("физика"), questionTexts(2));
        fx.start();
        TForm3 *editor = openForEditing(fx, QStringLiteral("Дроби"));
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(boxTexts(editor), texts);
        QCOMPARE(fx.context().ADOklassy.recordCount(), 2);
        QCOMPARE(fx.context().ADOklassy.currentRow(), 0);
        QCOMPARE(fx.context().ADOtemy.text(QStringLiteral("tema")), QStringLiteral("Дроби"));
        for (int i = 0; i < 5; ++i) {
            QTextCursor probe(box(editor, i + 1)->document());
            probe.movePosition(QTextCursor::NextCharacter);
            QCOMPARE(probe.charFormat().fontWeight(), formats[i].fontWeight());
            QCOMPARE(probe.charFormat().foreground().color(), formats[i].foreground().color());
            QCOMPARE(probe.charFormat().fontPointSize(), formats[i].fontPointSize());
        }
    }

    void emptyListRefusesDeleteAndEdit()
    {
        AppFixture fx;
        fx.start();
        triggerMenu(fx, "N10");
        clickButton(fx, "sButton5");
        triggerMenu(fx, "N15");
        clickButton(fx, "sButton7");
        QCOMPARE(fx.dialogs.informations(),
                 (QStringList{QStringLiteral("Выберите тему в списке."), QStringLiteral("Выберите тему в списке.")}));
        QVERIFY(!fx.app->form3()->isVisible());
    }
};

QTEST_MAIN(TstCatalog)
#include "tst_catalog.moc"
