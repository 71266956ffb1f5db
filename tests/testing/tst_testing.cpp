#include "support/AppFixture.h"

#include "app/TForm1.h"
#include "data/Connection.h"
#include "platform/RandomGenerator.h"
#include "testing/AnswerLayout.h"
#include "testing/Grading.h"
#include "testing/ResultReport.h"
#include "testing/TForm4.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

using namespace vorkast;
using namespace vorkast::test;

namespace {

const QString kTopic = QStringLiteral("Законы Ньютона");
const QString kSubject = QStringLiteral("физика");
const QDateTime kFinish(QDate(2024, 3, 5), QTime(9, 7, 3));

// Correct answer positions of a fresh run's first twelve questions (layouts 0 0 3 0 1 2 1 0 1 1 0 1).
const QList<int> kFirstCorrectPositions = {4, 4, 2, 4, 1, 3, 1, 4, 1, 1, 4, 1};

// The testing window of a started program, driven through its widgets.
struct Window {
    AppFixture &fx;
    TForm4 *form = nullptr;

    explicit Window(AppFixture &f) : fx(f) {}

    void open()
    {
        fx.app->form1()->menuItem(QStringLiteral("N2"))->trigger();
        form = fx.app->form4();
        form->setClock([] { return kFinish; });
        QVERIFY(form->isVisible());
    }
    template <typename T>
    T *get(const char *name) const
    {
        return child<T>(form, QString::fromLatin1(name));
    }
    void typeName(const QString &name)
    {
        auto *edit = get<QLineEdit>("rzEdit1");
        for (const QChar c : name)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
    void choose(const char *chooser, const QString &text)
    {
        auto *box = get<QComboBox>(chooser);
        const int i = box->findText(text);
        QVERIFY2(i >= 0, qPrintable(text));
        box->setCurrentIndex(i);
        emit box->activated(i);
    }
    QStringList topics() const
    {
        QStringList out;
        QAbstractItemModel *m = get<QTableView>("sDBGrid1")->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, 0).data().toString();
        return out;
    }
    void clickTopic(const QString &title)
    {
        auto *view = get<QTableView>("sDBGrid1");
        const int row = topics().indexOf(title);
        QVERIFY2(row >= 0, qPrintable(title));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
    }
    void click(const char *button) { QTest::mouseClick(get<QAbstractButton>(button), Qt::LeftButton); }
    void clickAnswer(int position)
    {
        QRadioButton *rb = get<QRadioButton>(qPrintable(QStringLiteral("rb%1").arg(position)));
        QTest::mouseClick(rb, Qt::LeftButton, {}, QPoint(10, rb->height() / 2));
    }
    // Class, subject and topic chosen, then "Начать тестирование".
    void start(const QString &name, const QString &klass = QStringLiteral("9"), const QString &topic = kTopic)
    {
        typeName(name);
        choose("rzComboBox4", klass);
        choose("rzComboBox1", kSubject);
        clickTopic(topic);
        click("rzbutton3");
    }
    QString box(int n) const
    {
        return get<QTextEdit>(qPrintable(QStringLiteral("RxRichEdit%1").arg(n)))->toPlainText();
    }
    // The answer position (1..4) that shows the text "Верно i".
    int positionOfCorrect(int question) const
    {
        for (int p = 1; p <= 4; ++p) {
            if (box(p + 1) == QStringLiteral("Верно %1").arg(question))
                return p;
        }
        return 0;
    }
    int checkedAnswer() const
    {
        for (int p = 1; p <= 4; ++p) {
            if (get<QRadioButton>(qPrintable(QStringLiteral("rb%1").arg(p)))->isChecked())
                return p;
        }
        return 0;
    }
    QString number() const { return get<QLabel>("sLabel1")->text(); }
};

QStringList storedReport(AppFixture &fx, qint64 key)
{
    const QVariantList blobs =
        fx.column(DatabaseKind::Results, QStringLiteral("SELECT results FROM result WHERE \"index\" = ?"), {key});
    return blobs.isEmpty() ? QStringList() : reportLines(blobs.first().toByteArray());
}

QList<qint64> resultKeys(AppFixture &fx)
{
    QList<qint64> keys;
    for (const QVariant &v : fx.column(DatabaseKind::Results, QStringLiteral("SELECT \"index\" FROM result ORDER BY 1")))
        keys << v.toLongLong();
    return keys;
}

// Every character of a document at one point size.
bool allTextAt(const QTextEdit *box, qreal points)
{
    for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().fontPointSize() != points)
                return false;
        }
    }
    return !box->toPlainText().isEmpty();
}

} // namespace

