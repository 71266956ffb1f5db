// Creating a new test through the editor's widgets.
#include "EditorDriver.h"

#include "data/ClassTables.h"
#include "testing/TForm4.h"
#include "platform/DefaultLists.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QtTest>

using namespace vorkast;
using namespace vorkast::test;

namespace {

const QString kChooseClassAndName = QStringLiteral("Выберите класс и введите название темы!!!");
const QString kFillAll = QStringLiteral("Заполните все поля: Вопрос, ответы");
const QString kTaken = QStringLiteral("Тест с таким названием существует, пожалуйста, введите другое название.");
const QString kTooFew = QStringLiteral("Слишком мало вопросов. Добавьте еще.");
const QString kConfirmFinish = QStringLiteral("Вы хотите завершить создание теста?");

// The program started and "Новый" chosen.
struct Creation {
    AppFixture fx;
    TForm3 *editor = nullptr;

    explicit Creation(const std::function<void(AppFixture &)> &seed = {})
    {
        if (seed)
            seed(fx);
        fx.start();
        triggerMenu(fx, "N5");
        editor = fx.app->form3();
    }
    QComboBox *classes() const { return child<QComboBox>(editor, QStringLiteral("rzComboBox1")); }
    QComboBox *subjects() const { return child<QComboBox>(editor, QStringLiteral("RzComboBox2")); }
    QLineEdit *name() const { return child<QLineEdit>(editor, QStringLiteral("rzEdit1")); }
    QPushButton *create() const { return button(editor, "rzButton1"); }
    QPushButton *store() const { return button(editor, "rzbutton2"); }
    QPushButton *finish() const { return button(editor, "rzbutton3"); }

    void choose(const QString &klass, const QString &subject, const QString &title)
    {
        if (!klass.isEmpty())
            QVERIFY(test::choose(classes(), klass));
        if (!subject.isEmpty())
            QVERIFY(test::choose(subjects(), subject));
        if (!title.isEmpty()) {
            name()->clear();
            typeText(name(), title);
        }
    }
    void storeQuestion(const QStringList &texts)
    {
        fillBoxes(editor, texts);
        QTest::mouseClick(store(), Qt::LeftButton);
    }
    int allQuestionRows()
    {
        int n = 0;
        for (int c = 1; c <= 11; ++c)
            n += rowCount(fx, classTableName(c));
        return n;
    }
};

// Pastes HTML into a box as the teacher would from a word processor.
void pasteHtml(QTextEdit *target, const QString &html)
{
    auto *mime = new QMimeData;
    mime->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(mime);
    target->setFocus();
    target->paste();
}

} // namespace

class TstCreation : public QObject {
    Q_OBJECT

private slots:
    void showStartsACreation()
    {
        Creation c;
        QVERIFY(c.editor->isVisible());
        QCOMPARE(c.editor->windowTitle(), QStringLiteral("Создание теста"));
        QCOMPARE(c.editor->size(), QSize(790, 615));
        QCOMPARE(c.classes()->currentIndex(), -1);
        QCOMPARE(c.classes()->placeholderText(), QStringLiteral("Выберите класс!!!"));
        QCOMPARE(c.classes()->count(), 11);
        QCOMPARE(c.subjects()->currentIndex(), -1);
        QCOMPARE(c.subjects()->placeholderText(), QStringLiteral("Выберите предмет!!!"));
        QCOMPARE(c.subjects()->count(), 18);
        QCOMPARE(c.store()->text(), QStringLiteral("Введите вопрос № 1"));
        QCOMPARE(c.editor->questionCounter(), 1);
        QVERIFY(c.store()->isEnabled());
        QVERIFY(!c.finish()->isEnabled());  // no TopicRow yet
        QVERIFY(c.name()->isEnabled());
        QVERIFY(!child<QWidget>(c.editor, QStringLiteral("sPanel1"))->isVisible());
        QVERIFY(!child<QWidget>(c.editor, QStringLiteral("sPanel2"))->isVisible());
        QCOMPARE(box(c.editor, 1)->toolTip(), QStringLiteral("Введите сюда вопрос"));
        QCOMPARE(box(c.editor, 5)->toolTip(), QStringLiteral("Введите сюда правильный ответ"));
        QCOMPARE(c.fx.context().editor.editorPosition, 1);
    }

