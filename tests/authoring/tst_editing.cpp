// Editing an existing test: paging, saving, adding, deleting and restyling questions.
#include "EditorDriver.h"

#include "authoring/Restyle.h"

#include <QSpinBox>
#include <QtTest>

using namespace vorkast;
using namespace vorkast::test;

namespace {

const QString kTitle = QStringLiteral("Дроби");
const QString kSubject = QStringLiteral("физика");

// The program started with `seed` and the test `title` opened from the catalogue.
struct Editing {
    AppFixture fx;
    TForm3 *editor = nullptr;
    qint64 key = 0;

    explicit Editing(int questions, const QString &title = kTitle, const QString &vopr = QString())
    {
        key = fx.addTest(title, QStringLiteral("7"), kSubject, questions);
        if (!vopr.isNull())
            fx.sql(DatabaseKind::Tests, QStringLiteral("UPDATE temy SET vopr = ? WHERE \"index\" = ?"), {vopr, key});
        fx.addTest(QStringLiteral("Другой"), QStringLiteral("7"), kSubject, 2);
        fx.start();
        editor = openForEditing(fx, title);
    }
    QString number() const { return child<QLabel>(editor, QStringLiteral("sLabel7"))->text(); }
    void click(const char *name) { test::click(editor, name); }
    QList<StoredQuestion> stored(const QString &title = kTitle)
    {
        return storedQuestions(fx, QStringLiteral("sem"), title, kSubject);
    }
    QString vopr() { return topicValue(fx, key, "vopr").toString(); }
};

QList<QStringList> texts(const QList<StoredQuestion> &stored)
{
    QList<QStringList> out;
    for (const StoredQuestion &s : stored)
        out << s.texts;
    return out;
}

} // namespace

class TstEditing : public QObject {
    Q_OBJECT

private slots:
    void entryShowsTheFirstQuestion()
    {
        Editing e(3);
        QVERIFY(e.editor);
        QVERIFY(e.editor->isVisible());
        QCOMPARE(e.editor->windowTitle(), QStringLiteral("Редактирование тестов"));
        QVERIFY(child<QWidget>(e.editor, QStringLiteral("sPanel1"))->isVisible());
        QVERIFY(child<QWidget>(e.editor, QStringLiteral("sPanel2"))->isVisible());
        QCOMPARE(boxTexts(e.editor), questionTexts(1));
        QCOMPARE(e.number(), QStringLiteral("1"));
        const EditorState &state = e.fx.context().editor;
        QCOMPARE(state.editorTopic, kTitle);
        QCOMPARE(state.editorSubject, kSubject);
        QCOMPARE(state.editorTable, QStringLiteral("sem"));
        QCOMPARE(button(e.editor, "dobav")->text(), QStringLiteral("Добавить  вопрос"));
        QVERIFY(e.fx.dialogs.calls.isEmpty());

        // Another test opened while the editor is visible: its first question, number 1.
        e.click("sSpeedButton1");
        QVERIFY(selectTopic(e.fx, QStringLiteral("Другой")));
        e.click("sSpeedButton1");  // still within the first test

        QCOMPARE(e.number(), QStringLiteral("3"));
        QTest::mouseClick(button(e.fx.app->form1(), "sButton7"), Qt::LeftButton);
        QCOMPARE(boxTexts(e.editor), questionTexts(1));
        QCOMPARE(e.number(), QStringLiteral("1"));
        QCOMPARE(e.editor->editedTest().title, QStringLiteral("Другой"));
    }

    void navigationAtBothEnds()
    {
        Editing e(3);
        box(e.editor, 1)->setPlainText(QStringLiteral("не сохранено"));
        e.click("sSpeedButton2");  // before the first: stays, reloads
        QCOMPARE(e.number(), QStringLiteral("1"));
        QCOMPARE(boxTexts(e.editor), questionTexts(1));

        e.click("sSpeedButton1");
        e.click("sSpeedButton1");
        QCOMPARE(e.number(), QStringLiteral("3"));
        QCOMPARE(boxTexts(e.editor), questionTexts(3));
        box(e.editor, 5)->setPlainText(QStringLiteral("не сохранено"));
        e.click("sSpeedButton1");  // after the last: stays, reloads
        QCOMPARE(e.number(), QStringLiteral("3"));
        QCOMPARE(boxTexts(e.editor), questionTexts(3));
        QCOMPARE(e.fx.context().editor.editorPosition, 3);

        e.click("sSpeedButton2");
        QCOMPARE(e.number(), QStringLiteral("2"));
        QCOMPARE(boxTexts(e.editor), questionTexts(2));
        QCOMPARE(texts(e.stored()), (QList<QStringList>{questionTexts(1), questionTexts(2), questionTexts(3)}));
    }

