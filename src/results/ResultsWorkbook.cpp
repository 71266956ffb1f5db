#include "ResultsWorkbook.h"

#include "platform/ErrorGuard.h"

#include <QDir>
#include <QStringEncoder>
#include <QFile>
#include <QFileInfo>

#include <xlsxwriter.h>

namespace vorkast {

namespace {
constexpr int kTitleRow = 0;
constexpr int kHeaderRow = 2;
constexpr int kFirstDataRow = 3;
constexpr int kTitleColumn = 2;

QString reason(lxw_error error)
{
    switch (error) {
    case LXW_ERROR_CREATING_XLSX_FILE:
        return QStringLiteral("файл не удалось создать (нет прав на запись в папку?)");
    case LXW_ERROR_CREATING_TMPFILE:
        return QStringLiteral("не удалось создать временный файл");
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return QStringLiteral("недостаточно памяти");
    case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE:
        return QStringLiteral("строк больше, чем помещается на листе");
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        return QStringLiteral("текст длиннее 32767 знаков не помещается в ячейку");
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        return QStringLiteral("ошибка записи на диск (нет места?)");
    default:
        return QString::fromUtf8(lxw_strerror(error));
    }
}
} // namespace

const std::array<QString, ResultsWorkbook::kColumns - 1> &ResultsWorkbook::fields()
{
    static const std::array<QString, kColumns - 1> f{
        QStringLiteral("FI"),   QStringLiteral("Klass"), QStringLiteral("Test"),    QStringLiteral("Ocenka"),
        QStringLiteral("Data"), QStringLiteral("prav"),  QStringLiteral("predmet"),
    };
    return f;
}

const std::array<QString, ResultsWorkbook::kColumns> &ResultsWorkbook::headers()
{
    static const std::array<QString, kColumns> h{
        QStringLiteral("№"),      QStringLiteral("Ф.И."), QStringLiteral("Класс"),  QStringLiteral("Тема"),
        QStringLiteral("Оценка"), QStringLiteral("Дата"), QStringLiteral("Ответы"), QStringLiteral("Предмет"),
    };
    return h;
}

const std::array<double, ResultsWorkbook::kColumns> &ResultsWorkbook::widths()
{
    static const std::array<double, kColumns> w{3, 20, 5, 29, 7, 10, 8, 15};
    return w;
}

ResultsWorkbook::ResultsWorkbook(const QString &path, const std::array<bool, kColumns> &ticked)
    : m_path(path)
    , m_ticked(ticked)
{
    // Rows go straight to a temporary file beside the workbook, so memory stays flat.
    const QByteArray tmpdir = QFile::encodeName(QFileInfo(path).absolutePath());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char *>(tmpdir.constData());
    m_workbook = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    if (!m_workbook)
        fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
    m_sheet = workbook_add_worksheet(m_workbook, QStringLiteral("Отчёт").toUtf8().constData());
    if (!m_sheet)
        fail(LXW_ERROR_CREATING_TMPFILE);
    m_bold = workbook_add_format(m_workbook);
    if (!m_bold)
        fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
    format_set_bold(m_bold);

    for (int c = 0; c < kColumns; ++c) {
        lxw_row_col_options hidden{};
        hidden.hidden = LXW_TRUE;
        const auto col = static_cast<lxw_col_t>(c);
        const lxw_error e = m_ticked[c] ? worksheet_set_column(m_sheet, col, col, widths()[c], nullptr)
                                        : worksheet_set_column_opt(m_sheet, col, col, 0, nullptr, &hidden);
        if (e != LXW_NO_ERROR)
            fail(e);
    }
    // Rows are written in order: each row's bold format is set before its cells.
    boldRow(kTitleRow);
    write(kTitleRow, kTitleColumn, QStringLiteral("Результаты тестирования"), m_bold);
    boldRow(kHeaderRow);
    for (int c = 0; c < kColumns; ++c) {
        if (m_ticked[c])
            write(kHeaderRow, c, headers()[c], m_bold);
    }
}

ResultsWorkbook::~ResultsWorkbook()
{
    discard();
}

void ResultsWorkbook::fail(int error)
{
    discard();
    throw UserError(QStringLiteral("Не удалось записать файл «%1»: %2.")
                        .arg(QDir::toNativeSeparators(m_path), reason(static_cast<lxw_error>(error))));
}

void ResultsWorkbook::boldRow(int row)
{
    const lxw_error e = worksheet_set_row(m_sheet, static_cast<lxw_row_t>(row), LXW_DEF_ROW_HEIGHT, m_bold);
    if (e != LXW_NO_ERROR)
        fail(e);
}

void ResultsWorkbook::write(int row, int column, const QString &text, lxw_format *format)
{
    // One buffer for all cells: converting 800,000 texts would otherwise allocate each time.
    QStringEncoder utf8(QStringEncoder::Utf8);
    m_utf8.resize(utf8.requiredSpace(text.size()) + 1);
    char *end = utf8.appendToBuffer(m_utf8.data(), text);
    *end = '\0';
    const lxw_error e = worksheet_write_string(m_sheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                                               m_utf8.constData(), format);
    if (e != LXW_NO_ERROR)
        fail(e);
}

void ResultsWorkbook::addRow(const Values &values)
{
    if (!m_workbook)
        return;
    const int row = kFirstDataRow + m_rows;
    ++m_rows;
    if (m_ticked[0])
        write(row, 0, QString::number(m_rows), nullptr);
    for (int c = 1; c < kColumns; ++c) {
        if (m_ticked[c])
            write(row, c, values[static_cast<size_t>(c - 1)], nullptr);
    }
}

void ResultsWorkbook::close()
{
    if (!m_workbook)
        return;
    lxw_workbook *workbook = m_workbook;
    m_workbook = nullptr;
    const lxw_error e = workbook_close(workbook);
    if (e != LXW_NO_ERROR) {
        QFile::remove(m_path);
        throw UserError(QStringLiteral("Не удалось записать файл «%1»: %2.")
                            .arg(QDir::toNativeSeparators(m_path), reason(e)));
    }
}

void ResultsWorkbook::discard()
{
    if (m_workbook) {
        lxw_workbook_free(m_workbook);
        m_workbook = nullptr;
    }
}

} // namespace vorkast