class TstTesting : public QObject {
    Q_OBJECT

private slots:
    void aPupilsWholeTest()
    {
        AppFixture fx;
        fx.addTest(kTopic, QStringLiteral("9"), kSubject, 12);
        fx.addTest(QStringLiteral("Оптика"), QStringLiteral("9"), kSubject, 2);
        fx.addTest(QStringLiteral("Кинематика"), QStringLiteral("8"), kSubject, 2);
        fx.addTest(QStringLiteral("Клетка"), QStringLiteral("9"), QStringLiteral("биология"), 2);
        fx.start();
        Window w(fx);
        w.open();
        QCOMPARE(w.form->windowModality(), Qt::ApplicationModal);
        QVERIFY(w.get<QWidget>("rzPanel2")->isVisible());
        QCOMPARE(w.get<QComboBox>("rzComboBox4")->currentIndex(), -1);
        QCOMPARE(w.get<QComboBox>("rzComboBox4")->placeholderText(), QStringLiteral("Выбрать класс"));
        QCOMPARE(w.get<QComboBox>("rzComboBox1")->currentIndex(), -1);
        QCOMPARE(w.get<QComboBox>("rzComboBox3")->currentText(), QStringLiteral("Тестирование"));
        QVERIFY(w.topics().isEmpty());

        w.typeName(QStringLiteral("Ивановой Марии"));
        w.choose("rzComboBox4", QStringLiteral("9"));
        QVERIFY(w.topics().isEmpty());
        w.choose("rzComboBox1", kSubject);
        QCOMPARE(w.topics(), (QStringList{kTopic, QStringLiteral("Оптика")}));
        w.clickTopic(kTopic);
        w.choose("rzComboBox3", QStringLiteral("Итоговый контроль"));
        w.click("rzbutton3");
        QVERIFY(fx.dialogs.calls.isEmpty());
        QVERIFY(!w.get<QWidget>("rzPanel2")->isVisible());
        QVERIFY(w.get<QWidget>("sPanel1")->isVisible());
        QVERIFY(!w.get<QWidget>("rzPanel1")->isVisible());
        QVERIFY(w.get<QPushButton>("rzbutton2")->isEnabled());
        QCOMPARE(w.number(), QStringLiteral("1"));
        QCOMPARE(w.box(1), QStringLiteral("Вопрос 1"));
        QCOMPARE(w.box(2), QStringLiteral("Неверно 1.1"));  // layout 0: otvet1..otvet4 top to bottom
        QCOMPARE(w.box(5), QStringLiteral("Верно 1"));
        QCOMPARE(w.checkedAnswer(), 0);

        // Answers: right, wrong, none, wrong then right, right, right, wrong; 8..12 never shown.
        const QList<int> picks = {4, 1, 0, 1, 1, 3, 2};
        for (int q = 1; q <= 9; ++q) {
            QCOMPARE(w.number(), QString::number(q));
            QCOMPARE(w.box(1), QStringLiteral("Вопрос %1").arg(q));
            QCOMPARE(w.positionOfCorrect(q), kFirstCorrectPositions[q - 1]);
            if (q <= picks.size() && picks[q - 1] != 0)
                w.clickAnswer(picks[q - 1]);
            if (q == 4)
                w.clickAnswer(4);
            if (q < 9)
                w.click("suda");
        }
        // Back to 2 and 3: the recorded choice and no choice are shown again, layouts unchanged.
        for (int q = 9; q > 2; --q)
            w.click("tuda");
        QCOMPARE(w.number(), QStringLiteral("2"));
        QCOMPARE(w.checkedAnswer(), 1);
        QCOMPARE(w.positionOfCorrect(2), 4);
        w.click("suda");
        QCOMPARE(w.checkedAnswer(), 0);
        w.click("suda");
        QCOMPARE(w.checkedAnswer(), 4);
        w.click("tuda");
        w.click("tuda");
        w.click("tuda");
        QCOMPARE(w.number(), QStringLiteral("1"));
        w.click("tuda");  // nothing before the first question
        QCOMPARE(w.number(), QStringLiteral("1"));
        QCOMPARE(w.checkedAnswer(), 4);

        w.click("rzbutton2");
        QCOMPARE(fx.dialogs.errors(), QStringList());
        QCOMPARE(fx.dialogs.informations(), QStringList{QStringLiteral("Ваша оценка за тест 3\r4 правильных ответов из 12")});

        QStringList report = {QStringLiteral("Итоговый контроль по предмету: физика"),
                              QStringLiteral("Ученика (цы) 9 класса Ивановой Марии"),
                              QString(),
                              QStringLiteral("1. d) +"),
                              QStringLiteral("2. a)  "),
                              QStringLiteral("3.  -"),
                              QStringLiteral("4. d) +"),
                              QStringLiteral("5. a) +"),
                              QStringLiteral("6. c) +"),
                              QStringLiteral("7. b)  ")};
        for (int q = 8; q <= 12; ++q)
            report << QStringLiteral("%1.  -").arg(q);
        report << QString() << QStringLiteral("Общее количество вопросов: 12")
               << QStringLiteral("Количество правильных ответов: 4") << QStringLiteral("Оценка: 3");

        QSqlQuery row = fx.sql(DatabaseKind::Results,
                               QStringLiteral("SELECT \"index\", FI, Klass, Test, Ocenka, Data, predmet, prav, results, "
                                              "galka, vremya, proc FROM result"));
        QVERIFY(row.next());
        QCOMPARE(row.value(1).toString(), QStringLiteral("Ивановой Марии"));
        QCOMPARE(row.value(2).toString(), QStringLiteral("9"));
        QCOMPARE(row.value(3).toString(), kTopic);
        QCOMPARE(row.value(4).toString(), QStringLiteral("3"));
        QCOMPARE(row.value(5).toString(), QStringLiteral("05.03.2024"));
        QCOMPARE(row.value(6).toString(), kSubject);
        QCOMPARE(row.value(7).toString(), QStringLiteral("4 из 12"));
        QCOMPARE(row.value(8).toByteArray(), (report.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
        QCOMPARE(row.value(9).toInt(), 0);
        QCOMPARE(row.value(10).toString(), QStringLiteral("09:07:03"));
        QCOMPARE(row.value(11).toInt(), 33);
        QVERIFY(!row.next());

        // The result panel: the stored report, the percentage; nothing else to press but "Закрыть".
        QVERIFY(w.get<QWidget>("rzPanel1")->isVisible());
        QCOMPARE(w.get<QTextEdit>("RxRichEdit6")->toPlainText().split(QLatin1Char('\n')), report);
        QCOMPARE(w.get<QProgressBar>("sGauge1")->value(), 33);
        QCOMPARE(w.get<QProgressBar>("sGauge1")->text(), QStringLiteral("33%"));
        for (const char *name : {"rzbutton2", "tuda", "suda", "rb1", "rb2", "rb3", "rb4"})
            QVERIFY2(!w.get<QWidget>(name)->isEnabled(), name);
        QCOMPARE(w.checkedAnswer(), 0);
        for (int b = 1; b <= 5; ++b)
            QVERIFY(w.box(b).isEmpty());
        QVERIFY(!fx.context().ADOklassy.isActive());
        QCOMPARE(w.get<QComboBox>("rzComboBox4")->currentIndex(), -1);
        QCOMPARE(w.get<QComboBox>("rzComboBox3")->currentIndex(), 0);

        // The window refuses any close but its own buttons.
        QVERIFY(!w.form->close());
        QVERIFY(w.form->isVisible());

        fx.writeLists(fx.context().subjectList, {QStringLiteral("9"), QStringLiteral("10")});
        w.click("sButton7");
        QVERIFY(!w.form->isVisible());
        QVERIFY(!w.get<QWidget>("rzPanel1")->isVisibleTo(w.form));
        QVERIFY(w.get<QWidget>("rzPanel2")->isVisibleTo(w.form));
        QVERIFY(w.get<QLineEdit>("rzEdit1")->text().isEmpty());
        QVERIFY(!fx.context().ADOtemy.isActive());
        QVERIFY(fx.context().ADOtemy.sql().isEmpty());
        QCOMPARE(w.get<QComboBox>("rzComboBox4")->count(), 2);
        QCOMPARE(w.get<QComboBox>("rzComboBox4")->currentIndex(), -1);
        QCOMPARE(w.form->state().chosenTopic, kTopic);
        QVERIFY(fx.dialogs.errors().isEmpty());
    }

    void startRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("chooseClass");
        QTest::addColumn<bool>("clickTopic");
        QTest::addColumn<QString>("vopr");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("message");
        const QString notReady =
            QStringLiteral("Тест «Тема» не готов: в нём не указано количество вопросов. Выберите другую тему.");
        QTest::newRow("no name") << QString() << true << true << "2" << 2
                                 << QStringLiteral("Вы не ввели свою Фамилию и Имя!");
        QTest::newRow("no class") << "Петрова" << false << false << "2" << 2
                                  << QStringLiteral("Вы не выбрали свой класс!");
        QTest::newRow("no topic") << "Петрова" << true << false << "2" << 2 << QStringLiteral("Вы не выбрали тему!");
        QTest::newRow("unfinished test") << "Петрова" << true << true << "" << 2 << notReady;
        QTest::newRow("zero questions") << "Петрова" << true << true << "0" << 0 << notReady;
        QTest::newRow("count not a number") << "Петрова" << true << true << "пять" << 2 << notReady;
        QTest::newRow("no question rows") << "Петрова" << true << true << "3" << 0
                                          << QStringLiteral("В тесте «Тема» нет вопросов. Выберите другую тему.");
    }
    void startRefusals()
    {
        QFETCH(QString, name);
        QFETCH(bool, chooseClass);
        QFETCH(bool, clickTopic);
        QFETCH(QString, vopr);
        QFETCH(int, rows);
        QFETCH(QString, message);
        AppFixture fx;
        fx.addTopic(QStringLiteral("Тема"), QStringLiteral("9"), kSubject, vopr);
        for (int i = 0; i < rows; ++i)
            fx.addQuestion(QStringLiteral("9"), QStringLiteral("Тема"), kSubject, {"в", "1", "2", "3", "4"});
        fx.start();
        Window w(fx);
        w.open();
        w.typeName(name);
        if (chooseClass) {
            w.choose("rzComboBox4", QStringLiteral("9"));
            w.choose("rzComboBox1", kSubject);
            if (clickTopic)
                w.clickTopic(QStringLiteral("Тема"));
        }
        w.click("rzbutton3");
        QCOMPARE(fx.dialogs.informations(), QStringList{message});
        QVERIFY(w.get<QWidget>("rzPanel2")->isVisible());
        QCOMPARE(w.number(), QStringLiteral("1"));
        QVERIFY(w.form->state().report.isEmpty());
        QVERIFY(!w.get<QPushButton>("rzbutton2")->isEnabled());
        QCOMPARE(fx.context().random.state(), 0u);  // a refused start draws no layouts
    }

    void topicClicksAndChoosers()
    {
        AppFixture fx;
        fx.addTest(kTopic, QStringLiteral("9"), kSubject, 2);
        fx.addTest(kTopic, QStringLiteral("10"), kSubject, 3);
        fx.addTest(QStringLiteral("Оптика"), QStringLiteral("10"), kSubject, 1);
        fx.start();
        Window w(fx);
        w.open();

        // A click on the empty list chooses nothing.
        auto *grid = w.get<QTableView>("sDBGrid1");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(fx.dialogs.informations(), QStringList{QStringLiteral("Вы не выбрали тест")});
        QVERIFY(w.form->state().chosenTopic.isEmpty());

        w.choose("rzComboBox4", QStringLiteral("9"));
        // A subject line differing in case lists the same topics.
        w.get<QComboBox>("rzComboBox1")->addItem(QStringLiteral("ФИЗИКА"));
        w.choose("rzComboBox1", QStringLiteral("ФИЗИКА"));
        QCOMPARE(w.topics(), QStringList{kTopic});
        w.clickTopic(kTopic);
        QCOMPARE(w.form->state().chosenTopic, kTopic);

        // Keyboard movement in the grid does not choose; Enter does.
        w.choose("rzComboBox4", QStringLiteral("10"));
        QCOMPARE(w.topics(), (QStringList{kTopic, QStringLiteral("Оптика")}));
        QCOMPARE(fx.context().ADOtemy.currentRow(), 0);  // the chosen topic is shown as current
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(fx.context().ADOtemy.currentRow(), 1);
        QCOMPARE(w.form->state().chosenTopic, kTopic);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(w.form->state().chosenTopic, QStringLiteral("Оптика"));

        // A class text outside 1..11 keeps the class recognised before.
        w.get<QComboBox>("rzComboBox4")->addItem(QStringLiteral("5А"));
        w.choose("rzComboBox4", QStringLiteral("5А"));
        QCOMPARE(w.form->state().classNumber, QStringLiteral("10"));
        QCOMPARE(w.form->state().classTable, QStringLiteral("desat"));
        QCOMPARE(w.topics(), (QStringList{kTopic, QStringLiteral("Оптика")}));

        // The pupil's test then comes from the class recognised last, with the chooser's text in the row.
        w.typeName(QStringLiteral("   "));  // blanks count as a name
        w.click("rzbutton3");
        QCOMPARE(fx.dialogs.informations().size(), 1);
        QCOMPARE(w.box(1), QStringLiteral("Вопрос 1"));
        QCOMPARE(w.form->state().questionCount, 1);
        QCOMPARE(w.form->state().report.mid(0, 2),
                 (QStringList{QStringLiteral("Тестирование по предмету: ФИЗИКА"),
                              QStringLiteral("Ученика (цы) 5А класса    ")}));
    }

    void questionCountFollowsRows()
    {
        AppFixture fx;
        const qint64 topic = fx.addTest(kTopic, QStringLiteral("9"), kSubject, 3);
        fx.sql(DatabaseKind::Tests, QStringLiteral("UPDATE temy SET vopr = '5' WHERE \"index\" = ?"), {topic});
        fx.addTest(QStringLiteral("Длинный"), QStringLiteral("9"), kSubject, 152);
        fx.start();
        Window w(fx);
        w.open();
        w.start(QStringLiteral("Сидорова"));
        for (int i = 0; i < 4; ++i)
            w.click("suda");
        QCOMPARE(w.number(), QStringLiteral("3"));  // a stale count of 5 does not run past the rows
        QCOMPARE(w.box(1), QStringLiteral("Вопрос 3"));
        w.click("rzbutton2");
        QCOMPARE(fx.dialogs.informations().last(), QStringLiteral("Ваша оценка за тест 2\r0 правильных ответов из 3"));
        w.click("sButton7");

        // No limit of 150 questions.
        w.open();
        w.start(QStringLiteral("Сидорова"), QStringLiteral("9"), QStringLiteral("Длинный"));
        QCOMPARE(w.form->state().questionCount, 152);
        for (int i = 0; i < 151; ++i)
            w.click("suda");
        QCOMPARE(w.number(), QStringLiteral("152"));
        QCOMPARE(w.box(1), QStringLiteral("Вопрос 152"));
        w.clickAnswer(w.positionOfCorrect(152));
        w.click("rzbutton2");
        QCOMPARE(fx.dialogs.informations().last(), QStringLiteral("Ваша оценка за тест 2\r1 правильных ответов из 152"));
        const QStringList report = storedReport(fx, resultKeys(fx).last());
        QCOMPARE(report.size(), 3 + 152 + 4);
        QVERIFY(report[3 + 151].startsWith(QStringLiteral("152. ")) && report[3 + 151].endsWith(QStringLiteral(") +")));
    }

    void gradeAndPercent_data()
    {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("grade");
        QTest::addColumn<int>("proc");
        QTest::newRow("0 of 5") << 0 << 5 << 2 << 0;
        QTest::newRow("1 of 5") << 1 << 5 << 3 << 20;
        QTest::newRow("19 of 100") << 19 << 100 << 2 << 19;
        QTest::newRow("4 of 21") << 4 << 21 << 3 << 19;
        QTest::newRow("31 of 50") << 31 << 50 << 3 << 62;
        QTest::newRow("13 of 21") << 13 << 21 << 3 << 62;
        QTest::newRow("5 of 8") << 5 << 8 << 4 << 62;
        QTest::newRow("2 of 3") << 2 << 3 << 4 << 67;
        QTest::newRow("7 of 8") << 7 << 8 << 4 << 88;
        QTest::newRow("22 of 25") << 22 << 25 << 4 << 88;
        QTest::newRow("8 of 9") << 8 << 9 << 5 << 89;
        QTest::newRow("10 of 10") << 10 << 10 << 5 << 100;
        QTest::newRow("1 of 8, half down to even") << 1 << 8 << 2 << 12;
        QTest::newRow("3 of 8, half up to even") << 3 << 8 << 3 << 38;
        QTest::newRow("39 of 200, 19.5") << 39 << 200 << 3 << 20;
    }
    void gradeAndPercent()
    {
        QFETCH(int, correct);
        QFETCH(int, count);
        QFETCH(int, grade);
        QFETCH(int, proc);
        const double p = scorePercent(correct, count);
        QCOMPARE(gradeFor(p), grade);
        QCOMPARE(roundHalfEven(p), proc);
    }

    void answerLayouts_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<int>("correct");
        QTest::newRow("0") << 0 << QStringList{"otvet1", "otvet2", "otvet3", "otvet4"} << 4;
        QTest::newRow("1") << 1 << QStringList{"otvet4", "otvet3", "otvet2", "otvet1"} << 1;
        QTest::newRow("2") << 2 << QStringList{"otvet2", "otvet1", "otvet4", "otvet3"} << 3;
        QTest::newRow("3") << 3 << QStringList{"otvet3", "otvet4", "otvet1", "otvet2"} << 2;
    }
    void answerLayouts()
    {
        QFETCH(int, layout);
        QFETCH(QStringList, columns);
        QFETCH(int, correct);
        const auto shown = answerColumns(layout);
        QCOMPARE(QStringList(shown.begin(), shown.end()), columns);
        QCOMPARE(correctPositionOf(layout), correct);
    }