    void saveChanges()
    {
        Editing e(3);
        e.click("sSpeedButton1");
        QStringList changed = questionTexts(2);
        changed[0] = QStringLiteral("Сколько будет \"2 + 2\" и 'пять'?");
        changed[4] = QStringLiteral("Четыре");
        fillBoxes(e.editor, changed);
        e.click("izmen");
        QVERIFY(e.fx.dialogs.calls.isEmpty());
        const auto stored = e.stored();
        QCOMPARE(texts(stored), (QList<QStringList>{questionTexts(1), changed, questionTexts(3)}));
        QCOMPARE(stored[1].tema, kTitle);
        QCOMPARE(stored[1].predmet, kSubject);
        e.click("sSpeedButton2");
        e.click("sSpeedButton1");
        QCOMPARE(boxTexts(e.editor), changed);
        QCOMPARE(e.vopr(), QStringLiteral("3"));
    }

    void addQuestion()
    {
        Editing e(3);
        QPushButton *dobav = button(e.editor, "dobav");
        e.click("sSpeedButton1");
        e.click("dobav");
        QCOMPARE(boxTexts(e.editor), QStringList(5, QString()));
        QCOMPARE(dobav->text(), QStringLiteral("Сохранить добавленный вопрос"));
        QCOMPARE(e.editor->addState(), 1);
        QCOMPARE(e.number(), QStringLiteral("2"));
        for (const char *locked : {"sSpeedButton1", "sSpeedButton2", "izmen", "udal", "sss"})
            QVERIFY2(!child<QWidget>(e.editor, QString::fromLatin1(locked))->isEnabled(), locked);

        const QStringList added = questionTexts(4, QStringLiteral("Новый "));
        fillBoxes(e.editor, added.mid(0, 4));  // the correct answer missing
        e.click("dobav");
        QVERIFY(e.fx.dialogs.calls.isEmpty());
        QCOMPARE(dobav->text(), QStringLiteral("Сохранить добавленный вопрос"));
        QCOMPARE(e.stored().size(), 3);
        QCOMPARE(e.vopr(), QStringLiteral("3"));

        box(e.editor, 5)->setPlainText(added[4]);
        e.click("dobav");
        QVERIFY(e.fx.dialogs.calls.isEmpty());
        const auto stored = e.stored();
        QCOMPARE(stored.size(), 4);
        QCOMPARE(stored[3].texts, added);
        QCOMPARE(stored[3].tema, kTitle);
        QCOMPARE(stored[3].predmet, kSubject);
        QCOMPARE(e.vopr(), QStringLiteral("4"));
        QCOMPARE(e.fx.context().ADOtemy.text(QStringLiteral("vopr")), QStringLiteral("4"));  // the catalogue grid's row
        QCOMPARE(dobav->text(), QStringLiteral("Добавить вопрос"));
        QCOMPARE(e.editor->addState(), 0);
        QCOMPARE(e.number(), QStringLiteral("1"));
        QCOMPARE(boxTexts(e.editor), questionTexts(1));
        QVERIFY(child<QWidget>(e.editor, QStringLiteral("udal"))->isEnabled());
        QCOMPARE(e.stored(QStringLiteral("Другой")).size(), 2);
    }

    void deleteQuestion_data()
    {
        QTest::addColumn<QString>("moves");  // '>' next, '<' previous
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QList<int>>("left");
        QTest::newRow("first, right after entry") << "" << "1" << 2 << QList<int>{2, 3};
        QTest::newRow("first, reached by moving back") << "><" << "1" << 2 << QList<int>{2, 3};
        QTest::newRow("middle") << ">" << "2" << 3 << QList<int>{1, 3};
        QTest::newRow("last") << ">>" << "2" << 2 << QList<int>{1, 2};
    }
    void deleteQuestion()
    {
        QFETCH(QString, moves);
        QFETCH(QString, number);
        QFETCH(int, shown);
        QFETCH(QList<int>, left);
        Editing e(3);
        for (const QChar m : moves)
            e.click(m == QLatin1Char('>') ? "sSpeedButton1" : "sSpeedButton2");
        e.click("udal");
        QVERIFY(e.fx.dialogs.calls.isEmpty());
        QCOMPARE(e.number(), number);
        QCOMPARE(boxTexts(e.editor), questionTexts(shown));
        QList<QStringList> expected;
        for (int n : left)
            expected << questionTexts(n);
        QCOMPARE(texts(e.stored()), expected);
        QCOMPARE(e.vopr(), QStringLiteral("2"));
        QCOMPARE(e.stored(QStringLiteral("Другой")).size(), 2);
    }

