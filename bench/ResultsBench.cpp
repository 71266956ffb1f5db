// The results window on 100,000 results: showing, sorting, filtering and the export.
#include "Bench.h"
#include "BenchData.h"

#include "context/AppContext.h"
#include "platform/TextFile.h"
#include "results/ResultsWorkbook.h"
#include "results/TForm2.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vorkast;
using namespace vorkast::bench;

namespace {

class QuietProgress : public Progress {
public:
    void setValue(int) override {}
    bool wasCanceled() const override { return false; }
};

// Dialogs that fail the measure on any message.
class QuietDialogs : public Dialogs {
public:
    void information(const QString &text) override { throw std::runtime_error(text.toStdString()); }
    void error(const QString &text) override { throw std::runtime_error(text.toStdString()); }
    bool confirmError(const QString &) override { return true; }
    QString openFile(const QString &, const QString &) override { return {}; }
    std::unique_ptr<Progress> progress(const QString &, int) override { return std::make_unique<QuietProgress>(); }
};

class NoOpener : public UrlOpener {
public:
    bool open(const QUrl &url) override
    {
        opened = url;
        return true;
    }
    QUrl opened;
};

// The results window over the bench's results database, with the export going to `temp`.
struct ResultsWindow {
    QTemporaryDir temp;
    QuietDialogs dialogs;
    NoOpener opener;
    AppContext context;
    TForm2 form;

    explicit ResultsWindow(const QString &dir)
        : context(AppPaths{temp.path(), temp.path()}, dialogs, opener)
        , form(context)
    {
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        writeLinesFile(context.paths.workFile(QStringLiteral("klass.rfg")), {"1", "2", "3", "4", "5", "6", "7", "8",
                                                                             "9", "10", "11"});
        context.ADOConnection1.open(resultsPath(dir));
    }
    void show()
    {
        form.hide();
        form.show();
        QApplication::processEvents();
    }
    void check(int expected) const
    {
        if (context.adores.recordCount() != expected)
            throw std::runtime_error("wrong row count: " + std::to_string(context.adores.recordCount()));
    }
};

const QString kListColumns = QStringLiteral("\"index\", FI, Klass, Test, Ocenka, Data, predmet, prav, galka, vremya, proc");

int count(const QString &dir, const QString &where)
{
    return rawRows(resultsPath(dir), QStringLiteral("SELECT 1 FROM result ") + where);
}

Register show("results_window_show", [](const QString &dir) {
    ResultsWindow w(dir);
    Result r;
    r.oursMs = bestOf(3, [&] {
        w.show();
        w.check(kResults);
    });
    r.peakMb = peakMegabytes();
    r.rawMs = bestOf(3, [&] {
        if (rawRows(resultsPath(dir), QStringLiteral("SELECT ") + kListColumns + QStringLiteral(" FROM result ORDER BY FI"))
            != kResults)
            throw std::runtime_error("wrong result count");
    });
    return r;
});

// A title click sorts the 100,000 rows in memory; against a plain sort of the same texts.
Register sort("results_window_sort", [](const QString &dir) {
    ResultsWindow w(dir);
    w.show();
    Result r;
    r.oursMs = bestOf(5, [&] {
        w.form.DBGridEh1TitleClick(QStringLiteral("Data"));
        QApplication::processEvents();
    });
    r.peakMb = peakMegabytes();
    std::vector<QString> texts;
    const int data = w.context.adores.columnIndex(QStringLiteral("Data"));
    for (int i = 0; i < w.context.adores.recordCount(); ++i)
        texts.push_back(w.context.adores.cell(i, data).toString());
    r.rawMs = bestOf(5, [&] {
        std::vector<int> order(texts.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return texts[static_cast<size_t>(a)].compare(texts[static_cast<size_t>(b)], Qt::CaseInsensitive) < 0;
        });
    });
    return r;
});

// One filter of the window against the same selection read with plain SQLite.
Result filter(const QString &dir, const std::function<void(ResultsWindow &)> &apply, const QString &rawWhere)
{
    ResultsWindow w(dir);
    w.show();
    const int expected = count(dir, rawWhere);
    if (expected == 0)
        throw std::runtime_error("the filter finds nothing");
    // Each run starts from the whole list, as a user does; only the filter is timed.
    Result r;
    r.oursMs = 1e300;
    for (int i = 0; i < 10; ++i) {
        w.form.sBitBtn2Click();
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        apply(w);
        QApplication::processEvents();
        r.oursMs = std::min(r.oursMs, t.nsecsElapsed() / 1e6);
        w.check(expected);
    }
    r.peakMb = peakMegabytes();
    r.rawMs = bestOf(5, [&] {
        rawRows(resultsPath(dir), QStringLiteral("SELECT ") + kListColumns + QStringLiteral(" FROM result ") + rawWhere);
    });
    return r;
}

