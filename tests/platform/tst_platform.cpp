#include "platform/ErrorGuard.h"
#include "platform/IniFile.h"
#include "platform/RandomGenerator.h"
#include "platform/TextFile.h"
#include "support/FakeDialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorkast;

class TstPlatform : public QObject {
    Q_OBJECT

private slots:
    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << "5\r\n6\r\n7\r\n" << QStringList{"5", "6", "7"};
        QTest::newRow("lone lf and cr") << "a\nb\rc" << QStringList{"a", "b", "c"};
        QTest::newRow("last line without break") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("empty middle line kept") << "a\r\n\r\nb\r\n" << QStringList{"a", "", "b"};
        QTest::newRow("no trimming") << " a \r\n\tb\r\n" << QStringList{" a ", "\tb"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void splitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(vorkast::splitLines(text), lines);
    }

    void decodesUtf8AndLegacyCp1251()
    {
        QCOMPARE(decodeText(QStringLiteral("физика").toUtf8()), QStringLiteral("физика"));
        QCOMPARE(decodeText(QByteArray("\xF4\xE8\xE7\xE8\xEA\xE0 \xA8\xB8")), QStringLiteral("физика Ёё"));
        QCOMPARE(decodeText(QByteArray("\xEF\xBB\xBFok")), QStringLiteral("ok"));
    }

    void listFilesRoundTripWithCrLf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.rfg"));
        writeLinesFile(path, {QStringLiteral("алгебра"), QString(), QStringLiteral("НВП")});
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QStringLiteral("алгебра\r\n\r\nНВП\r\n").toUtf8());
        QCOMPARE(readLinesFile(path), (QStringList{"алгебра", "", "НВП"}));
        QVERIFY_THROWS_EXCEPTION(UserError, readLinesFile(dir.filePath(QStringLiteral("nothing.rfg"))));
        QVERIFY_THROWS_EXCEPTION(UserError, writeLinesFile(dir.filePath(QStringLiteral("no/such/dir.rfg")), {}));
    }

    void iniReadAndWrite()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("config.ini"));
        const QString section = QStringLiteral("ConnectionString");
        QCOMPARE(readIniValue(ini, section, QStringLiteral("Path1")), QString());  // no file

        writeIniValue(ini, section, QStringLiteral("Path2"), QStringLiteral("/базы/testy.tsb"));
        QFile f(ini);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QStringLiteral("[ConnectionString]\r\nPath2=/базы/testy.tsb\r\n").toUtf8());
        f.close();

        // Legacy Windows file: other sections and keys are kept, names match in any case.
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Other]\r\nx=1\r\n[connectionstring]\r\npath1 = C:\\Base\\resultaty.tsb\r\nPath2=\"C:\\t.tsb\"\r\n");
        f.close();
        QCOMPARE(readIniValue(ini, section, QStringLiteral("Path1")), QStringLiteral("C:\\Base\\resultaty.tsb"));
        QCOMPARE(readIniValue(ini, section, QStringLiteral("Path2")), QStringLiteral("C:\\t.tsb"));
        QCOMPARE(readIniValue(ini, QStringLiteral("Other"), QStringLiteral("Path1")), QString());
        writeIniValue(ini, section, QStringLiteral("Path1"), QStringLiteral("/r.tsb"));
        QCOMPARE(readIniValue(ini, section, QStringLiteral("Path1")), QStringLiteral("/r.tsb"));
        QCOMPARE(readIniValue(ini, QStringLiteral("Other"), QStringLiteral("x")), QStringLiteral("1"));
        QCOMPARE(readIniValue(ini, section, QStringLiteral("Path2")), QStringLiteral("C:\\t.tsb"));

        QVERIFY_THROWS_EXCEPTION(UserError, writeIniValue(dir.filePath(QStringLiteral("none/config.ini")), section,
                                                          QStringLiteral("Path1"), QStringLiteral("x")));
    }

    void generatorSequenceFromZero()
    {
        RandomGenerator g;
        QList<uint> layouts;
        for (int i = 0; i < 12; ++i)
            layouts << g.draw(4);
        QCOMPARE(layouts, (QList<uint>{0, 0, 3, 0, 1, 2, 1, 0, 1, 1, 0, 1}));
        g.seed(12345);
        const uint a = g.draw(256);
        g.seed(12345);
        QCOMPARE(g.draw(256), a);
        QVERIFY(a < 256);
    }

    void guardShowsErrorsAndGoesOn()
    {
        test::FakeDialogs dialogs;
        QVERIFY(guarded(dialogs, [] {}));
        QVERIFY(!guarded(dialogs, [] { throw UserError(QStringLiteral("Файл не найден")); }));
        QVERIFY(!guarded(dialogs, [] { throw 42; }));
        QCOMPARE(dialogs.errors().size(), 2);
        QCOMPARE(dialogs.errors().first(), QStringLiteral("Файл не найден"));
    }
};

QTEST_MAIN(TstPlatform)
#include "tst_platform.moc"
