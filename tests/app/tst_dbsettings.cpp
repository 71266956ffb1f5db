#include "support/AppFixture.h"

#include "app/TForm1.h"
#include "platform/PasswordHash.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vorkast;
using namespace vorkast::test;

namespace {

const QString kFilter = QStringLiteral("База данных  Vorkast (*.tsb)");

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString configPath(const AppFixture &fx)
{
    return QDir(fx.binDir).filePath(QStringLiteral("config.ini"));
}

// Chooses `file` in the open dialog of a settings item.
void choose(AppFixture &fx, const char *item, const QString &file)
{
    fx.dialogs.openFileAnswers.enqueue(file);
    fx.app->form1()->menuItem(QString::fromLatin1(item))->trigger();
}

void login(AppFixture &fx)
{
    TForm1 *form = fx.app->form1();
    child<QLineEdit>(form, QStringLiteral("rzedit1"))->setText(QStringLiteral("admin"));
    child<QLineEdit>(form, QStringLiteral("rzEdit2"))->setText(QStringLiteral("admin"));
    child<QPushButton>(form, QStringLiteral("sButton2"))->click();
    QVERIFY(fx.context().loggedIn);
    fx.dialogs.clear();
}

} // namespace

class TstDbSettings : public QObject {
    Q_OBJECT

private slots:
    // After a failed start-up both items work without a login; both databases are then
    // usable together, config.ini (missing at start) holds both paths, and the next start
    // connects without a message.
    void repairAfterFailedStartup()
    {
        AppFixture fx;
        fx.addTopic(QStringLiteral("Дроби"), QStringLiteral("5"), QStringLiteral("алгебра"), QStringLiteral("3"));
        fx.addAdmin(QStringLiteral("admin"), PasswordHash::make(QStringLiteral("admin")));
        fx.removeConfig();
        fx.start();
        fx.dialogs.clear();
        AppContext &ctx = fx.context();
        QVERIFY(!ctx.loggedIn);

        choose(fx, "N12", fx.resultsPath);
        QCOMPARE(fx.dialogs.calls.size(), 1);
        QCOMPARE(fx.dialogs.calls[0].kind, FakeDialogs::Kind::OpenFile);
        QCOMPARE(fx.dialogs.calls[0].text, kFilter);
        QVERIFY(ctx.ADOConnection1.isOpen());
        QCOMPARE(fileBytes(configPath(fx)),
                 QByteArray("[ConnectionString]\r\nPath1=") + fx.resultsPath.toUtf8() + "\r\n");

        choose(fx, "testymdb1", fx.testsPath);
        QCOMPARE(fx.dialogs.calls.size(), 2);  // the two dialogs, no message
        QVERIFY(ctx.ADOConnection1.isOpen() && ctx.ADOConnection2.isOpen());
        ctx.ADOtemy.replaceStatement({QStringLiteral("select * from temy")});
        QCOMPARE(ctx.ADOtemy.text(QStringLiteral("tema")), QStringLiteral("Дроби"));
        login(fx);  // the results database answers the login

        fx.app.reset();
        fx.dialogs.clear();
        fx.start();
        QVERIFY(fx.dialogs.calls.isEmpty());
        QVERIFY(fx.context().ADOConnection1.isOpen() && fx.context().ADOConnection2.isOpen());
        QCOMPARE(fx.context().topicCount, quint16(1));
    }

    // The items are disabled before the login when start-up went well.
    void disabledBeforeLogin()
    {
        AppFixture fx;
        fx.start();
        const QByteArray config = fileBytes(configPath(fx));
        choose(fx, "N12", fx.root() + QStringLiteral("/elsewhere.tsb"));
        QVERIFY(fx.dialogs.calls.isEmpty());
        QCOMPARE(fileBytes(configPath(fx)), config);
    }