    void wholeCreation()
    {
        Creation c;
        c.choose(QStringLiteral("7"), QStringLiteral("физика"), QStringLiteral("Дроби"));
        QVERIFY(c.fx.context().ADOklassy.isActive());
        QCOMPARE(c.fx.context().ADOklassy.tableName(), QStringLiteral("sem"));
        QTest::mouseClick(c.create(), Qt::LeftButton);
        QVERIFY(c.fx.dialogs.calls.isEmpty());
        QVERIFY(!c.create()->isEnabled() && !c.classes()->isEnabled() && !c.subjects()->isEnabled()
                && !c.name()->isEnabled());
        QVERIFY(c.store()->isEnabled() && c.finish()->isEnabled());
        const qint64 key = c.editor->createdTopicKey();
        QVERIFY(key > 0);
        QCOMPARE(topicValue(c.fx, key, "tema").toString(), QStringLiteral("Дроби"));
        QCOMPARE(topicValue(c.fx, key, "klass").toString(), QStringLiteral("7"));
        QCOMPARE(topicValue(c.fx, key, "predmet").toString(), QStringLiteral("физика"));
        QVERIFY(topicValue(c.fx, key, "vopr").isNull());

        // Three questions, each pasted with its formatting: bold, red, 20 pt.
        for (int n = 1; n <= 3; ++n) {
            const QStringList texts = questionTexts(n);
            pasteHtml(box(c.editor, 1), QStringLiteral("<b>%1</b>").arg(texts[0]));
            pasteHtml(box(c.editor, 2), QStringLiteral("<span style=\"color:#ff0000\">%1</span>").arg(texts[1]));
            pasteHtml(box(c.editor, 3), QStringLiteral("<span style=\"font-size:20pt\">%1</span>").arg(texts[2]));
            typeText(box(c.editor, 4), texts[3]);
            typeText(box(c.editor, 5), texts[4]);
            QCOMPARE(boxTexts(c.editor), texts);
            QTest::mouseClick(c.store(), Qt::LeftButton);
            QCOMPARE(c.store()->text(), QStringLiteral("Введите вопрос № %1").arg(n + 1));
            QCOMPARE(boxTexts(c.editor), QStringList(5, QString()));
        }
        QVERIFY(c.fx.dialogs.calls.isEmpty());

        QTest::mouseClick(c.finish(), Qt::LeftButton);
        QCOMPARE(c.fx.dialogs.calls.size(), 2);
        QCOMPARE(c.fx.dialogs.calls[0].kind, FakeDialogs::Kind::Confirm);
        QCOMPARE(c.fx.dialogs.calls[0].text, kConfirmFinish);
        QCOMPARE(c.fx.dialogs.calls[1].text,
                 QStringLiteral("Добавление теста для 7 класса с названием Дроби закончен."));
        QVERIFY(!c.editor->isVisible());
        QCOMPARE(topicValue(c.fx, key, "vopr").toString(), QStringLiteral("3"));
        QCOMPARE(c.store()->text(), QStringLiteral("1"));
        QVERIFY(!c.store()->isEnabled() && !c.finish()->isEnabled());
        // The close reset the inputs.
        QCOMPARE(c.classes()->currentIndex(), -1);
        QCOMPARE(c.subjects()->currentIndex(), -1);
        QVERIFY(c.name()->text().isEmpty() && !c.name()->isEnabled());
        QVERIFY(c.classes()->isEnabled() && c.subjects()->isEnabled());

        // What the testing window reads: the topic by class and subject, its questions in order.
        const QVariantList topics = c.fx.column(
            DatabaseKind::Tests, QStringLiteral("SELECT vopr FROM temy WHERE klass = ? AND predmet = ? AND tema = ?"),
            {QStringLiteral("7"), QStringLiteral("физика"), QStringLiteral("Дроби")});
        QCOMPARE(topics, QVariantList{QStringLiteral("3")});
        const QList<StoredQuestion> stored =
            storedQuestions(c.fx, QStringLiteral("sem"), QStringLiteral("Дроби"), QStringLiteral("физика"));
        QCOMPARE(stored.size(), 3);
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(stored[n - 1].texts, questionTexts(n));
        QCOMPARE(c.allQuestionRows(), 3);

        // The new test starts in the testing window and shows its first question.
        c.fx.app->form1()->menuItem(QStringLiteral("N2"))->trigger();
        TForm4 *testing = c.fx.app->form4();
        QVERIFY(testing->isVisible());
        typeText(child<QLineEdit>(testing, QStringLiteral("rzEdit1")), QStringLiteral("Иванова Ивана"));
        QVERIFY(test::choose(child<QComboBox>(testing, QStringLiteral("rzComboBox4")), QStringLiteral("7")));
        QVERIFY(test::choose(child<QComboBox>(testing, QStringLiteral("rzComboBox1")), QStringLiteral("физика")));
        auto *topicGrid = child<QTableView>(testing, QStringLiteral("sDBGrid1"));
        QCOMPARE(topicGrid->model()->rowCount(), 1);
        QCOMPARE(topicGrid->model()->index(0, 0).data().toString(), QStringLiteral("Дроби"));
        QTest::mouseClick(topicGrid->viewport(), Qt::LeftButton, {},
                          topicGrid->visualRect(topicGrid->model()->index(0, 0)).center());
        QTest::mouseClick(button(testing, "rzbutton3"), Qt::LeftButton);
        QCOMPARE(c.fx.dialogs.calls.size(), 2);  // no refusal
        QVERIFY(!child<QWidget>(testing, QStringLiteral("rzPanel2"))->isVisible());
        QCOMPARE(testing->state().questionCount, 3);
        auto *shown = child<QTextEdit>(testing, QStringLiteral("RxRichEdit1"));
        QCOMPARE(shown->toPlainText(), QStringLiteral("Вопрос 1"));
        QStringList answers;
        for (int i = 2; i <= 5; ++i)
            answers << child<QTextEdit>(testing, QStringLiteral("RxRichEdit%1").arg(i))->toPlainText();
        answers.sort();
        QStringList expected = questionTexts(1).mid(1);
        expected.sort();
        QCOMPARE(answers, expected);

        // The pasted formats were stored and reach the testing window.
        QTextCursor probe(shown->document());
        probe.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(probe.charFormat().fontWeight(), int(QFont::Bold));
        for (const StoredQuestion &s : stored) {
            QCOMPARE(firstCharFormat(s.blobs[0]).fontWeight(), int(QFont::Bold));
            QCOMPARE(firstCharFormat(s.blobs[1]).foreground().color(), QColor(Qt::red));
            QCOMPARE(firstCharFormat(s.blobs[2]).fontPointSize(), 20.0);
            QVERIFY(firstCharFormat(s.blobs[3]).fontWeight() != QFont::Bold);
        }
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("klass");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("filledBoxes");
        QTest::addColumn<bool>("createClicked");  // otherwise the question is stored
        QTest::addColumn<QString>("message");

        const QString chooseBoth = QStringLiteral("Выберите класс и предмет теста.");
        QTest::newRow("create, no class") << "" << "физика" << "Дроби" << 0 << true << chooseBoth;
        QTest::newRow("create, no subject") << "7" << "" << "Дроби" << 0 << true << chooseBoth;
        QTest::newRow("create, empty name") << "7" << "физика" << "" << 0 << true << kTaken;
        QTest::newRow("create, class 12")
            << "12" << "физика" << "Дроби" << 0 << true
            << QStringLiteral("Для класса «12» нет таблицы вопросов. Выберите класс от 1 до 11.");
        QTest::newRow("store, no class") << "" << "физика" << "Дроби" << 5 << false << kChooseClassAndName;
        QTest::newRow("store, empty name") << "7" << "физика" << "" << 5 << false << kChooseClassAndName;
        QTest::newRow("store, no subject") << "7" << "" << "Дроби" << 5 << false << QStringLiteral("Выберите предмет!!!");
        QTest::newRow("store, one box empty") << "7" << "физика" << "Дроби" << 4 << false << kFillAll;
        QTest::newRow("store, no box filled") << "7" << "физика" << "Дроби" << 0 << false << kFillAll;
    }
    void refusals()
    {
        QFETCH(QString, klass);
        QFETCH(QString, subject);
        QFETCH(QString, title);
        QFETCH(int, filledBoxes);
        QFETCH(bool, createClicked);
        QFETCH(QString, message);

        Creation c([](AppFixture &fx) {
            QStringList classes = defaultClassList();
            classes << QStringLiteral("12");
            fx.writeLists(defaultSubjectList(), classes);
        });
        c.choose(klass, subject, title);
        c.fx.dialogs.clear();
        QStringList texts = questionTexts(1).mid(0, filledBoxes);
        fillBoxes(c.editor, texts);
        QTest::mouseClick(createClicked ? c.create() : c.store(), Qt::LeftButton);

        QCOMPARE(c.fx.dialogs.informations(), QStringList{message});
        QCOMPARE(c.fx.column(DatabaseKind::Tests, QStringLiteral("SELECT count(*) FROM temy")).value(0).toInt(), 0);
        QCOMPARE(c.allQuestionRows(), 0);
        QCOMPARE(c.editor->questionCounter(), 1);
        QCOMPARE(boxTexts(c.editor).mid(0, filledBoxes), texts);  // the boxes keep their text
        QVERIFY(c.name()->isEnabled());
        QCOMPARE(c.editor->createdTopicKey(), 0);
    }