Register byDate("results_filter_date", [](const QString &dir) {
    return filter(
        dir, [](ResultsWindow &w) {
            // A click on the day, selected or not.
            auto *calendar = w.form.findChild<QCalendarWidget *>(QStringLiteral("sMonthCalendar1"));
            calendar->setSelectedDate(QDate(2014, 3, 5));
            emit calendar->clicked(QDate(2014, 3, 5));
        },
        QStringLiteral("WHERE Data = '05.03.2014'"));
});

Register byClass("results_filter_class", [](const QString &dir) {
    return filter(
        dir, [](ResultsWindow &w) {
            auto *combo = w.form.findChild<QComboBox *>(QStringLiteral("rzComboBox1"));
            combo->setCurrentIndex(combo->findText(QStringLiteral("5")));
            emit combo->activated(combo->currentIndex());
        },
        QStringLiteral("WHERE Klass = '5' COLLATE NOCASE"));
});

Register byTopic("results_filter_topic", [](const QString &dir) {
    return filter(
        dir, [](ResultsWindow &w) {
            // The last key of the typed text.
            auto *topic = w.form.findChild<QLineEdit *>(QStringLiteral("rzEdit1"));
            topic->blockSignals(true);
            topic->setText(QStringLiteral("Тема номер 12"));
            topic->blockSignals(false);
            topic->setText(QStringLiteral("Тема номер 123"));
        },
        QStringLiteral("WHERE Test LIKE 'Тема номер 123%' ORDER BY FI COLLATE NOCASE"));
});

Register byClassAndDate("results_filter_class_date", [](const QString &dir) {
    return filter(
        dir, [](ResultsWindow &w) {
            auto *combo = w.form.findChild<QComboBox *>(QStringLiteral("rzComboBox1"));
            combo->setCurrentIndex(combo->findText(QStringLiteral("5")));
            w.form.findChild<QCalendarWidget *>(QStringLiteral("sMonthCalendar1"))->setSelectedDate(QDate(2014, 3, 5));
            w.form.sBitBtn5Click();
        },
        QStringLiteral("WHERE Klass = '5' COLLATE NOCASE AND Data = '05.03.2014'"));
});

// The export of the whole list with all eight columns, against writing the same cells
// straight with libxlsxwriter from texts already in UTF-8.
Register exportAll("results_export", [](const QString &dir) {
    ResultsWindow w(dir);
    w.show();
    Result r;
    r.oursMs = bestOf(3, [&] {
        w.form.sBitBtn1Click();
        if (!QFile::exists(w.opener.opened.toLocalFile()))
            throw std::runtime_error("no workbook written");
        QFile::remove(w.opener.opened.toLocalFile());
    });
    r.peakMb = peakMegabytes();

    Query &q = w.context.adores;
    std::vector<std::array<std::string, 8>> rows;
    rows.reserve(static_cast<size_t>(q.recordCount()));
    std::array<int, 7> columns{};
    for (size_t i = 0; i < columns.size(); ++i)
        columns[i] = q.columnIndex(ResultsWorkbook::fields()[i]);
    for (int row = 0; row < q.recordCount(); ++row) {
        std::array<std::string, 8> cells;
        cells[0] = std::to_string(row + 1);
        for (size_t i = 0; i < columns.size(); ++i)
            cells[i + 1] = q.cell(row, columns[i]).toString().toStdString();
        rows.push_back(std::move(cells));
    }
    const QByteArray path = QFile::encodeName(QDir(w.temp.path()).filePath(QStringLiteral("raw.xlsx")));
    const QByteArray tmpdir = QFile::encodeName(w.temp.path());
    r.rawMs = bestOf(3, [&] {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = const_cast<char *>(tmpdir.constData());
        lxw_workbook *book = workbook_new_opt(path.constData(), &options);
        lxw_worksheet *sheet = workbook_add_worksheet(book, "Отчёт");
        lxw_format *bold = workbook_add_format(book);
        format_set_bold(bold);
        const double widths[8] = {3, 20, 5, 29, 7, 10, 8, 15};
        for (lxw_col_t c = 0; c < 8; ++c)
            worksheet_set_column(sheet, c, c, widths[c], nullptr);
        worksheet_set_row(sheet, 0, LXW_DEF_ROW_HEIGHT, bold);
        worksheet_write_string(sheet, 0, 2, "Результаты тестирования", bold);
        worksheet_set_row(sheet, 2, LXW_DEF_ROW_HEIGHT, bold);
        for (lxw_col_t c = 0; c < 8; ++c)
            worksheet_write_string(sheet, 2, c, ResultsWorkbook::headers()[c].toUtf8().constData(), bold);
        lxw_row_t r = 3;
        for (const auto &cells : rows) {
            for (lxw_col_t c = 0; c < 8; ++c)
                worksheet_write_string(sheet, r, c, cells[c].c_str(), nullptr);
            ++r;
        }
        if (workbook_close(book) != LXW_NO_ERROR)
            throw std::runtime_error("raw workbook failed");
    });
    return r;
});

} // namespace
