// Report documents and the results workbook as plain classes.
#include "WorkbookReader.h"

#include "platform/ErrorGuard.h"
#include "results/ReportDocument.h"
#include "results/ResultsWorkbook.h"
#include "richtext/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace vorkast;
using namespace vorkast::test;

namespace {

QString readBack(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<unreadable>");
    QTextDocument doc;
    rtf::read(f.readAll(), doc);
    return doc.toPlainText();
}

std::array<bool, 8> allTicked()
{
    std::array<bool, 8> t{};
    t.fill(true);
    return t;
}

ResultsWorkbook::Values values(const QString &fi, const QString &klass)
{
    return {fi, klass, QStringLiteral("Дроби"), QStringLiteral("5"), QStringLiteral("05.03.2014"),
            QStringLiteral("9 из 10"), QStringLiteral("Математика")};
}

// Widths as stored: libxlsxwriter adds the cell padding to a visible width.
double shownWidth(const QJsonObject &book, const QString &column)
{
    const double stored = book[QStringLiteral("widths")].toObject()[column].toDouble(-1);
    return stored > 0 ? std::round((stored - 0.7109375) * 100) / 100 : stored;
}

} // namespace

class TstResultFiles : public QObject {
    Q_OBJECT

private slots:
    void documentName_data()
    {
        QTest::addColumn<QString>("klass");
        QTest::addColumn<QString>("fi");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "7" << "F" << "7 алгебра 05.03.2014 F_42.rtf";
        QTest::newRow("blanks kept") << " 7 " << "Иванов  Иван " << " 7  алгебра 05.03.2014 Иванов  Иван _42.rtf";
        QTest::newRow("parent folders") << "7" << "../../x" << "7 алгебра 05.03.2014 ______x_42.rtf";
        QTest::newRow("backslash and slash") << "7/8" << "a\\b" << "7_8 алгебра 05.03.2014 a_b_42.rtf";
        QTest::newRow("forbidden characters") << "7" << ":*?\"<>|" << "7 алгебра 05.03.2014 ________42.rtf";
        QTest::newRow("control characters") << "7\t" << "a\nb\x01" << "7_ алгебра 05.03.2014 a_b__42.rtf";
    }
    void documentName()
    {
        QFETCH(QString, klass);
        QFETCH(QString, fi);
        QFETCH(QString, expected);
        const QString name = ReportDocument::fileName(klass, QStringLiteral("алгебра"), QStringLiteral("05.03.2014"),
                                                      fi, 42);
        QCOMPARE(name, expected);
        QVERIFY(!name.contains(QLatin1Char('/')) && !name.contains(QStringLiteral("..")));
    }