    void cancelledFinishChangesNothing()
    {
        Creation c;
        c.choose(QStringLiteral("5"), QStringLiteral("алгебра"), QStringLiteral("Уравнения"));
        QTest::mouseClick(c.create(), Qt::LeftButton);
        c.storeQuestion(questionTexts(1));
        c.fx.dialogs.confirmAnswers.enqueue(false);
        QTest::mouseClick(c.finish(), Qt::LeftButton);

        QCOMPARE(c.fx.dialogs.informations(), QStringList{kTooFew});
        QVERIFY(c.editor->isVisible());
        QVERIFY(topicValue(c.fx, c.editor->createdTopicKey(), "vopr").isNull());
        QVERIFY(c.store()->isEnabled() && c.finish()->isEnabled());

        c.storeQuestion(questionTexts(2));  // more can be stored
        QTest::mouseClick(c.finish(), Qt::LeftButton);
        QCOMPARE(c.fx.column(DatabaseKind::Tests, QStringLiteral("SELECT vopr FROM temy")),
                 QVariantList{QStringLiteral("2")});
    }

    void nameLookup_data()
    {
        QTest::addColumn<QString>("existing");  // a test of class 7, физика
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("same name") << "Дроби" << "Дроби" << false;
        QTest::newRow("other letter case") << "Дроби" << "дроби" << true;
        QTest::newRow("percent is not a pattern") << "Дроби 5_%" << "Дроби 50%" << true;
        QTest::newRow("underscore is not a pattern") << "Дроби 50%" << "Дроби 5_%" << true;
        QTest::newRow("quotes") << "Тест \"А\" и 'Б'" << "Тест \"А\" и 'Б'" << false;
        QTest::newRow("quotes, new") << "Тест \"А\"" << "Тест \"А\" и 'Б'" << true;
    }
    void nameLookup()
    {
        QFETCH(QString, existing);
        QFETCH(QString, title);
        QFETCH(bool, accepted);
        Creation c([&](AppFixture &fx) {
            fx.addTest(QStringLiteral("Дроби"), QStringLiteral("5"), QStringLiteral("физика"), 1);  // other class
            fx.addTest(existing, QStringLiteral("7"), QStringLiteral("физика"), 1);
        });
        c.choose(QStringLiteral("7"), QStringLiteral("физика"), title);
        QTest::mouseClick(c.create(), Qt::LeftButton);
        QCOMPARE(c.fx.dialogs.informations(), accepted ? QStringList() : QStringList{kTaken});
        QCOMPARE(c.editor->createdTopicKey() != 0, accepted);
        QCOMPARE(c.name()->isEnabled(), !accepted);
        if (!accepted)
            return;
        c.storeQuestion(questionTexts(1));
        QTest::mouseClick(c.finish(), Qt::LeftButton);
        QCOMPARE(c.fx.column(DatabaseKind::Tests, QStringLiteral("SELECT vopr FROM temy WHERE tema = ?"), {title}),
                 QVariantList{QStringLiteral("1")});
        QCOMPARE(storedQuestions(c.fx, QStringLiteral("sem"), title, QStringLiteral("физика")).size(), 1);
        QCOMPARE(storedQuestions(c.fx, QStringLiteral("sem"), existing, QStringLiteral("физика")).size(), 1);
    }