    void deleteUntilEmpty()
    {
        Editing e(2);
        e.click("udal");
        e.click("udal");
        QCOMPARE(e.vopr(), QStringLiteral("0"));
        QCOMPARE(e.number(), QStringLiteral("0"));
        QCOMPARE(boxTexts(e.editor), QStringList(5, QString()));
        e.click("udal");
        QCOMPARE(e.fx.dialogs.informations(), QStringList{QStringLiteral("В тесте нет вопросов.")});
        QCOMPARE(e.vopr(), QStringLiteral("0"));
    }

    void restyle_data()
    {
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("startAt");
        QTest::newRow("from question 1 of 3") << 3 << 1;
        QTest::newRow("from question 3 of 5") << 5 << 3;
    }
    void restyle()
    {
        QFETCH(int, questions);
        QFETCH(int, startAt);
        Editing e(questions);
        const auto before = e.stored();
        for (int i = 1; i < startAt; ++i)
            e.click("sSpeedButton1");
        child<QSpinBox>(e.editor, QStringLiteral("sSpinEdit1"))->setValue(20);
        auto *colours = child<QComboBox>(e.editor, QStringLiteral("sColorBox1"));
        colours->setCurrentIndex(colours->findText(QStringLiteral("Красный")));
        auto *faces = child<QComboBox>(e.editor, QStringLiteral("sCombo"));
        faces->setCurrentIndex(faces->findText(QStringLiteral("Times New Roman")));
        e.click("sss");

        QVERIFY(e.fx.dialogs.informations().isEmpty() && e.fx.dialogs.errors().isEmpty());
        QCOMPARE(e.number(), QStringLiteral("1"));
        QCOMPARE(boxTexts(e.editor), questionTexts(1));
        QCOMPARE(e.vopr(), QString::number(questions));
        const auto after = e.stored();
        QCOMPARE(after.size(), questions);
        for (int n = 1; n <= questions; ++n) {
            QCOMPARE(after[n - 1].texts, questionTexts(n));
            QCOMPARE(after[n - 1].tema, kTitle);
            if (n < startAt) {
                QCOMPARE(after[n - 1].blobs, before[n - 1].blobs);
                continue;
            }
            for (const QByteArray &blob : after[n - 1].blobs) {
                const QTextCharFormat f = firstCharFormat(blob);
                QCOMPARE(f.fontPointSize(), 20.0);
                QCOMPARE(f.foreground().color(), QColor(Qt::red));
                QCOMPARE(f.fontFamilies().toStringList().value(0), QStringLiteral("Times New Roman"));
                QVERIFY(f.fontWeight() != QFont::Bold);
            }
        }
        QCOMPARE(e.fx.dialogs.progressValues.last(), questions - startAt + 1);
    }

    void cancelledRestyleStoresNothing()
    {
        Editing e(3);
        const auto before = e.stored();
        child<QSpinBox>(e.editor, QStringLiteral("sSpinEdit1"))->setValue(12);
        e.fx.dialogs.cancelProgressAt = 2;
        e.click("sss");
        QCOMPARE(e.stored().size(), 3);
        for (int n = 0; n < 3; ++n)
            QCOMPARE(e.stored()[n].blobs, before[n].blobs);
        QCOMPARE(e.number(), QStringLiteral("1"));
        QCOMPARE(boxTexts(e.editor), questionTexts(1));
    }

    // Closing or re-filtering the catalogue leaves the editor on its own test.
    void editorKeepsHoldOfItsTest()
    {
        Editing e(3);
        QTest::mouseClick(button(e.fx.app->form1(), "sButton8"), Qt::LeftButton);  // closes the catalogue
        QVERIFY(!e.fx.context().ADOtemy.isActive() && !e.fx.context().ADOklassy.isActive());
        e.click("sSpeedButton1");
        QCOMPARE(boxTexts(e.editor), questionTexts(2));
        e.click("dobav");
        fillBoxes(e.editor, questionTexts(4));
        e.click("dobav");
        QCOMPARE(e.vopr(), QStringLiteral("4"));

        triggerMenu(e.fx, "N15");  // the catalogue lists all topics anew
        QVERIFY(selectTopic(e.fx, QStringLiteral("Другой")));
        e.click("udal");
        e.click("sss");
        QVERIFY(e.fx.dialogs.errors().isEmpty() && e.fx.dialogs.informations().isEmpty());
        QCOMPARE(e.vopr(), QStringLiteral("3"));
        QCOMPARE(texts(e.stored()), (QList<QStringList>{questionTexts(2), questionTexts(3), questionTexts(4)}));
        QCOMPARE(topicValue(e.fx, e.fx.column(DatabaseKind::Tests,
                                             QStringLiteral("SELECT \"index\" FROM temy WHERE tema = 'Другой'"))
                                      .value(0)
                                      .toLongLong(),
                            "vopr")
                     .toString(),
                 QStringLiteral("2"));
        QCOMPARE(e.stored(QStringLiteral("Другой")).size(), 2);
    }

