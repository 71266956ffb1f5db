#include "support/AppFixture.h"

#include "app/TForm1.h"
#include "platform/DefaultLists.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QtTest>

using namespace vorkast;
using namespace vorkast::test;

namespace {

const QString kConnectionMessage = QStringLiteral(
    "Не удалось установить соединение с сервером!!!  \rВойдите в меню \"Настройка базы\" и укажите путь до базы "
    "данных \rДолжны быть указаны 2 базы: testy.tsb и resultaty.tsb");
const QString kNoSubjects =
    QStringLiteral("Файл list.rfg не обнаружен.Зайдите в Настройки->Создать стандартный список предметов");
const QString kNoClasses = QStringLiteral("Файл klass.rfg не обнаружен.Зайдите в Настройки->Создать список классов");

QString countLabel(AppFixture &fx)
{
    return child<QLabel>(fx.app->form1(), QStringLiteral("sLabel1"))->text();
}

bool enabled(AppFixture &fx, const char *item)
{
    return fx.app->form1()->menuItem(QString::fromLatin1(item))->isEnabled();
}

} // namespace

class TstStartup : public QObject {
    Q_OBJECT

private slots:
    void menuCaptionsAndInitialStates()
    {
        AppFixture fx;
        fx.start();
        const QList<std::tuple<const char *, QString, bool>> items = {
            {"N1", "Тестирование", true},
            {"N2", "Начать", true},
            {"N6", "Результаты", true},
            {"N7", "Смотреть", false},
            {"N4", "Редактирование тестов", true},
            {"N5", "Новый", false},
            {"N10", "Удаление", false},
            {"N15", "Редактирование", false},
            {"N11", "Настройки", true},
            {"N12", "Найти базу данных resultaty.tsb", false},
            {"testymdb1", "Найти базу данных testy.tsb", false},
            {"N13", "Настроить  пароль", true},
            {"N14", "Создать список предметов", true},
            {"N8", "Создать список классов", true},
            {"N3", "Справка", true},
            {"N9", "О программе...", true},
            {"N16", "Кол-во тестов на сайте", true},
            {"N17", "Последняя версия на сайте", true},
            {"N18", "Помощь автору", true},
        };
        for (const auto &[name, caption, on] : items) {
            QAction *a = fx.app->form1()->menuItem(QString::fromLatin1(name));
            QVERIFY2(a, name);
            QCOMPARE(a->text(), caption);
            QCOMPARE(a->isEnabled(), on);
        }
        QVERIFY(fx.dialogs.calls.isEmpty());
        QVERIFY(fx.context().ADOConnection1.isOpen() && fx.context().ADOConnection2.isOpen());
        QVERIFY(!fx.context().loggedIn);
        QVERIFY(!fx.context().ADOtemy.isActive());
        QCOMPARE(child<QLabel>(fx.app->form1(), QStringLiteral("sLabel6"))->text(), QStringLiteral("Версия 2.4.5."));
        QVERIFY(fx.app->form1()->windowTitle().startsWith(QStringLiteral("Vorkast. http")));
        for (const char *panel : {"rzpanel1", "rzPanel3", "sPanel1", "rzpanel2", "sPanel4"})
            QVERIFY2(!child<QWidget>(fx.app->form1(), QString::fromLatin1(panel))->isVisible(), panel);
    }

    void topicCount_data()
    {
        QTest::addColumn<int>("topics");
        QTest::newRow("empty table") << 0;
        QTest::newRow("three topics") << 3;
    }
    void topicCount()
    {
        QFETCH(int, topics);
        AppFixture fx;
        for (int i = 0; i < topics; ++i)
            fx.addTopic(QStringLiteral("Тема %1").arg(i), QStringLiteral("5"), QStringLiteral("физика"), QStringLiteral("0"));
        fx.start();
        QCOMPARE(countLabel(fx), QStringLiteral("Количество тем в базе: %1").arg(topics));
        QCOMPARE(int(fx.context().topicCount), topics);
    }

