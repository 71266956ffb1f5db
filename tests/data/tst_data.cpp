#include "support/AppFixture.h"

#include "data/ClassTables.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Query.h"
#include "data/QueryModel.h"
#include "data/SqlText.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

using namespace vorkast;
using namespace vorkast::test;

class TstData : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> fx;
    std::unique_ptr<Connection> tests;
    std::unique_ptr<Connection> results;

    Query topics()
    {
        return Query(*tests, QStringLiteral("ADOtemy"), QStringLiteral("select * from temy"),
                     {QStringLiteral("tema"), QStringLiteral("klass"), QStringLiteral("index"),
                      QStringLiteral("predmet"), QStringLiteral("vopr")});
    }
    QStringList titles(Query &q)
    {
        QStringList out;
        for (int r = 0; r < q.recordCount(); ++r)
            out << q.cell(r, q.columnIndex(QStringLiteral("tema"))).toString();
        return out;
    }

private slots:
    void init()
    {
        fx = std::make_unique<AppFixture>();
        tests = std::make_unique<Connection>(DatabaseKind::Tests);
        tests->open(fx->testsPath);
        results = std::make_unique<Connection>(DatabaseKind::Results);
        results->open(fx->resultsPath);
    }
    void cleanup()
    {
        tests.reset();
        results.reset();
        fx.reset();
    }

    void classTables()
    {
        QCOMPARE(classTableName(1), QStringLiteral("odin"));
        QCOMPARE(classTableName(3), QStringLiteral("tri"));
        QCOMPARE(classTableName(11), QStringLiteral("odinnad"));
        QVERIFY(classTableName(0).isEmpty());
        QVERIFY(classTableName(12).isEmpty());
        QCOMPARE(classTableForText(QStringLiteral("7")), QStringLiteral("sem"));
        QVERIFY(classTableForText(QStringLiteral("07")).isEmpty());
        QVERIFY(classTableForText(QStringLiteral("7 ")).isEmpty());
    }

    void cursorMarksAtBothEnds()
    {
        for (const char *t : {"a", "b", "c"})
            fx->addTopic(QString::fromLatin1(t), QStringLiteral("5"), QStringLiteral("x"), QStringLiteral("1"));
        Query q = topics();
        q.replaceStatement({QStringLiteral("SELECT * FROM temy"), QStringLiteral("ORDER BY tema")});
        QCOMPARE(q.recordCount(), 3);
        QVERIFY(q.bof() && !q.eof());
        q.prior();  // at the beginning: nothing moves
        QCOMPARE(q.text(QStringLiteral("tema")), QStringLiteral("a"));
        q.next();
        QVERIFY(!q.bof() && !q.eof());
        q.next();
        QCOMPARE(q.text(QStringLiteral("tema")), QStringLiteral("c"));
        QVERIFY(!q.eof());
        q.next();  // no next row: end mark set, cursor stays
        QVERIFY(q.eof());
        QCOMPARE(q.text(QStringLiteral("tema")), QStringLiteral("c"));
        q.prior();
        QVERIFY(!q.eof() && !q.bof());
        QCOMPARE(q.text(QStringLiteral("tema")), QStringLiteral("b"));
        q.prior();
        q.prior();  // the first row reached by moving back does not carry the mark until a further move
        QVERIFY(q.bof());
        QCOMPARE(q.text(QStringLiteral("tema")), QStringLiteral("a"));

        q.replaceStatement({QStringLiteral("select * from temy where tema = :t")}, {{QStringLiteral("t"), QStringLiteral("zzz")}});
        QVERIFY(q.bof() && q.eof() && q.isEmpty());
        QCOMPARE(q.text(QStringLiteral("tema")), QString());
        QCOMPARE(q.integer(QStringLiteral("index")), 0);
    }

    void deleteRows_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("currentAfter");
        QTest::addColumn<QStringList>("remaining");
        QTest::newRow("first") << 3 << 0 << "b" << QStringList{"b", "c"};
        QTest::newRow("middle") << 3 << 1 << "c" << QStringList{"a", "c"};
        QTest::newRow("last") << 3 << 2 << "b" << QStringList{"a", "b"};
        QTest::newRow("only") << 1 << 0 << "" << QStringList{};
    }
    void deleteRows()
    {
        QFETCH(int, count);
        QFETCH(int, at);
        QFETCH(QString, currentAfter);
        QFETCH(QStringList, remaining);
        for (int i = 0; i < count; ++i)
            fx->addTopic(QString(QChar('a' + i)), QStringLiteral("5"), QStringLiteral("x"), QStringLiteral("1"));
        Query q = topics();
        q.replaceStatement({QStringLiteral("SELECT * FROM temy ORDER BY tema")});
        q.setCurrentRow(at);
        q.remove();
        QCOMPARE(q.text(QStringLiteral("tema")), currentAfter);
        QCOMPARE(titles(q), remaining);
        QCOMPARE(q.eof(), remaining.isEmpty());
        QStringList stored;
        for (const QVariant &v : fx->column(DatabaseKind::Tests, QStringLiteral("SELECT tema FROM temy ORDER BY tema")))
            stored << v.toString();
        QCOMPARE(stored, remaining);
    }

    void deleteAllWhileNotAtEnd()
    {
        fx->addTest(QStringLiteral("T"), QStringLiteral("7"), QStringLiteral("физика"), 3);
        fx->addTest(QStringLiteral("T"), QStringLiteral("8"), QStringLiteral("физика"), 2);
        Query q(*tests, QStringLiteral("ADOklassy"), QStringLiteral("select * from pyat"), {QStringLiteral("vopros")});
        q.replaceStatement({QStringLiteral("select * from sem"), QStringLiteral("where predmet = :p and tema = :t")},
                           {{QStringLiteral("p"), QStringLiteral("физика")}, {QStringLiteral("t"), QStringLiteral("T")}});
        q.first();
        int guard = 0;
        while (!q.eof() && guard++ < 10)
            q.remove();
        QCOMPARE(guard, 3);
        QCOMPARE(fx->column(DatabaseKind::Tests, QStringLiteral("SELECT count(*) FROM sem")).value(0).toInt(), 0);
        QCOMPARE(fx->column(DatabaseKind::Tests, QStringLiteral("SELECT count(*) FROM vosem")).value(0).toInt(), 2);
    }

    void sortTogglesInTextOrder()
    {
        for (const char *k : {"2", "11", "7", "10"})
            fx->addTopic(QStringLiteral("t") + QLatin1String(k), QString::fromLatin1(k), QStringLiteral("x"), QStringLiteral("1"));
        Query q = topics();
        q.replaceStatement({QStringLiteral("SELECT * FROM temy"), QStringLiteral("ORDER BY klass")});
        QCOMPARE(titles(q), (QStringList{"t10", "t11", "t2", "t7"}));
        q.setCurrentRow(2);  // "t2"
        q.setSort(QStringLiteral("[klass] DESC"));
        QCOMPARE(q.sort(), QStringLiteral("[klass] DESC"));
        QCOMPARE(titles(q), (QStringList{"t7", "t2", "t11", "t10"}));
        QCOMPARE(q.text(QStringLiteral("tema")), QStringLiteral("t2"));  // the current record follows the sort
        q.setSort(QStringLiteral("[klass] ASC"));
        QCOMPARE(titles(q), (QStringList{"t10", "t11", "t2", "t7"}));
        q.replaceStatement({QStringLiteral("SELECT * FROM temy")});
        QVERIFY(q.sort().isEmpty());  // a new result set starts unsorted
        q.close();
        QVERIFY_THROWS_EXCEPTION(DataError, q.setSort(QStringLiteral("[klass] ASC")));
    }

    void caseInsensitiveCyrillic_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("equal, other case") << "predmet = :v" + noCase() << "ФИЗИКА" << QStringList{"Механика"};
        QTest::newRow("like prefix") << "predmet LIKE :v" << "фи%" << QStringList{"Механика"};
        QTest::newRow("like whole value") << "predmet LIKE :v" << "ФИЗИКА" << QStringList{"Механика"};
        QTest::newRow("like without % is not a prefix") << "predmet LIKE :v" << "физ" << QStringList{};
        QTest::newRow("Ё and ё") << "tema LIKE :v" << "ёлка" << QStringList{"Ёлка"};
    }
    void caseInsensitiveCyrillic()
    {
        QFETCH(QString, where);
        QFETCH(QString, value);
        QFETCH(QStringList, found);
        fx->addTopic(QStringLiteral("Механика"), QStringLiteral("7"), QStringLiteral("Физика"), QStringLiteral("1"));
        fx->addTopic(QStringLiteral("Ёлка"), QStringLiteral("1"), QStringLiteral("другое"), QStringLiteral("1"));
        Query q = topics();
        q.replaceStatement({QStringLiteral("select * from temy where ") + where}, {{QStringLiteral("v"), value}});
        QCOMPARE(titles(q), found);
    }

    void quotesAndPatternCharactersMatchOnlyThemselves()
    {
        const QStringList names{"Дроби 50%", "Дроби 5_%", "Дроби 500", "a\"b", "it's", "back\\slash", "backXslash"};
        for (const QString &n : names)
            fx->addTopic(n, QStringLiteral("5"), QStringLiteral("x"), QStringLiteral("1"));
        Query q = topics();
        for (const QString &n : names) {
            q.replaceStatement({QStringLiteral("SELECT * FROM temy WHERE tema LIKE :t") + likeEscape()},
                               {{QStringLiteral("t"), likeLiteral(n)}});
            QCOMPARE(titles(q), QStringList{n});
            q.replaceStatement({QStringLiteral("select* from temy where tema = :t") + noCase()}, {{QStringLiteral("t"), n}});
            QCOMPARE(titles(q), QStringList{n});
        }
        q.replaceStatement({QStringLiteral("SELECT * FROM temy WHERE tema LIKE :t") + likeEscape()},
                           {{QStringLiteral("t"), likePrefix(QStringLiteral("Дроби 5_"))}});
        QCOMPARE(titles(q), QStringList{"Дроби 5_%"});
    }

    void caselessTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("caseless");
        QTest::newRow("digits") << "11" << true;
        QTest::newRow("date") << "05.03.2014" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("cyrillic letter") << "7А" << false;
        QTest::newRow("latin letter") << "7b" << false;
        QTest::newRow("roman numeral sign") << "\u2163" << false;
        QTest::newRow("circled letter") << "\u24B6" << false;
    }
    void caselessTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, caseless);
        QCOMPARE(isCaseless(text), caseless);
    }

    void fieldConversions()
    {
        fx->addTopic(QStringLiteral("x"), QStringLiteral("5"), QStringLiteral("s"), QStringLiteral("abc"));
        fx->addTopic(QStringLiteral("y"), QStringLiteral("5"), QStringLiteral("s"), QString());
        fx->addTopic(QStringLiteral("z"), QStringLiteral("5"), QStringLiteral("s"), QStringLiteral("12"));
        Query q = topics();
        q.replaceStatement({QStringLiteral("SELECT * FROM temy ORDER BY tema")});
        QVERIFY_THROWS_EXCEPTION(DataError, q.integer(QStringLiteral("vopr")));
        q.next();
        QCOMPARE(q.integer(QStringLiteral("vopr")), 0);  // null reads as 0
        q.next();
        QCOMPARE(q.integer(QStringLiteral("VOPR")), 12);  // field names match in any case
        QVERIFY_THROWS_EXCEPTION(DataError, q.text(QStringLiteral("nosuch")));
        q.close();
        QVERIFY_THROWS_EXCEPTION(DataError, q.text(QStringLiteral("tema")));
    }

    void insertEditPostWithBlobs()
    {
        Query q(*results, QStringLiteral("adores"), QStringLiteral("select * from result"),
                {QStringLiteral("index"), QStringLiteral("FI"), QStringLiteral("results"), QStringLiteral("galka")});
        q.open();
        QVERIFY(q.isEmpty());
        q.insert();
        q.setValue(QStringLiteral("FI"), QStringLiteral("Иванова Маша"));
        q.setValue(QStringLiteral("results"), QByteArray("отчёт\r\n"));
        q.post();
        QCOMPARE(q.recordCount(), 1);
        QVERIFY(q.key() > 0);
        QCOMPARE(q.boolean(QStringLiteral("galka")), false);  // the column default
        QCOMPARE(q.blob(QStringLiteral("results")), QByteArray("отчёт\r\n"));
        QVERIFY(q.cell(0, q.columnIndex(QStringLiteral("results"))).isNull());  // blobs are not held per row

        q.edit();
        q.setValue(QStringLiteral("galka"), true);
        q.setValue(QStringLiteral("results"), QByteArray("новый"));
        q.post();
        QCOMPARE(fx->column(DatabaseKind::Results, QStringLiteral("SELECT galka FROM result")).value(0).toInt(), 1);
        QCOMPARE(q.blob(QStringLiteral("results")), QByteArray("новый"));

        q.edit();
        q.setValue(QStringLiteral("FI"), QStringLiteral("забыто"));
        q.cancel();
        QCOMPARE(q.text(QStringLiteral("FI")), QStringLiteral("Иванова Маша"));
        QVERIFY_THROWS_EXCEPTION(DataError, q.setValue(QStringLiteral("FI"), QStringLiteral("x")));
    }

    void statementMustReturnTheFields()
    {
        Query q(*tests, QStringLiteral("ADOklassy"), QStringLiteral("select * from pyat"),
                {QStringLiteral("vopros"), QStringLiteral("tema")});
        QVERIFY_THROWS_EXCEPTION(DataError, q.replaceStatement({QStringLiteral("select * from temy")}));  // no "vopros"
        QVERIFY(!q.isActive());
    }

    void connectionFailures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing file") << "missing";
        QTest::newRow("not a database") << "text";
        QTest::newRow("tests database as results") << "wrong kind";
        QTest::newRow("empty path") << "empty";
    }
    void connectionFailures()
    {
        QFETCH(QString, kind);
        QString path = fx->root() + QStringLiteral("/missing.tsb");
        if (kind == "text") {
            path = fx->root() + QStringLiteral("/text.tsb");
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, 'x'));
        } else if (kind == "wrong kind") {
            path = fx->testsPath;
        } else if (kind == "empty") {
            path.clear();
        }
        Connection c(DatabaseKind::Results);
        try {
            c.open(path);
            QFAIL("opened");
        } catch (const DataError &e) {
            QVERIFY(!e.message().isEmpty());
            if (!path.isEmpty())
                QVERIFY2(e.message().contains(path), qPrintable(e.message()));
        }
        QVERIFY(!c.isOpen());
        QVERIFY(!QFile::exists(fx->root() + QStringLiteral("/missing.tsb")));  // never creates a file
    }

    void closingTheConnectionClosesItsQueries()
    {
        Query q = topics();
        q.open();
        QVERIFY(q.isActive());
        tests->close();
        QVERIFY(!q.isActive());
        QVERIFY_THROWS_EXCEPTION(DataError, q.open());
    }

    void modelFollowsQueryAndWritesCheckBoxes()
    {
        fx->sql(DatabaseKind::Results, QStringLiteral("INSERT INTO result (FI, galka) VALUES ('Б', 0), ('А', 0)"));
        Query q(*results, QStringLiteral("adores"), QStringLiteral("select * from result"), {QStringLiteral("FI")});
        QueryModel model(q, {{QStringLiteral("FI"), QStringLiteral("ФИ"), 150, false},
                             {QStringLiteral("galka"), QStringLiteral("Выбор"), 35, true}});
        QCOMPARE(model.rowCount(), 0);
        q.replaceStatement({QStringLiteral("select * from result"), QStringLiteral("order by FI")});
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("А"));
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Выбор"));
        QVERIFY(model.setData(model.index(1, 1), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(model.index(1, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(fx->column(DatabaseKind::Results, QStringLiteral("SELECT galka FROM result WHERE FI = 'Б'")).value(0).toInt(), 1);
        q.setSort(QStringLiteral("[FI] DESC"));
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Б"));
        q.close();
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_MAIN(TstData)
#include "tst_data.moc"