    // No question rows: the name and subject come from the TopicRow.
    void testWithoutQuestions()
    {
        AppFixture fx;
        const qint64 key = fx.addTopic(QStringLiteral("Пустой 'тест'"), QStringLiteral("5"),
                                       QStringLiteral("химия"), QStringLiteral("0"));
        fx.start();
        TForm3 *editor = openForEditing(fx, QStringLiteral("Пустой 'тест'"));
        QVERIFY(editor);
        QCOMPARE(boxTexts(editor), QStringList(5, QString()));
        QCOMPARE(child<QLabel>(editor, QStringLiteral("sLabel7"))->text(), QStringLiteral("0"));
        test::click(editor, "izmen");
        QCOMPARE(fx.dialogs.informations(), QStringList{QStringLiteral("В тесте нет вопросов.")});
        test::click(editor, "dobav");
        fillBoxes(editor, questionTexts(1));
        test::click(editor, "dobav");
        const auto stored = storedQuestions(fx, QStringLiteral("pyat"), QStringLiteral("Пустой 'тест'"),
                                            QStringLiteral("химия"));
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].texts, questionTexts(1));
        QCOMPARE(topicValue(fx, key, "vopr").toString(), QStringLiteral("1"));
        QCOMPARE(child<QLabel>(editor, QStringLiteral("sLabel7"))->text(), QStringLiteral("1"));
    }

    // A count that is not a number stops add, delete and restyle before anything changes.
    void countNotANumber()
    {
        Editing e(2, kTitle, QStringLiteral("два"));
        e.click("dobav");
        fillBoxes(e.editor, questionTexts(3));
        e.click("dobav");
        QCOMPARE(e.fx.dialogs.errors().size(), 1);
        QCOMPARE(e.stored().size(), 2);
        QCOMPARE(e.editor->addState(), 1);
        QCOMPARE(boxTexts(e.editor), questionTexts(3));  // nothing typed is lost

        e.fx.sql(DatabaseKind::Tests, QStringLiteral("UPDATE temy SET vopr = 'x' WHERE \"index\" = ?"), {e.key});
        e.editor->close();
        e.editor = openForEditing(e.fx, kTitle);  // a new entry shows a stored question: idle again
        QCOMPARE(e.editor->addState(), 0);
        QCOMPARE(button(e.editor, "dobav")->text(), QStringLiteral("Добавить вопрос"));
        e.click("udal");
        QCOMPARE(e.fx.dialogs.errors().size(), 2);
        QCOMPARE(e.stored().size(), 2);
        QCOMPARE(boxTexts(e.editor), questionTexts(1));
    }

    void restyleRules_data()
    {
        QTest::addColumn<bool>("firstItalic");
        QTest::addColumn<bool>("firstUnderlined");
        QTest::newRow("first character italic") << true << false;
        QTest::newRow("first character underlined") << false << true;
    }
    void restyleRules()
    {
        QFETCH(bool, firstItalic);
        QFETCH(bool, firstUnderlined);
        QTextDocument doc;
        QTextCursor cursor(&doc);
        QTextCharFormat first;
        first.setFontWeight(QFont::Bold);
        first.setFontItalic(firstItalic);
        first.setFontUnderline(firstUnderlined);
        first.setFontPointSize(9);
        cursor.insertText(QStringLiteral("Начало "), first);
        QTextCharFormat other;
        other.setFontItalic(!firstItalic);
        other.setFontUnderline(!firstUnderlined);
        other.setFontStrikeOut(true);
        other.setForeground(Qt::green);
        other.setFontFamilies({QStringLiteral("Comic Sans MS")});
        cursor.insertText(QStringLiteral("середина"), other);
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("конец"), first);

        restyleDocument(doc, {14, QColor(Qt::blue), QStringLiteral("Arial")});

        QCOMPARE(doc.toPlainText(), QStringLiteral("Начало середина\nконец"));
        for (int pos = 1; pos <= doc.characterCount() - 1; ++pos) {
            QTextCursor probe(&doc);
            probe.setPosition(pos);
            const QTextCharFormat f = probe.charFormat();
            if (doc.characterAt(pos - 1) == QChar::ParagraphSeparator)
                continue;
            QCOMPARE(f.fontPointSize(), 14.0);
            QCOMPARE(f.foreground().color(), QColor(Qt::blue));
            QCOMPARE(f.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
            QVERIFY(f.fontWeight() != QFont::Bold);
            QCOMPARE(f.fontItalic(), firstItalic);
            QCOMPARE(f.fontUnderline(), firstUnderlined);
            QCOMPARE(f.fontStrikeOut(), false);
        }
    }
};

QTEST_MAIN(TstEditing)
#include "tst_editing.moc"