    void documentSavedInCreatedFolderAndReplaced()
    {
        QTemporaryDir dir;
        const QString folder = QDir(dir.path()).filePath(QStringLiteral("work/result"));
        const ReportDocument documents(folder);
        const QString report = QStringLiteral("Тестирование по предмету: Физика\nУченика (цы) 7 класса F\n\n1. a) +");
        const QString path = documents.save(QStringLiteral("7 Физика 05.03.2014 F_3.rtf"), report);
        QCOMPARE(path, QDir(folder).filePath(QStringLiteral("7 Физика 05.03.2014 F_3.rtf")));
        QCOMPARE(readBack(path), report);

        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("{\\rtf1"));
        f.close();
        documents.save(QStringLiteral("7 Физика 05.03.2014 F_3.rtf"), QStringLiteral("другой"));
        QCOMPARE(readBack(path), QStringLiteral("другой"));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
        // A hostile name given straight to save() still stays in the folder.
        const QString hostile = documents.save(QStringLiteral("../../x.rtf"), QStringLiteral("x"));
        QCOMPARE(QFileInfo(hostile).absolutePath(), QFileInfo(folder).absoluteFilePath());
    }

    void documentFontIsBoldTahoma()
    {
        QTemporaryDir dir;
        const QString path = ReportDocument(dir.path()).save(QStringLiteral("a.rtf"), QStringLiteral("Оценка: 5"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QTextDocument doc;
        rtf::read(f.readAll(), doc);
        const QTextCharFormat format = QTextCursor(doc.firstBlock()).block().begin().fragment().charFormat();
        if (!format.fontFamilies().toStringList().contains(QStringLiteral("Tahoma")) && !format.font().bold())
            QSKIP("the rich-text writer in this build keeps no fonts");
        QVERIFY(format.fontFamilies().toStringList().contains(QStringLiteral("Tahoma")));
        QVERIFY(format.font().bold());
        QCOMPARE(qRound(format.fontPointSize()), 12);
    }

    void documentFailureNamesTheFile()
    {
        QTemporaryDir dir;
        // "result" is a file here, so the folder cannot be made.
        const QString blocked = QDir(dir.path()).filePath(QStringLiteral("result"));
        QFile(blocked).open(QIODevice::WriteOnly);
        try {
            ReportDocument(blocked).save(QStringLiteral("a.rtf"), QStringLiteral("x"));
            QFAIL("saved into a file");
        } catch (const UserError &e) {
            QVERIFY2(e.message().contains(blocked), qPrintable(e.message()));
        }
        const QString longName = QString(300, QChar(0x0416)) + QStringLiteral(".rtf");
        try {
            ReportDocument(dir.path()).save(longName, QStringLiteral("x"));
            QFAIL("saved under a name too long");
        } catch (const UserError &e) {
            QVERIFY2(e.message().contains(longName), qPrintable(e.message()));
        }
    }

    void workbookAllColumns()
    {
        if (!canReadWorkbooks())
            QSKIP("python3-openpyxl is not installed");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Результаты.xlsx"));
        ResultsWorkbook book(path, allTicked());
        book.addRow(values(QStringLiteral("Иванов Иван"), QStringLiteral("7")));
        book.addRow(values(QStringLiteral("0012"), QStringLiteral("10")));
        book.close();

        QString error;
        const QJsonObject read = readWorkbook(path, &error);
        QVERIFY2(!read.isEmpty(), qPrintable(error));
        QCOMPARE(read[QStringLiteral("sheets")].toArray(), QJsonArray{QStringLiteral("Отчёт")});
        const QJsonObject cells = read[QStringLiteral("cells")].toObject();
        QCOMPARE(cells[QStringLiteral("C1")].toString(), QStringLiteral("Результаты тестирования"));
        const QStringList headers{"№", "Ф.И.", "Класс", "Тема", "Оценка", "Дата", "Ответы", "Предмет"};
        const QList<double> widths{3, 20, 5, 29, 7, 10, 8, 15};
        for (int c = 0; c < 8; ++c) {
            const QString letter(QChar('A' + c));
            QCOMPARE(cells[letter + QLatin1Char('3')].toString(), headers[c]);
            QVERIFY(read[QStringLiteral("bold")].toObject()[letter + QLatin1Char('3')].toBool());
            QCOMPARE(shownWidth(read, letter), widths[c]);
            QVERIFY(!read[QStringLiteral("hidden")].toObject()[letter].toBool());
        }
        const QStringList row4{"1", "Иванов Иван", "7", "Дроби", "5", "05.03.2014", "9 из 10", "Математика"};
        for (int c = 0; c < 8; ++c)
            QCOMPARE(cells[QString(QChar('A' + c)) + QLatin1Char('4')].toString(), row4[c]);
        QCOMPARE(cells[QStringLiteral("A5")].toString(), QStringLiteral("2"));
        QCOMPARE(cells[QStringLiteral("B5")].toString(), QStringLiteral("0012"));
        const QJsonObject types = read[QStringLiteral("types")].toObject();
        for (auto it = types.begin(); it != types.end(); ++it)
            QVERIFY2(it.value().toString() == QLatin1String("s"), qPrintable(it.key()));
        QVERIFY(read[QStringLiteral("bold")].toObject()[QStringLiteral("C1")].toBool());
        QVERIFY(!read[QStringLiteral("bold")].toObject()[QStringLiteral("B4")].toBool());
        QVERIFY(read[QStringLiteral("rowBold")].toObject()[QStringLiteral("1")].toBool());
        QVERIFY(read[QStringLiteral("rowBold")].toObject()[QStringLiteral("3")].toBool());
        QVERIFY(!read[QStringLiteral("rowBold")].toObject()[QStringLiteral("4")].toBool());
        QCOMPARE(cells.size(), 1 + 8 + 2 * 8);
    }

    void workbookUntickedColumnsKeepTheirPlaces_data()
    {
        QTest::addColumn<int>("unticked");
        QTest::newRow("№") << 0;
        QTest::newRow("Класс") << 2;
        QTest::newRow("Предмет") << 7;
    }
    void workbookUntickedColumnsKeepTheirPlaces()
    {
        QFETCH(int, unticked);
        if (!canReadWorkbooks())
            QSKIP("python3-openpyxl is not installed");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.xlsx"));
        auto ticked = allTicked();
        ticked[static_cast<size_t>(unticked)] = false;
        ResultsWorkbook book(path, ticked);
        book.addRow(values(QStringLiteral("Иванов Иван"), QStringLiteral("7")));
        book.close();

        const QJsonObject read = readWorkbook(path);
        const QJsonObject cells = read[QStringLiteral("cells")].toObject();
        const QString letter(QChar('A' + unticked));
        QCOMPARE(shownWidth(read, letter), 0.0);
        QVERIFY(read[QStringLiteral("hidden")].toObject()[letter].toBool());
        QVERIFY(!cells.contains(letter + QLatin1Char('3')));
        QVERIFY(!cells.contains(letter + QLatin1Char('4')));
        QCOMPARE(cells[QStringLiteral("C1")].toString(), QStringLiteral("Результаты тестирования"));
        // The other columns stay where they are.
        QCOMPARE(cells[QStringLiteral("B3")].toString(), QStringLiteral("Ф.И."));
        QCOMPARE(cells[QStringLiteral("D4")].toString(), QStringLiteral("Дроби"));
        QCOMPARE(cells[QStringLiteral("G4")].toString(), QStringLiteral("9 из 10"));
        if (unticked != 0)
            QCOMPARE(cells[QStringLiteral("A4")].toString(), QStringLiteral("1"));
    }

    void workbookEmpty()
    {
        if (!canReadWorkbooks())
            QSKIP("python3-openpyxl is not installed");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.xlsx"));
        ResultsWorkbook(path, allTicked()).close();
        const QJsonObject cells = readWorkbook(path)[QStringLiteral("cells")].toObject();
        QCOMPARE(cells.size(), 9);
        QVERIFY(!cells.contains(QStringLiteral("A4")));
    }

    void workbookDiscardAndFailureLeaveNoFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.xlsx"));
        {
            ResultsWorkbook book(path, allTicked());
            book.addRow(values(QStringLiteral("x"), QStringLiteral("7")));
            book.discard();
        }
        QVERIFY(!QFile::exists(path));
        {
            ResultsWorkbook book(path, allTicked());  // dropped without close()
        }
        QVERIFY(!QFile::exists(path));

        // The folder vanishes before the file is written.
        QTemporaryDir gone;
        const QString lost = gone.filePath(QStringLiteral("b.xlsx"));
        ResultsWorkbook book(lost, allTicked());
        book.addRow(values(QStringLiteral("x"), QStringLiteral("7")));
        QVERIFY(gone.remove());
        try {
            book.close();
            QFAIL("closed into a missing folder");
        } catch (const UserError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("b.xlsx")), qPrintable(e.message()));
        }
        QVERIFY(!QFile::exists(lost));
    }
};

QTEST_MAIN(TstResultFiles)
#include "tst_resultfiles.moc"