    void generatorRunsOnFromTestToTest()
    {
        RandomGenerator fresh;
        QList<int> first;
        for (int i = 0; i < 12; ++i)
            first << int(fresh.draw(4));
        QCOMPARE(first, (QList<int>{0, 0, 3, 0, 1, 2, 1, 0, 1, 1, 0, 1}));

        AppFixture fx;
        fx.addTest(kTopic, QStringLiteral("9"), kSubject, 3);
        fx.start();
        Window w(fx);
        w.open();
        w.start(QStringLiteral("Первой"));
        QCOMPARE(w.form->state().answerLayout, (std::vector<int>{0, 0, 0, 3}));
        w.click("rzbutton2");
        w.click("sButton7");
        w.open();
        w.start(QStringLiteral("Второй"));
        QCOMPARE(w.form->state().answerLayout, (std::vector<int>{0, 0, 1, 2}));
    }

    void fontSizeAndEnlargement()
    {
        AppFixture fx;
        fx.addTest(kTopic, QStringLiteral("9"), kSubject, 3);
        fx.start();
        Window w(fx);
        w.open();
        w.start(QStringLiteral("Орловой"));
        auto *question = w.get<QTextEdit>("RxRichEdit1");
        QVERIFY(!allTextAt(question, 20));  // question 1 keeps the sizes stored with it

        w.get<QSpinBox>("sSpinEdit1")->setValue(20);
        for (int b = 1; b <= 5; ++b)
            QVERIFY2(allTextAt(w.get<QTextEdit>(qPrintable(QStringLiteral("RxRichEdit%1").arg(b))), 20), qPrintable(QString::number(b)));
        w.click("suda");
        for (int b = 1; b <= 5; ++b)
            QVERIFY(allTextAt(w.get<QTextEdit>(qPrintable(QStringLiteral("RxRichEdit%1").arg(b))), 20));

        // Double-click enlarges a box over its neighbours; again, it shrinks to 110 pixels.
        auto *answer = w.get<QTextEdit>("RxRichEdit3");
        QCOMPARE(question->height(), 120);
        QTest::mouseDClick(question->viewport(), Qt::LeftButton);
        QCOMPARE(question->height(), 200);
        QCOMPARE(question->geometry().topLeft(), QPoint(16, 7));
        QCOMPARE(question->width(), 963);
        QTest::mouseDClick(question->viewport(), Qt::LeftButton);
        QCOMPARE(question->height(), 110);
        QTest::mouseDClick(answer->viewport(), Qt::LeftButton);
        QCOMPARE(answer->height(), 200);
        w.click("suda");  // the enlargement stays with the box, question to question
        QCOMPARE(answer->height(), 200);

        w.click("rzbutton2");
        QCOMPARE(question->font().pointSize(), 18);
        w.click("sButton7");
        w.open();
        QCOMPARE(answer->height(), 200);  // and from one opening of the window to the next
    }