    void typingTheNameListsTheClassAndSubject()
    {
        Creation c([](AppFixture &fx) {
            fx.addTopic(QStringLiteral("А"), QStringLiteral("7"), QStringLiteral("физика"), QStringLiteral("1"));
            fx.addTopic(QStringLiteral("Б"), QStringLiteral("7"), QStringLiteral("Физика"), QStringLiteral("1"));
            fx.addTopic(QStringLiteral("В"), QStringLiteral("7"), QStringLiteral("химия"), QStringLiteral("1"));
            fx.addTopic(QStringLiteral("Г"), QStringLiteral("8"), QStringLiteral("физика"), QStringLiteral("1"));
        });
        c.choose(QStringLiteral("7"), QStringLiteral("физика"), QStringLiteral("Д"));
        QCOMPARE(c.fx.context().ADOtemy.recordCount(), 2);
    }

    void questionsStoredBeforeCreate()
    {
        Creation c;
        c.choose(QStringLiteral("9"), QStringLiteral("химия"), QStringLiteral("Кислоты"));
        c.storeQuestion(questionTexts(1));
        c.storeQuestion(questionTexts(2));
        QVERIFY(c.fx.dialogs.calls.isEmpty());
        QVERIFY(!c.classes()->isEnabled() && !c.name()->isEnabled() && !c.subjects()->isEnabled());
        QVERIFY(!c.finish()->isEnabled());
        QTest::mouseClick(c.create(), Qt::LeftButton);
        QVERIFY(c.fx.dialogs.calls.isEmpty());
        c.storeQuestion(questionTexts(3));
        QTest::mouseClick(c.finish(), Qt::LeftButton);
        QCOMPARE(c.fx.column(DatabaseKind::Tests, QStringLiteral("SELECT vopr FROM temy")),
                 QVariantList{QStringLiteral("3")});
        const auto stored = storedQuestions(c.fx, QStringLiteral("devat"), QStringLiteral("Кислоты"), QStringLiteral("химия"));
        QCOMPARE(stored.size(), 3);
        QCOMPARE(stored[2].texts, questionTexts(3));
    }

