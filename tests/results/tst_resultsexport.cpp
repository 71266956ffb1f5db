// The results window's spreadsheet export.
#include "WorkbookReader.h"

#include "support/AppFixture.h"
#include "support/ResultRows.h"

#include "app/TForm1.h"
#include "results/TForm2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace vorkast;
using namespace vorkast::test;

namespace {

struct Export {
    AppFixture fx;
    QTemporaryDir temp;  // the system's temporary folder for this test
    TForm2 *form = nullptr;

    Export()
    {
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        fx.writeLists({QStringLiteral("Математика")}, {"5", "7", "10"});
    }
    ~Export() { qunsetenv("TMPDIR"); }
    void start()
    {
        fx.start();
        form = fx.app->form2();
        fx.app->form1()->N7Click();
    }
    void run() { QTest::mouseClick(child<QPushButton>(form, QStringLiteral("sBitBtn1")), Qt::LeftButton); }
    void untick(int box) { child<QCheckBox>(form, QStringLiteral("rzCheckBox%1").arg(box))->setChecked(false); }
    QStringList folders() { return QDir(temp.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot); }
    QJsonObject opened()
    {
        if (fx.opener.opened.size() != 1)
            return {};
        QString error;
        const QJsonObject book = readWorkbook(fx.opener.opened.first().toLocalFile(), &error);
        if (book.isEmpty())
            qWarning("%s", qPrintable(error));
        return book;
    }
};

ResultRowData result(const QString &fi, const QString &klass, const QString &data, int correct)
{
    ResultRowData r;
    r.fi = fi;
    r.klass = klass;
    r.data = data;
    r.correct = correct;
    return r;
}

QStringList columnOf(const QJsonObject &book, QChar column, int rows)
{
    const QJsonObject cells = book[QStringLiteral("cells")].toObject();
    QStringList out;
    for (int r = 4; r < 4 + rows; ++r)
        out << cells[column + QString::number(r)].toString();
    return out;
}

} // namespace

class TstResultsExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!canReadWorkbooks())
            QSKIP("python3-openpyxl is not installed");
    }

    void filteredAndSortedListInItsOrder()
    {
        Export e;
        addResult(e.fx, result("Петров", "7", "05.03.2014", 9));
        addResult(e.fx, result("Антонов", "5", "05.03.2014", 3));
        addResult(e.fx, result("Сидоров", "7", "06.03.2014", 7));
        addResult(e.fx, result("Борисов", "7", "07.03.2014", 10));
        e.start();
        auto *classes = child<QComboBox>(e.form, QStringLiteral("rzComboBox1"));
        classes->setCurrentIndex(classes->findText("7"));
        emit classes->activated(classes->currentIndex());
        e.form->DBGridEh1TitleClick(QStringLiteral("FI"));
        e.form->DBGridEh1TitleClick(QStringLiteral("FI"));  // by name, descending
        e.run();

        QVERIFY2(e.fx.dialogs.errors().isEmpty(), qPrintable(e.fx.dialogs.errors().join('\n')));
        QCOMPARE(e.fx.opener.opened.size(), 1);
        const QFileInfo file(e.fx.opener.opened.first().toLocalFile());
        QVERIFY(file.exists());
        QVERIFY2(QRegularExpression(QStringLiteral("^Результаты тестирования \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.xlsx$"))
                     .match(file.fileName())
                     .hasMatch(),
                 qPrintable(file.fileName()));
        QCOMPARE(QFileInfo(file.absolutePath()).absolutePath(), QFileInfo(e.temp.path()).absoluteFilePath());
        QCOMPARE(QDir(file.absolutePath()).entryList(QDir::Files), QStringList{file.fileName()});

        const QJsonObject book = e.opened();
        QCOMPARE(book[QStringLiteral("sheets")].toArray(), QJsonArray{QStringLiteral("Отчёт")});
        QCOMPARE(columnOf(book, 'A', 4), QStringList({"1", "2", "3", ""}));
        QCOMPARE(columnOf(book, 'B', 3), QStringList({"Сидоров", "Петров", "Борисов"}));
        QCOMPARE(columnOf(book, 'F', 3), QStringList({"06.03.2014", "05.03.2014", "07.03.2014"}));
        QCOMPARE(columnOf(book, 'G', 3), QStringList({"7 из 10", "9 из 10", "10 из 10"}));
        QCOMPARE(columnOf(book, 'E', 3), QStringList({"4", "5", "5"}));
        QCOMPARE(columnOf(book, 'H', 1), QStringList{"Математика"});
        QCOMPARE(columnOf(book, 'D', 1), QStringList{"Дроби"});
        QCOMPARE(columnOf(book, 'C', 1), QStringList{"7"});
        // The list stands past its last row; its filter and sort are unchanged.
        QVERIFY(e.fx.context().adores.eof());
        QCOMPARE(e.fx.context().adores.sort(), QStringLiteral("[FI] DESC"));
        QCOMPARE(e.fx.context().adores.recordCount(), 3);
    }

    void untickedColumnsAndEmptyList()
    {
        Export e;
        e.start();  // no results at all
        e.untick(1);
        e.untick(3);
        e.run();
        const QJsonObject book = e.opened();
        const QJsonObject cells = book[QStringLiteral("cells")].toObject();
        QCOMPARE(cells[QStringLiteral("C1")].toString(), QStringLiteral("Результаты тестирования"));
        QStringList headers;
        for (const char *c : {"A3", "B3", "C3", "D3", "E3", "F3", "G3", "H3"})
            headers << cells[QLatin1String(c)].toString();
        QCOMPARE(headers, QStringList({"", "Ф.И.", "", "Тема", "Оценка", "Дата", "Ответы", "Предмет"}));
        QCOMPARE(cells.size(), 7);
        const QJsonObject widths = book[QStringLiteral("widths")].toObject();
        const QJsonObject hidden = book[QStringLiteral("hidden")].toObject();
        QCOMPARE(widths[QStringLiteral("A")].toDouble(), 0.0);
        QCOMPARE(widths[QStringLiteral("C")].toDouble(), 0.0);
        QVERIFY(hidden[QStringLiteral("A")].toBool() && hidden[QStringLiteral("C")].toBool());
        QVERIFY(!hidden[QStringLiteral("B")].toBool());
        QVERIFY(e.fx.dialogs.calls.isEmpty());
    }

    void openerMissingTellsWhereTheFileIs()
    {
        Export e;
        addResult(e.fx, result("Петров", "7", "05.03.2014", 9));
        e.start();
        e.fx.opener.succeed = false;
        e.run();
        QCOMPARE(e.fx.opener.opened.size(), 1);
        const QString path = e.fx.opener.opened.first().toLocalFile();
        QVERIFY(QFile::exists(path));
        QCOMPARE(e.fx.dialogs.informations().size(), 1);
        QVERIFY2(e.fx.dialogs.informations().first().contains(path), qPrintable(e.fx.dialogs.informations().first()));
    }

    void cancelledExportLeavesNothing()
    {
        Export e;
        for (int i = 0; i < 600; ++i)
            addResult(e.fx, result(QStringLiteral("Ученик %1").arg(i), "7", "05.03.2014", i % 11));
        e.start();
        e.fx.dialogs.cancelProgressAt = 256;
        e.run();
        QVERIFY(e.fx.opener.opened.isEmpty());
        QVERIFY(e.fx.dialogs.errors().isEmpty());
        QCOMPARE(e.folders(), QStringList());
        QCOMPARE(e.fx.dialogs.texts(FakeDialogs::Kind::Progress).size(), 1);
    }

    void writeFailureIsReported()
    {
        Export e;
        e.start();
        // The temporary folder is a file, so no folder can be made in it.
        const QString blocked = QDir(e.temp.path()).filePath(QStringLiteral("file"));
        QFile(blocked).open(QIODevice::WriteOnly);
        qputenv("TMPDIR", QFile::encodeName(blocked));
        e.run();
        QCOMPARE(e.fx.dialogs.errors().size(), 1);
        QVERIFY(e.fx.opener.opened.isEmpty());
    }

    void closedListIsAnError()
    {
        Export e;
        e.start();
        e.fx.context().adores.close();
        e.run();
        QCOMPARE(e.fx.dialogs.errors().size(), 1);
        QVERIFY(e.fx.opener.opened.isEmpty());
        QCOMPARE(e.folders(), QStringList());
    }
};

QTEST_MAIN(TstResultsExport)
#include "tst_resultsexport.moc"