    // Another pair of files replaces the open ones after the login; the queries that were
    // open on the old file are closed, and config.ini keeps its other lines.
    void switchToOtherFiles()
    {
        AppFixture fx;
        fx.addAdmin(QStringLiteral("admin"), QStringLiteral("admin"));
        {
            QFile f(configPath(fx));
            f.open(QIODevice::WriteOnly | QIODevice::Truncate);
            f.write("; kept\r\n[ConnectionString]\r\nPath1=" + fx.resultsPath.toUtf8() + "\r\nPath2="
                    + fx.testsPath.toUtf8() + "\r\n[Other]\r\nKey=1\r\n");
        }
        AppFixture other;  // its databases serve as the other files
        other.addTopic(QStringLiteral("Другая"), QStringLiteral("7"), QStringLiteral("физика"), QStringLiteral("1"));
        fx.start();
        login(fx);
        AppContext &ctx = fx.context();
        ctx.adores.replaceStatement({QStringLiteral("select * from result")});

        choose(fx, "N12", other.resultsPath);
        QVERIFY(fx.dialogs.errors().isEmpty());
        QVERIFY(!ctx.adores.isActive());
        QCOMPARE(ctx.ADOConnection1.path(), other.resultsPath);
        choose(fx, "testymdb1", other.testsPath);
        QCOMPARE(ctx.ADOConnection2.path(), other.testsPath);
        ctx.ADOtemy.replaceStatement({QStringLiteral("select * from temy")});
        QCOMPARE(ctx.ADOtemy.text(QStringLiteral("tema")), QStringLiteral("Другая"));
        QCOMPARE(fileBytes(configPath(fx)),
                 "; kept\r\n[ConnectionString]\r\nPath1=" + other.resultsPath.toUtf8() + "\r\nPath2="
                     + other.testsPath.toUtf8() + "\r\n[Other]\r\nKey=1\r\n");
        // The start-up values stay as read.
        QCOMPARE(ctx.config.path1, fx.resultsPath);
    }

    void cancelledDialogChangesNothing()
    {
        AppFixture fx;
        fx.addAdmin(QStringLiteral("admin"), QStringLiteral("admin"));
        fx.start();
        login(fx);
        const QByteArray config = fileBytes(configPath(fx));
        for (const char *item : {"N12", "testymdb1"}) {
            fx.app->form1()->menuItem(QString::fromLatin1(item))->trigger();  // no answer queued: cancelled
        }
        QCOMPARE(fx.dialogs.texts(FakeDialogs::Kind::OpenFile).size(), 2);
        QCOMPARE(fx.dialogs.calls.size(), 2);
        QCOMPARE(fileBytes(configPath(fx)), config);
        QCOMPARE(fx.context().ADOConnection1.path(), fx.resultsPath);
        QCOMPARE(fx.context().ADOConnection2.path(), fx.testsPath);
    }

    void fileRefused_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        QTest::newRow("tests database as results") << "N12" << "testy.tsb" << "result";
        QTest::newRow("results database as tests") << "testymdb1" << "resultaty.tsb" << "temy";
        QTest::newRow("text file") << "N12" << "notes.tsb" << "notes.tsb";
        QTest::newRow("missing file") << "testymdb1" << "missing.tsb" << "missing.tsb";
    }
    // A file that is not a database of the item's kind is refused before anything changes:
    // the open connection and its queries stay as they were and config.ini keeps the old path.
    void fileRefused()
    {
        QFETCH(QString, item);
        QFETCH(QString, file);
        QFETCH(QString, reason);
        AppFixture fx;
        fx.addAdmin(QStringLiteral("admin"), QStringLiteral("admin"));
        fx.addTopic(QStringLiteral("Дроби"), QStringLiteral("5"), QStringLiteral("алгебра"), QStringLiteral("3"));
        {
            QFile f(fx.root() + QStringLiteral("/notes.tsb"));
            f.open(QIODevice::WriteOnly);
            f.write("Это не база данных.\r\n");
        }
        fx.start();
        login(fx);
        AppContext &ctx = fx.context();
        ctx.ADOtemy.replaceStatement({QStringLiteral("select * from temy")});
        const QByteArray config = fileBytes(configPath(fx));

        choose(fx, item.toLatin1().constData(), fx.root() + QLatin1Char('/') + file);
        QCOMPARE(fx.dialogs.errors().size(), 1);
        QVERIFY2(fx.dialogs.errors()[0].contains(reason), qPrintable(fx.dialogs.errors()[0]));
        QCOMPARE(fileBytes(configPath(fx)), config);
        QCOMPARE(ctx.ADOConnection1.path(), fx.resultsPath);
        QCOMPARE(ctx.ADOConnection2.path(), fx.testsPath);
        QVERIFY(ctx.ADOtemy.isActive());
        QCOMPARE(ctx.ADOtemy.text(QStringLiteral("tema")), QStringLiteral("Дроби"));
    }

    // config.ini cannot be written: the error names it, the chosen file stays open for this run.
    void configNotWritable()
    {
        AppFixture fx;
        fx.removeConfig();
        QVERIFY(QDir(fx.binDir).mkdir(QStringLiteral("config.ini")));  // a folder in its place
        fx.start();
        fx.dialogs.clear();
        choose(fx, "N12", fx.resultsPath);
        QCOMPARE(fx.dialogs.errors().size(), 1);
        QVERIFY2(fx.dialogs.errors()[0].contains(configPath(fx)), qPrintable(fx.dialogs.errors()[0]));
        QVERIFY(fx.context().ADOConnection1.isOpen());
        QCOMPARE(fx.context().ADOConnection1.path(), fx.resultsPath);
    }
};

QTEST_MAIN(TstDbSettings)
#include "tst_dbsettings.moc"