    void automaticFinishAt149()
    {
        Creation c;
        c.choose(QStringLiteral("11"), QStringLiteral("история Мира"), QStringLiteral("Века"));
        QTest::mouseClick(c.create(), Qt::LeftButton);
        const qint64 key = c.editor->createdTopicKey();
        for (int n = 1; n <= 148; ++n)
            c.storeQuestion(questionTexts(n));
        QVERIFY(c.fx.dialogs.calls.isEmpty());
        QCOMPARE(c.store()->text(), QStringLiteral("Введите вопрос № 149"));
        c.storeQuestion(questionTexts(149));

        QCOMPARE(c.fx.dialogs.informations(),
                 QStringList{QStringLiteral("Добавление теста для 11 класса с названием Века закончен.")});
        QCOMPARE(topicValue(c.fx, key, "vopr").toString(), QStringLiteral("149"));
        QCOMPARE(rowCount(c.fx, QStringLiteral("odinnad")), 149);
        QVERIFY(c.editor->isVisible());
        QCOMPARE(c.store()->text(), QStringLiteral("1"));
        QCOMPARE(c.editor->questionCounter(), 1);
        QVERIFY(!c.store()->isEnabled());
        QVERIFY(!c.finish()->isEnabled());  // a second finish cannot overwrite the count
        QCOMPARE(c.editor->createdTopicKey(), 0);
    }