    void noConfigFile()
    {
        AppFixture fx;
        fx.removeConfig();
        fx.start();
        QCOMPARE(fx.dialogs.informations(), QStringList{kConnectionMessage});
        QCOMPARE(fx.dialogs.errors().size(), 1);  // the topic count fails on the closed database
        QCOMPARE(countLabel(fx), QStringLiteral("Количество тем в базе: 0"));
        QVERIFY(enabled(fx, "N12") && enabled(fx, "testymdb1"));
        for (const char *item : {"N7", "N5", "N10", "N15"})
            QVERIFY2(!enabled(fx, item), item);
        QVERIFY(!QFile::exists(fx.binDir + QStringLiteral("/config.ini")));  // start-up never writes it
    }

    void badResultsPathSkipsTheTestsDatabase()
    {
        AppFixture fx;
        fx.writeConfig(fx.root() + QStringLiteral("/nothing.tsb"), fx.testsPath);
        fx.start();
        QCOMPARE(fx.dialogs.informations(), QStringList{kConnectionMessage});
        QVERIFY(!fx.context().ADOConnection1.isOpen());
        QVERIFY(!fx.context().ADOConnection2.isOpen());
        QCOMPARE(countLabel(fx), QStringLiteral("Количество тем в базе: 0"));
    }

    void listFilesMissing()
    {
        AppFixture fx;
        fx.removeLists();
        fx.start();
        QCOMPARE(fx.dialogs.informations(), (QStringList{kNoSubjects, kNoClasses}));
        QCOMPARE(fx.dialogs.errors().size(), 1);  // first showing: only the subject load is tried
        QCOMPARE(fx.context().subjectList, defaultSubjectList());
        QCOMPARE(fx.context().classList, defaultClassList());
        auto *classFilter = child<QComboBox>(fx.app->form1(), QStringLiteral("rzComboBox1"));
        QCOMPARE(classFilter->count(), 7);  // design items "5".."11" kept
        QCOMPARE(classFilter->itemText(0), QStringLiteral("5"));

        // "Создать список предметов" writes the built-in list with CR LF after every line.
        fx.app->form1()->menuItem(QStringLiteral("N14"))->trigger();
        QFile f(fx.workDir + QStringLiteral("/list.rfg"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes.count("\r\n"), 18);
        QVERIFY(bytes.startsWith(QStringLiteral("алгебра\r\nанглийский\r\n").toUtf8()));
        QVERIFY(bytes.endsWith(QStringLiteral("другое\r\n").toUtf8()));
    }

    void listFilesAsWritten()
    {
        AppFixture fx;
        fx.writeWorkFile(QStringLiteral("klass.rfg"), "5\r\n6\r\n7");  // last line without a break
        fx.writeWorkFile(QStringLiteral("list.rfg"), "\xF4\xE8\xE7\xE8\xEA\xE0\r\n\xF5\xE8\xEC\xE8\xFF\r\n");  // Windows-1251
        fx.start();
        QVERIFY(fx.dialogs.calls.isEmpty());
        QCOMPARE(fx.context().classList, (QStringList{"5", "6", "7"}));
        QCOMPARE(fx.context().subjectList, (QStringList{"физика", "химия"}));
        auto *classFilter = child<QComboBox>(fx.app->form1(), QStringLiteral("rzComboBox1"));
        QCOMPARE(classFilter->count(), 3);
        QCOMPARE(classFilter->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(fx.app->form1(), QStringLiteral("RzComboBox2"))->itemText(1), QStringLiteral("химия"));

        // Writing back restores the content read at start-up, undoing a later hand edit.
        fx.writeWorkFile(QStringLiteral("klass.rfg"), "5\r\n6\r\n7\r\n8\r\n");
        fx.app->form1()->menuItem(QStringLiteral("N8"))->trigger();
        QFile f(fx.workDir + QStringLiteral("/klass.rfg"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("5\r\n6\r\n7\r\n"));
    }
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