    void titlesDifferingInCaseAreTwoTests()
    {
        AppFixture fx;
        fx.addTest(QStringLiteral("Дроби"), QStringLiteral("9"), kSubject, 3);
        fx.addTest(QStringLiteral("дроби"), QStringLiteral("9"), kSubject, 2);
        fx.start();
        Window w(fx);
        w.open();
        w.start(QStringLiteral("Орловой"), QStringLiteral("9"), QStringLiteral("дроби"));
        QCOMPARE(fx.context().ADOklassy.recordCount(), 2);
        w.click("rzbutton2");
        QCOMPARE(fx.column(DatabaseKind::Results, QStringLiteral("SELECT Test || ' ' || prav FROM result")),
                 QVariantList{QStringLiteral("дроби 0 из 2")});
    }

    void longQuestionOpensAtItsBeginning()
    {
        AppFixture fx;
        fx.addTopic(kTopic, QStringLiteral("9"), kSubject, QStringLiteral("1"));
        QStringList lines;
        for (int i = 1; i <= 60; ++i)
            lines << QStringLiteral("Строка условия %1").arg(i);
        fx.addQuestion(QStringLiteral("9"), kTopic, kSubject,
                       {lines.join(QLatin1Char('\n')), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                        QStringLiteral("d")});
        fx.start();
        Window w(fx);
        w.open();
        w.start(QStringLiteral("Орловой"));
        auto *question = w.get<QTextEdit>("RxRichEdit1");
        QVERIFY(question->verticalScrollBar()->maximum() > 0);
        QCOMPARE(question->verticalScrollBar()->value(), 0);
        QCOMPARE(question->textCursor().position(), 0);
    }

