#pragma once

#include <QString>

#include <array>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace vorkast {

// The spreadsheet of the results list: sheet "Отчёт", the title in C1, the ticked headers
// in row 3 and one row per result from row 4, every value as text. Each of the eight
// columns keeps its place; an unticked one is hidden and left empty.
class ResultsWorkbook {
public:
    static constexpr int kColumns = 8;
    // The values of one result, in sheet order after the running number:
    // FI, Klass, Test, Ocenka, Data, prav, predmet.
    using Values = std::array<QString, kColumns - 1>;

    // The field behind each sheet column after "№", in sheet order.
    static const std::array<QString, kColumns - 1> &fields();
    static const std::array<QString, kColumns> &headers();
    static const std::array<double, kColumns> &widths();

    // Starts the workbook that close() writes to `path`; throws UserError.
    ResultsWorkbook(const QString &path, const std::array<bool, kColumns> &ticked);
    ~ResultsWorkbook();
    ResultsWorkbook(const ResultsWorkbook &) = delete;
    ResultsWorkbook &operator=(const ResultsWorkbook &) = delete;

    // The next result row, numbered from 1 in the "№" column.
    void addRow(const Values &values);
    int rowCount() const { return m_rows; }

    // Writes the file; throws UserError naming it (nothing is left at `path` then).
    void close();
    // Drops the workbook without writing anything.
    void discard();

private:
    [[noreturn]] void fail(int error);
    void boldRow(int row);
    void write(int row, int column, const QString &text, lxw_format *format);

    QString m_path;
    std::array<bool, kColumns> m_ticked;
    lxw_workbook *m_workbook = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    lxw_format *m_bold = nullptr;
    QByteArray m_utf8;  // reused for every cell's UTF-8 text
    int m_rows = 0;
};

} // namespace vorkast