    // The catalogue re-queries the shared topics meanwhile; the finish still counts its own row.
    void finishWritesItsOwnTopicRow()
    {
        Creation c([](AppFixture &fx) {
            fx.addTopic(QStringLiteral("Старый"), QStringLiteral("1"), QStringLiteral("алгебра"), QStringLiteral("7"));
        });
        c.choose(QStringLiteral("5"), QStringLiteral("алгебра"), QStringLiteral("Новый"));
        QTest::mouseClick(c.create(), Qt::LeftButton);
        const qint64 key = c.editor->createdTopicKey();
        c.storeQuestion(questionTexts(1));
        triggerMenu(c.fx, "N10");  // lists all topics by class: "Старый" is current
        QCOMPARE(c.fx.context().ADOtemy.text(QStringLiteral("tema")), QStringLiteral("Старый"));
        c.storeQuestion(questionTexts(2));
        QTest::mouseClick(c.finish(), Qt::LeftButton);
        QCOMPARE(topicValue(c.fx, key, "vopr").toString(), QStringLiteral("2"));
        QCOMPARE(c.fx.column(DatabaseKind::Tests, QStringLiteral("SELECT vopr FROM temy WHERE tema = 'Старый'")),
                 QVariantList{QStringLiteral("7")});
    }

    void showingAgainStartsANewCreation()
    {
        Creation c;
        c.choose(QStringLiteral("5"), QStringLiteral("алгебра"), QStringLiteral("Брошенный"));
        QTest::mouseClick(c.create(), Qt::LeftButton);
        c.storeQuestion(questionTexts(1));
        c.editor->close();  // left without a finish
        triggerMenu(c.fx, "N5");
        QCOMPARE(c.editor->questionCounter(), 1);
        QVERIFY(!c.finish()->isEnabled());
        QVERIFY(!c.create()->isEnabled());  // until a subject is chosen again
        QVERIFY(c.fx.column(DatabaseKind::Tests, QStringLiteral("SELECT vopr FROM temy")).value(0).isNull());
        QVERIFY(test::choose(c.subjects(), QStringLiteral("алгебра")));
        QVERIFY(c.create()->isEnabled());
        QCOMPARE(c.fx.context().editor.editorSubject, QStringLiteral("алгебра"));
    }

    void pastedPictureBecomesPartOfTheQuestion_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("image data") << "image";
        QTest::newRow("HTML with a data URL") << "html";
        QTest::newRow("an image file") << "file";
        QTest::newRow("RTF") << "rtf";
    }
    void pastedPictureBecomesPartOfTheQuestion()
    {
        QFETCH(QString, source);
        Creation c;
        c.choose(QStringLiteral("6"), QStringLiteral("география"), QStringLiteral("Карты"));
        QTest::mouseClick(c.create(), Qt::LeftButton);
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        auto *mime = new QMimeData;
        if (source == QLatin1String("image")) {
            mime->setImageData(image);
        } else if (source == QLatin1String("html")) {
            mime->setHtml(QStringLiteral("<p><img src=\"data:image/png;base64,%1\"></p>")
                              .arg(QString::fromLatin1(png.toBase64())));
        } else if (source == QLatin1String("file")) {
            const QString path = c.fx.root() + QStringLiteral("/map.png");
            QVERIFY(image.save(path));
            mime->setUrls({QUrl::fromLocalFile(path)});
        } else {
            QTextDocument doc;
            doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("map.png")), image);
            QTextImageFormat format;
            format.setName(QStringLiteral("map.png"));
            QTextCursor(&doc).insertImage(format);
            mime->setData(QStringLiteral("text/rtf"), rtf::write(doc));
        }
        QGuiApplication::clipboard()->setMimeData(mime);
        QTextEdit *question = box(c.editor, 1);
        question->setFocus();
        question->paste();
        QCOMPARE(firstImage(*question->document()).size(), image.size());

        for (int i = 2; i <= 5; ++i)
            box(c.editor, i)->setPlainText(QString::number(i));
        QTest::mouseClick(c.store(), Qt::LeftButton);
        QVERIFY(c.fx.dialogs.calls.isEmpty());  // a picture alone fills a box
        const auto stored = storedQuestions(c.fx, QStringLiteral("shest"), QStringLiteral("Карты"),
                                            QStringLiteral("география"));
        QCOMPARE(stored.size(), 1);
        QTextDocument back;
        rtf::read(stored[0].blobs[0], back);
        const QImage restored = firstImage(back);
        QCOMPARE(restored.size(), image.size());
        QCOMPARE(QColor(restored.pixel(0, 0)), QColor(Qt::blue));
    }
};

QTEST_MAIN(TstCreation)
#include "tst_creation.moc"