    void keyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("1") << int(Qt::Key_1) << "1" << 1;
        QTest::newRow("4") << int(Qt::Key_4) << "4" << 4;
        QTest::newRow("B") << int(Qt::Key_B) << "b" << 2;
        QTest::newRow("D") << int(Qt::Key_D) << "d" << 4;
        QTest::newRow("А") << 0x0410 << "а" << 1;
        QTest::newRow("В") << 0x0412 << "в" << 3;
        QTest::newRow("Г") << 0x0413 << "г" << 4;
    }
    void keyboard()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, position);
        AppFixture fx;
        fx.addTest(kTopic, QStringLiteral("9"), kSubject, 3);
        fx.start();
        Window w(fx);
        w.open();
        QVERIFY(QTest::qWaitForWindowActive(w.form));
        w.start(QStringLiteral("Клавишной"));
        QTest::sendKeyEvent(QTest::Click, w.form, Qt::Key(key), text, Qt::NoModifier);
        QCOMPARE(w.checkedAnswer(), position);
        QCOMPARE(w.form->state().chosenAnswer[1], position);

        QTest::keyClick(w.form, Qt::Key_Right);
        QCOMPARE(w.number(), QStringLiteral("2"));
        QTest::keyClick(w.form, Qt::Key_PageDown);
        QCOMPARE(w.number(), QStringLiteral("3"));
        QTest::keyClick(w.form, Qt::Key_PageUp);
        QTest::keyClick(w.form, Qt::Key_Left);
        QCOMPARE(w.number(), QStringLiteral("1"));
        QCOMPARE(w.checkedAnswer(), position);

        // Once finished, the keys change nothing.
        w.click("rzbutton2");
        QTest::keyClick(w.form, Qt::Key_2);
        QTest::keyClick(w.form, Qt::Key_Right);
        QCOMPARE(w.checkedAnswer(), 0);
        QCOMPARE(w.number(), QStringLiteral("1"));
    }

    void twoFinishesInTheSameSecond()
    {
        AppFixture fx;
        fx.addTest(kTopic, QStringLiteral("9"), kSubject, 2);
        fx.start();
        Window w(fx);
        w.open();
        w.start(QStringLiteral("Кузнецовой"));
        w.clickAnswer(w.positionOfCorrect(1));
        w.click("rzbutton2");
        const QString first = w.get<QTextEdit>("RxRichEdit6")->toPlainText();
        QVERIFY(first.contains(QStringLiteral("Количество правильных ответов: 1")));
        w.click("sButton7");

        // The next pupil of the same name, topic and second: the topic clicked before stays chosen.
        w.open();
        w.typeName(QStringLiteral("Кузнецовой"));
        w.choose("rzComboBox4", QStringLiteral("9"));
        w.choose("rzComboBox1", kSubject);
        w.click("rzbutton3");
        w.click("rzbutton2");
        const QString second = w.get<QTextEdit>("RxRichEdit6")->toPlainText();
        QVERIFY(second.contains(QStringLiteral("Количество правильных ответов: 0")));

        const QList<qint64> keys = resultKeys(fx);
        QCOMPARE(keys.size(), 2);
        QCOMPARE(storedReport(fx, keys[0]).join(QLatin1Char('\n')), first);
        QCOMPARE(storedReport(fx, keys[1]).join(QLatin1Char('\n')), second);
        QCOMPARE(fx.column(DatabaseKind::Results, QStringLiteral("SELECT DISTINCT vremya FROM result")).size(), 1);
        // The results list now holds the new row alone.
        QCOMPARE(fx.context().adores.recordCount(), 1);
        QCOMPARE(fx.context().adores.key(), keys[1]);
    }

    void failingAppendDoesNotTrapThePupil()
    {
        AppFixture fx;
        fx.addTest(kTopic, QStringLiteral("9"), kSubject, 2);
        fx.start();
        Window w(fx);
        w.open();
        w.start(QStringLiteral("Смирновой"));
        w.clickAnswer(w.positionOfCorrect(1));
        fx.context().ADOConnection1.close();
        w.click("rzbutton2");

        QCOMPARE(fx.dialogs.errors().size(), 1);
        QVERIFY(fx.dialogs.errors().first().startsWith(QStringLiteral("Результат теста не удалось сохранить.\r")));
        QVERIFY(fx.dialogs.informations().isEmpty());
        QVERIFY(w.get<QWidget>("rzPanel1")->isVisible());
        const QStringList shown = w.get<QTextEdit>("RxRichEdit6")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(shown.mid(0, 2), (QStringList{QStringLiteral("Тестирование по предмету: физика"),
                                               QStringLiteral("Ученика (цы) 9 класса Смирновой")}));
        QCOMPARE(shown.last(), QStringLiteral("Оценка: 3"));
        QCOMPARE(w.get<QProgressBar>("sGauge1")->value(), 50);
        QVERIFY(!w.get<QPushButton>("rzbutton2")->isEnabled());

        w.click("sButton7");
        QVERIFY(!w.form->isVisible());
        QVERIFY(w.get<QWidget>("rzPanel2")->isVisibleTo(w.form));
    }
};

QTEST_MAIN(TstTesting)
#include "tst_testing.moc"
